// The caption buttons' hot and pressed states, their repaint one at a time
// over the saved title, the caption icon and the user buttons' hints.
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "classlib/controls/Application.h"
#include "skin/common/AppIcons.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/ProviderDC.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// One pressed caption button in the thread: from the press to the release.
bool pressedLock = false;

bool IsUserCode(int code) { return code >= htUserButton && code < htUserButton + 256; }

bool IsButtonCode(int code) {
  return code == HTMINBUTTON || code == HTMAXBUTTON || code == HTCLOSE || code == HTHELP ||
         (code >= htMdiClose && code <= htMdiMinimize) || (code >= htUserButton && code <= htUserButton + 100);
}

}  // namespace

bool TitleButtonPressedLock() { return pressedLock; }

// The provider reads and clears the lock; CaptionMouse sets it through SetPressedButton.
void ClearTitleButtonPressedLock() { pressedLock = false; }

bool TsSkinProvider::ButtonEnabled(const TsTitleButtonState& button) const {
  if (!systemMenu_) return true;
  switch (button.HitCode) {
    case HTMAXBUTTON:
      return systemMenu_->EnabledMax() || (Zoomed() && systemMenu_->EnabledRestore());
    case HTMINBUTTON:
      return Iconic() || systemMenu_->EnabledMin();
    case HTCLOSE:
      return systemMenu_->VisibleClose();
    case htMdiMinimize:
    case htMdiRestore:
      return MdiButtonPressable(button.HitCode);
    default: {
      const int user = button.HitCode - htUserButton;
      if (user >= 0 && user < titleButtons_->Count()) return titleButtons_->Items(user)->Enabled();
      return true;
    }
  }
}

void TsSkinProvider::SetButtonState(int id, int state, bool repaint) {
  TsTitleButtonState* button = ButtonByCode(id);
  if (!button) return;
  button->State = state;
  const int user = id - htUserButton;
  if (IsUserCode(id) && user < titleButtons_->Count()) {
    TsTitleButton* item = titleButtons_->Items(user);
    if (state == 1) item->ShowHint();
    else item->HideHint();
  }
  if (repaint) PaintSystemButton(id);
}

void TsSkinProvider::SetHotButton(int id, bool repaint) {
  if (!drawNonClientArea_) return;
  if (id == currentButton_ && id > 0) {
    // Still over the same button: nothing changes (a fade is not restarted).
    const TsTitleButtonState* button = ButtonByCode(id);
    if (!button || button->State != 0 || pressedLock) return;
  }
  if (id != currentButton_ && currentButton_ > 0) SetButtonState(currentButton_, 0, repaint);
  currentButton_ = id;
  if (pressedLock || id <= 0) return;
  SetButtonState(id, 1, repaint);
}

void TsSkinProvider::SetPressedButton(int id) {
  if (id != currentButton_ && currentButton_ > 0) SetButtonState(currentButton_, 0, true);
  currentButton_ = id;
  if (id == HTMAXBUTTON && systemMenu_ && !ButtonEnabled(SystemButton(HTMAXBUTTON))) {
    currentButton_ = 0;
    return;
  }
  TsTitleButtonState* button = ButtonByCode(id);
  if (!button) {
    currentButton_ = 0;
    return;
  }
  button->State = 2;
  if (IsUserCode(id)) titleButtons_->Items(id - htUserButton)->HideHint();
  pressedLock = true;
  PaintSystemButton(id);
}

void TsSkinProvider::ResetHoverState() {
  const TsTitleButtonState* current = ButtonByCode(currentButton_);
  // A pressed button waits for its release (or a cancel).
  if (pressedLock && current && current->State == 2) return;
  if (currentButton_ > 0) SetButtonState(currentButton_, 0, true);
  currentButton_ = 0;
}

void TsSkinProvider::ResetButtonStates() {
  for (TsTitleButtonState& button : buttons_)
    if (button.State != 0) SetButtonState(button.HitCode, 0, true);
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    if (titleButtons_->Items(i)->BtnData.State != 0) SetButtonState(htUserButton + i, 0, true);
    titleButtons_->Items(i)->HideHint();
  }
  currentButton_ = 0;
}

void TsSkinProvider::NCMouseMove(TMessage& message) {
  const int code = FrameHitTest(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  message.Result = code;
  if (IsButtonCode(code)) {
    SetHotButton(code, true);
    return;
  }
  SetHotButton(0, true);
  CallOld(message);
}

void TsSkinProvider::StopTitleAnimations() {
  for (TsTitleButtonState& button : buttons_) button.Animation.reset();
  for (int i = 0; i < titleButtons_->Count(); ++i) titleButtons_->Items(i)->BtnData.Animation.reset();
}

bool TsSkinProvider::TitleButtonAnimated(int code) const {
  if (code >= htMdiClose && code <= htMdiMinimize) return false;
  const TsSkinManager* manager = Manager();
  if (!manager) return false;
  const bool glowing = manager->Effects() && manager->Effects()->AllowGlowing();
  return (glowing || ExtBorder()) && stateBits_ == 0 && !form_->Parent() && form_->FormStyle() != fsMDIChild;
}

void TsSkinProvider::PaintSystemButton(int code) {
  TsTitleButtonState* button = ButtonByCode(code);
  if (!button) return;
  if (IsUserCode(code) && !titleButtons_->Items(code - htUserButton)->Visible()) return;
  if (code >= htMdiClose && code <= htMdiMinimize && !MdiButtonsVisible()) return;
  if (TitleButtonAnimated(code) && StartTitleButtonFade(*button, code)) return;
  PaintButtonDirect(*button, ButtonEnabled(*button));
}

void TsSkinProvider::PaintButtonDirect(TsTitleButtonState& button, bool enabled) {
  // A glow belongs to a fading button only.
  button.GlowId = -1;
  TBitmap* image = skinData_->CacheBmp();
  HWND wnd = FormHandle();
  if (!image || image->Empty() || !wnd) return;
  if (skinData_->BGChanged || !PaintShowing()) {
    // The next rebuild paints every button in its state.
    if (PaintShowing()) RequestRepaint();
    return;
  }
  const RECT r = button.Rect;
  if (r.right <= r.left || r.left < iconRect_.right) return;
  // The clean title (or menu line) under the button, then its glyph.
  if (button.HitCode >= htMdiClose && button.HitCode <= htMdiMinimize) {
    if (menuLineBmp_ && !menuLineBmp_->Empty()) {
      ImageDC from(menuLineBmp_.get()), to(image);
      BitBlt(to.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, from.Handle(), r.left - menuLineOrigin_.x,
             r.top - menuLineOrigin_.y, SRCCOPY);
    }
  } else if (buttonBlock_ && !buttonBlock_->Empty()) {
    ImageDC from(buttonBlock_.get()), to(image);
    BitBlt(to.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, from.Handle(), r.left - buttonBlockLeft_,
           r.top, SRCCOPY);
  }
  PaintButton(image, button, enabled);
  WindowDC window(wnd);
  if (!window.Handle()) return;
  const int saved = SaveDC(window.Handle());
  ImageDC from(image);
  BitBlt(window.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, from.Handle(), r.left, r.top, SRCCOPY);
  RestoreDC(window.Handle(), saved);
}

void TsSkinProvider::SaveButtonBlock(TBitmap* image) {
  const int y0 = InnerFrameWidth(FormHandle(), ExtBorder(), true) + ProviderCaptionHeight(true);
  buttonBlockLeft_ = std::max(0, image->Width() - TitleButtonsWidth() - FrameWidthOf(FormHandle(), ExtBorder(), true) - 1);
  if (!buttonBlock_) buttonBlock_ = std::make_unique<TBitmap>();
  if (buttonBlock_->PixelFormat() != pf32bit) buttonBlock_->SetPixelFormat(pf32bit);
  const int width = image->Width() - buttonBlockLeft_;
  if (width <= 0 || y0 <= 0) {
    buttonBlock_->SetSize(0, 0);
    return;
  }
  buttonBlock_->SetSize(width, y0);
  ImageDC from(image), to(buttonBlock_.get());
  BitBlt(to.Handle(), 0, 0, width, y0, from.Handle(), buttonBlockLeft_, 0, SRCCOPY);
}

void TsSkinProvider::RestoreButtonBlock(TBitmap* image) {
  if (!buttonBlock_ || buttonBlock_->Empty()) return;
  ImageDC from(buttonBlock_.get()), to(image);
  BitBlt(to.Handle(), buttonBlockLeft_, 0, buttonBlock_->Width(), buttonBlock_->Height(), from.Handle(), 0, 0, SRCCOPY);
}

void TsSkinProvider::PaintTitleIcon(TBitmap* image) {
  if (!ShowsSysIcon() || iconRect_.right <= iconRect_.left) return;
  const int left = std::max<int>(0, iconRect_.left), top = std::max<int>(0, iconRect_.top);
  const int right = std::min<int>(image->Width(), iconRect_.right), bottom = std::min<int>(image->Height(), iconRect_.bottom);
  if (right <= left || bottom <= top) return;
  TBitmap* glyph = titleIcon_->Glyph();
  if (!glyph->Empty()) {
    CopyKeyedGlyph(image, glyph, iconRect_.left, iconRect_.top, RGB(0xFF, 0, 0xFF));
    return;
  }
  HWND wnd = FormHandle();
  auto icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICONSM));
  // Forms without an icon of their own show the program file's.
  if (!icon && AppSmallIcon() && !AppSmallIcon()->Empty()) icon = AppSmallIcon()->Handle();
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  if (!icon) return;
  // DrawIconEx leaves the alpha byte of the pixels it draws as it finds it:
  // the pixels the icon changed become opaque, the others keep the title's.
  std::vector<std::uint32_t> saved;
  saved.reserve(static_cast<size_t>((right - left) * (bottom - top)));
  for (int y = top; y < bottom; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image->ScanLine(y));
    saved.insert(saved.end(), row + left, row + right);
  }
  {
    ImageDC dc(image);
    DrawIconEx(dc.Handle(), iconRect_.left, iconRect_.top, icon, iconRect_.right - iconRect_.left,
               iconRect_.bottom - iconRect_.top, 0, nullptr, DI_NORMAL);
  }
  size_t i = 0;
  for (int y = top; y < bottom; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(image->ScanLine(y));
    for (int x = left; x < right; ++x, ++i) {
      if ((row[x] & 0xFFFFFF) != (saved[i] & 0xFFFFFF)) row[x] |= 0xFF000000u;
      else row[x] = saved[i];
    }
  }
}

// ---- Hints of the user buttons ------------------------------------------------

void TsTitleButton::ShowHint() {
  hintWindow_.reset();
  if (hint_.empty()) return;
  auto window = std::make_unique<THintWindow>(nullptr);
  window->SetColor(clInfoBk);
  TRect r = window->CalcHintRect(800, hint_);
  POINT cursor{};
  GetCursorPos(&cursor);
  const int w = r.Width(), h = r.Height() + 4;
  int x = cursor.x + 8, y = cursor.y + 16;
  // Inside the work area of the cursor's monitor: left of or above the cursor when needed.
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &info)) {
    if (x + w > info.rcWork.right) x = std::max<LONG>(info.rcWork.left, cursor.x - w);
    if (y + h > info.rcWork.bottom) y = std::max<LONG>(info.rcWork.top, cursor.y - h);
  }
  window->SetParentWindow(Application->Handle());
  window->ActivateHint(TRect{x, y, x + w, y + h}, hint_);
  hintWindow_ = std::move(window);
}

void TsTitleButton::HideHint() { hintWindow_.reset(); }

}  // namespace skin
