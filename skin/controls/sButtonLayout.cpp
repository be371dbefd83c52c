#include "skin/controls/sButtonLayout.h"

namespace skin {

int ContentWidth(const TPushButtonLayout& l) { return l.Width - (l.Style == bsSplitButton ? 16 : 0); }

TPoint CommandLinkGlyphSize(const TPushButtonLayout& l) {
  const TPoint image = l.HasGlyph ? l.ImageSize : TPoint{32, 32};
  return TPoint{image.X + l.MarginLeft + l.MarginRight, image.Y + l.MarginTop + l.MarginBottom};
}

TRect PushButtonCaptionRect(const TPushButtonLayout& l) {
  const int w = ContentWidth(l), m = l.ContentMargin, th = l.TextSize.Y;
  TRect r;
  const int centredTop = (l.Height - th) / 2;
  if (l.Style == bsCommandLink) {
    r = TRect{CommandLinkGlyphSize(l).X + m + 6, m, w - m, m + th};
  } else if (l.HasGlyph && l.Alignment == iaLeft) {
    r = TRect{l.MarginLeft + m + l.ImageSize.X + l.MarginRight, centredTop, w - m, l.Height - centredTop};
  } else if (l.HasGlyph && l.Alignment == iaRight) {
    r = TRect{m, centredTop, w - (l.MarginRight + m + l.ImageSize.X + l.MarginLeft), l.Height - centredTop};
  } else if (l.HasGlyph && l.Alignment == iaTop) {
    const int bandTop = l.MarginTop + 2 * m + l.ImageSize.Y, bandBottom = l.Height - m;
    const int top = bandTop + (bandBottom - bandTop - th) / 2;
    r = TRect{m, top, w - m, top + th};
  } else if (l.HasGlyph && l.Alignment == iaBottom) {
    const int bottom0 = l.Height - (l.MarginBottom + m + l.ImageSize.Y + l.MarginTop);
    const int top = (bottom0 - l.MarginTop - th) / 2 + l.MarginTop;
    r = TRect{m, top, w - m, top + th};
  } else {
    const int left = (w - l.TextSize.X) / 2 - 1;
    r = TRect{left, centredTop, left + l.TextSize.X + 2, l.Height - centredTop};
  }
  if (l.Pressed) r = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  return r;
}

TRect PushButtonGlyphRect(const TPushButtonLayout& l) {
  if (!l.HasGlyph) return TRect{};
  const int w = ContentWidth(l), m = l.ContentMargin, iw = l.ImageSize.X, ih = l.ImageSize.Y;
  TPoint p;
  if (l.Style == bsCommandLink) p = TPoint{l.MarginLeft + m, m};
  else if (l.Alignment == iaLeft) p = TPoint{l.MarginLeft + m, (l.Height - ih) / 2};
  else if (l.Alignment == iaRight) p = TPoint{w - l.MarginRight - m - iw, (l.Height - ih) / 2};
  else if (l.Alignment == iaTop) p = TPoint{(w - iw) / 2, l.MarginTop + m};
  else if (l.Alignment == iaBottom) p = TPoint{(w - iw) / 2, l.Height - l.MarginBottom - m - ih};
  else p = TPoint{(w - iw) / 2, (l.Height - ih) / 2};
  if (l.Pressed) p = TPoint{p.X + 1, p.Y + 1};
  return TRect{p.X, p.Y, p.X + iw, p.Y + ih};
}

int PushButtonImageState(bool enabled, int currentState, bool focused) {
  if (!enabled) return 4;
  if (currentState == 2) return 2;
  if (focused) return 3;
  return currentState;
}

int PushButtonImageIndex(const std::array<int, 5>& indexes, int imageState, int count) {
  if (imageState < 0 || imageState > 4) imageState = 0;
  const int index = indexes[static_cast<std::size_t>(imageState)];
  return index < 0 || index >= count ? indexes[0] : index;
}

}  // namespace skin
