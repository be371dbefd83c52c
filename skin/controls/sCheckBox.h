#pragma once
// The skinned check box. It keeps the system's 3-state button window, but
// while skinned it takes the mouse and the space bar itself, so the system
// neither draws nor toggles it: the box, its caption, a focus frame and the
// section's background are painted into the cache. The check image comes
// from an image list, from the control's own glyphs, or from the skin's
// GLOBALINFO masks, in that order.
#include <cstdint>
#include <memory>

#include "classlib/controls/CheckBox.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/ImageList.h"
#include "skin/common/FadeTimer.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

// Width of one frame of a strip of square frames side by side: a width that
// is not a whole multiple of the height is one frame. A height of 0 (or a
// width below the height) gives no frames.
struct TFrameStrip {
  int FrameWidth = 0;
  int Frames = 0;
};
TFrameStrip FrameStripOf(int width, int height);

class TsCheckBox : public TsSkinnedControl<classlib::TCheckBox, COC_TsCheckBox> {
 public:
  explicit TsCheckBox(classlib::TComponent* owner);
  ~TsCheckBox() override;

  // Set of paint::dgBlended and paint::dgGrayed.
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  classlib::TBitmap* GlyphChecked() const { return glyphChecked_.get(); }
  void SetGlyphChecked(const classlib::TBitmap* value);
  classlib::TBitmap* GlyphUnChecked() const { return glyphUnChecked_.get(); }
  void SetGlyphUnChecked(const classlib::TBitmap* value);
  int TextIndent() const { return textIndent_; }
  void SetTextIndent(int value);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  classlib::TCustomImageList* Images() const { return images_; }
  void SetImages(classlib::TCustomImageList* value);
  int ImgChecked() const { return imgChecked_; }
  void SetImgChecked(int value);
  int ImgUnchecked() const { return imgUnchecked_; }
  void SetImgUnchecked(int value);
  TacAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TacAnimatEvents value) { animatEvents_ = value; }
  // Clicks and the space bar leave the state alone; hot tracking stays.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }

  void SetChecked(bool value) override;
  // The left button or the space bar is held on the control.
  bool Pressed() const { return pressed_; }

  // Size and place of the check image in the control.
  classlib::TSize CheckSize() const;
  classlib::TRect CheckRect() const;
  // Paints background, caption and check image into the skin cache.
  void PrepareCache();

 protected:
  void WndProc(classlib::TMessage& message) override;
  // Printing into a picture (PaintTo): the cached check box.
  void PaintWindow(HDC dc) override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  void Loaded() override;
  void Notification(classlib::TComponent* component, classlib::TOperation operation) override;

 private:
  enum class TSource { ImageList, Glyph, Mask, None };
  TSource Source() const;
  // The mask of the current state in the skin's GLOBALINFO; -1 for none.
  int MaskIndex() const;
  classlib::TAlignment ControlsAlignment() const;
  bool Hot() const;
  bool SkinnedHere() const;
  void PaintCaption(classlib::TCanvas* canvas);
  void PaintCheckImage(classlib::TBitmap* cache);
  void PaintGlyphFrame(classlib::TBitmap* source, int frame, classlib::TBitmap* cache);
  void Paint(HDC givenDC, bool evenWhileLocked = false);
  void Fade(TacAnimatEvent event, std::uint8_t direction);
  void AutoSizeIfOn();
  void FocusForInput();
  // Mouse and space-bar messages of the skinned check box; true when handled.
  bool HandleInput(classlib::TMessage& message);

  TsDisabledKind disabledKind_;
  std::unique_ptr<classlib::TBitmap> glyphUnChecked_;
  std::unique_ptr<classlib::TBitmap> glyphChecked_;
  int textIndent_ = 0;
  bool pressed_ = false;
  bool showFocus_ = true;
  int margin_ = 2;
  TsFadeTimer* fadeTimer_ = nullptr;
  classlib::TCustomImageList* images_ = nullptr;
  int imgChecked_ = 0;
  int imgUnchecked_ = 0;
  TacAnimatEvents animatEvents_{paint::aeGlobalDef};
  bool readOnly_ = false;
};

}  // namespace skin
