#pragma once
// The parent-background record that painting code consumes: the parent's
// image with the control's origin inside it, or a plain fill colour.
#include <cstdint>

#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}

namespace skin {

struct TacCacheInfo {
  classlib::TBitmap* Bmp = nullptr;  // the parent's image, not owned
  int32_t X = 0;                     // the control's origin inside Bmp
  int32_t Y = 0;
  TColor FillColor = 0xFF00FF;  // used when not Ready; 0xFF00FF is no colour
  bool Ready = false;           // Bmp holds the background
};

// The record of a bitmap whose pixel (x, y) lies behind the destination's
// pixel (x - X, y - Y): fill colour none, Ready.
inline TacCacheInfo MakeCacheInfo(classlib::TBitmap* bmp, int32_t x, int32_t y) {
  return TacCacheInfo{bmp, x, y, 0xFF00FF, true};
}

// The library's empty record: no image, X -99, no colour, not ready. Given
// to pieces that must never take a background.
extern const TacCacheInfo EmptyCacheInfo;

}  // namespace skin
