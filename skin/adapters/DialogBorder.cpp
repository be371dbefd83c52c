// The skinned dialog's extended border: the layered window behind it that
// shows the skin's wider frame and shadow. With one, the dialog's own
// window keeps only its client area (its region) and the border window
// shows the frame, title and buttons from the dialog's cache, in which the
// window's top-left lies at the border's left and top offsets.

#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/DialogEffects.h"
#include "skin/adapters/DialogWnd.h"
#include "skin/common/sCommonData.h"
#include "skin/core/CacheInfo.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/ProviderDC.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/MaskRegions.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::adapters {

TacBorderForm* TacDialogWnd::BorderForm() const { return Effects ? Effects->BorderForm.get() : nullptr; }

RECT TacDialogWnd::GetExBorderMargins() const {
  TacBorderForm* border = BorderForm();
  return border ? border->Margins() : RECT{0, 0, 0, 0};
}

POINT TacDialogWnd::ImageOrigin() const {
  TacBorderForm* border = BorderForm();
  return border ? POINT{border->LeftOffset(), border->TopOffset()} : POINT{0, 0};
}

void TacDialogWnd::UpdateExtBorderForm(bool enable) {
  if (!Effects) return;
  const bool wanted = enable && SkinManager && SkinManager->Skin() && SkinData && CaptionHeight(false) != 0;
  if (wanted == (BorderForm() != nullptr)) return;
  FreeTitleAnimations();
  if (wanted) {
    auto border = std::make_unique<TacBorderForm>(Effects.get());
    border->OwnerWnd = CtrlHandle;
    const TsExtBorderMargins m = SkinManager->ExtBorderMargins();
    border->Values.Margins = TBorderMargins{m.Left, m.Top, m.Right, m.Bottom};
    // The border image and the cache share their coordinates.
    border->ButtonAt = [this](POINT p) {
      for (const TacTitleButton& b : Buttons)
        if (b.Rect.right > b.Rect.left && PtInRect(&b.Rect, p)) return b.HitCode;
      return 0;
    };
    border->ClientHole = [this] {
      const int x = ClientOffsetX(), y = ClientOffsetY();
      return RECT{x, y, x + WndClientWidth(CtrlHandle), y + WndClientHeight(CtrlHandle)};
    };
    // The cache already is the border's whole picture.
    border->WholeImage = [this]() -> classlib::TBitmap* { return SkinData ? SkinData->CacheBmp() : nullptr; };
    Effects->BorderForm = std::move(border);
  } else {
    Effects->BorderForm.reset();
  }
  SkinData->BGChanged = true;
  NeedRegion = true;
  if (!IsWindowVisible(CtrlHandle)) return;
  InitRegionRects();
  ApplyWindowRegion(true);
  NeedRegion = false;
  UpdateBorder(true);
  RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TacDialogWnd::PaintExtBorderImage(classlib::TBitmap* target, bool filling) {
  const TsMaskData* mask = SkinManager ? MaskAt(SkinManager, SkinManager->ConstData().ExBorder) : nullptr;
  if (!target || !mask) return;
  const int state = !Active && mask->ImageCount > 1 ? 1 : 0;
  paint::PaintMaskRect32(target, TRect{0, 0, target->Width(), target->Height()}, filling, EmptyCacheInfo, *mask,
                         state, SkinManager);
}

bool TacDialogWnd::PlainBorder() const {
  return BorderForm() && SkinManager && SkinManager->Skin() && SkinManager->SkinData().BorderMode == 1;
}

void TacDialogWnd::FillFrameCorners(classlib::TBitmap* extBorder, const TRect& frame) {
  classlib::TBitmap* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  const TsMaskData* mask = SkinData ? SkinData->BorderMask() : nullptr;
  if (!cache || !extBorder || !mask) return;
  const paint::TPixelView dst = paint::ViewOf(cache), src = paint::ViewOf(extBorder);
  const TRect corners[] = {
      {frame.Left, frame.Top, frame.Left + mask->WL, frame.Top + mask->WT},
      {frame.Right - mask->WR, frame.Top, frame.Right, frame.Top + mask->WT},
      {frame.Left, frame.Bottom - mask->WB, frame.Left + mask->WL, frame.Bottom},
      {frame.Right - mask->WR, frame.Bottom - mask->WB, frame.Right, frame.Bottom}};
  const int codes[] = {paint::kCornerTopLeft, paint::kCornerTopRight, paint::kCornerBottomLeft,
                       paint::kCornerBottomRight};
  for (int i = 0; i < 4; ++i)
    paint::FillMaskCorner(dst, src, corners[i], TPoint{corners[i].Left, corners[i].Top}, mask, codes[i]);
}

void TacDialogWnd::UpdateBorder(bool repaint) {
  TacBorderForm* border = BorderForm();
  if (border && !Moving && IsWindowVisible(CtrlHandle)) border->UpdateExBorders(repaint, 255);
}

}  // namespace skin::adapters
