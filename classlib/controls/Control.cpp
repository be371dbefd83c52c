#include "classlib/controls/Control.h"

#include <windowsx.h>

#include "classlib/controls/Forms.h"
#include "classlib/controls/WinControl.h"
#include "classlib/menus/Menus.h"

namespace classlib {

TControl::TControl(TComponent* owner)
    : TComponent(owner), font_(std::make_unique<TFont>()), constraints_(std::make_unique<TSizeConstraints>()) {
  windowProc_ = [this](TMessage& m) { WndProc(m); };
  font_->SetOnChange([this](TObject*) { FontChanged(); });
  constraints_->OnChange = [this](TObject*) { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
  SetWindowProc(nullptr);
  detail::ForgetControl(this);
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetWindowProc(TWndMethod proc) {
  windowProc_ = proc ? std::move(proc) : TWndMethod([this](TMessage& m) { WndProc(m); });
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  // A copy: the procedure may swap WindowProc while it runs.
  TWndMethod proc = windowProc_;
  proc(m);
  return m.Result;
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXT:
      if (message.WParam > 0 && message.LParam) {
        const size_t n = std::min(text_.size(), static_cast<size_t>(message.WParam) - 1);
        auto* buffer = reinterpret_cast<wchar_t*>(message.LParam);
        text_.copy(buffer, n);
        buffer[n] = 0;
        message.Result = static_cast<LRESULT>(n);
      }
      break;
    case WM_GETTEXTLENGTH: message.Result = static_cast<LRESULT>(text_.size()); break;
    default: break;
  }
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: case WM_MOUSEMOVE:
      HandleMouseMessage(m);
      break;
    case WM_CONTEXTMENU:
      HandleContextMenu(m);
      return;
    case CM_MOUSEENTER:
      MouseEnter();
      break;
    case CM_MOUSELEAVE:
      MouseLeave();
      break;
    case CM_INVALIDATE:
      InvalidateControl();
      break;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      if (!dynamic_cast<TWinControl*>(this)) InvalidateControl();
      break;
    case CM_PARENTFONTCHANGED:
    case CM_PARENTCOLORCHANGED:
      HandleParentChanged(m.Msg);
      break;
    default:
      break;
  }
  DefaultHandler(m);
}

void TControl::HandleMouseMessage(TMessage& m) {
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  TShiftState shift = MouseShiftState(m.WParam);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      return;
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
      shift.Include(ssDouble);
      if (m.Msg == WM_LBUTTONDBLCLK && controlStyle_.Contains(csDoubleClicks)) DblClick();
      [[fallthrough]];
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: {
      const TMouseButton button = (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) ? mbLeft
                                  : (m.Msg == WM_RBUTTONDOWN || m.Msg == WM_RBUTTONDBLCLK) ? mbRight
                                                                                             : mbMiddle;
      if (button == mbLeft) {
        controlState_.Include(csLButtonDown);
        if (controlStyle_.Contains(csClickEvents) && !shift.Contains(ssDouble)) controlState_.Include(csClicked);
      }
      MouseDown(button, shift, x, y);
      return;
    }
    default: {
      const TMouseButton button = m.Msg == WM_LBUTTONUP ? mbLeft : m.Msg == WM_RBUTTONUP ? mbRight : mbMiddle;
      if (button == mbLeft) controlState_.Exclude(csLButtonDown);
      MouseUp(button, shift, x, y);
      if (button == mbLeft && controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        const TRect r = ClientRect();
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) Click();
      }
      // A windowless control has no window to get WM_CONTEXTMENU from.
      if (button == mbRight && !dynamic_cast<TWinControl*>(this)) {
        const TPoint p = ClientToScreen(Point(x, y));
        Perform(WM_CONTEXTMENU, 0, MAKELPARAM(p.X, p.Y));
      }
      return;
    }
  }
}

void TControl::HandleContextMenu(TMessage& m) {
  TPoint screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const bool fromKeyboard = screen.X == -1 && screen.Y == -1;
  if (fromKeyboard) screen = ClientToScreen(Point(width_ / 2, height_ / 2));
  bool handled = false;
  DoContextPopup(fromKeyboard ? Point(-1, -1) : ScreenToClient(screen), handled);
  if (handled) {
    m.Result = 1;
    return;
  }
  if (popupMenu_ && popupMenu_->AutoPopup()) {
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(screen.X, screen.Y);
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TControl::HandleParentChanged(UINT msg) {
  if (!parent_) return;
  if (msg == CM_PARENTFONTCHANGED && parentFont_) {
    takingParentFont_ = true;
    font_->Assign(parent_->Font());
    takingParentFont_ = false;
    Perform(CM_FONTCHANGED);
  } else if (msg == CM_PARENTCOLORCHANGED && parentColor_) {
    if (color_ != parent_->Color()) {
      color_ = parent_->Color();
      Perform(CM_COLORCHANGED);
    }
  }
}

void TControl::FontChanged() {
  if (!takingParentFont_) parentFont_ = false;
  if (!takingParentFont_) Perform(CM_FONTCHANGED);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled) {
  if (OnContextPopup) OnContextPopup(this, mousePos, handled);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

bool TControl::MouseInControl() const { return MouseControl() == this; }

void TControl::ApplyConstraints(int& width, int& height) const {
  width = constraints_->ClampWidth(width);
  height = constraints_->ClampHeight(height);
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (resized) Resize();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  ApplyConstraints(width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  InvalidateControl();
  StoreBounds(left, top, width, height);
  InvalidateControl();
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && (align_ != alNone || !anchors_.Contains(akLeft) || !anchors_.Contains(akTop))) parent_->Realign();
}

TRect TControl::ClientRect() const { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(int value) { SetWidth(value + width_ - ClientWidth()); }
void TControl::SetClientHeight(int value) { SetHeight(value + height_ - ClientHeight()); }

TPoint TControl::ClientOrigin() const {
  if (!parent_) return Point(left_, top_);
  const TPoint p = parent_->ClientOrigin();
  return Point(p.X + left_, p.Y + top_);
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TPoint o = ClientOrigin();
  return Point(p.X + o.X, p.Y + o.Y);
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint o = ClientOrigin();
  return Point(p.X - o.X, p.Y - o.Y);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent == this) throw EComponentError(L"A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

TCustomForm* TControl::GetParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetVisible(bool value) {
  if (visible_ == value) return;
  VisibleChanging();
  visible_ = value;
  Perform(CM_VISIBLECHANGED, value ? 1 : 0);
  RequestAlign();
}

void TControl::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor value) {
  if (color_ == value) {
    parentColor_ = false;
    return;
  }
  color_ = value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  if (value) HandleParentChanged(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (parentFont_ == value) return;
  parentFont_ = value;
  if (value) HandleParentChanged(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const std::wstring& value) {
  if (GetText() == value) return;
  SetTextBuf(value);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetAlign(TAlign value) {
  if (align_ == value) return;
  align_ = value;
  if (parent_) parent_->Realign();
}

void TControl::SetCursor(TCursor value) {
  if (cursor_ == value) return;
  cursor_ = value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool value) {
  parentShowHint_ = false;
  if (showHint_ == value) return;
  showHint_ = value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  if (value) AdjustSize();
}

bool TControl::CanAutoSize(int& /*newWidth*/, int& /*newHeight*/) { return false; }

void TControl::AdjustSize() {
  if (!autoSize_ || ComponentState().Contains(csLoading)) return;
  int w = width_, h = height_;
  if (CanAutoSize(w, h)) SetBounds(left_, top_, w, h);
}

void TControl::SetBiDiMode(TBiDiMode value) {
  if (bidiMode_ == value) return;
  bidiMode_ = value;
  Perform(CM_BIDIMODECHANGED);
}

UINT TControl::DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }

void TControl::Invalidate() { Perform(CM_INVALIDATE); }

void TControl::InvalidateControl() {
  if (!visible_ || !parent_ || !parent_->HandleAllocated()) return;
  const RECT r{left_, top_, left_ + width_, top_ + height_};
  InvalidateRect(parent_->handle_, &r, !controlStyle_.Contains(csOpaque));
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  if (!visible_ || !parent_ || !parent_->HandleAllocated()) return;
  Invalidate();
  parent_->Update();
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  std::erase(list, this);
  list.push_back(this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowPos(w->handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  InvalidateControl();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  std::erase(list, this);
  list.insert(list.begin(), this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowPos(w->handle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  InvalidateControl();
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::Loaded() {
  TComponent::Loaded();
  AdjustSize();
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && popupMenu_ && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (popupMenu_ == value) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = value;
  if (value) value->FreeNotification(this);
}

}  // namespace classlib
