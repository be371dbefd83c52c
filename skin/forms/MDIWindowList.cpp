// The list of MDI children a skinned MDI main form keeps in its window menu.
// The skinned menus draw the form's own items only, so the list the system
// appends to the window menu is taken out and the provider lists the
// children as items of its own, rebuilt each time the menu opens.
#include <algorithm>
#include <string>

#include "classlib/controls/Forms.h"
#include "classlib/menus/Menus.h"
#include "skin/forms/SkinMenusLink.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// Entries of the list carry this bit in their Tag, the child's index in the
// lower bits.
constexpr intptr_t kWindowListTag = 0x200;

// Takes out of the window menu's handle what the system appended (its
// entries for the children and the separator before them). Our own items
// carry their item as item data; the form's own entries stay, whether or not
// anything is added after them.
void RemoveSystemWindowList(TMenuItem* windowMenu) {
  HMENU handle = windowMenu->Handle();
  for (int pos = GetMenuItemCount(handle) - 1; pos >= 0; --pos) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!GetMenuItemInfoW(handle, static_cast<UINT>(pos), TRUE, &info)) continue;
    const auto* item = reinterpret_cast<const TMenuItem*>(info.dwItemData);
    if (IsLiveMenuItem(item) && item->Parent() == windowMenu) continue;
    wchar_t text[2]{};
    const bool hasText = GetMenuStringW(handle, static_cast<UINT>(pos), text, 2, MF_BYPOSITION) > 0;
    const bool bareLine = (info.fType & MFT_SEPARATOR) && info.dwItemData == 0;
    if (hasText || bareLine) RemoveMenu(handle, static_cast<UINT>(pos), MF_BYPOSITION);
  }
}

}  // namespace

void TsSkinProvider::InitMenuPopup(TMessage& message) {
  if (HIWORD(message.LParam) != 0) {
    // Sizing goes through the skinned frame.
    EnableMenuItem(reinterpret_cast<HMENU>(message.WParam), SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
  } else {
    SetSystemMenuShownForSkin(Manager(), false);
  }
  ClearWindowList();
  TMenuItem* windowMenu = form_->WindowMenu();
  if (!windowMenu || form_->FormStyle() != fsMDIForm || !windowMenu->HandleAllocated() ||
      reinterpret_cast<HMENU>(message.WParam) != windowMenu->Handle() || form_->MDIChildCount() == 0)
    return;
  RemoveSystemWindowList(windowMenu);
  const TCustomForm* active = form_->ActiveMDIChild();
  bool separated = windowMenu->Count() > 0 && windowMenu->Items(windowMenu->Count() - 1)->IsLine();
  for (int i = 0; i < form_->MDIChildCount(); ++i) {
    TCustomForm* child = form_->MDIChildren(i);
    if (!child || !child->Visible()) continue;
    // The separator comes with the first listed child: hidden children
    // alone leave no line dangling at the end of the menu.
    if (!separated) {
      auto* line = new TMenuItem(nullptr);
      line->SetCaption(L"-");
      line->SetTag(kWindowListTag);
      windowMenu->Add(line);
      windowList_.push_back({line, nullptr});
      separated = true;
    }
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(child->Caption());
    item->SetTag(i | kWindowListTag);
    item->SetChecked(child == active);
    item->SetOnClick([this](TObject* sender) { MdiChildItemClick(sender); });
    windowMenu->Add(item);
    windowList_.push_back({item, child});
  }
  TsSkinManager* manager = Manager();
  if (manager && manager->IsDefault() && SkinMenusAvailable(manager))
    HookItemForSkin(manager, windowMenu, manager->SkinnedPopups());
}

void TsSkinProvider::ClearWindowList() {
  // Only the entries made here go: an item of the form's own whose Tag
  // happens to have the list's bit (a Tag of -1, say) stays. An entry freed
  // with its menu meanwhile is skipped.
  const auto entries = std::move(windowList_);
  windowList_.clear();
  for (const auto& entry : entries)
    if (IsLiveMenuItem(entry.first)) delete entry.first;
}

void TsSkinProvider::MdiChildItemClick(TObject* sender) {
  const auto* item = dynamic_cast<const TMenuItem*>(sender);
  if (!item || form_->FormStyle() != fsMDIForm) return;
  const intptr_t index = item->Tag() & ~kWindowListTag;
  TCustomForm* child = nullptr;
  const auto listed = std::find_if(windowList_.begin(), windowList_.end(),
                                   [item](const auto& entry) { return entry.first == item; });
  if (listed != windowList_.end()) {
    // A child closed while the menu was open moves the others' indexes: the
    // entry stands for the child it was made for, when that one still exists.
    for (int i = 0; i < form_->MDIChildCount(); ++i)
      if (form_->MDIChildren(i) == listed->second) child = listed->second;
  } else if (index >= 0 && index < form_->MDIChildCount()) {
    child = form_->MDIChildren(static_cast<int>(index));
  }
  HWND client = form_->ClientHandle();
  if (!child || !client || !child->HandleAllocated()) return;
  if (IsIconic(child->Handle())) SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->Handle()), 0);
  SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->Handle()), 0);
}

}  // namespace skin
