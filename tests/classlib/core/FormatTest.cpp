#include <gtest/gtest.h>

#include "classlib/core/DateTime.h"
#include "classlib/core/FormatDateTime.h"
#include "classlib/core/FormatFloat.h"
#include "classlib/core/FormatSettings.h"

namespace classlib {
namespace {

TEST(FormatDateTime, WritesThePatternsOfTheCardsAndTheReport) {
  const TDateTime when = EncodeDate(2025, 3, 7) + EncodeTime(9, 5, 4, 7);
  struct Case {
    const wchar_t* pattern;
    const wchar_t* text;
  } cases[] = {
      {L"dd.mm.yyyy", L"07.03.2025"},
      {L"hh:nn:ss", L"09:05:04"},
      {L"yyyy", L"2025"},
      {L"dd.mm.yyyy hh:nn:ss", L"07.03.2025 09:05:04"},
      {L"dd.mm.yyyy hh:nn:ss ", L"07.03.2025 09:05:04 "},
      {L"d.m.yy h:n:s", L"7.3.25 9:5:4"},
      {L"hh:mm", L"09:05"},  // minutes after an hour
      {L"DD.MM.YYYY", L"07.03.2025"},
      {L"zzz", L"007"},
      {L"'dnia' dd \"r.\"", L"dnia 07 r."},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, when), c.text) << c.pattern;
}

TEST(FormatDateTime, FormatsTheClockSeamsTime) {
  SetClock([] { return EncodeDate(1999, 12, 31) + EncodeTime(23, 59, 58, 0); });
  EXPECT_EQ(FormatDateTime(L"dd.mm.yyyy hh:nn:ss", Now()), L"31.12.1999 23:59:58");
  SetClock(nullptr);
}

class FormatFloatTest : public ::testing::Test {
 protected:
  void TearDown() override { SetDecimalSeparator(L','); }
};

TEST_F(FormatFloatTest, RoundsHalfAwayFromZeroAndUsesTheLocaleSeparator) {
  struct Case {
    const wchar_t* picture;
    double value;
    const wchar_t* text;
  } cases[] = {
      {L"0.00", 3.0, L"3,00"},
      {L"0.00", 3145728.0 / 1024 / 1024, L"3,00"},
      {L"0.00", 0.125, L"0,13"},
      {L"0.00", 2.675, L"2,68"},
      {L"0.00", 9.999, L"10,00"},
      {L"0.00", -1.5, L"-1,50"},
      {L"0.00", -0.001, L"0,00"},
      {L"0.00", 1234567.891, L"1234567,89"},
      {L"0.00", 0.0, L"0,00"},
      {L"0", 2.5, L"3"},
      {L"0", -2.5, L"-3"},
      {L"000", 7, L"007"},
      {L"#.##", 0.5, L",5"},
      {L"0.##", 1.5, L"1,5"},
      {L"0.##", 2.0, L"2"},
      {L"0.00 MB", 1.0, L"1,00 MB"},
      {L"0.00", 1e20, L"100000000000000000000,00"},
      {L"0.00", 5e-324, L"0,00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFloat(c.picture, c.value), c.text) << c.picture << " " << c.value;
  EXPECT_EQ(FormatFloat(L"0", 1.7976931348623157e308).size(), 309u);
  SetDecimalSeparator(L'.');
  EXPECT_EQ(FormatFloat(L"0.00", 3.0), L"3.00");
}

}  // namespace
}  // namespace classlib
