#include "skin/common/LayeredImages.h"

#include <cmath>

#include "classlib/controls/Application.h"
#include "skin/paint/LayeredPush_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin {

using namespace classlib;

TacLayeredWindow::TacLayeredWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetTag(AuxiliaryWindowTag);
}

void TacLayeredWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  params.WndParent = Application->Handle();
}

void TacLayeredWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;
    case WM_NCPAINT: message.Result = 0; return;
    case WM_MOUSEACTIVATE: message.Result = MA_NOACTIVATE; return;
    default: TCustomControl::WndProc(message);
  }
}

void PushToLayeredWindow(HWND wnd, TBitmap& bitmap, std::uint8_t alpha, POINT position) {
  if (!wnd || bitmap.Empty()) return;
  paint::TLayeredPush push;
  push.Wnd = wnd;
  push.Position = position;
  push.Size = SIZE{bitmap.Width(), bitmap.Height()};
  push.Source = bitmap.Canvas()->Handle();
  push.Blend.SourceConstantAlpha = alpha;
  paint::PushLayeredWindow(push);
}

void BlitToLayeredWindow(HWND wnd, TBitmap& bitmap, std::uint8_t alpha) {
  RECT r{};
  if (!wnd || !GetWindowRect(wnd, &r)) return;
  PushToLayeredWindow(wnd, bitmap, alpha, POINT{r.left, r.top});
}

void MakeLayered(HWND wnd) {
  const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
  if ((exStyle & (WS_EX_LAYERED | WS_EX_NOACTIVATE)) != (WS_EX_LAYERED | WS_EX_NOACTIVATE))
    SetWindowLongW(wnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED | WS_EX_NOACTIVATE);
}

TBitmap& DrawZoomFrame(TBitmap& frame, TBitmap& image, const TacZoomRect& zoom) {
  if (!zoom.Stretched()) return image;
  const auto round = [](double value) { return static_cast<int>(std::lround(value)); };
  paint::FillRect32(&frame, TRect{0, 0, frame.Width(), frame.Height()}, 0, 0);
  HDC dc = frame.Canvas()->Handle();
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, round(zoom.X0), round(zoom.Y0), round(zoom.X1) - round(zoom.X0), round(zoom.Y1) - round(zoom.Y0),
             image.Canvas()->Handle(), 0, 0, image.Width(), image.Height(), SRCCOPY);
  return frame;
}

}  // namespace skin
