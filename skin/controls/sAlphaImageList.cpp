#include "skin/controls/sAlphaImageList.h"

#include <algorithm>
#include <cstring>

#include "classlib/core/Filer.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/Picture.h"
#include "png/PngObject.h"
#include "skin/core/CacheInfo.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PngGraphic_Gdi.h"
#include "skin/paint/Resample_Gdi.h"

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
  cacheBmp_.reset();
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

namespace {

// The item's file decoded by the reader of its format; raises its errors.
std::unique_ptr<TGraphic> DecodeItemFile(TsImageFormat format, TStream& data) {
  std::unique_ptr<TGraphic> graphic;
  if (format == ifICO) graphic.reset(New<TIcon>());
  else graphic.reset(New<TPNGGraphic>());  // the library's own PNG reader
  data.SetPosition(0);
  graphic->LoadFromStream(data);
  return graphic;
}

}  // namespace

int TsAlphaImageList::AddImageFile(TStream& file, TsImageFormat format) {
  // A file the decoders refuse raises their error before anything is added.
  TMemoryStream bytes;
  bytes.CopyFrom(file, file.Size() - file.Position());
  DecodeItemFile(format, bytes);
  const int count = items_->Count();
  auto* item = static_cast<TsImgListItem*>(items_->Add());
  item->imageFormat_ = format;
  bytes.SetPosition(0);
  item->imgData_.LoadFromStream(bytes);
  RebuildImages();
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
    item.cacheBmp_.reset();
    std::unique_ptr<TGraphic> graphic;
    try {
      graphic = DecodeItemFile(item.imageFormat_, item.imgData_);
      item.origWidth_ = graphic->Width();
      item.origHeight_ = graphic->Height();
    } catch (const Exception&) {
      // A damaged file must not shift the glyphs after it.
      graphic.reset();
      item.origWidth_ = item.origHeight_ = 0;
    }
    // Keep indices in step with the items even for an image that shows nothing.
    if (!graphic || AddGraphic(*graphic) < 0) {
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

TColor TsAlphaImageList::BkColor() const {
  return bkColor_ != clNone ? bkColor_ : TCustomImageList::BkColor();
}

void TsAlphaImageList::SetBkColor(TColor value) {
  bkColor_ = value;
  TCustomImageList::SetBkColor(value);
}

void TsAlphaImageList::Assign(const TPersistent* source) {
  const auto* list = dynamic_cast<const TsAlphaImageList*>(source);
  TCustomImageList::Assign(source);
  if (!list) return;
  bkColor_ = list->bkColor_;
  // The items come with their files; the images are made again from them.
  items_->BeginUpdate();
  items_->Assign(list->items_.get());
  items_->EndUpdate();
  if (items_->Count() > 0) RebuildImages();
}

namespace {

bool HasAnyAlpha(TBitmap& bmp) {
  for (int y = 0; y < bmp.Height(); ++y) {
    const uint8_t* row = bmp.ScanLine(y);
    for (int x = 0; x < bmp.Width(); ++x)
      if (row[x * 4 + 3] != 0) return true;
  }
  return false;
}

// The system list's image as a 32-bit bitmap of the icon's colour bits.
bool IconBitmap32(HIMAGELIST handle, int index, TBitmap* bmp) {
  HICON icon = ImageList_GetIcon(handle, index, ILD_NORMAL);
  if (!icon) return false;
  ICONINFO info{};
  const bool got = GetIconInfo(icon, &info) != 0;
  bool done = false;
  if (got && info.hbmColor) {
    BITMAP b{};
    GetObjectW(info.hbmColor, sizeof b, &b);
    bmp->SetPixelFormat(pf32bit);
    bmp->SetSize(b.bmWidth, b.bmHeight);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = b.bmWidth;
    bi.bmiHeader.biHeight = -b.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    std::vector<uint8_t> bits(static_cast<size_t>(b.bmWidth) * b.bmHeight * 4);
    done = GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(b.bmHeight), bits.data(), &bi, DIB_RGB_COLORS) != 0;
    ReleaseDC(nullptr, screen);
    for (int y = 0; done && y < b.bmHeight; ++y)
      std::memcpy(bmp->ScanLine(y), bits.data() + static_cast<size_t>(y) * b.bmWidth * 4,
                  static_cast<size_t>(b.bmWidth) * 4);
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  return done;
}

// Dst takes Src's pixels: row by row into a 32-bit bitmap of the same size.
void CopyPixels32(TBitmap& src, TBitmap& dst) {
  if (dst.PixelFormat() != pf32bit || dst.Width() != src.Width() || dst.Height() != src.Height()) {
    dst.Assign(&src);
    return;
  }
  if (src.Height() == 0) return;
  // Bottom-up rows of equal stride lie in one block from the last row on.
  const int last = src.Height() - 1;
  std::memcpy(dst.ScanLine(last), src.ScanLine(last), static_cast<size_t>(src.Width()) * 4 * src.Height());
}

}  // namespace

void FixAlpha(TBitmap* bmp) {
  if (!bmp || bmp->PixelFormat() != pf32bit || bmp->Empty() || HasAnyAlpha(*bmp)) return;
  const uint32_t transparent = reinterpret_cast<const uint32_t*>(bmp->ScanLine(bmp->Height() - 1))[0] & 0xFFFFFF;
  for (int y = 0; y < bmp->Height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(bmp->ScanLine(y));
    for (int x = 0; x < bmp->Width(); ++x)
      if ((row[x] & 0xFFFFFF) != transparent) row[x] |= 0xFF000000u;
  }
}

bool TsAlphaImageList::GetBitmap32(int index, TBitmap* bmp) {
  if (!bmp || index < 0 || index >= Count() || !HandleAllocated()) return false;
  const int width = bmp->Empty() ? Width() : bmp->Width();
  const int height = bmp->Empty() ? Height() : bmp->Height();
  TsImgListItem* item = index < items_->Count() ? items_->Items(index) : nullptr;
  if (item && item->imageFormat_ == ifPNG && item->imgData_.Size() > 0 && item->origWidth_ > 0) {
    if (item->cacheBmp_ && item->cacheBmp_->Width() == width && item->cacheBmp_->Height() == height) {
      CopyPixels32(*item->cacheBmp_, *bmp);
      return true;
    }
    std::unique_ptr<TGraphic> picture;
    try {
      picture = DecodeItemFile(ifPNG, item->imgData_);
    } catch (const Exception&) {
      picture.reset();
    }
    if (picture) {
      auto* decoded = static_cast<TBitmap*>(picture.get());
      if (decoded->Width() == width && decoded->Height() == height) {
        bmp->Assign(decoded);
      } else {
        bmp->SetPixelFormat(pf32bit);
        bmp->SetSize(width, height);
        if (decoded->PixelFormat() != pf32bit) decoded->SetPixelFormat(pf32bit);
        paint::ResampleBitmap(decoded, bmp, width, height, 6);
      }
      if (bmp->PixelFormat() != pf32bit) {
        bmp->SetPixelFormat(pf32bit);
        FixAlpha(bmp);
      }
      item->cacheBmp_ = std::make_unique<TBitmap>();
      item->cacheBmp_->Assign(bmp);
      return true;
    }
  }
  if (!IconBitmap32(Handle(), index, bmp)) return false;
  return true;
}

void TsAlphaImageList::DoDraw(int index, TCanvas& canvas, int x, int y, UINT style, bool enabled) {
  TsImgListItem* item = index >= 0 && index < items_->Count() ? items_->Items(index) : nullptr;
  if (!item || item->imageFormat_ != ifPNG || item->imgData_.Size() == 0) {
    TCustomImageList::DoDraw(index, canvas, x, y, style, enabled);
    return;
  }
  TBitmap image;
  if (!GetBitmap32(index, &image)) return;
  std::unique_ptr<TBitmap> area(paint::NewBitmap32(Width(), Height()));
  BitBlt(area->Canvas()->Handle(), 0, 0, Width(), Height(), canvas.Handle(), x, y, SRCCOPY);
  paint::CopyAlphaBitmap(TRect{0, 0, Width(), Height()}, TRect{0, 0, image.Width(), image.Height()}, area.get(),
                         &image, MakeCacheInfo(area.get(), 0, 0), false, clNone, 0, false);
  BitBlt(canvas.Handle(), x, y, Width(), Height(), area->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void DrawImageToBitmap(TCustomImageList* list, int index, TBitmap* dst, int x, int y, bool reflected, int numGlyphs,
                       int frame, TColor blendColor, int transparency) {
  if (!list || !dst || dst->Width() <= 0 || index < 0 || index >= list->Count()) return;
  auto* alphaList = dynamic_cast<TsAlphaImageList*>(list);
  if (!alphaList) {
    list->Draw(*dst->Canvas(), x, y, index, true);
    return;
  }
  numGlyphs = std::max(1, numGlyphs);
  const int frameWidth = list->Width() / numGlyphs;
  frame = std::clamp(frame, 0, numGlyphs - 1);
  TBitmap image;
  if (frameWidth <= 0 || !alphaList->GetBitmap32(index, &image)) return;
  paint::CopyAlphaBitmap(TRect{x, y, x + frameWidth, y + list->Height()},
                         TRect{frame * frameWidth, 0, (frame + 1) * frameWidth, list->Height()}, dst, &image,
                         EmptyCacheInfo, false, blendColor, std::clamp(transparency, 0, 100), reflected);
}

void DrawImageToDC(TCustomImageList* list, int index, HDC dc, int x, int y, bool reflected, int numGlyphs, int frame,
                   TColor blendColor, int transparency) {
  if (!list || !dc) return;
  const int width = list->Width(), height = list->Height() + (reflected ? list->Height() / 2 : 0);
  std::unique_ptr<TBitmap> area(paint::NewBitmap32(width, height));
  BitBlt(area->Canvas()->Handle(), 0, 0, width, height, dc, x, y, SRCCOPY);
  DrawImageToBitmap(list, index, area.get(), 0, 0, reflected, numGlyphs, frame, blendColor, transparency);
  BitBlt(dc, x, y, width, height, area->Canvas()->Handle(), 0, 0, SRCCOPY);
}

}  // namespace skin
