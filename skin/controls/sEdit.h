#pragma once
// The skinned single-line edit: it takes its colours from the skin's EDIT
// section (unless its skin state keeps a custom colour or font) and can
// carry a bound caption label.
#include <memory>

#include "classlib/controls/Edit.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsEdit : public TsSkinnedControl<classlib::TEdit, COC_TsEdit> {
 public:
  explicit TsEdit(classlib::TComponent* owner);
  ~TsEdit() override;

  TsBoundLabel* BoundLabel() const { return boundLabel_.get(); }
  // The colour the text is painted in: the skin's font colour, or the
  // edit's own with a custom font (also while no skin is active).
  classlib::TColor TextColor() const { return Font()->Color(); }

 private:
  std::unique_ptr<TsBoundLabel> boundLabel_;
};

}  // namespace skin
