#pragma once
// The colours of the internal skin: graphite greys with a brass accent.
// Values are 0xRRGGBB; the section values and the mask images share them,
// so a mask's fill always matches the colour its section paints under it.
namespace skingen::palette {

inline constexpr unsigned kTitle = 0x1C1E22;
inline constexpr unsigned kForm = 0x25282D;
inline constexpr unsigned kPanel = 0x2C3036;
inline constexpr unsigned kPanelLow = 0x202328;
inline constexpr unsigned kField = 0x1A1C20;
inline constexpr unsigned kFieldHot = 0x1E2025;
inline constexpr unsigned kMenu = 0x2A2D33;
inline constexpr unsigned kIconLine = 0x272A30;
inline constexpr unsigned kTrack = 0x212428;
inline constexpr unsigned kThumb = 0x4A5059;
inline constexpr unsigned kThumbHot = 0x5E656F;

inline constexpr unsigned kLine = 0x3B4048;
inline constexpr unsigned kLineLight = 0x4D535C;
inline constexpr unsigned kLineDark = 0x15171A;

inline constexpr unsigned kText = 0xE8E3D9;
inline constexpr unsigned kTextDim = 0x9D988F;
inline constexpr unsigned kTextDark = 0x17181B;
inline constexpr unsigned kTextHot = 0xF4E6C6;

inline constexpr unsigned kBrass = 0xC9A45C;
inline constexpr unsigned kBrassLight = 0xE0C07E;
inline constexpr unsigned kBrassDark = 0x9E7D3B;

inline constexpr unsigned kButtonTop = 0x3B4048;
inline constexpr unsigned kButtonBottom = 0x30343A;
inline constexpr unsigned kButtonHotTop = 0x464C55;
inline constexpr unsigned kButtonHotBottom = 0x3A3F46;
inline constexpr unsigned kButtonDownTop = 0x24272C;
inline constexpr unsigned kButtonDownBottom = 0x2A2E34;

inline constexpr unsigned kTitleButtonHot = 0x363A41;
inline constexpr unsigned kTitleButtonDown = 0x2A2D33;
inline constexpr unsigned kCloseHot = 0xC0453A;
inline constexpr unsigned kCloseDown = 0x9A372E;

}  // namespace skingen::palette
