#include "tools/skingen/ExBorderSkin.h"

#include <algorithm>
#include <string>

#include "bitmap/Bmp32.h"
#include "tools/skingen/MaskAtlas.h"
#include "tools/skingen/OptionsFile.h"
#include "tools/skingen/SkinGenerator.h"
#include "tools/skingen/SkinSections.h"

namespace skingen::exborder {

namespace {

constexpr int kBorderWidth = kMargin + kFormOffset;  // the mask's border widths
constexpr std::uint32_t kKey = 0x00FF00FF;

// One pixel of a frame of the mask: key at the outermost corners, the
// shadow's alpha rising from 0 at the edge, the opaque frame band, and a
// transparent centre (the form covers it).
std::uint32_t ExBorderPixel(int x, int y, unsigned frame) {
  const int s = kExBorderSize;
  const int edge = std::min({x, y, s - 1 - x, s - 1 - y});
  const bool cornerX = x < kCornerKey || x >= s - kCornerKey, cornerY = y < kCornerKey || y >= s - kCornerKey;
  if (cornerX && cornerY) return kKey;
  if (edge < kMargin) {
    const auto alpha = static_cast<std::uint32_t>(8 * edge);
    return alpha << 24;
  }
  if (edge < kBorderWidth) return 0xFF000000u | frame;
  return 0;
}

std::string FileMask() {
  const std::string w = std::to_string(kBorderWidth);
  // Two frames, no mask rows, a border mask, its widths, sides stretched.
  return std::string("!") + kExBorderFile + "!2!0!0!" + w + "!" + w + "!" + w + "!" + w + "!1";
}

}  // namespace

void GenerateExBorderSkin(const std::filesystem::path& folder) {
  TOptionsFile options;
  TMaskAtlas atlas(128);
  const char* g = "GLOBALINFO";
  options.Set(g, "VERSION", "8.0");
  options.Set(g, "AUTHOR", "Tessarilo");
  options.Set(g, "DESCRIPTION", "Extended-border skin for tests");
  options.Set(g, "MASTERBITMAP", kMasterBitmapName);
  options.Set(g, "STATES", 2);
  options.Set(g, "COLOR", SkinColour(kFormColour));
  options.Set(g, "FONTCOLOR", SkinColour(0));
  options.Set(g, "BORDERWIDTH", kFrameWidth);
  options.Set(g, "TITLEHEIGHT", kTitleHeight);
  options.Set(g, "FORMOFFSET", kFormOffset);
  options.Set(g, "ALIGNOFFSET", kAlignOffset);
  options.Set(g, "AEROBLUR", 1);
  options.Set(g, "BIRIGHT", 2);
  options.Set(g, "BISPACE", 1);
  options.Set(g, "EXBORDER", FileMask());
  const auto glyph = [](unsigned colour) {
    return [colour](TLayer& layer, int frame) {
      layer.Fill(RoundRect(1, 1, static_cast<float>(layer.Width() - 1), static_cast<float>(layer.Height() - 1), 2),
                 Rgb(colour + static_cast<unsigned>(frame) * 0x10));
    };
  };
  atlas.AddGlyph(g, "BICONCLOSE", 16, 14, 3, glyph(kCloseColour));
  atlas.AddAlias(g, "BICLOSEALONE", g, "BICONCLOSE");
  atlas.AddGlyph(g, "BICONMAX", 16, 14, 3, glyph(0x20A020));
  atlas.AddAlias(g, "BICONNORM", g, "BICONMAX");
  atlas.AddGlyph(g, "BICONMIN", 16, 14, 3, glyph(0x2020A0));
  options.Set("FORM", "STATES", 2);
  options.Set("FORM", "COLOR", SkinColour(kFormColour));
  options.Set("FORM", "HOTCOLOR", SkinColour(kFormColour));
  options.Set("FORM", "FONTCOLOR", SkinColour(0));
  atlas.AddBorder("FORM", "BORDERSMASK", 12, 12, 2, {kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth}, 0,
                  [](TLayer& layer, int frame) {
                    // The top-left pixel is the key: the form's region loses it.
                    layer.Fill(Subtract(RoundRect(0, 0, 12, 12, 0), RoundRect(0, 0, 1, 1, 0)),
                               Rgb(frame ? kActiveFrame : kInactiveFrame));
                  });
  options.Set("FORMTITLE", "STATES", 2);
  options.Set("FORMTITLE", "COLOR", SkinColour(kTitleColour));
  options.Set("FORMTITLE", "HOTCOLOR", SkinColour(kTitleColour));
  options.Set("FORMTITLE", "FONTCOLOR", SkinColour(0xFFFFFF));
  options.Set("FORMTITLE", "HOTFONTCOLOR", SkinColour(0xFFFFFF));
  for (const TMaskEntry& e : atlas.Entries()) options.Set(e.section, e.key, MaskValue(e));
  WriteSkinFolder(folder, options, atlas);

  bmp32::TCustomBitmap32 picture;
  picture.SetSize(2 * kExBorderSize, kExBorderSize);
  for (int y = 0; y < kExBorderSize; ++y)
    for (int x = 0; x < 2 * kExBorderSize; ++x)
      picture.SetPixel(x, y, ExBorderPixel(x % kExBorderSize, y, x < kExBorderSize ? kInactiveFrame : kActiveFrame));
  picture.SaveToFile((folder / kExBorderFile).wstring(), true);
}

}  // namespace skingen::exborder
