#pragma once
// Device contexts the provider's painters hold for one scope.
#include <windows.h>

#include <cstdint>

#include "classlib/graphics/Bitmap.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

// The memory DC of a bitmap's canvas, kept while the scope lives.
class ImageDC {
 public:
  explicit ImageDC(classlib::TBitmap* image) : canvas_(image->Canvas()) { canvas_->Lock(); }
  ~ImageDC() { canvas_->Unlock(); }
  ImageDC(const ImageDC&) = delete;
  ImageDC& operator=(const ImageDC&) = delete;
  HDC Handle() { return canvas_->Handle(); }

 private:
  classlib::TCanvas* canvas_;
};

// A window DC released on every exit.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(GetWindowDC(wnd)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Copies a glyph's pixels opaque into the 32-bit image at (x, y), leaving
// the image under the glyph's key colour as it was, alpha included (a
// keyed blit would clear the alpha of the pixels it skips).
inline void CopyKeyedGlyph(classlib::TBitmap* image, classlib::TBitmap* glyph, int x, int y, COLORREF key) {
  ImageDC from(glyph);
  for (int gy = 0; gy < glyph->Height(); ++gy) {
    if (y + gy < 0 || y + gy >= image->Height()) continue;
    auto* row = reinterpret_cast<std::uint32_t*>(image->ScanLine(y + gy));
    for (int gx = 0; gx < glyph->Width(); ++gx) {
      if (x + gx < 0 || x + gx >= image->Width()) continue;
      const COLORREF c = GetPixel(from.Handle(), gx, gy);
      if (c == key || c == CLR_INVALID) continue;
      row[x + gx] = 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
                    (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
    }
  }
}

// The skin's mask and section records by index; null when out of range.
inline const TsMaskData* MaskAt(const TsSkinManager* manager, int index) {
  if (!manager || !manager->Skin() || index < 0 || static_cast<size_t>(index) >= manager->Skin()->Masks.size())
    return nullptr;
  return &manager->Skin()->Masks[static_cast<size_t>(index)];
}

inline const TsGeneralData* SectionAt(const TsSkinManager* manager, int index) {
  if (!manager || !manager->Skin() || index < 0 || static_cast<size_t>(index) >= manager->Skin()->Sections.size())
    return nullptr;
  return &manager->Skin()->Sections[static_cast<size_t>(index)];
}

}  // namespace skin
