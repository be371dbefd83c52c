// The generated internal skin read by the skin loader, the way the program
// reads it from its packed form: the description and the master bitmap as
// named entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "skin/core/SkinDataLoad.h"
#include "skin/core/SkinLookups.h"
#include "tools/skingen/RequiredSkinItems.h"
#include "tools/skingen/SkinGenerator.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::wstring Widen(std::string_view s) { return {s.begin(), s.end()}; }

class LoadedSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const fs::path folder = fs::temp_directory_path() / ("skingen-load-" + std::to_string(std::random_device{}()));
    skingen::GenerateSkin(folder);
    const auto options = skin::TsSkinOptions::FromBytes(L"Options.dat", ReadBytes(folder / "Options.dat"));
    skin::TsSkinMemoryFiles files;
    files.Add(L"MASTER.BMP", ReadBytes(folder / "MASTER.BMP"));
    fs::remove_all(folder);
    model_ = skin::LoadSkinModel(options, files, {}).release();
  }
  static void TearDownTestSuite() { delete model_; }

  static skin::TsSkinModel* model_;
};

skin::TsSkinModel* LoadedSkin::model_ = nullptr;

TEST_F(LoadedSkin, ReadsVersionAndMasterBitmapWithTransparentKeyPixels) {
  EXPECT_DOUBLE_EQ(model_->SkinData.Version, 8.0);
  ASSERT_TRUE(model_->MasterBitmap);
  EXPECT_GT(model_->MasterBitmap->Width(), 0);
  EXPECT_EQ(model_->MasterBitmap->Pixel(0, 0), 0x00FF00FFu);
}

TEST_F(LoadedSkin, FindsEverySectionAndMaskTheProgramUses) {
  for (std::string_view s : skingen::kRequiredSections) EXPECT_GE(skin::GetSkinIndex(*model_, Widen(s)), 0) << s;
  for (const auto& m : skingen::kRequiredMasks) {
    const int section = skin::GetSkinIndex(*model_, Widen(m.section));
    const int index = skin::GetMaskIndex(*model_, section, Widen(m.section), Widen(m.mask));
    ASSERT_GE(index, 0) << m.section << "." << m.mask;
    const skin::TsMaskData& mask = model_->Masks[index];
    EXPECT_GE(mask.ImageCount, 1);
    EXPECT_EQ(mask.MaskType, 1);
    EXPECT_LE(mask.R.Right, model_->MasterBitmap->Width());
    EXPECT_LE(mask.R.Bottom, model_->MasterBitmap->Height());
  }
}

TEST_F(LoadedSkin, FillsTheCachedIndexesOfWellKnownItems) {
  const skin::TsConstData& c = model_->ConstData;
  EXPECT_GE(c.GlobalInfo, 0);
  for (auto i : c.CheckBox) EXPECT_GE(i, 0);
  for (auto i : c.Radio) EXPECT_GE(i, 0);
  EXPECT_GE(c.GripImage, 0);
  EXPECT_GE(c.TitleClose, 0);
  EXPECT_GE(c.TitleCloseAlone, 0);
  EXPECT_GE(c.TitleMax, 0);
  EXPECT_GE(c.TitleNorm, 0);
  EXPECT_GE(c.TitleMin, 0);
  EXPECT_GE(c.ComboBoxGlyph, 0);
  EXPECT_GE(c.ComboButton.Border, 0);
  EXPECT_GE(c.Tabs[0].Border, 0);  // TABTOP
  for (const auto& b : c.ScrollButtons) {
    EXPECT_GE(b.Border, 0);
    EXPECT_GE(b.Glyph, 0);
  }
  for (const auto& s : c.ScrollSliders) EXPECT_GE(s.Border, 0);
  for (const auto& s : c.ScrollBars) EXPECT_GE(s.Section, 0);
}

// Rounded corners hold key pixels, which the painters replace by what lies
// behind the control; the square form frame has none.
TEST_F(LoadedSkin, RoundedBordersGetKeyedCorners) {
  auto corner = [](const char* section) {
    const int s = skin::GetSkinIndex(*model_, Widen(section));
    return model_->Masks[skin::GetMaskIndex(*model_, s, Widen(section), L"BORDERSMASK")].CornerType;
  };
  EXPECT_EQ(corner("BUTTON"), 1);
  EXPECT_EQ(corner("EDIT"), 1);
  EXPECT_EQ(corner("MAINMENU"), 1);
  EXPECT_EQ(corner("FORM"), 0);
}

}  // namespace
