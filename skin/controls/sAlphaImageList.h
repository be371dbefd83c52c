#pragma once
// The skinned image list: images with their own alpha channel (PNG glyphs
// and menu icons), addressed by index like any image list. Each image is
// kept as the file it came from, an item of `Items`, and that is what the
// form description stores; the system list is rebuilt from the items.
#include <memory>

#include "classlib/core/Collection.h"
#include "classlib/core/Stream.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Graphic.h"
#include "classlib/menus/ImageList.h"

namespace skin {

enum TsImageFormat { ifPNG, ifICO };

class TsImgListItem : public classlib::TCollectionItem {
 public:
  explicit TsImgListItem(classlib::TCollection* collection);

  TsImageFormat ImageFormat() const { return imageFormat_; }
  void SetImageFormat(TsImageFormat value);
  classlib::TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(classlib::TPixelFormat value) { pixelFormat_ = value; }
  // The image file, byte for byte.
  const classlib::TMemoryStream& ImgData() const { return imgData_; }
  // The size of the file's image as last decoded.
  int OrigWidth() const { return origWidth_; }
  int OrigHeight() const { return origHeight_; }

  void Assign(const classlib::TPersistent* source) override;

 protected:
  void DefineProperties(classlib::TFiler& filer) override;

 private:
  friend class TsAlphaImageList;
  TsImageFormat imageFormat_ = ifPNG;
  classlib::TPixelFormat pixelFormat_ = classlib::pf32bit;
  int origWidth_ = 0, origHeight_ = 0;
  classlib::TMemoryStream imgData_;
};

class TsAlphaImageList;

class TsImgListItems : public classlib::TCollection {
 public:
  explicit TsImgListItems(TsAlphaImageList* owner);
  TsImgListItem* Items(int index) const { return static_cast<TsImgListItem*>(TCollection::Items(index)); }

 protected:
  void Update(classlib::TCollectionItem* item) override;

 private:
  friend class TsAlphaImageList;
  TsAlphaImageList* list_;  // cleared when the list goes
};

class TsAlphaImageList : public classlib::TCustomImageList {
 public:
  explicit TsAlphaImageList(classlib::TComponent* owner);
  ~TsAlphaImageList() override;

  TsImgListItems* Items() const { return items_.get(); }
  void SetItems(const TsImgListItems* value) { items_->Assign(value); }
  // Keeps the file as a new item and shows it; returns its index. A file the
  // decoders refuse raises their error and adds nothing.
  int AddImageFile(classlib::TStream& file, TsImageFormat format);

  // Adds the graphic (of any class the picture class reads, PNG included),
  // centred on a transparent image of Width x Height that keeps its alpha;
  // returns its index, -1 when the graphic is empty or the list refused it.
  // Such an image is not an item: it is not stored and a rebuild drops it.
  int AddGraphic(classlib::TGraphic& graphic);
  // The same for a picture file.
  int AddFromFile(const std::wstring& fileName);

  // Replaces the system list's images by those of the items.
  void RebuildImages();

 protected:
  void Loaded() override;
  void FillDeferred() override;
  // All images travel in Items: the inherited "Bitmap" is stored empty.
  void DefineProperties(classlib::TFiler& filer) override;

 private:
  std::unique_ptr<TsImgListItems> items_;
  bool rebuilding_ = false;
};

}  // namespace skin
