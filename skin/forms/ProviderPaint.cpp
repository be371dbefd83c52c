// The whole window as one 32-bit image: frame, title, caption text and
// caption buttons are composed in the skin data's cache only while
// BGChanged is set; the non-client painter, the client painters and the
// print handler copy from it.
#include <algorithm>

#include "classlib/controls/Application.h"
#include "skin/common/AppIcons.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/forms/BorderForm.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/ProviderDC.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

HFONT CreateCaptionFont(BYTE charset) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
  metrics.lfCaptionFont.lfCharSet = charset;
  return CreateFontIndirectW(&metrics.lfCaptionFont);
}

SIZE TextExtent(HDC dc, HFONT font, const std::wstring& text) {
  SIZE size{0, 0};
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  size.cx = r.right - r.left;
  size.cy = r.bottom - r.top;
  SelectObject(dc, old);
  return size;
}

void DrawCaption(HDC dc, HFONT font, TColor color, const std::wstring& text, RECT r, UINT flags) {
  if (r.right <= r.left) return;
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
  SelectObject(dc, old);
}

}  // namespace

bool TsSkinProvider::PaintShowing() const {
  HWND wnd = FormHandle();
  return wnd && form_->Visible() && IsWindowVisible(wnd);
}

int TsSkinProvider::CaptionSectionState(int sectionIndex) const {
  const TsGeneralData* section = SectionAt(Manager(), sectionIndex);
  if (!section) return 0;
  return std::clamp(formActive_ ? 1 : 0, 0, std::max(0, section->States - 1));
}

void TsSkinProvider::PaintNonClientArea() {
  if (form_->ControlState().Contains(csCreating) || (stateBits_ & (sfsBlendMoving | sfsRestorePending)) || !Skinned()) return;
  HWND wnd = FormHandle();
  TsSkinManager* manager = Manager();
  if (!wnd || !manager) return;
  if (!skinData_->CacheBmp()) skinData_->InitCacheBmp();
  TBitmap* image = skinData_->CacheBmp();
  const int f = FrameWidthOf(wnd, ExtBorder(), true);
  const int c = ProviderCaptionHeight(true);
  const int y0 = InnerFrameWidth(wnd, ExtBorder(), true) + c;
  const int w = FormWidth();
  const bool minimisedOther = Iconic() && form_ != Application->MainForm();
  const int h = minimisedOther ? y0 + 2 : FormHeight();
  if (w <= 0 || h <= 0) return;
  if (image->Empty()) {
    if (image->PixelFormat() != pf32bit) image->SetPixelFormat(pf32bit);
    image->SetSize(w, h);
    skinData_->UpdateStateFlags(false);
    skinData_->BGChanged = true;
    if (!ComponentState().Contains(csLoading)) BroadcastToControls(form_, SkinCommand(scStateWord, 1));
  }
  if (!skinData_->BGChanged && image->Width() == w && image->Height() == h) {
    skinData_->SetUpdating(false);
    return;
  }
  ++imageBuilds_;
  PlaceTitleButtons();
  if (image->Width() != w || image->Height() != h) image->SetSize(w, h);
  const int state = CaptionSectionState(skinData_->SkinIndex);
  PaintSectionItem(*skinData_, EmptyCacheInfo, true, state, Rect(0, 0, w, h), Point(form_->Left(), form_->Top()),
                   image, true);
  if (GripShown()) PaintSizeGripInto(image);
  PaintTitleBackground(image, w, minimisedOther ? h : y0);
  if (!minimisedOther) {
    PaintMenuLine(image, y0);
    PaintMdiArea(image, y0);
  }
  PaintCaptionText(image, w, y0);
  if (c > 0 && drawNonClientArea_) {
    PaintTitleIcon(image);
    SaveButtonBlock(image);
    PaintCaptionArea(image);
  }
  paintedOnce_ = true;
  skinData_->BGChanged = false;
  skinData_->SetUpdating(false);
}

void TsSkinProvider::PaintTitleBackground(TBitmap* image, int width, int captionBottom) {
  if (ProviderCaptionHeight(true) <= 0 || !drawNonClientArea_) return;
  const int index = TitleSkinIndex();
  if (!SectionAt(Manager(), index)) return;
  paint::PaintSectionItemByIndex(index, TitleSkinName(), MakeCacheInfo(image, 0, 0), true, CaptionSectionState(index),
                                 Rect(0, 0, width, captionBottom), Point(0, 0), image, Manager(), {});
}

void TsSkinProvider::PaintCaptionText(TBitmap* image, int width, int captionBottom) {
  TsSkinManager* manager = Manager();
  if (ProviderCaptionHeight(true) <= 0 || !drawNonClientArea_ || !manager) return;
  HWND wnd = FormHandle();
  const TsSkinData& values = manager->SkinData();
  const int f = FrameWidthOf(wnd, ExtBorder(), true);
  RECT r{};
  r.left = f + (ShowsSysIcon() ? TitleIconWidth() : 0) + 4 + values.BILeft + (captionSkinIndex_ >= 0 ? 2 : 0);
  r.right = width - TitleButtonsWidth() - 12;
  r.top = Zoomed() ? 3 : 2;
  r.bottom = captionBottom;
  if (r.right <= r.left) return;
  const int textSection = SectionAt(manager, captionSkinIndex_) ? captionSkinIndex_ : TitleSkinIndex();
  const TsGeneralData* section = SectionAt(manager, textSection);
  const TsGeneralData* title = SectionAt(manager, TitleSkinIndex());
  const bool active = formActive_;
  auto sectionFont = [&](const TsGeneralData* s) -> TColor {
    if (!s) return clCaptionText;
    return active && s->States > 1 ? s->HotFontColor : s->FontColor;
  };
  // The added title's colour: the title's own for clNone and clWindowText,
  // else the font's, half way to the title's in an inactive form.
  TColor addedColor = addedTitle_->Font()->Color();
  if (addedColor == clNone || addedColor == clWindowText) addedColor = sectionFont(title);
  else if (!active && title) addedColor = paint::MixColors(addedColor, title->FontColor, 0.5);

  ImageDC dc(image);
  HFONT captionFont = CreateCaptionFont(DEFAULT_CHARSET);
  if (!captionFont) return;
  HFONT addedFont = addedTitle_->Font()->Handle();
  const bool mainShown = addedTitle_->ShowMainCaption();
  const std::wstring mainText = mainShown ? form_->Caption() : addedTitle_->Text();
  HFONT mainFont = mainShown ? captionFont : addedFont;
  const std::wstring addedText = mainShown ? addedTitle_->Text() : std::wstring();
  const SIZE mainSize = TextExtent(dc.Handle(), mainFont, mainText);
  const SIZE addedSize = addedText.empty() ? SIZE{0, 0} : TextExtent(dc.Handle(), addedFont, addedText);
  const int textHeight = std::max(mainSize.cy, addedSize.cy);
  r.top += (r.bottom - r.top - textHeight) / 2;
  r.bottom = r.top + textHeight;
  TAlignment alignment = captionAlignment_;
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (form_->UseRightToLeftReading()) {
    if (alignment == taLeftJustify) alignment = taRightJustify;
    else if (alignment == taRightJustify) alignment = taLeftJustify;
    flags |= DT_RTLREADING;
  }
  const int rectWidth = r.right - r.left;
  const int whole = mainSize.cx + addedSize.cx + (addedText.empty() ? 0 : 4);
  if (alignment == taRightJustify) {
    if (whole < rectWidth) r.left = r.right - whole;
  } else if (alignment == taCenter) {
    r.left = std::max(r.left, r.left + (rectWidth - whole) / 2);
  }
  RECT mainRect = r;
  mainRect.right = std::min<LONG>(r.right, r.left + mainSize.cx);
  DrawCaption(dc.Handle(), mainFont, mainShown ? sectionFont(section) : addedColor, mainText, mainRect, flags);
  if (!addedText.empty()) {
    RECT addedRect{mainRect.right + 4, r.top, 0, r.bottom};
    addedRect.right = std::min<LONG>(r.right, addedRect.left + addedSize.cx + 4);
    if (addedRect.left + 8 < addedRect.right) DrawCaption(dc.Handle(), addedFont, addedColor, addedText, addedRect, flags);
  }
  DeleteObject(captionFont);
}

void TsSkinProvider::PaintButton(TBitmap* image, const TsTitleButtonState& button, bool enabled) {
  if (button.Rect.right <= button.Rect.left) return;
  if (const TsMaskData* mask = MaskAt(Manager(), button.ImageIndex)) {
    // A fading button shows frame 0 here; the fade draws its state.
    const int frame = button.Animation ? 0 : button.State;
    const int state = std::clamp(frame, 0, std::max(0, mask->ImageCount - 1));
    const bool live = (button.State == 1 || button.State == 2) && !button.Animation;
    const bool dimmed = (!formActive_ || !enabled) && !live;
    paint::PaintMaskGlyph(image, Point(button.Rect.left, button.Rect.top), state, dimmed ? 2 : 1, *mask,
                          MakeCacheInfo(image, 0, 0));
  }
  const int user = button.HitCode - htUserButton;
  if (user < 0 || user >= titleButtons_->Count()) return;
  TBitmap* glyph = titleButtons_->Items(user)->Glyph();
  if (glyph->Empty()) return;
  const RECT& r = button.Rect;
  // Pressed glyphs sink by a pixel.
  const int shift = button.State == 2 ? 1 : 0;
  const int x = (r.right - r.left - glyph->Width()) / 2 + r.left + shift;
  const int y = (CloseButtonHeight() - glyph->Height()) / 2 + r.top + shift;
  COLORREF key;
  {
    // The bottom-left pixel is the glyph's transparent colour.
    ImageDC from(glyph);
    key = GetPixel(from.Handle(), 0, glyph->Height() - 1);
  }
  CopyKeyedGlyph(image, glyph, x, y, key);
}

void TsSkinProvider::PaintCaptionArea(TBitmap* image) {
  RestoreButtonBlock(image);
  if (systemMenu_ && sysMenuHidden_) {
    PaintButton(image, SystemButton(HTCLOSE), systemMenu_->VisibleClose());
    if (systemMenu_->VisibleMax()) PaintButton(image, SystemButton(HTMAXBUTTON), ButtonEnabled(SystemButton(HTMAXBUTTON)));
    if (systemMenu_->VisibleMin()) PaintButton(image, SystemButton(HTMINBUTTON), ButtonEnabled(SystemButton(HTMINBUTTON)));
    if (form_->BorderIcons().Contains(biHelp)) PaintButton(image, SystemButton(HTHELP), true);
  }
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    TsTitleButton* button = titleButtons_->Items(i);
    if (!button->Visible()) continue;
    PaintButton(image, button->BtnData, button->Enabled());
  }
  PlaceMdiButtons(InnerFrameWidth(FormHandle(), ExtBorder(), true) + ProviderCaptionHeight(true));
  PaintMdiButtons(image);
}

void TsSkinProvider::PaintNonClientToWindow() {
  HWND wnd = FormHandle();
  if (!drawNonClientArea_ || !wnd) return;
  struct ClearRegionFlag {
    bool& flag;
    ~ClearRegionFlag() { flag = false; }
  } clearFlag{settingRegion_};
  if (!settingRegion_ && captionLayoutChanged_) {
    const bool iconic = Iconic();
    if (!HasBorder() && !IsSizableWnd(wnd) && !iconic) {
      SetWindowRgn(wnd, nullptr, FALSE);
      captionLayoutChanged_ = false;
    } else if (!(iconic && (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_APPWINDOW))) {
      InitRegionRects();
      ApplyWindowRegion(false);
    }
  }
  skinData_->SetUpdating(false);
  if (CacheInvalid()) skinData_->BGChanged = true;
  if (skinData_->BGChanged) PaintNonClientArea();
  WindowDC window(wnd);
  if (!window.Handle()) return;
  const int saved = SaveDC(window.Handle());
  BlitFormImage(window.Handle());
  RestoreDC(window.Handle(), saved);
  // The border shows the frame's active or inactive picture around the new image.
  if (borderForm_) borderForm_->UpdateExBorders(true, 255);
}

void TsSkinProvider::BlitFormImage(HDC dc) {
  HWND wnd = FormHandle();
  if (!wnd) return;
  if (skinData_->BGChanged || CacheInvalid()) PaintNonClientArea();
  TBitmap* image = skinData_->CacheBmp();
  if (!image || image->Empty()) return;
  const int f = FrameWidthOf(wnd, ExtBorder(), true);
  const int w = WndWidth(wnd), h = image->Height();
  const bool captioned = (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  const int y = captioned ? ClientTop() : f;
  ImageDC from(image);
  BitBlt(dc, 0, 0, w, y, from.Handle(), 0, 0, SRCCOPY);
  BitBlt(dc, 0, y, f, h - y, from.Handle(), 0, y, SRCCOPY);
  BitBlt(dc, f, FormHeight() - f, w - f, f, from.Handle(), f, FormHeight() - f, SRCCOPY);
  BitBlt(dc, image->Width() - f, y, f, h - y, from.Handle(), image->Width() - f, y, SRCCOPY);
}

void TsSkinProvider::PaintClient(HDC dc, bool sendUpdate) {
  HWND wnd = FormHandle();
  if (!wnd) return;
  if (!skinData_->Updating() && (skinData_->BGChanged || CacheInvalid())) PaintNonClientArea();
  TBitmap* image = skinData_->CacheBmp();
  RECT client{};
  GetClientRect(wnd, &client);
  if (image && !image->Empty()) {
    ImageDC from(image);
    BitBlt(dc, 0, 0, client.right, client.bottom, from.Handle(), ClientOffsetX(), ClientOffsetY(), SRCCOPY);
  } else {
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(form_->Color())));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
  }
  if (sendUpdate) SendEndUpdateToChildren(form_);
}

void TsSkinProvider::EraseBackground(HDC dc) {
  HWND wnd = FormHandle();
  if (!wnd || Destroying()) return;
  const bool own = dc == nullptr;
  if (own) dc = GetDC(wnd);
  if (!dc) return;
  skinData_->SetUpdating(false);
  const int saved = SaveDC(dc);
  // Child windows paint themselves.
  for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  PaintClient(dc, true);
  RestoreDC(dc, saved);
  form_->PaintControls(dc, nullptr);
  if (own) ReleaseDC(wnd, dc);
}

void TsSkinProvider::HideSysMenuStyle(bool hide) {
  HWND wnd = FormHandle();
  if (!wnd) return;
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  if (hide) {
    if (!(style & WS_SYSMENU) && !sysMenuHidden_) return;
    if (drawNonClientArea_) SetWindowLongPtrW(wnd, GWL_STYLE, style & ~WS_SYSMENU);
    else SetWindowLongPtrW(wnd, GWL_STYLE, style | WS_SYSMENU);
    sysMenuHidden_ = true;
    return;
  }
  if (!sysMenuHidden_) return;
  SetWindowLongPtrW(wnd, GWL_STYLE, style | WS_SYSMENU);
  // Re-sending the small icon makes the system refresh its caption.
  const LRESULT icon = SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0);
  SendMessageW(wnd, WM_SETICON, ICON_SMALL, icon);
  sysMenuHidden_ = false;
}

}  // namespace skin
