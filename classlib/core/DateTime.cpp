#include "classlib/core/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "classlib/core/ConvertErrors.h"

namespace classlib {
namespace {

constexpr long long kMsPerDay = 24LL * 60 * 60 * 1000;
// Days from 0001-01-01 (day 0) to 1899-12-30.
constexpr long long kDaysTo1899 = 693593;

Clock& CurrentClock() {
  static Clock clock;
  return clock;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 0001-01-01 of a valid date.
long long DayNumber(int year, int month, int day) {
  const long long y = year - 1;
  long long days = y * 365 + y / 4 - y / 100 + y / 400;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  return days + day - 1;
}

TDateParts DateOfDayNumber(long long dayNumber) {
  // 400-year cycles of 146097 days, then centuries, 4-year groups and years.
  long long n = dayNumber;
  long long year = 1 + 400 * (n / 146097);
  n %= 146097;
  long long centuries = n / 36524;
  if (centuries == 4) centuries = 3;
  n -= centuries * 36524;
  year += 100 * centuries;
  year += 4 * (n / 1461);
  n %= 1461;
  long long years = n / 365;
  if (years == 4) years = 3;
  n -= years * 365;
  year += years;
  TDateParts date;
  date.year = static_cast<int>(year);
  date.month = 1;
  while (n >= DaysInMonth(date.year, date.month)) n -= DaysInMonth(date.year, date.month++);
  date.day = static_cast<int>(n) + 1;
  return date;
}

TDateTime SystemNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59, static_cast<int>(ms));
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return false;
  value = static_cast<double>(DayNumber(year, month, day) - kDaysTo1899);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    return false;
  value = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMsPerDay;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime value;
  if (!TryEncodeDate(year, month, day, value)) throw EConvertError(L"Invalid argument to date encode");
  return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime value;
  if (!TryEncodeTime(hour, minute, second, millisecond, value))
    throw EConvertError(L"Invalid argument to time encode");
  return value;
}

void DecodeDateTime(TDateTime value, TDateParts& date, TTimeParts& time) {
  // Whole part: the day; fraction (taken positive, as before 1899 the
  // platform counts the time forward from the day's midnight): the time.
  // 0001-01-01 .. 9999-12-31 23:59:59.999; anything else has no date.
  if (!(value > -693594.0 && value < 2958466.0)) throw EConvertError(L"Invalid date and time value");
  double whole = std::trunc(value);
  long long ms = std::llround(std::fabs(value - whole) * kMsPerDay);
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    whole += value < 0 ? -1 : 1;
  }
  long long dayNumber = static_cast<long long>(whole) + kDaysTo1899;
  if (dayNumber < 0) dayNumber = 0;
  date = DateOfDayNumber(dayNumber);
  time.hour = static_cast<int>(ms / 3600000);
  time.minute = static_cast<int>(ms / 60000 % 60);
  time.second = static_cast<int>(ms / 1000 % 60);
  time.millisecond = static_cast<int>(ms % 1000);
}

TDateParts DecodeDate(TDateTime value) {
  TDateParts date;
  TTimeParts time;
  DecodeDateTime(value, date, time);
  return date;
}

TTimeParts DecodeTime(TDateTime value) {
  TDateParts date;
  TTimeParts time;
  DecodeDateTime(value, date, time);
  return time;
}

TDateTime Now() { return CurrentClock() ? CurrentClock()() : SystemNow(); }
TDateTime Date() { return std::trunc(Now()); }
int CurrentYear() { return DecodeDate(Now()).year; }

void SetClock(Clock clock) { CurrentClock() = std::move(clock); }

}  // namespace classlib
