#pragma once
// The extended-border skin of the tests: a small form skin (frame, title,
// caption buttons) with an "EXBORDER" mask whose shadow reaches kMargin
// pixels beyond the form, sizing bands reaching kAlignOffset into it and a
// skinned frame kFrameWidth wide. The mask's outermost corner pixels carry
// the key colour, so the border window's region loses its corners.
#include <filesystem>

namespace skingen::exborder {

inline constexpr int kMargin = 20;      // the border widths less FORMOFFSET
inline constexpr int kFormOffset = 4;
inline constexpr int kAlignOffset = 2;  // ALIGNOFFSET
inline constexpr int kFrameWidth = 3;   // BORDERWIDTH
inline constexpr int kTitleHeight = 30;
inline constexpr int kExBorderSize = 64;  // one frame of the mask, square
inline constexpr int kCornerKey = 2;      // key pixels along each outer corner edge
inline constexpr const char* kExBorderFile = "EXBORDER.BMP";

// The outer frame's colour in the inactive and the active picture (opaque,
// the FORMOFFSET band next to the form); the shadow is black, its alpha
// rising towards the form.
inline constexpr unsigned kInactiveFrame = 0x707070, kActiveFrame = 0x2060C0;
inline constexpr unsigned kFormColour = 0xD0D8E0, kTitleColour = 0x3070B0, kCloseColour = 0xE02020;

// Writes "Options.dat", the master bitmap and the mask's picture into the folder.
void GenerateExBorderSkin(const std::filesystem::path& folder);

}  // namespace skingen::exborder
