// What the dialog's border window and its animations ask of their owner,
// answered from the dialog, and the release of everything the dialog keeps
// beside its frame.
#include "skin/adapters/DialogEffects.h"

#include "skin/adapters/DialogWnd.h"
#include "skin/common/sCommonData.h"
#include "skin/paint/GlowWindows_Gdi.h"

namespace skin::adapters {

TacDialogEffects::TacDialogEffects(TacDialogWnd& dialog) : Dialog(dialog) {}

TacDialogEffects::~TacDialogEffects() {
  FreeTitleAnimations();
  CloseGlows();
  SnapshotForm.reset();
  BorderForm.reset();
}

void TacDialogEffects::FreeTitleAnimations() {
  for (TsTitleButtonState& fade : Fades) fade.Animation.reset();
}

void TacDialogEffects::CloseGlows() {
  for (TsTitleButtonState& fade : Fades) {
    if (fade.GlowId >= 0) paint::CloseGlow(fade.GlowId);
    fade.GlowId = -1;
  }
}

HWND TacDialogEffects::Window() const { return Dialog.CtrlHandle; }

classlib::TBitmap* TacDialogEffects::CacheBmp() const {
  return Dialog.SkinData ? Dialog.SkinData->CacheBmp() : nullptr;
}

POINT TacDialogEffects::ExtBorderOffset() const { return Dialog.ImageOrigin(); }

void TacDialogEffects::PaintClientArea(HDC dc) { Dialog.PaintClientArea(dc); }

void TacDialogEffects::PaintNonClientArea() { Dialog.PaintNonClientArea(); }

int TacDialogEffects::ClientOffsetX() const { return Dialog.ClientOffsetX(); }

int TacDialogEffects::ClientOffsetY() const { return Dialog.ClientOffsetY(); }

void TacDialogEffects::ApplyWindowRegion(bool repaint) { Dialog.ApplyWindowRegion(repaint); }

TsCommonData* TacDialogEffects::SkinData() const { return Dialog.SkinData; }

std::uint32_t TacDialogEffects::StateBits() const { return StateWord | (Dialog.Moving ? dsMoving : 0); }

std::unique_ptr<classlib::TWinControl> TacDialogEffects::TakeCoverWindow() { return std::move(SnapshotForm); }

std::unique_ptr<classlib::TBitmap> TacDialogEffects::CreateFormImage(bool) { return CopyWndImage(*this, false); }

void TacDialogEffects::InitRegionRects() { Dialog.InitRegionRects(); }

}  // namespace skin::adapters
