#pragma once
// Brushes and pens. Like fonts, their GDI handles are made on demand and
// dropped at every change.
#include <windows.h>

#include "classlib/graphics/Colors.h"
#include "classlib/graphics/GraphicsObject.h"

namespace classlib {

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  TBrush();
  ~TBrush() override;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);

  // Owned by the brush; a clear brush gives the stock null brush.
  HBRUSH Handle();
  void Assign(const TPersistent* source) override;

 protected:
  void Changed() override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  HBRUSH handle_ = nullptr;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// In the order of the R2_ mix modes, which run from 1 to 16.
enum TPenMode {
  pmBlack, pmNotMerge, pmMaskNotPen, pmNotCopy, pmMaskPenNot, pmNot, pmXor, pmNotMask,
  pmMask, pmNotXor, pmNop, pmMergeNotPen, pmCopy, pmMergePenNot, pmMerge, pmWhite
};

class TPen : public TGraphicsObject {
 public:
  TPen();
  ~TPen() override;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  // The mix mode the canvas sets when it selects the pen.
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);

  HPEN Handle();
  void Assign(const TPersistent* source) override;

 protected:
  void Changed() override;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
  HPEN handle_ = nullptr;
};

}  // namespace classlib
