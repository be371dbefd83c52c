#pragma once
// Skins kept inside the program: each item holds a packed skin container as
// its "Data", stored as raw bytes in the form description, so a program can
// be drawn in its skin with no skin files beside it.
#include <memory>
#include <string>

#include "bitmap/Bmp32.h"
#include "classlib/core/Collection.h"
#include "classlib/core/Stream.h"

namespace classlib {
class TFiler;
}

namespace skin {

class TsStoredSkin : public classlib::TCollectionItem {
 public:
  explicit TsStoredSkin(classlib::TCollection* collection);

  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& value);
  // The packed container; empty when the item holds no skin.
  classlib::TMemoryStream& Data() { return data_; }
  const classlib::TMemoryStream& Data() const { return data_; }

  // The skin's master bitmap as the form stores it (empty unless given).
  bmp32::TCustomBitmap32* MasterBitmap() const { return masterBitmap_.get(); }

  int Shadow1Color() const { return shadow1Color_; }
  void SetShadow1Color(int value) { shadow1Color_ = value; }
  int Shadow1Offset() const { return shadow1Offset_; }
  void SetShadow1Offset(int value) { shadow1Offset_ = value; }
  int Shadow1Blur() const { return shadow1Blur_; }
  void SetShadow1Blur(int value) { shadow1Blur_ = value; }
  int Shadow1Transparency() const { return shadow1Transparency_; }
  void SetShadow1Transparency(int value) { shadow1Transparency_ = value; }
  int BorderColor() const { return borderColor_; }
  void SetBorderColor(int value) { borderColor_ = value; }
  double Version() const { return version_; }
  void SetVersion(double value) { version_ = value; }
  const std::wstring& Author() const { return author_; }
  void SetAuthor(const std::wstring& value) { author_ = value; }
  const std::wstring& Description() const { return description_; }
  void SetDescription(const std::wstring& value) { description_ = value; }

  void Assign(const classlib::TPersistent* source) override;
  // "Data" is always written, also when empty.
  void DefineProperties(classlib::TFiler& filer) override;

 private:
  std::wstring name_;
  classlib::TMemoryStream data_;
  std::unique_ptr<bmp32::TCustomBitmap32> masterBitmap_ = std::make_unique<bmp32::TCustomBitmap32>();
  int shadow1Color_ = 0;
  int shadow1Offset_ = 0;
  int shadow1Blur_ = -1;
  int shadow1Transparency_ = 0;
  int borderColor_ = 0xFF00FF;
  double version_ = 0;
  std::wstring author_;
  std::wstring description_;
};

class TsStoredSkins : public classlib::TCollection {
 public:
  explicit TsStoredSkins(classlib::TPersistent* owner);

  TsStoredSkin* Items(int index) const { return static_cast<TsStoredSkin*>(TCollection::Items(index)); }
  TsStoredSkin* Add() { return static_cast<TsStoredSkin*>(TCollection::Add()); }
  // Exact, case-sensitive; -1 when no item has the name.
  int IndexOf(const std::wstring& name) const;

  // Told after every change of the collection or of an item.
  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

 protected:
  void Update(classlib::TCollectionItem* item) override;

 private:
  std::function<void()> onChange_;
};

// Makes the two classes' properties known to form descriptions. Runs once.
void RegisterStoredSkinClasses();

}  // namespace skin
