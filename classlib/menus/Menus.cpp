#include "classlib/menus/Menus.h"

#include <algorithm>
#include <cwctype>
#include <map>
#include <unordered_set>

#include "classlib/menus/ImageList.h"

namespace classlib {
namespace {

// Command numbers below the system commands (0xF000 and up).
constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0xEFFF;

std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}

std::unordered_set<const TMenuItem*>& LiveItems() {
  static std::unordered_set<const TMenuItem*> items;
  return items;
}

UINT AllocateCommand(TMenuItem* item) {
  static UINT next = kFirstCommand;
  auto& commands = Commands();
  if (commands.size() > kLastCommand - kFirstCommand) throw EMenuError(L"Too many menu items");
  while (commands.count(next)) next = next >= kLastCommand ? kFirstCommand : next + 1;
  const UINT command = next;
  commands[command] = item;
  next = next >= kLastCommand ? kFirstCommand : next + 1;
  return command;
}

std::wstring StripAmpersands(const std::wstring& text) {
  std::wstring result;
  for (wchar_t c : text)
    if (c != L'&') result += static_cast<wchar_t>(std::towupper(c));
  return result;
}

}  // namespace

// ---------------------------------------------------------------- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
  command_ = AllocateCommand(this);
  LiveItems().insert(this);
}

TMenuItem::~TMenuItem() {
  destroying_ = true;
  LiveItems().erase(this);
  Commands().erase(command_);
  while (!items_.empty()) delete items_.back();
  if (parent_) parent_->Remove(this);
  DestroyHandles();
  if (subMenuImages_ && imagesLink_) subMenuImages_->UnRegisterChanges(imagesLink_);
  delete imagesLink_;
  delete bitmap_;
}

void TMenuItem::SetCaption(const std::wstring& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed(true);
}

void TMenuItem::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed(true);
}

void TMenuItem::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Changed(true);
}

void TMenuItem::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (value && radioItem_) UncheckRadioSiblings();
  Changed(true);
}

void TMenuItem::UncheckRadioSiblings() {
  if (!parent_) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_ && sibling->checked_) {
      sibling->checked_ = false;
      sibling->Changed(true);
    }
}

void TMenuItem::SetRadioItem(bool value) {
  if (radioItem_ == value) return;
  radioItem_ = value;
  if (value && checked_) UncheckRadioSiblings();
  Changed(true);
}

void TMenuItem::SetGroupIndex(uint8_t value) {
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  if (radioItem_ && checked_) UncheckRadioSiblings();
}

void TMenuItem::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  Changed(true);
}

void TMenuItem::SetBreak(TMenuBreak value) {
  if (break_ == value) return;
  break_ = value;
  Changed(true);
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (shortCut_ == value) return;
  shortCut_ = value;
  Changed(true);
}

void TMenuItem::SetImageIndex(int value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  Changed(true);
}

TBitmap* TMenuItem::Bitmap() const {
  if (!bitmap_) bitmap_ = new TBitmap();
  return bitmap_;
}

void TMenuItem::SetBitmap(const TBitmap* value) {
  Bitmap()->Assign(value);
  Changed(true);
}

void TMenuItem::SetSubMenuImages(TCustomImageList* value) {
  if (subMenuImages_ == value) return;
  if (subMenuImages_) {
    subMenuImages_->UnRegisterChanges(imagesLink_);
    subMenuImages_->RemoveFreeNotification(this);
  }
  subMenuImages_ = value;
  if (value) {
    if (!imagesLink_) {
      imagesLink_ = new TChangeLink();
      imagesLink_->SetOnChange([this](TObject*) { RebuildHandle(); });
    }
    value->RegisterChanges(imagesLink_);
    value->FreeNotification(this);
  }
  RebuildHandle();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == subMenuImages_) {
    subMenuImages_->UnRegisterChanges(imagesLink_);
    subMenuImages_ = nullptr;
  }
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EMenuError(L"Menu index out of range (" + std::to_wstring(index) + L")");
  return items_[static_cast<size_t>(index)];
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int value) {
  if (!parent_) return;
  TMenuItem* parent = parent_;
  const int count = parent->Count();
  value = std::clamp(value, 0, count - 1);
  if (value == MenuIndex()) return;
  parent->Remove(this);
  parent->Insert(value, this);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->parent_) throw EMenuError(L"Menu inserted twice");
  if (index < 0 || index > Count()) throw EMenuError(L"Menu index out of range (" + std::to_wstring(index) + L")");
  for (const TMenuItem* up = this; up; up = up->parent_)
    if (up == item) throw EMenuError(L"Menu inserted into itself");
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  if (item->radioItem_ && item->checked_) item->UncheckRadioSiblings();
  RebuildHandle();
  // The first sub-item turns this item into a submenu on its parent's handle.
  if (Count() == 1) Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) throw EMenuError(L"Menu item not found");
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  if (destroying_) return;
  RebuildHandle();
  if (items_.empty()) Changed(true);
}

void TMenuItem::Delete(int index) { delete Items(index); }

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

TMenuItem* TMenuItem::Find(const std::wstring& caption) const {
  const std::wstring wanted = StripAmpersands(caption);
  for (TMenuItem* item : items_)
    if (StripAmpersands(item->caption_) == wanted) return item;
  return nullptr;
}

void TMenuItem::Click() {
  if (!enabled_) return;
  // A checked radio item stays checked: only another one of its group can
  // take the check away.
  if (autoCheck_ && !(radioItem_ && checked_)) SetChecked(!checked_);
  if (onClick_) onClick_(this);
}

HMENU TMenuItem::Handle() {
  if (!handle_) {
    handle_ = menu_ ? menu_->CreateRootHandle() : CreatePopupMenu();
    if (!handle_) throw EMenuError(L"Cannot create a menu");
    RebuildHandle();
  }
  return handle_;
}

void TMenuItem::DestroyHandles() {
  for (TMenuItem* item : items_) item->DestroyHandles();
  if (!handle_) return;
  // Detach the sub-items' menus first: DestroyMenu would free them too.
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  DestroyMenu(handle_);
  handle_ = nullptr;
}

void TMenuItem::FillItemInfo(MENUITEMINFOW& info, std::wstring& text) {
  const TMenu* menu = GetParentMenu();
  const bool ownerDraw = menu && menu->OwnerDraw();
  info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
  text = caption_;
  if (IsLine()) {
    info.fType |= MFT_SEPARATOR;
  } else {
    const std::wstring shortCut = ShortCutToText(shortCut_);
    if (!shortCut.empty()) text += L"\t" + shortCut;
  }
  if (ownerDraw) info.fType |= MFT_OWNERDRAW;
  if (radioItem_) info.fType |= MFT_RADIOCHECK;
  if (break_ == mbBreak) info.fType |= MFT_MENUBREAK;
  if (break_ == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
  if (checked_) info.fState |= MFS_CHECKED;
  if (!enabled_) info.fState |= MFS_GRAYED;
  if (default_) info.fState |= MFS_DEFAULT;
  info.wID = command_;
  info.hSubMenu = items_.empty() ? nullptr : Handle();
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
}

void TMenuItem::RebuildHandle() {
  if (!handle_) return;
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  UINT position = 0;
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOW info;
    std::wstring text;
    item->FillItemInfo(info, text);
    InsertMenuItemW(handle_, position++, TRUE, &info);
  }
  if (menu_) menu_->MenuChanged();
}

void TMenuItem::Changed(bool rebuildParent) {
  if (destroying_) return;
  if (rebuildParent && parent_) parent_->RebuildHandle();
}

TCustomImageList* TMenuItem::GetImageList() const {
  for (const TMenuItem* up = parent_; up; up = up->parent_)
    if (up->subMenuImages_) return up->subMenuImages_;
  const TMenu* menu = GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

bool TMenuItem::IsTopLineItem() const {
  return parent_ && parent_->menu_ && dynamic_cast<const TMainMenu*>(parent_->menu_) != nullptr;
}

void TMenuItem::SetOnMeasureItem(TMenuMeasureItemEvent handler) { onMeasureItem_ = std::move(handler); }
void TMenuItem::SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent handler) {
  onAdvancedDrawItem_ = std::move(handler);
}
void TMenuItem::SetOnDrawItem(TMenuDrawItemEvent handler) { onDrawItem_ = std::move(handler); }

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (parent_) parent_->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
  else if (parent) throw EMenuError(L"A menu item belongs into a menu or another menu item");
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* /*root*/) {
  for (TMenuItem* item : items_) proc(item);
}

// -------------------------------------------------------------------- TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
  items_ = new TMenuItem(this);
  items_->menu_ = this;
}

TMenu::~TMenu() {
  SetWindowHandle(nullptr);
  delete items_;
  items_ = nullptr;
  if (images_) images_->UnRegisterChanges(imagesLink_);
  delete imagesLink_;
}

void TMenu::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  if (images_) {
    images_->UnRegisterChanges(imagesLink_);
    images_->RemoveFreeNotification(this);
  }
  images_ = value;
  if (value) {
    if (!imagesLink_) {
      imagesLink_ = new TChangeLink();
      imagesLink_->SetOnChange([this](TObject*) { RebuildHandles(); });
    }
    value->RegisterChanges(imagesLink_);
    value->FreeNotification(this);
  }
  RebuildHandles();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_->UnRegisterChanges(imagesLink_);
    images_ = nullptr;
  }
}

void TMenu::SetOwnerDraw(bool value) {
  if (ownerDraw_ == value) return;
  ownerDraw_ = value;
  RebuildHandles();
}

void TMenu::SetWindowHandle(HWND value) {
  windowHandle_ = value;
}

void TMenu::RebuildHandles() {
  if (!items_) return;
  std::function<void(TMenuItem*)> rebuild = [&](TMenuItem* item) {
    for (TMenuItem* child : item->items_) rebuild(child);
    item->RebuildHandle();
  };
  rebuild(items_);
}

TMenuItem* TMenu::FindItemByCommand(UINT command) const {
  TMenuItem* item = FindMenuItemByCommand(command);
  return item && item->GetParentMenu() == this ? item : nullptr;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  items_->GetChildren(proc, root);
}

void TMenu::MenuChanged() {}

// ----------------------------------------------------------------- TMainMenu

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

void TMainMenu::MenuChanged() {
  const HWND window = WindowHandle();
  if (!window || !IsWindow(window)) return;
  DrawMenuBar(window);
  SendMessageW(window, kMenuChangedMessage, 0, reinterpret_cast<LPARAM>(this));
}

// ------------------------------------------------------------------- lookups

TMenuItem* FindMenuItemByCommand(UINT command) {
  const auto it = Commands().find(command);
  return it == Commands().end() ? nullptr : it->second;
}

TMenuItem* FindMenuItemByHandle(HMENU menu) {
  if (!menu) return nullptr;
  for (const auto& [command, item] : Commands())
    if (item->HandleAllocated() && item->Handle() == menu) return item;
  return nullptr;
}

bool IsLiveMenuItem(const TMenuItem* item) { return item && LiveItems().count(item) != 0; }

}  // namespace classlib
