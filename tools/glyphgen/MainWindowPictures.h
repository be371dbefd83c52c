#pragma once
// All pictures of the main window, encoded, with the places they take in
// its form description.
#include <string>
#include <vector>

#include "tools/glyphgen/FormComposer.h"

namespace glyphgen {

struct TMainWindowPictures {
  TBytes AboutGlyphPng;
  TBytes AboutGlyphBmp;  // a button's glyph is a bitmap
  std::vector<TBytes> DocumentGlyphs;
  std::vector<TBytes> MenuIcons;
  TBytes Welcome;     // welcome.png, to look at
  TBytes WelcomeBmp;  // stored: the skinning library's PNG graphic keeps a 32-bit BMP
  TBytes GaugeHighlight;  // the program's resource ACGL
};

TMainWindowPictures DrawMainWindowPictures();
// about.png, document-0.png.., menu-00.png.., welcome.png, acgl.png.
void WritePictureFiles(const TMainWindowPictures& pictures, const std::string& folder);
// Fills the placeholders %AboutGlyph%, %DocumentGlyphs%, %MenuIcons% and
// %WelcomePicture% with the pictures, and %InternalSkins% with the packed
// skin the program is drawn in (stored under the name "Tessarilo").
std::string ComposeMainWindowForm(const std::string& description, const TMainWindowPictures& pictures,
                                  const TBytes& internalSkin);

}  // namespace glyphgen
