// The list files' text: code pages, line ends and the default contents.
#include <gtest/gtest.h>

#include "app/fillin/PickList.h"

namespace {

using app::PickListLines;
using Lines = std::vector<std::wstring>;

TEST(PickList, LinesAreTrimmedAndEmptyOnesLeftOut) {
  // Code page 1250: 0xB3 'ł', 0xF3 'ó', 0x9F 'ź'.
  EXPECT_EQ(PickListLines("  Data \r\n\r\n\tGMT\t\r\n   \r\nFazy Ksi\xea\xbfyca"),
            (Lines{L"Data", L"GMT", L"Fazy Księżyca"}));
  EXPECT_EQ(PickListLines("\xb3\xf3\x9f"), (Lines{L"łóź"}));
  EXPECT_TRUE(PickListLines("").empty());
  EXPECT_TRUE(PickListLines("\r\n\r\n").empty());
}

TEST(PickList, LinesEndAtCrLfOrCrLf) {
  EXPECT_EQ(PickListLines("a\rb\nc\r\nd\n\re"), (Lines{L"a", L"b", L"c", L"d", L"e"}));
}

TEST(PickList, AUtf8ByteOrderMarkMeansUtf8) {
  EXPECT_EQ(PickListLines("\xEF\xBB\xBF#Zegarmistrz \xC5\x81\xC3\xB3" "d\xC5\xBA\r\nKaliber"),
            (Lines{L"#Zegarmistrz Łódź", L"Kaliber"}));
}

TEST(PickList, DefaultFilesByteForByte) {
  EXPECT_EQ(app::PickListBytes(app::DefaultComplications()), "Komplikacja 1\r\nKomplikacja 2\r\nKomplikacja 3\r\n");
  std::string mechanisms;
  for (const char* maker : {"#ETA", "#/Sellita", "#/Ronda", "-", "#/Seiko", "#/Miyota", "#/Seagull"}) {
    mechanisms += std::string(maker) + "\r\n";
    if (maker[0] == '-') continue;
    mechanisms += "Mechanizm 1\r\nMechanizm 2\r\nMechanizm 3\r\n";
  }
  EXPECT_EQ(app::PickListBytes(app::DefaultMechanisms()), mechanisms);
  EXPECT_EQ(app::DefaultMechanisms().size(), 25u);
  // Written and read back, the lines are the same.
  EXPECT_EQ(PickListLines(app::PickListBytes(app::DefaultMechanisms())), app::DefaultMechanisms());
}

}  // namespace
