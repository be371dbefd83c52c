#pragma once
// TGraphicControl: a windowless control painted by its parent. On WM_PAINT
// (WParam the parent's DC, origin moved to the control and clipped to it)
// its Canvas is bound to that DC while Paint runs.
#include <memory>

#include "classlib/controls/Control.h"
#include "classlib/graphics/Canvas.h"

namespace classlib {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  void WndProc(TMessage& message) override;
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace classlib
