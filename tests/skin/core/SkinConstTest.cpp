#include "skin/core/SkinConst.h"

#include <gtest/gtest.h>

#include <set>

#include "skin/core/CacheInfo.h"
#include "skin/core/SkinTexts.h"

namespace {

using skin::SkinTextId;

TEST(SkinConst, MessageKeyColourAndCacheInfo) {
  EXPECT_EQ(skin::SkinCommandMessage, 0xA100);
  EXPECT_EQ(skin::SkinKeyColor, 0xFF00FF);
  EXPECT_EQ(skin::EmptyCacheInfo.Bmp, nullptr);
  EXPECT_EQ(skin::EmptyCacheInfo.X, -99);
  EXPECT_EQ(skin::EmptyCacheInfo.FillColor, 0xFF00FF);
  EXPECT_FALSE(skin::EmptyCacheInfo.Ready);
  int storage = 0;
  auto* fakeBitmap = reinterpret_cast<classlib::TBitmap*>(&storage);  // never dereferenced
  const skin::TacCacheInfo made = skin::MakeCacheInfo(fakeBitmap, 3, -4);
  EXPECT_EQ(made.Bmp, fakeBitmap);
  EXPECT_EQ(made.X, 3);
  EXPECT_EQ(made.Y, -4);
  EXPECT_EQ(made.FillColor, 0xFF00FF);
  EXPECT_TRUE(made.Ready);
  EXPECT_STREQ(skin::BoolNames[0], L"FALSE");
  EXPECT_STREQ(skin::BoolNames[1], L"TRUE");
}

TEST(SkinConst, ControlKindsAndTheirDefaultClasses) {
  const wchar_t* expected[] = {L"Edit",        L"Button",     L"BitBtn",   L"CheckBox",  L"ComboBox",
                               L"Grid",        L"GroupBox",   L"ListView", L"Panel",     L"TreeView",
                               L"wwEdit",      L"GridEh",     L"VirtualTree", L"PageControl", L"TabControl",
                               L"ToolBar",     L"StatusBar",  L"SpeedButton", L"ScrollControl", L"UpDownBtn",
                               L"ScrollBar"};
  ASSERT_EQ(std::size(expected), skin::ControlKindNames.size());
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_STREQ(skin::ControlKindNames[i], expected[i]) << i;
    EXPECT_STREQ(skin::DefaultControlClasses[i], i == 1 ? L"TButton" : L" ") << i;
  }
  EXPECT_STREQ(skin::ControlKindNames[19], L"UpDownBtn");
}

TEST(SkinTexts, EveryTextByItsId) {
  const struct {
    int id;
    const wchar_t* text;
  } expected[] = {
      {58992, L"OK"},
      {58991, L"Cancel"},
      {58990, L"&Help"},
      {58981, L"Restore"},
      {58980, L"Move"},
      {58979, L"Size"},
      {58978, L"Minimize"},
      {58977, L"Maximize"},
      {58976, L"Close"},
      {58975, L"Calculator"},
      {58970, L"File open"},
      {58964, L"Available skins"},
      {58963, L"(internal)"},
      {58962, L"Error setting %s.Count"},
      {58961, L"Listbox (%s) style must be virtual in order to set Count"},
      {58960, L"Add to custom colors set"},
      {58959, L"Define colors"},
      {58958, L"Main palette :"},
      {58957, L"Additional colors :"},
      {58956, L"Color"},
      {58955, L"Red :"},
      {58954, L"Green :"},
      {58953, L"Blue :"},
      {58952, L"Decimal - "},
      {58951, L"Hex - "},
      {58950, L"TsFrameAdapter adapter must be placed on the handled frame"},
      {58949, L"Hint Designer Form"},
      {58948, L"Preserved settings :"},
      {58947, L"Style :"},
      {58946, L"Bevel width"},
      {58945, L"Blur"},
      {58944, L"Arrow length"},
      {58943, L"Horiz. margin"},
      {58942, L"Vert. margin"},
      {58941, L"Corners radius"},
      {58940, L"Max width"},
      {58939, L"Pause hide (ms)"},
      {58938, L"Percent"},
      {58937, L"Offset"},
      {58936, L"Transparency"},
      {58935, L"No picture available"},
      {58934, L"Font"},
      {58933, L"Texture"},
      {58932, L"Load from file"},
      {58931, L"Save to file as..."},
      {58930, L"Color"},
      {58929, L"Top border"},
      {58928, L"Bottom border"},
      {58927, L"Shadow"},
      {58926, L"Background"},
      {58925, L"Gradient"},
      {58924, L"Preview of the future hint window"},
      {58911, L"Select directory"},
      {58910, L"Create"},
      {58923, L"Invalid date"},
  };
  ASSERT_EQ(std::size(expected), skin::SkinTextTable.size());
  std::set<int> ids;
  for (const auto& e : expected) {
    EXPECT_EQ(skin::SkinText(static_cast<SkinTextId>(e.id)), e.text) << e.id;
    ids.insert(e.id);
  }
  for (const auto& entry : skin::SkinTextTable) ids.insert(static_cast<int>(entry.Id));
  EXPECT_EQ(ids.size(), std::size(expected));  // the table holds exactly these ids
  EXPECT_STREQ(skin::SkinRootText, L"Root :");
  EXPECT_STREQ(skin::SkinDirectoryText, L"Directory with skins :");
  EXPECT_STREQ(skin::SelectSkinText, L"Select skin");
  EXPECT_STREQ(skin::SkinPreviewText, L"Skin preview");
}

TEST(SkinTexts, ATranslationReplacesATextUntilCleared) {
  skin::SetSkinText(SkinTextId::Close, L"Zamknij");
  EXPECT_EQ(skin::SkinText(SkinTextId::Close), L"Zamknij");
  EXPECT_EQ(skin::SkinText(SkinTextId::Move), L"Move");
  skin::SetSkinText(SkinTextId::Close, L"");
  EXPECT_EQ(skin::SkinText(SkinTextId::Close), L"Close");
  EXPECT_EQ(skin::SkinText(static_cast<SkinTextId>(1)), L"");
}

}  // namespace
