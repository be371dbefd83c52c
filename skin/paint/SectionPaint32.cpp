#include "skin/paint/SectionPaint32.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/paint/Blends.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/MaskRect.h"
#include "skin/paint/PixelFills.h"

namespace skin::paint {

namespace {

bool ValidSection(const TsSkinModel* skin, std::int32_t index) {
  return skin != nullptr && index >= 0 && static_cast<std::size_t>(index) < skin->Sections.size();
}
bool ValidMask(const TsSkinModel& skin, std::int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < skin.Masks.size();
}

std::uint8_t PercentByte(std::int32_t percent) {
  return static_cast<std::uint8_t>(std::clamp(percent * 255 / 100, 0, 255));
}

// The fills of a background, in order.
void FillBackground32(const TsSkinModel& skin, const TsGenState& s, TColor colour, std::int32_t gp, std::int32_t ip,
                      std::int32_t t, const TRect& r, const TPixelView& bmp, const TSectionFills& fills) {
  const std::int32_t texIndex = ip > 0 && ValidMask(skin, s.TextureIndex) ? s.TextureIndex : -1;
  const TsGradientArray& steps = s.GradientArray;
  if (ip + gp == 100 && gp >= 1 && gp <= 99 && texIndex >= 0 && skin.Masks[texIndex].DrawMode == 0 &&
      !steps.empty() && steps[0].Mode < 2 && fills.PaintGradientBlended) {
    fills.PaintGradientBlended(bmp, r, steps, skin.Masks[texIndex], PercentByte(ip), t < 50 ? 255 : 0);
    return;
  }
  bool textured = false;
  if (ip > 0) {
    if (texIndex >= 0 && fills.TileTexture) {
      const TRect rest = fills.TileTexture(bmp, r, skin.Masks[texIndex]);
      textured = true;
      if (!rest.IsEmpty()) FillRect32(bmp, rest, colour, 255);
    } else {
      FillRect32(bmp, r, colour, 255);
    }
  }
  if (gp > 0) {
    if (textured) {
      const std::int32_t w = r.Width(), h = r.Height();
      std::vector<std::uint32_t> layer(static_cast<std::size_t>(w) * h);
      const TPixelView view = MakeView(layer.data(), w, h, std::ptrdiff_t{w} * 4);
      if (!steps.empty() && fills.PaintGradient)
        fills.PaintGradient(view, TRect{0, 0, w, h}, steps);
      else
        FillRect32(view, TRect{0, 0, w, h}, colour, 255);
      BlendRect256(bmp, view, PercentByte(ip), TPoint{r.Left, r.Top}, TRect{0, 0, w, h});
    } else if (!steps.empty() && fills.PaintGradient) {
      fills.PaintGradient(bmp, r, steps);
    } else {
      FillRect32(bmp, r, colour, 255);
      return;
    }
  }
  if (ip + gp >= 1 && ip + gp <= 99) {
    BlendColorRect(bmp, TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1}, ip + gp, colour);
    return;
  }
  if (ip + gp != 0) return;
  const std::uint32_t first = bmp.Pixel32(r.Left, r.Top);
  const std::uint8_t alpha = PercentByte(100 - t);
  if (first == 0)
    FillRect32(bmp, r, colour, alpha);
  else if (t == 0)
    FillRect32(bmp, r, colour, 255);
  else
    BlendColorRect32(bmp, r, colour, 100 - t, std::max<std::uint8_t>(static_cast<std::uint8_t>(first >> 24), alpha));
}

}  // namespace

void PaintSectionBackground32(std::int32_t sectionIndex, std::int32_t state, const TRect& r, const TPixelView& bmp,
                              const TsSkinModel* skin, TColor customColor, const TSectionFills& fills) {
  if (!ValidSection(skin, sectionIndex) || !bmp.Is32()) return;
  // Every fill below reads or writes inside r: keep r inside the bitmap.
  const TRect area{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, bmp.Width), std::min(r.Bottom, bmp.Height)};
  if (area.IsEmpty()) return;
  const TsGenState& s = skin->Sections[sectionIndex].Props[std::clamp(state, 0, 1)];
  if (s.Transparency == 100) {
    if (r.Left == 0 && r.Top == 0 && r.Right == bmp.Width && r.Bottom == bmp.Height)
      FillRect32(bmp, area, 0, 0);
    return;
  }
  if (customColor == kSkinKeyColor)
    FillBackground32(*skin, s, s.Color, s.GradientPercent, s.ImagePercent, s.Transparency, area, bmp, fills);
  else
    FillBackground32(*skin, s, customColor, 0, 0, 0, area, bmp, fills);
}

void PaintSectionItem32(std::int32_t sectionIndex, std::int32_t state, const TRect& r, const TPixelView& bmp,
                        const TsSkinModel* skin, const TSectionFills& fills) {
  if (!bmp.Is32() || r.IsEmpty() || !ValidSection(skin, sectionIndex) || r.Right > bmp.Width ||
      r.Bottom > bmp.Height || r.Left < 0 || r.Top < 0)
    return;
  const TsGeneralData& section = skin->Sections[sectionIndex];
  state = std::clamp(state, 0, std::max(section.States - 1, 0));
  // What lay in r (one more column and row where the bitmap has them), for
  // the border's key corners to take back.
  const std::int32_t w = std::min(r.Width() + 1, bmp.Width - r.Left), h = std::min(r.Height() + 1, bmp.Height - r.Top);
  // Kept from call to call (grow-only): fresh pages for a window-sized copy
  // cost more than painting the whole face.
  thread_local std::vector<std::uint32_t> before;
  if (before.size() < static_cast<std::size_t>(w) * h) before.resize(static_cast<std::size_t>(w) * h);
  for (std::int32_t y = 0; y < h; ++y)
    std::memcpy(&before[static_cast<std::size_t>(y) * w], bmp.Row32(r.Top + y) + r.Left, static_cast<std::size_t>(w) * 4);
  PaintSectionBackground32(sectionIndex, std::min(state, 1), r, bmp, skin, kSkinKeyColor, fills);
  if (ValidMask(*skin, section.BorderIndex)) {
    TCacheView ci;
    ci.Bmp = MakeView(before.data(), w, h, std::ptrdiff_t{w} * 4);
    ci.X = -r.Left;
    ci.Y = -r.Top;
    ci.Ready = true;
    PaintMaskRect32(bmp, r, ci, skin->Masks[section.BorderIndex], state);
  }
  if (r.Width() == bmp.Width && r.Height() == bmp.Height) PremultiplyAlphaRect(bmp, r);
}

}  // namespace skin::paint
