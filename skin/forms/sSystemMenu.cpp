#include "skin/forms/sSystemMenu.h"

#include <string>

#include "classlib/controls/Application.h"
#include "classlib/menus/MenusShortCut.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// The text of a system-menu entry: before the TAB, and the part after it.
void SplitTab(const std::wstring& text, std::wstring& caption, std::wstring& shortCut) {
  const size_t tab = text.find(L'\t');
  caption = text.substr(0, tab);
  shortCut = tab == std::wstring::npos ? std::wstring() : text.substr(tab + 1);
}

std::wstring MenuText(HMENU menu, UINT item, UINT flag) {
  wchar_t buffer[256] = {};
  const int length = GetMenuStringW(menu, item, buffer, 255, flag);
  return length > 0 ? std::wstring(buffer, static_cast<size_t>(length)) : std::wstring();
}

}  // namespace

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider)
    : TsCustomSysMenu(nullptr), provider_(provider), form_(provider ? provider->Form() : nullptr) {
  SetName(L"acSysMenu" + std::to_wstring(GetTickCount()));
  MakeItems();
}

bool TsSystemMenu::HasSysMenu() const { return provider_ && provider_->SysMenuHidden(); }

bool TsSystemMenu::IsIconicForm() const {
  return form_ && form_->HandleAllocated() && IsIconic(form_->Handle());
}

bool TsSystemMenu::IsMdiChild() const { return form_ && form_->FormStyle() == fsMDIChild; }

bool TsSystemMenu::Has(TBorderIcon icon) const { return form_ && form_->BorderIcons().Contains(icon); }

bool TsSystemMenu::VisibleClose() {
  if (!HasSysMenu() || !form_->HandleAllocated()) return false;
  HMENU menu = GetSystemMenu(form_->Handle(), FALSE);
  return menu && GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

bool TsSystemMenu::VisibleSizeButton(TBorderIcon icon) const {
  if (!HasSysMenu()) return false;
  if (IsIconicForm() || IsMdiChild()) return true;
  switch (form_->BorderStyle()) {
    case bsNone: case bsDialog: case bsToolWindow: case bsSizeToolWin:
      return false;
    default:
      return Has(icon);
  }
}

bool TsSystemMenu::VisibleMax() { return VisibleSizeButton(biMaximize); }

bool TsSystemMenu::VisibleMin() { return VisibleSizeButton(biMinimize); }

bool TsSystemMenu::EnabledMax() {
  return form_ && (IsMdiChild() || form_->BorderStyle() == bsSingle || form_->BorderStyle() == bsSizeable) &&
         Has(biMaximize);
}

bool TsSystemMenu::EnabledMin() {
  return Has(biMinimize) && (!IsIconicForm() || form_ == Application->MainForm());
}

bool TsSystemMenu::EnabledRestore() {
  if (!form_) return false;
  const TWindowState state = form_->WindowState();
  return (Has(biMaximize) && state != wsNormal) || state == wsMinimized;
}

void TsSystemMenu::SendCommand(UINT command) {
  if (form_ && form_->HandleAllocated()) SendMessageW(form_->Handle(), WM_SYSCOMMAND, command, 0);
}

TMenuItem* TsSystemMenu::AddCommand(const std::wstring& name, UINT command, const std::wstring& fallback) {
  HMENU menu = form_ && form_->HandleAllocated() ? GetSystemMenu(form_->Handle(), FALSE) : nullptr;
  std::wstring caption, shortCut;
  SplitTab(menu ? MenuText(menu, command, MF_BYCOMMAND) : std::wstring(), caption, shortCut);
  auto* item = New<TMenuItem>(this);
  item->SetCaption(caption.empty() ? fallback : caption);
  item->SetName(name);
  item->SetTag(static_cast<intptr_t>(command));
  if (!shortCut.empty()) item->SetShortCut(TextToShortCut(shortCut));
  item->SetOnClick([this, command](TObject*) {
    SendCommand(command);
    if (command != SC_MOVE && command != SC_SIZE && command != SC_CLOSE) UpdateItems(false);
  });
  Items()->Add(item);
  return item;
}

TMenuItem* TsSystemMenu::ItemNamed(const wchar_t* name) const {
  for (int i = 0; i < Items()->Count(); ++i)
    if (Items()->Items(i)->Name() == name) return Items()->Items(i);
  return nullptr;
}

void TsSystemMenu::MakeItems() {
  Items()->Clear();
  extraItemsCount_ = 0;
  if (!form_ || !form_->HandleAllocated()) return;
  HMENU menu = GetSystemMenu(form_->Handle(), FALSE);
  if (!menu) return;
  AddCommand(L"acIR", SC_RESTORE, L"Restore");
  AddCommand(L"acIM", SC_MOVE, L"Move");
  AddCommand(L"acIS", SC_SIZE, L"Size");
  AddCommand(L"acIN", SC_MINIMIZE, L"Minimize");
  AddCommand(L"acIX", SC_MAXIMIZE, L"Maximize");
  auto addLine = [this] {
    auto* line = New<TMenuItem>(this);
    line->SetCaption(L"-");
    Items()->Add(line);
  };
  addLine();
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == static_cast<UINT>(-1) || id >= 0xF000) continue;
    std::wstring caption, shortCut;
    SplitTab(MenuText(menu, static_cast<UINT>(i), MF_BYPOSITION), caption, shortCut);
    if (caption.empty()) continue;
    auto* item = New<TMenuItem>(this);
    item->SetCaption(caption);
    item->SetTag(static_cast<intptr_t>(id));
    if (!shortCut.empty()) item->SetShortCut(TextToShortCut(shortCut));
    // Application-defined commands are posted, as the system menu does.
    item->SetOnClick([this, id](TObject*) {
      if (form_ && form_->HandleAllocated()) PostMessageW(form_->Handle(), WM_SYSCOMMAND, id, 0);
    });
    Items()->Add(item);
    ++extraItemsCount_;
  }
  if (extraItemsCount_ > 0) addLine();
  AddCommand(L"acIC", SC_CLOSE, L"Close");
}

void TsSystemMenu::MakeSkinItems() {
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (!manager) return;
  TStringList names;
  manager->GetSkinNames(names);
  if (names.Count() == 0) return;
  auto* skins = New<TMenuItem>(this);
  skins->SetCaption(L"Available skins");
  skins->SetName(L"SkinSelectItem");
  Items()->Insert(0, skins);
  auto* line = New<TMenuItem>(this);
  line->SetCaption(L"-");
  Items()->Insert(1, line);
  for (int i = 0; i < names.Count(); ++i) {
    auto* item = New<TMenuItem>(this);
    item->SetCaption(names.Strings(i));
    item->SetName(L"SkinSelectItem" + std::to_wstring(i));
    item->SetRadioItem(true);
    item->SetChecked(names.Strings(i) == manager->SkinName());
    if (i > 0 && i % 20 == 0) item->SetBreak(mbBreak);
    item->SetOnClick([item](TObject*) {
      std::wstring name = item->Caption();
      std::erase(name, L'&');
      if (const size_t at = name.find(L"(internal)"); at != std::wstring::npos) name.resize(at + 10);
      if (TsSkinManager* current = TsSkinManager::DefaultManager()) current->SetSkinName(name);
    });
    skins->Add(item);
  }
}

void TsSystemMenu::UpdateItems(bool force) {
  if (force || !ItemNamed(L"acIC")) MakeItems();
  if (!form_) return;
  const bool mdiChild = IsMdiChild();
  const TFormBorderStyle style = form_->BorderStyle();
  const bool fixedStyle = style == bsNone || style == bsDialog || style == bsToolWindow || style == bsSizeToolWin;
  if (TMenuItem* item = ItemNamed(L"acIR")) {
    item->SetVisible(HasSysMenu() && (mdiChild || !fixedStyle));
    item->SetEnabled(EnabledRestore());
  }
  if (TMenuItem* item = ItemNamed(L"acIM")) {
    item->SetVisible(true);
    item->SetEnabled(form_->WindowState() != wsMaximized);
  }
  if (TMenuItem* item = ItemNamed(L"acIS")) {
    item->SetVisible(mdiChild || !(style == bsNone || style == bsDialog || style == bsToolWindow));
    item->SetEnabled(style != bsSingle && !IsIconicForm());
  }
  if (TMenuItem* item = ItemNamed(L"acIN")) {
    item->SetVisible(VisibleMin());
    item->SetEnabled(EnabledMin());
  }
  if (TMenuItem* item = ItemNamed(L"acIX")) {
    item->SetVisible(VisibleMax());
    item->SetEnabled(EnabledMax());
  }
  if (TMenuItem* item = ItemNamed(L"acIC")) item->SetEnabled(true);
}

}  // namespace skin
