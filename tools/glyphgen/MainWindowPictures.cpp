#include "tools/glyphgen/MainWindowPictures.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tools/glyphgen/Pictures.h"
#include "tools/glyphgen/PngFile.h"

namespace glyphgen {

namespace fs = std::filesystem;

namespace {

constexpr unsigned kSystemButtonFace = 0xF0F0F0;

}  // namespace

TMainWindowPictures DrawMainWindowPictures() {
  TMainWindowPictures p;
  const skingen::TLayer about = AboutGlyph();
  p.AboutGlyphPng = EncodePng(about);
  // Drawn with its alpha by the skinned button; the plain system button
  // blits it, so its see-through pixels take the system's button face.
  p.AboutGlyphBmp = EncodeBmp(about, kSystemButtonFace);
  for (int i = 0; i < kDocumentGlyphCount; ++i) p.DocumentGlyphs.push_back(EncodePng(DocumentGlyph(i)));
  for (int i = 0; i < kMenuIconCount; ++i) p.MenuIcons.push_back(EncodePng(MenuIcon(i)));
  const skingen::TLayer welcome = WelcomePicture();
  p.Welcome = EncodePng(welcome);
  // See-through pixels are alpha 0; the graphic's Draw blends by alpha.
  p.WelcomeBmp = EncodeBmp(welcome, 0);
  p.GaugeHighlight = EncodePng(GaugeHighlight());
  return p;
}

void WritePictureFiles(const TMainWindowPictures& pictures, const std::string& folder) {
  fs::create_directories(folder);
  const auto write = [&](const std::string& name, const TBytes& bytes) {
    std::ofstream out(fs::path(folder) / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + name);
  };
  write("about.png", pictures.AboutGlyphPng);
  for (std::size_t i = 0; i < pictures.DocumentGlyphs.size(); ++i)
    write("document-" + std::to_string(i) + ".png", pictures.DocumentGlyphs[i]);
  for (std::size_t i = 0; i < pictures.MenuIcons.size(); ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "menu-%02zu.png", i);
    write(name, pictures.MenuIcons[i]);
  }
  write("welcome.png", pictures.Welcome);
  write("acgl.png", pictures.GaugeHighlight);
}

std::string ComposeMainWindowForm(const std::string& description, const TMainWindowPictures& pictures,
                                  const TBytes& internalSkin) {
  return ComposeForm(description, {{"AboutGlyph", BitmapData("Glyph.Data", pictures.AboutGlyphBmp)},
                                   {"DocumentGlyphs", ImageListItems(pictures.DocumentGlyphs)},
                                   {"MenuIcons", ImageListItems(pictures.MenuIcons)},
                                   {"WelcomePicture", PictureData("Picture.Data", "TPNGGraphic", pictures.WelcomeBmp)},
                                   {"InternalSkins", StoredSkinItems("Tessarilo", internalSkin)}});
}

}  // namespace glyphgen
