#ifdef _WIN32
// The about window: tips, the change list in the temporary folder, closing
// with Esc, and the blurred snapshot of the main window behind it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AppTestFolder.h"
#include "app/Unit2.h"
#include "app/catalogue/AboutTips.h"
#include "app/catalogue/RandomNumbers.h"
#include "classlib/graphics/Bitmap.h"

namespace app_test {

using namespace classlib;
using app::TForm1;
using app::TForm2;

// The change list as stored: UTF-8, CR LF between lines, none at the end.
const std::string kChangeList =
    "Tessarilo Zegarków - Lista zmian\r\n" + std::string(100, '-') +
    "\r\n\r\n"
    "250924 - Drobne poprawki interfejsu\r\n"
    "       - Poprawiono walidację pól tekstowych\r\n\r\n"
    "250901 - Dodano wizualizację wciśniętego przycisku Raport\r\n"
    "       - Usprawniono zmianę waluty w polu Koszt zakupu\r\n\r\n"
    "250714 - Dodano Listę zmian\r\n"
    "       - Poprawiono etykietę pola Antyrefleks (zewnętrzny na wewnętrzny)\r\n"
    "       - Zablokowano Zrzut karty przy otwartym oknie O programie...";

// Through the runtime, which the program reads, and so the system too; an
// empty value removes the variable.
void SetEnvironment(const wchar_t* name, const std::wstring& value) { _wputenv_s(name, value.c_str()); }

class AboutWindowTest : public AppTestFolder {
 protected:
  void SetUp() override {
    AppTestFolder::SetUp();
    temp_ = root_ / L"temp";
    fs::create_directories(temp_);
    oldTemp_ = EnvironmentVariable(L"TEMP");
    SetEnvironment(L"TEMP", FromFsPath(temp_));
    TForm1& form = Form();
    app::Form1 = &form;
    about_.reset(New<TForm2>(nullptr));
    app::Form2 = about_.get();
  }
  void TearDown() override {
    catalogue::SetRandomSource(nullptr);
    app::Form1 = nullptr;
    app::Form2 = nullptr;
    about_.reset();
    SetEnvironment(L"TEMP", oldTemp_);
    AppTestFolder::TearDown();
  }
  TForm2& About() { return *about_; }
  fs::path ChangeList() const { return temp_ / L"ListaZmian.txt"; }

  fs::path temp_;
  std::wstring oldTemp_;
  std::unique_ptr<TForm2> about_;
};

TEST_F(AboutWindowTest, ShowingPicksATipCentresOverTheMainWindowAndRaisesTheOverlay) {
  std::vector<int> ranges;
  catalogue::SetRandomSource([&](int range) {
    ranges.push_back(range);
    return 11;
  });
  TForm1& form = *app::Form1;
  form.SetBounds(100, 50, form.Width(), form.Height());
  About().FormShow(&About());
  EXPECT_EQ(ranges, std::vector<int>{12});
  EXPECT_EQ(About().sLabel9->Tag(), 12);
  EXPECT_EQ(About().sLabel9->Caption(), catalogue::Tip(12));
  EXPECT_EQ(About().sLabel10->Caption(), L"12/12");
  EXPECT_EQ(About().Left(), 100 + (form.Width() - About().Width()) / 2);
  EXPECT_EQ(About().Top(), 50 + (form.Height() - About().Height()) / 2);
  EXPECT_TRUE(form.sPanel21->Visible());
  EXPECT_EQ(About().Caption(), L"O programie...");
  EXPECT_EQ(About().ClientWidth(), 520);
  EXPECT_EQ(About().ClientHeight(), 425);
}

TEST_F(AboutWindowTest, TheArrowsBrowseTheTipsRoundWithTheCounter) {
  About().ShowTip(12);
  About().sWebLabel3MouseDown(About().sWebLabel3, mbLeft, {}, 1, 1);
  EXPECT_EQ(About().sLabel9->Caption(), catalogue::Tip(1));
  EXPECT_EQ(About().sLabel10->Caption(), L"1/12");
  About().sWebLabel2MouseDown(About().sWebLabel2, mbLeft, {}, 1, 1);
  EXPECT_EQ(About().sLabel9->Caption(), catalogue::Tip(12));
  EXPECT_EQ(About().sLabel10->Caption(), L"12/12");
  // The counter shows at the side of the arrow the mouse is over.
  About().sWebLabel2MouseEnter(About().sWebLabel2);
  EXPECT_TRUE(About().sLabel10->Visible());
  EXPECT_EQ(About().sLabel10->Alignment(), taLeftJustify);
  About().sWebLabel2MouseEnter(About().sWebLabel3);
  EXPECT_EQ(About().sLabel10->Alignment(), taRightJustify);
  About().sWebLabel2MouseLeave(About().sWebLabel3);
  EXPECT_FALSE(About().sLabel10->Visible());
  // Hovering the build row reveals the change-list link.
  About().sPanel2MouseEnter(About().sPanel2);
  EXPECT_EQ(About().sPanel2->Width(), About().sWebLabel5->Left() + About().sWebLabel5->Width());
  About().sPanel2MouseLeave(About().sPanel2);
  EXPECT_EQ(About().sPanel2->Width(), About().sLabel13->Width());
}

TEST_F(AboutWindowTest, TheChangeListIsWrittenByteForByteOpenedAndGoneAfterEsc) {
  std::ofstream(ChangeList(), std::ios::binary) << "an older, longer copy of the list that must be replaced whole";
  About().sWebLabel5->Click();
  EXPECT_EQ(ReadBytes(ChangeList()), kChangeList);
  EXPECT_EQ(ReadBytes(ChangeList()).size(), 521u);
  EXPECT_EQ(opened_, std::vector<std::wstring>{FromFsPath(ChangeList())});

  app::Form1->Image3->Picture()->SetBitmap(nullptr);
  app::Form1->sPanel21->SetVisible(true);
  wchar_t key = L'a';
  About().sBitBtn1KeyPress(About().sBitBtn1, key);
  EXPECT_TRUE(fs::exists(ChangeList()));
  key = 27;
  About().sBitBtn1KeyPress(About().sBitBtn1, key);
  EXPECT_FALSE(fs::exists(ChangeList()));
  EXPECT_FALSE(app::Form1->sPanel21->Visible());
  EXPECT_EQ(app::Form1->Image3->Picture()->Graphic(), nullptr);
}

TEST_F(AboutWindowTest, AnUnwritableTemporaryFolderOpensNothingAndAMissingTempUsesTheSystemFolder) {
  SetEnvironment(L"TEMP", FromFsPath(temp_) + L"\\brak\\folderu");
  About().sWebLabel5->Click();
  EXPECT_TRUE(opened_.empty());

  SetEnvironment(L"TEMP", L"");
  const std::wstring file = TForm2::ChangeListFile();
  EXPECT_TRUE(TForm2::WriteChangeList());
  EXPECT_EQ(ReadBytes(ToFsPath(file)), kChangeList);
  EXPECT_NE(file, L"ListaZmian.txt");
  EXPECT_NE(file, L"\\ListaZmian.txt");
  TCloseAction action = caHide;
  About().FormClose(&About(), action);
  EXPECT_FALSE(fs::exists(ToFsPath(file)));
}

TEST_F(AboutWindowTest, TheSnapshotIsTheClientAreaBlurredAndNoisedWithItsBorderUnblurred) {
  TForm1& form = *app::Form1;
  TBitmap plain;
  plain.SetPixelFormat(pf24bit);
  plain.SetSize(form.ClientWidth(), form.ClientHeight());
  form.PaintTo(plain.Canvas()->Handle(), 0, 0);
  // Noise of +1 everywhere (draw 13 of 25), so the border is the plain copy plus one.
  catalogue::SetRandomSource([](int range) { return range / 2 + 1; });
  form.TakeBlurredSnapshot();
  auto* snapshot = dynamic_cast<TBitmap*>(form.Image3->Picture()->Graphic());
  ASSERT_NE(snapshot, nullptr);
  ASSERT_EQ(snapshot->Width(), 1000);
  ASSERT_EQ(snapshot->Height(), 645);
  snapshot->SetPixelFormat(pf24bit);
  auto byteAt = [](TBitmap& b, int x, int y, int c) { return int(b.ScanLine(y)[x * 3 + c]); };
  int borderChecked = 0;
  for (int x = 0; x < 1000; x += 37)
    for (int y : {0, 644})
      for (int c = 0; c < 3; ++c, ++borderChecked)
        ASSERT_EQ(byteAt(*snapshot, x, y, c), std::min(255, byteAt(plain, x, y, c) + 1)) << x << "," << y;
  for (int y = 0; y < 645; y += 29)
    for (int x : {0, 999}) ASSERT_EQ(byteAt(*snapshot, x, y, 1), std::min(255, byteAt(plain, x, y, 1) + 1));
  EXPECT_GT(borderChecked, 0);
  // Inside, a sharp edge of the plain copy is softened: some inner pixel differs.
  int changed = 0;
  for (int y = 1; y < 644; y += 7)
    for (int x = 1; x < 999; x += 7) changed += byteAt(*snapshot, x, y, 0) != std::min(255, byteAt(plain, x, y, 0) + 1);
  EXPECT_GT(changed, 0);
}

}  // namespace app_test
#endif
