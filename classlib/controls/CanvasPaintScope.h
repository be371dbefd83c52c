#pragma once
// Lends a paint DC to a control's canvas for one Paint call: locked meanwhile,
// and handed back (the DC's own objects reselected) however Paint ends.
#include <windows.h>

#include "classlib/graphics/Canvas.h"

namespace classlib {

class TCanvasPaintScope {
 public:
  TCanvasPaintScope(TCanvas& canvas, HDC dc) : canvas_(canvas) {
    canvas_.Lock();
    canvas_.SetHandle(dc);
  }
  ~TCanvasPaintScope() {
    canvas_.SetHandle(nullptr);
    canvas_.Unlock();
  }
  TCanvasPaintScope(const TCanvasPaintScope&) = delete;
  TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

 private:
  TCanvas& canvas_;
};

}  // namespace classlib
