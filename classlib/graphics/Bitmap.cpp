#include "classlib/graphics/Bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace classlib {

// The canvas of a bitmap: a memory DC made on first use with the bitmap
// selected, kept until the bitmap is freed.
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }

  HDC MemoryDC() const { return dc_; }
  // Selects another bitmap (null: none) into the DC, if there is one.
  void Select(HBITMAP bitmap) {
    if (!dc_) return;
    SelectObject(dc_, bitmap ? bitmap : stockBitmap_);
    if (bitmap && bitmap_.palette_) SelectPalette(dc_, bitmap_.palette_, TRUE);
  }

 protected:
  void CreateHandle() override {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) throw EOutOfResources(L"Out of system resources");
    stockBitmap_ = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    stockPalette_ = static_cast<HPALETTE>(GetCurrentObject(dc, OBJ_PAL));
    dc_ = dc;
    Select(bitmap_.handle_);
    SetHandle(dc);
  }
  void Changed() override {
    TCanvas::Changed();
    bitmap_.Changed();
  }

 private:
  void FreeContext() {
    if (!dc_) return;
    SetHandle(nullptr);
    SelectObject(dc_, stockBitmap_);
    SelectPalette(dc_, stockPalette_, TRUE);
    DeleteDC(dc_);
    dc_ = nullptr;
  }

  TBitmap& bitmap_;
  HDC dc_ = nullptr;
  HBITMAP stockBitmap_ = nullptr;
  HPALETTE stockPalette_ = nullptr;
};

namespace {

struct TBitmapInfo256 {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};

std::vector<RGBQUAD> DefaultColorTable(int bitsPerPixel) {
  std::vector<RGBQUAD> colors;
  if (bitsPerPixel == 1) {
    colors = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
  } else if (bitsPerPixel == 4) {
    static const uint32_t vga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};  // 0xRRGGBB
    for (uint32_t c : vga)
      colors.push_back(RGBQUAD{static_cast<BYTE>(c), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c >> 16), 0});
  } else if (bitsPerPixel == 8) {
    // A grey ramp: an 8-bit plane's bytes read as intensities and survive a
    // round trip through true colour.
    for (int i = 0; i < 256; ++i) {
      const auto v = static_cast<BYTE>(i);
      colors.push_back(RGBQUAD{v, v, v, 0});
    }
  }
  return colors;
}

TPixelFormat FormatOfBits(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfCustom;
  }
}

// Copies w x h pixels between two bitmaps through GDI (colour conversion,
// device bitmaps); neither may be selected into another DC.
void BlitBitmap(HBITMAP dest, HBITMAP source, int width, int height) {
  HDC d = CreateCompatibleDC(nullptr);
  HDC s = CreateCompatibleDC(nullptr);
  HGDIOBJ oldD = SelectObject(d, dest);
  HGDIOBJ oldS = SelectObject(s, source);
  BitBlt(d, 0, 0, width, height, s, 0, 0, SRCCOPY);
  SelectObject(d, oldD);
  SelectObject(s, oldS);
  DeleteDC(d);
  DeleteDC(s);
}

}  // namespace

int BitsPerPixelOf(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    case pf32bit: return 32;
    default: return 0;
  }
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  canvas_.reset();
  FreeImage();
  DropPalette();
}

void TBitmap::DropPalette() {
  if (palette_) DeleteObject(palette_);
  palette_ = nullptr;
}

template <class F>
void TBitmap::WithDC(F use) const {
  auto* canvas = static_cast<TBitmapCanvas*>(canvas_.get());
  if (canvas && canvas->MemoryDC()) {
    GdiFlush();
    use(canvas->MemoryDC());
    return;
  }
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, handle_);
  use(dc);
  SelectObject(dc, old);
  DeleteDC(dc);
}

void TBitmap::DetachFromCanvas() {
  if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->Select(nullptr);
}

TPixelFormat TBitmap::DeviceFormat() const {
  HDC screen = GetDC(nullptr);
  const int bits = screen ? GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES) : 32;
  if (screen) ReleaseDC(nullptr, screen);
  return bits == 24 ? pf24bit : pf32bit;
}

TBitmap::TImage TBitmap::MakeImage(TPixelFormat format, int width, int height, const std::vector<RGBQUAD>* colors) {
  TImage image;
  if (width <= 0 || height <= 0) return image;
  if (format == pfDevice) {
    CheckImageSize(width, height, 32);
    HDC screen = GetDC(nullptr);
    image.handle = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!image.handle) throw EOutOfResources(L"Out of system resources");
    // A device bitmap starts undefined; make it black like a new section.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, image.handle);
    PatBlt(dc, 0, 0, width, height, BLACKNESS);
    SelectObject(dc, old);
    DeleteDC(dc);
    return image;
  }
  const int bits = BitsPerPixelOf(format);
  if (bits == 0 || bits == 16) throw EInvalidGraphic(L"Unsupported pixel format");
  CheckImageSize(width, height, bits);
  TBitmapInfo256 info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bits);
  info.header.biCompression = BI_RGB;
  if (bits <= 8) {
    const std::vector<RGBQUAD> defaults = DefaultColorTable(bits);
    const std::vector<RGBQUAD>& table = colors && !colors->empty() ? *colors : defaults;
    const size_t count = size_t{1} << bits;
    for (size_t i = 0; i < count && i < table.size(); ++i) info.colors[i] = table[i];
    info.header.biClrUsed = static_cast<DWORD>(count);
  }
  void* pixels = nullptr;
  image.handle = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!image.handle || !pixels) {
    if (image.handle) DeleteObject(image.handle);
    throw EOutOfResources(L"Out of system resources");
  }
  image.bits = static_cast<uint8_t*>(pixels);
  image.stride = ((width * bits + 31) / 32) * 4;
  return image;
}

void TBitmap::FreeImage() {
  if (!handle_) return;
  DetachFromCanvas();
  DeleteObject(handle_);
  handle_ = nullptr;
  bits_ = nullptr;
  stride_ = 0;
}

void TBitmap::Replace(const TImage& image, TPixelFormat format, int width, int height) {
  FreeImage();
  handle_ = image.handle;
  bits_ = image.bits;
  stride_ = image.stride;
  format_ = format;
  // A size with one side 0 is kept (SetWidth then SetHeight), without pixels.
  width_ = width;
  height_ = height;
  if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->Select(handle_);
}

void TBitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0) throw EInvalidGraphic(L"Invalid image size");
  if (width == width_ && height == height_) return;
  const std::vector<RGBQUAD> colors = ColorTable();
  TImage image = MakeImage(format_, width, height, &colors);
  if (image.handle && handle_) {
    const int w = std::min(width, width_);
    const int h = std::min(height, height_);
    if (image.bits && bits_) {
      GdiFlush();
      // Bottom-up rows: the top-left part lies at the ends of the buffers.
      for (int y = 0; y < h; ++y)
        std::memcpy(image.bits + static_cast<size_t>(height - 1 - y) * image.stride,
                    bits_ + static_cast<size_t>(height_ - 1 - y) * stride_,
                    (static_cast<size_t>(w) * BitsPerPixelOf(format_) + 7) / 8);
    } else {
      // Device bitmaps: the overlap copied through GDI.
      DetachFromCanvas();
      HDC d = CreateCompatibleDC(nullptr);
      HDC src = CreateCompatibleDC(nullptr);
      HGDIOBJ oldD = SelectObject(d, image.handle);
      HGDIOBJ oldS = SelectObject(src, handle_);
      BitBlt(d, 0, 0, w, h, src, 0, 0, SRCCOPY);
      SelectObject(d, oldD);
      SelectObject(src, oldS);
      DeleteDC(d);
      DeleteDC(src);
    }
  }
  Replace(image, format_, width, height);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  if (format != pfDevice && (BitsPerPixelOf(format) == 0 || BitsPerPixelOf(format) == 16))
    throw EInvalidGraphic(L"Unsupported pixel format");
  if (handle_) colors_.clear();  // a converted image takes the new format's default table
  TImage image = MakeImage(format, width_, height_, &colors_);
  if (image.handle && handle_) {
    DetachFromCanvas();
    GdiFlush();
    BlitBitmap(image.handle, handle_, width_, height_);
  }
  Replace(image, format, width_, height_);
  Changed();
}

void TBitmap::SetHandleType(TBitmapHandleType type) {
  if (type == HandleType()) return;
  SetPixelFormat(type == bmDDB ? pfDevice : DeviceFormat());
}

uint8_t* TBitmap::ScanLine(int y) {
  if (format_ == pfDevice) SetHandleType(bmDIB);
  if (y < 0 || y >= height_ || !bits_) throw EInvalidGraphic(L"Scan line index out of range");
  GdiFlush();
  return bits_ + static_cast<size_t>(height_ - 1 - y) * stride_;
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(*this);
  return canvas_.get();
}

HBITMAP TBitmap::Handle() {
  GdiFlush();
  return handle_;
}

void TBitmap::SetHandle(HBITMAP bitmap) {
  if (bitmap == handle_) return;
  if (!bitmap) {
    Replace(TImage{}, format_, 0, 0);
    Changed();
    return;
  }
  DIBSECTION ds{};
  const int size = GetObjectW(bitmap, sizeof ds, &ds);
  if (size == sizeof(DIBSECTION) && ds.dsBm.bmBits) {
    const int bits = ds.dsBmih.biBitCount;
    const TPixelFormat format = FormatOfBits(bits);
    const int width = ds.dsBm.bmWidth;
    const int height = std::abs(ds.dsBmih.biHeight);
    if (format != pfCustom && ds.dsBmih.biHeight > 0) {
      // A bottom-up section of a fixed format: adopt it as it is.
      TImage image{bitmap, static_cast<uint8_t*>(ds.dsBm.bmBits), ds.dsBm.bmWidthBytes};
      Replace(image, format, width, height);
      colors_.clear();
      if (bits <= 8) {
        colors_.resize(size_t{1} << bits);
        WithDC([&](HDC dc) { colors_.resize(GetDIBColorTable(dc, 0, static_cast<UINT>(colors_.size()), colors_.data())); });
      }
    } else {
      // Top-down or 16-bit: copy into a bottom-up section.
      const TPixelFormat target = format == pfCustom ? pf24bit : format;
      std::vector<RGBQUAD> colors;
      if (bits <= 8) {
        colors.resize(size_t{1} << bits);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        colors.resize(GetDIBColorTable(dc, 0, static_cast<UINT>(colors.size()), colors.data()));
        SelectObject(dc, old);
        DeleteDC(dc);
      }
      TImage image = MakeImage(target, width, height, &colors);
      BlitBitmap(image.handle, bitmap, width, height);
      DeleteObject(bitmap);
      Replace(image, target, width, height);
      colors_ = colors;
    }
  } else {
    BITMAP bm{};
    if (GetObjectW(bitmap, sizeof bm, &bm) != sizeof bm) throw EInvalidGraphic(L"Invalid bitmap handle");
    Replace(TImage{bitmap, nullptr, 0}, pfDevice, bm.bmWidth, bm.bmHeight);
  }
  Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
  DetachFromCanvas();
  HBITMAP result = handle_;
  handle_ = nullptr;
  bits_ = nullptr;
  stride_ = 0;
  width_ = height_ = 0;
  Changed();
  return result;
}

std::vector<RGBQUAD> TBitmap::ColorTable() const {
  const int bits = BitsPerPixelOf(format_);
  if (bits == 0 || bits > 8) return {};
  std::vector<RGBQUAD> colors = colors_.empty() ? DefaultColorTable(bits) : colors_;
  colors.resize(size_t{1} << bits, RGBQUAD{0, 0, 0, 0});
  return colors;
}

void TBitmap::SetColorTable(const std::vector<RGBQUAD>& colors) {
  colors_ = colors;
  if (colors_.size() > 256) colors_.resize(256);
  if (palette_) {
    // The handle no longer matches the table: make it again on request.
    DeleteObject(palette_);
    palette_ = nullptr;
  }
  const int bits = BitsPerPixelOf(format_);
  if (handle_ && bits > 0 && bits <= 8 && !colors_.empty()) {
    const std::vector<RGBQUAD> table = ColorTable();
    WithDC([&](HDC dc) { SetDIBColorTable(dc, 0, static_cast<UINT>(table.size()), table.data()); });
  }
  Changed();
}

HPALETTE TBitmap::Palette() const {
  if (!palette_) {
    const std::vector<RGBQUAD> colors = ColorTable();
    if (colors.empty()) return nullptr;
    std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + colors.size() * sizeof(PALETTEENTRY));
    auto* log = reinterpret_cast<LOGPALETTE*>(buffer.data());
    log->palVersion = 0x300;
    log->palNumEntries = static_cast<WORD>(colors.size());
    for (size_t i = 0; i < colors.size(); ++i)
      log->palPalEntry[i] = PALETTEENTRY{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
    palette_ = CreatePalette(log);
  }
  return palette_;
}

void TBitmap::SetPalette(HPALETTE palette) {
  if (palette == palette_) return;
  std::vector<RGBQUAD> colors;
  if (palette) {
    PALETTEENTRY entries[256];
    const UINT count = GetPaletteEntries(palette, 0, 256, entries);
    for (UINT i = 0; i < count; ++i)
      colors.push_back(RGBQUAD{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0});
  }
  SetColorTable(colors);
  DropPalette();
  palette_ = palette;
  Changed();
}

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == tmFixed) return transparentColor_;
  if (Empty()) return clDefault;
  COLORREF pixel = 0;
  WithDC([&](HDC dc) { pixel = GetPixel(dc, 0, height_ - 1); });
  return static_cast<TColor>(pixel);
}

void TBitmap::SetTransparentColor(TColor color) {
  if (color == transparentColor_ && (color == clDefault) == (transparentMode_ == tmAuto)) return;
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  if (mode == tmAuto) {
    SetTransparentColor(clDefault);
  } else {
    SetTransparentColor(TransparentColor());
  }
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  HDC dest = canvas.Handle();
  const bool transparent = Transparent();
  const COLORREF key = transparent ? static_cast<COLORREF>(ColorToRGB(TransparentColor())) : 0;
  WithDC([&](HDC source) {
    const int oldMode = SetStretchBltMode(dest, COLORONCOLOR);
    if (transparent)
      TransparentBlt(dest, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, width_, height_, key);
    else
      StretchBlt(dest, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, width_, height_,
                 canvas.CopyMode());
    SetStretchBltMode(dest, oldMode);
  });
}

void TBitmap::Assign(const TPersistent* source) {
  if (source == this) return;
  if (!source) {
    Replace(TImage{}, format_, 0, 0);
    Changed();
    return;
  }
  const auto* bitmap = dynamic_cast<const TBitmap*>(source);
  if (!bitmap) {
    TGraphic::Assign(source);
    return;
  }
  const std::vector<RGBQUAD> colors = bitmap->ColorTable();
  TImage image = MakeImage(bitmap->format_, bitmap->width_, bitmap->height_, &colors);
  if (image.handle) {
    GdiFlush();
    if (image.bits && bitmap->bits_) {
      std::memcpy(image.bits, bitmap->bits_, static_cast<size_t>(bitmap->stride_) * bitmap->height_);
    } else {
      HDC d = CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(d, image.handle);
      bitmap->WithDC([&](HDC s) { BitBlt(d, 0, 0, bitmap->width_, bitmap->height_, s, 0, 0, SRCCOPY); });
      SelectObject(d, old);
      DeleteDC(d);
    }
  }
  Replace(image, bitmap->format_, bitmap->width_, bitmap->height_);
  colors_ = bitmap->colors_;
  transparent_ = bitmap->transparent_;
  transparentColor_ = bitmap->transparentColor_;
  transparentMode_ = bitmap->transparentMode_;
  Changed();
}

void TBitmap::SaveToClipboardFormat(UINT& format, HANDLE& data, HPALETTE& palette) {
  HBITMAP source = Handle();
  if (!source) throw EInvalidGraphic(L"An empty bitmap has no clipboard form");
  HANDLE copy = CopyImage(source, IMAGE_BITMAP, 0, 0, 0);
  if (!copy) throw EOutOfResources(L"Out of system resources");
  HPALETTE paletteCopy = nullptr;
  if (HPALETTE own = Palette()) {
    PALETTEENTRY entries[256];
    const UINT count = GetPaletteEntries(own, 0, 256, entries);
    std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* log = reinterpret_cast<LOGPALETTE*>(buffer.data());
    log->palVersion = 0x300;
    log->palNumEntries = static_cast<WORD>(count);
    std::copy(entries, entries + count, log->palPalEntry);
    paletteCopy = CreatePalette(log);
  }
  format = CF_BITMAP;
  data = copy;
  palette = paletteCopy;
}

void TBitmap::LoadFromClipboardFormat(UINT format, HANDLE data, HPALETTE) {
  if (format != CF_BITMAP || !data) throw EInvalidGraphic(L"Unsupported clipboard format");
  auto* copy = static_cast<HBITMAP>(CopyImage(data, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!copy) throw EInvalidGraphic(L"The clipboard holds no readable bitmap");
  SetHandle(copy);
}

void TBitmap::ReadData(TStream& stream) {
  TMemoryStream block;
  ReadSizedBlock(stream, block);
  if (block.Size() == 0) {
    Assign(nullptr);
    return;
  }
  // Stored data is always BMP: derived graphics that read another format
  // through LoadFromStream still read their stored form here.
  TBitmap::LoadFromStream(block);
}

}  // namespace classlib
