// The maker and calibre menus built from "Mechanizmy.txt".
#include <gtest/gtest.h>

#include "app/fillin/MechanismMenus.h"
#include "app/fillin/PickList.h"

namespace {

using app::TMechanismMenuEntry;
using Entry = TMechanismMenuEntry;

// One letter a kind (H heading, - separator, I item), "|" before a new
// column, "~" for a disabled entry, then the caption.
std::vector<std::wstring> Describe(const std::vector<Entry>& entries) {
  std::vector<std::wstring> out;
  for (const Entry& e : entries) {
    std::wstring line = e.NewColumn ? L"|" : L"";
    line += e.Kind == Entry::Heading ? L"H" : e.Kind == Entry::Separator ? L"-" : L"I";
    if (!e.Enabled) line += L"~";
    if (e.Kind != Entry::Separator) line += L" " + e.Caption;
    out.push_back(line);
  }
  return out;
}

TEST(MechanismMenus, DefaultFileGivesSixCalibreColumnsAndTheMakerList) {
  const auto& lines = app::DefaultMechanisms();
  const std::vector<std::wstring> calibres = Describe(app::CalibreMenuEntries(lines));
  std::vector<std::wstring> expected;
  bool first = true;
  for (const wchar_t* maker : {L"ETA", L"Sellita", L"Ronda", L"Seiko", L"Miyota", L"Seagull"}) {
    expected.push_back(std::wstring(first ? L"" : L"|") + L"H~ " + maker);
    expected.push_back(L"-");
    for (const wchar_t* calibre : {L"I Mechanizm 1", L"I Mechanizm 2", L"I Mechanizm 3"}) expected.push_back(calibre);
    first = false;
  }
  EXPECT_EQ(calibres, expected);
  EXPECT_EQ(app::CalibreMenuColumns(lines), 6);
  EXPECT_EQ(app::CalibreMenuShift(6), 405);

  EXPECT_EQ(Describe(app::MakerMenuEntries(lines)),
            (std::vector<std::wstring>{L"I ETA", L"I Sellita", L"I Ronda", L"-", L"I Seiko", L"I Miyota", L"I Seagull"}));
}

TEST(MechanismMenus, EmptyNamesColumnsAndAmpersands) {
  const std::vector<std::wstring> lines{L"#", L"# /", L"/", L"/Duo", L"A & B", L"#R&D", L"-", L"x/y"};
  EXPECT_EQ(Describe(app::CalibreMenuEntries(lines)),
            (std::vector<std::wstring>{L"H~ (Brak nazwy)", L"-", L"|H~ (Brak nazwy)", L"-", L"|I (Brak nazwy)",
                                       L"|I Duo", L"I A & B", L"H~ R&D", L"-", L"I x/y"}));
  EXPECT_EQ(Describe(app::MakerMenuEntries(lines)),
            (std::vector<std::wstring>{L"I (Brak nazwy)", L"I (Brak nazwy)", L"I R&D", L"-"}));
  // Counted from the second line by the first two characters as written:
  // "/", "/Duo" and "x/y" (which makes no column); "# /" is not counted.
  EXPECT_EQ(app::CalibreMenuColumns(lines), 4);
}

TEST(MechanismMenus, ShiftStartsAtTheFourthColumn) {
  EXPECT_EQ(app::CalibreMenuColumns({}), 1);
  EXPECT_EQ(app::CalibreMenuColumns({L"#/First"}), 1);  // the first line never counts
  for (int columns : {1, 2, 3}) EXPECT_EQ(app::CalibreMenuShift(columns), 0) << columns;
  EXPECT_EQ(app::CalibreMenuShift(4), 135);
}

}  // namespace
