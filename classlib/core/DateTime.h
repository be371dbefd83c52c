#pragma once
// Dates and times as the platform keeps them: days since 30 December 1899 in
// the whole part, the time of day as the fraction. The clock is a seam so
// tests can fix "now".
#include <functional>

namespace classlib {

using TDateTime = double;

struct TDateParts {
  int year = 0, month = 0, day = 0;
};
struct TTimeParts {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Raise EConvertError for a date or time that does not exist (years 1..9999).
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value);

// The time is rounded to the millisecond; a value that rounds up to midnight
// belongs to the next day. A value outside years 1..9999 (or not a number)
// raises EConvertError.
void DecodeDateTime(TDateTime value, TDateParts& date, TTimeParts& time);
TDateParts DecodeDate(TDateTime value);
TTimeParts DecodeTime(TDateTime value);

bool IsLeapYear(int year);

// Local date and time from the clock; Date() is today at midnight.
TDateTime Now();
TDateTime Date();
int CurrentYear();

// Replaces the clock (an empty function restores the system's local time).
using Clock = std::function<TDateTime()>;
void SetClock(Clock clock);

}  // namespace classlib
