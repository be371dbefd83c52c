#pragma once
// The tab control's geometry as its adapter reads it from the window's
// style and item rectangles: which side the tabs stand on, what they look
// like, the rectangle a tab is painted into and the row it belongs to.
#include <cstdint>

#include "skin/adapters/BarGeometry.h"

namespace skin::adapters {

enum TTabSide : std::int32_t { tsTop = 0, tsBottom = 1, tsLeft = 2, tsRight = 3 };
enum TTabKind : std::int32_t { tkTabs = 0, tkButtons = 1, tkFlatButtons = 2 };

inline constexpr std::uint32_t kTcsBottom = 0x2;  // TCS_BOTTOM, TCS_RIGHT
inline constexpr std::uint32_t kTcsFlatButtons = 0x8;
inline constexpr std::uint32_t kTcsVertical = 0x80;
inline constexpr std::uint32_t kTcsButtons = 0x100;

TTabSide TabSideOf(std::uint32_t style);
// Flat buttons are a kind of button: the flat style alone draws tabs.
TTabKind TabKindOf(std::uint32_t style);

// The item rectangle of a tab (kind tabs) grown to the painted tab.
TBarRect AdjustTabRect(TBarRect item, TTabSide side, bool active);

// The row (1 = next to the page) of a tab of a multi-row control. A tab
// with no extent across the rows is counted in the first row.
std::int32_t TabRow(const TBarRect& tab, const TBarRect& page, TTabSide side, std::int32_t rows);

// The page frame: the whole window with the tab side moved to the display
// rectangle (when there are tabs).
TBarRect TabPageRect(std::int32_t width, std::int32_t height, const TBarRect& display, TTabSide side, bool hasTabs);

}  // namespace skin::adapters
