#pragma once
// Pictures of windows on the screen (under Xvfb) for the picture tests.
#include <windows.h>

#include <memory>
#include <string>

#include "classlib/graphics/Bitmap.h"
#include "png/PngObject.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin_test {

// Window surfaces reach the screen asynchronously: pump and wait a little.
inline void Settle() {
  for (int i = 0; i < 10; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
}

// The screen's rectangle R written as a PNG file.
inline void Shoot(const RECT& r, const std::wstring& file) {
  Settle();
  std::unique_ptr<classlib::TBitmap> shot(skin::paint::NewBitmap32(r.right - r.left, r.bottom - r.top));
  HDC screen = GetDC(nullptr);
  BitBlt(shot->Canvas()->Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  shot->SetPixelFormat(classlib::pf24bit);
  png::TPNGObject image;
  image.Assign(shot.get());
  image.SaveToFile(file);
}

// A window brought to the top, painted afresh with its frame and children,
// and shot once its pixels reached the screen.
inline void ShootShown(HWND wnd, const RECT& r, const std::wstring& file) {
  SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(wnd);
  Settle();
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  Shoot(r, file);
}

}  // namespace skin_test
