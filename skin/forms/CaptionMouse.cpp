// The mouse on a skinned caption: pressing and releasing the caption
// buttons, double and right clicks, the system menu from the icon, and the
// outline drag's mouse. The release hit-tests its own point: WM_LBUTTONUP's
// WParam holds key flags, not a hit code (MK_CONTROL equals HTMINBUTTON).
#include <windowsx.h>

#include "classlib/controls/Application.h"
#include "skin/common/HotTracking.h"
#include "skin/forms/BorderForm.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/OutlineDrag.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

bool IsSystemButton(int code) {
  return code == HTMINBUTTON || code == HTMAXBUTTON || code == HTCLOSE || code == HTHELP ||
         (code >= htMdiClose && code <= htMdiMinimize);
}

bool IsSizingCode(int code) { return code >= HTLEFT && code <= HTBOTTOMRIGHT; }

TShiftState KeyShift() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  shift.Include(ssLeft);
  return shift;
}

}  // namespace

void TsSkinProvider::OnNcButtonDown(TMessage& message) {
  // The border window hands its clicks on with no code: it is worked out here.
  if (static_cast<int>(message.WParam) == -1 && borderForm_)
    message.WParam = static_cast<WPARAM>(HitCodeAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)}));
  const int code = static_cast<int>(message.WParam);
  HWND wnd = FormHandle();
  if (!drawNonClientArea_ || !wnd) {
    CallOld(message);
    return;
  }
  if (IsSystemButton(code)) {
    // The child's own menu decides whether it may be minimized or restored.
    if ((code == htMdiMinimize || code == htMdiRestore) && !MdiButtonPressable(code)) {
      message.Result = 0;
      return;
    }
    SetPressedButton(code);
    if (currentButton_ == code) SetCapture(wnd);
    message.Result = 0;
    return;
  }
  if (code >= htUserButton && code - htUserButton < titleButtons_->Count()) {
    SetPressedButton(code);
    if (currentButton_ != code) return;
    SetCapture(wnd);
    const auto alive = alive_;
    const POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    titleButtons_->Items(code - htUserButton)->MouseDown(mbLeft, KeyShift(), p.x, p.y);
    // The handler may have freed the form or removed the button.
    if (*alive && code - htUserButton >= titleButtons_->Count()) CancelMouseModes();
    return;
  }
  if (code == HTSYSMENU) {
    message.Result = 0;
    const auto alive = alive_;
    CallOld(message);
    if (!*alive || message.Result != 0) return;
    ResetHoverState();
    ClearTitleButtonPressedLock();
    TsSkinManager* manager = Manager();
    if (manager && !manager->SkinnedPopups()) {
      // A second click within this wait is a double click: it closes the form.
      const DWORD start = GetTickCount();
      while (GetTickCount() - start < 200) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
          TranslateMessage(&msg);
          DispatchMessageW(&msg);
        }
        if (!*alive || !IsWindow(wnd) || skinData_->Updating()) return;
        Sleep(10);
      }
    }
    DropSysMenuBelowCaption();
    return;
  }
  if (resizeMode_ == rmBorder && (code == HTCAPTION || IsSizingCode(code)) && form_->Enabled()) {
    BOOL fullDrag = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
    OutlineDrag().Moving = code == HTCAPTION;
    OutlineDrag().HitCode = code;
    SendMessageW(wnd, WM_SYSCOMMAND, code == HTCAPTION ? SC_MOVE : SC_SIZE, message.LParam);
    message.Result = 0;
    return;
  }
  CallOld(message);
}

void TsSkinProvider::OnButtonUp(TMessage& message) {
  HWND wnd = FormHandle();
  const TsTitleButtonState* current = ButtonByCode(currentButton_);
  // Only a button of this form that is held down is released here.
  if (!TitleButtonPressedLock() || !wnd || !current || current->State != 2) {
    if (resizeMode_ == rmBorder && OutlineDrag().Dragging && OutlineDrag().Owner == this) {
      EndOutlineDrag();
      message.Result = 0;
      return;
    }
    CallOld(message);
    return;
  }
  const int pressed = currentButton_;
  // The lock goes first: releasing the capture reports a capture change.
  ClearTitleButtonPressedLock();
  if (GetCapture() == wnd) ReleaseCapture();
  // Signed coordinates: over the caption a captured client point has a negative y.
  POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (message.Msg == WM_LBUTTONUP) ClientToScreen(wnd, &p);
  const int code = HitCodeAt(p);
  RECT bounds{};
  GetWindowRect(wnd, &bounds);
  message.Result = 0;
  if (code != pressed) {
    // Released elsewhere: nothing happens.
    SetButtonState(pressed, 0, true);
    currentButton_ = 0;
    return;
  }
  ReleaseButton(code, POINT{p.x - bounds.left, p.y - bounds.top});
}

void TsSkinProvider::ReleaseButton(int code, POINT windowPoint) {
  HWND wnd = FormHandle();
  const auto alive = alive_;
  switch (code) {
    case HTCLOSE:
      SetButtonState(HTCLOSE, 0, true);
      currentButton_ = 0;
      SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      if (*alive && IsWindow(wnd)) {
        StopTitleAnimations();
        ResetHoverState();
      }
      return;
    case HTMAXBUTTON:
      SetButtonState(HTMAXBUTTON, 0, true);
      currentButton_ = 0;
      if (!ButtonEnabled(SystemButton(HTMAXBUTTON))) return;
      SendMessageW(wnd, WM_SYSCOMMAND, IsZoomed(wnd) ? SC_RESTORE : SC_MAXIMIZE, 0);
      if (*alive && systemMenu_) systemMenu_->UpdateItems(false);
      return;
    case HTMINBUTTON: {
      SetButtonState(HTMINBUTTON, 0, true);
      currentButton_ = 0;
      if (!PtInRect(&SystemButton(HTMINBUTTON).Rect, windowPoint)) return;
      if (form_ == Application->MainForm()) {
        const bool wasHiding = hiding_;
        hiding_ = true;
        SendMessageW(wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        if (*alive) hiding_ = wasHiding;
      } else {
        SendMessageW(wnd, WM_SYSCOMMAND, IsIconic(wnd) ? SC_RESTORE : SC_MINIMIZE, 0);
      }
      if (*alive) skinData_->BGChanged = true;
      return;
    }
    case htMdiClose:
    case htMdiRestore:
    case htMdiMinimize:
      ReleaseMdiButton(code);
      return;
    case HTHELP:
      SetButtonState(HTHELP, 0, true);
      currentButton_ = 0;
      SendMessageW(wnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      return;
    default: {
      const int index = code - htUserButton;
      if (index < 0 || index >= titleButtons_->Count()) return;
      SetButtonState(code, 1, true);
      titleButtons_->Items(index)->MouseUp(mbLeft, KeyShift(), windowPoint.x, windowPoint.y);
      // The handler may have freed the form or removed buttons.
      if (!*alive || index >= titleButtons_->Count()) {
        if (*alive) currentButton_ = 0;
        return;
      }
      return;
    }
  }
}

void TsSkinProvider::CancelMouseModes() {
  if (TitleButtonPressedLock() && currentButton_ > 0) {
    ClearTitleButtonPressedLock();
    const int pressed = currentButton_;
    currentButton_ = 0;
    SetButtonState(pressed, 0, true);
  }
  CancelOutlineDrag();
}

void TsSkinProvider::OnNcDoubleClick(TMessage& message) {
  if (resizeMode_ == rmBorder && OutlineDrag().Dragging && OutlineDrag().Owner == this) EndOutlineDrag();
  HWND wnd = FormHandle();
  switch (message.WParam) {
    case HTSYSMENU: {
      TsSkinManager* manager = Manager();
      const bool quiet = manager && !manager->SkinnedPopups();
      if (quiet) skinData_->SetUpdating(true);
      const auto alive = alive_;
      form_->Close();
      // A refused close leaves the form as it was, drawing again.
      if (*alive && quiet && wnd && IsWindow(wnd) && IsWindowVisible(wnd)) {
        skinData_->SetUpdating(false);
        RequestRepaint();
      }
      return;
    }
    case HTCAPTION: {
      if (!wnd) return;
      const auto alive = alive_;
      const bool canToggle = sysMenuHidden_ && systemMenu_ &&
                             (systemMenu_->EnabledMax() || systemMenu_->EnabledRestore());
      if (canToggle)
        SendMessageW(wnd, WM_SYSCOMMAND, IsZoomed(wnd) || IsIconic(wnd) ? SC_RESTORE : SC_MAXIMIZE, 0);
      else if (IsIconic(wnd))
        SendMessageW(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
      if (*alive && systemMenu_) systemMenu_->UpdateItems(false);
      message.WParam = 0;
      return;
    }
    default:
      CallOld(message);
      return;
  }
}

void TsSkinProvider::OnNcRightButton(TMessage& message) {
  if (message.Msg == WM_NCRBUTTONDOWN) {
    if (message.WParam == HTCAPTION || message.WParam == HTSYSMENU) return;  // the menu comes on the release
    CallOld(message);
    return;
  }
  if (!HasBorder()) {
    CallOld(message);
    return;
  }
  const POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  const int code = FrameHitTest(p);
  if (code != HTCAPTION && code != HTSYSMENU) return;
  ResetHoverState();
  ClearTitleButtonPressedLock();
  DropSysMenu(p.x, p.y);
}

void TsSkinProvider::OnMouseMove(TMessage& message) {
  CallOld(message);
  SetActiveControl(nullptr);
  TsOutlineDragState& drag = OutlineDrag();
  if (resizeMode_ != rmBorder || !form_->Enabled() || !drag.Dragging || drag.Owner != this) return;
  POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (HWND wnd = FormHandle()) ClientToScreen(wnd, &p);
  OutlineDragMove(*this, p);
}

void TsSkinProvider::DropSysMenuBelowCaption() {
  HWND wnd = FormHandle();
  if (!wnd) return;
  RECT r{};
  GetWindowRect(wnd, &r);
  const int f = FrameWidthOf(wnd, ExtBorder(), true);
  const int bottom = InnerFrameWidth(wnd, ExtBorder(), true) + ProviderCaptionHeight(true);
  DropSysMenu(r.left + f, r.top + bottom - (IsIconic(wnd) ? 16 : 0));
}

}  // namespace skin
