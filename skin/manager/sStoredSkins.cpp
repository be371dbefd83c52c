#include "skin/manager/sStoredSkins.h"

#include "bitmap/Bmp32_Registration.h"
#include "classlib/core/Filer.h"
#include "classlib/core/PropertyRegistry.h"

namespace skin {

using namespace classlib;

TsStoredSkin::TsStoredSkin(TCollection* collection) : TCollectionItem(collection) {}

void TsStoredSkin::SetName(const std::wstring& value) {
  if (value == name_) return;
  name_ = value;
  Changed(false);
}

void TsStoredSkin::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TsStoredSkin*>(source);
  if (!other) {
    TCollectionItem::Assign(source);
    return;
  }
  if (other == this) return;
  data_.Clear();
  data_.WriteBuffer(other->data_.Bytes().data(), static_cast<int64_t>(other->data_.Bytes().size()));
  data_.SetPosition(0);
  name_ = other->name_;
  masterBitmap_->Assign(other->masterBitmap_.get());
  version_ = other->version_;
  shadow1Color_ = other->shadow1Color_;
  shadow1Offset_ = other->shadow1Offset_;
  shadow1Blur_ = other->shadow1Blur_;
  shadow1Transparency_ = other->shadow1Transparency_;
  borderColor_ = other->borderColor_;
  author_ = other->author_;
  description_ = other->description_;
  Changed(false);
}

void TsStoredSkin::DefineProperties(TFiler& filer) {
  TCollectionItem::DefineProperties(filer);
  filer.DefineBinaryProperty(
      L"Data",
      [this](TStream& stream) {
        data_.Clear();
        data_.CopyFrom(stream, 0);
        data_.SetPosition(0);
      },
      [this](TStream& stream) {
        const auto& bytes = data_.Bytes();
        stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
      },
      true);
}

TsStoredSkins::TsStoredSkins(TPersistent* owner) : TCollection(owner, ItemClass<TsStoredSkin>()) {}

int TsStoredSkins::IndexOf(const std::wstring& name) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Name() == name) return i;
  return -1;
}

void TsStoredSkins::Update(TCollectionItem*) {
  if (onChange_) onChange_();
}

void RegisterStoredSkinClasses() {
  static const bool done = [] {
    bmp32::RegisterBitmap32Classes();
    Properties<TsStoredSkin, TCollectionItem>()
        .String(L"Name", &TsStoredSkin::Name, &TsStoredSkin::SetName)
        .Object(L"MasterBitmap", &TsStoredSkin::MasterBitmap)
        .Stored([](const TsStoredSkin& skin) { return !skin.MasterBitmap()->Empty(); })
        .Integer(L"Shadow1Color", &TsStoredSkin::Shadow1Color, &TsStoredSkin::SetShadow1Color)
        .Integer(L"Shadow1Offset", &TsStoredSkin::Shadow1Offset, &TsStoredSkin::SetShadow1Offset)
        .Integer(L"Shadow1Blur", &TsStoredSkin::Shadow1Blur, &TsStoredSkin::SetShadow1Blur, -1)
        .Integer(L"Shadow1Transparency", &TsStoredSkin::Shadow1Transparency, &TsStoredSkin::SetShadow1Transparency)
        .Integer(L"BorderColor", &TsStoredSkin::BorderColor, &TsStoredSkin::SetBorderColor, 0xFF00FF)
        .Float(L"Version", &TsStoredSkin::Version, &TsStoredSkin::SetVersion)
        .String(L"Author", &TsStoredSkin::Author, &TsStoredSkin::SetAuthor)
        .String(L"Description", &TsStoredSkin::Description, &TsStoredSkin::SetDescription);
    Properties<TsStoredSkins, TCollection>();
    return true;
  }();
  (void)done;
}

}  // namespace skin
