// The non-client hit test of a skinned form and the size grip.
#include <windowsx.h>

#include <algorithm>

#include "skin/forms/FormMetrics.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

bool Contains(const RECT& r, POINT p) { return PtInRect(&r, p) != FALSE; }

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
  // The menu line, with a maximized MDI child's buttons at its right end.
  const int rowHeight = MenuLineHeight();
  if (rowHeight > 0 && p.y >= 0 && p.y < c + inner + std::max(1, MenuRows()) * rowHeight) {
    if (MdiButtonsVisible()) {
      if (skinData_->BGChanged || CacheInvalid()) PlaceMdiButtons(inner + ProviderCaptionHeight(true));
      for (int code : {htMdiClose, htMdiRestore, htMdiMinimize})
        if (Contains(SystemButton(code).Rect, p)) return code;
    }
    return HTMENU;
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
