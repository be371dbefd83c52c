#pragma once
// Skinned check box, combo box, panel and label: for now they draw as the
// class library's controls they stand on; all but the label carry their
// skin state.
#include "classlib/controls/ComboBox.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/sCheckBox.h"
#include "skin/controls/sLabels.h"
#include "skin/controls/sPanel.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsComboBox : public TsSkinnedControl<classlib::TComboBox, COC_TsComboBox> {
 public:
  using TsSkinnedControl::TsSkinnedControl;
};

}  // namespace skin
