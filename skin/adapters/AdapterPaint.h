#pragma once
// Steps the adapters that paint a whole control share: the cache bitmap
// made ready for the window, and the device context of a paint message.
#include <windows.h>

#include "skin/adapters/MainWnd.h"

namespace classlib {
class TBitmap;
}

namespace skin::adapters {

// The window's place and size measured again into the adapter's fields,
// and the skin data's cache made a 32-bit bitmap of the window's size.
classlib::TBitmap* WindowSizedCache(TacMainWnd& adapter);

// Paint(DC) on the DC a WM_PAINT brings in WParam or, without one, between
// BeginPaint and EndPaint.
template <class F>
void PaintMessageDC(HWND wnd, WPARAM given, F paint) {
  if (given) {
    paint(reinterpret_cast<HDC>(given));
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(wnd, &ps);
  paint(dc);
  EndPaint(wnd, &ps);
}

// For controls whose face is painted on WM_ERASEBKGND: the whole window
// invalidated with erasing and validated again by an empty paint.
void PaintThroughErase(HWND wnd);

}  // namespace skin::adapters
