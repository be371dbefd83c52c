#include <gtest/gtest.h>

#include "classlib/core/ConvertErrors.h"
#include "classlib/core/DateTime.h"

namespace classlib {
namespace {

TEST(DateTime, EncodesDaysFromTheEndOf1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
}

TEST(DateTime, DecodesEveryMonthStartAndEndBackToItsDate) {
  for (int year = 1; year <= 9999; year += (year < 2200 ? 1 : 37)) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 28}) {
        const TDateParts date = DecodeDate(EncodeDate(year, month, day));
        ASSERT_EQ(date.year, year);
        ASSERT_EQ(date.month, month);
        ASSERT_EQ(date.day, day);
      }
    }
  }
  const TDateParts leap = DecodeDate(EncodeDate(2000, 2, 29));
  EXPECT_EQ(leap.month * 100 + leap.day, 229);
  const TDateParts lastDay = DecodeDate(EncodeDate(2024, 12, 31));
  EXPECT_EQ(lastDay.month * 100 + lastDay.day, 1231);
}

TEST(DateTime, RefusesDatesAndTimesThatDoNotExist) {
  TDateTime value;
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29, value));
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, value));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1, value));
  EXPECT_FALSE(TryEncodeDate(2024, 13, 1, value));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, value));
  EXPECT_THROW(EncodeDate(2023, 4, 31), EConvertError);
  EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
  EXPECT_THROW(DecodeDate(1e300), EConvertError);
  EXPECT_THROW(DecodeDate(EncodeDate(9999, 12, 31) + 1), EConvertError);
  EXPECT_EQ(DecodeDate(EncodeDate(9999, 12, 31) + 0.5).year, 9999);
}

TEST(DateTime, DecodesTimeToTheMillisecondAndCarriesMidnight) {
  const TTimeParts t = DecodeTime(EncodeDate(2025, 3, 7) + EncodeTime(23, 59, 59, 999));
  EXPECT_EQ(t.hour, 23);
  EXPECT_EQ(t.minute, 59);
  EXPECT_EQ(t.second, 59);
  EXPECT_EQ(t.millisecond, 999);

  TDateParts date;
  TTimeParts time;
  DecodeDateTime(EncodeDate(2024, 12, 31) + 0.9999999999, date, time);
  EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day, 20250101);
  EXPECT_EQ(time.hour + time.minute + time.second + time.millisecond, 0);
}

TEST(DateTime, ClockSeamFixesNow) {
  const TDateTime fixed = EncodeDate(2026, 1, 1) + EncodeTime(8, 30, 0, 0);
  SetClock([fixed] { return fixed; });
  EXPECT_EQ(Now(), fixed);
  EXPECT_EQ(Date(), EncodeDate(2026, 1, 1));
  EXPECT_EQ(CurrentYear(), 2026);
  SetClock(nullptr);
  EXPECT_GE(CurrentYear(), 2024);  // the system's clock again
}

}  // namespace
}  // namespace classlib
