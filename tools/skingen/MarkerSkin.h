#pragma once
// The marker skin: one flat colour per section and per mask frame, so that
// a pixel of a painted window tells which section, mask and state painted
// it. Tests of the window adapters look at windows painted with it (the
// program's own skin has no use for many of the sections adapters read).
// Colours are 0xRRGGBB; frame (state) s of a mask is its colour plus s.
#include <filesystem>

namespace skingen::marker {

struct TMarkerSection {
  const char* name;
  unsigned colour;  // the section's COLOR
  unsigned border;  // BORDERSMASK, frame 0; 0 for none
  unsigned glyph;   // GLYPHMASK, frame 0; 0 for none
};

// Every mask has three frames and a border two pixels wide; the border
// mask's top-left pixel is transparent (key colour), so a painted corner
// shows what lies behind the window.
inline constexpr int kFrames = 3;
inline constexpr int kBorderWidth = 2;
inline constexpr int kMaskSize = 8;   // border frames are 8 x 8
inline constexpr int kGlyphSize = 5;  // glyph frames are 5 x 5

inline constexpr TMarkerSection kSections[] = {
    {"EDIT", 0xF8F0E0, 0x304050, 0},
    {"SCROLLBAR1H", 0x10C020, 0x10A020, 0},
    {"SCROLLBAR2H", 0x20C010, 0x20A010, 0},
    {"SCROLLBAR1V", 0x30C040, 0x30A040, 0},
    {"SCROLLBAR2V", 0x40C030, 0x40A030, 0},
    {"SCROLLSLIDERH", 0xC01050, 0xA01050, 0x801050},
    {"SCROLLSLIDERV", 0xC02060, 0xA02060, 0x802060},
    {"SCROLLBTNLEFT", 0x5010C0, 0x5010A0, 0x501080},
    {"SCROLLBTNRIGHT", 0x6020C0, 0x6020A0, 0x602080},
    {"SCROLLBTNTOP", 0x7030C0, 0x7030A0, 0x703080},
    {"SCROLLBTNBOTTOM", 0x8040C0, 0x8040A0, 0x804080},
    // Sections of the small adapters: buttons, boxes, combo boxes, panels,
    // menus.
    {"BUTTON", 0xA0D0E0, 0x2050A0, 0},
    {"CHECKBOX", 0xB0E0C0, 0x306030, 0},
    {"GROUPBOX", 0xC0B0E0, 0x403070, 0},
    {"COMBOBOX", 0xD0E0A0, 0x506020, 0x605010},
    {"COMBOBTN", 0xE0C0A0, 0x704020, 0x803010},
    {"PANEL", 0xC8D8E8, 0x183848, 0},
    {"PANEL_LOW", 0xD8C8B8, 0x482818, 0},
    {"MAINMENU", 0xE8D0F0, 0x502060, 0},
};

// The check box and radio glyphs of "GLOBALINFO" (glyph size, three frames).
struct TMarkerGlyph {
  const char* name;
  unsigned colour;  // frame 0
};
inline constexpr TMarkerGlyph kGlobalGlyphs[] = {
    {"BOXCHECKED", 0x10F010},     {"BOXUNCHECKED", 0x20E020},   {"BOXGRAYED", 0x30D030},
    {"RADIOCHECKED", 0x40C040},   {"RADIOUNCHECKED", 0x50B050},
};

inline constexpr unsigned kGlobalColour = 0xE0E0E0;
inline constexpr unsigned kBorderColour = 0x0000F0;  // GLOBALINFO BORDERCOLOR
inline constexpr unsigned kGripColour = 0xF000F0 - 0x10;  // GLOBALINFO GRIPIMAGE

// Writes "Options.dat" and its master bitmap into the folder.
void GenerateMarkerSkin(const std::filesystem::path& folder);

}  // namespace skingen::marker
