#pragma once
// Pictures of windows on the screen (under Xvfb) for the picture tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
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
  // One colour all over means no window reached the screen: a run under the
  // null driver (picture runs need DISPLAY and TESSARILO_WINE_DISPLAY=1), or
  // the rectangle lies off the screen.
  const std::uint32_t first = *reinterpret_cast<const std::uint32_t*>(shot->ScanLine(0)) & 0xFFFFFFu;
  bool blank = true;
  for (int y = 0; blank && y < shot->Height(); ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(shot->ScanLine(y));
    for (int x = 0; blank && x < shot->Width(); ++x) blank = (line[x] & 0xFFFFFFu) == first;
  }
  if (blank) ADD_FAILURE() << "blank screen shot for a picture: nothing of the window reached the screen";
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
