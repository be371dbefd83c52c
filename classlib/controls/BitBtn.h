#pragma once
// The bitmap button base: an owner-drawn push button that stores its glyph
// and layout for the classes that paint it. Its own drawing is the plain
// system look.
#include <memory>

#include "classlib/controls/Button.h"
#include "classlib/controls/LayoutTypes.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"

namespace classlib {

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value) { glyph_->Assign(value); }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  // -1 centres glyph and caption together.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  // A standard kind also sets the modal result it stands for.
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind value);

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void SetButtonStyle(bool isDefault) override;
  virtual void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  std::unique_ptr<TBitmap> glyph_;
  std::unique_ptr<TCanvas> canvas_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TBitBtnKind kind_ = bkCustom;
};

}  // namespace classlib
