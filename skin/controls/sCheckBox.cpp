#include "skin/controls/sCheckBox.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/graphics/Colors.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/ParentBorders.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinDataText.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin {

using namespace classlib;

TFrameStrip FrameStripOf(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  if (width < height || width % height != 0) return {width, 1};
  return {height, width / height};
}

namespace {

constexpr TSize kNoCheckSize{16, 16};

bool HasGlyph(const TBitmap* glyph) { return glyph && glyph->Width() >= 1 && glyph->Height() >= 1; }

}  // namespace

TsCheckBox::TsCheckBox(TComponent* owner)
    : TsSkinnedControl(owner),
      disabledKind_(paint::dgBlended),
      glyphUnChecked_(std::make_unique<TBitmap>()),
      glyphChecked_(std::make_unique<TBitmap>()) {
  SetWordWrap(false);
  SetAutoSize(true);
}

TsCheckBox::~TsCheckBox() { StopFade(fadeTimer_); }

void TsCheckBox::Loaded() {
  TsSkinnedControl::Loaded();
  AdjustSize();
}

void TsCheckBox::Notification(TComponent* component, TOperation operation) {
  TsSkinnedControl::Notification(component, operation);
  // The list is only referred to: forget it when it goes first.
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TsCheckBox::SetDisabledKind(TsDisabledKind value) {
  if (disabledKind_ == value) return;
  disabledKind_ = value;
  SkinData()->Invalidate(false);
}

void TsCheckBox::SetGlyphChecked(const TBitmap* value) {
  glyphChecked_->Assign(value);
  AutoSizeIfOn();
  Invalidate();
}

void TsCheckBox::SetGlyphUnChecked(const TBitmap* value) {
  glyphUnChecked_->Assign(value);
  AutoSizeIfOn();
  Invalidate();
}

void TsCheckBox::SetTextIndent(int value) {
  if (textIndent_ == value) return;
  textIndent_ = value;
  AutoSizeIfOn();
  Invalidate();
}

void TsCheckBox::SetShowFocus(bool value) {
  if (showFocus_ == value) return;
  showFocus_ = value;
  Invalidate();
}

void TsCheckBox::SetMargin(int value) {
  if (margin_ == value) return;
  margin_ = value;
  AutoSizeIfOn();
  Invalidate();
}

void TsCheckBox::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = value;
  if (images_) images_->FreeNotification(this);
  AutoSizeIfOn();
  SkinData()->Invalidate(false);
}

void TsCheckBox::SetImgChecked(int value) {
  if (imgChecked_ == value) return;
  imgChecked_ = value;
  AutoSizeIfOn();
  Invalidate();
}

void TsCheckBox::SetImgUnchecked(int value) {
  if (imgUnchecked_ == value) return;
  imgUnchecked_ = value;
  AutoSizeIfOn();
  Invalidate();
}

void TsCheckBox::SetChecked(bool value) {
  if (IsLoading(this)) {
    TsSkinnedControl::SetChecked(value);
    return;
  }
  if (value != Checked()) SkinData()->BGChanged = true;
  TsSkinnedControl::SetChecked(value);
  if (SkinData()->BGChanged) Invalidate();
}

void TsCheckBox::AutoSizeIfOn() {
  if (AutoSize()) AdjustSize();
}

bool TsCheckBox::SkinnedHere() const { return SkinData()->Skinned(); }

bool TsCheckBox::Hot() const { return SkinData()->FMouseAbove || SkinData()->IsHot(); }

TAlignment TsCheckBox::ControlsAlignment() const {
  if (!UseRightToLeftAlignment()) return Alignment();
  if (Alignment() == taLeftJustify) return taRightJustify;
  if (Alignment() == taRightJustify) return taLeftJustify;
  return Alignment();
}

TsCheckBox::TSource TsCheckBox::Source() const {
  if (images_ && imgChecked_ >= 0 && imgUnchecked_ >= 0) return TSource::ImageList;
  if (HasGlyph(glyphChecked_.get())) return TSource::Glyph;
  if (SkinnedHere() && MaskIndex() >= 0) return TSource::Mask;
  return TSource::None;
}

int TsCheckBox::MaskIndex() const {
  const TsSkinManager* manager = SkinData()->SkinManager();
  if (!manager || !manager->Skin()) return -1;
  const auto& boxes = manager->Skin()->ConstData.CheckBox;
  const int index = State() == cbChecked ? boxes[0] : State() == cbGrayed ? boxes[2] : boxes[1];
  return manager->IsValidImgIndex(index) ? index : -1;
}

TSize TsCheckBox::CheckSize() const {
  switch (Source()) {
    case TSource::ImageList: {
      const TFrameStrip strip = FrameStripOf(images_->Width(), images_->Height());
      if (strip.Frames > 0) return TSize{strip.FrameWidth, images_->Height()};
      break;
    }
    case TSource::Glyph: {
      const TBitmap* glyph = Checked() ? glyphChecked_.get() : glyphUnChecked_.get();
      if (!HasGlyph(glyph)) glyph = glyphChecked_.get();
      const TFrameStrip strip = FrameStripOf(glyph->Width(), glyph->Height());
      if (strip.Frames > 0) return TSize{strip.FrameWidth, glyph->Height()};
      break;
    }
    case TSource::Mask: {
      const TsMaskData& mask = SkinData()->SkinManager()->Skin()->Masks[static_cast<std::size_t>(MaskIndex())];
      if (mask.Bmp) return TSize{mask.Bmp->Width() / 3, mask.Bmp->Height() / 2};
      if (mask.ImageCount > 0 && mask.MaskType >= 0)
        return TSize{mask.R.Width() / mask.ImageCount, mask.R.Height() / (mask.MaskType + 1)};
      break;
    }
    case TSource::None:
      break;
  }
  return kNoCheckSize;
}

TRect TsCheckBox::CheckRect() const {
  const TSize size = CheckSize();
  if (Source() == TSource::None) return TRect{0, 0, kNoCheckSize.cx, kNoCheckSize.cy};
  TRect r;
  r.Top = (Height() - size.cy) / 2;
  r.Bottom = r.Top + size.cy;
  r.Left = ControlsAlignment() == taRightJustify ? margin_ : Width() - margin_ - size.cx;
  r.Right = r.Left + size.cx;
  return r;
}

bool TsCheckBox::CanAutoSize(int& newWidth, int& newHeight) {
  const std::wstring caption = Caption();
  const TSize text = paint::GetTextSize(Font()->Handle(), caption.empty() ? L" " : caption);
  if (!SkinnedHere()) {
    if (!AutoSize()) return TsSkinnedControl::CanAutoSize(newWidth, newHeight);
    newWidth = text.cx + 20;
    newHeight = std::max(text.cy + 4, 20);
    return true;
  }
  if (IsLoading(this) || !AutoSize()) return false;
  const TSize check = CheckSize();
  newWidth = check.cx + 2 * margin_ + (caption.empty() ? 0 : text.cx + textIndent_ + 8);
  newHeight = std::max(check.cy, (caption.empty() ? 0 : text.cy) + 2 * margin_) + 2;
  return true;
}

void TsCheckBox::PaintCaption(TCanvas* canvas) {
  const std::wstring caption = Caption();
  if (caption.empty()) return;
  const TRect check = CheckRect();
  const int textWidth = Width() - (check.Width() + textIndent_ + 2 * margin_ + 2);
  const UINT lineFlag = WordWrap() ? DT_WORDBREAK : DT_SINGLELINE;
  TRect measured{0, 0, textWidth, 0};
  paint::acDrawText(canvas->Handle(), caption, measured, DT_CALCRECT | lineFlag);
  const int h = measured.Height();
  const int w = measured.Width();
  TRect r;
  r.Top = std::max((Height() - h) / 2, margin_);
  r.Bottom = r.Top + h;
  UINT flags = lineFlag;
  if (Alignment() == taLeftJustify) {
    r.Left = margin_;
    r.Right = margin_ + textWidth;
  } else if (Alignment() == taRightJustify && UseRightToLeftReading()) {
    r.Right = Width() - margin_ - check.Width() - textIndent_ - 4;
    r.Left = r.Right - w;
    if (!WordWrap()) flags |= DT_RIGHT;
  } else {
    r.Left = Width() - textWidth - margin_ + 2;
    r.Right = r.Left + w;
  }
  const int dx = WordWrap() ? -1 : 0;
  r = TRect{r.Left + dx, r.Top - 1, r.Right + dx, r.Bottom - 1};
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  PaintSkinDataText(canvas, caption, Enabled(), Hot() && !readOnly_, *SkinData(), flags, r);
  if (Focused() && showFocus_) {
    if (!WordWrap()) --r.Bottom;
    ++r.Top;
    r = TRect{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
    paint::DrawDottedRect(canvas, r, clBtnFace, Font()->Color());
  }
}

void TsCheckBox::PaintGlyphFrame(TBitmap* source, int frame, TBitmap* cache) {
  TBitmap image;
  image.Assign(source);
  if (image.PixelFormat() != pf32bit) image.SetPixelFormat(pf32bit);
  // A picture without any alpha (a plain bitmap, a plain list's image) is
  // opaque; one with its own alpha keeps it.
  bool anyAlpha = false;
  for (int y = 0; y < image.Height() && !anyAlpha; ++y) {
    const std::uint8_t* row = image.ScanLine(y);
    for (int x = 0; x < image.Width() && !anyAlpha; ++x) anyAlpha = row[x * 4 + 3] != 0;
  }
  if (!anyAlpha)
    for (int y = 0; y < image.Height(); ++y) {
      std::uint8_t* row = image.ScanLine(y);
      for (int x = 0; x < image.Width(); ++x) row[x * 4 + 3] = 255;
    }
  const TSize size = CheckSize();
  const TRect check = CheckRect();
  // The copy takes inclusive rectangles.
  const TRect src{size.cx * frame, 0, size.cx * (frame + 1) - 1, size.cy - 1};
  const TRect dst{check.Left, check.Top, check.Right - 1, check.Bottom - 1};
  paint::CopyTransRect(dst, src, cache, true, MakeCacheInfo(cache, 0, 0), &image);
}

void TsCheckBox::PaintCheckImage(TBitmap* cache) {
  const int pressedOrHot = pressed_ ? 2 : Hot() && !readOnly_ ? 1 : 0;
  switch (Source()) {
    case TSource::ImageList: {
      const int index = Checked() ? imgChecked_ : imgUnchecked_;
      if (index < 0 || index >= images_->Count()) return;
      const TFrameStrip strip = FrameStripOf(images_->Width(), images_->Height());
      if (strip.Frames > 1) {
        TBitmap fetched;
        if (!images_->GetBitmap(index, &fetched)) return;
        PaintGlyphFrame(&fetched, std::min(pressedOrHot, strip.Frames - 1), cache);
      } else {
        const TRect check = CheckRect();
        images_->Draw(*cache->Canvas(), check.Left, check.Top, index, true);
      }
      return;
    }
    case TSource::Glyph: {
      TBitmap* glyph = Checked() ? glyphChecked_.get() : glyphUnChecked_.get();
      if (!HasGlyph(glyph)) return;
      const TFrameStrip strip = FrameStripOf(glyph->Width(), glyph->Height());
      if (strip.Frames < 1) return;
      const int frame = pressed_ ? 2 : (!Hot() || readOnly_) ? 0 : 1;
      PaintGlyphFrame(glyph, std::min(frame, strip.Frames - 1), cache);
      return;
    }
    case TSource::Mask: {
      const TsMaskData& mask = SkinData()->SkinManager()->Skin()->Masks[static_cast<std::size_t>(MaskIndex())];
      const TRect check = CheckRect();
      paint::PaintMaskGlyph(cache, TPoint{check.Left, check.Top}, pressedOrHot, 1, mask, MakeCacheInfo(cache, 0, 0));
      return;
    }
    case TSource::None:
      return;
  }
}

void TsCheckBox::PrepareCache() {
  TsCtrlSkinData* skinData = SkinData();
  skinData->InitCacheBmp();
  TBitmap* cache = skinData->CacheBmp();
  if (!cache || cache->Empty()) return;
  cache->Canvas()->SetFont(Font());
  TacBGInfo bg;
  if (Parent()) QueryControlBackground(bg, Parent(), false);
  TacCacheInfo ci;
  BgInfoToCacheInfo(bg, ci);
  if (!ci.Ready && ci.FillColor == kSkinKeyColor) ci = MakeCacheInfo(cache, 0, 0);
  const int state = Hot() && !readOnly_ ? 1 : 0;
  PaintSectionItemOnParent(*skinData, Parent(), true, state, TRect{0, 0, Width(), Height()}, TPoint{Left(), Top()},
                           cache, false);
  cache->Canvas()->SetFont(Font());
  PaintCaption(cache->Canvas());
  PaintCheckImage(cache);
  if (!Enabled()) paint::ApplyDisabledKind(cache, disabledKind_, GetControlColor(Parent()), ci, TPoint{Left(), Top()});
  skinData->BGChanged = false;
  skinData->CachePartial = false;
}

void TsCheckBox::PaintWindow(HDC dc) {
  if (!ControlIsReady(this) || !SkinnedHere()) {
    TsSkinnedControl::PaintWindow(dc);
    return;
  }
  // A picture is taken whatever the parent is doing (a hidden page too).
  SkinData()->SetUpdating(false);
  StopFade(fadeTimer_);
  Paint(dc, true);
}

void TsCheckBox::Paint(HDC givenDC, bool evenWhileLocked) {
  TsCtrlSkinData* skinData = SkinData();
  PAINTSTRUCT ps{};
  const bool own = givenDC == nullptr;
  HDC dc = own ? BeginPaint(Handle(), &ps) : givenDC;
  const int saved = SaveDC(dc);
  if (!evenWhileLocked && skinData->Updating()) {
    skinData->SetUpdating(true);
  } else if (!fadeTimer_) {
    PrepareCache();
    CopyParentCorners(*skinData, Hot() ? 1 : 0, 15);
    if (TBitmap* cache = skinData->CacheBmp(); cache && !cache->Empty())
      BitBlt(dc, 0, 0, Width(), Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  RestoreDC(dc, saved);
  if (own) EndPaint(Handle(), &ps);
}

void TsCheckBox::Fade(TacAnimatEvent event, std::uint8_t direction) {
  FadeToState(fadeTimer_, SkinData(), false, direction, IsEventAnimated(event, animatEvents_, SkinData()->SkinManager()));
}

void TsCheckBox::FocusForInput() {
  if (Focused() || !CanFocus()) return;
  SetClicksDisabled(true);
  SetFocus();
  SetClicksDisabled(false);
}

bool TsCheckBox::HandleInput(TMessage& m) {
  const bool designing = ComponentState().Contains(csDesigning);
  const TShiftState shift = MouseShiftState(m.WParam);
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The system window never sees the press: it would toggle on its own.
      if (designing || !Enabled()) return false;
      m.Result = 0;
      if (readOnly_) return true;
      pressed_ = true;
      Fade(paint::aeMouseDown, paint::fdIn);
      FocusForInput();
      if (m.Msg == WM_LBUTTONDBLCLK) DblClick();
      else MouseDown(mbLeft, shift, x, y);
      return true;
    case WM_LBUTTONUP:
      if (designing || !Enabled()) return false;
      m.Result = 0;
      if (readOnly_) return true;
      if (pressed_) {
        pressed_ = false;
        Toggle();
      }
      MouseUp(mbLeft, shift, x, y);
      if (fadeTimer_ && SkinData()->CacheBmp() && SkinData()->CacheBmp()->Width() != Width()) {
        StopFade(fadeTimer_);
        Repaint();
      }
      return true;
    case WM_KEYDOWN:
    case WM_KEYUP: {
      if (m.WParam != VK_SPACE || designing || !Enabled()) return false;
      m.Result = 0;
      if (readOnly_) return true;
      WORD key = VK_SPACE;
      const TShiftState keys = KeyboardShiftState();
      if (m.Msg == WM_KEYDOWN) {
        pressed_ = true;
        FocusForInput();
        Repaint();
        if (OnKeyDown) OnKeyDown(this, key, keys);
      } else {
        if (pressed_) {
          pressed_ = false;
          Toggle();
        }
        if (OnKeyUp) OnKeyUp(this, key, keys);
      }
      return true;
    }
    default:
      return false;
  }
}

void TsCheckBox::WndProc(TMessage& m) {
  TsCtrlSkinData* skinData = SkinData();
  const bool designing = ComponentState().Contains(csDesigning);
  if (m.Msg == SkinCommandMessage) {
    const std::uint16_t code = SkinCommandCode(m.WParam);
    const bool own = m.LParam == reinterpret_cast<LPARAM>(skinData->SkinManager());
    switch (code) {
      case scIsSkinned:
        m.Result = 1;
        return;
      case scNewSkin:
      case scRemoveSkin:
      case scRefresh:
        if (!own) break;
        StopFade(fadeTimer_);
        CommonWndProc(m, skinData);
        if (code == scRemoveSkin && HandleAllocated()) {
          SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(State()), 0);
        }
        if (code == scRefresh) AdjustSize();
        if (!AnimationRunning()) Repaint();
        return;
      case scFadeStep:
        StopFade(fadeTimer_);
        break;
      case scPrepareCache:
        PrepareCache();
        break;
      default:
        break;
    }
  }
  if (SkinnedHere()) {
    switch (m.Msg) {
      case CM_MOUSEENTER:
        if (Enabled() && !designing && !skinData->FMouseAbove) {
          skinData->FMouseAbove = true;
          Fade(paint::aeMouseEnter, paint::fdIn);
        }
        break;
      case CM_MOUSELEAVE:
        if (Enabled() && !designing) {
          skinData->FMouseAbove = false;
          pressed_ = false;
          Fade(paint::aeMouseLeave, paint::fdOut);
        }
        break;
      case WM_SETFOCUS:
      case CM_ENTER:
        if (designing || !Enabled()) break;
        TsSkinnedControl::WndProc(m);
        skinData->BGChanged = true;
        Repaint();
        return;
      case WM_KILLFOCUS:
      case CM_EXIT:
        if (designing || !Enabled()) break;
        StopFade(fadeTimer_);
        if (HandleAllocated()) SendMessageW(Handle(), WM_SETREDRAW, 0, 0);
        TsSkinnedControl::WndProc(m);
        if (HandleAllocated()) SendMessageW(Handle(), WM_SETREDRAW, 1, 0);
        skinData->FFocused = false;
        skinData->FMouseAbove = false;
        skinData->Invalidate(false);
        return;
      default:
        break;
    }
  }
  if (!ControlIsReady(this)) {
    TsSkinnedControl::WndProc(m);
    return;
  }
  if (CommonWndProc(m, skinData)) return;
  if (!SkinnedHere()) {
    // The system window draws and toggles; read-only keeps it from changing.
    switch (m.Msg) {
      case WM_LBUTTONDOWN:
      case WM_KEYDOWN:
        pressed_ = true;
        break;
      case WM_LBUTTONUP:
      case WM_KEYUP:
        pressed_ = false;
        break;
      case BM_SETCHECK:
      case BM_SETSTATE:
        if (readOnly_ && pressed_ && !ControlState().Contains(csCreating)) return;
        break;
      case WM_LBUTTONDBLCLK:
        if (readOnly_) return;
        break;
      case CM_FONTCHANGED:
      case CM_TEXTCHANGED:
        AutoSizeIfOn();
        break;
      default:
        break;
    }
    classlib::TCheckBox::WndProc(m);
    return;
  }
  if (HandleInput(m)) return;
  switch (m.Msg) {
    case SkinCommandMessage:
      if (SkinCommandCode(m.WParam) == scEndUpdate && (skinData->OwnUpdating() || (skinData->CtrlSkinState & 0x2))) {
        skinData->SetUpdating(false);
        if (!designing) Repaint();
      }
      break;
    case BM_SETCHECK:
      if (fadeTimer_ && fadeTimer_->Direction != paint::fdIdle) StopFade(fadeTimer_);
      return;
    case WM_ENABLE:
    case WM_NCPAINT:
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      // Printed from the cache alone: the system's own print would draw
      // its box over the skinned image.
      skinData->SetUpdating(false);
      Paint(reinterpret_cast<HDC>(m.WParam), true);
      return;
    case WM_UPDATEUISTATE:
      return;
    case CM_ENABLEDCHANGED:
      classlib::TCheckBox::WndProc(m);
      Repaint();
      return;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      AutoSizeIfOn();
      Repaint();
      break;
    case CM_CHANGED:
      if (!designing) Fade(paint::aeMouseUp, paint::fdOut);
      else skinData->Invalidate(false);
      break;
    default:
      break;
  }
  classlib::TCheckBox::WndProc(m);
}

}  // namespace skin
