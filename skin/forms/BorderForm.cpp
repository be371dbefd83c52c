#include "skin/forms/BorderForm.h"

#include <algorithm>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "skin/common/sCommonData.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// The owner's state bits an animation sets: while one runs the window
// belongs to it and the border keeps no client hole.
constexpr std::uint32_t kAnimationBits = 0x1180;
constexpr std::uint32_t kHidingBit = 0x200;

int Positive(int value, int fallback) { return value > 0 ? value : fallback; }

}  // namespace

// --- TacBorderWindow

TacBorderWindow::TacBorderWindow(TacBorderForm* border, HWND ownerWindow)
    : TacLayeredWindow(nullptr), border_(border), ownerWindow_(ownerWindow) {
  SetTag(AuxiliaryWindowTag);
}

void TacBorderWindow::CreateParams(TCreateParams& params) {
  TacLayeredWindow::CreateParams(params);
  // Owned by the form: it follows the form's minimizing and z-order.
  params.WndParent = ownerWindow_;
}

void TacBorderWindow::WndProc(TMessage& message) { border_->BorderWndProc(message); }

// --- TacBorderForm

TacBorderForm::TacBorderForm(TsSkinnedForm* owner) : owner_(owner) { ReadSkinValues(); }

TacBorderForm::~TacBorderForm() { FreeBorderWindow(); }

void TacBorderForm::ReadSkinValues() {
  TsCommonData* data = owner_ ? owner_->SkinData() : nullptr;
  TsSkinManager* manager = data ? data->SkinManager() : nullptr;
  if (!manager || !manager->Skin()) return;
  const TsSkinData& skin = manager->SkinData();
  Values.AlignOffset = skin.AlignOffset;
  Values.BorderWidth = Positive(skin.BorderWidth, 4);
  Values.TitleHeight = Positive(skin.TitleHeight, 30);
}

HWND TacBorderForm::OwnerWindow() const {
  if (OwnerWnd) return IsWindow(OwnerWnd) ? OwnerWnd : nullptr;
  TCustomForm* form = owner_ ? owner_->Form() : nullptr;
  return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

int TacBorderForm::FrameWidth() const {
  HWND wnd = OwnerWindow();
  if (!wnd) return 0;
  RECT w{}, c{};
  GetWindowRect(wnd, &w);
  GetClientRect(wnd, &c);
  return std::max<int>(0, ((w.right - w.left) - c.right) / 2);
}

void TacBorderForm::CreateBorderWindow() {
  if (aForm_) return;
  aForm_ = std::make_unique<TacBorderWindow>(this, OwnerWindow());
  aForm_->HandleNeeded();
}

HWND TacBorderForm::BorderWindow() const {
  return aForm_ && aForm_->HandleAllocated() ? aForm_->Handle() : nullptr;
}

std::unique_ptr<TWinControl> TacBorderForm::DetachBorderWindow() { return std::move(aForm_); }

void TacBorderForm::FreeBorderWindow() { aForm_.reset(); }

RECT TacBorderForm::Margins() const {
  return RECT{Values.Margins.Left, Values.Margins.Top, Values.Margins.Right, Values.Margins.Bottom};
}

int TacBorderForm::TopOffset() const {
  HWND wnd = OwnerWindow();
  const bool captioned = wnd && (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  const int title = captioned ? Values.TitleHeight - GetSystemMetrics(SM_CYCAPTION) - FrameWidth() : 0;
  return Values.Margins.Top + title;
}

int TacBorderForm::LeftOffset() const { return Values.BorderWidth - FrameWidth() + Values.Margins.Left; }

HRGN TacBorderForm::MakeRgn(int width, int height) const {
  HWND border = BorderWindow();
  if (!border) return nullptr;
  if (width == 0 && height == 0) {  // the current size
    RECT r{};
    GetWindowRect(border, &r);
    width = r.right - r.left;
    height = r.bottom - r.top;
  }
  HWND wnd = OwnerWindow();
  TBorderBox box{0, 0, width, height};
  if (wnd && IsZoomed(wnd))
    box = MaximizedBorderBox(Values.Margins, FrameWidth(), Values.BorderWidth - FrameWidth(), width, height);
  HRGN region = CreateRectRgn(box.Left, box.Top, box.Right, box.Bottom);
  const std::uint32_t state = owner_ ? owner_->StateBits() : 0;
  if (!(state & (kAnimationBits | kHidingBit)) && ClientHole) {
    // The form's client area is the form's own: a hole, so that the border
    // window never covers it. A difference, not a toggle: the hole stays a
    // hole whatever the base is.
    const RECT hole = ClientHole();
    HRGN cut = CreateRectRgn(hole.left, hole.top, hole.right, hole.bottom);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  return region;
}

void TacBorderForm::SetRegion(HRGN region) {
  HWND border = BorderWindow();
  // The system owns a region it accepted; one it refused is still ours.
  if (!border || !SetWindowRgn(border, region, FALSE)) {
    if (region) DeleteObject(region);
  }
}

void TacBorderForm::RestoreRgn() {
  if (!regionChanged_) return;
  regionChanged_ = false;
  SetRegion(MakeRgn(0, 0));
}

void TacBorderForm::UpdateExBorders(bool repaint, std::uint8_t alpha) {
  if (suspended_ || updating_ || Application->Terminated()) return;
  HWND wnd = OwnerWindow();
  RECT ownerRect{};
  if (!wnd || !GetWindowRect(wnd, &ownerRect)) return;
  TsCommonData* data = owner_->SkinData();
  if (!data || data->Updating()) return;
  CreateBorderWindow();
  HWND border = BorderWindow();
  if (!border) return;
  updating_ = true;
  const std::uint32_t state = owner_->StateBits();
  if (data->BGChanged) {
    owner_->PaintNonClientArea();
    repaint = true;
  }
  TBitmap* image = data->CacheBmp();
  const int w = image ? image->Width() : 0, h = image ? image->Height() : 0;
  const POINT position{ownerRect.left - LeftOffset(), ownerRect.top - TopOffset()};
  RECT current{};
  GetWindowRect(border, &current);
  const bool sameSize = current.right - current.left == w && current.bottom - current.top == h;
  UINT flags = SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
  if (state & 0x1) flags |= SWP_NOZORDER;
  if (!repaint) flags |= SWP_NOREDRAW;
  if ((!repaint && sameSize) || mouseBusy_ || w == 0 || h == 0) {
    SetWindowPos(border, nullptr, position.x, position.y, 0, 0, flags | SWP_NOSIZE | SWP_NOZORDER);
  } else {
    PushToLayeredWindow(border, *image, alpha, position);
    if (!(state & 0x80)) {
      SetRegion(MakeRgn(w, h));
      regionChanged_ = false;
    }
  }
  // Behind the form; an iconic form's border goes above the window before it.
  HWND after = (IsIconic(wnd) || (state & 0x1)) ? GetWindow(wnd, GW_HWNDPREV) : wnd;
  if (IsWindowVisible(border)) {
    SetWindowPos(border, after, 0, 0, 0, 0, flags | SWP_NOSIZE | SWP_NOMOVE);
  } else {
    // Showing an owned window may briefly hide its owner's state from the
    // system; the visible bit is taken off for the call and put back
    // exactly as it was.
    const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    const bool wasVisible = (style & WS_VISIBLE) != 0;
    if (wasVisible) SetWindowLongPtrW(wnd, GWL_STYLE, style & ~WS_VISIBLE);
    SetWindowPos(border, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (wasVisible) SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) | WS_VISIBLE);
  }
  updating_ = false;
}

TBorderHitInput TacBorderForm::HitInput(POINT p) const {
  TBorderHitInput in;
  in.M = Values.Margins;
  in.AlignOffset = Values.AlignOffset;
  in.FrameWidth = FrameWidth();
  RECT r{};
  GetWindowRect(BorderWindow(), &r);
  in.Width = r.right - r.left;
  in.Height = r.bottom - r.top;
  in.CaptionHeight = Values.TitleHeight;
  HWND wnd = OwnerWindow();
  in.Maximized = wnd && IsZoomed(wnd);
  in.Sizable = wnd && (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_THICKFRAME);
  in.ButtonCode = ButtonAt ? ButtonAt(p) : 0;
  return in;
}

int TacBorderForm::HitTest(POINT screenPoint) {
  if (OnExtHitTest) {
    TMessage m{WM_NCHITTEST, 0, MAKELPARAM(screenPoint.x, screenPoint.y), 0};
    OnExtHitTest(m);
    if (m.Result != 0) return static_cast<int>(m.Result);
  }
  HWND wnd = OwnerWindow();
  HWND border = BorderWindow();
  if (!wnd || !border || !IsWindowEnabled(wnd)) return -1;
  RECT r{};
  GetWindowRect(border, &r);
  const POINT p{screenPoint.x - r.left, screenPoint.y - r.top};
  return BorderHitTest(HitInput(p), p.x, p.y);
}

void TacBorderForm::PassThrough(POINT screenPoint) {
  HWND border = BorderWindow();
  RECT r{};
  GetWindowRect(border, &r);
  // Start from the window's whole rectangle when it has no region (an
  // animation runs): a toggle there would leave a one-pixel window. A
  // difference also keeps a repeated message from filling the hole again.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(border, region) == ERROR) SetRectRgn(region, 0, 0, r.right - r.left, r.bottom - r.top);
  HRGN pixel = CreateRectRgn(screenPoint.x - r.left, screenPoint.y - r.top, screenPoint.x - r.left + 1,
                             screenPoint.y - r.top + 1);
  CombineRgn(region, region, pixel, RGN_DIFF);
  DeleteObject(pixel);
  SetRegion(region);
  regionChanged_ = true;
}

void TacBorderForm::BorderWndProc(TMessage& message) {
  TacBorderWindow* window = aForm_.get();
  HWND wnd = OwnerWindow();
  const POINT screen{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  switch (message.Msg) {
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      if (wnd && IsWindowEnabled(wnd)) SetForegroundWindow(wnd);
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      message.Result = 1;
      return;
    case WM_SETCURSOR: {
      POINT p{};
      GetCursorPos(&p);
      const TBorderCursor cursor = BorderCursorOf(HitTest(p));
      const wchar_t* id = nullptr;
      switch (cursor) {
        case TBorderCursor::Arrow: id = IDC_ARROW; break;
        case TBorderCursor::SizeWE: id = IDC_SIZEWE; break;
        case TBorderCursor::SizeNS: id = IDC_SIZENS; break;
        case TBorderCursor::SizeNWSE: id = IDC_SIZENWSE; break;
        case TBorderCursor::SizeNESW: id = IDC_SIZENESW; break;
        case TBorderCursor::Default: break;
      }
      if (id) {
        SetCursor(LoadCursorW(nullptr, id));
        message.Result = 1;
        return;
      }
      break;
    }
    case WM_NCHITTEST: {
      window->Inherited(message);
      // Over the shadow the client answer stands: the mouse messages come as
      // client messages and go through below. On the frame all input comes
      // as non-client messages, which go to the form.
      if (HitTest(screen) != -1) message.Result = 19;  // HTBORDER
      return;
    }
    case WM_NCMOUSEMOVE:
      message.Result = HitTest(screen);
      return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
      if (wnd) {
        const int hit = HitTest(screen);
        const WPARAM code = message.Msg == WM_NCLBUTTONDOWN && hit == HTSYSMENU ? HTSYSMENU : static_cast<WPARAM>(-1);
        message.Result = SendMessageW(wnd, message.Msg, code, message.LParam);
      }
      return;
    case WM_NCRBUTTONDOWN:
      if (wnd) message.Result = SendMessageW(wnd, message.Msg, static_cast<WPARAM>(HitTest(screen)), message.LParam);
      return;
    default:
      if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSEFIRST + 9) {
        POINT p{};
        GetCursorPos(&p);
        if (HitTest(p) == -1 && !mouseBusy_) {
          mouseBusy_ = true;
          PassThrough(p);
          mouseBusy_ = false;
        }
        return;
      }
      break;
  }
  if (window) window->Inherited(message);
}

}  // namespace skin
