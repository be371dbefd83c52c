#include "classlib/controls/Forms.h"

#include "classlib/controls/CanvasPaintScope.h"

#include <algorithm>

#include "classlib/core/ComponentReader.h"
#include "classlib/controls/Application.h"
#include "classlib/controls/Screen.h"
#include "classlib/menus/Menus.h"

namespace classlib {

namespace {

bool IsMenuMessage(const TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND: return m.LParam == 0;
    case WM_MEASUREITEM: return reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU;
    case WM_DRAWITEM: return reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU;
    case WM_INITMENUPOPUP: case WM_MENUSELECT: return true;
    default: return false;
  }
}

bool HasFormResource(const std::wstring& name) {
  return FindResourceW(GetModuleHandleW(nullptr), name.c_str(), MAKEINTRESOURCEW(10)) != nullptr;
}

// Collects the focusable tab stops under parent in tab order.
void CollectTabStops(TWinControl* parent, std::vector<TWinControl*>& list) {
  std::vector<TWinControl*> children;
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(parent->Controls(i))) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (TWinControl* w : children) {
    if (!w->Visible() || !w->Enabled()) continue;
    if (w->TabStop()) list.push_back(w);
    CollectTabStops(w, list);
  }
}

}  // namespace

TRect TMonitor::BoundsRect() const {
  MONITORINFO info{sizeof(info), {}, {}, 0};
  GetMonitorInfoW(monitor_, &info);
  return FromRECT(info.rcMonitor);
}

TRect TMonitor::WorkareaRect() const {
  MONITORINFO info{sizeof(info), {}, {}, 0};
  GetMonitorInfoW(monitor_, &info);
  return FromRECT(info.rcWork);
}

TCustomForm::TCustomForm(TComponent* owner, bool createNew)
    : TWinControl(owner), createNew_(createNew), icon_(std::make_unique<TIcon>()),
      canvas_(std::make_unique<TCanvas>()) {
  Application->Initialize();
  ControlStyle() = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetVisible(false);
  SetParentFont(false);
  SetColor(clBtnFace);
  StoreBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  Destroying();
  if (created_) {
    try {
      DoDestroy();
    } catch (...) {
      Application->HandleException(this);
    }
  }
  Screen->RemoveForm(this);
  Application->FormDestroyed(this);
  // The form's components (a skin provider among them) go while the window
  // still exists, so they can detach from it; then the window. A component
  // that swapped WindowProc leaves with it: the window's last messages (its
  // text read back, WM_DESTROY) go to the form's own procedure.
  SetWindowProc(nullptr);
  DestroyComponents();
  if (HandleAllocated()) DestroyHandle();
}

void TCustomForm::AfterConstruction() {
  TWinControl::AfterConstruction();
  if (!createNew_ && HasFormResource(ClassName())) ReadComponentResource(this, ClassName());
  created_ = true;
  DoCreate();
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (pendingClientWidth_ >= 0) SetClientWidth(pendingClientWidth_);
  if (pendingClientHeight_ >= 0) SetClientHeight(pendingClientHeight_);
  pendingClientWidth_ = pendingClientHeight_ = -1;
  Realign();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::PaintWindow(HDC dc) {
  TCanvasPaintScope scope(*canvas_, dc);
  Paint();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (borderIcons_ == value) return;
  borderIcons_ = value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (formStyle_ == value) return;
  formStyle_ = value;
  if (HandleAllocated() && (value == fsStayOnTop || value == fsNormal))
    SetWindowPos(Handle(), value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const {
  if (HandleAllocated() && Showing()) {
    HWND h = const_cast<TCustomForm*>(this)->Handle();
    if (IsIconic(h)) return wsMinimized;
    if (IsZoomed(h)) return wsMaximized;
    return wsNormal;
  }
  return windowState_;
}

void TCustomForm::SetWindowState(TWindowState value) {
  windowState_ = value;
  if (HandleAllocated() && Showing())
    ShowWindow(Handle(), value == wsMinimized ? SW_MINIMIZE : value == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

int TCustomForm::ShowCommand() const {
  switch (windowState_) {
    case wsMinimized: return SW_SHOWMINIMIZED;
    case wsMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
  }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu_ == menu) return;
  if (menu_) {
    menu_->SetWindowHandle(nullptr);
    menu_->RemoveFreeNotification(this);
  }
  menu_ = menu;
  if (menu) menu->FreeNotification(this);
  AttachMenu();
  Perform(CM_MENUCHANGED);
}

void TCustomForm::AttachMenu() {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  if (menu_) menu_->SetWindowHandle(h);
  ::SetMenu(h, menu_ ? menu_->Handle() : nullptr);
  DrawMenuBar(h);
}

bool TCustomForm::DispatchMenu(TMessage& m) {
  LRESULT result = 0;
  if (!DispatchMenuMessage(m.Msg, m.WParam, m.LParam, result)) return false;
  m.Result = result;
  return true;
}

void TCustomForm::SetAlphaBlend(bool value) {
  if (alphaBlend_ == value) return;
  alphaBlend_ = value;
  ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlendValue(uint8_t value) {
  if (alphaBlendValue_ == value) return;
  alphaBlendValue_ = value;
  ApplyAlphaBlend();
}

void TCustomForm::ApplyAlphaBlend() {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
  if (alphaBlend_) {
    SetWindowLongW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(h, 0, alphaBlendValue_, LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongW(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
  }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && !ContainsControl(control)) throw EComponentError(L"Invalid active control");
  activeControl_ = control;
  if (control && HandleAllocated() && Showing() && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::FocusControlChanged(TWinControl* control) {
  if (activeControl_ == control && Screen->ActiveControl() == control) return;
  TWinControl* old = activeControl_;
  activeControl_ = control;
  Screen->SetActiveControl(control);
  if (old && old != control) {
    old->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(control));
    old->Perform(CM_EXIT);
  }
  if (control && old != control) control->Perform(CM_ENTER);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

TMonitor* TCustomForm::Monitor() {
  HMONITOR m = HandleAllocated() ? MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST)
                                 : MonitorFromPoint(POINT{Left(), Top()}, MONITOR_DEFAULTTONEAREST);
  monitor_ = std::make_unique<TMonitor>(m);
  return monitor_.get();
}

TSize TCustomForm::FrameSize() const {
  TCreateParams p;
  const_cast<TCustomForm*>(this)->CreateParams(p);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, p.Style, menu_ != nullptr, p.ExStyle);
  return TSize{r.right - r.left, r.bottom - r.top};
}

TRect TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  const TSize frame = FrameSize();
  return Rect(0, 0, std::max(0, Width() - frame.cx), std::max(0, Height() - frame.cy));
}

void TCustomForm::SetClientWidth(int value) {
  if (ComponentState().Contains(csLoading)) pendingClientWidth_ = value;
  SetWidth(value + Width() - ClientWidth());
}

void TCustomForm::SetClientHeight(int value) {
  if (ComponentState().Contains(csLoading)) pendingClientHeight_ = value;
  SetHeight(value + Height() - ClientHeight());
}

void TCustomForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS);
  p.Style |= WS_CLIPCHILDREN;
  p.WndParent = ParentWindow() ? ParentWindow() : Application->Handle();
  p.WindowClass.style = CS_DBLCLKS;
  switch (borderStyle_) {
    case bsNone: p.Style |= WS_POPUP; break;
    case bsSingle: p.Style |= WS_CAPTION; break;
    case bsSizeable: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      p.Style |= WS_POPUP | WS_CAPTION;
      p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      p.Style |= WS_CAPTION;
      p.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      p.Style |= WS_CAPTION | WS_THICKFRAME;
      p.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
    p.Style |= WS_SYSMENU;
    if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
      if (borderIcons_.Contains(biMinimize)) p.Style |= WS_MINIMIZEBOX;
      if (borderIcons_.Contains(biMaximize)) p.Style |= WS_MAXIMIZEBOX;
    }
    if (borderIcons_.Contains(biHelp) && !(p.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      p.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (formStyle_ == fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
  if (alphaBlend_) p.ExStyle |= WS_EX_LAYERED;
  if (formStyle_ == fsMDIChild) {
    // Made by the main form's MDI client: CreateWindowEx routes this style there.
    TCustomForm* main = Application->MainForm();
    if (main && main != this && main->ClientHandle()) {
      p.ExStyle |= WS_EX_MDICHILD;
      p.WndParent = main->ClientHandle();
      return;
    }
  }
  if (Application->MainForm() == this || !Application->MainForm()) p.ExStyle |= WS_EX_APPWINDOW;
}

void TCustomForm::CreateWindowDone() {
  HWND h = Handle();
  if (formStyle_ == fsMDIForm) CreateMDIClient();
  if (menu_) AttachMenu();
  if (!icon_->Empty()) SendMessageW(h, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_->Handle()));
  ApplyAlphaBlend();
}

void TCustomForm::CenterOnWorkArea() {
  const TRect area = position_ == poDesktopCenter ? Rect(0, 0, Screen->Width(), Screen->Height())
                                                  : Screen->WorkAreaRect();
  SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated()) SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    default: Release(); break;
  }
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) modalResult_ = mrNone;
  else if (action == caFree) Release();
}

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EComponentError(L"Cannot make a visible window modal");
  if (GetCapture()) SendMessageW(GetCapture(), WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  HWND self = Handle();
  struct Disabled {
    HWND self;
    std::vector<HWND> windows;
  } disabled{self, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM data) -> BOOL {
        auto* d = reinterpret_cast<Disabled*>(data);
        if (w != d->self && IsWindowVisible(w) && IsWindowEnabled(w)) {
          d->windows.push_back(w);
          EnableWindow(w, FALSE);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  HWND activeBefore = GetActiveWindow();
  modal_ = true;
  modalResult_ = mrNone;
  auto restore = [&] {
    for (HWND w : disabled.windows)
      if (IsWindow(w)) EnableWindow(w, TRUE);
    modal_ = false;
    if (HandleAllocated()) Hide();
    if (activeBefore && IsWindow(activeBefore)) SetActiveWindow(activeBefore);
  };
  try {
    Show();
    for (;;) {
      Application->HandleMessage();
      if (Application->Terminated()) {
        if (modalResult_ == mrNone) modalResult_ = mrCancel;
        break;
      }
      if (modalResult_ != mrNone) {
        CloseModal();
        if (modalResult_ != mrNone) break;
      }
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return modalResult_;
}

bool TCustomForm::BroadcastDialogKey(TWinControl* parent, TMessage& m) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->Visible() || !c->Enabled()) continue;
    m.Result = c->Perform(m.Msg, m.WParam, m.LParam);
    if (m.Result) return true;
    if (auto* w = dynamic_cast<TWinControl*>(c); w && BroadcastDialogKey(w, m)) return true;
  }
  return false;
}

void TCustomForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> stops;
  CollectTabStops(this, stops);
  if (stops.empty()) return;
  auto it = std::find(stops.begin(), stops.end(), current);
  size_t index;
  if (it == stops.end()) index = forward ? 0 : stops.size() - 1;
  else {
    const size_t at = static_cast<size_t>(it - stops.begin());
    index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  }
  stops[index]->SetFocus();
}

void TCustomForm::WndProc(TMessage& m) {
  if (IsMenuMessage(m) && DispatchMenu(m)) return;
  switch (m.Msg) {
    case CM_MENUCHANGED:
      // The menu layer rebuilds its handles when items change.
      AttachMenu();
      break;
    case CM_VISIBLECHANGED:
      if (m.WParam) {
        if (position_ == poScreenCenter || position_ == poDesktopCenter ||
            (position_ == poMainFormCenter && !Application->MainForm()))
          CenterOnWorkArea();
        DoShow();
        TWinControl::WndProc(m);
      } else {
        TWinControl::WndProc(m);
        DoHide();
      }
      return;
    case WM_CLOSE:
      Close();
      return;
    case CM_RELEASE:
      delete this;
      return;
    case WM_ACTIVATE: {
      const bool activating = LOWORD(m.WParam) != WA_INACTIVE;
      active_ = activating;
      if (activating) {
        Screen->SetActiveForm(this);
        if (OnActivate) OnActivate(this);
        if (activeControl_ && activeControl_->HandleAllocated() && activeControl_->CanFocus() &&
            !HIWORD(m.WParam)) {
          ::SetFocus(activeControl_->Handle());
          m.Result = 0;
          return;
        }
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      break;
    }
    case WM_ACTIVATEAPP:
      SendMessageW(Application->Handle(), m.WParam ? CM_ACTIVATE : CM_DEACTIVATE, 0, 0);
      break;
    case WM_GETMINMAXINFO: {
      DefaultHandler(m);
      auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
      if (Constraints()->MinWidth() > 0) info->ptMinTrackSize.x = Constraints()->MinWidth();
      if (Constraints()->MinHeight() > 0) info->ptMinTrackSize.y = Constraints()->MinHeight();
      if (Constraints()->MaxWidth() > 0) info->ptMaxTrackSize.x = Constraints()->MaxWidth();
      if (Constraints()->MaxHeight() > 0) info->ptMaxTrackSize.y = Constraints()->MaxHeight();
      return;
    }
    case CM_DIALOGCHAR:
      if (BroadcastDialogKey(this, m)) return;
      m.Result = 0;
      return;
    case WM_CANCELMODE:
      if (activeControl_) activeControl_->Perform(CM_CANCELMODE);
      break;
    case CM_DIALOGKEY:
      if (m.WParam == VK_TAB && !(KeyboardShiftState().Contains(ssCtrl) || KeyboardShiftState().Contains(ssAlt))) {
        SelectNext(activeControl_, !KeyboardShiftState().Contains(ssShift));
        m.Result = 1;
        return;
      }
      if (BroadcastDialogKey(this, m)) return;
      m.Result = 0;
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  TWinControl::GetChildren(proc, root);
  for (int i = 0; i < ComponentCount(); ++i) {
    TComponent* c = Components(i);
    if (!c->HasParent()) proc(c);
  }
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == activeControl_) activeControl_ = nullptr;
  if (menu_ && component == menu_) menu_ = nullptr;
  if (windowMenu_ && component == windowMenu_) windowMenu_ = nullptr;
}

}  // namespace classlib
