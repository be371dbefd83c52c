#include "app/catalogue/ServiceReminder.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using catalogue::ServiceDue;

struct ReminderCase {
  const wchar_t* lastService;
  const wchar_t* purchaseDate;
  long long period;
  int year;
  bool due;
};

TEST(ServiceReminder, DueOnlyWhenTheYearPlusThePeriodLiesBeforeThisYear) {
  const ReminderCase cases[] = {
      {L"15.03.2019", L"", 5, 2025, true},    // 2024 < 2025
      {L"15.03.2019", L"", 5, 2024, false},   // strictly less
      {L"15.03.2020", L"", 5, 2026, true},    // six years back
      {L"15.03.2021", L"", 5, 2026, false},   // five years back
      {L"15.03.2019", L"", 10, 2026, false},
      {L"", L"2010", 10, 2021, true},         // empty: the purchase year stands in
      {L"", L"2010", 11, 2021, false},
      {L"", L"01.02.2010", 5, 2021, true},
      {L"serwis", L"2010", 5, 2026, false},   // present without a year: never
      {L"2019", L"", 5, 2026, true},
      {L"019", L"2010", 5, 2026, false},      // three characters: no year, purchase not looked at
      {L"", L"", 5, 2026, false},
      {L"15.03.2019", L"", INT_MAX, 2026, false},  // would wrap in 32 bits
      {L"15.03.2019", L"", INT_MIN, 2026, true},
  };
  for (const ReminderCase& c : cases)
    EXPECT_EQ(ServiceDue(c.lastService, c.purchaseDate, c.period, c.year), c.due)
        << "last service '" << testing::PrintToString(std::wstring(c.lastService)) << "' purchase '"
        << testing::PrintToString(std::wstring(c.purchaseDate)) << "' period " << c.period << " in " << c.year;
}

}  // namespace
