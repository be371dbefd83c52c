// The non-client hit test of a skinned form, the caption buttons' hover,
// press and release, and the size grip.
#include <windowsx.h>

#include <algorithm>

#include "skin/forms/FormMetrics.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/forms/TitleButtonAnimation.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

bool Contains(const RECT& r, POINT p) { return PtInRect(&r, p) != FALSE; }

bool IsButtonCode(int code) {
  return code == HTMINBUTTON || code == HTMAXBUTTON || code == HTCLOSE || code == HTHELP ||
         (code >= htUserButton && code < htUserButton + 100);
}

}  // namespace

int TsSkinProvider::TitleButtonAt(POINT p) {
  if (ExtBorder()) return 0;
  if (!systemMenu_) InitFormSkinning();
  if (!systemMenu_) return 0;
  int n = 0, found = 0;
  if (sysMenuHidden_) {
    n = 1;
    if (Contains(SystemButton(HTCLOSE).Rect, p)) found = 1;
    else {
      const bool max = systemMenu_->VisibleMax();
      if (max) {
        n = 2;
        if (Contains(SystemButton(HTMAXBUTTON).Rect, p)) return 2;
      }
      if (systemMenu_->VisibleMin()) {
        n = max ? 3 : 2;
        if (Contains(SystemButton(HTMINBUTTON).Rect, p)) return n;
      }
      if (form_->BorderIcons().Contains(biHelp)) {
        ++n;
        if (Contains(SystemButton(HTHELP).Rect, p)) return n;
      }
    }
  }
  if (found == 1) {
    n = 1 + (systemMenu_->VisibleMax() ? 1 : 0) + (systemMenu_->VisibleMin() ? 1 : 0) +
        (form_->BorderIcons().Contains(biHelp) ? 1 : 0);
  }
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    ++n;
    const TsTitleButton* button = titleButtons_->Items(i);
    if (button->Visible() && Contains(button->BtnData.Rect, p)) return n;
  }
  return found;
}

int TsSkinProvider::ButtonHitAt(POINT p) {
  if (!systemMenu_) InitFormSkinning();
  if (!systemMenu_ || ExtBorder()) return HTCLIENT;
  // User buttons first: one over the close button wins.
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    const TsTitleButton* button = titleButtons_->Items(i);
    if (button->Visible() && Contains(button->BtnData.Rect, p)) return htUserButton + i;
  }
  if (!sysMenuHidden_) return HTCLIENT;
  if (Contains(SystemButton(HTCLOSE).Rect, p)) return HTCLOSE;
  if (systemMenu_->VisibleMax() && Contains(SystemButton(HTMAXBUTTON).Rect, p))
    return systemMenu_->EnabledMax() || (systemMenu_->EnabledRestore() && !Iconic()) ? HTMAXBUTTON : HTCAPTION;
  if (systemMenu_->VisibleMin() && Contains(SystemButton(HTMINBUTTON).Rect, p))
    return Iconic() || systemMenu_->EnabledMin() ? HTMINBUTTON : HTCAPTION;
  if (form_->BorderIcons().Contains(biHelp) && Contains(SystemButton(HTHELP).Rect, p)) return HTHELP;
  return HTCLIENT;
}

int TsSkinProvider::FrameHitTest(POINT screenPoint) {
  HWND wnd = FormHandle();
  if (!wnd) return HTNOWHERE;
  RECT bounds{};
  GetWindowRect(wnd, &bounds);
  const POINT p{screenPoint.x - bounds.left, screenPoint.y - bounds.top};
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (skinData_->BGChanged || CacheInvalid()) PlaceTitleButtons();
  const int button = ButtonHitAt(p);
  if (button != HTCLIENT) return button;
  // Bands, half-open: the last row and column belong to the frame.
  const int w = FrameWidthOf(wnd, ExtBorder(), true);
  const int inner = InnerFrameWidth(wnd, ExtBorder(), true);
  if (!Zoomed() && IsSizableWnd(wnd) && !ExtBorder()) {
    int code = 0;
    if (p.y < inner) code = HTTOP;
    else if (p.y >= height - w) code = HTBOTTOM;
    if (p.x < w) code = code == HTTOP ? HTTOPLEFT : code == HTBOTTOM ? HTBOTTOMLEFT : HTLEFT;
    else if (p.x >= width - w) code = code == HTTOP ? HTTOPRIGHT : code == HTBOTTOM ? HTBOTTOMRIGHT : HTRIGHT;
    if (code) return code;
  }
  const int c = SystemCaptionHeight(form_);
  if (p.y >= 0 && p.y < c + inner) {
    if (Contains(iconRect_, p)) return HTSYSMENU;
    return HTCAPTION;
  }
  TsSkinManager* manager = Manager();
  if (GripShown() && manager && manager->IsValidImgIndex(manager->ConstData().GripImage)) {
    const POINT grip = GripPosition(manager->ConstData().GripImage);
    if (p.x >= grip.x && p.y >= grip.y) return HTBOTTOMRIGHT;
  }
  return HTCLIENT;
}

void TsSkinProvider::OnNcHitTest(TMessage& message) {
  if (loadedPending_) PrepareOnLoaded();
  if (ProviderCaptionHeight(true) == 0 || !drawNonClientArea_) {
    CallOld(message);
    return;
  }
  const POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  const int code = FrameHitTest(screen);
  switch (code) {
    case HTNOWHERE: case HTCLIENT: case HTCAPTION: case HTMENU:
    case HTLEFT: case HTRIGHT: case HTTOP: case HTTOPLEFT: case HTTOPRIGHT: case HTBOTTOM: case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT: {
      TsSkinManager* manager = Manager();
      if (GripShown() && manager && manager->IsValidImgIndex(manager->ConstData().GripImage)) {
        RECT bounds{};
        GetWindowRect(FormHandle(), &bounds);
        const POINT grip = GripPosition(manager->ConstData().GripImage);
        if (screen.x - bounds.left >= grip.x && screen.y - bounds.top >= grip.y) {
          message.Result = HTBOTTOMRIGHT;
          return;
        }
      }
      CallOld(message);
      return;
    }
    default:
      message.Result = code;
      return;
  }
}

// ---- Hover, press and release ------------------------------------------------

void TsSkinProvider::ResetButtonStates() {
  bool changed = false;
  for (TsTitleButtonState& button : buttons_) {
    changed |= button.State != 0;
    button.State = 0;
  }
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    changed |= titleButtons_->Items(i)->BtnData.State != 0;
    titleButtons_->Items(i)->BtnData.State = 0;
  }
  hotButton_ = 0;
  if (changed && TitleButtonsAnimated())
    for (TsTitleButtonState& button : buttons_) StartTitleButtonAnimation(button, 0, TitleFadeSteps, false);
  if (changed) RepaintButtons();
}

void TsSkinProvider::SetHotButton(int hitCode) {
  if (hotButton_ == hitCode || pressedButton_ != 0) return;
  TsTitleButtonState* old = ButtonByCode(hotButton_);
  if (old) old->State = 0;
  hotButton_ = hitCode;
  TsTitleButtonState* hot = ButtonByCode(hitCode);
  if (!TitleButtonsAnimated()) {
    if (hot) hot->State = 1;
    RepaintButtons();
    return;
  }
  // The caption keeps the normal look under the fade-in.
  RepaintButtons();
  if (old) StartTitleButtonAnimation(*old, 0, TitleFadeSteps, false);
  if (hot) {
    hot->State = 1;
    StartTitleButtonAnimation(*hot, 1, TitleFadeSteps, true);
  }
}

void TsSkinProvider::ReleaseButton(int hitCode) {
  HWND wnd = FormHandle();
  if (!wnd) return;
  switch (hitCode) {
    case HTCLOSE:
      SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case HTMAXBUTTON:
      SendMessageW(wnd, WM_SYSCOMMAND, IsZoomed(wnd) ? SC_RESTORE : SC_MAXIMIZE, 0);
      return;
    case HTMINBUTTON:
      SendMessageW(wnd, WM_SYSCOMMAND, IsIconic(wnd) ? SC_RESTORE : SC_MINIMIZE, 0);
      return;
    case HTHELP:
      SendMessageW(wnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      return;
    default:
      if (hitCode >= htUserButton && hitCode - htUserButton < titleButtons_->Count())
        titleButtons_->Items(hitCode - htUserButton)->MouseUp(mbLeft, TShiftState(), 0, 0);
      return;
  }
}

void TsSkinProvider::OnNcButton(TMessage& message) {
  HWND wnd = FormHandle();
  switch (message.Msg) {
    case WM_NCMOUSEMOVE: {
      const int code = FrameHitTest(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      if (IsButtonCode(code)) {
        SetHotButton(code);
        return;
      }
      SetHotButton(0);
      CallOld(message);
      return;
    }
    case WM_NCLBUTTONDOWN: {
      const int code = static_cast<int>(message.WParam);
      if (!IsButtonCode(code) || !drawNonClientArea_) {
        CallOld(message);
        return;
      }
      if (code == HTMAXBUTTON && systemMenu_ && !(systemMenu_->EnabledMax() || (IsZoomed(wnd) && systemMenu_->EnabledRestore())))
        return;
      hotButton_ = 0;
      for (TsTitleButtonState& button : buttons_) button.State = 0;
      pressedButton_ = code;
      if (TsTitleButtonState* pressed = ButtonByCode(code)) {
        pressed->State = 2;
        if (TitleButtonsAnimated()) StartTitleButtonAnimation(*pressed, 2, TitlePressSteps, true);
      }
      if (code >= htUserButton && code - htUserButton < titleButtons_->Count())
        titleButtons_->Items(code - htUserButton)->MouseDown(mbLeft, TShiftState(), 0, 0);
      RepaintButtons();
      SetCapture(wnd);
      message.Result = 0;
      return;
    }
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP: {
      if (pressedButton_ == 0) {
        CallOld(message);
        return;
      }
      const int pressed = pressedButton_;
      pressedButton_ = 0;
      if (GetCapture() == wnd) ReleaseCapture();
      POINT cursor{};
      GetCursorPos(&cursor);
      const int code = FrameHitTest(cursor);
      ResetButtonStates();
      // A press released elsewhere does nothing.
      if (code == pressed) {
        auto alive = alive_;
        ReleaseButton(code);
        if (!*alive) return;
      }
      message.Result = 0;
      return;
    }
    case WM_NCLBUTTONDBLCLK:
      if (message.WParam == HTSYSMENU) {
        form_->Close();
        return;
      }
      CallOld(message);
      return;
    default:  // the mouse left
      ResetButtonStates();
      CallOld(message);
      return;
  }
}

// ---- Size grip -------------------------------------------------------------------

void TsSkinProvider::PaintSizeGripInto(TBitmap* image) {
  TsSkinManager* manager = Manager();
  if (!manager || !manager->IsValidImgIndex(manager->ConstData().GripImage)) return;
  const TsMaskData& mask = manager->Skin()->Masks[static_cast<size_t>(manager->ConstData().GripImage)];
  const POINT p = GripPosition(manager->ConstData().GripImage);
  paint::PaintMaskGlyph(image, Point(p.x, p.y), 0, 1, mask, MakeCacheInfo(image, 0, 0));
}

void TsSkinProvider::PaintSizeGrip(HDC dc) {
  TsSkinManager* manager = Manager();
  TBitmap* image = skinData_->CacheBmp();
  if (!manager || !image || image->Empty() || !manager->IsValidImgIndex(manager->ConstData().GripImage)) return;
  const TsMaskData& mask = manager->Skin()->Masks[static_cast<size_t>(manager->ConstData().GripImage)];
  const POINT p = GripPosition(manager->ConstData().GripImage);
  const int count = std::max<int>(1, mask.ImageCount);
  const int w = mask.R.Width() / count, h = mask.R.Height() / (mask.MaskType + 1);
  PaintSizeGripInto(image);
  TCanvas* canvas = image->Canvas();
  canvas->Lock();
  BitBlt(dc, p.x, p.y, w, h, canvas->Handle(), p.x, p.y, SRCCOPY);
  canvas->Unlock();
}

}  // namespace skin
