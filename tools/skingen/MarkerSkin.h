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
    // The bar-like controls, tabs and list headers the window adapters paint.
    {"COLHEADER", 0xB0D0E0, 0xB0D0A0, 0},
    {"PAGECONTROL", 0xA0E0B0, 0xA0E070, 0},
    {"PAGECONTROLBOTTOM", 0xA1E0B0, 0xA1E070, 0},
    {"PAGECONTROLLEFT", 0xA2E0B0, 0xA2E070, 0},
    {"PAGECONTROLRIGHT", 0xA3E0B0, 0xA3E070, 0},
    {"TABTOP", 0xD0A0B0, 0xD0A070, 0},
    {"TABBOTTOM", 0xD1A0B0, 0xD1A070, 0},
    {"TABLEFT", 0xD2A0B0, 0xD2A070, 0},
    {"TABRIGHT", 0xD3A0B0, 0xD3A070, 0},
    {"TOOLBUTTON", 0xB0C8B8, 0xB0C878, 0},
    {"UPDOWNBTN", 0xC0B0A0, 0xC0B060, 0xC0B020},
    {"BAR", 0xD8E8C8, 0, 0},
    {"STATUSBAR", 0xC8E8D8, 0, 0},
    {"DIVIDER", 0x9090C0, 0x909080, 0},
    {"TRACKBAR", 0xE8D8C8, 0, 0},
    {"MDIAREA", 0x70A0A0, 0, 0},
    // The frame and client of a skinned system dialog, the title band of
    // one with a modal frame and the item behind its caption text.
    {"DIALOG", 0xD8D0C8, 0x283848, 0},
    {"DIALOGTITLE", 0xA8B8C8, 0, 0},
    {"CAPTION", 0xC0C0C0, 0, 0},
};

// The glow of an active dialog's caption (HGSIZE, HGCOL); an inactive one
// has none.
inline constexpr int kDialogTitleGlowSize = 3;
inline constexpr unsigned kDialogTitleGlowColour = 0x00FF00;

// Masks other than BORDERSMASK and GLYPHMASK. A glyph with a `point` has
// its far end in that colour (the bottom rows of an upright glyph, the
// right columns of a wide one), so that a picture shows which way it faces.
struct TMarkerMask {
  const char* section;
  const char* key;
  bool border;
  int width, height;
  unsigned colour;  // frame 0
  unsigned point;   // 0 for none
  int borderWidth = 0;  // of a border mask; 0: kBorderWidth
};
inline constexpr int kPointLength = 4;
inline constexpr TMarkerMask kExtraMasks[] = {
    {"TRACKBAR", "SLIDERCHANNEL", true, 8, 8, 0x9000A0, 0},
    {"TRACKBAR", "TICKHORZ", false, 2, 4, 0x204060, 0},
    {"TRACKBAR", "TICKVERT", false, 4, 2, 0x206040, 0},
    {"TRACKBAR", "SLIDERMASK", false, 11, 19, 0x9050A0, 0x9050E0},
    {"TRACKBAR", "SLIDERVMASK", false, 19, 11, 0x9060A0, 0x9060E0},
    // The extended border drawn around a skinned dialog (its margins are
    // the border widths less the skin's form offset).
    {"GLOBALINFO", "EXBORDER", true, 30, 30, 0x4060A0, 0, 12},
    // Corner images of the dialog frame, large enough to reach into the
    // client area.
    {"DIALOG", "IMGTOPRIGHT", false, 12, 12, 0x60B0D0, 0},
    {"DIALOG", "IMGBTMRIGHT", false, 12, 12, 0x70B0D0, 0},
    // The glow around a dialog's hot small close button (its size is
    // kCloseGlowSize; no margin, so a fading button draws no glow).
    {"GLOBALINFO", "SICONCLOSEGLOW0", true, 9, 9, 0x50F0F0, 0},
};
inline constexpr int kCloseGlowSize = 1;  // GLOBALINFO BICONCLOSEGLOW

// The check box and radio glyphs of "GLOBALINFO" (glyph size, three frames).
struct TMarkerGlyph {
  const char* name;
  unsigned colour;  // frame 0
};
inline constexpr TMarkerGlyph kGlobalGlyphs[] = {
    {"BOXCHECKED", 0x10F010},     {"BOXUNCHECKED", 0x20E020},   {"BOXGRAYED", 0x30D030},
    {"RADIOCHECKED", 0x40C040},   {"RADIOUNCHECKED", 0x50B050},
    // The small title buttons of dialogs with a modal frame.
    {"SICONCLOSE", 0x70A070},     {"SICONMIN", 0x80A080},       {"SICONMAX", 0x90A090},
};

inline constexpr unsigned kGlobalColour = 0xE0E0E0;
inline constexpr unsigned kBorderColour = 0x0000F0;  // GLOBALINFO BORDERCOLOR
inline constexpr unsigned kGripColour = 0xF000F0 - 0x10;  // GLOBALINFO GRIPIMAGE

// Writes "Options.dat" and its master bitmap into the folder.
void GenerateMarkerSkin(const std::filesystem::path& folder);

}  // namespace skingen::marker
