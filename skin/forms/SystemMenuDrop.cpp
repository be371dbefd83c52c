// The system menu of a skinned form (the provider draws the caption, so it
// opens the menu itself and keeps its items enabled as the system would),
// the hand-over of the form's menus to the skinned menus, and the metrics
// of the main-menu line.
#include <algorithm>

#include "classlib/controls/Application.h"
#include "skin/forms/ProviderDC.h"
#include "skin/forms/SkinMenusLink.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// The menu bar is rebuilt by one form at a time.
bool rebuildingMenuBar = false;

bool HasVisibleItem(const TMainMenu* menu) {
  if (!menu) return false;
  for (int i = 0; i < menu->Items()->Count(); ++i)
    if (menu->Items()->Items(i)->Visible()) return true;
  return false;
}

bool SizeItemShown(const TCustomForm* form) {
  if (form->FormStyle() == fsMDIChild) return true;
  const TFormBorderStyle style = form->BorderStyle();
  return style != bsNone && style != bsDialog && style != bsToolWindow;
}

}  // namespace

void TsSkinProvider::EnableSysItem(UINT command, bool enable) {
  HWND wnd = FormHandle();
  HMENU menu = wnd ? GetSystemMenu(wnd, FALSE) : nullptr;
  if (menu) EnableMenuItem(menu, command, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
}

void TsSkinProvider::DropSysMenu(int x, int y) {
  if (!systemMenu_) InitFormSkinning();
  HWND wnd = FormHandle();
  TsSkinManager* manager = Manager();
  if (!systemMenu_ || !wnd || !manager) return;
  if (!manager->SkinnedPopups()) {
    // Without WS_VISIBLE the system does not repaint its own caption while
    // the items change.
    const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    SetWindowLongPtrW(wnd, GWL_STYLE, style & ~WS_VISIBLE);
    const TFormBorderStyle border = form_->BorderStyle();
    const bool bigStyle = border == bsSingle || border == bsSizeable;
    const bool iconic = IsIconic(wnd) != FALSE, zoomed = IsZoomed(wnd) != FALSE;
    const bool restoreShown = sysMenuHidden_ && (form_->FormStyle() == fsMDIChild || bigStyle);
    EnableSysItem(SC_RESTORE, restoreShown && systemMenu_->EnabledRestore());
    EnableSysItem(SC_MOVE, !zoomed && !iconic);
    EnableSysItem(SC_SIZE, SizeItemShown(form_) && border != bsSingle && !iconic && form_->WindowState() == wsNormal);
    EnableSysItem(SC_MINIMIZE, systemMenu_->VisibleMin() && systemMenu_->EnabledMin());
    EnableSysItem(SC_MAXIMIZE, systemMenu_->VisibleMax() && systemMenu_->EnabledMax());
    EnableSysItem(SC_CLOSE, systemMenu_->VisibleClose());
    SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) | (style & WS_VISIBLE));
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(GetSystemMenu(wnd, FALSE), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, wnd, nullptr));
    if (command != 0 && IsWindow(wnd)) PostMessageW(wnd, WM_SYSCOMMAND, command, 0);
    return;
  }
  // The skinned menu: items from the form's state (and, on request, the
  // window's own system menu copied afresh), drawn by the skinned menus.
  systemMenu_->UpdateItems(makeSkinMenu_);
  HookPopupMenuForSkin(manager, systemMenu_.get(), manager->SkinnedPopups());
  const auto alive = alive_;
  systemMenu_->SetWindowHandle(wnd);
  SetSystemMenuShownForSkin(manager, true);
  systemMenu_->Popup(x, y);
  if (*alive && systemMenu_) systemMenu_->SetWindowHandle(nullptr);
}

void TsSkinProvider::SkinMenus(bool hook) {
  TsSkinManager* manager = Manager();
  if (ComponentState().Contains(csDesigning) || !manager || !manager->IsDefault() || !SkinMenusAvailable(manager))
    return;
  const bool popups = hook && manager->SkinnedPopups();
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    TComponent* component = form_->Components(i);
    if (auto* mainMenu = dynamic_cast<TMainMenu*>(component)) {
      HookMainMenuForSkin(manager, mainMenu, hook && drawNonClientArea_);
      for (int j = 0; j < mainMenu->Items()->Count(); ++j) HookItemForSkin(manager, mainMenu->Items()->Items(j), popups);
    } else if (auto* popup = dynamic_cast<TPopupMenu*>(component)) {
      HookPopupMenuForSkin(manager, popup, popups);
    } else if (auto* item = dynamic_cast<TMenuItem*>(component)) {
      // Items of a main menu were walked with it.
      if (item->Parent() && dynamic_cast<TMainMenu*>(item->GetParentMenu())) continue;
      HookItemForSkin(manager, item, popups);
    }
  }
}

void TsSkinProvider::UpdateMenu() {
  if (menuHooked_) return;
  if (TMainMenu* menu = form_->Menu()) HookMainMenuForSkin(Manager(), menu, drawNonClientArea_);
  menuHooked_ = RebuildMenuBar();
}

bool TsSkinProvider::RebuildMenuBar() {
  if (rebuildingMenuBar) return false;
  TMainMenu* menu = form_->Menu();
  if (!menu || menu->Items()->Count() == 0) return false;
  rebuildingMenuBar = true;
  struct Clear {
    ~Clear() { rebuildingMenuBar = false; }
  } clear;
  menu->MenuChanged();
  return true;
}

void TsSkinProvider::RepaintMenuItem(TMenuItem* item, const RECT& rect, TOwnerDrawState state) {
  TMainMenu* menu = form_->Menu();
  HWND wnd = FormHandle();
  TBitmap* image = skinData_->CacheBmp();
  if (!item || !menu || !wnd || !image || image->Empty() || !MenuLineVisible() || item->GetParentMenu() != menu) return;
  if (!item->OnAdvancedDrawItem()) return;
  {
    TCanvas* canvas = image->Canvas();
    canvas->Lock();
    item->OnAdvancedDrawItem()(item, canvas, TRect{rect.left, rect.top, rect.right, rect.bottom}, state);
    canvas->Unlock();
  }
  WindowDC window(wnd);
  if (!window.Handle()) return;
  const int saved = SaveDC(window.Handle());
  ImageDC from(image);
  BitBlt(window.Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, from.Handle(), rect.left,
         rect.top, SRCCOPY);
  RestoreDC(window.Handle(), saved);
}

bool TsSkinProvider::MenuLineVisible() const {
  if (form_->BorderStyle() == bsDialog || form_->FormStyle() == fsMDIChild) return false;
  const TMainMenu* menu = form_->Menu();
  if (!menu || menu->AutoMerge()) return false;
  if (HasVisibleItem(menu)) return true;
  // A frame's line also shows the menu of its active child.
  const TCustomForm* child = form_->FormStyle() == fsMDIForm ? form_->ActiveMDIChild() : nullptr;
  return child && HasVisibleItem(child->Menu());
}

int TsSkinProvider::MenuLineHeight() const { return MenuLineVisible() ? GetSystemMetrics(SM_CYMENU) - 1 : 0; }

int TsSkinProvider::MenuRows() {
  if (menuRows_ >= 0) return menuRows_;
  HWND wnd = FormHandle();
  TMainMenu* menu = form_->Menu();
  if (!wnd || !menu || IsIconic(wnd)) return 0;
  RECT item{};
  if (!GetMenuItemRect(wnd, GetMenu(wnd), 0, &item)) return 0;
  POINT clientTop{0, 0};
  ClientToScreen(wnd, &clientTop);
  int rows = 1;
  // A bar that wraps puts its first item rows above the client area.
  if (item.bottom < clientTop.y) rows += (clientTop.y - item.bottom) / std::max(1, GetSystemMetrics(SM_CYMENU) - 2);
  menuRows_ = rows;
  return rows;
}

// A maximized child's icon and buttons sit in its frame's menu line.
bool TsSkinProvider::MdiButtonsVisible() const {
  if (!MainSkinProvider() || form_->FormStyle() != fsMDIForm || !form_->Menu()) return false;
  TCustomForm* child = form_->ActiveMDIChild();
  return child && child->HandleAllocated() && IsZoomed(child->Handle()) &&
         child->BorderIcons().Contains(biSystemMenu);
}

}  // namespace skin
