#pragma once
// The extended border: a layered, borderless window behind a skinned form,
// larger than it by the skin's extended-border margins, showing the frame's
// shadow and outer frame with per-pixel alpha. It keeps itself in place and
// under its form, answers sizing and caption input that reaches out into
// the shadow by handing it to the form, and lets clicks on the transparent
// shadow through to the window below (alpha-0 pixels are not click-through
// everywhere: a one-pixel hole in the window region is what works).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "classlib/controls/Messages.h"
#include "skin/common/LayeredImages.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/forms/BorderGeometry.h"

namespace skin {

class TacBorderForm;

// The border window: the library's layered window, owned by the form's
// window, its messages handled by the border form.
class TacBorderWindow : public TacLayeredWindow {
 public:
  TacBorderWindow(TacBorderForm* border, HWND ownerWindow);

 protected:
  void CreateParams(classlib::TCreateParams& params) override;
  void WndProc(classlib::TMessage& message) override;

 private:
  friend class TacBorderForm;
  void Inherited(classlib::TMessage& message) { TacLayeredWindow::WndProc(message); }
  TacBorderForm* border_;
  HWND ownerWindow_;
};

class TacBorderForm : public classlib::TPersistent, public TsExtBorder {
 public:
  explicit TacBorderForm(TsSkinnedForm* owner);
  ~TacBorderForm() override;

  // The skin's values the border reads (the skin's own, unless set).
  struct TSkinValues {
    TBorderMargins Margins;
    int AlignOffset = 0;
    int BorderWidth = 4;   // BORDERWIDTH, 4 when 0 or missing
    int TitleHeight = 30;  // TITLEHEIGHT, 30 when 0 or missing
  };
  TSkinValues Values;
  // Reads the values of the owner's skin manager; the margins only when
  // the manager has extended borders (else they are kept).
  void ReadSkinValues();

  // Creates the hidden border window (tag -98, owned by the form's window).
  void CreateBorderWindow();
  TacBorderWindow* AForm() const { return aForm_.get(); }

  // --- TsExtBorder
  HWND BorderWindow() const override;
  HRGN MakeRgn(int width, int height) const override;
  void UpdateExBorders(bool repaint, std::uint8_t alpha) override;
  bool Suspended() const override { return suspended_; }
  void SetSuspended(bool value) override { suspended_ = value; }
  std::unique_ptr<classlib::TWinControl> DetachBorderWindow() override;
  void FreeBorderWindow() override;
  RECT Margins() const override;
  int TopOffset() const override;
  int LeftOffset() const;
  // The picture pushed: the skin's extended frame laid around the form's
  // skinned image, the form at (LeftOffset, TopOffset). Null before the
  // first update.
  classlib::TBitmap* Image() const { return image_.get(); }

  // The hit code of a screen point over the border window; -1 over the shadow.
  int HitTest(POINT screenPoint);
  // Puts back the region a pass-through cut.
  void RestoreRgn();
  bool RegionChanged() const { return regionChanged_; }

  // The caption button under a point of the border window (hit code, 0
  // none): the owner's title buttons, given by the owner.
  std::function<int(POINT borderPoint)> ButtonAt;
  // An override of the whole hit test: a non-zero Result is the answer.
  std::function<void(classlib::TMessage&)> OnExtHitTest;
  // Where the form's client area lies in the border image (for the hole).
  std::function<RECT()> ClientHole;
  // Whether blur-behind was last switched on for the border window.
  bool BlurBehind() const { return blurBehind_; }
  // The owner's window when it is no form of the class library (a skinned
  // system dialog); null: the owner's form.
  HWND OwnerWnd = nullptr;
  // An owner that paints the whole picture itself, extended border
  // included (a skinned system dialog does, into its cache), gives it
  // here: it is pushed as it stands and its size is the border window's.
  std::function<classlib::TBitmap*()> WholeImage;

  void BorderWndProc(classlib::TMessage& message);

 private:
  HWND OwnerWindow() const;
  int FrameWidth() const;
  TBorderHitInput HitInput(POINT borderPoint) const;
  void PassThrough(POINT screenPoint);
  void SetRegion(HRGN region);
  // Where the skin's frame lies in the picture: the form's rectangle
  // widened by the margins.
  RECT FrameRect() const;
  void ComposeImage();
  void CutCorners(HRGN region) const;
  void UpdateBlurBehind(HWND border);
  void DoubleClick(int hitCode);
  void SnapMove(WINDOWPOS& position);
  void OwnerShowWindow(classlib::TMessage& message);

  TsSkinnedForm* owner_;
  std::unique_ptr<TacBorderWindow> aForm_;
  std::unique_ptr<classlib::TBitmap> image_;
  bool blurBehind_ = false;
  bool inPositionChange_ = false;
  // The top and height (or left and width) kept by a double-click on a
  // sizing band.
  RECT keptRect_{};
  bool updating_ = false;
  bool suspended_ = false;
  bool regionChanged_ = false;
  bool mouseBusy_ = false;
};

}  // namespace skin
