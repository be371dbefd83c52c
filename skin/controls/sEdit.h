#pragma once
// The skinned single-line edit.
#include "classlib/controls/Edit.h"

namespace skin {

class TsEdit;

// What a skinned edit keeps of its skin state so far: whether it paints with
// its own font colour instead of the skin's.
class TsEditSkinData {
 public:
  explicit TsEditSkinData(TsEdit& edit) : edit_(edit) {}
  bool CustomFont() const { return customFont_; }
  // Repaints the edit when the value changes.
  void SetCustomFont(bool value);

 private:
  TsEdit& edit_;
  bool customFont_ = false;
};

class TsEdit : public classlib::TEdit {
 public:
  explicit TsEdit(classlib::TComponent* owner) : TEdit(owner), skinData_(*this) {}

  TsEditSkinData* SkinData() { return &skinData_; }
  // The colour the text is painted in: Font.Color with a custom font, else
  // the skin's text colour (the system's window text until skins are drawn).
  classlib::TColor TextColor() const;

 protected:
  void WndProc(classlib::TMessage& message) override;

 private:
  TsEditSkinData skinData_;
};

}  // namespace skin
