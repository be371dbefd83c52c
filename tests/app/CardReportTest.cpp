#ifdef _WIN32
// The card report over the picture: its lines against the card's folder,
// the toggle, and its rebuilding by save and load.
#include <string>
#include <vector>

#include "AppTestFolder.h"

namespace app_test {

using namespace classlib;
using app::TForm1;

class CardReportTest : public AppTestFolder {
 protected:
  static std::vector<std::wstring> ReportLines(TForm1& form) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < form.Memo2->Lines()->Count(); ++i) lines.push_back(form.Memo2->Lines()->Strings(i));
    return lines;
  }
  static std::vector<std::wstring> Golden(const std::wstring& created, const std::wstring& modified,
                                          const std::wstring& picture, const std::wstring& document,
                                          const std::wstring& screenshot, const std::wstring& files,
                                          const std::wstring& size) {
    return {L" ", L" RAPORT KARTY", L" -----------------------------------", L" ", L" Utworzenie:", L" " + created,
            L" ", L" Modyfikacja:", L" " + modified, L" ", L" Obraz: " + picture,
            L" Dokument zakupu: " + document, L" ", L" Zrzut: " + screenshot, L" ",
            L" Plików w galerii: " + files, L" Rozmiar galerii: " + size + L" MB"};
  }
};

TEST_F(CardReportTest, TheToggleShowsTheCardAsItIsOnDisk) {
  MakeCard(L"Alfa", "[Karta]\r\nOstatniaModyfikacja=03.04.2026 05:06:07\r\n");
  fs::create_directories(Card(L"Alfa") / L"Galeria" / L"Stare");
  for (const char* name : {"a.jpg", "b.png", "c.bmp"})
    std::ofstream(Card(L"Alfa") / L"Galeria" / name, std::ios::binary) << std::string(1 << 20, 'x');
  std::ofstream(Card(L"Alfa") / L"Galeria" / L"Stare" / L"d.jpg", std::ios::binary) << "x";
  TForm1& form = Form();
  Pick(L"Alfa");
  // A picture and a document chosen but not saved are not on disk yet.
  form.Image1->SetTag(2);
  form.sBitBtn6->SetTag(2);

  form.sBitBtn11->Click();
  EXPECT_TRUE(form.Memo2->Visible());
  EXPECT_TRUE(form.sBitBtn11->Down());
  EXPECT_EQ(ReportLines(form), Golden(L"Brak danych", L"03.04.2026 05:06:07", L"Nie", L"Nie", L"Nie", L"3", L"3,00"));

  form.sBitBtn11->Click();
  EXPECT_FALSE(form.Memo2->Visible());
  EXPECT_FALSE(form.sBitBtn11->Down());
}

TEST_F(CardReportTest, SaveAndLoadRebuildTheReportWhileItIsShown) {
  MakeCard(L"Alfa");
  MakeCard(L"Beta");
  std::ofstream(Card(L"Beta") / L"Zrzut.png", std::ios::binary) << "x";
  TForm1& form = Form();
  Pick(L"Alfa");
  form.sBitBtn11->Click();
  EXPECT_EQ(ReportLines(form), Golden(L"Brak danych", L"Brak danych", L"Nie", L"Nie", L"Nie", L"0", L"0,00"));
  form.SaveCard();
  EXPECT_EQ(ReportLines(form)[8], L" 14.03.2026 09:05:07");
  Pick(L"Beta");
  EXPECT_EQ(ReportLines(form)[13], L" Zrzut: Tak");
  EXPECT_TRUE(form.sBitBtn11->Down());
}

TEST_F(CardReportTest, WithoutACardNothingIsBuiltOrCreated) {
  fs::create_directories(Cards());
  TForm1& form = Form();
  form.BuildCardReport();
  EXPECT_FALSE(fs::exists(Cards() / L"Galeria"));
  EXPECT_EQ(form.Memo2->Lines()->Count(), 0);
  EXPECT_FALSE(form.sBitBtn11->Down());
}

}  // namespace app_test
#endif
