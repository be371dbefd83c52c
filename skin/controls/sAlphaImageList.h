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
  // The last 32-bit rendering of the file, in the size last asked for.
  std::unique_ptr<classlib::TBitmap> cacheBmp_;
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

  // Replaces the system list's images by those of the items. An item that
  // does not decode becomes a blank image at its index.
  void RebuildImages();

  // Own background colour; clNone reports the inherited one.
  classlib::TColor BkColor() const override;
  void SetBkColor(classlib::TColor value) override;
  // Another alpha list brings its items (and their files) along.
  void Assign(const classlib::TPersistent* source) override;

  // A 32-bit rendering of image Index with its alpha into Bmp: in Bmp's
  // size when it has one, else in the list's size. A stored PNG is decoded
  // (and resampled when its size differs) once per size, then served from
  // its item's cache. False without a bitmap or outside the list.
  bool GetBitmap32(int index, classlib::TBitmap* bmp);

 protected:
  void DoDraw(int index, classlib::TCanvas& canvas, int x, int y, UINT style, bool enabled) override;

  void Loaded() override;
  void FillDeferred() override;
  // All images travel in Items: the inherited "Bitmap" is stored empty.
  void DefineProperties(classlib::TFiler& filer) override;

 private:
  std::unique_ptr<TsImgListItems> items_;
  bool rebuilding_ = false;
  classlib::TColor bkColor_ = classlib::clNone;
};

// Frame Frame of NumGlyphs frames of image Index, composited by its alpha at
// (X, Y) of the 32-bit Dst, with Reflected, Transparency (0..100) and a
// BlendColor (clNone: none). Lists other than TsAlphaImageList draw their
// image there the plain way. Nothing without a list, an empty Dst or an
// index outside the list; NumGlyphs below 1 counts as 1.
void DrawImageToBitmap(classlib::TCustomImageList* list, int index, classlib::TBitmap* dst, int x, int y,
                       bool reflected, int numGlyphs, int frame, classlib::TColor blendColor, int transparency);
// The same onto a device context, through a 32-bit copy of its area (taller
// by half when Reflected).
void DrawImageToDC(classlib::TCustomImageList* list, int index, HDC dc, int x, int y, bool reflected, int numGlyphs,
                   int frame, classlib::TColor blendColor, int transparency);
// A 32-bit bitmap whose alpha bytes are all 0: its bottom-left colour
// becomes transparent and every other pixel opaque. Bitmaps with any alpha
// are left as they are.
void FixAlpha(classlib::TBitmap* bmp);

}  // namespace skin
