#include "skin/controls/sAlphaImageList.h"

#include <algorithm>
#include <cstring>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Picture.h"

namespace skin {

using namespace classlib;

TsAlphaImageList::TsAlphaImageList(TComponent* owner) : TCustomImageList(owner) {
  // The alpha channel is the mask.
  SetMasked(false);
}

int TsAlphaImageList::AddGraphic(TGraphic& graphic) {
  if (graphic.Empty()) return -1;
  TBitmap image;
  image.SetPixelFormat(pf32bit);
  image.SetSize(Width(), Height());
  for (int y = 0; y < Height(); ++y) std::memset(image.ScanLine(y), 0, static_cast<size_t>(Width()) * 4);
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
