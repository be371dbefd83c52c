#include "app/catalogue/CardReport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/FormatSettings.h"

namespace {

namespace fs = std::filesystem;
using namespace catalogue;

class CardReportFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    card_ = fs::temp_directory_path() / ("tessarilo-report-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(card_);
    fs::create_directories(card_);
    classlib::SetDecimalSeparator(L',');
  }
  void TearDown() override { fs::remove_all(card_); }
  std::wstring Folder() const { return classlib::IncludeTrailingPathDelimiter(classlib::FromFsPath(card_)); }
  void Write(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

  fs::path card_;
};

TEST_F(CardReportFolder, AnEmptyCardReportsMissingTimesAndNothingOnDisk) {
  const std::vector<std::wstring> expected = {
      L" ", L" RAPORT KARTY", L" -----------------------------------", L" ", L" Utworzenie:", L" Brak danych", L" ",
      L" Modyfikacja:", L" Brak danych", L" ", L" Obraz: Nie", L" Dokument zakupu: Nie", L" ", L" Zrzut: Nie", L" ",
      L" Plików w galerii: 0", L" Rozmiar galerii: 0,00 MB"};
  EXPECT_EQ(CardReportLines(ReadCardReportFacts(Folder())), expected);
}

TEST_F(CardReportFolder, AFullCardCountsOnlyTheGallerysOwnFiles) {
  Write(card_ / "Dane.ini",
        "[Karta]\r\nUtworzenieKarty=01.02.2025 10:11:12 \r\nOstatniaModyfikacja=03.04.2026 05:06:07\r\n");
  Write(card_ / "Obraz.jpg", "x");
  Write(card_ / "Dokument.pdf", "x");
  Write(card_ / "Zrzut.png", "x");
  fs::create_directories(card_ / "Galeria" / "Stare");
  Write(card_ / "Galeria" / "Stare" / "ukryte.jpg", std::string(1 << 20, 'a'));
  for (const char* name : {"a.jpg", "b.png", "c.bmp"}) Write(card_ / "Galeria" / name, std::string(1 << 20, 'a'));

  const std::vector<std::wstring> expected = {
      L" ", L" RAPORT KARTY", L" -----------------------------------", L" ", L" Utworzenie:",
      L" 01.02.2025 10:11:12", L" ", L" Modyfikacja:", L" 03.04.2026 05:06:07", L" ", L" Obraz: Tak",
      L" Dokument zakupu: Tak", L" ", L" Zrzut: Tak", L" ", L" Plików w galerii: 3", L" Rozmiar galerii: 3,00 MB"};
  EXPECT_EQ(CardReportLines(ReadCardReportFacts(Folder())), expected);
}

TEST(CardReportLines, AGalleryOfManyGigabytesIsSummedAndShownWhole) {
  CardReportFacts facts;
  facts.gallery = {2, 5ull << 30};  // 5 GiB: past any 32-bit sum
  classlib::SetDecimalSeparator(L'.');
  EXPECT_EQ(CardReportLines(facts).back(), L" Rozmiar galerii: 5120.00 MB");
  classlib::SetDecimalSeparator(L',');
}

}  // namespace
