#pragma once
// Device contexts the provider's painters hold for one scope.
#include <windows.h>

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
