// Hooking the class library's menus: our handlers go into the items' events
// and are told apart from the program's by their type, so unhooking takes
// out only ours.
#include "classlib/controls/Application.h"
#include "skin/common/MainWindowHook.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// The handlers, as types a std::function can be asked for.
struct TsPopupMeasure {
  TsSkinableMenus* menus;
  void operator()(TObject* s, TCanvas* c, int& w, int& h) const { menus->MeasureItem(s, c, w, h); }
};
struct TsPopupDraw {
  TsSkinableMenus* menus;
  void operator()(TObject* s, TCanvas* c, const TRect& r, TOwnerDrawState st) const { menus->DrawItem(s, c, r, st); }
};
struct TsBarMeasure {
  TsSkinableMenus* menus;
  void operator()(TObject* s, TCanvas* c, int& w, int& h) const { menus->MeasureMainMenuItem(s, c, w, h); }
};
struct TsBarDraw {
  TsSkinableMenus* menus;
  void operator()(TObject* s, TCanvas* c, const TRect& r, TOwnerDrawState st) const {
    menus->DrawMainMenuItem(s, c, r, st);
  }
};

template <class Handler, class Event>
bool Is(const Event& event) {
  return event && event.template target<Handler>() != nullptr;
}

bool SkinnedPopups(const TsSkinManager* manager) { return manager && manager->SkinnedPopups(); }

// Pop-up handlers where the item has none; with value false ours go.
void HookPopupItem(TsSkinableMenus* menus, TMenuItem* item, bool value) {
  if (!value) {
    if (Is<TsPopupDraw>(item->OnAdvancedDrawItem())) item->SetOnAdvancedDrawItem(nullptr);
    if (Is<TsPopupMeasure>(item->OnMeasureItem())) item->SetOnMeasureItem(nullptr);
    return;
  }
  if (!item->OnAdvancedDrawItem()) item->SetOnAdvancedDrawItem(TsPopupDraw{menus});
  if (!item->OnMeasureItem()) item->SetOnMeasureItem(TsPopupMeasure{menus});
}

void HookTree(TsSkinableMenus* menus, TMenuItem* parent, bool value, bool skipTopLine) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (value && skipTopLine && item->IsTopLineItem()) {
      // A bar item keeps the bar painters; its pop-up below is hooked.
    } else {
      HookPopupItem(menus, item, value);
    }
    HookTree(menus, item, value, skipTopLine);
  }
}

// The application-wide walk, depth first in Components order.
void Walk(TsSkinableMenus* menus, TComponent* component, bool value) {
  const bool popups = value && SkinnedPopups(menus->SkinManager());
  if (auto* main = dynamic_cast<TMainMenu*>(component)) {
    menus->HookMainMenu(main, value);
    for (int i = 0; i < main->Items()->Count(); ++i) menus->HookItem(main->Items()->Items(i), popups);
  } else if (auto* popup = dynamic_cast<TPopupMenu*>(component)) {
    menus->HookPopupMenu(popup, popups);
  } else if (auto* item = dynamic_cast<TMenuItem*>(component)) {
    if (!dynamic_cast<TMainMenu*>(item->GetParentMenu())) menus->HookItem(item, popups);
  }
  for (int i = 0; i < component->ComponentCount(); ++i) Walk(menus, component->Components(i), value);
}

bool measured = false;

}  // namespace

bool MenuItemsMeasured() { return measured; }
void SetMenuItemsMeasured(bool value) { measured = value; }

bool TsSkinableMenus::HasOurHandlers(const TMenuItem* item) {
  return item && (Is<TsPopupDraw>(item->OnAdvancedDrawItem()) || Is<TsPopupMeasure>(item->OnMeasureItem()) ||
                  Is<TsBarDraw>(item->OnAdvancedDrawItem()) || Is<TsBarMeasure>(item->OnMeasureItem()));
}

void TsSkinableMenus::UpdateActive() { SetActive(manager_ && manager_->SkinActive()); }

void TsSkinableMenus::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (manager_ && manager_->ComponentState().Contains(csDesigning)) return;
  if (TApplication* application = Application) {
    for (int i = 0; i < application->ComponentCount(); ++i) Walk(this, application->Components(i), value);
  }
}

void TsSkinableMenus::HookItem(TMenuItem* item, bool value) {
  if (item) HookTree(this, item, value, true);
}

void TsSkinableMenus::HookPopupMenu(TPopupMenu* menu, bool value) {
  if (!menu) return;
  menu->SetOwnerDraw(value && SkinnedPopups(manager_));
  TMenuAnimation animation = menu->MenuAnimation();
  if (value) animation.Include(maNone);
  else animation.Exclude(maNone);
  menu->SetMenuAnimation(animation);
  HookTree(this, menu->Items(), value, false);
}

void TsSkinableMenus::HookMainMenu(TMainMenu* menu, bool value) {
  if (!menu) return;
  TMenuItem* items = menu->Items();
  for (int i = 0; i < items->Count(); ++i) {
    TMenuItem* item = items->Items(i);
    if (!value) {
      if (Is<TsBarDraw>(item->OnAdvancedDrawItem())) item->SetOnAdvancedDrawItem(nullptr);
      if (Is<TsBarMeasure>(item->OnMeasureItem())) item->SetOnMeasureItem(nullptr);
      continue;
    }
    if (!active_) continue;
    if (!SkinnedPopups(manager_)) return;  // the bar stays as it is
    item->SetOnAdvancedDrawItem(TsBarDraw{this});
    item->SetOnMeasureItem(TsBarMeasure{this});
  }
  if (!menu->ComponentState().Contains(csDestroying) && items->Count() > 0) menu->SetOwnerDraw(value);
}

void TsSkinableMenus::HookMenuItems(TMenuItem* item, bool value) {
  if (!item) return;
  if (!value) {
    HookPopupItem(this, item, false);
    return;
  }
  if (item->IsTopLineItem()) {
    item->SetOnAdvancedDrawItem(TsBarDraw{this});
    item->SetOnMeasureItem(TsBarMeasure{this});
  } else if (SkinnedPopups(manager_)) {
    HookPopupItem(this, item, true);
  }
}

TsSkinableMenus* SkinableMenusOf(TsSkinManager* manager) {
  if (!manager) return nullptr;
  InstallSkinableMenus();
  return dynamic_cast<TsSkinableMenus*>(manager->Menus());
}

}  // namespace skin
