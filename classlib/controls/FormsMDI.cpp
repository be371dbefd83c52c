// The MDI part of forms: the client window of an MDI main form, the default
// frame and child procedures, and the children as forms.
#include "classlib/controls/Forms.h"
#include "classlib/menus/Menus.h"

namespace classlib {

void TCustomForm::CreateMDIClient() {
  if (clientHandle_ && IsWindow(clientHandle_)) return;
  CLIENTCREATESTRUCT ccs{};
  ccs.idFirstChild = 0xFF00;
  ccs.hWindowMenu = windowMenu_ ? windowMenu_->Handle() : nullptr;
  RECT r{};
  GetClientRect(Handle(), &r);
  clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", L"",
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                  0, 0, r.right, r.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), &ccs);
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  if (windowMenu_ == item) return;
  if (windowMenu_) windowMenu_->RemoveFreeNotification(this);
  windowMenu_ = item;
  if (item) item->FreeNotification(this);
  AttachWindowMenu();
}

void TCustomForm::AttachWindowMenu() {
  HWND client = ClientHandle();
  if (formStyle_ != fsMDIForm || !client || !windowMenu_) return;
  // The frame's menu bar stays as it is (no frame menu given).
  SendMessageW(client, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(windowMenu_->Handle()));
  DrawMenuBar(Handle());
}

HWND TCustomForm::ClientHandle() const {
  return clientHandle_ && IsWindow(clientHandle_) ? clientHandle_ : nullptr;
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
  std::vector<TCustomForm*> list;
  HWND client = ClientHandle();
  if (!client) return list;
  for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (auto* form = dynamic_cast<TCustomForm*>(FindControl(child))) list.push_back(form);
  return list;
}

int TCustomForm::MDIChildCount() const { return static_cast<int>(MDIChildList().size()); }

TCustomForm* TCustomForm::MDIChildren(int index) const {
  const auto list = MDIChildList();
  return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)] : nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  HWND client = ClientHandle();
  if (!client) return nullptr;
  return dynamic_cast<TCustomForm*>(FindControl(reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0))));
}

void TCustomForm::DefaultHandler(TMessage& m) {
  if (HandleAllocated()) {
    if (formStyle_ == fsMDIForm && ClientHandle()) {
      m.Result = DefFrameProcW(Handle(), ClientHandle(), m.Msg, m.WParam, m.LParam);
      return;
    }
    if (formStyle_ == fsMDIChild && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD)) {
      m.Result = DefMDIChildProcW(Handle(), m.Msg, m.WParam, m.LParam);
      return;
    }
  }
  TWinControl::DefaultHandler(m);
}

}  // namespace classlib
