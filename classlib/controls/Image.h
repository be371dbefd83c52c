#pragma once
// Image: a windowless control showing a TPicture, at its own size, centred,
// or stretched (proportionally when asked). AutoSize takes the picture's size.
#include <memory>

#include "classlib/controls/GraphicControl.h"
#include "classlib/graphics/Picture.h"

namespace classlib {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TPicture* value) { picture_->Assign(value); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  // Where the picture is drawn, in client coordinates.
  TRect DestRect() const;

 protected:
  void Paint() override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;

 private:
  void PictureChanged();

  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
};

}  // namespace classlib
