#pragma once
// When a watch is due for service: the year at the end of the last-service
// text (or, when that is empty, of the purchase date) plus the period lies
// before the current year.
#include <cstdint>
#include <string_view>

namespace catalogue {

// The year at the end of a date text: its last four characters as an
// integer. False for a text of three characters or fewer, or one that does
// not end in a number.
bool TrailingYear(std::wstring_view text, int& year);

// The period comes from the settings file and may be any 32-bit value: the
// sum is taken in 64 bits, so a huge period never wraps into "due".
bool ServiceDue(std::wstring_view lastService, std::wstring_view purchaseDate, std::int64_t periodYears,
                int currentYear);

}  // namespace catalogue
