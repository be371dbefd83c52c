#include "skin/core/IniSections.h"

#include <gtest/gtest.h>

namespace {

using classlib::TStringList;

// Parses `text` into a case-sensitive sections list, as the skin manager does.
class IniSectionsTest : public ::testing::Test {
 protected:
  void Parse(const std::wstring& text) {
    TStringList lines;
    lines.SetText(text);
    sections_.SetCaseSensitive(true);
    skin::ParseIniSections(lines, sections_);
  }
  ~IniSectionsTest() override { skin::FreeIniSections(sections_); }

  const classlib::TStrings& Section(int i) const { return *static_cast<TStringList*>(sections_.Objects(i)); }

  TStringList sections_;
};

TEST_F(IniSectionsTest, SplitsLinesIntoSectionsSkippingCommentsAndStrayKeys) {
  Parse(L"STRAY=1\r\n[BUTTON]\r\n;comment\r\n\r\nCOLOR=255\r\n[EDIT]\r\nCOLOR=0\r\nTRANSPARENCY=50\r\n");
  ASSERT_EQ(sections_.Count(), 2);
  EXPECT_EQ(sections_.Strings(0), L"BUTTON");
  EXPECT_EQ(sections_.Strings(1), L"EDIT");
  EXPECT_EQ(Section(0).Text(), L"COLOR=255\r\n");
  EXPECT_EQ(Section(1).Count(), 2);
  // The key before every header belongs to no section.
  EXPECT_EQ(skin::ReadIniString(sections_, L"BUTTON", L"STRAY", L"none"), L"none");
  EXPECT_EQ(skin::ReadIniString(sections_, L"EDIT", L"STRAY", L"none"), L"none");
}

TEST_F(IniSectionsTest, ParsingAgainReplacesTheEarlierSections) {
  Parse(L"[A]\r\nX=1\r\n");
  Parse(L"[B]\r\nX=2\r\n");  // the lists of [A] are freed (the leak checker watches)
  ASSERT_EQ(sections_.Count(), 1);
  EXPECT_EQ(skin::ReadIniString(sections_, L"B", L"X", L""), L"2");
}

TEST_F(IniSectionsTest, ReadsStringsBySectionCaseSensitivelyAndKeysIgnoringCase) {
  Parse(L"[FORM]\r\nTitle=a=b\r\nEmpty=\r\n");
  EXPECT_EQ(skin::ReadIniString(sections_, L"FORM", L"TITLE", L"d"), L"a=b");
  EXPECT_EQ(skin::ReadIniString(sections_, L"FORM", L"Empty", L"d"), L"");
  EXPECT_EQ(skin::ReadIniString(sections_, L"form", L"Title", L"d"), L"d");
  EXPECT_EQ(skin::ReadIniString(sections_, L"FORM", L"Missing", L"d"), L"d");
}

TEST_F(IniSectionsTest, ReadsIntegersDecimalAndHexadecimal) {
  Parse(L"[S]\r\nHEX=0x1F\r\nHEXUP=0X1f\r\nBARE=0x\r\nMIXED=12ab\r\nDOLLAR=$10\r\nNEG=-7\r\nEMPTY=\r\n");
  const struct {
    const wchar_t* key;
    int expected;
  } cases[] = {{L"HEX", 31},    {L"HEXUP", 31}, {L"BARE", -5},  {L"MIXED", -5},
               {L"DOLLAR", 16}, {L"NEG", -7},   {L"EMPTY", -5}, {L"MISSING", -5}};
  for (const auto& c : cases)
    EXPECT_EQ(skin::ReadIniInteger(sections_, L"S", c.key, -5), c.expected) << c.key;
}

}  // namespace
