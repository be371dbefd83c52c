#include "skin/paint/DisabledKind_Gdi.h"

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/Blends.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {

using classlib::Point;
using classlib::Rect;

namespace {

// The colour behind a control whose parent image is not at hand.
TColor BackgroundColor(TColor parentColor, const TacCacheInfo& ci) {
  if (ci.FillColor != kSkinKeyColor) return ci.FillColor;
  return classlib::ColorToRGB(parentColor != kSkinKeyColor ? parentColor : classlib::clBtnFace);
}

}  // namespace

void ApplyDisabledKind(classlib::TBitmap* bmp, std::uint8_t disabledKind, TColor parentColor, const TacCacheInfo& ci,
                       const TPoint& offset) {
  const TPixelView view = ViewOf(bmp);
  if (!view.Is32()) return;
  GdiFlush();  // earlier GDI drawing lands before the pixels are changed
  if (disabledKind & dgGrayed) GrayscaleBmp(view);
  if (!(disabledKind & dgBlended)) return;
  const TCacheView parentView = CacheViewOf(ci);
  if (parentView.HasImage() && parentView.Bmp.Is32()) {
    const std::int32_t x = ci.X + offset.X, y = ci.Y + offset.Y;
    BlendTransRect(view, 0, 0, kSkinKeyColor, 0.4, Rect(x, y, x + view.Width - 1, y + view.Height - 1),
                   parentView.Bmp);
  } else {
    BlendColorRect(bmp, Rect(0, 0, view.Width - 1, view.Height - 1), 50, BackgroundColor(parentColor, ci));
  }
}

}  // namespace skin::paint
