#include "skin/adapters/TabGeometry.h"

namespace skin::adapters {

namespace {

void Inflate(TBarRect& r, std::int32_t dx, std::int32_t dy) {
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
}

}  // namespace

TTabSide TabSideOf(std::uint32_t style) {
  const bool vertical = (style & kTcsVertical) != 0, far = (style & kTcsBottom) != 0;
  if (!vertical) return far ? tsBottom : tsTop;
  return far ? tsRight : tsLeft;
}

TTabKind TabKindOf(std::uint32_t style) {
  if (!(style & kTcsButtons)) return tkTabs;
  return (style & kTcsFlatButtons) ? tkFlatButtons : tkButtons;
}

TBarRect AdjustTabRect(TBarRect r, TTabSide side, bool active) {
  if (r.Width() <= 0 || r.Height() <= 0) return r;
  const std::int32_t a = active ? 1 : 0;
  if (active) {
    r.Bottom -= 1;
  } else {
    r.Bottom += 3;
    r.Right -= 1;
  }
  switch (side) {
    case tsTop:
      Inflate(r, 2 * a, 2 * a);
      r.Bottom += 1;
      break;
    case tsBottom:
      Inflate(r, 2 * a, a);
      r.Top -= 2;
      r.Bottom += active ? 1 : -3;
      break;
    case tsLeft:
      Inflate(r, 0, 1);
      r.Right += 2;
      if (active) {
        Inflate(r, 1, 1);
      } else {
        r.Bottom -= 4;
        r.Right += 2;
      }
      break;
    case tsRight:
      Inflate(r, 1, 0);
      r.Left -= 1;
      r.Right -= 1;
      r.Top -= 1;
      r.Bottom -= 1;
      if (active) {
        Inflate(r, 1, 1);
        r.Bottom += 3;
      } else {
        r.Bottom -= 2;
      }
      break;
  }
  return r;
}

std::int32_t TabRow(const TBarRect& tab, const TBarRect& page, TTabSide side, std::int32_t rows) {
  if (rows < 2) return 1;
  const std::int64_t w = tab.Width(), h = tab.Height();
  const bool across = side == tsTop || side == tsBottom;
  const std::int64_t extent = across ? h : w;
  if (extent <= 0) return 1;
  std::int64_t row = 1;
  switch (side) {
    case tsTop:
      row = (tab.Bottom + h / 2) / h;
      break;
    case tsLeft:
      row = (tab.Right + w / 2) / w;
      break;
    case tsBottom:
      row = rows - ((static_cast<std::int64_t>(tab.Bottom) - page.Top + h / 2) / h) + 1;
      break;
    case tsRight:
      row = rows - ((static_cast<std::int64_t>(tab.Right) - page.Left + w / 2) / w) + 1;
      break;
  }
  if (row < 1) return 1;
  return row > rows ? rows : static_cast<std::int32_t>(row);
}

TBarRect TabPageRect(std::int32_t width, std::int32_t height, const TBarRect& display, TTabSide side, bool hasTabs) {
  TBarRect r{0, 0, width, height};
  if (!hasTabs) return r;
  switch (side) {
    case tsTop: r.Top = display.Top - 4; break;
    case tsBottom: r.Bottom = display.Bottom + 2; break;
    case tsLeft: r.Left = display.Left - 1; break;
    case tsRight: r.Right = display.Right + 1; break;
  }
  return r;
}

}  // namespace skin::adapters
