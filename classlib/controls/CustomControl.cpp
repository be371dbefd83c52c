#include "classlib/controls/CustomControl.h"

namespace classlib {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
  canvas_->Lock();
  canvas_->SetHandle(dc);
  canvas_->SetFont(Font());
  try {
    Paint();
  } catch (...) {
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
    throw;
  }
  canvas_->SetHandle(nullptr);
  canvas_->Unlock();
}

}  // namespace classlib
