#pragma once
// The skinned bitmap button: the main window's command buttons. Its picture
// is its own glyph or an image of an image list, laid out with the caption
// by the button layout; it can stay pressed (Down), blend or grey its
// picture and draw the border over or under its content.
#include <functional>
#include <memory>

#include "classlib/graphics/Canvas.h"
#include "classlib/menus/ImageList.h"
#include "skin/controls/sButtonBase.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsBitBtn;
// Called with the finished cache bitmap.
using TBmpPaintEvent = std::function<void(classlib::TObject* sender, classlib::TBitmap* bmp)>;

class TsBitBtn : public TsButtonBase<classlib::TBitBtn, COC_TsBitBtn> {
 public:
  explicit TsBitBtn(classlib::TComponent* owner);
  ~TsBitBtn() override;

  // Repaints pressed or raised at once when the value changes.
  void SetDown(bool value);
  // -1: no glyph from Images.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // The picture's transparency in the normal state, 0..100.
  int Blend() const { return blend_; }
  void SetBlend(int value);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool value) { ChangeAndInvalidate(grayed_, value); }
  std::uint8_t DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(std::uint8_t value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value) { ChangeAndInvalidate(showCaption_, value); }
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool value) { ChangeAndInvalidate(drawOverBorder_, value); }
  classlib::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(classlib::TAlignment value);
  classlib::TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(classlib::TAlignment value);
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int value) { textOffset_ = value; }
  TBmpPaintEvent OnPaint;

  // The glyph's size: a usable list's image (one frame) or the glyph's frame.
  TPoint GlyphSize() const;
  // The width the caption is laid out in.
  int TextAreaWidth() const;
  bool ImageListUsable() const;
  // Glyph rectangle of the current state (after the layout ran).
  TRect GlyphRect() const;
  TRect CaptionRect() const { return captionRect_; }

  void Invalidate() override;

 protected:
  void Loaded() override;
  void WndProc(classlib::TMessage& message) override;
  void PrepareCache() override;
  void DrawUnskinned(const DRAWITEMSTRUCT& item) override;
  bool RepaintsUnskinnedHover() const override { return false; }

 private:
  void CalcLayout();
  void DrawCaption(classlib::TCanvas* canvas, int skinState);

  int imageIndex_ = -1;
  int blend_ = 0;
  bool grayed_ = false;
  std::uint8_t disabledGlyphKind_ = 1;
  bool showCaption_ = true;
  bool drawOverBorder_ = true;
  classlib::TAlignment alignment_ = classlib::taCenter;
  classlib::TAlignment textAlignment_ = classlib::taCenter;
  int textOffset_ = 0;
  int lastSpacing_ = 0;
  classlib::TButtonLayout lastLayout_ = classlib::blGlyphLeft;
  TPoint glyphPos_;
  TRect captionRect_;
  std::unique_ptr<classlib::TCanvas> drawCanvas_;
};

}  // namespace skin
