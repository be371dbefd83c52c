// The caption buttons of a skinned form: their glyph masks, their places
// in the whole-window image and the width of their block.
#include <algorithm>

#include "classlib/controls/Application.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

bool BigGlyphStyle(const TCustomForm* form) {
  return form->BorderStyle() == bsSingle || form->BorderStyle() == bsSizeable;
}

}  // namespace

TsTitleButtonState& TsSkinProvider::SystemButton(int hitCode) {
  for (TsTitleButtonState& button : buttons_)
    if (button.HitCode == hitCode) return button;
  return buttons_[2];
}

TsTitleButtonState* TsSkinProvider::ButtonByCode(int hitCode) {
  for (TsTitleButtonState& button : buttons_)
    if (button.HitCode == hitCode) return &button;
  const int user = hitCode - htUserButton;
  if (user >= 0 && user < titleButtons_->Count()) return &titleButtons_->Items(user)->BtnData;
  return nullptr;
}

void TsSkinProvider::InitTitleButtonIndexes() {
  TsSkinManager* manager = Manager();
  const bool big = BigGlyphStyle(form_);
  if (!manager || !manager->Skin()) return;
  const int global = manager->ConstData().GlobalInfo;
  if (global < 0) return;
  auto mask = [&](const wchar_t* name) { return manager->GetMaskIndex(global, L"GLOBALINFO", name); };
  TsTitleButtonState& minimize = SystemButton(HTMINBUTTON);
  TsTitleButtonState& maximize = SystemButton(HTMAXBUTTON);
  TsTitleButtonState& close = SystemButton(HTCLOSE);
  TsTitleButtonState& help = SystemButton(HTHELP);
  if (big) {
    minimize.ImageIndex = mask(L"BICONMIN");
    maximize.ImageIndex = mask(L"BICONMAX");
    help.ImageIndex = mask(L"BICONHELP");
    const bool withOthers = systemMenu_ && (systemMenu_->VisibleMax() || systemMenu_->VisibleMin());
    close.ImageIndex = withOthers ? mask(L"BICONCLOSE") : mask(L"BICLOSEALONE");
    if (close.ImageIndex < 0) close.ImageIndex = mask(L"BICONCLOSE");
    minimize.BigGlyph = maximize.BigGlyph = close.BigGlyph = true;
    help.BigGlyph = false;
  } else {
    close.ImageIndex = mask(L"SICONCLOSE");
    minimize.ImageIndex = mask(L"SICONMIN");
    maximize.ImageIndex = mask(L"SICONMAX");
    help.ImageIndex = mask(L"SICONHELP");
    if (help.ImageIndex < 0) help.ImageIndex = mask(L"BICONHELP");
    minimize.BigGlyph = maximize.BigGlyph = close.BigGlyph = help.BigGlyph = false;
  }
  const bool closeFound = close.ImageIndex >= 0;
  if (!closeFound) {
    close.ImageIndex = mask(L"BICONCLOSE");
    minimize.ImageIndex = mask(L"BICONMIN");
    maximize.ImageIndex = mask(L"BICONMAX");
    help.ImageIndex = mask(L"BICONHELP");
    minimize.BigGlyph = maximize.BigGlyph = close.BigGlyph = help.BigGlyph = true;
  }
  // A frame shows the small buttons of its maximized MDI child in the menu line.
  if (form_->FormStyle() == fsMDIForm) {
    TsTitleButtonState& mdiMinimize = SystemButton(htMdiMinimize);
    TsTitleButtonState& mdiRestore = SystemButton(htMdiRestore);
    TsTitleButtonState& mdiClose = SystemButton(htMdiClose);
    const bool small = closeFound && mask(L"SICONMIN") >= 0;
    mdiMinimize.ImageIndex = small ? mask(L"SICONMIN") : closeFound ? minimize.ImageIndex : mask(L"BICONMIN");
    mdiRestore.ImageIndex = small ? mask(L"SICONMAX") : closeFound ? maximize.ImageIndex : mask(L"BICONMAX");
    mdiClose.ImageIndex = small ? mask(L"SICONCLOSE") : closeFound ? close.ImageIndex : mask(L"BICONCLOSE");
    mdiMinimize.BigGlyph = mdiRestore.BigGlyph = mdiClose.BigGlyph = !small;
  }
  titleButtonMask_ = mask(L"TITLEBUTTON");
}

int TsSkinProvider::TitleButtonsWidth() {
  TsSkinManager* manager = Manager();
  if (!manager || !manager->Skin()) return 0;
  const TsSkinData& values = manager->SkinData();
  const int space = BigGlyphStyle(form_) ? values.BISpace : 0;
  int width = values.BIRight;
  if (systemMenu_ && sysMenuHidden_) {
    width += TitleButtonWidth(SystemButton(HTCLOSE));
    if (systemMenu_->VisibleMax()) width += TitleButtonWidth(SystemButton(HTMAXBUTTON)) + space;
    if (systemMenu_->VisibleMin()) width += TitleButtonWidth(SystemButton(HTMINBUTTON)) + space;
    if (form_->BorderIcons().Contains(biHelp)) width += TitleButtonWidth(SystemButton(HTHELP)) + space;
  }
  if (titleButtons_->Count() > 0) width += 6;
  for (int i = 0; i < titleButtons_->Count(); ++i) width += UserButtonWidth(*titleButtons_->Items(i)) + space;
  return width;
}

void TsSkinProvider::PlaceTitleButtons() {
  TsSkinManager* manager = Manager();
  HWND wnd = FormHandle();
  if (!manager || !manager->Skin() || !wnd) return;
  const TsSkinData& values = manager->SkinData();
  const TsConstData& consts = manager->ConstData();
  const bool big = BigGlyphStyle(form_);
  const int f = FrameWidthOf(wnd, ExtBorder(), true);
  const int c = ProviderCaptionHeight(true);
  const bool zoomed = Zoomed();
  const int yc = c / 2 + f / 2 + (zoomed ? 2 : 0);
  const int iconLeft = f + values.BILeft;
  if (ShowsSysIcon()) {
    const int w = TitleIconWidth(), h = TitleIconHeight();
    iconRect_ = RECT{iconLeft, yc - h / 2, iconLeft + w, yc - h / 2 + h};
  } else {
    iconRect_ = RECT{iconLeft, 0, iconLeft, 0};
  }
  const int height = CloseButtonHeight();
  int x = FormWidth() - values.BIRight - f;
  auto place = [&](TsTitleButtonState& button, int width) {
    button.Rect.right = x;
    button.Rect.left = x - width;
    if (button.BigGlyph && values.BIVAlign == 1) button.Rect.top = zoomed ? 4 : 0;
    else button.Rect.top = yc - height / 2 + (zoomed ? f / 2 : 0);
    button.Rect.bottom = button.Rect.top + height;
    x = button.Rect.left - values.BISpace * (big ? 1 : 0);
  };
  auto hide = [&](TsTitleButtonState& button) { button.Rect = RECT{x, 0, x, 0}; };
  auto cached = [&](int bigIndex, int smallIndex) { return !big && smallIndex >= 0 ? smallIndex : bigIndex; };
  TsTitleButtonState& close = SystemButton(HTCLOSE);
  TsTitleButtonState& maximize = SystemButton(HTMAXBUTTON);
  TsTitleButtonState& minimize = SystemButton(HTMINBUTTON);
  TsTitleButtonState& help = SystemButton(HTHELP);
  if (systemMenu_ && sysMenuHidden_) {
    place(close, TitleButtonWidth(close));
    if (systemMenu_->VisibleMax()) {
      maximize.ImageIndex = zoomed ? cached(consts.TitleNorm, consts.SmallNorm) : cached(consts.TitleMax, consts.SmallMax);
      place(maximize, TitleButtonWidth(maximize));
    } else {
      hide(maximize);
    }
    if (systemMenu_->VisibleMin()) {
      const bool restores = Iconic() && form_ != Application->MainForm();
      minimize.ImageIndex = restores ? cached(consts.TitleNorm, consts.SmallNorm) : cached(consts.TitleMin, consts.SmallMin);
      place(minimize, TitleButtonWidth(minimize));
    } else {
      hide(minimize);
    }
    if (form_->BorderIcons().Contains(biHelp)) {
      x -= 6;
      if (consts.TitleHelp >= 0) help.ImageIndex = cached(consts.TitleHelp, consts.SmallHelp);
      place(help, TitleButtonWidth(help));
    } else {
      hide(help);
    }
  } else {
    for (TsTitleButtonState* button : {&close, &maximize, &minimize, &help}) hide(*button);
  }
  if (titleButtons_->Count() > 0) x -= 6;
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    TsTitleButton* button = titleButtons_->Items(i);
    button->BtnData.HitCode = htUserButton + i;
    if (!button->Visible()) {
      button->BtnData.Rect = RECT{x, 0, x, 0};
      continue;
    }
    button->BtnData.ImageIndex = button->UseSkinData() && titleButtonMask_ >= 0 ? titleButtonMask_ : -1;
    place(button->BtnData, UserButtonWidth(*button));
  }
}

}  // namespace skin
