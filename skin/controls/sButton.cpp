#include "skin/controls/sButton.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/graphics/Colors.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin {

using namespace classlib;

void TImageMargins::Set(int& field, int value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TImageMargins::Changed() {
  if (OnChange) OnChange(this);
}

void TImageMargins::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TImageMargins*>(source);
  if (!other) return TPersistent::Assign(source);
  left_ = other->left_;
  top_ = other->top_;
  right_ = other->right_;
  bottom_ = other->bottom_;
  Changed();
}

TsButton::TsButton(TComponent* owner)
    : TsButtonBase(owner), imageMargins_(std::make_unique<TImageMargins>()), drawCanvas_(std::make_unique<TCanvas>()) {
  SetWordWrap(true);
  imageMargins_->OnChange = [this](TObject*) {
    if (images_) SkinData()->Invalidate(false);
  };
}

TsButton::~TsButton() = default;

void TsButton::SetDown(bool value) {
  if (down_ == value) return;
  down_ = value;
  stateChanged_ = true;
  if (ComponentState().Contains(csLoading)) return;
  StopFadeNow();
  SkinData()->Invalidate(false);
}

void TsButton::SetStyle(TButtonStyle value) {
  if (style_ == value) return;
  style_ = value;
  SkinData()->Invalidate(false);
}

void TsButton::SetContentMargin(int value) {
  if (contentMargin_ == value) return;
  contentMargin_ = value;
  SkinData()->Invalidate(false);
}

void TsButton::SetCommandLinkHint(const std::wstring& value) {
  if (commandLinkHint_ == value) return;
  commandLinkHint_ = value;
  SkinData()->Invalidate(false);
}

void TsButton::SetDropDownMenu(TPopupMenu* value) {
  if (dropDownMenu_ == value) return;
  if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
  dropDownMenu_ = value;
  if (dropDownMenu_) dropDownMenu_->FreeNotification(this);
}

void TsButton::SetImageAlignment(TImageAlignment value) {
  if (imageAlignment_ == value) return;
  imageAlignment_ = value;
  if (images_) SkinData()->Invalidate(false);
}

void TsButton::SetIndex(int which, int value) {
  int& field = indexes_[static_cast<std::size_t>(which)];
  if (field == value) return;
  field = value;
  if (images_) SkinData()->Invalidate(false);
}

void TsButton::Notification(TComponent* component, TOperation operation) {
  TsButtonBase::Notification(component, operation);
  if (operation == opRemove && component == dropDownMenu_) dropDownMenu_ = nullptr;
}

bool TsButton::HasGlyph() const { return images_ && indexes_[0] >= 0 && indexes_[0] < images_->Count(); }

TPushButtonLayout TsButton::Layout() {
  TPushButtonLayout l;
  l.Width = Width();
  l.Height = Height();
  l.Style = style_;
  l.HasGlyph = HasGlyph();
  l.Alignment = imageAlignment_;
  l.MarginLeft = imageMargins_->Left();
  l.MarginTop = imageMargins_->Top();
  l.MarginRight = imageMargins_->Right();
  l.MarginBottom = imageMargins_->Bottom();
  l.ContentMargin = contentMargin_;
  if (images_) l.ImageSize = TPoint{images_->Width(), images_->Height()};
  l.Pressed = CurrentState() == kButtonPressed;
  // The caption measured as it is drawn.
  TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
  canvas->SetFont(Font());
  int available = Width();
  if (style_ == bsCommandLink) {
    available = Width() - 2 * contentMargin_ - CommandLinkGlyphSize(l).X - 6;
    canvas->Font()->SetStyle(TFontStyles(canvas->Font()->Style()).Include(fsBold));
    canvas->Font()->SetSize(canvas->Font()->Size() + 2);
  }
  TRect r{0, 0, std::max(0, available), 0};
  const std::uint32_t flags = DT_CENTER | DT_EXPANDTABS | DT_CALCRECT | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE);
  if (!Caption().empty()) paint::acDrawText(canvas->Handle(), Caption(), r, flags);
  else r = TRect{};
  canvas->SetFont(Font());
  l.TextSize = TPoint{r.Width(), r.Height()};
  return l;
}

TRect TsButton::CaptionRect() { return PushButtonCaptionRect(Layout()); }

TRect TsButton::GlyphRect() { return PushButtonGlyphRect(Layout()); }

int TsButton::CurrentImageIndex() const {
  if (!HasGlyph()) return -1;
  const bool focused = SkinData()->FFocused || const_cast<TsButton*>(this)->Focused();
  return PushButtonImageIndex(indexes_, PushButtonImageState(Enabled(), CurrentState(), focused), images_->Count());
}

void TsButton::DrawGlyph(int /*skinState*/) {
  if (!HasGlyph()) return;
  const TRect r = GlyphRect();
  const int index = CurrentImageIndex();
  if (dynamic_cast<TsAlphaImageList*>(images_))
    DrawImageToBitmap(images_, index, SkinData()->CacheBmp(), r.Left, r.Top, Reflected(), 1, 0, clNone, 0);
  else
    images_->Draw(*SkinData()->CacheBmp()->Canvas(), r.Left, r.Top, index, true);
}

void TsButton::DrawCaption(TCanvas* canvas, int skinState) {
  TsCtrlSkinData* skinData = SkinData();
  const bool skinned = skinData->Skinned(false);
  if (!canvas) canvas = skinData->CacheBmp()->Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  std::uint32_t flags = DT_CENTER | DT_VCENTER | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : 0);
  if (style_ == bsCommandLink) {
    flags = DT_WORDBREAK | DT_EXPANDTABS;
    canvas->Font()->SetStyle(TFontStyles(canvas->Font()->Style()).Include(fsBold));
    canvas->Font()->SetSize(canvas->Font()->Size() + 2);
  }
  const TRect r = CaptionRect();
  paint::TSkinTextParams text;
  text.Text = Caption();
  text.R = r;
  text.Flags = flags;
  text.Enabled = Enabled() || skinned;
  text.State = skinState == 0 ? 0 : 1;
  text.SkinIndex = skinned ? skinData->SkinIndex : -1;
  text.SkinManager = skinData->SkinManager();
  if (skinned) {
    paint::PaintSkinText(canvas, text);
  } else {
    TRect shown = r;
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    paint::acDrawText(canvas->Handle(), text.Text, shown, flags);
  }
  if (style_ == bsCommandLink) {
    canvas->SetFont(Font());
    if (!commandLinkHint_.empty()) {
      text.Text = commandLinkHint_;
      text.R = TRect{r.Left, r.Bottom + 6, r.Right, Height() - contentMargin_};
      if (skinned) paint::PaintSkinText(canvas, text);
      else paint::acDrawText(canvas->Handle(), text.Text, text.R, flags);
    }
  }
  const TsGeneralData* section = skinData->Section();
  if (Focused() && Enabled() && !Caption().empty() && ShowFocus() && skinned && section && section->ShowFocus) {
    const TRect focus{r.Left - FocusMargin(), r.Top - FocusMargin(), r.Right + FocusMargin(), r.Bottom + FocusMargin()};
    paint::DrawDottedRect(canvas, focus, clBtnFace, clBlack);
  }
}

void TsButton::PrepareCache() {
  const int skinState = SkinState();
  TacCacheInfo ci;
  PaintBackground(ci, skinState);
  PaintBorder(ci, skinState, true);
  ApplyHueAndSaturation();
  DrawGlyph(skinState);
  DrawCaption(nullptr, skinState);
  if (style_ == bsSplitButton) {
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    const TColor colour = SectionFontColor(skinState);
    canvas->Pen()->SetColor(colour);
    canvas->MoveTo(Width() - 15, 4);
    canvas->LineTo(Width() - 15, Height() - 4);
    paint::DrawSmallArrow(canvas, colour, TRect{Width() - 16, 0, Width(), Height()}, paint::sadDown);
  }
  FinishCache(ci);
}

void TsButton::DropDown() {
  droppedDown_ = true;
  SkinData()->Invalidate(true);
  const TPoint at = ClientToScreen(TPoint{0, Height()});
  dropDownMenu_->Popup(at.X, at.Y);
  droppedDown_ = false;
  SkinData()->Invalidate(false);
}

void TsButton::WndProc(TMessage& m) {
  // A press on the split part opens the menu and is not a click.
  if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && style_ == bsSplitButton && dropDownMenu_ &&
      GET_X_LPARAM(m.LParam) >= Width() - 16 && Enabled()) {
    DropDown();
    return;
  }
  TsButtonBase::WndProc(m);
}

void TsButton::DrawUnskinned(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0 || down_ || droppedDown_;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  UINT state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
  if (pressed) state |= DFCS_PUSHED;
  if (item.itemState & ODS_DISABLED) state |= DFCS_INACTIVE;
  if (ActiveLook() || focused) {
    paint::FillFrameColor(item.hDC, TRect{r.left, r.top, r.right, r.bottom}, paint::TFrameWidths{1, 1, 1, 1},
                          clWindowFrame);
    InflateRect(&r, -1, -1);
  }
  if (pressed)
    paint::FillFrameColor(item.hDC, TRect{r.left, r.top, r.right, r.bottom}, paint::TFrameWidths{1, 1, 1, 1},
                          clBtnShadow);
  else
    DrawFrameControl(item.hDC, &r, DFC_BUTTON, state);
  drawCanvas_->SetHandle(item.hDC);
  DrawCaption(drawCanvas_.get(), 0);
  PaintButtonGlyph(this, drawCanvas_.get());
  if (style_ == bsSplitButton) {
    const TColor colour = ColorToRGB(Font()->Color());
    drawCanvas_->Pen()->SetColor(colour);
    drawCanvas_->MoveTo(Width() - 15, 4);
    drawCanvas_->LineTo(Width() - 15, Height() - 4);
    paint::DrawSmallArrow(drawCanvas_.get(), colour, TRect{Width() - 16, 0, Width(), Height()}, paint::sadDown);
  }
  drawCanvas_->SetHandle(nullptr);
  if (ActiveLook() && focused) {
    RECT f = item.rcItem;
    InflateRect(&f, -4, -4);
    if (style_ == bsSplitButton) f.right -= 14;
    DrawFocusRect(item.hDC, &f);
  }
}

}  // namespace skin
