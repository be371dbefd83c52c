#include <gtest/gtest.h>

#include "classlib/core/ConvertErrors.h"
#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/FormatSettings.h"

namespace classlib {
namespace {

TEST(ConvertInteger, AcceptsDecimalAndHexadecimalForms) {
  struct Case {
    const wchar_t* text;
    int value;
  } cases[] = {
      {L"12", 12},          {L"  12", 12},       {L"-7", -7},          {L"+5", 5},
      {L"0x1F", 31},        {L"0X1f", 31},       {L"$1F", 31},         {L"0xFFFFFFFF", -1},
      {L"2147483647", 2147483647}, {L"-2147483648", -2147483647 - 1}, {L"007", 7},
  };
  for (const auto& c : cases) {
    int value = 0;
    EXPECT_TRUE(TryStrToInt(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(ConvertInteger, RejectsEverythingElse) {
  for (const wchar_t* text : {L"", L" ", L"0x", L"$", L"12abc", L"12 ", L"2147483648", L"-2147483649",
                              L"0x100000000", L"1.5", L"abc", L"0x1G", L"--1", L"- 1"}) {
    int value = 99;
    EXPECT_FALSE(TryStrToInt(text, value)) << text;
    EXPECT_EQ(value, 99) << text;
    EXPECT_EQ(StrToIntDef(text, -3), -3) << text;
  }
}

TEST(ConvertInteger, StrToIntNamesTheBadText) {
  try {
    StrToIntStrict(L"12x");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'12x' is not a valid integer value");
  }
  EXPECT_EQ(IntToStr(-1234567890123LL), L"-1234567890123");
}

class ConvertFloat : public ::testing::Test {
 protected:
  void TearDown() override { SetDecimalSeparator(L','); }
};

TEST_F(ConvertFloat, ParsesWithTheGivenSeparatorOnly) {
  struct Case {
    const wchar_t* text;
    wchar_t separator;
    bool ok;
    double value;
  } cases[] = {
      {L"3,5", L',', true, 3.5},     {L" -0,25 ", L',', true, -0.25}, {L"1e3", L',', true, 1000},
      {L"1,5E-2", L',', true, 0.015}, {L",5", L',', true, 0.5},       {L"5,", L',', true, 5},
      {L"3.5", L'.', true, 3.5},     {L"3.5", L',', false, 0},        {L"3,5", L'.', false, 0},
      {L"1,2,3", L',', false, 0},    {L"", L',', false, 0},           {L",", L',', false, 0},
      {L"e5", L',', false, 0},       {L"1e", L',', false, 0},         {L"1 000", L',', false, 0},
      {L"abc", L',', false, 0},      {L"1e999", L',', false, 0},      {L"38,5mm", L',', false, 0},
  };
  for (const auto& c : cases) {
    double value = -99;
    EXPECT_EQ(TryStrToFloat(c.text, value, c.separator), c.ok) << c.text;
    EXPECT_DOUBLE_EQ(value, c.ok ? c.value : -99) << c.text;
  }
}

TEST_F(ConvertFloat, EitherSeparatorAcceptsPointAndComma) {
  double value = 0;
  EXPECT_TRUE(TryStrToFloatEitherSeparator(L"38.5", value));
  EXPECT_DOUBLE_EQ(value, 38.5);
  EXPECT_TRUE(TryStrToFloatEitherSeparator(L"38,5", value));
  EXPECT_DOUBLE_EQ(value, 38.5);
  EXPECT_FALSE(TryStrToFloatEitherSeparator(L"1.000,5", value));
}

TEST_F(ConvertFloat, DefaultSeparatorComesFromTheSettings) {
  double value = 0;
  EXPECT_TRUE(TryStrToFloat(L"2,5", value));
  SetDecimalSeparator(L'.');
  EXPECT_FALSE(TryStrToFloat(L"2,5", value));
  EXPECT_DOUBLE_EQ(StrToFloat(L"2.5"), 2.5);
  try {
    StrToFloat(L"2,5");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'2,5' is not a valid floating point value");
  }
}

TEST(ConvertText, TrimsBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(L"\t a b \r\n"), L"a b");
  EXPECT_EQ(TrimLeft(L"  a "), L"a ");
  EXPECT_EQ(TrimRight(L"  a "), L"  a");
  EXPECT_EQ(Trim(L"   "), L"");
}

TEST(ConvertText, CaseMappingCoversPolishLettersOnlyInTheAnsiForms) {
  EXPECT_EQ(AnsiUpperCase(L"łódź, żółw, ścieżka ąęńĺŕ"), L"ŁÓDŹ, ŻÓŁW, ŚCIEŻKA ĄĘŃĹŔ");
  EXPECT_EQ(AnsiLowerCase(L"ŁÓDŹ, ŻÓŁW, ŚCIEŻKA ĄĘŃĹŔ"), L"łódź, żółw, ścieżka ąęńĺŕ");
  EXPECT_EQ(AnsiUpperCase(L"ß×÷ÿ"), L"ß×÷Ÿ");
  EXPECT_EQ(UpperCase(L"łx"), L"łX");
  EXPECT_EQ(LowerCase(L"ŁX"), L"Łx");
}

TEST(ConvertText, ComparesIgnoringCase) {
  EXPECT_TRUE(SameText(L"Karta", L"KARTA"));
  EXPECT_FALSE(SameText(L"Łódź", L"ŁÓDŹ"));
  EXPECT_TRUE(AnsiSameText(L"Łódź", L"ŁÓDŹ"));
  EXPECT_FALSE(AnsiSameText(L"Łódź", L"Lodz"));
  EXPECT_EQ(CompareText(L"abc", L"ABD"), -1);
  EXPECT_EQ(CompareText(L"abc", L"AB"), 1);
  EXPECT_EQ(CompareText(L"", L""), 0);
}

TEST(ConvertText, StrictCodePageConversionRefusesWhatItCannotHold) {
  EXPECT_EQ(WideToCp1250Strict(L"€ł"), "\x80\xB3");
  try {
    WideToCp1250Strict(L"zegarek \u65E5");
    FAIL() << "no exception";
  } catch (const EEncodingError& e) {
    EXPECT_NE(e.Message().find(L"\"\u65E5\""), std::wstring::npos) << e.what();
  }
}

}  // namespace
}  // namespace classlib
