#include "skin/controls/sBitBtn.h"

namespace skin {

using namespace classlib;

TsBitBtn::TsBitBtn(TComponent* owner)
    : TsSkinnedControl(owner), glyphCanvas_(std::make_unique<TCanvas>()) {}

TsBitBtn::~TsBitBtn() = default;

void TsBitBtn::SetDown(bool value) {
  if (down_ == value) return;
  down_ = value;
  Invalidate();
}

void TsBitBtn::SetImageIndex(int value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  Invalidate();
}

void TsBitBtn::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = value;
  if (images_) images_->FreeNotification(this);
  Invalidate();
}

void TsBitBtn::Notification(TComponent* component, TOperation operation) {
  TsSkinnedControl::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TsBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  DRAWITEMSTRUCT shown = item;
  if (down_) shown.itemState |= ODS_SELECTED;
  TsSkinnedControl::DrawItem(shown);
  if (!images_ || imageIndex_ < 0 || imageIndex_ >= images_->Count()) return;
  // A glyph-only button centres its glyph; a captioned one keeps it at the left.
  const int buttonWidth = item.rcItem.right - item.rcItem.left;
  const int buttonHeight = item.rcItem.bottom - item.rcItem.top;
  const int x = Caption().empty() ? (buttonWidth - images_->Width()) / 2 : 8;
  const int y = (buttonHeight - images_->Height()) / 2;
  const int shift = (shown.itemState & ODS_SELECTED) ? 1 : 0;
  glyphCanvas_->SetHandle(item.hDC);
  images_->Draw(*glyphCanvas_, x + shift, y + shift, imageIndex_, Enabled());
  glyphCanvas_->SetHandle(nullptr);
}

}  // namespace skin
