#include "skin/adapters/DialogSystemMenu.h"

#include "skin/adapters/DialogWnd.h"

namespace skin::adapters {

using namespace classlib;

namespace {
// The captions the system gives its own menu (the user's language), without
// their shortcut text; the fallback when the system has none.
std::wstring SystemCaption(UINT command, const wchar_t* fallback) {
  HMENU menu = GetSystemMenu(GetDesktopWindow(), FALSE);
  wchar_t text[128] = {};
  if (menu && GetMenuStringW(menu, command, text, 128, MF_BYCOMMAND) > 0) {
    std::wstring caption(text);
    const size_t tab = caption.find(L'\t');
    if (tab != std::wstring::npos) caption.resize(tab);
    return caption;
  }
  return fallback;
}
}  // namespace

TacSystemMenu::TacSystemMenu(TComponent* owner) : TsCustomSysMenu(owner) {
  miRestore = AddItem(L"miRestore", SC_RESTORE, L"&Restore");
  miMove = AddItem(L"miMove", SC_MOVE, L"&Move");
  miSize = AddItem(L"miSize", SC_SIZE, L"&Size");
  miMinimize = AddItem(L"miMinimize", SC_MINIMIZE, L"Mi&nimize");
  miMaximize = AddItem(L"miMaximize", SC_MAXIMIZE, L"Ma&ximize");
  auto* line = New<TMenuItem>(this);
  line->SetCaption(L"-");
  Items()->Add(line);
  miClose = AddItem(L"miClose", SC_CLOSE, L"&Close");
  miClose->SetShortCut(0x8073);  // Alt+F4
}

TMenuItem* TacSystemMenu::AddItem(const wchar_t* name, UINT command, const wchar_t* fallback) {
  auto* item = New<TMenuItem>(this);
  item->SetCaption(SystemCaption(command, fallback));
  item->SetName(name);
  item->SetOnClick([this, command](TObject*) {
    if (!Dialog) return;
    SendMessageW(Dialog->CtrlHandle, WM_SYSCOMMAND, command, 0);
    if (command == SC_RESTORE || command == SC_MAXIMIZE) UpdateItems();
  });
  Items()->Add(item);
  return item;
}

bool TacSystemMenu::VisibleClose() { return Dialog && Dialog->HasSysMenu(); }

void TacSystemMenu::UpdateItems() {
  if (!Dialog) return;
  HWND wnd = Dialog->CtrlHandle;
  const bool sizable = Dialog->BorderKind == 1 || Dialog->BorderKind == 3;
  miRestore->SetVisible(sizable && Dialog->HasSysMenu());
  miRestore->SetEnabled(Dialog->CanRestore());
  miMove->SetVisible(true);
  miMove->SetEnabled(!IsZoomed(wnd));
  miSize->SetVisible(sizable);
  miSize->SetEnabled(Dialog->BorderKind != 1 && !IsIconic(wnd));
  miMinimize->SetVisible(Dialog->HasMinBox());
  miMinimize->SetEnabled(Dialog->CanMinimize());
  miMaximize->SetVisible(Dialog->HasMaxBox());
  miMaximize->SetEnabled(Dialog->CanMaximize());
  miClose->SetVisible(Dialog->HasSysMenu());
  miClose->SetEnabled(true);
}

}  // namespace skin::adapters
