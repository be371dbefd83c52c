#pragma once
// The main window's pictures, drawn in the internal skin's colours
// (graphite with brass): the about button's watch, the purchase document
// button's four state glyphs, the pop-up menus' icons, the welcome picture
// and the gauge's gleam.
#include "tools/skingen/Layer.h"

namespace glyphgen {

inline constexpr int kAboutGlyphSize = 32;
inline constexpr int kDocumentGlyphSize = 24;
inline constexpr int kDocumentGlyphCount = 4;
inline constexpr int kMenuIconSize = 16;
inline constexpr int kMenuIconCount = 19;
// A 256 x 256 picture at the top left of the welcome panel's image.
inline constexpr int kWelcomeWidth = 256;
inline constexpr int kWelcomeHeight = 256;

skingen::TLayer AboutGlyph();
// By the document state shown: 0 none, 1 saved, 2 added, 3 removed.
skingen::TLayer DocumentGlyph(int state);
// By the icon index the menus use: 0 undo, 1 cut, 2 copy, 3 paste, 4 delete,
// 5 select all, 6 open address, 7 clear, 8 crop, 9 define list, 10 today,
// 11 open folder, 12 address, 13 EUR, 14 JPY, 15 PLN, 16 GBP, 17 USD, 18 CHF.
skingen::TLayer MenuIcon(int index);
skingen::TLayer WelcomePicture();
// The gleam the progress gauge sweeps along its bar, stretched there to
// the bar's thickness.
inline constexpr int kGaugeHighlightWidth = 300;
inline constexpr int kGaugeHighlightHeight = 40;
skingen::TLayer GaugeHighlight();

}  // namespace glyphgen
