#ifdef _WIN32
// The card list: title with the count, navigation, the folder menu, and
// removing a card's folder.
#include <string>

#include "AppTestFolder.h"

namespace app_test {

using namespace classlib;
using app::TForm1;
using CardListTest = AppTestFolder;

TEST_F(CardListTest, AddedTitleShowsTheCardCount) {
  TForm1& form = Form();
  EXPECT_EQ(form.sSkinProvider1->AddedTitle()->Text(), L"Tessarilo zegarków");
  MakeCard(L"A");
  MakeCard(L"B");
  form.RefreshCardList();
  EXPECT_EQ(form.sSkinProvider1->AddedTitle()->Text(), L"Tessarilo zegarków - Ilość kart: 2");
  // The main caption is not repeated: the title bar shows the added text alone.
  EXPECT_FALSE(form.sSkinProvider1->AddedTitle()->ShowMainCaption());
  EXPECT_EQ(form.sSkinProvider1->AddedTitle()->Text(), L"Tessarilo zegarków - Ilość kart: 2");
  EXPECT_EQ(form.Caption(), L"Tessarilo zegarków");
}

TEST_F(CardListTest, OneCardKeepsTheNavigationHidden) {
  MakeCard(L"Jedyna");
  TForm1& form = Form();
  Pick(L"Jedyna");
  EXPECT_FALSE(form.sPanel19->Visible());
  EXPECT_EQ(form.sComboBox1->Width(), 960);
  EXPECT_EQ(form.sGauge1->Width(), 960);
}

TEST_F(CardListTest, NavigationButtonsFollowTheSelectionAndLoadTheCard) {
  MakeCard(L"A", "[Ogolne]\r\nModel=a\r\n");
  MakeCard(L"B", "[Ogolne]\r\nModel=b\r\n");
  MakeCard(L"C", "[Ogolne]\r\nModel=c\r\n");
  TForm1& form = Form();
  auto expectButtons = [&](bool first, bool previous, bool next, bool last) {
    EXPECT_TRUE(form.sPanel19->Visible());
    EXPECT_EQ(form.sComboBox1->Width(), 801);
    EXPECT_EQ(form.sBitBtn7->Enabled(), first);
    EXPECT_EQ(form.sBitBtn8->Enabled(), previous);
    EXPECT_EQ(form.sBitBtn9->Enabled(), next);
    EXPECT_EQ(form.sBitBtn10->Enabled(), last);
  };
  Pick(L"A");
  expectButtons(false, false, true, true);
  form.sBitBtn9Click(form.sBitBtn9);
  EXPECT_EQ(form.sEdit3->Text(), L"b");
  expectButtons(true, true, true, true);
  form.sBitBtn10Click(form.sBitBtn10);
  EXPECT_EQ(form.sEdit1->Text(), L"C");
  expectButtons(true, true, false, false);
  // At the end "next" stays on the last card and loads it again.
  form.sBitBtn9Click(form.sBitBtn9);
  EXPECT_EQ(form.sEdit3->Text(), L"c");
  form.sBitBtn8Click(form.sBitBtn8);
  EXPECT_EQ(form.sEdit3->Text(), L"b");
  form.sBitBtn7Click(form.sBitBtn7);
  EXPECT_EQ(form.sEdit3->Text(), L"a");
  expectButtons(false, false, true, true);
}

TEST_F(CardListTest, FolderMenuOnlyForASelectedCardAndOpensItsFolder) {
  MakeCard(L"Karta");
  TForm1& form = Form();
  int shown = 0;
  form.PopupMenu20->SetOnPopup([&](TObject*) {
    ++shown;
    // Closes the menu once its modal loop runs.
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      EndMenu();
    });
  });
  bool handled = false;
  form.sComboBox1ContextPopup(form.sComboBox1, TPoint{5, 5}, handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(shown, 0);
  Pick(L"Karta");
  form.sComboBox1ContextPopup(form.sComboBox1, TPoint{5, 5}, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(form.Otwrzkatalogkarty1->Caption(), L"Otwórz katalog karty");
  form.Otwrzkatalogkarty1->Click();
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], app::CardsDir + L"Karta");
}

TEST_F(CardListTest, DeleteFolderTreeRemovesLinksWithoutEnteringThem) {
  MakeCard(L"Karta");
  fs::create_directories(Card(L"Karta") / L"Galeria" / L"głębiej");
  std::ofstream(Card(L"Karta") / L"Galeria" / L"głębiej" / L"x.jpg") << "x";
  fs::create_directories(root_ / L"Obcy");
  std::ofstream(root_ / L"Obcy" / L"cenny.txt") << "cenny";
  const fs::path link = Card(L"Karta") / L"Skrót";
  if (!CreateSymbolicLinkW(link.c_str(), (root_ / L"Obcy").c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
    GTEST_SKIP() << "no directory links here";
  EXPECT_TRUE(app::DeleteFolderTree(FromFsPath(Card(L"Karta"))));
  EXPECT_FALSE(fs::exists(Card(L"Karta")));
  EXPECT_EQ(ReadBytes(root_ / L"Obcy" / L"cenny.txt"), "cenny");
}

TEST_F(CardListTest, ACardThatStaysAfterDeleteIsReported) {
  MakeCard(L"Karta", "[Ogolne]\r\nModel=X\r\n");
  const fs::path locked = Card(L"Karta") / L"otwarty.txt";
  std::ofstream(locked) << "x";
  // An open file without delete sharing cannot be deleted.
  HANDLE open = CreateFileW(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  TForm1& form = Form();
  Pick(L"Karta");
  answers_ = {IDYES, IDOK};
  form.sBitBtn2Click(form.sBitBtn2);
  CloseHandle(open);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[1].Text,
            L"Nie udało się usunąć całej karty \"Karta\"!\rNiektóre pliki są otwarte lub chronione przed zapisem i "
            L"pozostały w katalogu karty.");
  EXPECT_TRUE(fs::exists(locked));
  EXPECT_EQ(form.sComboBox1->Items()->Count(), 1);
}

}  // namespace app_test
#endif
