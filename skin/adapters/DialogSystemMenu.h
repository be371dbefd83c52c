#pragma once
// The skinned raw dialog's system menu: the dialog has lost WS_SYSMENU (so
// the system draws no caption buttons), and this pop-up of the class
// library takes the system menu's place; each item sends the matching
// WM_SYSCOMMAND to the dialog.
#include "skin/forms/sSystemMenu.h"

namespace skin::adapters {

class TacDialogWnd;

class TacSystemMenu : public TsCustomSysMenu {
 public:
  explicit TacSystemMenu(classlib::TComponent* owner);

  TacDialogWnd* Dialog = nullptr;  // set by the dialog right after construction
  classlib::TMenuItem *miRestore, *miMove, *miSize, *miMinimize, *miMaximize, *miClose;

  bool VisibleClose() override;
  bool VisibleMax() override { return false; }
  bool VisibleMin() override { return false; }
  bool EnabledMax() override { return false; }
  bool EnabledMin() override { return false; }
  bool EnabledRestore() override { return false; }
  void UpdateItems();

 private:
  classlib::TMenuItem* AddItem(const wchar_t* name, UINT command, const wchar_t* fallback);
};

}  // namespace skin::adapters
