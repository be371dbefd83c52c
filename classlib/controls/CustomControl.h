#pragma once
// TCustomControl: a windowed control that paints itself through Canvas in
// Paint; WM_PAINT and WM_PRINTCLIENT bind the canvas to the DC.
#include <memory>

#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Canvas.h"

namespace classlib {

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  void PaintWindow(HDC dc) override;
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace classlib
