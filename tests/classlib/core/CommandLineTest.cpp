// Command lines split by the system's rules: program names, blanks, quotes
// and backslashes.
#include <gtest/gtest.h>

#include "classlib/core/CommandLine.h"

namespace {

using classlib::SplitCommandLine;
using Args = std::vector<std::wstring>;

TEST(CommandLineTest, SplitsByTheSystemsRules) {
  const struct {
    const wchar_t* line;
    Args expected;
  } cases[] = {
      {L"", {L""}},
      {L"prog.exe", {L"prog.exe"}},
      {L"\"C:\\Program Files\\t.exe\" /acver", {L"C:\\Program Files\\t.exe", L"/acver"}},
      {L"C:\\a\\t.exe  \t a\tb  ", {L"C:\\a\\t.exe", L"a", L"b"}},
      {L"p \"a b\" c\" d\"e", {L"p", L"a b", L"c de"}},
      {L"p \"\" x", {L"p", L"", L"x"}},
      {L"p \"a\"\"b\"", {L"p", L"a\"b"}},
      {L"p \"a\"\"\"b\" c", {L"p", L"a\"b", L"c"}},  // "" closes the quoted part
      {L"p \"\"\"a", {L"p", L"\"a"}},
      {L"p a\\\\b \\\"q\\\" a\\\\\\\"b a\\\\\"b c\"", {L"p", L"a\\\\b", L"\"q\"", L"a\\\"b", L"a\\b c"}},
      {L"p \"unterminated arg", {L"p", L"unterminated arg"}},
      {L"\"unterminated name", {L"unterminated name"}},
      {L"\"C:\\dir\\\"x y", {L"C:\\dir\\", L"x", L"y"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.expected) << testing::PrintToString(std::wstring(c.line));
}

}  // namespace
