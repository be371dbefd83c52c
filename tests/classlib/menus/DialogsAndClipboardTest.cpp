#ifdef _WIN32
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/menus/Clipboard.h"
#include "classlib/menus/Dialogs.h"

namespace classlib {
namespace {

TEST(OpenDialog, FilterTurnsIntoTheSystemForm) {
  using namespace std::string_literals;
  EXPECT_EQ(OpenDialogFilter(L"Dokumenty PDF (*.pdf)|*.pdf"), L"Dokumenty PDF (*.pdf)\0*.pdf\0\0"s);
  EXPECT_EQ(OpenDialogFilter(L"A|*.a|B|*.b; *.c"), L"A\0*.a\0B\0*.b; *.c\0\0"s);
  EXPECT_EQ(OpenDialogFilter(L""), L"");
}

class OpenDialogFixture : public ::testing::Test {
 protected:
  void TearDown() override { SetOpenDialogHandler(nullptr); }
  TOpenDialog dialog{nullptr};
};

TEST_F(OpenDialogFixture, ChosenLongPathAndFilterComeBack) {
  dialog.SetFilter(L"Pliki graficzne (*.bmp, *.png, *. jpg, *.jpeg)|*.bmp; *.png; *.jpg; *.jpeg|PDF|*.pdf");
  dialog.SetFilterIndex(2);
  dialog.SetInitialDir(L"C:\\Karty");
  dialog.SetFileName(L"stary.pdf");
  const std::wstring chosen = L"C:\\" + std::wstring(400, L'z') + L"\\Zdjęcie.jpg";
  std::wstring startName, initialDir;
  DWORD flags = 0, filterIndex = 0;
  SetOpenDialogHandler([&](OPENFILENAMEW& request) {
    startName = request.lpstrFile;
    initialDir = request.lpstrInitialDir;
    flags = request.Flags;
    filterIndex = request.nFilterIndex;
    if (chosen.size() >= request.nMaxFile) return false;
    chosen.copy(request.lpstrFile, chosen.size());
    request.lpstrFile[chosen.size()] = L'\0';
    request.nFilterIndex = 1;
    return true;
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(startName, L"stary.pdf");
  EXPECT_EQ(initialDir, L"C:\\Karty");
  EXPECT_EQ(filterIndex, 2u);
  EXPECT_TRUE(flags & OFN_EXPLORER);
  EXPECT_TRUE(flags & OFN_HIDEREADONLY);
  EXPECT_TRUE(flags & OFN_NOCHANGEDIR);
  EXPECT_EQ(dialog.FileName(), chosen);
  EXPECT_EQ(dialog.FilterIndex(), 1);
}

TEST_F(OpenDialogFixture, CancelChangesNothing) {
  dialog.SetFileName(L"");
  SetOpenDialogHandler([](OPENFILENAMEW& request) {
    request.lpstrFile[0] = L'x';
    return false;
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), L"");
}

TEST(Clipboard, TextRoundTripsAndClears) {
  const std::wstring text = L"Zegarek – Łódź, 1200 zł";
  Clipboard().SetAsText(text);
  EXPECT_TRUE(Clipboard().HasText());
  EXPECT_EQ(Clipboard().AsText(), text);
  Clipboard().Clear();
  EXPECT_FALSE(Clipboard().HasText());
  EXPECT_EQ(Clipboard().AsText(), L"");
}

}  // namespace
}  // namespace classlib
#endif
