#pragma once
// The skinned single-line edit.
#include "classlib/controls/Edit.h"

namespace skin {

// What a skinned edit keeps of its skin state so far: whether it paints with
// its own font colour instead of the skin's.
class TsEditSkinData {
 public:
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value) { customFont_ = value; }

 private:
  bool customFont_ = false;
};

class TsEdit : public classlib::TEdit {
 public:
  explicit TsEdit(classlib::TComponent* owner) : TEdit(owner) {}

  TsEditSkinData* SkinData() { return &skinData_; }

 private:
  TsEditSkinData skinData_;
};

}  // namespace skin
