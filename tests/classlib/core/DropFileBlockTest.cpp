// The dropped-files block is read with bounds, whatever its source.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/core/DropFileBlock.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/Utf8.h"
#include "TestFolder.h"

namespace {

using classlib::ParseDropFileBlock;

std::string Header(std::uint32_t namesAt, bool wide) {
  std::string header(classlib::kDropFileHeaderSize, '\0');
  for (int i = 0; i < 4; ++i) header[i] = static_cast<char>((namesAt >> (8 * i)) & 0xFF);
  header[16] = wide ? 1 : 0;
  return header;
}

std::string WideNames(const std::vector<std::wstring>& names) {
  std::string bytes;
  auto put = [&bytes](wchar_t c) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>((c >> 8) & 0xFF);
  };
  for (const std::wstring& name : names) {
    for (wchar_t c : name) put(c);
    put(0);
  }
  put(0);
  return bytes;
}

std::wstring Latin(std::string_view name) { return std::wstring(name.begin(), name.end()); }

TEST(DropFileBlock, WideAndNarrowNamesInDropOrder) {
  const std::vector<std::wstring> names{L"C:\\a\\Łódź.jpg", L"C:\\b.pdf", L"C:\\c.png"};
  EXPECT_EQ(ParseDropFileBlock(Header(20, true) + WideNames(names), Latin), names);
  // The names may start after a larger header.
  EXPECT_EQ(ParseDropFileBlock(Header(24, true) + "xxxx" + WideNames(names), Latin), names);
  const std::string narrow = Header(20, false) + std::string("C:\\x.pdf\0C:\\y.bmp\0\0", 20);
  EXPECT_EQ(ParseDropFileBlock(narrow, Latin), (std::vector<std::wstring>{L"C:\\x.pdf", L"C:\\y.bmp"}));
}

TEST(DropFileBlock, BrokenBlocksGiveOnlyWhatLiesInside) {
  const std::string full = Header(20, true) + WideNames({L"C:\\a.pdf", L"C:\\b.pdf"});
  struct TCase {
    const char* what;
    std::string block;
    std::vector<std::wstring> names;
  };
  const std::vector<TCase> cases{
      {"empty", "", {}},
      {"shorter than the header", full.substr(0, 19), {}},
      {"names offset inside the header", Header(4, true) + WideNames({L"a"}), {}},
      {"names offset past the end", Header(4000, true), {}},
      {"no names", Header(20, true), {}},
      {"second name cut off", full.substr(0, 20 + 18 + 6), {L"C:\\a.pdf"}},
      {"odd byte at the end", full.substr(0, 20 + 17), {}},
      {"narrow name without its zero", Header(20, false) + "C:\\a.pdf", {}},
  };
  for (const TCase& c : cases) EXPECT_EQ(ParseDropFileBlock(c.block, Latin), c.names) << c.what;
}

using WriteNewFileTest = coretest::TestFolder;

TEST_F(WriteNewFileTest, WritesOnlyAFileThatDoesNotExist) {
  const std::wstring file = File(L"Lista.txt");
  EXPECT_TRUE(classlib::WriteNewFile(file, "one\r\n"));
  EXPECT_EQ(classlib::ReadFileBytes(file), "one\r\n");
  EXPECT_FALSE(classlib::WriteNewFile(file, "two\r\n"));
  EXPECT_EQ(classlib::ReadFileBytes(file), "one\r\n");
  EXPECT_FALSE(classlib::WriteNewFile(File(L"brak") + L"/x.txt", "x"));
}

}  // namespace
