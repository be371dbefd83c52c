// Reading a skin description: the options reader, GLOBALINFO, sections with
// their inheritance through PARENTCLASS, gradients, states and the
// application's common sections.
#include <gtest/gtest.h>

#include "classlib/core/ConvertErrors.h"
#include "skin/core/SkinDataLoad.h"
#include "skin/core/SkinLookups.h"

namespace skin {
namespace {

std::unique_ptr<TsSkinModel> Load(const std::wstring& text, const classlib::TStrings* common = nullptr) {
  TsSkinLoadSettings settings;
  settings.CommonSections = common;
  settings.SizingFrameWidth = 7;
  return LoadSkinModel(TsSkinOptions::FromText(L"Options.dat", text), TsSkinMemoryFiles(), settings);
}

const TsGeneralData& Section(const TsSkinModel& skin, const wchar_t* name) {
  const int index = GetSkinIndex(skin, name);
  EXPECT_GE(index, 0) << "no section";
  return skin.Sections.at(static_cast<std::size_t>(index));
}

TEST(SkinOptions, KeepsFileOrderComparesNamesExactlyAndMergesRepeatedSections) {
  const auto o = TsSkinOptions::FromText(L"t", L"; note\r\n[B]\r\n X = 1 \r\nX=2\r\n[a]\r\nY=0x1F\r\n[B]\r\nZ=3\rV=7.25\n");
  EXPECT_EQ(o.SectionNames(), (std::vector<std::wstring>{L"B", L"a"}));
  EXPECT_EQ(o.KeyNames(L"B"), (std::vector<std::wstring>{L"X", L"Z", L"V"}));
  EXPECT_EQ(o.ReadString(L"B", L"X", L""), L"1");  // trimmed, first line wins
  EXPECT_EQ(o.ReadInteger(L"a", L"Y", 0), 31);
  EXPECT_EQ(o.ReadInteger(L"A", L"Y", -5), -5);  // section names are exact
  EXPECT_EQ(o.ReadInteger(L"B", L"V", -5), -5);
  EXPECT_DOUBLE_EQ(o.ReadFloat(L"B", L"V", 0), 7.25);
  EXPECT_DOUBLE_EQ(o.ReadFloat(L"B", L"X", 0), 1.0);
}

TEST(SkinGlobalInfo, DefaultsAndTheirSpecialCases) {
  auto skin = Load(L"[GLOBALINFO]\nTITLEHEIGHT=0\nVERSION=7.60\nAUTHOR=Ann\nAEROBLUR=2\n");
  const TsSkinData& d = skin->SkinData;
  EXPECT_DOUBLE_EQ(d.Version, 7.6);
  EXPECT_EQ(d.Author, L"Ann");
  EXPECT_EQ(d.TitleHeight, 30);
  EXPECT_EQ(d.MaxHeight, 30);
  EXPECT_EQ(d.BorderWidth, 4);
  EXPECT_EQ(d.FormOffset, 7);
  EXPECT_EQ(d.Shadow1Blur, -1);
  EXPECT_TRUE(d.AeroBlur);
  EXPECT_TRUE(d.Active);

  skin = Load(L"[GLOBALINFO]\nTITLEHEIGHT=24\nFORMOFFSET=2\n");
  EXPECT_EQ(skin->SkinData.MaxHeight, 24);
  EXPECT_EQ(skin->SkinData.FormOffset, 2);
}

TEST(SkinGlobalInfo, VersionIsReadWithAPointAndHandedToTheVersionCheck) {
  double checked = -1;
  TsSkinLoadSettings settings;
  settings.CheckVersion = [&](const TsSkinData& data) { checked = data.Version; };
  LoadSkinModel(TsSkinOptions::FromText(L"t", L"[GLOBALINFO]\nVERSION=9.5\n"), TsSkinMemoryFiles(), settings);
  EXPECT_DOUBLE_EQ(checked, 9.5);
  EXPECT_DOUBLE_EQ(Load(L"[GLOBALINFO]\nVERSION=7,5\n")->SkinData.Version, 0);
}

TEST(SkinGlobalInfo, TextValueThatIsNoNumberEndsTheLoad) {
  EXPECT_THROW(Load(L"[GLOBALINFO]\nSHADOW1BLUR=soft\n"), classlib::EConvertError);
  EXPECT_THROW(Load(L"[GLOBALINFO]\nBICONCLOSEGLOW=\n"), classlib::EConvertError);
}

TEST(SkinSections, EmptySectionTakesEveryDefault) {
  auto skin = Load(L"[EMPTY]\n");
  const TsGeneralData& s = Section(*skin, L"EMPTY");
  EXPECT_EQ(s.ParentClass, L"");
  EXPECT_EQ(s.States, 3);
  EXPECT_EQ(s.Color, 0xFFFFFF);
  EXPECT_EQ(s.FontColor, 0);
  EXPECT_EQ(s.TextColors, (std::array<TColor, 4>{-1, -1, -1, -1}));
  EXPECT_EQ(s.GlowColor, 0xFFFFFF);
  EXPECT_EQ(s.GlowSize, 0);
  EXPECT_EQ(s.FadingIterations, 5);
  EXPECT_FALSE(s.FadingEnabled || s.ShowFocus || s.GiveOwnFont || s.ReservedBoolean);
  EXPECT_EQ(s.GradientData, L" ");
  EXPECT_EQ(s.GradientPercent, 0);
  EXPECT_EQ(s.HotColor, 0xFFFFFF);
  EXPECT_EQ(s.HotGlowColor, 0xFFFFFF);
  EXPECT_EQ(s.HotTextColors, (std::array<TColor, 4>{-1, -1, -1, -1}));
  EXPECT_EQ(s.HotGradientData, L"");
  EXPECT_EQ(s.Props[0].Color, 0xFFFFFF);
  EXPECT_EQ(s.Props[1].Color, 0xFFFFFF);
  EXPECT_EQ(s.BorderIndex, -1);
  EXPECT_EQ(s.TextureIndex, -1);
  EXPECT_EQ(s.ImgTopLeft, -1);
}

TEST(SkinSections, ValuesComeThroughParentClassUnlessWrittenInTheSection) {
  auto skin = Load(
      L"[BASE]\nCOLOR=255\nFONTCOLOR=100\nSHOWFOCUS=true\nGRADIENTDATA=1;2;3;0;0\nSTATES=2\n"
      L"[MID]\nPARENTCLASS=BASE\nFONTCOLOR=-1\nHOTCOLOR=9\n"
      L"[LEAF]\nPARENTCLASS=MID\nCOLOR=7\n");
  const TsGeneralData& leaf = Section(*skin, L"LEAF");
  EXPECT_EQ(leaf.ParentClass, L"MID");
  EXPECT_EQ(leaf.Color, 7);
  EXPECT_EQ(leaf.FontColor, 100);  // -1 in MID means inherited from BASE
  EXPECT_TRUE(leaf.ShowFocus);
  EXPECT_EQ(leaf.GradientData, L"1;2;3;0;0");
  ASSERT_EQ(leaf.GradientArray.size(), 1u);
  EXPECT_EQ(leaf.GradientArray[0].Percent, 3);
  EXPECT_EQ(leaf.States, 2);
  EXPECT_EQ(leaf.HotColor, 9);
  EXPECT_EQ(leaf.Props[1].Color, 9);
}

TEST(SkinSections, SelfParentQuestionMarkAndCyclesInheritNothing) {
  auto skin = Load(
      L"[SELF]\nPARENTCLASS=SELF\n[NONE]\nPARENTCLASS=?\n"
      L"[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=C\n[C]\nPARENTCLASS=A\nFONTCOLOR=5\n");
  EXPECT_EQ(Section(*skin, L"SELF").Color, 0xFFFFFF);
  EXPECT_EQ(Section(*skin, L"NONE").Color, 0xFFFFFF);
  EXPECT_EQ(Section(*skin, L"A").FontColor, 5);
  EXPECT_EQ(Section(*skin, L"A").Color, 0xFFFFFF);  // the walk ends at A again
}

TEST(SkinSections, SystemColoursPassColorToRgbWhenInheritedOrAlwaysConverted) {
  TsSkinLoadSettings settings;
  settings.ColorToRgb = [](TColor c) { return c < 0 ? 0x123456 : c; };
  const auto options = TsSkinOptions::FromText(
      L"t", L"[P]\nCOLOR=-16777201\nFONTCOLOR=-16777208\n[S]\nPARENTCLASS=P\n");
  auto skin = LoadSkinModel(options, TsSkinMemoryFiles(), settings);
  EXPECT_EQ(Section(*skin, L"P").Color, 0x123456);       // always converted
  EXPECT_EQ(Section(*skin, L"P").FontColor, -16777208);  // written here: as written
  EXPECT_EQ(Section(*skin, L"S").FontColor, 0x123456);   // inherited: converted
}

TEST(SkinSections, GradientDataRules) {
  struct Case {
    const wchar_t* data;
    int percent;
    std::size_t steps;
  };
  const Case cases[] = {
      {L"", 0, 0},  // absent: the default " "
      {L"GRADIENTDATA=x\n", 0, 0},
      {L"GRADIENTDATA=N/A\n", 40, 0},
      {L"GRADIENTDATA=255;0;150;1;0;0;255;-4;0;0;9\n", 40, 2},
  };
  for (const Case& c : cases) {
    auto skin = Load(std::wstring(L"[S]\nGRADIENTPERCENT=40\n") + c.data);
    const TsGeneralData& s = Section(*skin, L"S");
    EXPECT_EQ(s.GradientPercent, c.percent) << c.data;
    EXPECT_EQ(s.Props[0].GradientPercent, c.percent) << c.data;
    EXPECT_EQ(s.GradientArray.size(), c.steps) << c.data;
  }
  auto skin = Load(L"[S]\nGRADIENTDATA=255;0;150;1;0;0;255;-4;0;0\n");
  const auto& steps = Section(*skin, L"S").GradientArray;
  EXPECT_EQ(steps[0].Percent, 100);
  EXPECT_EQ(steps[0].Mode, 1);
  EXPECT_EQ(steps[1].Percent, 0);
  EXPECT_THROW(Load(L"[S]\nGRADIENTDATA=1;2;x;0;0\n"), classlib::EConvertError);
}

TEST(SkinSections, OneStateCopiesTheNormalLookAndIgnoresHotKeys) {
  auto skin = Load(L"[S]\nSTATES=1\nCOLOR=10\nFONTCOLOR=11\nHOTCOLOR=20\nHOTFONTCOLOR=21\n");
  const TsGeneralData& s = Section(*skin, L"S");
  EXPECT_EQ(s.Props[1].Color, 10);
  EXPECT_EQ(s.Props[1].FontColor, 11);
  EXPECT_EQ(s.HotColor, 0);
  EXPECT_EQ(s.HotFontColor, 0);
}

TEST(SkinSections, CommonSectionsFillOnlyWhatTheSkinLacks) {
  classlib::TStringList common;
  common.SetText(
      L"[BUTTON]\nCOLOR=1\n"
      L"[MYBUTTON]\nPARENTCLASS=button\nFONTCOLOR=77\n"
      L"[ORPHAN]\nPARENTCLASS=NOWHERE\n"
      L"[globalinfo]\nCOLOR=3\n");
  auto skin = Load(L"[BUTTON]\nCOLOR=500\nGLOW=4\nSTATES=2\nHOTCOLOR=600\n[MYBUTTON2]\n", &common);
  EXPECT_EQ(Section(*skin, L"BUTTON").Color, 500);
  const TsGeneralData& mine = Section(*skin, L"MYBUTTON");
  EXPECT_EQ(mine.ParentClass, L"BUTTON");
  EXPECT_EQ(mine.Color, 500);
  EXPECT_EQ(mine.GlowCount, 4);
  EXPECT_EQ(mine.FontColor, 77);
  EXPECT_EQ(mine.HotColor, 600);
  EXPECT_EQ(mine.States, 3);  // STATES comes from the skin's own description
  const TsGeneralData& orphan = Section(*skin, L"ORPHAN");
  EXPECT_EQ(orphan.Color, 0xFFFFFF);
  EXPECT_EQ(orphan.FadingIterations, 5);
  EXPECT_EQ(Section(*skin, L"globalinfo").Color, 3);  // names compare exactly
  EXPECT_EQ(skin->Sections.size(), 5u);
}

TEST(SkinLoad, FailedLoadLeavesTheCurrentSkinAsItWas) {
  auto current = Load(L"[GLOBALINFO]\nAUTHOR=Kept\n[S]\n");
  const auto reload = [&](const std::wstring& text) {
    auto fresh = Load(text);
    current = std::move(fresh);
  };
  EXPECT_THROW(reload(L"[GLOBALINFO]\nAUTHOR=New\n[S]\nBORDERSMASK=^0001\n"), classlib::EConvertError);
  EXPECT_EQ(current->SkinData.Author, L"Kept");
  EXPECT_EQ(current->Sections.size(), 2u);
}

}  // namespace
}  // namespace skin
