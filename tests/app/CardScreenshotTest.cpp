#ifdef _WIN32
// PrintScreen on a card: the file "Zrzut.png" read back with zlib alone, the
// four page tiles, the page shown afterwards, and when no file is made.
#include <cstdint>
#include <string>
#include <vector>

#include "AppTestFolder.h"
#include "app/Unit2.h"
#include "classlib/graphics/Bitmap.h"
#include "tests/png/core/PngTestFiles.h"
#include "tests/skin/controls/SkinnedControlColours.h"

namespace app_test {

using namespace classlib;
using app::TForm1;
using skin::TsPanel;

// The file's chunks, and its image inflated with zlib alone.
struct DecodedPng {
  pngtest::Bytes ihdr;
  std::vector<size_t> idatSizes;
  pngtest::Bytes zlibStream;
  std::vector<uint8_t> filterBytes;
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;  // top-down, 3 bytes a pixel

  const uint8_t* Pixel(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};

// An 8-bit RGB file whose rows are all filtered with "sub" (the filter bytes
// are kept for the caller to check).
DecodedPng DecodeSubFilteredRgb(const std::string& file) {
  DecodedPng png;
  EXPECT_EQ(file.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
  const pngtest::Bytes bytes(file.begin(), file.end());
  for (const pngtest::ChunkInfo& chunk : pngtest::ListChunks(bytes)) {
    if (chunk.type == "IHDR") png.ihdr = chunk.data;
    if (chunk.type != "IDAT") continue;
    png.idatSizes.push_back(chunk.data.size());
    png.zlibStream.insert(png.zlibStream.end(), chunk.data.begin(), chunk.data.end());
  }
  if (png.ihdr.size() != 13) return png;
  png.width = png.ihdr[2] << 8 | png.ihdr[3];
  png.height = png.ihdr[6] << 8 | png.ihdr[7];
  const size_t stride = size_t(png.width) * 3;
  const pngtest::Bytes raw = pngtest::Inflate(png.zlibStream);
  EXPECT_EQ(raw.size(), png.height * (stride + 1));
  if (raw.size() != png.height * (stride + 1)) return png;
  for (int y = 0; y < png.height; ++y) {
    const uint8_t* row = &raw[y * (stride + 1)];
    png.filterBytes.push_back(row[0]);
    for (size_t i = 0; i < stride; ++i) png.rgb.push_back(uint8_t(row[1 + i] + (i >= 3 ? png.rgb.end()[-3] : 0)));
  }
  return png;
}

class CardScreenshotTest : public AppTestFolder {
 protected:
  void TearDown() override {
    app::Form1 = nullptr;
    app::Form2 = nullptr;
    about_.reset();
    AppTestFolder::TearDown();
  }
  // The main window with the card picked, as the program's unit knows it.
  TForm1& FormOnCard(const std::wstring& card) {
    MakeCard(card);
    TForm1& form = Form();
    app::Form1 = &form;
    Pick(card);
    return form;
  }
  // The about window, created hidden as at start.
  app::TForm2& About() {
    about_.reset(classlib::New<app::TForm2>(nullptr));
    app::Form2 = about_.get();
    return *about_;
  }
  static void Press(LPARAM keyState) { app::KeyboardHookProc(HC_ACTION, VK_SNAPSHOT, keyState); }
  // One press as the system reports it: the key going down, then up.
  static void PressAndRelease() {
    Press(0x00000001);
    Press(0xC0000001);
  }
  static TsPanel* ShownPage(TForm1& form) {
    TsPanel* shown = nullptr;
    for (TsPanel* page : {form.sPanel3, form.sPanel7, form.sPanel9, form.sPanel6})
      if (page->Visible()) {
        EXPECT_EQ(shown, nullptr) << "two pages shown";
        shown = page;
      }
    return shown;
  }
  fs::path Shot(const std::wstring& card) const { return Card(card) / L"Zrzut.png"; }

  std::unique_ptr<app::TForm2> about_;
};

TEST_F(CardScreenshotTest, FileIsStored1200x820RgbWithSubFilteredRowsAndReplacesTheOldOne) {
  TForm1& form = FormOnCard(L"Nurek");
  std::ofstream(Shot(L"Nurek"), std::ios::binary) << std::string(3'000'000, 'x');
  PressAndRelease();
  ASSERT_TRUE(fs::exists(Shot(L"Nurek")));
  const DecodedPng png = DecodeSubFilteredRgb(ReadBytes(Shot(L"Nurek")));
  EXPECT_EQ(png.ihdr, (pngtest::Bytes{0, 0, 0x04, 0xB0, 0, 0, 0x03, 0x34, 8, 2, 0, 0, 0}));
  // Stored blocks: 820 rows of 1 + 3600 bytes plus zlib's framing.
  ASSERT_GE(png.idatSizes.size(), 46u);
  for (size_t i = 0; i + 1 < png.idatSizes.size(); ++i) EXPECT_EQ(png.idatSizes[i], 65535u) << "IDAT " << i;
  EXPECT_GT(png.idatSizes.back(), 0u);
  EXPECT_LE(png.idatSizes.back(), 65535u);
  EXPECT_EQ(pngtest::Bytes(png.zlibStream.begin(), png.zlibStream.begin() + 2), (pngtest::Bytes{0x78, 0x01}));
  EXPECT_EQ(png.filterBytes, std::vector<uint8_t>(820, 1));
  EXPECT_EQ(form.sPanel1->Tag(), 1);
}

// Each tile is its page as the page paints itself, without the first pixel
// row; the bottom tiles start on the top tiles' last row.
TEST_F(CardScreenshotTest, TilesHoldTheFourPagesTwoByTwo) {
  TForm1& form = FormOnCard(L"Pilot");
  form.sEdit1->SetText(L"Pilot");
  form.Memo1->Lines()->SetText(L"Notatka do karty");
  Press(0x00000001);
  const DecodedPng png = DecodeSubFilteredRgb(ReadBytes(Shot(L"Pilot")));
  ASSERT_EQ(png.width, 1200);
  ASSERT_EQ(png.height, 820);

  struct Tile {
    skin::TsButton* tab;
    TsPanel* page;
    int x, y;
  };
  const Tile tiles[] = {{form.sButton1, form.sPanel3, 0, -1},
                        {form.sButton2, form.sPanel7, 600, -1},
                        {form.sButton3, form.sPanel9, 0, 409},
                        {form.sButton4, form.sPanel6, 600, 409}};
  std::vector<std::vector<uint8_t>> tileBytes;
  for (const Tile& tile : tiles) {
    SCOPED_TRACE(tile.page->Name());
    tile.tab->Click();
    TBitmap alone;
    alone.SetPixelFormat(pf24bit);
    alone.SetSize(600, 411);
    tile.page->PaintTo(alone.Canvas()->Handle(), 0, 0);
    std::vector<uint8_t> bytes;
    int differences = 0;
    const int lastRow = tile.y < 0 ? 409 : 410;  // the top tiles' row 410 lies under the bottom tiles
    for (int row = 1; row <= lastRow; ++row) {
      const uint8_t* bgr = alone.ScanLine(row);
      for (int x = 0; x < 600; ++x) {
        const uint8_t* rgb = png.Pixel(tile.x + x, tile.y + row);
        differences += rgb[0] != bgr[x * 3 + 2] || rgb[1] != bgr[x * 3 + 1] || rgb[2] != bgr[x * 3];
        bytes.insert(bytes.end(), rgb, rgb + 3);
      }
    }
    EXPECT_EQ(differences, 0);
    tileBytes.push_back(std::move(bytes));
  }
  // A native check box prints itself only at a DC's origin: it must still
  // be in its page's tile.
  skin::TsCheckBox* box = form.sCheckBox4;
  TBitmap boxAlone;
  boxAlone.SetPixelFormat(pf24bit);
  boxAlone.SetSize(box->Width(), box->Height());
  box->PaintTo(boxAlone.Canvas()->Handle(), 0, 0);
  int boxDifferences = 0, boxText = 0;
  for (int y = 0; y < box->Height(); ++y)
    for (int x = 0; x < box->Width(); ++x) {
      const uint8_t* bgr = boxAlone.ScanLine(y) + x * 3;
      const uint8_t* rgb = png.Pixel(600 + box->Left() + x, box->Top() - 1 + y);
      boxDifferences += rgb[0] != bgr[2] || rgb[1] != bgr[1] || rgb[2] != bgr[0];
      boxText += rgb[0] < 100;
    }
  EXPECT_EQ(boxDifferences, 0);
  EXPECT_GT(boxText, 0);
  // Four different pictures, so a tile in the wrong place cannot pass.
  for (size_t i = 0; i < tileBytes.size(); ++i)
    for (size_t j = i + 1; j < tileBytes.size(); ++j) EXPECT_NE(tileBytes[i], tileBytes[j]) << i << " " << j;
}

// Skinned controls print their skinned image: the document button's tile
// shows the skin's button face, not the system's.
TEST_F(CardScreenshotTest, TheDocumentButtonsTileShowsTheSkin) {
  TForm1& form = FormOnCard(L"Pilot");
  Press(0x00000001);
  const DecodedPng png = DecodeSubFilteredRgb(ReadBytes(Shot(L"Pilot")));
  ASSERT_EQ(png.width, 1200);
  // Page "Główne" is the top-left tile, one row up.
  skin::TsBitBtn* button = form.sBitBtn6;
  const TPoint origin = form.sPanel3->ScreenToClient(button->ClientToScreen(TPoint{0, 0}));
  const skin::TsMaskData* mask = button->SkinData()->BorderMask();
  ASSERT_NE(mask, nullptr);
  const int x = origin.X + mask->WL + 2, y = origin.Y + button->Height() / 2 - 1;
  const uint8_t* rgb = png.Pixel(x, y);
  const TColor shown = RGB(rgb[0], rgb[1], rgb[2]);
  EXPECT_TRUE(skin_test::ChannelsBetween(shown, skin_test::PaletteColour(skin_test::palette::kButtonTop),
                                         skin_test::PaletteColour(skin_test::palette::kButtonBottom)))
      << skin_test::ColourText(shown);
}

TEST_F(CardScreenshotTest, PageShownBeforeIsShownAfterAndAnyOtherNumberLeavesMechanizm) {
  TForm1& form = FormOnCard(L"Nurek");
  struct Case {
    skin::TsButton* tab;  // null: page number 7 set directly
    TsPanel* shownAfter;
    int tagAfter;
  };
  const Case cases[] = {{form.sButton1, form.sPanel3, 1},
                        {form.sButton2, form.sPanel7, 2},
                        {form.sButton3, form.sPanel9, 3},
                        {form.sButton4, form.sPanel6, 4},
                        {nullptr, form.sPanel7, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tagAfter);
    if (c.tab) c.tab->Click();
    else form.sPanel1->SetTag(7);
    Press(0x00000001);
    EXPECT_EQ(ShownPage(form), c.shownAfter);
    EXPECT_EQ(form.sPanel1->Tag(), c.tagAfter);
  }
  EXPECT_TRUE(form.sButton2->Down());
  EXPECT_EQ(opened_.size(), std::size(cases));
}

// The system calls the hook for the key going down and again going up, and
// repeats the key-down while it is held: one picture, opened once.
TEST_F(CardScreenshotTest, OnePressMakesOneFileOpenedOnce) {
  FormOnCard(L"Nurek");
  Press(0x00000001);
  Press(0x40000001);  // held: auto-repeat
  Press(0xC0000001);
  app::KeyboardHookProc(HC_ACTION, VK_F7, 0x00000001);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], FromFsPath(Shot(L"Nurek")));
}

TEST_F(CardScreenshotTest, InjectedPrintScreenReachesTheHookOnce) {
  TForm1& form = FormOnCard(L"Nurek");
  form.Show();
  SetForegroundWindow(form.Handle());
  SetFocus(form.Handle());
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_KEYBOARD;
  press[0].ki.wVk = press[1].ki.wVk = VK_SNAPSHOT;
  press[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(2, press, sizeof(INPUT)), 2u);
  // Both messages pass through the hook while the queue is emptied; the
  // key-up comes after the picture, so the queue keeps being read a while.
  const auto pumpUntil = [](ULONGLONG end, auto done) {
    while (!done() && GetTickCount64() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      Application->ProcessMessages();
    }
  };
  pumpUntil(GetTickCount64() + 3000, [this] { return !opened_.empty(); });
  pumpUntil(GetTickCount64() + 300, [] { return false; });
  EXPECT_EQ(opened_.size(), 1u);
  EXPECT_TRUE(fs::exists(Shot(L"Nurek")));
}

TEST_F(CardScreenshotTest, NoCardOrAboutWindowOpenMakesNoFile) {
  TForm1& form = FormOnCard(L"Nurek");
  app::TForm2& about = About();
  about.Show();
  PressAndRelease();
  about.Hide();
  form.sComboBox1->SetItemIndex(-1);
  PressAndRelease();
  EXPECT_FALSE(fs::exists(Shot(L"Nurek")));
  EXPECT_TRUE(opened_.empty());
  EXPECT_TRUE(boxes_.empty());
  // Once closed, the about window no longer stops it.
  Pick(L"Nurek");
  PressAndRelease();
  EXPECT_TRUE(fs::exists(Shot(L"Nurek")));
}

// The codec's error goes to the application's handler; the page stays on the
// last one taken and nothing is opened. (A read-only file cannot stand in for
// a locked one: the tests run as root, whom Wine lets write it.)
TEST_F(CardScreenshotTest, SaveFailureIsReportedAndOpensNothing) {
  struct Case {
    const char* name;
    bool folderInTheWay;  // else the card folder vanished
  };
  for (const Case c : {Case{"a folder named Zrzut.png", true}, Case{"card folder gone", false}}) {
    SCOPED_TRACE(c.name);
    TForm1& form = FormOnCard(L"Nurek");
    form.sButton4->Click();
    if (c.folderInTheWay) fs::create_directory(Shot(L"Nurek"));
    else fs::remove_all(Card(L"Nurek"));
    boxes_.clear();
    Press(0x00000001);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Flags & MB_ICONMASK, UINT(MB_ICONSTOP));
    EXPECT_NE(boxes_[0].Text.find(L"Zrzut.png"), std::wstring::npos) << boxes_[0].Text;
    EXPECT_TRUE(opened_.empty());
    EXPECT_EQ(ShownPage(form), form.sPanel7);
    EXPECT_EQ(fs::is_directory(Shot(L"Nurek")), c.folderInTheWay);
  }
}

}  // namespace app_test
#endif
