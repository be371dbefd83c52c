#pragma once
// The order in which sorted string lists keep their lines: letters compared
// without case, Polish letters right after their base letter (a ą b c ć ...
// l ł ... z ź ż), as a Polish user reads an alphabetical list.
#include <string_view>

namespace classlib {

// < 0, 0 or > 0, ignoring case.
int CollateText(std::wstring_view a, std::wstring_view b);
// The same order, but texts that differ only in case are not equal: the
// case-insensitive order decides first, then the character codes.
int CollateStr(std::wstring_view a, std::wstring_view b);

}  // namespace classlib
