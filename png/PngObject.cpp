#include "png/PngObject.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "png/PngChunkLoop.h"

namespace png {

using classlib::TColor;

namespace {

TColor RgbOf(const RGBQUAD& q) { return q.rgbRed | (q.rgbGreen << 8) | (q.rgbBlue << 16); }
TColor Grey(uint8_t g) { return g | (g << 8) | (g << 16); }

// Cell x of a stored row of `bits` bits per pixel.
uint8_t CellAt(const uint8_t* row, int x, int bits) {
  if (bits >= 8) return row[x];
  const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(bits);
  return static_cast<uint8_t>((row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1));
}

void SetCell(uint8_t* row, int x, int bits, uint8_t value) {
  if (bits >= 8) {
    row[x] = value;
    return;
  }
  const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(bits);
  const int shift = 8 - bits - static_cast<int>(bit % 8);
  const auto mask = static_cast<uint8_t>(((1u << bits) - 1) << shift);
  row[bit / 8] = static_cast<uint8_t>((row[bit / 8] & ~mask) | ((value << shift) & mask));
}

class TObjectChunkHandler : public TPngChunkHandler {
 public:
  explicit TObjectChunkHandler(TPNGObject& object) : object_(object) {}
  bool LoadChunk(classlib::TStream& stream, const TChunkHeader& header) override {
    const std::string name = header.TypeName();
    TChunk* chunk = CreateClassChunk(&object_, name);
    object_.Chunks().Add(chunk);
    if (typeid(*chunk) == typeid(TChunk) && IsCriticalChunk(header.Type) && name[0] != 0)
      RaiseError<EPNGUnknownCriticalChunk>();
    return chunk->LoadFromStream(stream, name, header.Length);
  }

 private:
  TPNGObject& object_;
};

}  // namespace

TPNGObject::TPNGObject() : canvas_(std::make_unique<classlib::TCanvas>()), chunks_(this) {}

TPNGObject::~TPNGObject() { Clear(); }

void TPNGObject::Clear() {
  gammaTable_ = IdentityGamma();
  inverseGamma_ = IdentityGamma();
  inflatedText_ = 0;
  for (uint32_t i = 0; i < chunks_.Count(); ++i) delete chunks_.Item(i);
  chunks_.SetSize(0);
}

TChunkIHDR* TPNGObject::Header() const {
  if (!HeaderPresent()) RaiseError<EPNGHeaderNotPresent>();
  return static_cast<TChunkIHDR*>(chunks_.Item(0));
}

bool TPNGObject::HeaderPresent() const {
  return chunks_.Count() > 0 && dynamic_cast<TChunkIHDR*>(chunks_.Item(0)) != nullptr;
}

int TPNGObject::Width() const { return HeaderPresent() ? static_cast<int>(Header()->Width()) : 0; }
int TPNGObject::Height() const { return HeaderPresent() ? static_cast<int>(Header()->Height()) : 0; }

HPALETTE TPNGObject::Palette() const { return HeaderPresent() ? Header()->PaletteHandle() : nullptr; }

void TPNGObject::SetPalette(HPALETTE palette) {
  if (HeaderPresent()) Header()->SetImagePalette(palette);
}

void TPNGObject::SetCompressionLevel(int level) { compressionLevel_ = static_cast<uint8_t>(std::clamp(level, 0, 9)); }

void TPNGObject::LoadFromStream(classlib::TStream& stream) {
  Clear();
  TObjectChunkHandler handler(*this);
  try {
    ReadPngChunks(stream, handler);
  } catch (...) {
    Changed();
    throw;
  }
  Changed();
}

void TPNGObject::SaveToStream(classlib::TStream& stream) {
  stream.WriteBuffer(kSignature.data(), static_cast<int64_t>(kSignature.size()));
  for (uint32_t i = 0; i < chunks_.Count(); ++i) chunks_.Item(i)->SaveToStream(stream);
}

void TPNGObject::Assign(const classlib::TPersistent* source) {
  if (!source) {
    Clear();
    Changed();
  } else if (const auto* png = dynamic_cast<const TPNGObject*>(source)) {
    if (png != this) AssignPNG(png);
  } else if (const auto* bitmap = dynamic_cast<const classlib::TBitmap*>(source)) {
    auto* b = const_cast<classlib::TBitmap*>(bitmap);  // handle and colour are made on demand
    AssignHandle(b->Handle(), b->Transparent(), classlib::ColorToRGB(b->TransparentColor()));
  } else {
    classlib::TGraphic::Assign(source);
  }
}

void TPNGObject::AssignPNG(const TPNGObject* source) {
  interlaceMethod_ = source->interlaceMethod_;
  maxIdatSize_ = source->maxIdatSize_;
  compressionLevel_ = source->compressionLevel_;
  filters_ = source->filters_;
  Clear();
  gammaTable_ = source->gammaTable_;
  inverseGamma_ = source->inverseGamma_;
  for (uint32_t i = 0; i < source->chunks_.Count(); ++i) {
    const TChunk* from = source->chunks_.Item(i);
    TChunk* chunk = CreateClassChunk(this, from->GetName());
    chunks_.Add(chunk);
    chunk->Assign(from);
  }
  Changed();
}

void TPNGObject::AssignHandle(HBITMAP handle, bool transparent, TColor transparentColor) {
  BITMAP bm{};
  if (!handle || !GetObjectW(handle, sizeof bm, &bm)) RaiseError<EPNGOutMemory>();
  Clear();
  auto* header = NewChunk<TChunkIHDR>(this);
  chunks_.Add(header);
  const bool palette = bm.bmBitsPixel < 16;
  header->Values = TPngHeaderValues{static_cast<uint32_t>(bm.bmWidth), static_cast<uint32_t>(std::abs(bm.bmHeight)),
                                    static_cast<uint8_t>(palette ? bm.bmBitsPixel : 8),
                                    static_cast<uint8_t>(palette ? COLOR_PALETTE : COLOR_RGB), 0, 0, 0};
  header->PrepareImageData();
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, handle, 0, header->Height(), header->ImageData(),
            reinterpret_cast<BITMAPINFO*>(&header->BitmapInfo()), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);

  if (palette) {
    auto* plte = NewChunk<TChunkPLTE>(this);
    chunks_.Add(plte);
    const int count = 1 << bm.bmBitsPixel;
    plte->SetCount(count);
    std::vector<uint8_t> memory(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256, 0);
    auto* log = reinterpret_cast<LOGPALETTE*>(memory.data());
    log->palVersion = 0x300;
    log->palNumEntries = static_cast<WORD>(count);
    for (int i = 0; i < count; ++i) {
      const RGBQUAD& c = header->BitmapInfo().Colors[i];
      log->palPalEntry[i] = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, 0};
    }
    header->SetImagePalette(CreatePalette(log));
  }
  if (transparent) {
    auto* trns = NewChunk<TChunktRNS>(this);
    chunks_.Add(trns);
    trns->SetTransparentColor(transparentColor);
    // A palette that lacks the colour marks nothing transparent.
    if (trns->DataSize() == 0) delete static_cast<TChunk*>(chunks_.Remove(trns));
  }
  chunks_.Add(NewChunk<TChunkIDAT>(this));
  chunks_.Add(NewChunk<TChunkIEND>(this));
  Changed();
}

int TPNGObject::TransparencyMode() const {
  if (!HeaderPresent()) return 0;
  const TChunktRNS* trns = chunks_.FindChunk<TChunktRNS>();
  switch (Header()->ColorType()) {
    case COLOR_GRAYSCALE:
    case COLOR_RGB: return trns ? 1 : 0;
    case COLOR_PALETTE: return !trns ? 0 : trns->BitTransparency() ? 1 : 2;
    case COLOR_GRAYSCALEALPHA:
    case COLOR_RGBALPHA: return 2;
    default: return 0;
  }
}

TColor TPNGObject::TransparentColor() const {
  const TChunktRNS* trns = chunks_.FindChunk<TChunktRNS>();
  if (!trns || !HeaderPresent()) return 0;
  const TChunkIHDR* header = Header();
  const auto& v = trns->PaletteValues();
  const bool wide = header->BitDepth() == 16;
  switch (header->ColorType()) {
    case COLOR_GRAYSCALE: {
      const unsigned sample = wide ? v[0] : v[1];
      const unsigned cell = header->BitDepth() == 2 ? sample * 4 : sample;
      return header->PaletteSize() ? RgbOf(header->BitmapInfo().Colors[cell % header->PaletteSize()]) : 0;
    }
    case COLOR_RGB:
      return gammaTable_[wide ? v[0] : v[1]] | (gammaTable_[wide ? v[2] : v[3]] << 8) |
             (gammaTable_[wide ? v[4] : v[5]] << 16);
    case COLOR_PALETTE:
      for (int i = 0; i < header->PaletteSize(); ++i)
        if (v[i] == 0) return RgbOf(header->BitmapInfo().Colors[i]);
      return 0;
    default: return 0;
  }
}

void TPNGObject::GetPixelInfo(uint32_t& lineSize, uint32_t& offset) const {
  if (!HeaderPresent()) {
    lineSize = offset = 0;
    return;
  }
  const TChunkIHDR* h = Header();
  lineSize = static_cast<uint32_t>(BytesForPixels(h->Width(), h->ColorType(), h->BitDepth()));
  offset = static_cast<uint32_t>(FilterOffset(h->ColorType(), h->BitDepth()));
}

uint8_t* TPNGObject::Scanline(int y) const {
  const TChunkIHDR* h = Header();
  return h->ImageData() + static_cast<size_t>(h->Height() - 1 - y) * h->BytesPerRow();
}

uint8_t* TPNGObject::ExtraScanline(int y) const {
  TChunkIHDR* h = Header();
  uint8_t* extra = h->ExtraImageData();
  return extra ? extra + static_cast<size_t>(h->Height() - 1 - y) * h->BytesPerRow() : nullptr;
}

uint8_t* TPNGObject::AlphaScanline(int y) const {
  TChunkIHDR* h = Header();
  uint8_t* alpha = h->ImageAlpha();
  return alpha ? alpha + static_cast<size_t>(y) * h->Width() : nullptr;
}

TColor TPNGObject::Pixels(int x, int y) const {
  if (!HeaderPresent() || x < 0 || y < 0 || x >= Width() || y >= Height() || !Header()->ImageData()) return 0;
  const TChunkIHDR* h = Header();
  const uint8_t* row = Scanline(y);
  switch (h->ColorType()) {
    case COLOR_GRAYSCALE: {
      const int depth = h->BitDepth();
      unsigned v = CellAt(row, x, h->BitmapInfo().Header.biBitCount);
      // Scaled to 8 bits; 2-bit samples are held as cells 4 x s.
      if (depth == 1) v *= 255;
      else if (depth == 2) v = (v >> 2) * 85;
      else if (depth == 4) v *= 17;
      return Grey(gammaTable_[v & 0xFF]);
    }
    case COLOR_PALETTE: {
      const unsigned index = CellAt(row, x, h->BitmapInfo().Header.biBitCount);
      const TChunkPLTE* plte = chunks_.FindChunk<TChunkPLTE>();
      if (!plte || index >= static_cast<unsigned>(plte->Count())) RaiseError<EPngError>(kNoSuchPaletteEntry);
      const RGBQUAD& c = h->BitmapInfo().Colors[index];
      return gammaTable_[c.rgbRed] | (gammaTable_[c.rgbGreen] << 8) | (gammaTable_[c.rgbBlue] << 16);
    }
    case COLOR_RGB:
    case COLOR_RGBALPHA: return row[3 * x + 2] | (row[3 * x + 1] << 8) | (row[3 * x] << 16);
    case COLOR_GRAYSCALEALPHA: return Grey(row[x]);
    default: return 0;
  }
}

void TPNGObject::SetPixels(int x, int y, TColor value) {
  if (!HeaderPresent() || x < 0 || y < 0 || x >= Width() || y >= Height() || !Header()->ImageData()) return;
  TChunkIHDR* h = Header();
  uint8_t* row = Scanline(y);
  const auto r = static_cast<uint8_t>(value), g = static_cast<uint8_t>(value >> 8), b = static_cast<uint8_t>(value >> 16);
  const int bits = h->BitmapInfo().Header.biBitCount;
  switch (h->ColorType()) {
    case COLOR_RGB:
    case COLOR_RGBALPHA:
      row[3 * x] = b, row[3 * x + 1] = g, row[3 * x + 2] = r;
      break;
    case COLOR_GRAYSCALEALPHA: row[x] = r; break;
    case COLOR_GRAYSCALE: {
      const int depth = h->BitDepth();
      uint8_t v = depth >= 8 ? r : static_cast<uint8_t>(r >> (8 - depth));
      if (depth == 2) v = static_cast<uint8_t>(v << 2);
      SetCell(row, x, bits, v);
      break;
    }
    case COLOR_PALETTE:
      if (h->PaletteHandle())
        SetCell(row, x, bits, static_cast<uint8_t>(GetNearestPaletteIndex(h->PaletteHandle(), RGB(r, g, b))));
      break;
    default: break;
  }
  Changed();
}

void TPNGObject::Resize(int cx, int cy) {
  if (cx < 1 || cy < 1) RaiseError<EPNGInvalidNewSize>();
  TChunkIHDR* h = Header();
  TPngHeaderValues values = h->Values;
  values.Width = static_cast<uint32_t>(cx);
  values.Height = static_cast<uint32_t>(cy);
  CheckImageBufferSize(values);

  TPngBitmapInfo info = h->BitmapInfo();
  info.Header.biWidth = cx;
  info.Header.biHeight = cy;
  HDC dc = CreateCompatibleDC(h->ImageDC());
  void* bitsPointer = nullptr;
  HBITMAP bitmap =
      dc ? CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bitsPointer, nullptr, 0) : nullptr;
  if (!bitmap || !bitsPointer) {
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    RaiseError<EPNGOutMemory>();
  }
  SelectObject(dc, bitmap);
  auto* bits = static_cast<uint8_t*>(bitsPointer);
  const auto rowBytes = static_cast<uint32_t>(StoredRowBytes(static_cast<uint32_t>(cx), info.Header.biBitCount));
  const uint32_t oldWidth = h->Width(), oldHeight = h->Height(), oldRow = h->BytesPerRow();
  const uint32_t lines = std::min<uint32_t>(static_cast<uint32_t>(cy), oldHeight);
  const uint32_t copy = std::min(rowBytes, oldRow);
  std::memset(bits, 0, size_t{rowBytes} * static_cast<size_t>(cy));
  auto newLine = [&](uint8_t* base, uint32_t i) { return base + size_t{rowBytes} * (static_cast<uint32_t>(cy) - 1 - i); };
  if (h->ImageData())
    for (uint32_t i = 0; i < lines; ++i) std::memcpy(newLine(bits, i), Scanline(static_cast<int>(i)), copy);

  std::vector<uint8_t> alpha;
  if (HasAlphaBuffer(values.ColorType)) {
    alpha.assign(size_t{values.Width} * values.Height, 255);
    const uint32_t columns = std::min(values.Width, oldWidth);
    for (uint32_t i = 0; i < lines && h->ImageAlpha(); ++i)
      std::memcpy(alpha.data() + size_t{i} * values.Width, AlphaScanline(static_cast<int>(i)), columns);
  }
  std::vector<uint8_t> extra;
  if (values.BitDepth == 16) {
    extra.assign(size_t{rowBytes} * values.Height, 0);
    for (uint32_t i = 0; i < lines && h->ExtraImageData(); ++i)
      std::memcpy(newLine(extra.data(), i), ExtraScanline(static_cast<int>(i)), copy);
  }
  h->ReplaceImage(bitmap, dc, bits, rowBytes, std::move(alpha), std::move(extra));
  h->Values = values;
  h->BitmapInfo().Header.biWidth = cx;
  h->BitmapInfo().Header.biHeight = cy;
  Changed();
}

}  // namespace png
