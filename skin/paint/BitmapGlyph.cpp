#include "skin/paint/BitmapGlyph.h"

#include <algorithm>
#include <cstdint>

#include "skin/paint/Blends.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/KeyedCopies.h"
#include "skin/paint/PixelOps.h"

namespace skin::paint {

namespace {

constexpr TColor kKeyColor = 0xFF00FF;

// The colour of a pixel, as the key a copy skips.
TColor ColorAt(const TPixelView& bmp, std::int32_t x, std::int32_t y) {
  return static_cast<TColor>(SwapRedBlue(bmp.Pixel32(x, y)) & 0x00FFFFFFu);
}

// The last position of [first, end), saturated to the int range.
std::int32_t LastOf(std::int32_t first, std::int32_t end) {
  const std::int64_t last = std::int64_t{end} - first - 1;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(last, INT32_MIN, INT32_MAX));
}

}  // namespace

std::int32_t GlyphFrameIndex(std::int32_t numGlyphs, std::uint8_t extra, std::int32_t state, bool enabled,
                             bool oneBitGlyph) {
  if (!enabled || state == 0) return 0;
  if (state == 1) return oneBitGlyph ? 0 : 1;
  if (state == 2) {
    if (numGlyphs > extra + 2) return extra + 2;
    if (oneBitGlyph) return 0;
    return numGlyphs - 1 < 1 ? numGlyphs - 1 : 1;
  }
  return 0;
}

void PaintBitmapGlyph(const TPixelView& glyph, bool oneBitGlyph, const TPixelView& dst, const TRect& r,
                      std::uint8_t extra, bool /*down*/, std::int32_t blend, std::int32_t state,
                      std::uint8_t disabledKind, bool enabled, std::int32_t numGlyphs) {
  if (!glyph.Is32() || !dst.Is32() || numGlyphs < 1) return;
  const TCacheView noBackground;
  const double blendRatio = blend / 100.0;

  if (numGlyphs != 1) {
    const std::int32_t frameWidth = glyph.Width / numGlyphs;
    if (frameWidth < 1) return;
    const std::int32_t index = GlyphFrameIndex(numGlyphs, extra, state, enabled, oneBitGlyph);
    const TRect frame{index * frameWidth, 0, (index + 1) * frameWidth - 1, glyph.Height - 1};
    const TColor transColor = ColorAt(glyph, frame.Left, glyph.Height - 1);
    if (!enabled && state == 0 && blend >= 1)
      BlendTransRect(dst, r.Left, r.Top, kKeyColor, blendRatio, frame, glyph);
    else
      CopyKeyedRect(dst, glyph, r.Left, r.Top, frame, transColor, noBackground);
    return;
  }

  TColor transColor = ColorAt(glyph, 0, glyph.Height - 1);
  if (!enabled) {
    if ((disabledKind & dgGrayed) != 0) {
      GrayscaleBmp(glyph);
      transColor = ColorAt(glyph, 0, glyph.Height - 1);
    }
    if ((disabledKind & dgBlended) != 0)
      BlendTransRect(dst, r.Left, r.Top, transColor, 0.5, TRect{0, 0, LastOf(r.Left, r.Right), LastOf(r.Top, r.Bottom)},
                     glyph);
    else
      CopyBmpWithKey(dst, glyph, r.Left, transColor, r.Top);
  } else if (state == 0 && blend >= 1) {
    BlendTransRect(dst, r.Left, r.Top, kKeyColor, blendRatio, TRect{0, 0, glyph.Width - 1, glyph.Height - 1},
                   glyph);
  } else {
    CopyBmpWithKey(dst, glyph, r.Left, transColor, r.Top);
  }
}

}  // namespace skin::paint
