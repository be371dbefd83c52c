// The generated internal skin: its description reads as INI, names every
// section and mask the program uses, and every mask lies inside the master
// bitmap with whole frames and distinct state images.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "bitmap/Bmp32.h"
#include "classlib/core/IniDocument.h"
#include "tools/skingen/RequiredSkinItems.h"
#include "tools/skingen/SkinGenerator.h"

namespace {

namespace fs = std::filesystem;

// A mask value read by the fixed columns of the skin format (1-based).
struct TParsedMask {
  char form = 0;
  int left = 0, top = 0, right = 0, bottom = 0;
  int imageCount = 0, maskType = 0, drawMode = 0;
  int wl = 0, wt = 0, wr = 0, wb = 0;
};

int Column(const std::string& v, std::size_t at, std::size_t width) { return std::stoi(v.substr(at - 1, width)); }

TParsedMask ParseMask(const std::string& v) {
  TParsedMask m;
  m.form = v[0];
  m.left = Column(v, 2, 4);
  m.top = Column(v, 7, 4);
  m.right = Column(v, 12, 4);
  m.bottom = Column(v, 17, 4);
  if (m.form == '@') {
    m.imageCount = Column(v, 22, 1);
    m.maskType = Column(v, 24, 1);
  } else {
    m.wl = Column(v, 22, 4);
    m.wt = Column(v, 27, 4);
    m.wr = Column(v, 32, 4);
    m.wb = Column(v, 37, 4);
    m.imageCount = Column(v, 42, 1);
    m.maskType = Column(v, 44, 1);
    m.drawMode = Column(v, 46, 1);
  }
  return m;
}

std::wstring Widen(const std::string& s) { return {s.begin(), s.end()}; }
std::string Narrow(const std::wstring& s) { return {s.begin(), s.end()}; }

class GeneratedSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // ctest runs each test in its own process at the same time: one folder each.
    folder_ = new fs::path(fs::temp_directory_path() / ("skingen-test-" + std::to_string(std::random_device{}())));
    fs::remove_all(*folder_);
    skingen::GenerateSkin(*folder_);
    std::ifstream file(*folder_ / "Options.dat", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    ini_ = new classlib::TIniDocument(classlib::TIniDocument::Parse(Widen(text.str())));
    master_ = new bmp32::TCustomBitmap32;
    master_->LoadFromFile((*folder_ / "MASTER.BMP").wstring());
  }
  static void TearDownTestSuite() {
    delete master_;
    delete ini_;
    fs::remove_all(*folder_);
    delete folder_;
  }

  static std::string Value(const std::string& section, const std::string& key) {
    const auto v = ini_->RawValue(Widen(section), Widen(key));
    return v ? Narrow(*v) : std::string();
  }
  // Every mask of the description, by "SECTION.KEY".
  static std::map<std::string, TParsedMask> Masks() {
    std::map<std::string, TParsedMask> masks;
    for (const auto& section : ini_->SectionNames())
      for (const auto& key : ini_->KeyNames(section)) {
        const std::string v = Value(Narrow(section), Narrow(key));
        if (!v.empty() && (v[0] == '^' || v[0] == '@')) masks[Narrow(section) + "." + Narrow(key)] = ParseMask(v);
      }
    return masks;
  }

  static fs::path* folder_;
  static classlib::TIniDocument* ini_;
  static bmp32::TCustomBitmap32* master_;
};

fs::path* GeneratedSkin::folder_ = nullptr;
classlib::TIniDocument* GeneratedSkin::ini_ = nullptr;
bmp32::TCustomBitmap32* GeneratedSkin::master_ = nullptr;

TEST_F(GeneratedSkin, GlobalInfoNamesVersionAndMasterBitmap) {
  EXPECT_EQ(Value("GLOBALINFO", "VERSION"), "8.0");
  const std::string master = Value("GLOBALINFO", "MASTERBITMAP");
  for (char c : master) EXPECT_FALSE(c >= 'a' && c <= 'z') << master;
  EXPECT_TRUE(fs::exists(*folder_ / master));
  EXPECT_GT(master_->Width(), 0);
}

TEST_F(GeneratedSkin, HasEverySectionAndMaskTheProgramUses) {
  const auto sections = ini_->SectionNames();
  for (std::string_view s : skingen::kRequiredSections) {
    EXPECT_NE(std::find(sections.begin(), sections.end(), Widen(std::string(s))), sections.end()) << s;
  }
  const auto masks = Masks();
  for (const auto& m : skingen::kRequiredMasks) {
    EXPECT_TRUE(masks.count(std::string(m.section) + "." + std::string(m.mask))) << m.section << "." << m.mask;
  }
}

TEST_F(GeneratedSkin, EveryMaskHoldsWholeFramesInsideTheMasterBitmap) {
  for (const auto& [name, m] : Masks()) {
    SCOPED_TRACE(name);
    ASSERT_GE(m.imageCount, 1);
    ASSERT_EQ(m.maskType, 1);  // a mask image below each frame
    EXPECT_GE(m.left, 0);
    EXPECT_GE(m.top, 0);
    EXPECT_LE(m.right, master_->Width());
    EXPECT_LE(m.bottom, master_->Height());
    const int w = m.right - m.left, h = m.bottom - m.top;
    EXPECT_EQ(w % m.imageCount, 0);
    EXPECT_EQ(h % 2, 0);
    if (m.form == '^') {
      EXPECT_LT(m.wl + m.wr, w / m.imageCount);  // a middle column and row remain to tile
      EXPECT_LT(m.wt + m.wb, h / 2);
      EXPECT_LE(m.drawMode, 7);
    }
  }
}

// Mask rows are grey levels; a skin pixel hidden by its mask (255) is the
// key colour and a key-colour pixel is fully hidden, so the painters'
// key and mask tests agree.
TEST_F(GeneratedSkin, MaskRowsAgreeWithKeyPixels) {
  for (const auto& [name, m] : Masks()) {
    SCOPED_TRACE(name);
    const int fh = (m.bottom - m.top) / 2;
    for (int y = m.top; y < m.top + fh; ++y)
      for (int x = m.left; x < m.right; ++x) {
        const bmp32::TColor32 skin = master_->Pixel(x, y), mask = master_->Pixel(x, y + fh);
        const unsigned red = (mask >> 16) & 0xFF;
        ASSERT_EQ(red, mask & 0xFF);
        ASSERT_EQ((skin & 0x00FFFFFF) == 0xFF00FF, red == 255) << x << "," << y;
      }
  }
  EXPECT_EQ(master_->Pixel(0, 0), 0x00FF00FFu);  // space between masks, alpha 0
}

TEST_F(GeneratedSkin, StateFramesLookDifferent) {
  for (const auto& [name, m] : Masks()) {
    const int fw = (m.right - m.left) / m.imageCount, fh = (m.bottom - m.top) / 2;
    for (int a = 0; a < m.imageCount; ++a)
      for (int b = a + 1; b < m.imageCount; ++b) {
        bool differ = false;
        for (int y = 0; y < fh && !differ; ++y)
          for (int x = 0; x < fw && !differ; ++x)
            differ = master_->Pixel(m.left + a * fw + x, m.top + y) != master_->Pixel(m.left + b * fw + x, m.top + y);
        EXPECT_TRUE(differ) << name << " frames " << a << " and " << b;
      }
  }
}

}  // namespace
