#include "skin/forms/BorderForm.h"

#include <algorithm>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "skin/common/Composition.h"
#include "skin/common/sCommonData.h"
#include "skin/forms/DwmEntries.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskRegions.h"
#include "skin/paint/NinePieces.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/PixelRows.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/LayeredWindows_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// The owner's state bits an animation sets: while one runs the window
// belongs to it and the border keeps no client hole.
constexpr std::uint32_t kAnimationBits = 0x1180;
constexpr std::uint32_t kHidingBit = 0x200;
constexpr std::uint32_t kMinimizingBit = 0x100;
constexpr std::uint32_t kSyncBit = 0x1;

int Positive(int value, int fallback) { return value > 0 ? value : fallback; }

TsSkinManager* ManagerOf(TsSkinnedForm* owner) {
  TsCommonData* data = owner ? owner->SkinData() : nullptr;
  return data ? data->SkinManager() : nullptr;
}

// The skin's extended-border mask; null without one.
const TsMaskData* ExBorderMask(const TsSkinManager* manager) {
  if (!manager || !manager->Skin()) return nullptr;
  const int index = manager->ConstData().ExBorder;
  return manager->IsValidImgIndex(index) ? &manager->Skin()->Masks[static_cast<std::size_t>(index)] : nullptr;
}

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
  if (manager->ExtBorderImage(false)) {
    const TsExtBorderMargins m = manager->ExtBorderMargins();
    Values.Margins = TBorderMargins{m.Left, m.Top, m.Right, m.Bottom};
  }
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

RECT TacBorderForm::FrameRect() const {
  if (TBitmap* whole = WholeImage ? WholeImage() : nullptr; whole && !whole->Empty())
    return RECT{0, 0, whole->Width(), whole->Height()};
  RECT r{};
  HWND wnd = OwnerWindow();
  if (wnd) GetWindowRect(wnd, &r);
  const int left = LeftOffset(), top = TopOffset();
  return RECT{left - Values.Margins.Left, top - Values.Margins.Top, left + (r.right - r.left) + Values.Margins.Right,
              top + (r.bottom - r.top) + Values.Margins.Bottom};
}

void TacBorderForm::CutCorners(HRGN region) const {
  const TsMaskData* mask = ExBorderMask(ManagerOf(owner_));
  if (!mask) return;
  // The key pixels of the frame's corners are not the window's: cut where
  // the frame lies in the picture.
  const RECT frame = FrameRect();
  std::vector<TRect> cuts;
  paint::CollectCornerRects(cuts, frame.right - frame.left, *mask, false, 0);
  paint::CollectCornerRects(cuts, frame.right - frame.left, *mask, true, (frame.bottom - frame.top) - mask->WB);
  for (const TRect& c : cuts) {
    HRGN cut = CreateRectRgn(c.Left + frame.left, c.Top + frame.top, c.Right + frame.left, c.Bottom + frame.top);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
}

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
  const bool maximized = wnd && IsZoomed(wnd);
  TBorderBox box{0, 0, width, height};
  if (maximized)
    box = MaximizedBorderBox(Values.Margins, FrameWidth(), Values.BorderWidth - FrameWidth(), width, height);
  HRGN region = CreateRectRgn(box.Left, box.Top, box.Right, box.Bottom);
  if (!maximized) CutCorners(region);
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

void TacBorderForm::ComposeImage() {
  HWND wnd = OwnerWindow();
  RECT wr{};
  if (!wnd || !GetWindowRect(wnd, &wr)) return;
  const RECT frame = FrameRect();
  const int width = std::max<int>(1, frame.right), height = std::max<int>(1, frame.bottom);
  if (!image_) image_.reset(paint::NewBitmap32(width, height));
  else if (image_->Width() != width || image_->Height() != height) image_->SetSize(width, height);
  paint::FillRect32(image_.get(), TRect{0, 0, width, height}, 0, 0);
  if (TBitmap* whole = WholeImage ? WholeImage() : nullptr; whole && !whole->Empty()) {
    BitBlt(image_->Canvas()->Handle(), 0, 0, width, height, whole->Canvas()->Handle(), 0, 0,
           SRCCOPY);
    const paint::TPixelView view = paint::ViewOf(image_.get());
    for (int y = 0; y < view.Height; ++y) {
      std::uint32_t* row = view.Row32(y);
      for (int x = 0; x < view.Width; ++x) {
        if (row[x] == paint::KeyPixel) row[x] = 0;
        // Premultiplied for the system; opaque pixels stay exactly as painted.
        const std::uint32_t a = row[x] >> 24;
        if (a == 255) continue;
        auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        row[x] = (a << 24) | (scale((row[x] >> 16) & 0xFF) << 16) | (scale((row[x] >> 8) & 0xFF) << 8) |
                 scale(row[x] & 0xFF);
      }
    }
    return;
  }
  TsSkinManager* manager = ManagerOf(owner_);
  auto* provider = dynamic_cast<TsSkinProvider*>(owner_);
  const bool active = provider ? provider->FormActive() : GetActiveWindow() == wnd;
  const TsMaskData* mask = ExBorderMask(manager);
  if (const bmp32::TCustomBitmap32* picture = manager ? manager->ExtBorderImage(active) : nullptr; picture && mask) {
    const std::int32_t side = (mask->DrawMode & 1) ? 1 : 0;
    const TRect margins{mask->WL, mask->WT, mask->WR, mask->WB};
    paint::PaintNinePieces(paint::ViewOf(image_.get()), paint::ViewOf(picture),
                           TRect{frame.left, frame.top, frame.right, frame.bottom}, false, 0, {side, side, side, side},
                           margins, margins, TRect{0, 0, picture->Width(), picture->Height()});
    // Key pixels are no picture (the region cuts them); the system wants
    // premultiplied colours.
    const paint::TPixelView view = paint::ViewOf(image_.get());
    for (int y = 0; y < view.Height; ++y) {
      std::uint32_t* row = view.Row32(y);
      for (int x = 0; x < view.Width; ++x)
        if (row[x] == paint::KeyPixel) row[x] = 0;
    }
    paint::PremultiplyAlpha(image_.get());
  }
  // The form's own skinned picture in its place, opaque.
  TBitmap* cache = owner_->SkinData() ? owner_->SkinData()->CacheBmp() : nullptr;
  if (cache && !cache->Empty()) {
    const int w = std::min<int>(cache->Width(), wr.right - wr.left), h = std::min<int>(cache->Height(), wr.bottom - wr.top);
    BitBlt(image_->Canvas()->Handle(), LeftOffset(), TopOffset(), w, h, cache->Canvas()->Handle(), 0, 0, SRCCOPY);
    paint::FillAlphaRect(image_.get(), TRect{LeftOffset(), TopOffset(), LeftOffset() + w, TopOffset() + h}, 255, false);
  }
}

void TacBorderForm::UpdateBlurBehind(HWND border) {
  TsSkinManager* manager = ManagerOf(owner_);
  // Without composition there is nothing to blur (and nothing to switch off).
  if (!acDwmCompositionEnabled()) {
    blurBehind_ = false;
    return;
  }
  const bool wanted = manager && manager->Effects()->AllowAeroBluring() && manager->Skin() && manager->SkinData().AeroBlur;
  if (!wanted || !image_) {
    if (blurBehind_) acDwmEnableBlurBehind(border, false, nullptr);
    blurBehind_ = false;
    return;
  }
  // Blur all but the pure black of the four corner areas (each the size of
  // the margins): there the shadow shows what lies below.
  const int w = image_->Width(), h = image_->Height();
  const TBorderMargins& m = Values.Margins;
  HRGN region = CreateRectRgn(0, 0, w, h);
  const paint::TPixelView view = paint::ViewOf(image_.get());
  const RECT corners[4] = {{0, 0, m.Left, m.Top}, {w - m.Right, 0, w, m.Top}, {0, h - m.Bottom, m.Left, h},
                           {w - m.Right, h - m.Bottom, w, h}};
  for (const RECT& c : corners)
    for (int y = std::max<int>(0, c.top); y < std::min<int>(h, c.bottom); ++y) {
      const std::uint32_t* row = view.Row32(y);
      for (int x = std::max<int>(0, c.left); x < std::min<int>(w, c.right); ++x) {
        if (row[x] != 0) continue;
        HRGN pixel = CreateRectRgn(x, y, x + 1, y + 1);
        CombineRgn(region, region, pixel, RGN_DIFF);
        DeleteObject(pixel);
      }
    }
  acDwmEnableBlurBehind(border, true, region);
  DeleteObject(region);  // the call copies it
  blurBehind_ = true;
}

void TacBorderForm::UpdateExBorders(bool repaint, std::uint8_t alpha) {
  if (suspended_ || updating_ || Application->Terminated()) return;
  HWND wnd = OwnerWindow();
  RECT ownerRect{};
  if (!wnd || !GetWindowRect(wnd, &ownerRect)) return;
  TsCommonData* data = owner_->SkinData();
  if (!data || data->Updating()) return;
  const std::uint32_t state = owner_->StateBits();
  // A hidden form keeps no picture; the border window hides with it.
  if (!IsWindowVisible(wnd) && !(state & (kAnimationBits | kHidingBit))) {
    if (HWND border = BorderWindow(); border && IsWindowVisible(border))
      SetWindowPos(border, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    return;
  }
  CreateBorderWindow();
  HWND border = BorderWindow();
  if (!border) return;
  updating_ = true;
  if (data->BGChanged) {
    owner_->PaintNonClientArea();
    repaint = true;
  }
  const RECT frame = FrameRect();
  const int w = frame.right, h = frame.bottom;
  const POINT position{ownerRect.left - LeftOffset(), ownerRect.top - TopOffset()};
  RECT current{};
  GetWindowRect(border, &current);
  const bool sameSize = current.right - current.left == w && current.bottom - current.top == h;
  UINT flags = SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
  if (state & kSyncBit) flags |= SWP_NOZORDER;
  if (!repaint) flags |= SWP_NOREDRAW;
  if ((!repaint && sameSize && image_) || mouseBusy_ || w <= 0 || h <= 0) {
    SetWindowPos(border, nullptr, position.x, position.y, 0, 0, flags | SWP_NOSIZE | SWP_NOZORDER);
  } else {
    ComposeImage();
    UpdateBlurBehind(border);
    PushToLayeredWindow(border, *image_, alpha, position);
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

void TacBorderForm::DoubleClick(int hitCode) {
  auto* provider = dynamic_cast<TsSkinProvider*>(owner_);
  HWND wnd = OwnerWindow();
  if (!provider || !wnd) return;
  TsSystemMenu* menu = provider->SystemMenu();
  switch (hitCode) {
    case HTCAPTION:
      if (IsZoomed(wnd) || IsIconic(wnd)) {
        if (!menu || menu->EnabledRestore()) SendMessageW(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else if (!menu || menu->EnabledMax()) {
        SendMessageW(wnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      if (menu) menu->UpdateItems(false);
      return;
    case HTSYSMENU:
      SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    default:
      break;
  }
  // A sizable form stretches over the work area's height (top or bottom
  // band) or width (left or right band); the next double-click puts back
  // what it kept.
  const bool vertical = hitCode == HTTOP || hitCode == HTBOTTOM;
  if ((!vertical && hitCode != HTLEFT && hitCode != HTRIGHT) || provider->Form()->BorderStyle() != bsSizeable ||
      IsZoomed(wnd))
    return;
  const std::uint32_t bit = vertical ? 0x2000 : 0x4000;
  RECT r{};
  GetWindowRect(wnd, &r);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  const int topOffset = TopOffset() - Values.Margins.Top, sideOffset = LeftOffset() - Values.Margins.Left;
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (owner_->StateBits() & bit) {
    owner_->SetStateBits(owner_->StateBits() & ~bit);
    if (vertical) SetWindowPos(wnd, nullptr, r.left, keptRect_.top, r.right - r.left, keptRect_.bottom - keptRect_.top, flags);
    else SetWindowPos(wnd, nullptr, keptRect_.left, r.top, keptRect_.right - keptRect_.left, r.bottom - r.top, flags);
    return;
  }
  owner_->SetStateBits(owner_->StateBits() | bit);
  if (vertical) {
    keptRect_.top = r.top;
    keptRect_.bottom = r.bottom;
    SetWindowPos(wnd, nullptr, r.left, work.top + topOffset, r.right - r.left,
                 work.bottom - work.top - topOffset - sideOffset, flags);
  } else {
    keptRect_.left = r.left;
    keptRect_.right = r.right;
    SetWindowPos(wnd, nullptr, work.left + sideOffset, r.top, work.right - work.left - 2 * sideOffset, r.bottom - r.top,
                 flags);
  }
}

void TacBorderForm::SnapMove(WINDOWPOS& position) {
  auto* provider = dynamic_cast<TsSkinProvider*>(owner_);
  HWND wnd = OwnerWindow();
  HWND border = BorderWindow();
  if (!provider || !wnd || !border || !(provider->StateBits() & 0x80) || (position.flags & SWP_NOMOVE)) return;
  if (!provider->ScreenSnap() || IsZoomed(wnd)) return;
  RECT r{};
  GetWindowRect(border, &r);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(border, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  // Measured on the form's frame: the border window's edges less the
  // margins, plus the reach of the sizing bands.
  const TBorderMargins& m = Values.Margins;
  const int a = Values.AlignOffset;
  const int width = ((position.flags & SWP_NOSIZE) ? r.right - r.left : position.cx) - m.Left - m.Right + 2 * a;
  const int height = ((position.flags & SWP_NOSIZE) ? r.bottom - r.top : position.cy) - m.Top - m.Bottom + 2 * a;
  int x = position.x + m.Left - a, y = position.y + m.Top - a;
  const int buffer = provider->SnapBuffer();
  SnapToEdge(x, work.right, buffer, width);
  SnapToEdge(y, work.bottom, buffer, height);
  SnapToEdge(x, work.left, buffer, 0);
  SnapToEdge(y, work.top, buffer, 0);
  position.x = x - m.Left + a;
  position.y = y - m.Top + a;
}

void TacBorderForm::OwnerShowWindow(TMessage& message) {
  auto* provider = dynamic_cast<TsSkinProvider*>(owner_);
  if (!provider) {
    aForm_->Inherited(message);
    return;
  }
  // Only the main form's border follows the system's showing and hiding of
  // owned windows; the provider shows and hides the others itself.
  if (provider->Form() != Application->MainForm() || !paint::LayeredWindowsAvailable() ||
      !provider->DrawNonClientArea()) {
    message.Result = 0;
    return;
  }
  if (message.WParam == 0) {
    const std::uint32_t state = provider->StateBits();
    if (state & kMinimizingBit) {
      message.Result = 0;
      return;
    }
    if (state & kHidingBit) return;
  }
  aForm_->Inherited(message);
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
    case WM_NCMOUSEMOVE: {
      const int hit = HitTest(screen);
      message.Result = hit;
      if (auto* provider = dynamic_cast<TsSkinProvider*>(owner_)) {
        const bool button = hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTCLOSE || hit == HTHELP ||
                            (hit >= htUserButton && hit < htTitleItem);
        provider->SetHotButton(button ? hit : 0, true);
      }
      return;
    }
    case WM_NCLBUTTONDBLCLK:
      if (dynamic_cast<TsSkinProvider*>(owner_)) {
        DoubleClick(HitTest(screen));
        return;
      }
      break;
    case WM_SHOWWINDOW:
      OwnerShowWindow(message);
      return;
    case WM_WINDOWPOSCHANGING:
      if (auto* position = reinterpret_cast<WINDOWPOS*>(message.LParam)) SnapMove(*position);
      break;
    case WM_WINDOWPOSCHANGED: {
      auto* provider = dynamic_cast<TsSkinProvider*>(owner_);
      // A fading caption button would be drawn where the form no longer is;
      // a change of z-order alone leaves it running.
      const auto* position = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (provider && position && (~position->flags & (SWP_NOMOVE | SWP_NOSIZE))) provider->StopTitleAnimations();
      window->Inherited(message);
      if (!provider || inPositionChange_ || provider->Form()->FormStyle() != fsStayOnTop ||
          provider->Form()->ComponentState().Contains(csDestroying) || !wnd)
        return;
      // A stay-on-top form's border stays with it: topmost itself when the
      // desktop composes and the form is the active main form.
      inPositionChange_ = true;
      const bool topmost = acDwmCompositionEnabled() && provider->Form() == Application->MainForm() &&
                           GetActiveWindow() == wnd;
      SetWindowPos(BorderWindow(), topmost ? HWND_TOPMOST : wnd, 0, 0, 0, 0, 0x65B & ~SWP_SHOWWINDOW);
      inPositionChange_ = false;
      return;
    }
    case WM_NCLBUTTONDOWN:
      updating_ = false;
      [[fallthrough]];
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
