#include "skin/adapters/AdapterPaint.h"

#include "classlib/graphics/Bitmap.h"
#include "skin/adapters/AdapterSupport.h"

namespace skin::adapters {

using namespace classlib;

TBitmap* WindowSizedCache(TacMainWnd& a) {
  GetWindowPosInParent(a.CtrlHandle, a.ParentWnd, a.WndRect, a.WndPos, a.WndSize, a.ParentRect);
  if (!a.SkinData->CacheBmp()) a.SkinData->InitCacheBmp();
  TBitmap* cache = a.SkinData->CacheBmp();
  cache->SetPixelFormat(pf32bit);
  cache->SetSize(a.WndSize.x, a.WndSize.y);
  return cache;
}

void PaintThroughErase(HWND wnd) {
  InvalidateRect(wnd, nullptr, TRUE);
  PAINTSTRUCT ps;
  BeginPaint(wnd, &ps);
  EndPaint(wnd, &ps);
}

}  // namespace skin::adapters
