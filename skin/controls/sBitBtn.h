#pragma once
// The skinned bitmap button: the main window's command buttons. It can stay
// pressed and shows a glyph taken from an image list by index.
#include <memory>

#include "classlib/controls/BitBtn.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/menus/ImageList.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsBitBtn : public TsSkinnedControl<classlib::TBitBtn, COC_TsBitBtn> {
 public:
  explicit TsBitBtn(classlib::TComponent* owner);
  ~TsBitBtn() override;

  bool Down() const { return down_; }
  // Repaints pressed or raised when the value changes.
  void SetDown(bool value);
  // -1: no glyph from Images.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  classlib::TCustomImageList* Images() const { return images_; }
  void SetImages(classlib::TCustomImageList* value);

 protected:
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  void Notification(classlib::TComponent* component, classlib::TOperation operation) override;

 private:
  bool down_ = false;
  int imageIndex_ = -1;
  classlib::TCustomImageList* images_ = nullptr;
  std::unique_ptr<classlib::TCanvas> glyphCanvas_;
};

}  // namespace skin
