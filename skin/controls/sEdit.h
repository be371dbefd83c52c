#pragma once
// The skinned single-line edit. While it is focused or under the mouse the
// system paints its text (in the skin's colours, which the edit takes as its
// own Color and Font); otherwise the whole edit, frame and text, is drawn
// from the skin cache. The frame is always the skin's, painted over the
// non-client area. It can carry a bound caption label.
#include <cstdint>
#include <memory>

#include "classlib/controls/Edit.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsEdit : public TsSkinnedControl<classlib::TEdit, COC_TsEdit> {
 public:
  explicit TsEdit(classlib::TComponent* owner);
  ~TsEdit() override;

  TsBoundLabel* BoundLabel() const { return boundLabel_.get(); }
  // The colour the text is painted in: the skin's font colour, or the
  // edit's own with a custom font (also while no skin is active).
  classlib::TColor TextColor() const { return Font()->Color(); }
  // Set of paint::dgBlended and paint::dgGrayed.
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);

  // Width of the frame drawn from the skin: the window's real non-client
  // width once it exists.
  int FrameWidth() const;
  // Frame, background and text into the skin cache.
  virtual void PrepareCache();

 protected:
  void WndProc(classlib::TMessage& message) override;
  // Printing into a picture (PaintTo): the whole cached edit, frame too.
  void PaintWindow(HDC dc) override;
  virtual void PaintText();
  virtual void ExcludeChildControls(HDC dc);

 private:
  // The cache to the window (or to the given DC, whose origin is the
  // window's).
  void PaintSkinned(HDC dc);
  // The cache, its key corners filled from the parent, onto DC at (0, 0).
  void CopyCacheTo(HDC dc);
  void PaintBorder();
  void PrintSkinned(classlib::TMessage& message);
  void RepaintAll();
  void FollowWithLabel(const classlib::TMessage& message);

  TsDisabledKind disabledKind_;
  std::unique_ptr<TsBoundLabel> boundLabel_;
};

}  // namespace skin
