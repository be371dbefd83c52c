#include "skin/controls/sButtonBase.h"

#include <algorithm>

#include "classlib/controls/Application.h"
#include "classlib/graphics/Colors.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/ParentBorders.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/ControlClassCodes.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/GlowWindows_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/MaskRegions_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// Shared by every button of the process, set around single synchronous calls.
bool releaseRedraw = false;  // a release repaints the pressed look first
bool focusRedraw = false;    // a focus change is being redrawn

void CloseGlowOf(TsCommonData* skinData) {
  if (skinData->GlowID != -1) paint::CloseGlow(skinData->GlowID);
  skinData->GlowID = -1;
}

bool FadeActive(const TsFadeTimer* timer) { return timer && timer->Enabled(); }

// Runs Work with the window's redrawing switched off.
template <class F>
void WithoutRedraw(HWND wnd, F&& work) {
  SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
  struct TOn {
    HWND wnd;
    ~TOn() { SendMessageW(wnd, WM_SETREDRAW, TRUE, 0); }
  } on{wnd};
  work();
}

}  // namespace

int ButtonSectionState(int buttonState, int sectionStates) {
  if (buttonState == kButtonDefault && sectionStates < 4) buttonState = kButtonHot;
  return std::max(0, std::min(buttonState, sectionStates - 1));
}

template <class Base, int C>
TsButtonBase<Base, C>::TsButtonBase(TComponent* owner)
    : TsSkinnedControl<Base, C>(owner), imageChangeLink_(std::make_unique<TChangeLink>()) {
  this->ControlStyle().Exclude(csOpaque);
  this->ControlStyle().Exclude(csDoubleClicks);
  this->SkinData()->InitCacheBmp();
  imageChangeLink_->SetOnChange([this](TObject*) {
    if (images_) this->SkinData()->Invalidate(false);
  });
}

template <class Base, int C>
TsButtonBase<Base, C>::~TsButtonBase() {
  if (images_) images_->UnRegisterChanges(imageChangeLink_.get());
  StopFade(fadeTimer_);
  DropRegion();
}

template <class Base, int C>
void TsButtonBase<Base, C>::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  if (images_) {
    images_->UnRegisterChanges(imageChangeLink_.get());
    images_->RemoveFreeNotification(this);
  }
  images_ = value;
  if (images_) {
    images_->RegisterChanges(imageChangeLink_.get());
    images_->FreeNotification(this);
  }
  this->SkinData()->Invalidate(false);
}

template <class Base, int C>
void TsButtonBase<Base, C>::Notification(TComponent* component, TOperation operation) {
  TsSkinnedControl<Base, C>::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_->UnRegisterChanges(imageChangeLink_.get());
    images_ = nullptr;
  }
}

template <class Base, int C>
void TsButtonBase<Base, C>::DropRegion() {
  if (region_ && region_ != kNoRegionYet) DeleteObject(region_);
  region_ = nullptr;
}

template <class Base, int C>
void TsButtonBase<Base, C>::SetRegion(HRGN region) {
  DropRegion();
  region_ = region;
}

template <class Base, int C>
void TsButtonBase<Base, C>::SetDisabledKind(TsDisabledKind value) {
  if (disabledKind_ == value) return;
  disabledKind_ = value;
  this->SkinData()->Invalidate(false);
}

template <class Base, int C>
void TsButtonBase<Base, C>::ChangeAndInvalidate(bool& field, bool value) {
  if (field == value) return;
  field = value;
  this->SkinData()->Invalidate(false);
}

template <class Base, int C>
void TsButtonBase<Base, C>::SetShowFocus(bool value) {
  ChangeAndInvalidate(showFocus_, value);
}

template <class Base, int C>
void TsButtonBase<Base, C>::SetReflected(bool value) {
  ChangeAndInvalidate(reflected_, value);
}

template <class Base, int C>
int TsButtonBase<Base, C>::CurrentState() const {
  const TsCtrlSkinData* skinData = this->SkinData();
  if (this->HandleAllocated()) {
    const bool pushed =
        (SendMessageW(const_cast<TsButtonBase*>(this)->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0 || releaseRedraw;
    const bool leftHeld = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (pushed && (skinData->FMouseAbove || !leftHeld)) return kButtonPressed;
  }
  if (HeldDown()) return kButtonPressed;
  if (!Designing() && skinData->IsHot()) return kButtonHot;
  if (this->Default()) return kButtonDefault;
  return kButtonNormal;
}

template <class Base, int C>
int TsButtonBase<Base, C>::SkinState() const {
  const TsGeneralData* section = this->SkinData()->Section();
  return ButtonSectionState(CurrentState(), section ? section->States : 1);
}

template <class Base, int C>
void TsButtonBase<Base, C>::CreateParams(TCreateParams& params) {
  Base::CreateParams(params);
  params.Style = (params.Style & ~0xFu) | BS_OWNERDRAW;
}

template <class Base, int C>
void TsButtonBase<Base, C>::Loaded() {
  TsSkinnedControl<Base, C>::Loaded();
  if (TBitmap* cache = this->SkinData()->CacheBmp()) cache->Canvas()->SetFont(this->Font());
}

template <class Base, int C>
void TsButtonBase<Base, C>::SetButtonStyle(bool isDefault) {
  // The window stays owner-drawn: the default look is the skin's.
  active_ = isDefault;
  this->SkinData()->Invalidate(false);
}

template <class Base, int C>
bool TsButtonBase<Base, C>::ShapedBorder() const {
  const TsMaskData* mask = this->SkinData()->BorderMask();
  return mask && mask->CornerType == 2;
}

template <class Base, int C>
TColor TsButtonBase<Base, C>::SectionFontColor(int skinState) const {
  const TsGeneralData* section = this->SkinData()->Section();
  if (!section) return ColorToRGB(this->Font()->Color());
  return section->Props[skinState == 0 ? 0 : 1].FontColor;
}

template <class Base, int C>
void TsButtonBase<Base, C>::PaintBackground(TacCacheInfo& ci, int skinState) {
  TsCtrlSkinData* skinData = this->SkinData();
  GetParentCache(skinData, ci);
  skinData->InitCacheBmp();
  TBitmap* cache = skinData->CacheBmp();
  cache->Canvas()->SetFont(this->Font());
  PaintSkinDataBackground(*skinData, ci, skinState, TRect{0, 0, this->Width(), this->Height()},
                          TPoint{this->Left(), this->Top()}, cache);
}

template <class Base, int C>
void TsButtonBase<Base, C>::DrawBorder(const TacCacheInfo& ci, int skinState) {
  TsCtrlSkinData* skinData = this->SkinData();
  const TsMaskData* mask = skinData->BorderMask();
  if (!mask || (skinState == 0 && (mask->DrawMode & 2) != 0)) return;
  TBitmap* cache = skinData->CacheBmp();
  TacCacheInfo shifted = ci;
  shifted.X += this->Left();
  shifted.Y += this->Top();
  paint::PaintMaskRect(cache, TRect{0, 0, this->Width(), this->Height()}, true, shifted, *mask, skinState, true,
                       skinData->SkinManager());
  // Shaped corners: their transparent pixels leave the window region.
  if (mask->CornerType == 2 && region_ && region_ != kNoRegionYet)
    paint::CopyMaskCornersWithRegion(cache, region_, true, *mask, skinState);
}

template <class Base, int C>
bool TsButtonBase<Base, C>::PaintBorder(const TacCacheInfo& ci, int skinState, bool draw) {
  const TsMaskData* mask = this->SkinData()->BorderMask();
  if (!mask) return false;
  if (stateChanged_ && mask->CornerType == 2 && !AnimationRunning() && !FadeActive(fadeTimer_))
    SetRegion(CreateRectRgn(0, 0, this->Width(), this->Height()));
  if (draw) DrawBorder(ci, skinState);
  return true;
}

template <class Base, int C>
void TsButtonBase<Base, C>::PaintBorderOver(const TacCacheInfo& ci, int skinState) {
  DrawBorder(ci, skinState);
}

template <class Base, int C>
void TsButtonBase<Base, C>::ApplyHueAndSaturation() {
  TsCtrlSkinData* skinData = this->SkinData();
  TBitmap* cache = skinData->CacheBmp();
  if (skinData->HUEOffset() != 0) paint::AdjustBitmapHue(paint::ViewOf(cache), skinData->HUEOffset());
  if (skinData->Saturation() != 0) paint::AdjustBitmapSaturation(paint::ViewOf(cache), skinData->Saturation());
}

template <class Base, int C>
void TsButtonBase<Base, C>::FinishCache(const TacCacheInfo& ci) {
  TsCtrlSkinData* skinData = this->SkinData();
  if (!this->Enabled())
    paint::ApplyDisabledKind(skinData->CacheBmp(), disabledKind_, GetControlColor(this->Parent()), ci,
                             TPoint{this->Left(), this->Top()});
  skinData->BGChanged = false;
  skinData->CachePartial = false;
  paintedState_ = CurrentState();
}

template <class Base, int C>
void TsButtonBase<Base, C>::RepaintState() {
  TsCtrlSkinData* skinData = this->SkinData();
  stateChanged_ = true;
  skinData->BGChanged = true;
  this->Repaint();
}

template <class Base, int C>
void TsButtonBase<Base, C>::PressChanged(bool down) {
  TsCtrlSkinData* skinData = this->SkinData();
  TsSkinManager* manager = skinData->SkinManager();
  // No hint pops up over a button while its press is shown.
  const bool hints = Application->ShowHint();
  Application->SetShowHint(false);
  if (down) {
    stateChanged_ = true;
    skinData->SetUpdating(false);
    skinData->BGChanged = false;
    FadeToState(fadeTimer_, skinData, true, paint::fdIn,
                IsEventAnimated(paint::aeMouseDown, animatEvents_, manager));
  } else {
    if (fadeTimer_ && fadeTimer_->Step < fadeTimer_->Iterations) {
      // The pressed look shows at once before the release fades out.
      fadeTimer_->SetEnabled(false);
      skinData->BGChanged = true;
      releaseRedraw = true;
      RedrawWindow(this->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      releaseRedraw = false;
      Sleep(30);
    }
    skinData->SetUpdating(false);
    stateChanged_ = true;
    skinData->BGChanged = false;
    FadeToState(fadeTimer_, skinData, true, paint::fdOut, IsEventAnimated(paint::aeMouseUp, animatEvents_, manager));
  }
  Application->SetShowHint(hints);
}

template <class Base, int C>
void TsButtonBase<Base, C>::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (Skinned() && this->Enabled() && !Designing()) {
    this->SkinData()->SetUpdating(false);
    mouseClicked_ = true;
    // The look follows once the system button has taken the press.
    if (button == mbLeft && !down_) pendingPress_ = 1;
  }
  Base::MouseDown(button, shift, x, y);
}

template <class Base, int C>
void TsButtonBase<Base, C>::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!Destroying(this) && Skinned() && this->Enabled() && !Designing()) {
    if (!mouseClicked_) {
      StopFade(fadeTimer_);
    } else {
      mouseClicked_ = false;
      if (button == mbLeft) pendingPress_ = 2;
    }
  }
  Base::MouseUp(button, shift, x, y);
}

template <class Base, int C>
void TsButtonBase<Base, C>::FocusChanged(TMessage& message, bool gained) {
  TsCtrlSkinData* skinData = this->SkinData();
  if (gained) {
    if (!this->Enabled() || Destroying(this) || focusRedraw) {
      Base::WndProc(message);
      return;
    }
    focusRedraw = true;
    WithoutRedraw(this->Handle(), [&] { Base::WndProc(message); });
    focusRedraw = false;
    if (FadeActive(fadeTimer_)) DoFadeStep(fadeTimer_);
    else skinData->Invalidate(false);
    return;
  }
  if (!this->Enabled() || Destroying(this)) {
    Base::WndProc(message);
    return;
  }
  StopFade(fadeTimer_);
  WithoutRedraw(this->Handle(), [&] { Base::WndProc(message); });
  skinData->FFocused = false;
  stateChanged_ = true;
  skinData->Invalidate(false);
  CloseGlowOf(skinData);
}

template <class Base, int C>
void TsButtonBase<Base, C>::WndProc(TMessage& m) {
  TsCtrlSkinData* skinData = this->SkinData();
  if (m.Msg == WM_KILLFOCUS && Destroying(this)) return;
  const bool fromManager = m.LParam == reinterpret_cast<LPARAM>(skinData->SkinManager());
  if (m.Msg == SkinCommandMessage) {
    switch (SkinCommandCode(m.WParam)) {
      case scNewSkin:
        if (!fromManager) break;
        stateChanged_ = true;
        StopFade(fadeTimer_);
        CommonWndProc(m, skinData);
        // The wait the removal of a skin began ends with the new one.
        skinData->SetUpdating(false);
        skinData->Invalidate(false);
        return;
      case scRemoveSkin:
        if (!fromManager || Destroying(this)) break;
        StopFade(fadeTimer_);
        CommonWndProc(m, skinData);
        DropRegion();
        if (this->HandleAllocated()) SetWindowRgn(this->Handle(), nullptr, FALSE);
        this->Repaint();
        return;
      case scRefresh:
        if (!fromManager) break;
        StopFade(fadeTimer_);
        if (this->HandleAllocated()) SetWindowRgn(this->Handle(), nullptr, FALSE);
        CommonWndProc(m, skinData);
        stateChanged_ = true;
        if (!skinData->PrintDC) this->Repaint();
        return;
      case scFadeStep:
        StopFade(fadeTimer_);
        // A change that came while the fade ran shows now.
        if (skinData->BGChanged && !Destroying(this)) this->Repaint();
        return;
      case scPrepareCache:
        if (Skinned()) PrepareCache();
        break;
      default:
        break;
    }
  }
  const bool wasAbove = skinData->FMouseAbove;
  if (CommonWndProc(m, skinData)) return;

  if (!ControlIsReady(this) || !Skinned()) {
    if (!Destroying(this) && (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE)) {
      skinData->FMouseAbove = m.Msg == CM_MOUSEENTER;
      if (RepaintsUnskinnedHover()) this->Repaint();
      if (this->Enabled() && !Designing()) {
        const TNotifyEvent& event = m.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
        if (event) event(this);
      }
    }
    if (m.Msg == CN_DRAWITEM && !Destroying(this)) {
      DrawUnskinned(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
      m.Result = 1;
      return;
    }
    Base::WndProc(m);
    return;
  }

  const bool visible = this->Visible() || Designing();
  switch (m.Msg) {
    case SkinCommandMessage:
      if (SkinCommandCode(m.WParam) == scEndUpdate) {
        if (skinData->Updating()) {
          skinData->SetUpdating(false);
          this->Repaint();
        }
        return;
      }
      break;
    case WM_PRINT:
      stateChanged_ = true;
      skinData->SetUpdating(false);
      Paint(reinterpret_cast<HDC>(m.WParam), true);
      return;
    case WM_ERASEBKGND:
      if (!visible) break;
      if (m.WParam && !skinData->BGChanged && !FadeActive(fadeTimer_) && !skinData->CacheBmp()->Empty())
        CopyWinControlCache(this, skinData, TRect{0, 0, this->Width(), this->Height()}, 0, 0, false,
                            reinterpret_cast<HDC>(m.WParam), TRect{0, 0, this->Width(), this->Height()});
      m.Result = 0;
      return;
    case WM_PAINT:
      if (!visible) break;
      if (this->Parent()) Paint(reinterpret_cast<HDC>(m.WParam), false);
      else ValidateRect(this->Handle(), nullptr);
      return;
    case WM_WINDOWPOSCHANGING:
      stateChanged_ = true;
      break;
    case WM_WINDOWPOSCHANGED:
      stateChanged_ = true;
      skinData->BGChanged = true;
      break;
    case WM_SIZE:
      stateChanged_ = true;
      break;
    case WM_MOVE:
      if (const TsGeneralData* section = skinData->Section();
          section && (section->Props[0].Transparency > 0 ||
                      (skinData->IsHot() && section->Props[1].Transparency > 0))) {
        skinData->BGChanged = true;
        this->Repaint();
      }
      break;
    case WM_ENABLE:
      return;
    case WM_SETFOCUS:
    case CM_ENTER:
      if (!this->Visible() || Designing()) break;
      FocusChanged(m, true);
      return;
    case WM_KILLFOCUS:
    case CM_EXIT:
      if (!this->Visible() || Designing()) break;
      FocusChanged(m, false);
      return;
    case CM_MOUSEENTER:
      if (this->Enabled() && !Designing() && !wasAbove) {
        if (OnMouseEnter) OnMouseEnter(this);
        skinData->FMouseAbove = true;
        skinData->BGChanged = false;
        FadeToState(fadeTimer_, skinData, false, paint::fdIn,
                    IsEventAnimated(paint::aeMouseEnter, animatEvents_, skinData->SkinManager()));
      }
      break;
    case CM_MOUSELEAVE:
      if (this->Enabled() && !Designing()) {
        if (OnMouseLeave) OnMouseLeave(this);
        skinData->FMouseAbove = false;
        skinData->BGChanged = false;
        FadeToState(fadeTimer_, skinData, false, paint::fdOut,
                    IsEventAnimated(paint::aeMouseLeave, animatEvents_, skinData->SkinManager()));
      }
      break;
    case CM_DIALOGCHAR:
      if (m.WParam == VK_SPACE && this->Enabled() && this->Focused()) {
        StopFade(fadeTimer_);
        CloseGlowOf(skinData);
        RepaintState();
      }
      break;
    case CM_FOCUSCHANGED:
      if (this->Visible() && !focusRedraw) {
        WithoutRedraw(this->Handle(), [&] { Base::WndProc(m); });
        return;
      }
      break;
    case CM_TEXTCHANGED:
      if (!Destroying(this)) {
        skinData->Invalidate(false);
        return;
      }
      break;
    case CM_UIACTIVATE:
      skinData->SetUpdating(false);
      break;
    case CN_DRAWITEM:
      // The system never draws a skinned button; a state it changed by
      // itself (dragging out of a press, Space) is shown from the cache.
      m.Result = 1;
      if (!systemChange_ && !FadeActive(fadeTimer_) && CurrentState() != paintedState_) RepaintState();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: {
      systemChange_ = true;
      pendingPress_ = 0;
      try {
        Base::WndProc(m);
      } catch (...) {
        systemChange_ = false;
        throw;
      }
      systemChange_ = false;
      const int pending = pendingPress_;
      pendingPress_ = 0;
      if (pending && !Destroying(this) && this->HandleAllocated()) PressChanged(pending == 1);
      return;
    }
    case WM_KEYUP:
      Base::WndProc(m);
      if (m.WParam == VK_SPACE && !Destroying(this)) RepaintState();
      return;
    default:
      break;
  }

  Base::WndProc(m);
  if (Destroying(this)) return;
  switch (m.Msg) {
    case CM_ENABLEDCHANGED:
      if (!visible) break;
      if (!this->Enabled()) StopFade(fadeTimer_);
      skinData->SetUpdating(false);
      skinData->Invalidate(false);
      break;
    case CM_VISIBLECHANGED:
      skinData->BGChanged = true;
      skinData->SetUpdating(false);
      if (visible) this->Repaint();
      break;
    case WM_SETFONT:
      if (!visible) break;
      skinData->SetUpdating(false);
      skinData->Invalidate(false);
      break;
    case CM_CANCELMODE:
      CloseGlowOf(skinData);
      break;
    default:
      break;
  }
}

template <class Base, int C>
void TsButtonBase<Base, C>::PaintHandler(TMessage& message) {
  // Printing (PaintTo, the card screenshot) shows the skinned image too.
  if (Skinned() && ControlIsReady(this) && message.Msg == WM_PRINTCLIENT && message.WParam) {
    Paint(reinterpret_cast<HDC>(message.WParam), true);
    return;
  }
  Base::PaintHandler(message);
}

template <class Base, int C>
void TsButtonBase<Base, C>::Paint(HDC givenDC, bool printing) {
  TsCtrlSkinData* skinData = this->SkinData();
  if (AnimationRunning() && (!givenDC || givenDC != skinData->PrintDC)) {
    if (!givenDC) ValidateRect(this->Handle(), nullptr);
    return;
  }
  PAINTSTRUCT ps{};
  HDC dc = givenDC;
  if (!dc) dc = BeginPaint(this->Handle(), &ps);
  const bool busy = !printing && (skinData->Updating() || FadeActive(fadeTimer_));
  if (!busy) {
    TWinControl* parent = this->Parent();
    if (partlyHidden_ || (parent && SendSkinCommand(parent, scIsCachePartial, 0) == 1)) skinData->BGChanged = true;
    if (parent) {
      const TRect client = parent->ClientRect();
      partlyHidden_ = this->Left() < client.Left || this->Top() < client.Top || this->Left() + this->Width() > client.Right ||
                      this->Top() + this->Height() > client.Bottom;
    }
    const bool redraw = region_ == kNoRegionYet || SkinLoading();
    if (region_ == kNoRegionYet) region_ = nullptr;
    if (stateChanged_ && ShapedBorder() && !Designing()) {
      PrepareCache();
      CopyParentCorners(*skinData, SkinState(), 0xF);
      if (dc != skinData->PrintDC && !printing && region_) {
        // The window owns the region from here on.
        SetWindowRgn(this->Handle(), region_, redraw);
        region_ = nullptr;
      }
      const TRect bounds = this->BoundsRect();
      if (parent && parent->HandleAllocated() && lastBounds_.Right > lastBounds_.Left &&
          (bounds.Width() < lastBounds_.Width() || bounds.Height() < lastBounds_.Height()) &&
          SendSkinCommand(parent, scBGVaries, 0) == 0) {
        if (const TsMaskData* mask = skinData->BorderMask()) {
          const TRect& l = lastBounds_;
          const RECT areas[] = {{l.Right - mask->WR, l.Top, l.Right, l.Top + mask->WT},
                                {l.Right - mask->WR, l.Bottom - mask->WB, l.Right, l.Bottom},
                                {l.Left, l.Bottom - mask->WB, l.Left + mask->WL, l.Bottom}};
          for (const RECT& area : areas) InvalidateRect(parent->Handle(), &area, TRUE);
        }
      }
      lastBounds_ = bounds;
      stateChanged_ = false;
    } else if (skinData->BGChanged || skinData->CacheBmp()->Empty()) {
      PrepareCache();
    }
    TBitmap* cache = skinData->CacheBmp();
    const int saved = SaveDC(dc);
    BitBlt(dc, 0, 0, this->Width(), this->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
  }
  if (!givenDC) EndPaint(this->Handle(), &ps);
}

template class TsButtonBase<TButton, COC_TsButton>;
template class TsButtonBase<TBitBtn, COC_TsBitBtn>;

}  // namespace skin
