#pragma once
// What a skinned system dialog keeps beside its frame: the extended border
// window, the layered copy that stands in for it while it hides, the fades
// and glows of its title buttons. It also answers, for the dialog, what the
// border window and the show and hide animations ask of their owner (a
// dialog is no form of the class library, so it cannot answer itself).
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "skin/common/LayeredImages.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/common/WindowAnimations.h"
#include "skin/forms/BorderForm.h"
#include "skin/forms/sTitleObjects.h"

namespace skin::adapters {

class TacDialogWnd;

// State bits of the dialog as its border window reads them.
inline constexpr std::uint32_t dsMoving = 0x80;   // translucent drag running
inline constexpr std::uint32_t dsHiding = 0x200;  // the border carries the hiding picture

class TacDialogEffects : public TsSkinnedForm, public TsAnimatedDialog {
 public:
  explicit TacDialogEffects(TacDialogWnd& dialog);
  ~TacDialogEffects() override;
  TacDialogEffects(const TacDialogEffects&) = delete;
  TacDialogEffects& operator=(const TacDialogEffects&) = delete;

  TacDialogWnd& Dialog;
  std::unique_ptr<TacBorderForm> BorderForm;
  // The dialog's picture laid over its place between the closing command
  // and its hiding; null when none.
  std::unique_ptr<TacLayeredWindow> SnapshotForm;
  // The whole dialog's picture the border window carries while it is
  // dragged; null when no drag runs.
  std::unique_ptr<classlib::TBitmap> DragImage;
  // The fading state of each title button (minimize, maximize, close, help).
  std::array<TsTitleButtonState, 4> Fades;
  std::uint32_t StateWord = 0;

  void FreeTitleAnimations();
  void CloseGlows();

  // --- TsAnimatedDialog (the members both interfaces share are below)
  HWND Window() const override;
  classlib::TBitmap* CacheBmp() const override;
  POINT ExtBorderOffset() const override;
  void PaintClientArea(HDC dc) override;

  // --- both
  TsExtBorder* ExtBorder() const override { return BorderForm.get(); }
  void PaintNonClientArea() override;
  int ClientOffsetX() const override;
  int ClientOffsetY() const override;
  void ApplyWindowRegion(bool repaint) override;

  // --- TsSkinnedForm: the border window's owner
  classlib::TCustomForm* Form() const override { return nullptr; }
  TsCommonData* SkinData() const override;
  bool DrawNonClientArea() const override { return true; }
  bool AllowAnimation() const override { return true; }
  bool AllowExtBorders() const override { return true; }
  std::uint32_t StateBits() const override;
  void SetStateBits(std::uint32_t bits) override { StateWord = bits; }
  bool SkinChanging() const override { return false; }
  void SetSkinChanging(bool) override {}
  bool Hiding() const override { return (StateWord & dsHiding) != 0; }
  void SetHiding(bool value) override { StateWord = value ? StateWord | dsHiding : StateWord & ~dsHiding; }
  classlib::TBitmap* Snapshot() const override { return nullptr; }
  void SetSnapshot(std::unique_ptr<classlib::TBitmap>) override {}
  std::unique_ptr<classlib::TWinControl> TakeCoverWindow() override;
  bool HasCoverWindow() const override { return SnapshotForm != nullptr; }
  std::unique_ptr<classlib::TBitmap> CreateFormImage(bool freeCache) override;
  void InitRegionRects() override;
  void StartMinimizeAnimation() override {}
  bool StartRestoreAnimation() override { return false; }
  void AfterAnimation() override {}
};

}  // namespace skin::adapters
