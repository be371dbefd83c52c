#include "skin/controls/sAlphaImageList.h"

#include <algorithm>
#include <cstring>

#include "classlib/core/Filer.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/Picture.h"
#include "png/PngObject.h"
#include "skin/paint/PngGraphic_Gdi.h"

namespace skin {

using namespace classlib;

TsImgListItem::TsImgListItem(TCollection* collection) : TCollectionItem(collection) {}

void TsImgListItem::SetImageFormat(TsImageFormat value) {
  if (imageFormat_ == value) return;
  imageFormat_ = value;
  Changed(false);
}

void TsImgListItem::Assign(const TPersistent* source) {
  const auto* item = dynamic_cast<const TsImgListItem*>(source);
  if (!item) return TCollectionItem::Assign(source);
  imageFormat_ = item->imageFormat_;
  pixelFormat_ = item->pixelFormat_;
  origWidth_ = item->origWidth_;
  origHeight_ = item->origHeight_;
  imgData_.Clear();
  imgData_.WriteBuffer(item->imgData_.Memory(), static_cast<int64_t>(item->imgData_.Bytes().size()));
  Changed(false);
}

void TsImgListItem::DefineProperties(TFiler& filer) {
  TCollectionItem::DefineProperties(filer);
  filer.DefineBinaryProperty(
      L"ImgData", [this](TStream& stream) { imgData_.LoadFromStream(stream); },
      [this](TStream& stream) { stream.WriteBuffer(imgData_.Memory(), static_cast<int64_t>(imgData_.Bytes().size())); },
      true);
}

TsImgListItems::TsImgListItems(TsAlphaImageList* owner)
    : TCollection(owner, ItemClass<TsImgListItem>()), list_(owner) {}

void TsImgListItems::Update(TCollectionItem*) {
  // While the form is read the list is built once, in Loaded.
  if (list_ && !list_->ComponentState().Contains(csLoading)) list_->RebuildImages();
}

TsAlphaImageList::TsAlphaImageList(TComponent* owner)
    : TCustomImageList(owner), items_(std::make_unique<TsImgListItems>(this)) {
  // The alpha channel is the mask.
  SetMasked(false);
}

TsAlphaImageList::~TsAlphaImageList() {
  // The items go after the list's own body: they must not call back into it.
  items_->list_ = nullptr;
}

int TsAlphaImageList::AddImageFile(TStream& file, TsImageFormat format) {
  const int count = items_->Count();
  items_->BeginUpdate();
  try {
    auto* item = static_cast<TsImgListItem*>(items_->Add());
    item->imageFormat_ = format;
    item->imgData_.LoadFromStream(file);
  } catch (...) {
    items_->EndUpdate();
    throw;
  }
  try {
    items_->EndUpdate();
  } catch (...) {
    // A file the decoders refuse leaves the list as it was.
    items_->Delete(count);
    throw;
  }
  return count;
}

void TsAlphaImageList::RebuildImages() {
  if (rebuilding_) return;
  CancelDeferredFill();
  rebuilding_ = true;
  struct TReset {
    bool& flag;
    ~TReset() { flag = false; }
  } reset{rebuilding_};
  Clear();
  for (int i = 0; i < items_->Count(); ++i) {
    TsImgListItem& item = *items_->Items(i);
    item.imgData_.SetPosition(0);
    std::unique_ptr<TGraphic> graphic;
    if (item.imageFormat_ == ifICO) graphic.reset(New<TIcon>());
    else graphic.reset(New<TPNGGraphic>());  // the library's own PNG reader
    graphic->LoadFromStream(item.imgData_);
    item.origWidth_ = graphic->Width();
    item.origHeight_ = graphic->Height();
    // Keep indices in step with the items even for an image that shows nothing.
    if (AddGraphic(*graphic) < 0) {
      TBitmap blank;
      blank.SetPixelFormat(pf32bit);
      blank.SetSize(Width(), Height());
      Add(&blank, nullptr);
    }
  }
}

void TsAlphaImageList::Loaded() {
  TCustomImageList::Loaded();
  // Most lists of a form (menu icons, glyphs of hidden pages) are not shown
  // at start: their files are decoded when the images are first used.
  if (items_->Count() > 0) DeferFill();
}

void TsAlphaImageList::FillDeferred() { RebuildImages(); }

void TsAlphaImageList::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(L"Bitmap", [](TStream&) {}, [](TStream&) {}, true);
}

namespace {

// A PNG image centred on a transparent Width x Height image, its alpha taken
// per pixel (drawing it would blend it into the target and lose the alpha).
void PlacePng(const png::TPNGObject& picture, TBitmap& image) {
  const int left = (image.Width() - picture.Width()) / 2, top = (image.Height() - picture.Height()) / 2;
  for (int y = std::max(0, top); y < std::min(image.Height(), top + picture.Height()); ++y) {
    const uint8_t* alpha = picture.AlphaScanline(y - top);
    uint8_t* row = image.ScanLine(y);
    for (int x = std::max(0, left); x < std::min(image.Width(), left + picture.Width()); ++x) {
      const TColor c = picture.Pixels(x - left, y - top);
      const unsigned a = alpha ? alpha[x - left] : 255;
      // Straight colour: the system list weighs 32-bit images by their alpha itself.
      row[x * 4] = static_cast<uint8_t>((c >> 16) & 0xFF);
      row[x * 4 + 1] = static_cast<uint8_t>((c >> 8) & 0xFF);
      row[x * 4 + 2] = static_cast<uint8_t>(c & 0xFF);
      row[x * 4 + 3] = static_cast<uint8_t>(a);
    }
  }
}

// A 32-bit library PNG centred on a transparent image, its straight pixels
// copied as they are.
void PlaceAlphaBitmap(TBitmap& picture, TBitmap& image) {
  const int left = (image.Width() - picture.Width()) / 2, top = (image.Height() - picture.Height()) / 2;
  const int from = std::max(0, left), to = std::min(image.Width(), left + picture.Width());
  if (to <= from) return;
  for (int y = std::max(0, top); y < std::min(image.Height(), top + picture.Height()); ++y)
    std::memcpy(image.ScanLine(y) + from * 4, picture.ScanLine(y - top) + (from - left) * 4,
                static_cast<size_t>(to - from) * 4);
}

}  // namespace

int TsAlphaImageList::AddGraphic(TGraphic& graphic) {
  if (graphic.Empty()) return -1;
  TBitmap image;
  image.SetPixelFormat(pf32bit);
  image.SetSize(Width(), Height());
  for (int y = 0; y < Height(); ++y) std::memset(image.ScanLine(y), 0, static_cast<size_t>(Width()) * 4);
  if (const auto* picture = dynamic_cast<const png::TPNGObject*>(&graphic)) {
    PlacePng(*picture, image);
    return Add(&image, nullptr);
  }
  if (auto* picture = dynamic_cast<TPNGGraphic*>(&graphic); picture && picture->PixelFormat() == pf32bit) {
    PlaceAlphaBitmap(*picture, image);
    return Add(&image, nullptr);
  }
  const int left = (Width() - graphic.Width()) / 2, top = (Height() - graphic.Height()) / 2;
  const TRect place{left, top, left + graphic.Width(), top + graphic.Height()};
  image.Canvas()->StretchDraw(place, &graphic);
  // A graphic without an alpha channel of its own leaves every alpha byte 0:
  // its pixels are then opaque.
  bool anyAlpha = false;
  for (int y = 0; y < Height() && !anyAlpha; ++y) {
    const uint8_t* row = image.ScanLine(y);
    for (int x = 0; x < Width() && !anyAlpha; ++x) anyAlpha = row[x * 4 + 3] != 0;
  }
  if (!anyAlpha) {
    for (int y = std::max(0, place.Top); y < std::min(Height(), place.Bottom); ++y) {
      uint8_t* row = image.ScanLine(y);
      for (int x = std::max(0, place.Left); x < std::min(Width(), place.Right); ++x) row[x * 4 + 3] = 255;
    }
  }
  return Add(&image, nullptr);
}

int TsAlphaImageList::AddFromFile(const std::wstring& fileName) {
  TPicture picture;
  picture.LoadFromFile(fileName);
  return picture.Graphic() ? AddGraphic(*picture.Graphic()) : -1;
}

}  // namespace skin
