#pragma once
// Pictures of what is on the screen (runs under Xvfb): a short settle for
// window surfaces to reach the screen, and a screen rectangle saved as PNG.
#include <windows.h>

#include <memory>
#include <string>

#include "classlib/graphics/Bitmap.h"
#include "png/PngObject.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin_test {

inline void SettleScreen() {
  for (int i = 0; i < 10; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
}

inline void SaveScreenPng(const RECT& r, const std::wstring& file) {
  std::unique_ptr<classlib::TBitmap> shot(skin::paint::NewBitmap32(r.right - r.left, r.bottom - r.top));
  HDC screen = GetDC(nullptr);
  BitBlt(shot->Canvas()->Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  shot->SetPixelFormat(classlib::pf24bit);
  png::TPNGObject image;
  image.Assign(shot.get());
  image.SaveToFile(file);
}

}  // namespace skin_test
