#pragma once
// Date and time to text by a pattern.
#include <string>
#include <string_view>

#include "classlib/core/DateTime.h"

namespace classlib {

// Pattern letters (case-insensitive):
//   d, dd      day, without / with a leading zero
//   m, mm      month; minutes when they follow an hour (as in "hh:mm")
//   yy, yyyy   year in two / four digits
//   h, hh      hour 0..23
//   n, nn      minutes
//   s, ss      seconds
//   z, zzz     milliseconds
// Text in double or single quotes is copied without its quotes; every other
// character is copied as it is, so "dd.mm.yyyy hh:nn:ss " keeps its blank.
std::wstring FormatDateTime(std::wstring_view pattern, TDateTime value);

}  // namespace classlib
