#include "skin/controls/sBoundLabel.h"

#include "classlib/controls/WinControl.h"

namespace skin {

using namespace classlib;

TsBoundLabel::TsBoundLabel(TsCommonData* commonData)
    : font_(std::make_unique<TFont>()), commonData_(commonData) {}

TsBoundLabel::~TsBoundLabel() {
  if (!label_) return;
  label_->boundLabel_ = nullptr;
  delete label_;
  label_ = nullptr;
}

TWinControl* TsBoundLabel::Edit() const {
  return commonData_ ? dynamic_cast<TWinControl*>(commonData_->OwnerControl()) : nullptr;
}

void TsBoundLabel::SetActive(bool value) {
  if (active_ == value) return;
  TWinControl* edit = Edit();
  if (!value || !edit) {
    if (label_) {
      label_->boundLabel_ = nullptr;
      delete label_;
      label_ = nullptr;
    }
    active_ = false;
    return;
  }
  active_ = true;
  if (!label_) label_ = New<TsEditLabel>(edit, this);
  label_->SetVisible(false);
  label_->SetParent(edit->Parent());
  label_->SetFocusControl(edit);
  UpdateAlignment();
  label_->SetName(edit->Name() + L"Label");
  if (caption_.empty()) caption_ = edit->Name();
  label_->SetCaption(caption_);
  label_->SetVisible(edit->Visible() || label_->ComponentState().Contains(csDesigning));
  label_->SetEnabled(edit->Enabled());
  label_->SetAutoSize(true);
  AlignLabel();
}

void TsBoundLabel::SetCaption(const std::wstring& value) {
  if (caption_ == value) return;
  caption_ = value;
  if (!active_ || !label_) return;
  label_->SetCaption(value);
  AlignLabel();
}

void TsBoundLabel::SetIndent(int value) {
  if (indent_ == value) return;
  indent_ = value;
  if (active_) AlignLabel();
}

void TsBoundLabel::SetMaxWidth(int value) {
  if (maxWidth_ == value) return;
  maxWidth_ = value;
  if (active_) AlignLabel();
}

void TsBoundLabel::SetLayout(TsCaptionLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  UpdateAlignment();
  if (active_) AlignLabel();
}

TFont* TsBoundLabel::Font() const { return label_ ? label_->Font() : font_.get(); }

void TsBoundLabel::SetFont(const TFont* value) {
  if (!label_) return;
  label_->Font()->Assign(value);
  if (TWinControl* edit = Edit()) label_->SetParent(edit->Parent());
  AlignLabel();
}

bool TsBoundLabel::UseSkinColor() const { return label_ ? label_->UseSkinColor() : true; }

void TsBoundLabel::SetUseSkinColor(bool value) {
  if (label_) label_->SetUseSkinColor(value);
}

void TsBoundLabel::UpdateAlignment() {
  if (!label_) return;
  switch (layout_) {
    case sclLeft: case sclTopRight: case sclBottomRight: label_->SetAlignment(taRightJustify); break;
    case sclTopLeft: case sclLeftTop: case sclBottomLeft: label_->SetAlignment(taLeftJustify); break;
    case sclTopCenter: case sclBottomCenter: label_->SetAlignment(taCenter); break;
  }
}

void TsBoundLabel::AlignLabel() {
  if (!label_ || !label_->Visible()) return;
  TWinControl* edit = label_->FocusControl();
  if (!edit) return;
  label_->Constraints()->SetMaxWidth(maxWidth_);
  const int width = label_->Width(), height = label_->Height();
  const int besideLeft = edit->Left() - width - 4 - indent_;
  const int centredLeft = edit->Left() + (edit->Width() - width) / 2;
  const int rightLeft = edit->Left() + edit->Width() - width;
  const int above = edit->Top() - height - indent_;
  const int below = edit->Top() + edit->Height() + indent_;
  int left = edit->Left(), top = edit->Top();
  switch (layout_) {
    case sclLeft: left = besideLeft; top = edit->Top() + (edit->Height() - height) / 2 - 1; break;
    case sclTopLeft: top = above; break;
    case sclTopCenter: left = centredLeft; top = above; break;
    case sclTopRight: left = rightLeft; top = above; break;
    case sclLeftTop: left = besideLeft; top = edit->Top() + 3; break;
    case sclBottomLeft: top = below; break;
    case sclBottomCenter: left = centredLeft; top = below; break;
    case sclBottomRight: left = rightLeft; top = below; break;
  }
  label_->SetBounds(left, top, width, height);
  label_->SetParent(edit->Parent());
  if (maxWidth_ != 0) label_->SetWordWrap(label_->Width() >= label_->Constraints()->MaxWidth() - 4);
}

TsEditLabel::TsEditLabel(TComponent* owner, TsBoundLabel* boundLabel) : TsLabel(owner), boundLabel_(boundLabel) {}

TsEditLabel::~TsEditLabel() {
  if (!boundLabel_) return;
  boundLabel_->label_ = nullptr;
  boundLabel_->active_ = false;
}

}  // namespace skin
