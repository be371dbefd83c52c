#pragma once
// Splitting a Windows command line into its arguments by the system's own
// rules, without the shell library (loading it costs start-up time):
// white space (blanks and tabs) separates arguments outside quotes; a quote
// opens or closes a quoted part, and "" inside one is a literal quote that
// closes it;
// 2n backslashes before a quote give n backslashes and the quote counts as
// above, 2n + 1 give n backslashes and a literal quote; other backslashes
// are literal. The program name, first, runs to the next quote when it
// starts with one (backslashes literal), else to the first white space.
#include <string>
#include <string_view>
#include <vector>

namespace classlib {

std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine);

}  // namespace classlib
