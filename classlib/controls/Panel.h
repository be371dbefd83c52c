#pragma once
// Panel: a container with bevels and a caption (line breaks allowed). It
// clips its children; they may lie partly outside it (negative positions).
#include "classlib/controls/CustomControl.h"

namespace classlib {

// Draws a 3-D frame of `width` pixels inside rect and shrinks rect by it.
void Frame3D(HDC dc, TRect& rect, TColor topColor, TColor bottomColor, int width);

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TTextLayout VerticalAlignment() const { return verticalAlignment_; }
  void SetVerticalAlignment(TTextLayout value);

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void AdjustClientRect(TRect& rect) override;

 private:
  int BevelSize() const;

  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  TBorderStyle borderStyle_ = bsNone;
  TTextLayout verticalAlignment_ = tlCenter;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

}  // namespace classlib
