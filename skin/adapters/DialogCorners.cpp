#include "skin/adapters/DialogCorners.h"

namespace skin::adapters {

std::vector<TRect> StaleCornerRects(int storedWidth, int storedHeight, int newWidth, int newHeight,
                                    TCornerImageSize topRight, TCornerImageSize bottomRight) {
  std::vector<TRect> rects;
  if (storedWidth != 0 && newWidth >= storedWidth && newHeight >= storedHeight) return rects;
  if (topRight.Width > 0 && topRight.Height > 0)
    rects.push_back(TRect{storedWidth - topRight.Width, 0, storedWidth, topRight.Height});
  if (bottomRight.Width > 0 && bottomRight.Height > 0)
    rects.push_back(TRect{storedWidth - bottomRight.Width, storedHeight - bottomRight.Height, storedWidth, storedHeight});
  return rects;
}

}  // namespace skin::adapters
