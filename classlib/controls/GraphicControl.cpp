#include "classlib/controls/GraphicControl.h"

namespace classlib {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    canvas_->Lock();
    canvas_->SetHandle(reinterpret_cast<HDC>(m.WParam));
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
    return;
  }
  TControl::WndProc(m);
}

}  // namespace classlib
