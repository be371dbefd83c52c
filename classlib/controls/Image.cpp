#include "classlib/controls/Image.h"

namespace classlib {

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  ControlStyle().Include(csReplicatable);
  StoreBounds(0, 0, 105, 105);
  picture_->SetOnChange([this](TObject*) { PictureChanged(); });
}

TImage::~TImage() = default;

void TImage::PictureChanged() {
  if (TGraphic* g = picture_->Graphic()) g->SetTransparent(transparent_);
  AdjustSize();
  Invalidate();
}

void TImage::SetStretch(bool value) {
  if (stretch_ == value) return;
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  if (center_ == value) return;
  center_ = value;
  Invalidate();
}

void TImage::SetProportional(bool value) {
  if (proportional_ == value) return;
  proportional_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  PictureChanged();
}

bool TImage::CanAutoSize(int& newWidth, int& newHeight) {
  if (picture_->Width() <= 0 || picture_->Height() <= 0) return false;
  newWidth = picture_->Width();
  newHeight = picture_->Height();
  return true;
}

TRect TImage::DestRect() const {
  int w = picture_->Width(), h = picture_->Height();
  const int cw = Width(), ch = Height();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      // Fit inside, keeping the aspect ratio.
      if (static_cast<int64_t>(cw) * h > static_cast<int64_t>(ch) * w) {
        w = static_cast<int>(static_cast<int64_t>(w) * ch / h);
        h = ch;
      } else {
        h = static_cast<int>(static_cast<int64_t>(h) * cw / w);
        w = cw;
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect r = Rect(0, 0, w, h);
  if (center_) {
    const int dx = (cw - w) / 2, dy = (ch - h) / 2;
    r = Rect(dx, dy, dx + w, dy + h);
  }
  return r;
}

void TImage::Paint() {
  TGraphic* graphic = picture_->Graphic();
  if (!graphic || graphic->Empty()) return;
  Canvas()->StretchDraw(DestRect(), graphic);
}

}  // namespace classlib
