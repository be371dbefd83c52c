#include "classlib/controls/GraphicControl.h"

#include "classlib/controls/CanvasPaintScope.h"

namespace classlib {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    TCanvasPaintScope scope(*canvas_, reinterpret_cast<HDC>(m.WParam));
    canvas_->SetFont(Font());
    Paint();
    return;
  }
  TControl::WndProc(m);
}

}  // namespace classlib
