#include "classlib/controls/WinControl.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/controls/CallbackGuard.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/Screen.h"

namespace classlib {

namespace {

const wchar_t kControlProperty[] = L"ClasslibControl";
thread_local TWinControl* creatingControl = nullptr;

// Native controls (buttons, check boxes) clip their printing to their client
// rectangle mapped back through the DC, which a moved viewport empties: each
// windowed child is printed at the origin of a DC of its own and copied in.
void PaintChildTo(TWinControl& child, HDC dc) {
  const int width = child.Width(), height = child.Height();
  if (width <= 0 || height <= 0) return;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const auto release = [&] {
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
  };
  // What lies under the child shows where it prints nothing (its frame).
  BitBlt(memory, 0, 0, width, height, dc, child.Left(), child.Top(), SRCCOPY);
  try {
    child.PaintTo(memory, 0, 0);
  } catch (...) {
    release();
    throw;
  }
  BitBlt(dc, child.Left(), child.Top(), width, height, memory, 0, 0, SRCCOPY);
  release();
}

TControl* mouseControl = nullptr;    // the control CM_MOUSEENTER went to last
TControl* captureControl = nullptr;  // a windowless control holding the mouse

bool IsWindowed(const TControl* c) { return dynamic_cast<const TWinControl*>(c) != nullptr; }

void SetMouseControl(TControl* control) {
  if (control == mouseControl) return;
  TControl* old = mouseControl;
  mouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (control) control->Perform(CM_MOUSEENTER);
}


}  // namespace

namespace detail {
void ForgetControl(TControl* control) {
  if (Screen->ActiveControl() == control) Screen->SetActiveControl(nullptr);
  if (mouseControl == control) mouseControl = nullptr;
  if (captureControl == control) captureControl = nullptr;
}
}  // namespace detail

TControl* MouseControl() { return mouseControl; }

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetPropW(window, kControlProperty));
  if (!control) {
    control = creatingControl;
    if (!control) return DefWindowProcW(window, msg, wParam, lParam);
    creatingControl = nullptr;
    control->BindHandle(window);
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    TWndMethod proc = control->WindowProc();
    proc(m);
  } catch (...) {
    HandleCallbackException(control);
  }
  if (msg == WM_NCDESTROY) control->UnbindHandle();
  return m.Result;
}

TWinControl* FindControl(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetPropW(window, kControlProperty));
}

TControl* FindDragTarget(TPoint screenPos, bool allowDisabled) {
  HWND window = WindowFromPoint(POINT{screenPos.X, screenPos.Y});
  TWinControl* control = nullptr;
  for (HWND w = window; w && !control; w = GetParent(w)) control = FindControl(w);
  if (!control) return nullptr;
  TControl* result = control;
  // Windows of disabled children are transparent to WindowFromPoint: go down
  // through the control tree as well.
  for (;;) {
    auto* parent = dynamic_cast<TWinControl*>(result);
    if (!parent) break;
    TControl* child = parent->ControlAtPos(parent->ScreenToClient(screenPos), allowDisabled, true);
    if (!child) break;
    result = child;
  }
  if (!allowDisabled && !result->Enabled()) return nullptr;
  return result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner), brush_(std::make_unique<TBrush>()) {
  brush_->SetColor(Color());
}

TWinControl::~TWinControl() {
  Destroying();
  // Whoever swapped WindowProc may be gone already: the dying window's last
  // messages go to this class's own procedure.
  SetWindowProc(nullptr);
  if (handle_) DestroyHandle();
  DestroyChildren();
}

void TWinControl::DestroyChildren() {
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    delete child;
  }
}

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::SetParentWindow(HWND value) {
  if (parentWindow_ == value) return;
  parentWindow_ = value;
  if (handle_ && !Parent()) RecreateWnd();
}

void TWinControl::BindHandle(HWND handle) {
  handle_ = handle;
  SetPropW(handle, kControlProperty, this);
}

void TWinControl::UnbindHandle() {
  if (!handle_) return;
  RemovePropW(handle_, kControlProperty);
  handle_ = nullptr;
  trackingLeave_ = false;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Caption = text_;
  p.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) p.Style |= WS_CLIPCHILDREN;
  if (Visible()) p.Style |= WS_VISIBLE;
  if (!Enabled()) p.Style |= WS_DISABLED;
  if (tabStop_) p.Style |= WS_TABSTOP;
  p.X = Left();
  p.Y = Top();
  p.Width = Width();
  p.Height = Height();
  p.WndParent = Parent() ? Parent()->Handle() : parentWindow_;
  p.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  p.WindowClass.lpfnWndProc = ControlWindowProc;
  p.WindowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  p.WindowClass.hInstance = GetModuleHandleW(nullptr);
  p.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& p, const wchar_t* systemClass) {
  WNDCLASSW wc{};
  if (!GetClassInfoW(nullptr, systemClass, &wc)) throw EComponentError(L"Window class not found");
  wc.style &= ~CS_GLOBALCLASS;
  wc.lpfnWndProc = ControlWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  p.WindowClass = wc;
  p.SysClassName = systemClass;
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateWnd();
  PlaceAmongSiblings();
  if (HFONT font = Font()->Handle()) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  // Hidden children get their windows when they are first shown or asked
  // for: a form with many hidden pages opens without making their windows.
  for (TControl* c : std::vector<TControl*>(controls_))
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible()) w->CreateHandle();
  Realign();
  CreateWindowDone();
  if (!Parent() || Parent()->showing_) ApplyShowing(IsWindowVisible(handle_) != FALSE);
}

void TWinControl::PlaceAmongSiblings() {
  // A new child window goes to the bottom of its siblings, so windows made in
  // list order stack in list order. One made later, while a sibling after it
  // in the list already has a window, goes right below the window before it.
  if (!Parent()) return;
  const std::vector<TControl*>& siblings = Parent()->controls_;
  HWND above = HWND_TOP;
  bool laterHasWindow = false;
  bool passedSelf = false;
  for (TControl* c : siblings) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w == this) {
      passedSelf = true;
    } else if (w && w->handle_) {
      if (passedSelf) {
        laterHasWindow = true;
        break;
      }
      above = w->handle_;
    }
  }
  if (laterHasWindow)
    SetWindowPos(handle_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if ((p.Style & WS_CHILD) && !p.WndParent) throw EComponentError(L"Control '" + Name() + L"' has no parent window");
  defWndProc_ = DefWindowProcW;
  if (!p.SysClassName.empty()) {
    WNDCLASSW system{};
    if (GetClassInfoW(nullptr, p.SysClassName.c_str(), &system)) defWndProc_ = system.lpfnWndProc;
  }
  WNDCLASSW existing{};
  const bool registered = GetClassInfoW(p.WindowClass.hInstance, p.WinClassName.c_str(), &existing) != FALSE;
  if (!registered || existing.lpfnWndProc != ControlWindowProc) {
    if (registered) UnregisterClassW(p.WinClassName.c_str(), p.WindowClass.hInstance);
    p.WindowClass.lpszClassName = p.WinClassName.c_str();
    if (!RegisterClassW(&p.WindowClass)) throw EComponentError(L"Cannot register window class " + p.WinClassName);
  }
  CreateWindowHandle(p);
  if (!handle_) throw EComponentError(L"Cannot create window of " + Name());
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
  static UINT_PTR nextId = 100;
  HMENU id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(nextId++) : nullptr;
  TWinControl* previous = creatingControl;
  creatingControl = this;
  HWND window = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                                p.Height, p.WndParent, id, p.WindowClass.hInstance, p.Param);
  creatingControl = previous;
  if (window && !handle_) BindHandle(window);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  text_ = GetText();
  ControlState().Include(csDestroyingHandle);
  HWND window = handle_;
  DestroyWindow(window);
  UnbindHandle();
  ControlState().Exclude(csDestroyingHandle);
  showing_ = false;
}

void TWinControl::RecreateWnd() { Perform(CM_RECREATEWND); }

void TWinControl::UpdateShowing() {
  const bool parentShowing = Parent() ? Parent()->showing_ : true;
  const bool want = Visible() && parentShowing;
  if (want && !handle_ && (!Parent() || Parent()->handle_)) CreateHandle();
  if (handle_) {
    const bool styleVisible = (GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (styleVisible != Visible()) ShowWindow(handle_, Visible() ? ShowCommand() : SW_HIDE);
  }
  ApplyShowing(want && handle_);
}

void TWinControl::ApplyShowing(bool showing) {
  if (showing_ != showing) {
    showing_ = showing;
    if (!ComponentState().Contains(csDestroying)) Perform(CM_SHOWINGCHANGED);
  }
  for (TControl* c : std::vector<TControl*>(controls_))
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      if (w->handle_) w->ApplyShowing(showing && w->Visible());
      else if (showing && w->Visible()) w->UpdateShowing();  // makes its window now
    }
}

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->parent_ == this) return;
  controls_.push_back(control);
  control->parent_ = this;
  control->HandleParentChanged(CM_PARENTFONTCHANGED);
  control->HandleParentChanged(CM_PARENTCOLORCHANGED);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (handle_) {
      if (w->handle_) ::SetParent(w->handle_, handle_);
      else w->CreateHandle();
      w->UpdateShowing();
    } else if (w->handle_) {
      w->DestroyHandle();
    }
  } else {
    control->InvalidateControl();
  }
  if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  if (mouseControl == control) mouseControl = nullptr;
  if (captureControl == control) captureControl = nullptr;
  if (!ComponentState().Contains(csDestroying)) {
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
    control->InvalidateControl();
  }
  controls_.erase(std::find(controls_.begin(), controls_.end(), control));
  control->parent_ = nullptr;
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (w->handle_) w->DestroyHandle();
    w->showing_ = false;
  }
  if (control->Align() != alNone && !ComponentState().Contains(csDestroying)) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    if (!allowWinControls && IsWindowed(c)) continue;
    if (pos.X >= c->Left() && pos.X < c->Left() + c->Width() && pos.Y >= c->Top() && pos.Y < c->Top() + c->Height())
      return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* c : std::vector<TControl*>(controls_)) {
    TWndMethod proc = c->WindowProc();
    proc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::SetTabStop(bool value) {
  if (tabStop_ == value) return;
  tabStop_ = value;
  if (handle_) {
    LONG style = GetWindowLongW(handle_, GWL_STYLE);
    SetWindowLongW(handle_, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
  Perform(CM_TABSTOPCHANGED);
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(); form && form != this) form->SetActiveControl(this);
  else ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetBorderWidth(int value) {
  if (borderWidth_ == value) return;
  borderWidth_ = value;
  Realign();
  Invalidate();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  ApplyConstraints(width, height);
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (handle_) {
    // WM_WINDOWPOSCHANGED stores the bounds the window really took.
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    StoreBounds(left, top, width, height);
  }
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  RECT r;
  // A minimised window lies far off screen: keep its normal bounds.
  if (!handle_ || IsIconic(handle_) || !GetWindowRect(handle_, &r)) return;
  if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) {
    if (HWND parent = GetParent(handle_)) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinControl::Resize() {
  const bool loading = ComponentState().Contains(csLoading);
  if (anchorWidth_ >= 0 && !loading) {
    const int dw = ClientWidth() - anchorWidth_, dh = ClientHeight() - anchorHeight_;
    if (dw || dh) {
      for (TControl* c : std::vector<TControl*>(controls_)) {
        if (c->Align() != alNone) continue;
        const TAnchors a = c->Anchors();
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a.Contains(akRight)) (a.Contains(akLeft) ? w : l) += dw;
        if (a.Contains(akBottom)) (a.Contains(akTop) ? h : t) += dh;
        c->SetBounds(l, t, w, h);
      }
    }
  }
  anchorWidth_ = ClientWidth();
  anchorHeight_ = ClientHeight();
  Realign();
  TControl::Resize();
}

TRect TWinControl::ClientRect() const {
  if (handle_) {
    RECT r;
    GetClientRect(handle_, &r);
    return FromRECT(r);
  }
  return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
  if (handle_) {
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return Point(p.x, p.y);
  }
  return TControl::ClientOrigin();
}

void TWinControl::Invalidate() { Perform(CM_INVALIDATE); }

void TWinControl::InvalidateControl() {
  if (handle_) InvalidateRect(handle_, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || ControlState().Contains(csAligning)) return;
  TRect r = ClientRect();
  AdjustClientRect(r);
  ControlState().Include(csAligning);
  try {
    AlignControls(nullptr, r);
  } catch (...) {
    ControlState().Exclude(csAligning);
    throw;
  }
  ControlState().Exclude(csAligning);
}

void TWinControl::AdjustClientRect(TRect& rect) {
  rect.Left += borderWidth_;
  rect.Top += borderWidth_;
  rect.Right -= borderWidth_;
  rect.Bottom -= borderWidth_;
}

void TWinControl::AlignControls(TControl* /*control*/, TRect& r) {
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : std::vector<TControl*>(controls_)) {
      if (c->Align() != align || !c->Visible()) continue;
      switch (align) {
        case alTop:
          c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
          r.Top += c->Height();
          break;
        case alBottom:
          c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
          r.Bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
          r.Left += c->Width();
          break;
        case alRight:
          c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
          r.Right -= c->Width();
          break;
        default:
          c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
          break;
      }
    }
  }
}

void TWinControl::SetTextBuf(const std::wstring& value) {
  text_ = value;
  if (handle_) SetWindowTextW(handle_, value.c_str());
}

std::wstring TWinControl::GetText() const {
  if (!handle_) return text_;
  const int length = GetWindowTextLengthW(handle_);
  std::wstring s(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(handle_, s.data(), length + 1);
  s.resize(static_cast<size_t>(std::max(got, 0)));
  return s;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (handle_) m.Result = CallWindowProcW(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
  else TControl::DefaultHandler(m);
}

void TWinControl::ReflectNotification(TMessage& m) {
  TWinControl* target = nullptr;
  UINT reflected = CN_BASE + m.Msg;
  switch (m.Msg) {
    case WM_NOTIFY:
      target = FindControl(reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom);
      break;
    case WM_DRAWITEM:
      target = FindControl(reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem);
      break;
    case WM_MEASUREITEM: {
      const UINT id = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlID;
      for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->handle_ && static_cast<UINT>(GetDlgCtrlID(w->handle_)) == id)
          target = w;
      break;
    }
    default:
      target = FindControl(reinterpret_cast<HWND>(m.LParam));
      break;
  }
  if (target && target != this) m.Result = target->Perform(reflected, m.WParam, m.LParam);
  else DefaultHandler(m);
}

bool TWinControl::RouteMouseToChild(TMessage& m) {
  TControl* target = nullptr;
  if (captureControl && captureControl->Parent() == this) target = captureControl;
  else target = ControlAtPos(Point(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)), false);
  if (!target) return false;
  const int x = GET_X_LPARAM(m.LParam) - target->Left(), y = GET_Y_LPARAM(m.LParam) - target->Top();
  switch (m.Msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
      if (target->ControlStyle().Contains(csCaptureMouse)) {
        captureControl = target;
        SetCapture(handle_);
      }
      break;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      if (captureControl == target && !(m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
        captureControl = nullptr;
        if (GetCapture() == handle_) ReleaseCapture();
      }
      break;
    default:
      break;
  }
  m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(x, y));
  return true;
}

void TWinControl::TrackMouse(TMessage& m) {
  TControl* over = captureControl && captureControl->Parent() == this
                       ? captureControl
                       : ControlAtPos(Point(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)), false);
  SetMouseControl(over ? over : this);
  if (!trackingLeave_ && handle_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
}

void TWinControl::HandleSetCursor(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT) {
    TCursor cursor = Screen ? Screen->Cursor() : crDefault;
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      ::ScreenToClient(handle_, &p);
      TControl* child = ControlAtPos(Point(p.x, p.y), false);
      cursor = child ? child->Cursor() : Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(CursorHandle(cursor));
      m.Result = 1;
      return;
    }
  }
  DefaultHandler(m);
}

void TWinControl::EraseBackground(TMessage& m) {
  if (defWndProc_ != DefWindowProcW || !m.WParam) {
    DefaultHandler(m);
    return;
  }
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush_->Handle());
  m.Result = 1;
}

void TWinControl::PaintHandler(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps{};
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(handle_, &ps);
  try {
    const int saved = SaveDC(dc);
    // Opaque windowless children paint over their area: keep the window from
    // painting it first.
    for (TControl* c : controls_)
      if (!IsWindowed(c) && c->Visible() && c->ControlStyle().Contains(csOpaque))
        ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
    PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
  } catch (...) {
    if (own) EndPaint(handle_, &ps);
    throw;
  }
  if (own) EndPaint(handle_, &ps);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage m{ControlState().Contains(csPrintClient) ? static_cast<UINT>(WM_PRINTCLIENT) : static_cast<UINT>(WM_PAINT),
             reinterpret_cast<WPARAM>(dc), ControlState().Contains(csPrintClient) ? PRF_CLIENT : 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  bool started = first == nullptr;
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (!started) {
      if (c != first) continue;
      started = true;
    }
    if (IsWindowed(c) || !c->Visible()) continue;
    const RECT bounds{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
    if (!RectVisible(dc, &bounds)) continue;
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  HandleNeeded();
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, x, y, nullptr);
  IntersectClipRect(dc, 0, 0, Width(), Height());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ControlState().Include(csPrintClient);
  TMessage m{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT, 0};
  try {
    PaintHandler(m);
  } catch (...) {
    ControlState().Exclude(csPrintClient);
    RestoreDC(dc, saved);
    throw;
  }
  ControlState().Exclude(csPrintClient);
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible()) PaintChildTo(*w, dc);
  RestoreDC(dc, saved);
}

bool TWinControl::DoKeyDown(WORD& key, TShiftState shift) {
  TCustomForm* form = GetParentForm();
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyDown(key, shift)) return true;
  if (key != 0) KeyDown(key, shift);
  return key == 0;
}

bool TWinControl::DoKeyPress(wchar_t& key) {
  TCustomForm* form = GetParentForm();
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyPress(key)) return true;
  if (key != 0) KeyPress(key);
  return key == 0;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::WndProc(TMessage& m) {
  const bool destroying = ComponentState().Contains(csDestroying);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (!destroying) TrackMouse(m);
      if (RouteMouseToChild(m)) return;
      break;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (mouseControl == this || (mouseControl && mouseControl->Parent() == this && !IsWindowed(mouseControl)))
        SetMouseControl(nullptr);
      DefaultHandler(m);
      return;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      if (RouteMouseToChild(m)) return;
      break;
    case WM_CONTEXTMENU:
      if (m.LParam != -1) {
        const TPoint p = ScreenToClient(Point(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)));
        if (TControl* child = ControlAtPos(p, false)) {
          m.Result = child->Perform(m.Msg, m.WParam, m.LParam);
          if (m.Result) return;
        }
      }
      break;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
      if (m.LParam) {
        ReflectNotification(m);
        return;
      }
      break;
    case WM_NOTIFY:
      ReflectNotification(m);
      return;
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->CtlType != ODT_MENU) {
        ReflectNotification(m);
        return;
      }
      break;
    case WM_MEASUREITEM:
      if (reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType != ODT_MENU) {
        ReflectNotification(m);
        return;
      }
      break;
    case CN_CTLCOLORBTN: case CN_CTLCOLORDLG: case CN_CTLCOLOREDIT: case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORMSGBOX: case CN_CTLCOLORSCROLLBAR: case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
      SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Color())));
      m.Result = reinterpret_cast<LRESULT>(brush_->Handle());
      return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: {
      const WPARAM key = m.WParam;
      if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_CANCEL ||
          (key >= VK_LEFT && key <= VK_DOWN)) {
        const LRESULT code = handle_ ? SendMessageW(handle_, WM_GETDLGCODE, 0, 0) : 0;
        bool wanted = (code & DLGC_WANTALLKEYS) != 0;
        if (key == VK_TAB) wanted = wanted || (code & DLGC_WANTTAB);
        if (key >= VK_LEFT && key <= VK_DOWN) wanted = wanted || (code & DLGC_WANTARROWS);
        TCustomForm* form = GetParentForm();
        if (!wanted && form && form->Perform(CM_DIALOGKEY, key, m.LParam)) {
          m.Result = 1;
          return;
        }
      }
      m.Result = 0;
      return;
    }
    case CN_CHAR:
    case CN_SYSCHAR: {
      // Characters the control does not take may be accelerators of the form.
      const LRESULT code = handle_ ? SendMessageW(handle_, WM_GETDLGCODE, 0, 0) : 0;
      TCustomForm* form = GetParentForm();
      m.Result = 0;
      if ((m.Msg == CN_SYSCHAR || !(code & DLGC_WANTCHARS)) && form &&
          form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam))
        m.Result = 1;
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      WORD key = static_cast<WORD>(m.WParam);
      if (!destroying && DoKeyDown(key, KeyboardShiftState())) return;
      m.WParam = key;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      WORD key = static_cast<WORD>(m.WParam);
      if (!destroying) KeyUp(key, KeyboardShiftState());
      if (key == 0) return;
      m.WParam = key;
      break;
    }
    case WM_CHAR: {
      wchar_t key = static_cast<wchar_t>(m.WParam);
      if (!destroying && DoKeyPress(key)) return;
      m.WParam = key;
      break;
    }
    case WM_SETFOCUS:
      if (!destroying)
        if (TCustomForm* form = GetParentForm(); form && form != this) form->FocusControlChanged(this);
      break;
    case CM_ENTER:
      DoEnter();
      break;
    case CM_FOCUSCHANGED:
      for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(m.Msg, m.WParam, m.LParam);
      break;
    case CM_EXIT:
      DoExit();
      break;
    case WM_SETCURSOR:
      HandleSetCursor(m);
      return;
    case WM_ERASEBKGND:
      EraseBackground(m);
      return;
    case WM_PAINT: {
      const bool hasGraphicChildren =
          std::any_of(controls_.begin(), controls_.end(), [](TControl* c) { return !IsWindowed(c); });
      if (defWndProc_ != DefWindowProcW && !hasGraphicChildren) break;
      PaintHandler(m);
      return;
    }
    case WM_PRINTCLIENT:
      ControlState().Include(csPrintClient);
      try {
        PaintHandler(m);
      } catch (...) {
        ControlState().Exclude(csPrintClient);
        throw;
      }
      ControlState().Exclude(csPrintClient);
      return;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(m);
      if (!(reinterpret_cast<WINDOWPOS*>(m.LParam)->flags & SWP_NOSIZE) ||
          !(reinterpret_cast<WINDOWPOS*>(m.LParam)->flags & SWP_NOMOVE))
        UpdateBounds();
      return;
    case CM_VISIBLECHANGED:
      UpdateShowing();
      break;
    case CM_ENABLEDCHANGED:
      if (handle_) EnableWindow(handle_, Enabled());
      break;
    case CM_COLORCHANGED: {
      brush_->SetColor(Color());
      Invalidate();
      TMessage notify{CM_PARENTCOLORCHANGED, 0, 0, 0};
      for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(notify.Msg);
      break;
    }
    case CM_FONTCHANGED: {
      if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
      for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTFONTCHANGED);
      break;
    }
    case CM_RECREATEWND:
      if (handle_ && !destroying) {
        ControlState().Include(csRecreating);
        DestroyHandle();
        ControlState().Exclude(csRecreating);
        if (!Parent() || Parent()->handle_) CreateHandle();
        UpdateShowing();
      }
      return;
    default:
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TControl* c : controls_)
    if (c->Owner() == root) proc(c);
}

}  // namespace classlib
