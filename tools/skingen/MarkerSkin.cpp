#include "tools/skingen/MarkerSkin.h"

#include "tools/skingen/MaskAtlas.h"
#include "tools/skingen/OptionsFile.h"
#include "tools/skingen/SkinGenerator.h"
#include "tools/skingen/SkinSections.h"

namespace skingen::marker {

void GenerateMarkerSkin(const std::filesystem::path& folder) {
  TOptionsFile options;
  TMaskAtlas atlas(256);
  const char* g = "GLOBALINFO";
  options.Set(g, "VERSION", "8.0");
  options.Set(g, "AUTHOR", "Tessarilo");
  options.Set(g, "DESCRIPTION", "Marker skin for tests");
  options.Set(g, "MASTERBITMAP", kMasterBitmapName);
  options.Set(g, "BORDERCOLOR", SkinColour(kBorderColour));
  options.Set(g, "STATES", 1);
  options.Set(g, "COLOR", SkinColour(kGlobalColour));
  options.Set(g, "BICONCLOSEGLOW", kCloseGlowSize);
  atlas.AddGlyph(g, "GRIPIMAGE", kGlyphSize, kGlyphSize, 1, [](TLayer& layer, int) {
    layer.Fill(RoundRect(0, 0, kGlyphSize, kGlyphSize, 0), Rgb(kGripColour));
  });
  for (const TMarkerGlyph& glyph : kGlobalGlyphs) {
    const unsigned base = glyph.colour;
    atlas.AddGlyph(g, glyph.name, kGlyphSize, kGlyphSize, kFrames, [base](TLayer& layer, int frame) {
      layer.Fill(RoundRect(0, 0, kGlyphSize, kGlyphSize, 0), Rgb(base + static_cast<unsigned>(frame)));
    });
  }
  for (const TMarkerSection& s : kSections) {
    options.Set(s.name, "STATES", kFrames);
    options.Set(s.name, "COLOR", SkinColour(s.colour));
    options.Set(s.name, "HOTCOLOR", SkinColour(s.colour));
    options.Set(s.name, "FONTCOLOR", SkinColour(0));
    options.Set(s.name, "TRANSPARENCY", 0);
    if (s.border) {
      const unsigned base = s.border;
      atlas.AddBorder(s.name, "BORDERSMASK", kMaskSize, kMaskSize, kFrames,
                      {kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth}, 0, [base](TLayer& layer, int frame) {
                        layer.Fill(Subtract(RoundRect(0, 0, kMaskSize, kMaskSize, 0), RoundRect(0, 0, 1, 1, 0)),
                                   Rgb(base + static_cast<unsigned>(frame)));
                      });
    }
    if (s.glyph) {
      const unsigned base = s.glyph;
      atlas.AddGlyph(s.name, "GLYPHMASK", kGlyphSize, kGlyphSize, kFrames, [base](TLayer& layer, int frame) {
        layer.Fill(RoundRect(0, 0, kGlyphSize, kGlyphSize, 0), Rgb(base + static_cast<unsigned>(frame)));
      });
    }
  }
  options.Set("DIALOGTITLE", "HGSIZE", kDialogTitleGlowSize);
  options.Set("DIALOGTITLE", "HGCOL", SkinColour(kDialogTitleGlowColour));
  options.Set("DIALOGTITLE", "GSIZE", 0);
  for (const TMarkerMask& m : kExtraMasks) {
    const TMarkerMask mask = m;
    const auto painter = [mask](TLayer& layer, int frame) {
      const unsigned f = static_cast<unsigned>(frame);
      layer.Fill(RoundRect(0, 0, mask.width, mask.height, 0), Rgb(mask.colour + f));
      if (!mask.point) return;
      if (mask.width <= mask.height)
        layer.Fill(RoundRect(0, mask.height - kPointLength, mask.width, mask.height, 0), Rgb(mask.point + f));
      else
        layer.Fill(RoundRect(mask.width - kPointLength, 0, mask.width, mask.height, 0), Rgb(mask.point + f));
    };
    const int border = mask.borderWidth ? mask.borderWidth : kBorderWidth;
    if (mask.border)
      atlas.AddBorder(mask.section, mask.key, mask.width, mask.height, kFrames,
                      {border, border, border, border}, 0, painter);
    else
      atlas.AddGlyph(mask.section, mask.key, mask.width, mask.height, kFrames, painter);
  }
  for (const TMaskEntry& e : atlas.Entries()) options.Set(e.section, e.key, MaskValue(e));
  WriteSkinFolder(folder, options, atlas);
}

}  // namespace skingen::marker
