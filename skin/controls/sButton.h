#pragma once
// The skinned push button: a button that can stay pressed (the card editor's
// page tabs).
#include "classlib/controls/Button.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsButton : public TsSkinnedControl<classlib::TButton, COC_TsButton> {
 public:
  using TsSkinnedControl::TsSkinnedControl;

  bool Down() const { return down_; }
  // Repaints in the pressed or the normal look when the value changes.
  void SetDown(bool value);

 protected:
  void CreateWindowDone() override;

 private:
  void ShowDownState();

  bool down_ = false;
};

}  // namespace skin
