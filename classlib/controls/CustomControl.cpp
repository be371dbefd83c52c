#include "classlib/controls/CustomControl.h"

#include "classlib/controls/CanvasPaintScope.h"

namespace classlib {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
  TCanvasPaintScope scope(*canvas_, dc);
  canvas_->SetFont(Font());
  Paint();
}

}  // namespace classlib
