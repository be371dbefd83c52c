#pragma once
// Skinned check box, combo box, panel and label: for now they behave and draw
// exactly as the class library's controls they stand on.
#include "classlib/controls/CheckBox.h"
#include "classlib/controls/ComboBox.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"

namespace skin {

class TsCheckBox : public classlib::TCheckBox {
 public:
  explicit TsCheckBox(classlib::TComponent* owner) : TCheckBox(owner) {}
};

class TsComboBox : public classlib::TComboBox {
 public:
  explicit TsComboBox(classlib::TComponent* owner) : TComboBox(owner) {}
};

class TsPanel : public classlib::TPanel {
 public:
  explicit TsPanel(classlib::TComponent* owner) : TPanel(owner) {}
};

class TsLabel : public classlib::TLabel {
 public:
  explicit TsLabel(classlib::TComponent* owner) : TLabel(owner) {}
};

}  // namespace skin
