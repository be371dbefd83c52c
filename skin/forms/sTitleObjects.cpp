#include "skin/forms/sTitleObjects.h"

#include "skin/forms/sSkinProvider.h"

namespace skin {

using namespace classlib;

namespace {

bool ProviderLoading(const TsSkinProvider* provider) {
  return !provider || provider->ComponentState().Contains(csLoading);
}

}  // namespace

TacAddedTitle::TacAddedTitle(TsSkinProvider* provider) : provider_(provider), font_(std::make_unique<TFont>()) {
  font_->SetColor(clNone);
}

TacAddedTitle::~TacAddedTitle() = default;

void TacAddedTitle::Repaint() {
  if (!ProviderLoading(provider_)) provider_->RepaintFrame();
}

void TacAddedTitle::SetText(const std::wstring& value) {
  if (text_ == value) return;
  text_ = value;
  Repaint();
}

void TacAddedTitle::SetShowMainCaption(bool value) {
  if (showMainCaption_ == value) return;
  showMainCaption_ = value;
  Repaint();
}

void TacAddedTitle::SetFont(const TFont* value) {
  font_->Assign(value);
  Repaint();
}

TsTitleIcon::TsTitleIcon(TsSkinProvider* provider) : provider_(provider), glyph_(std::make_unique<TBitmap>()) {}

TsTitleIcon::~TsTitleIcon() = default;

void TsTitleIcon::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  if (!ProviderLoading(provider_)) provider_->RepaintFrame();
}

TsTitleButton::TsTitleButton(TCollection* collection)
    : TCollectionItem(collection), name_(L"TsTitleButton"), glyph_(std::make_unique<TBitmap>()) {
  // A running glow shows the old picture: a new one ends it.
  glyph_->SetOnChange([this](TObject*) { BtnData.Animation.reset(); });
}

TsTitleButton::~TsTitleButton() {
  BtnData.Animation.reset();
  glyph_->SetOnChange(nullptr);
}

TsSkinProvider* TsTitleButton::Provider() const {
  auto* buttons = dynamic_cast<TsTitleButtons*>(Collection());
  return buttons ? buttons->Provider() : nullptr;
}

void TsTitleButton::SetName(const std::wstring& value) {
  if (name_ != value) name_ = value;
}

void TsTitleButton::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  TsSkinProvider* provider = Provider();
  if (!ProviderLoading(provider)) provider->RequestRepaint();
}

void TsTitleButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TsTitleButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TsTitleButton::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TsTitleButton*>(source);
  if (!other) {
    TCollectionItem::Assign(source);
    return;
  }
  enabled_ = other->enabled_;
  glyph_->Assign(other->glyph_.get());
  hint_ = other->hint_;
  name_ = other->name_;
  useSkinData_ = other->useSkinData_;
  OnMouseDown = other->OnMouseDown;
  OnMouseUp = other->OnMouseUp;
}

TsTitleButtons::TsTitleButtons(TsSkinProvider* provider)
    : TCollection(provider, TCollection::ItemClass<TsTitleButton>()), provider_(provider) {}

TsTitleButtons::~TsTitleButtons() {
  provider_ = nullptr;
  Clear();
}

}  // namespace skin
