#pragma once
// The skinned form's own system menu. The provider takes WS_SYSMENU off
// the window (so that the system paints no caption buttons) and shows this
// pop-up menu instead; its items mirror the window's real system menu, and
// the predicates below decide which caption buttons the skin paints.
#include <windows.h>

#include "classlib/controls/Forms.h"
#include "classlib/menus/Menus.h"

namespace skin {

class TsSkinProvider;

class TsCustomSysMenu : public classlib::TPopupMenu {
 public:
  using classlib::TPopupMenu::TPopupMenu;
  virtual bool VisibleClose() = 0;
  virtual bool VisibleMax() = 0;
  virtual bool VisibleMin() = 0;
  virtual bool EnabledMax() = 0;
  virtual bool EnabledMin() = 0;
  virtual bool EnabledRestore() = 0;
};

class TsSystemMenu : public TsCustomSysMenu {
 public:
  // Owned by the provider itself (not as a component).
  explicit TsSystemMenu(TsSkinProvider* provider);

  bool VisibleClose() override;
  bool VisibleMax() override;
  bool VisibleMin() override;
  bool EnabledMax() override;
  bool EnabledMin() override;
  bool EnabledRestore() override;

  // Rebuilds the items from the window's system menu.
  void MakeItems();
  // Rebuilds when forced or when the close item is missing, then sets each
  // standard item's visibility and enablement from the form's state.
  void UpdateItems(bool force = false);
  // Puts the "Available skins" submenu (one radio item per skin, 20 to a
  // column) and a separator in front of the items; picking one loads it.
  void MakeSkinItems();

  int ExtraItemsCount() const { return extraItemsCount_; }
  TsSkinProvider* Provider() const { return provider_; }
  classlib::TCustomForm* Form() const { return form_; }

 private:
  bool HasSysMenu() const;
  bool IsIconicForm() const;
  bool IsMdiChild() const;
  bool Has(classlib::TBorderIcon icon) const;
  // Minimize or maximize shown on the caption.
  bool VisibleSizeButton(classlib::TBorderIcon icon) const;
  classlib::TMenuItem* AddCommand(const std::wstring& name, UINT command, const std::wstring& fallback);
  classlib::TMenuItem* ItemNamed(const wchar_t* name) const;
  void SendCommand(UINT command);

  TsSkinProvider* provider_;
  classlib::TCustomForm* form_;
  int extraItemsCount_ = 0;
};

}  // namespace skin
