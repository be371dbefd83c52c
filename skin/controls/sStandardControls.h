#pragma once
// Skinned check box, panel and label: for now they draw as the
// class library's controls they stand on; all but the label carry their
// skin state.
#include "classlib/controls/CheckBox.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsCheckBox : public TsSkinnedControl<classlib::TCheckBox, COC_TsCheckBox> {
 public:
  using TsSkinnedControl::TsSkinnedControl;
};

class TsPanel : public TsSkinnedControl<classlib::TPanel, COC_TsPanel> {
 public:
  using TsSkinnedControl::TsSkinnedControl;
};

class TsLabel : public classlib::TLabel {
 public:
  explicit TsLabel(classlib::TComponent* owner) : TLabel(owner) {}
};

}  // namespace skin
