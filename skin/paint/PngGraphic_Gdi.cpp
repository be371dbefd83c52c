#include "skin/paint/PngGraphic_Gdi.h"

#include "classlib/graphics/Picture.h"

namespace skin {

namespace {

classlib::TPixelFormat ToBitmapFormat(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return classlib::pf1bit;
    case TPixelFormat::pf4bit: return classlib::pf4bit;
    case TPixelFormat::pf8bit: return classlib::pf8bit;
    case TPixelFormat::pf24bit: return classlib::pf24bit;
    case TPixelFormat::pf32bit: return classlib::pf32bit;
    default: return classlib::pfCustom;  // refused by the bitmap
  }
}

// The reader's rows go straight into the bitmap's DIB.
class TBitmapTarget : public TPngTarget {
 public:
  explicit TBitmapTarget(classlib::TBitmap& bitmap) : bitmap_(bitmap) {}
  void Clear() override {
    if (bitmap_.HandleAllocated()) DeleteObject(bitmap_.ReleaseHandle());
    bitmap_.SetTransparent(false);
  }
  void SetPixelFormat(TPixelFormat format) override { bitmap_.SetPixelFormat(ToBitmapFormat(format)); }
  void SetPalette(const std::vector<TPaletteEntry>& entries) override {
    // The colour table is the palette: no palette handle to lose on the way.
    std::vector<RGBQUAD> table;
    for (const TPaletteEntry& e : entries) table.push_back(RGBQUAD{e.Blue, e.Green, e.Red, 0});
    bitmap_.SetColorTable(table);
  }
  void SetSizeAndFill(uint32_t width, uint32_t height, uint32_t color) override {
    if (width > INT32_MAX || height > INT32_MAX)
      throw classlib::EInvalidGraphic(L"Cannot load image. The PNG image is too large.");
    bitmap_.SetSize(static_cast<int>(width), static_cast<int>(height));
    classlib::TCanvas& canvas = *bitmap_.Canvas();
    canvas.Lock();
    canvas.Brush()->SetColor(static_cast<classlib::TColor>(color));
    canvas.FillRect(classlib::Rect(0, 0, static_cast<int>(width), static_cast<int>(height)));
    canvas.Unlock();
    GdiFlush();
  }
  void SetTransparentKey(uint32_t color) override {
    bitmap_.SetTransparentColor(static_cast<classlib::TColor>(color));
    bitmap_.SetTransparent(true);
  }
  uint8_t* ScanLine(uint32_t y) override { return bitmap_.ScanLine(static_cast<int>(y)); }

 private:
  classlib::TBitmap& bitmap_;
};

}  // namespace

TPNGGraphic::TPNGGraphic() : colorManager_(std::make_unique<TColorManager>()) {}

TPNGGraphic::~TPNGGraphic() = default;

void TPNGGraphic::LoadFromStream(classlib::TStream& stream) {
  TBitmapTarget target(*this);
  TSkinPngDecoder decoder(*colorManager_);
  try {
    decoder.LoadFromStream(stream, target);
  } catch (...) {
    header_ = decoder.Header();
    Changed();
    throw;
  }
  header_ = decoder.Header();
  Changed();
}

void TPNGGraphic::Assign(const classlib::TPersistent* source) {
  if (const auto* png = dynamic_cast<const TPNGGraphic*>(source)) header_ = png->header_;
  TBitmap::Assign(source);
}

void RegisterPngGraphic() {
  classlib::TPicture::RegisterFileFormat<TPNGGraphic>(L"png", L"Portable network graphics (DarudOdero)");
}

void UnregisterPngGraphic() { classlib::TPicture::UnregisterGraphicClass<TPNGGraphic>(); }

}  // namespace skin
