#include "png/PngChunkIHDR.h"

#include <cstring>

#include "png/PngChunkIO.h"
#include "png/PngErrors.h"
#include "png/PngObject.h"

namespace png {

TChunkIHDR::TChunkIHDR(TPNGObject* owner) : TChunk(owner) {}

TChunkIHDR::~TChunkIHDR() { FreeImageData(); }

void TChunkIHDR::FreeImageData() {
  if (Owner() && Owner()->Canvas()->HandleAllocated()) Owner()->Canvas()->SetHandle(nullptr);
  if (imageDC_) {
    if (oldBitmap_) SelectObject(imageDC_, oldBitmap_);
    DeleteDC(imageDC_);
  }
  if (imageHandle_) DeleteObject(imageHandle_);
  if (palette_) DeleteObject(palette_);
  imageDC_ = nullptr;
  imageHandle_ = nullptr;
  oldBitmap_ = nullptr;
  palette_ = nullptr;
  imageData_ = nullptr;
  hasPalette_ = false;
  alpha_.clear();
  extra_.clear();
}

TPngImageView TChunkIHDR::View() {
  TPngImageView v;
  v.Width = Values.Width;
  v.Height = Values.Height;
  v.BitDepth = Values.BitDepth;
  v.ColorType = Values.ColorType;
  v.Bits = imageData_;
  v.BytesPerRow = bytesPerRow_;
  v.Alpha = ImageAlpha();
  v.Extra = ExtraImageData();
  return v;
}

int TChunkIHDR::PaletteSize() const { return hasPalette_ ? 1 << info_.Header.biBitCount : 0; }

HPALETTE TChunkIHDR::MakeGreyRamp(int entries) const {
  std::vector<uint8_t> memory(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256, 0);
  auto* log = reinterpret_cast<LOGPALETTE*>(memory.data());
  log->palVersion = 0x300;
  log->palNumEntries = static_cast<WORD>(entries);
  const TGammaTable& gamma = Owner()->GammaTable();
  for (int i = 0; i < entries; ++i) {
    const uint8_t g = gamma[entries > 1 ? i * 255 / (entries - 1) : 0];
    log->palPalEntry[i] = PALETTEENTRY{g, g, g, 0};
  }
  return CreatePalette(log);
}

void TChunkIHDR::SetImagePalette(HPALETTE palette) {
  if (!palette) return;
  if (!hasPalette_ || !imageDC_) {
    DeleteObject(palette);
    return;
  }
  PALETTEENTRY entries[256] = {};
  const UINT count = GetPaletteEntries(palette, 0, 256, entries);
  const int size = PaletteSize();
  for (int i = 0; i < size; ++i) {
    if (static_cast<UINT>(i) < count) info_.Colors[i] = RGBQUAD{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
  }
  SetDIBColorTable(imageDC_, 0, static_cast<UINT>(size), info_.Colors);
  SelectPalette(imageDC_, palette, FALSE);
  RealizePalette(imageDC_);
  if (palette_) DeleteObject(palette_);
  palette_ = palette;
}

void TChunkIHDR::PrepareImageData() {
  FreeImageData();
  CheckImageBufferSize(Values);
  const int bits = StoredBitsPerPixel(Values.ColorType, Values.BitDepth);
  hasPalette_ = HasStoredPalette(Values.ColorType);
  bytesPerRow_ = static_cast<uint32_t>(StoredRowBytes(Values.Width, bits));

  std::memset(&info_, 0, sizeof info_);
  info_.Header.biSize = sizeof(BITMAPINFOHEADER);
  info_.Header.biWidth = static_cast<LONG>(Values.Width);
  info_.Header.biHeight = static_cast<LONG>(Values.Height);  // positive: bottom-up
  info_.Header.biPlanes = 1;
  info_.Header.biBitCount = static_cast<WORD>(bits);
  info_.Header.biCompression = BI_RGB;

  imageDC_ = CreateCompatibleDC(nullptr);
  void* bitsPointer = nullptr;
  imageHandle_ = imageDC_ ? CreateDIBSection(imageDC_, reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS,
                                             &bitsPointer, nullptr, 0)
                          : nullptr;
  if (!imageHandle_ || !bitsPointer) {
    FreeImageData();
    RaiseError<EPNGOutMemory>();
  }
  imageData_ = static_cast<uint8_t*>(bitsPointer);
  std::memset(imageData_, 0, size_t{bytesPerRow_} * Values.Height);
  oldBitmap_ = SelectObject(imageDC_, imageHandle_);
  if (HasAlphaBuffer(Values.ColorType)) alpha_.assign(size_t{Values.Width} * Values.Height, 0);
  if (Values.BitDepth == 16) extra_.assign(size_t{bytesPerRow_} * Values.Height, 0);

  if (hasPalette_) {
    HPALETTE palette = Values.ColorType == COLOR_PALETTE
                           ? CreateHalftonePalette(imageDC_)
                           : MakeGreyRamp(Values.BitDepth >= 8 ? 256 : 1 << Values.BitDepth);
    if (palette) ResizePalette(palette, 1u << bits);
    SetImagePalette(palette);
  }
  Owner()->Canvas()->SetHandle(imageDC_);
}

void TChunkIHDR::ReplaceImage(HBITMAP bitmap, HDC dc, uint8_t* bits, uint32_t bytesPerRow, std::vector<uint8_t> alpha,
                              std::vector<uint8_t> extra) {
  // The palette moves to the new context; the old context goes.
  if (imageDC_) {
    if (Owner()->Canvas()->HandleAllocated()) Owner()->Canvas()->SetHandle(nullptr);
    if (oldBitmap_) SelectObject(imageDC_, oldBitmap_);
    DeleteDC(imageDC_);
  }
  if (imageHandle_) DeleteObject(imageHandle_);
  imageHandle_ = bitmap;
  imageDC_ = dc;
  oldBitmap_ = nullptr;
  imageData_ = bits;
  bytesPerRow_ = bytesPerRow;
  alpha_ = std::move(alpha);
  extra_ = std::move(extra);
  if (palette_) {
    SelectPalette(imageDC_, palette_, FALSE);
    RealizePalette(imageDC_);
  }
  Owner()->Canvas()->SetHandle(imageDC_);
}

bool TChunkIHDR::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  const bool crcOk = TChunk::LoadFromStream(stream, chunkName, size);
  Values = ParseHeader(Data(), DataSize());
  Owner()->SetInterlaceMethod(Values.InterlaceMethod);
  PrepareImageData();
  return crcOk;
}

bool TChunkIHDR::SaveToStream(classlib::TStream& stream) {
  // Bit depth 2 is held as 4-bit cells, so it is written (and kept) as 4.
  if (Values.BitDepth == 2) Values.BitDepth = 4;
  TPngHeaderValues written = Values;
  written.InterlaceMethod = Owner()->InterlaceMethod();
  ResizeData(13);
  WriteHeader(written, Data());
  return WriteData(stream);
}

void TChunkIHDR::Assign(const TChunk* source) {
  const auto* other = dynamic_cast<const TChunkIHDR*>(source);
  if (!other) RaiseError<EPngError>();
  TChunk::Assign(source);
  Values = other->Values;
  PrepareImageData();
  if (imageData_ && other->imageData_)
    std::memcpy(imageData_, other->imageData_, size_t{bytesPerRow_} * Values.Height);
  alpha_ = other->alpha_;
  extra_ = other->extra_;
  if (hasPalette_ && other->palette_) {
    PALETTEENTRY entries[256] = {};
    const UINT count = GetPaletteEntries(other->palette_, 0, 256, entries);
    std::vector<uint8_t> memory(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256, 0);
    auto* log = reinterpret_cast<LOGPALETTE*>(memory.data());
    log->palVersion = 0x300;
    log->palNumEntries = static_cast<WORD>(count);
    std::memcpy(log->palPalEntry, entries, sizeof(PALETTEENTRY) * count);
    SetImagePalette(CreatePalette(log));
  }
}

}  // namespace png
