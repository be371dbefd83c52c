// Masks, images and patterns of a skin: the value forms of bitmap keys, the
// clamps that keep crafted values paintable, corner types, the key colour of
// converted bitmaps, JPEG textures and the lookups over them.
#include <gtest/gtest.h>

#include "classlib/core/ConvertErrors.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinDataLoad.h"
#include "skin/core/SkinImages.h"
#include "skin/core/SkinLookups.h"
#include "tests/png/core/PngTestFiles.h"
#include "tests/skin/core/SkinTestImages.h"

namespace skin {
namespace {

using testing::Bmp24;
using testing::GreyJpeg;
using testing::PlainBmp;

struct Loaded {
  std::unique_ptr<TsSkinModel> skin;
  const TsMaskData& Mask(const wchar_t* section, const wchar_t* key) const {
    const int index = FindMaskIndex(*skin, section, key);
    EXPECT_GE(index, 0) << "no mask";
    return skin->Masks.at(static_cast<std::size_t>(index));
  }
};

Loaded Load(const std::wstring& text, TsSkinMemoryFiles files, const classlib::TStrings* common = nullptr,
            const TsSkinFiles* commonFiles = nullptr) {
  TsSkinLoadSettings settings;
  settings.CommonSections = common;
  settings.CommonFiles = commonFiles;
  return {LoadSkinModel(TsSkinOptions::FromText(L"Options.dat", text), files, settings)};
}

// A master bitmap of 300 x 200 pixels, grey, with the key colour at (0, 0).
TsSkinMemoryFiles Master() {
  return TsSkinMemoryFiles({{L"Master.bmp", Bmp24(300, 200, [](int x, int y) {
                                return x == 0 && y == 0 ? 0xFF00FFu : 0x808080u;
                              })}});
}
const std::wstring kHead = L"[GLOBALINFO]\nVERSION=8.0\nMASTERBITMAP=MASTER.BMP\n";

TEST(SkinMaskForms, TextureValueTakesMaskTypeOnlyBeyondTwentyFourCharacters) {
  TsMaskData mask;
  ParsePositionalMask(L"~0240,0000,0243,0006,10", TsMaskForm::Texture, mask);
  EXPECT_EQ(mask.R, (TRect{240, 0, 243, 6}));
  EXPECT_EQ(mask.DrawMode, 10);
  EXPECT_EQ(mask.MaskType, 0);
  EXPECT_EQ(mask.ImageCount, 1);
  EXPECT_EQ(mask.MaskKind, mkTexture);
  ParsePositionalMask(L"~0240,0000,0243,0006,10,", TsMaskForm::Texture, mask);  // exactly 24
  EXPECT_EQ(mask.MaskType, 0);
  ParsePositionalMask(L"~0240,0000,0243,0006,10,1", TsMaskForm::Texture, mask);
  EXPECT_EQ(mask.MaskType, 1);
}

TEST(SkinMaskForms, GlyphAndBorderColumns) {
  TsMaskData glyph;
  ParsePositionalMask(L"@0010,0020,0070,0040,3,1", TsMaskForm::Glyph, glyph);
  EXPECT_EQ(glyph.R, (TRect{10, 20, 70, 40}));
  EXPECT_EQ(glyph.ImageCount, 3);
  EXPECT_EQ(glyph.MaskType, 1);
  EXPECT_EQ(glyph.MaskKind, mkGlyph);

  TsMaskData border;
  ParsePositionalMask(L"^0094,0000,0121,0096,0004,0004,0004,0004,3,1,5,1", TsMaskForm::Border, border);
  EXPECT_EQ(border.R, (TRect{94, 0, 121, 96}));
  EXPECT_EQ((std::array<int, 4>{border.WL, border.WT, border.WR, border.WB}), (std::array<int, 4>{4, 4, 4, 4}));
  EXPECT_EQ(border.ImageCount, 3);
  EXPECT_EQ(border.MaskType, 1);
  EXPECT_EQ(border.DrawMode, 5);
  EXPECT_EQ(border.BorderWidth, 1);
  EXPECT_EQ(border.MaskKind, mkBorder);
}

TEST(SkinMaskForms, ValuesShorterThanTheirFormOrNotNumbersAreRefused) {
  const std::pair<const wchar_t*, TsMaskForm> bad[] = {
      {L"~0240,0000,0243,0006,1", TsMaskForm::Texture},
      {L"@0010,0020,0070,0040,3", TsMaskForm::Glyph},
      {L"^0094,0000,0121,0096,0004,0004,0004,0004,3,1,5", TsMaskForm::Border},
      {L"^", TsMaskForm::Border},
      {L"~00x0,0000,0243,0006,10", TsMaskForm::Texture},
  };
  for (const auto& [value, form] : bad) {
    TsMaskData mask;
    EXPECT_THROW(ParsePositionalMask(value, form, mask), classlib::EConvertError) << value;
  }
}

TEST(SkinMaskForms, FileAndOlderForms) {
  TsMaskData file;
  EXPECT_EQ(ParseFileMask(L"!BTN.BMP!3!1!0!31!31!32!32!4", file), L"BTN.BMP");
  EXPECT_EQ((std::array<int, 6>{file.ImageCount, file.MaskType, file.WL, file.WT, file.WR, file.WB}),
            (std::array<int, 6>{3, 1, 31, 31, 32, 32}));
  EXPECT_EQ(file.DrawMode, 4);
  TsMaskData shortFile;
  ParseFileMask(L"!G.PNG!2!0!9", shortFile);
  EXPECT_EQ(shortFile.MaskKind, 4);  // at most 4
  EXPECT_EQ(shortFile.DrawMode, 1);

  TsMaskData legacy;
  ParseLegacyMask(L"A# (1,2,93,62) (0,-3)", legacy);
  EXPECT_EQ(legacy.R, (TRect{1, 2, 93, 62}));
  EXPECT_EQ(legacy.ImageCount, 1);
  EXPECT_EQ(legacy.MaskType, 0);
  EXPECT_EQ(legacy.BorderWidth, 0);
  EXPECT_EQ(legacy.DrawMode, 1);
  ParseLegacyMask(L"A# (x,2,93,62) (3,1,2,0)", legacy);
  EXPECT_EQ(legacy.R.Left, 0);
  EXPECT_EQ(legacy.BorderWidth, 2);
  EXPECT_EQ(legacy.DrawMode, 0);
  EXPECT_THROW(ParseLegacyMask(L"A# (0,0,9,9) (3,1,wide)", legacy), classlib::EConvertError);

  EXPECT_EQ(MaskFormOf(L"#"), TsMaskForm::None);
  EXPECT_EQ(MaskFormOf(L"N/A"), TsMaskForm::None);
  EXPECT_EQ(MaskFormOf(L"OLD.BMP"), TsMaskForm::LegacyFile);
}

TEST(SkinMasks, BorderWidthsFromTheRectangleWhenNoneAreGiven) {
  auto loaded = Load(kHead +
                         L"[A]\nBORDERSMASK=^0000,0010,0090,0070,0000,0000,0000,0000,3,1,0,0\n"
                         L"[B]\nBORDERSMASK=^0000,0010,0090,0070,0000,0000,0000,0000,3,1,0,6\n",
                     Master());
  const TsMaskData& a = loaded.Mask(L"A", L"BORDERSMASK");
  EXPECT_EQ((std::array<int, 4>{a.WL, a.WT, a.WR, a.WB}), (std::array<int, 4>{10, 10, 10, 10}));
  const TsMaskData& b = loaded.Mask(L"B", L"BORDERSMASK");
  EXPECT_EQ((std::array<int, 4>{b.WL, b.WT, b.WR, b.WB}), (std::array<int, 4>{6, 6, 6, 6}));
}

TEST(SkinMasks, OldSkinsMarkStretchedCentresByAOnePixelCentre) {
  // One frame 9 wide with borders 4 + 4, 9 high per row with 4 + 4.
  const std::wstring masks =
      L"[ONE]\nBORDERSMASK=^0000,0000,0027,0018,0004,0004,0004,0004,3,1,4,0\n"
      L"[WIDE]\nBORDERSMASK=^0000,0000,0030,0018,0004,0004,0004,0004,3,1,5,0\n";
  auto old = Load(L"[GLOBALINFO]\nVERSION=7.3\nMASTERBITMAP=MASTER.BMP\n" + masks, Master());
  EXPECT_EQ(old.Mask(L"ONE", L"BORDERSMASK").DrawMode, 5);
  EXPECT_EQ(old.Mask(L"WIDE", L"BORDERSMASK").DrawMode, 4);
  auto current = Load(kHead + masks, Master());
  EXPECT_EQ(current.Mask(L"ONE", L"BORDERSMASK").DrawMode, 4);
}

TEST(SkinMasks, CraftedNumbersAreClampedIntoTheirBitmap) {
  auto loaded = Load(kHead +
                         L"[S]\nG=@0010,0010,0040,0020,0,0\n"
                         L"OUT=^0250,0150,0900,0900,0400,0004,0004,0004,3,1,0,0\n"
                         L"BACK=~0050,0050,0010,0010,01\n"
                         L"F=!BTN.BMP!0!-2!-1!-5!4!4!4\n",
                     [] {
                       TsSkinMemoryFiles files = Master();
                       files.Add(L"btn.bmp", PlainBmp(30, 20));
                       return files;
                     }());
  const TsMaskData& glyph = loaded.Mask(L"S", L"G");
  EXPECT_EQ(glyph.ImageCount, 1);
  EXPECT_EQ(MaskFrameWidth(glyph), 30);
  const TsMaskData& out = loaded.Mask(L"S", L"OUT");
  EXPECT_EQ(out.R, (TRect{250, 150, 300, 200}));
  EXPECT_LE(out.WL, MaskFrameWidth(out));
  EXPECT_EQ(loaded.Mask(L"S", L"BACK").R, (TRect{50, 50, 50, 50}));
  const TsMaskData& file = loaded.Mask(L"S", L"F");
  EXPECT_EQ(file.ImageCount, 1);
  EXPECT_EQ(file.MaskType, 0);
  EXPECT_EQ(file.MaskKind, 0);
  EXPECT_EQ(file.WL, 0);
  EXPECT_EQ(file.R, (TRect{0, 0, 30, 20}));
}

TEST(SkinMasks, CornerTypes) {
  auto loaded = Load(kHead +
                         L"[S]\nKEYED=^0000,0000,0030,0020,0004,0004,0004,0004,3,1,0,0\n"
                         L"PLAIN=^0010,0010,0040,0030,0004,0004,0004,0004,3,1,0,0\n"
                         L"[BUTTON_HUGE]\nBORDERSMASK=^0010,0010,0040,0030,0004,0004,0004,0004,3,1,0,0\n",
                     Master());
  EXPECT_EQ(loaded.Mask(L"S", L"KEYED").CornerType, 1);
  EXPECT_EQ(loaded.Mask(L"S", L"PLAIN").CornerType, 0);
  EXPECT_EQ(loaded.Mask(L"BUTTON_HUGE", L"BORDERSMASK").CornerType, 2);
}

TEST(SkinMasks, FileAndWholeBitmapFormsLoadTheirOwnBitmaps) {
  TsSkinMemoryFiles files = Master();
  files.Add(L"Btn.bmp", PlainBmp(90, 60));
  auto loaded = Load(kHead + L"[s]\nimg=!BTN.BMP!3!1!0\nold=btn.BMP\nmissing=!NONE.BMP!3!1!0\n", files);
  const TsMaskData& img = loaded.Mask(L"s", L"img");
  ASSERT_TRUE(img.Bmp);
  EXPECT_EQ(img.R, (TRect{0, 0, 90, 60}));
  EXPECT_EQ(img.WL, 10);  // derived: 90 / (3 * 3)
  const TsMaskData& old = loaded.Mask(L"S", L"OLD");  // older forms upper-case the names
  EXPECT_EQ((std::array<int, 6>{old.ImageCount, old.MaskType, old.WL, old.WR, old.WT, old.WB}),
            (std::array<int, 6>{3, 1, 10, 10, 10, 10}));
  EXPECT_EQ(FindMaskIndex(*loaded.skin, L"s", L"missing"), -1);
}

TEST(SkinImages, ConvertedBitmapsKeepTheKeyColourTransparent) {
  const auto bitmap = DecodeSkinBitmap(Bmp24(3, 1, [](int x, int) { return x == 1 ? 0xFF00FFu : 0x102030u; }));
  EXPECT_EQ(bitmap->Pixel(0, 0), 0xFF102030u);
  EXPECT_EQ(bitmap->Pixel(1, 0), kSkinKeyPixel);
}

TEST(SkinImages, BrokenPngsAndBitmapsAreRefusedWithAMessage) {
  try {
    DecodeSkinBitmap(std::string("\x89PNG\r\n\x1a\n", 8));
    FAIL();
  } catch (const ESkinImageError& e) {
    EXPECT_EQ(e.Message(), L"Stream read error");  // the PNG reader's own text
  }
  std::string truncated = PlainBmp(40, 40);
  truncated.resize(300);
  EXPECT_THROW(DecodeSkinBitmap(truncated), ESkinImageError);
  EXPECT_THROW(DecodeSkinBitmap("BM"), ESkinImageError);
  EXPECT_THROW(Load(kHead + L"[S]\nX=!A.PNG!1!0!2\n", [] {
                 TsSkinMemoryFiles files = Master();
                 files.Add(L"A.PNG", std::string("\x89PNG\r\n\x1a\n", 8));
                 return files;
               }()),
               ESkinImageError);
  // A whole PNG loads.
  pngtest::PngFile png;
  png.Chunk("IHDR", pngtest::Ihdr(2, 2, 8, 6)).Idat(pngtest::Zlib(pngtest::RawImage(2, 2, 8, 6, false))).End();
  EXPECT_NO_THROW(Load(kHead + L"[S]\nX=!A.PNG!1!0!2\n", [&] {
    TsSkinMemoryFiles files = Master();
    files.Add(L"A.PNG", std::string(png.bytes.begin(), png.bytes.end()));
    return files;
  }()));
}

TEST(SkinPatterns, SmallJpegsBecomeTextureMasksLargeOnesAndCommonOnesStayPatterns) {
  TsSkinMemoryFiles files = Master();
  files.Add(L"big.jpg", GreyJpeg(1000, 900));
  files.Add(L"small.jpg", GreyJpeg(1000, 899));
  TsSkinMemoryFiles folder({{L"TINY.JPG", GreyJpeg(8, 8)}});
  classlib::TStringList common;
  common.SetText(L"[GLOBALINFO]\nBACK=tiny.jpg\nM=X# (0,0,9,9) (1,0)\n");
  auto loaded = Load(kHead + L"[Form]\nPattern=big.jpg\nHotPattern=SMALL.JPG\n", files, &common, &folder);
  const TsSkinModel& skin = *loaded.skin;
  ASSERT_EQ(skin.Patterns.size(), 2u);
  EXPECT_EQ(skin.Patterns[0].ClassName, L"FORM");
  EXPECT_EQ(skin.Patterns[0].PropertyName, L"PATTERN");
  EXPECT_EQ(skin.Patterns[0].Img->Height(), 900);
  EXPECT_EQ(skin.Patterns[1].PropertyName, L"BACK");
  const TsMaskData& texture = loaded.Mask(L"FORM", L"HOTPATTERN");
  EXPECT_EQ(texture.MaskKind, mkTexture);
  EXPECT_EQ(texture.Bmp->Height(), 899);
  EXPECT_EQ(FindMaskIndex(skin, L"GLOBALINFO", L"M"), -1);  // no common masks in GLOBALINFO
}

TEST(SkinLookups, CommonMasksStandBehindTheSkinsButBeforeTheParents) {
  TsSkinMemoryFiles folder({{L"C.BMP", PlainBmp(90, 60)}});
  classlib::TStringList common;
  common.SetText(L"[EDIT]\nBORDERSMASK=c.bmp\nGLYPHMASK=C.BMP\n");
  auto loaded = Load(kHead +
                         L"[PANEL]\nGLYPHMASK=@0000,0000,0010,0010,1,0\n"
                         L"[EDIT]\nPARENTCLASS=PANEL\nBORDERSMASK=^0000,0000,0030,0020,0004,0004,0004,0004,3,1,0,0\n",
                     Master(), &common, &folder);
  const TsSkinModel& skin = *loaded.skin;
  const int edit = GetSkinIndex(skin, L"EDIT");
  const int border = GetMaskIndex(skin, edit, L"EDIT", L"BORDERSMASK");
  EXPECT_EQ(skin.Masks[static_cast<std::size_t>(border)].Bmp, nullptr);  // the skin's own
  const int glyph = GetMaskIndex(skin, edit, L"EDIT", L"GLYPHMASK");
  EXPECT_EQ(skin.Masks[static_cast<std::size_t>(glyph)].ClassName, L"EDIT");  // the common one
  EXPECT_EQ(skin.Sections[static_cast<std::size_t>(edit)].BorderIndex, border);
}

TEST(SkinLookups, ParentCyclesEndTheWalkAndConstIndexesNeedGlobalInfo) {
  auto loaded = Load(
      L"[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\n[SCROLLBTNTOP]\nPARENTCLASS=A\n"
      L"BOXCHECKED=@0000,0000,0010,0010,1,0\n",
      TsSkinMemoryFiles());
  const TsSkinModel& skin = *loaded.skin;
  EXPECT_EQ(GetMaskIndex(skin, 0, L"A", L"NOTHERE"), -1);
  EXPECT_EQ(GetTextureIndex(skin, 0, L"A", L"PATTERN"), -1);
  EXPECT_EQ(skin.ConstData.GlobalInfo, -1);
  EXPECT_EQ(skin.ConstData.CheckBox[0], -1);
  EXPECT_EQ(skin.ConstData.ScrollButtons[0].Section, 2);
  EXPECT_EQ(skin.ConstData.Tabs[0].Section, -1);
}

TEST(SkinLookups, GlobalInfoMasksAndTexturesAreCached) {
  auto loaded = Load(kHead +
                         L"BOXCHECKED=@0000,0000,0030,0010,2,0\nBICONCLOSE=@0030,0000,0060,0010,3,0\n"
                         L"[COMBOBTN]\nBORDERSMASK=^0000,0000,0030,0020,0004,0004,0004,0004,3,1,0,0\n"
                         L"PATTERN=~0100,0000,0110,0010,00\n",
                     Master());
  const TsConstData& c = loaded.skin->ConstData;
  EXPECT_EQ(c.GlobalInfo, 0);
  EXPECT_EQ(c.CheckBox[0], 0);
  EXPECT_EQ(c.TitleClose, 1);
  EXPECT_EQ(c.ComboButton.Border, 2);
  EXPECT_EQ(c.ComboButton.Pattern, 3);
  EXPECT_EQ(c.ComboButton.HotPattern, -1);
  EXPECT_EQ(loaded.skin->Sections[1].Props[0].TextureIndex, 3);
}

TEST(SkinFiles, FolderNamesWithoutADriveAreTakenFromTheSkinFolder) {
  const TsSkinFolderFiles folder(L"C:\\Skins\\Grafit\\");
  EXPECT_EQ(folder.Resolve(L"MASTER.BMP"), L"C:\\Skins\\Grafit\\MASTER.BMP");
  EXPECT_EQ(folder.Resolve(L"D:\\X.BMP"), L"D:\\X.BMP");
  std::string bytes;
  EXPECT_FALSE(folder.Read(L"", bytes));
}

}  // namespace
}  // namespace skin
