// The road of menu messages to the items, the hidden window of pop-up menus
// and TPopupMenu's tracking.
#include <string>

#include "classlib/menus/Menus.h"
#include "classlib/menus/MenusFont.h"

namespace classlib {
namespace {

std::function<void(TMenuItem*)>& SelectHandler() {
  static std::function<void(TMenuItem*)> handler;
  return handler;
}

std::function<void(const std::exception&)>& ExceptionHandler() {
  static std::function<void(const std::exception&)> handler;
  return handler;
}

// The visible sub-item shown at that position of the parent's menu handle.
TMenuItem* VisibleItemAt(TMenuItem* parent, int position) {
  for (int i = 0; parent && i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (item->Visible() && position-- == 0) return item;
  }
  return nullptr;
}

bool MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
  auto* item = reinterpret_cast<TMenuItem*>(measure.itemData);
  if (measure.CtlType != ODT_MENU || !IsLiveMenuItem(item)) return false;
  const HDC dc = GetDC(nullptr);
  const int saved = SaveDC(dc);
  {
    TCanvas canvas;
    canvas.SetHandle(dc);
    SelectMenuFont(canvas, item->Default());
    int width = static_cast<int>(measure.itemWidth);
    int height = static_cast<int>(measure.itemHeight);
    item->MeasureItem(canvas, width, height);
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    canvas.SetHandle(nullptr);
  }
  RestoreDC(dc, saved);
  ReleaseDC(nullptr, dc);
  return true;
}

bool DrawMenuItem(const DRAWITEMSTRUCT& draw) {
  auto* item = reinterpret_cast<TMenuItem*>(draw.itemData);
  if (draw.CtlType != ODT_MENU || !IsLiveMenuItem(item)) return false;
  const TOwnerDrawState state = TOwnerDrawState::FromMask(draw.itemState);
  const int saved = SaveDC(draw.hDC);
  {
    TCanvas canvas;
    canvas.SetHandle(draw.hDC);
    SelectMenuFont(canvas, state.Contains(odDefault));
    item->AdvancedDrawItem(canvas, FromRECT(draw.rcItem), state, item->IsTopLineItem());
    canvas.SetHandle(nullptr);
  }
  RestoreDC(draw.hDC, saved);
  return true;
}

void MenuSelected(WPARAM wParam, LPARAM lParam) {
  const UINT flags = HIWORD(wParam);
  const auto menu = reinterpret_cast<HMENU>(lParam);
  TMenuItem* item = nullptr;
  if (!(flags == 0xFFFF && !menu)) {
    if (flags & MF_POPUP) item = VisibleItemAt(FindMenuItemByHandle(menu), LOWORD(wParam));
    else item = FindMenuItemByCommand(LOWORD(wParam));
  }
  if (SelectHandler()) SelectHandler()(item);
}

bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      // Menus send notification code 0 and no control window.
      if (HIWORD(wParam) != 0 || lParam != 0) return false;
      TMenuItem* item = FindMenuItemByCommand(LOWORD(wParam));
      if (!item) return false;
      result = 0;
      item->Click();
      return true;
    }
    case WM_MEASUREITEM:
      if (!MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return false;
      result = TRUE;
      return true;
    case WM_DRAWITEM:
      if (!DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
      result = TRUE;
      return true;
    case WM_INITMENUPOPUP: {
      TMenuItem* item = FindMenuItemByHandle(reinterpret_cast<HMENU>(wParam));
      if (!item) return false;
      result = 0;
      // A submenu's item hears that it opens, so it can fill its items.
      if (item->OnClick() && item->Enabled()) item->OnClick()(item);
      return true;
    }
    case WM_MENUSELECT:
      MenuSelected(wParam, lParam);
      result = 0;
      return false;  // the form may still want it
    default:
      return false;
  }
}

LRESULT CALLBACK PopupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (DispatchMenuMessage(message, wParam, lParam, result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool DispatchMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  try {
    return Dispatch(message, wParam, lParam, result);
  } catch (const std::exception& error) {
    HandleMenuException(error);
    return true;
  }
}

HWND MenuPopupWindow() {
  static HWND window = [] {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PopupWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TessariloMenuPopupWindow";
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, instance, nullptr);
  }();
  return window;
}

void SetMenuSelectHandler(std::function<void(TMenuItem* item)> handler) { SelectHandler() = std::move(handler); }

void SetMenuExceptionHandler(std::function<void(const std::exception& error)> handler) {
  ExceptionHandler() = std::move(handler);
}

void HandleMenuException(const std::exception& error) {
  if (ExceptionHandler()) {
    ExceptionHandler()(error);
    return;
  }
  const auto* own = dynamic_cast<const Exception*>(&error);
  const std::wstring text = own ? own->Message() : std::wstring(L"Unexpected error");
  MessageBoxW(GetActiveWindow(), text.c_str(), L"", MB_OK | MB_ICONHAND);
}

// ---------------------------------------------------------------- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::SetPopupComponent(TComponent* value) {
  if (popupComponent_ == value) return;
  if (popupComponent_) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = value;
  if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::DoPopup() {
  if (onPopup_) onPopup_(this);
}

void TPopupMenu::Popup(int x, int y) {
  popupPoint_ = {x, y};
  DoPopup();
  static constexpr UINT kAlign[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  UINT flags = kAlign[alignment_] | (trackButton_ == tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON);
  if (animation_.Contains(maNone)) flags |= TPM_NOANIMATION;
  const HWND owner = WindowHandle() ? WindowHandle() : MenuPopupWindow();
  TrackPopupMenu(Items()->Handle(), flags, x, y, 0, owner, nullptr);
}

}  // namespace classlib
