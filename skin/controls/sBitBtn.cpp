#include "skin/controls/sBitBtn.h"

#include <algorithm>

#include "classlib/graphics/Colors.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/paint/ButtonLayout.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

std::uint32_t AlignmentFlag(TAlignment alignment) {
  return alignment == taLeftJustify ? DT_LEFT : alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
}

}  // namespace

TsBitBtn::TsBitBtn(TComponent* owner)
    : TsButtonBase(owner), drawCanvas_(std::make_unique<TCanvas>()) {
  SetWordWrap(true);
}

TsBitBtn::~TsBitBtn() = default;

void TsBitBtn::Loaded() {
  TsButtonBase::Loaded();
  // A stored glyph and a list picture are never both kept.
  if (ImageListUsable()) Glyph()->Assign(nullptr);
}

void TsBitBtn::SetDown(bool value) {
  if (down_ == value) return;
  down_ = value;
  stateChanged_ = true;
  StopFadeNow();
  SkinData()->BGChanged = true;
  Repaint();
}

void TsBitBtn::SetImageIndex(int value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  SkinData()->Invalidate(false);
}

void TsBitBtn::SetBlend(int value) {
  value = std::clamp(value, 0, 100);
  if (blend_ == value) return;
  blend_ = value;
  SkinData()->Invalidate(false);
}

void TsBitBtn::SetDisabledGlyphKind(std::uint8_t value) {
  if (disabledGlyphKind_ == value) return;
  disabledGlyphKind_ = value;
  SkinData()->Invalidate(false);
}

void TsBitBtn::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  SkinData()->Invalidate(false);
}

void TsBitBtn::SetTextAlignment(TAlignment value) {
  if (textAlignment_ == value) return;
  textAlignment_ = value;
  SkinData()->Invalidate(false);
}

void TsBitBtn::Invalidate() {
  if (Layout() != lastLayout_) {
    lastLayout_ = Layout();
    SkinData()->BGChanged = true;
  }
  TsButtonBase::Invalidate();
}

bool TsBitBtn::ImageListUsable() const {
  return images_ && images_->Count() >= 1 && imageIndex_ >= 0 && imageIndex_ < images_->Count();
}

TPoint TsBitBtn::GlyphSize() const {
  const int numGlyphs = std::max(1, NumGlyphs() % 128);
  if (ImageListUsable()) return TPoint{images_->Width() / numGlyphs, images_->Height()};
  if (Glyph()->Width() > 0 && Glyph()->Height() > 0) return TPoint{Glyph()->Width() / numGlyphs, Glyph()->Height()};
  return TPoint{0, 0};
}

int TsBitBtn::TextAreaWidth() const {
  if (!showCaption_ || Caption().empty()) return 0;
  int width = Width() - 2 * Margin();
  const int glyphWidth = GlyphSize().X;
  if ((Layout() == blGlyphLeft || Layout() == blGlyphRight) && glyphWidth != 0) width -= glyphWidth + Spacing();
  return width;
}

void TsBitBtn::CalcLayout() {
  const int textWidth = TextAreaWidth();
  TRect text{0, 0, std::max(0, textWidth), 0};
  if (textWidth > 0) {
    TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(Font());
    const std::uint32_t flags =
        AlignmentFlag(textAlignment_) | DT_CALCRECT | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : 0);
    paint::acDrawText(canvas->Handle(), Caption(), text, flags);
  } else {
    text = TRect{};
  }
  paint::TButtonLayoutParams p;
  p.Client = TRect{0, 0, Width(), Height()};
  p.GlyphSize = GlyphSize();
  p.TextSize = TPoint{text.Width(), text.Height()};
  p.Layout = Layout();
  p.Alignment = alignment_;
  p.Margin = Margin();
  p.Spacing = Spacing();
  const paint::TButtonLayoutResult result = paint::CalcButtonLayout(p);
  glyphPos_ = result.GlyphPos;
  captionRect_ = result.TextBounds;
}

TRect TsBitBtn::GlyphRect() const {
  const TPoint size = GlyphSize();
  TRect r{glyphPos_.X, glyphPos_.Y, glyphPos_.X + size.X, glyphPos_.Y + size.Y};
  if (CurrentState() == kButtonPressed) r = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  if (Reflected()) {
    const int up = r.Width() / 6;
    r.Top -= up;
    r.Bottom -= up;
  }
  return r;
}

void TsBitBtn::DrawCaption(TCanvas* canvas, int skinState) {
  TsCtrlSkinData* skinData = SkinData();
  const bool skinned = skinData->Skinned(false);
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  TRect r = captionRect_;
  if (CurrentState() == kButtonPressed) r = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  const std::uint32_t flags = AlignmentFlag(textAlignment_) | DT_VCENTER | DT_EXPANDTABS | DT_END_ELLIPSIS |
                              (WordWrap() ? DT_WORDBREAK : 0);
  if (skinned) {
    paint::TSkinTextParams text;
    text.Text = Caption();
    text.R = r;
    text.Flags = flags;
    text.Enabled = true;  // the disabled look comes over the whole image
    text.State = skinState == 0 ? 0 : 1;
    text.SkinIndex = skinData->SkinIndex;
    text.SkinManager = skinData->SkinManager();
    paint::PaintSkinText(canvas, text);
    const TsGeneralData* section = skinData->Section();
    if (Enabled() && Focused() && !Caption().empty() && section && section->ShowFocus && ShowFocus() &&
        showCaption_) {
      const TRect focus{r.Left - FocusMargin(), r.Top - FocusMargin(), r.Right + FocusMargin(),
                        r.Bottom + FocusMargin()};
      paint::DrawDottedRect(canvas, focus, clBtnFace, clBlack);
    }
    return;
  }
  if (Enabled()) {
    paint::acDrawText(canvas->Handle(), Caption(), r, flags);
    return;
  }
  // Disabled text embossed, as the system draws it.
  TRect shadow{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  canvas->Font()->SetColor(clBtnHighlight);
  paint::acDrawText(canvas->Handle(), Caption(), shadow, flags);
  canvas->Font()->SetColor(clBtnShadow);
  paint::acDrawText(canvas->Handle(), Caption(), r, flags);
}

void TsBitBtn::PrepareCache() {
  if (Spacing() != lastSpacing_) lastSpacing_ = Spacing();
  const int skinState = SkinState();
  TacCacheInfo ci;
  PaintBackground(ci, skinState);
  PaintBorder(ci, skinState, drawOverBorder_);
  ApplyHueAndSaturation();
  CalcLayout();
  if (showCaption_) DrawCaption(SkinData()->CacheBmp()->Canvas(), skinState);
  PaintButtonGlyph(this, nullptr);
  if (!drawOverBorder_) PaintBorderOver(ci, skinState);
  FinishCache(ci);
  if (OnPaint) OnPaint(this, SkinData()->CacheBmp());
}

void TsBitBtn::WndProc(TMessage& m) {
  if (m.Msg == WM_SETTEXT && Showing() && HandleAllocated() && SkinData()->Skinned(false)) {
    StopFadeNow();
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    TsButtonBase::WndProc(m);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    return;
  }
  // A changed spacing redraws the whole image.
  if (m.Msg == WM_PAINT && Spacing() != lastSpacing_) {
    lastSpacing_ = Spacing();
    SkinData()->BGChanged = true;
  }
  TsButtonBase::WndProc(m);
}

void TsBitBtn::DrawUnskinned(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0 || down_;
  UINT state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
  if (pressed) state |= DFCS_PUSHED;
  if (item.itemState & ODS_DISABLED) state |= DFCS_INACTIVE;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, state);
  CalcLayout();
  drawCanvas_->SetHandle(item.hDC);
  if (showCaption_) DrawCaption(drawCanvas_.get(), 0);
  PaintButtonGlyph(this, drawCanvas_.get());
  drawCanvas_->SetHandle(nullptr);
  if (item.itemState & ODS_FOCUS) {
    RECT f = item.rcItem;
    InflateRect(&f, -4, -4);
    DrawFocusRect(item.hDC, &f);
  }
}

}  // namespace skin
