// The main window's generated pictures: each decodes at the size its place
// asks for with a real alpha channel, and the composed main window
// description carries them where the form reader looks for them.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "classlib/core/FormParser.h"
#include "classlib/core/Stream.h"
#include "png/PngMemoryDecoder.h"
#include "tools/glyphgen/FormComposer.h"
#include "tools/glyphgen/MainWindowPictures.h"
#include "tools/glyphgen/Pictures.h"
#include "tools/glyphgen/Shapes.h"

namespace {

using namespace glyphgen;

const TMainWindowPictures& Pictures() {
  static const TMainWindowPictures pictures = DrawMainWindowPictures();
  return pictures;
}

png::TPngMemoryImage Decode(const TBytes& file) {
  classlib::TMemoryStream in;
  in.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
  in.SetPosition(0);
  return png::DecodePng(in);
}

TEST(GlyphGen, EveryPictureIsAnRgbaPngOfItsPlacesSizeWithSeeThroughAndSolidPixels) {
  struct TCase {
    std::string name;
    const TBytes* file;
    uint32_t width, height;
  };
  std::vector<TCase> cases{{"about", &Pictures().AboutGlyphPng, kAboutGlyphSize, kAboutGlyphSize},
                           {"welcome", &Pictures().Welcome, kWelcomeWidth, kWelcomeHeight}};
  ASSERT_EQ(Pictures().DocumentGlyphs.size(), 4u);
  ASSERT_EQ(Pictures().MenuIcons.size(), 19u);
  for (size_t i = 0; i < 4; ++i)
    cases.push_back({"document " + std::to_string(i), &Pictures().DocumentGlyphs[i], 24, 24});
  for (size_t i = 0; i < 19; ++i) cases.push_back({"menu " + std::to_string(i), &Pictures().MenuIcons[i], 16, 16});
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    const png::TPngMemoryImage image = Decode(*c.file);
    EXPECT_EQ(image.Header.Width, c.width);
    EXPECT_EQ(image.Header.Height, c.height);
    EXPECT_EQ(image.Header.ColorType, 6);
    EXPECT_EQ(image.Header.BitDepth, 8);
    const png::TPngImageView& v = image.Pixels->View();
    int clear = 0, solid = 0, partial = 0;
    for (uint32_t y = 0; y < v.Height; ++y)
      for (uint32_t x = 0; x < v.Width; ++x) {
        const uint8_t a = v.AlphaRow(y)[x];
        (a == 0 ? clear : a == 255 ? solid : partial)++;
      }
    // A see-through background, a visible body and smoothed edges.
    EXPECT_GT(clear, 0);
    EXPECT_GT(solid, 0);
    EXPECT_GT(partial, 0);
  }
  // No two menu icons are the same picture.
  for (size_t i = 0; i < 19; ++i)
    for (size_t j = i + 1; j < 19; ++j) EXPECT_NE(Pictures().MenuIcons[i], Pictures().MenuIcons[j]) << i << " " << j;
}

TEST(GlyphGen, GaugeGleamFadesToNothingAtBothEndsAndNeverHidesTheBar) {
  const png::TPngMemoryImage image = Decode(Pictures().GaugeHighlight);
  ASSERT_EQ(image.Header.Width, static_cast<uint32_t>(kGaugeHighlightWidth));
  ASSERT_EQ(image.Header.Height, static_cast<uint32_t>(kGaugeHighlightHeight));
  ASSERT_EQ(image.Header.ColorType, 6);
  const png::TPngImageView& v = image.Pixels->View();
  for (uint32_t y : {0u, v.Height / 2, v.Height - 1}) {
    SCOPED_TRACE(y);
    const uint8_t* alpha = v.AlphaRow(y);
    EXPECT_EQ(alpha[0], 0);
    EXPECT_EQ(alpha[v.Width - 1], 0);
    EXPECT_GT(alpha[v.Width / 2], 60);
    EXPECT_LT(alpha[v.Width / 2], 255);
    EXPECT_GT(alpha[v.Width / 2], alpha[v.Width / 4]);
  }
  // Stronger near the top edge than the bottom one.
  EXPECT_GT(v.AlphaRow(0)[v.Width / 2], v.AlphaRow(v.Height - 1)[v.Width / 2]);
}

TEST(GlyphGen, ShapesAreNegativeInsideWhicheverWayTheirCornersRun) {
  const TSdf clockwise = Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  const TSdf counter = Polygon({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
  for (const TSdf& square : {clockwise, counter}) {
    EXPECT_NEAR(square(5, 5), -5, 1e-4);
    EXPECT_NEAR(square(12, 5), 2, 1e-4);
  }
  // A quarter arc from right (0) to bottom (90), clockwise on screen.
  const TSdf arc = Arc(0, 0, 10, 0, 90, 1);
  EXPECT_LT(arc(7.07f, 7.07f), 0);
  EXPECT_GT(arc(-7.07f, -7.07f), 5);
  EXPECT_NEAR(arc(10, -3), 2, 1e-4);  // beyond the round end at (10, 0)
  EXPECT_NEAR(Turned(clockwise, 5, 5, 90)(5, 5), -5, 1e-4);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const classlib::TFormObject* Child(const classlib::TFormObject& parent, const std::wstring& name) {
  for (const classlib::TFormObject& child : parent.Children) {
    if (child.Name == name) return &child;
    if (const classlib::TFormObject* found = Child(child, name)) return found;
  }
  return nullptr;
}

const classlib::TFormValue* Property(const classlib::TFormObject& object, const std::wstring& name) {
  for (const classlib::TFormProperty& p : object.Properties)
    if (p.Name == name) return &p.Value;
  return nullptr;
}

TEST(GlyphGen, TheComposedMainWindowHoldsEveryPictureWhereTheReaderTakesIt) {
  const std::string source = ReadFile(TESSARILO_SOURCE_DIR "/app/forms/TForm1.txt");
  ASSERT_FALSE(source.empty());
  const TBytes skin{'A', 'S', 'z', 'f', 0, 1, 2, 0xFF};
  const classlib::TFormObject form = classlib::ParseFormBytes(ComposeMainWindowForm(source, Pictures(), skin));

  // The skin manager keeps the packed skin under the name it selects.
  const classlib::TFormValue* skins = Property(*Child(form, L"sSkinManager1"), L"InternalSkins");
  ASSERT_NE(skins, nullptr);
  ASSERT_EQ(skins->Items.size(), 1u);
  ASSERT_EQ(skins->Items[0].Properties.size(), 2u);
  EXPECT_EQ(skins->Items[0].Properties[0].Value.Text, L"Tessarilo");
  EXPECT_EQ(skins->Items[0].Properties[1].Name, L"Data");
  EXPECT_EQ(skins->Items[0].Properties[1].Value.Bytes, skin);

  const std::pair<std::wstring, const std::vector<TBytes>*> lists[] = {
      {L"sAlphaImageList1", &Pictures().DocumentGlyphs}, {L"sAlphaImageList2", &Pictures().MenuIcons}};
  for (const auto& [name, files] : lists) {
    const classlib::TFormObject* list = Child(form, name);
    ASSERT_NE(list, nullptr);
    const classlib::TFormValue* items = Property(*list, L"Items");
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->Items.size(), files->size());
    for (size_t i = 0; i < files->size(); ++i) {
      ASSERT_EQ(items->Items[i].Properties.size(), 1u);
      EXPECT_EQ(items->Items[i].Properties[0].Name, L"ImgData");
      EXPECT_EQ(items->Items[i].Properties[0].Value.Bytes, (*files)[i]);
    }
  }

  // A picture stores its graphic's class name, then the file as a sized block.
  const classlib::TFormValue* picture = Property(*Child(form, L"Image2"), L"Picture.Data");
  ASSERT_NE(picture, nullptr);
  const std::vector<uint8_t>& data = picture->Bytes;
  ASSERT_GT(data.size(), 15u);
  EXPECT_EQ(std::string(data.begin() + 1, data.begin() + 1 + data[0]), "TPNGGraphic");
  const size_t at = 1 + data[0];
  const uint32_t size = data[at] | data[at + 1] << 8 | data[at + 2] << 16 | uint32_t{data[at + 3]} << 24;
  EXPECT_EQ(size, Pictures().WelcomeBmp.size());
  EXPECT_EQ(TBytes(data.begin() + at + 4, data.end()), Pictures().WelcomeBmp);

  // The about button's glyph: a 32-bit BMP of the glyph's size in a sized block.
  const classlib::TFormValue* glyph = Property(*Child(form, L"sBitBtn1"), L"Glyph.Data");
  ASSERT_NE(glyph, nullptr);
  const std::vector<uint8_t>& bmp = glyph->Bytes;
  ASSERT_GT(bmp.size(), 4u + 54u);
  EXPECT_EQ(bmp[4], 'B');
  EXPECT_EQ(bmp[5], 'M');
  EXPECT_EQ(bmp[4 + 18], kAboutGlyphSize);  // width, little-endian
  EXPECT_EQ(bmp[4 + 28], 32);               // bits per pixel
}

TEST(GlyphGen, ComposingRefusesAPlaceWithoutPictureAndAPictureWithoutPlace) {
  const std::map<std::string, TLines> one{{"A", {"X = 1", "Y = 2"}}};
  EXPECT_EQ(ComposeForm("object F: TF\r\n    %A%\r\nend\r\n", one), "object F: TF\r\n    X = 1\r\n    Y = 2\r\nend\r\n");
  EXPECT_THROW(ComposeForm("object F: TF\n  %B%\nend\n", one), std::runtime_error);
  EXPECT_THROW(ComposeForm("object F: TF\nend\n", one), std::runtime_error);
  // Percent signs inside values are left alone.
  EXPECT_EQ(ComposeForm("  Caption = '%A%'\n  %A%\n", one), "  Caption = '%A%'\n  X = 1\n  Y = 2\n");
}

}  // namespace
