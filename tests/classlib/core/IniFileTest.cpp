#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "FileUtilsScratch.h"
#include "classlib/core/ConvertErrors.h"
#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/IniFile.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace classlib {
namespace {

using testing::ScratchFolder;

class IniFileTest : public ::testing::Test {
 protected:
  std::wstring Name() const { return scratch_.Path(L"Dane.ini"); }
  void Store(std::string_view bytes) const { WriteFileAtomic(Name(), bytes); }
  std::string Bytes() const { return ReadFileBytes(Name()); }

  ScratchFolder scratch_;
};

// One row per rule of reading a profile file.
struct ReadRule {
  const char* rule;
  std::string file;  // code page 1250 bytes
  enum { String, Integer, Boolean } read;
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* defaultValue;  // text, or an integer / "1"/"0" as text
  std::wstring expected;
};

const ReadRule kReadRules[] = {
    {"leading and trailing blanks go", "[S]\r\nK=  padded value \t\r\n", ReadRule::String, L"S", L"K", L"", L"padded value"},
    {"blanks around the key go", "[S]\r\n  K  = v\r\n", ReadRule::String, L"S", L"K", L"", L"v"},
    {"matching double quotes go", "[S]\r\nK= \"  x  \" \r\n", ReadRule::String, L"S", L"K", L"", L"  x  "},
    {"matching single quotes go", "[S]\r\nK='x'\r\n", ReadRule::String, L"S", L"K", L"", L"x"},
    {"unmatched quotes stay", "[S]\r\nK=\"x'\r\n", ReadRule::String, L"S", L"K", L"", L"\"x'"},
    {"a lone quote stays", "[S]\r\nK=\"\r\n", ReadRule::String, L"S", L"K", L"", L"\""},
    {"reads stop at 2047 characters", "[S]\r\nK=" + std::string(3000, 'a') + "\r\n", ReadRule::String, L"S", L"K", L"", std::wstring(2047, L'a')},
    {"an absent text is the default", "[S]\r\n", ReadRule::String, L"S", L"K", L"brak", L"brak"},
    {"an empty value is not absent", "[S]\r\nK=\r\n", ReadRule::String, L"S", L"K", L"brak", L""},
    {"sections and keys ignore case", "[karta]\r\nkadrujlewo=-5\r\n", ReadRule::Integer, L"Karta", L"KadrujLewo", L"0", L"-5"},
    {"Polish names ignore case too", "[\xA3\xF3\x64\x9F]\r\nK=1\r\n", ReadRule::Integer, L"ŁÓDŹ", L"k", L"0", L"1"},
    {"integers are decimal", "[S]\r\nK= 42 \r\n", ReadRule::Integer, L"S", L"K", L"0", L"42"},
    {"0x is hexadecimal", "[S]\r\nK=0x1F\r\n", ReadRule::Integer, L"S", L"K", L"0", L"31"},
    {"0X is hexadecimal", "[S]\r\nK=0X1f\r\n", ReadRule::Integer, L"S", L"K", L"0", L"31"},
    {"a bare 0x gives the default", "[S]\r\nK=0x\r\n", ReadRule::Integer, L"S", L"K", L"5", L"5"},
    {"trailing letters give the default", "[S]\r\nK=12abc\r\n", ReadRule::Integer, L"S", L"K", L"5", L"5"},
    {"an empty integer gives the default", "[S]\r\nK=\r\n", ReadRule::Integer, L"S", L"K", L"5", L"5"},
    {"an absent integer gives the default", "[S]\r\n", ReadRule::Integer, L"S", L"K", L"0", L"0"},
    {"Boolean 1 is true", "[S]\r\nK=1\r\n", ReadRule::Boolean, L"S", L"K", L"0", L"1"},
    {"Boolean 0 is false", "[S]\r\nK=0\r\n", ReadRule::Boolean, L"S", L"K", L"1", L"0"},
    {"any non-zero Boolean is true", "[S]\r\nK=-2\r\n", ReadRule::Boolean, L"S", L"K", L"0", L"1"},
    {"a hexadecimal Boolean", "[S]\r\nK=0x10\r\n", ReadRule::Boolean, L"S", L"K", L"0", L"1"},
    {"a Boolean word gives the default", "[S]\r\nK=true\r\n", ReadRule::Boolean, L"S", L"K", L"0", L"0"},
    {"an absent Boolean gives false", "", ReadRule::Boolean, L"S", L"K", L"0", L"0"},
    {"keys before any section are ignored", "K=1\r\n[S]\r\nL=2\r\n", ReadRule::Integer, L"S", L"K", L"7", L"7"},
    {"lines without = are ignored", "[S]\r\nK\r\ngarbage\r\nK=3\r\n", ReadRule::Integer, L"S", L"K", L"7", L"3"},
    {"a broken header is ignored", "[S]\r\n[broken\r\nK=3\r\n", ReadRule::Integer, L"S", L"K", L"7", L"3"},
    {"comments are ignored", "[S]\r\n;K=1\r\nK=2\r\n", ReadRule::Integer, L"S", L"K", L"7", L"2"},
    {"the first of two keys wins", "[S]\r\nK=1\r\nK=2\r\n", ReadRule::Integer, L"S", L"K", L"7", L"1"},
    {"a section named twice reads as one", "[S]\r\nA=1\r\n[T]\r\n[s]\r\nK=4\r\n", ReadRule::Integer, L"S", L"K", L"7", L"4"},
    {"LF and CR line ends", "[S]\nA=1\rK=5\n", ReadRule::Integer, L"S", L"K", L"7", L"5"},
    {"values are code page 1250", "[S]\r\nK=\xA3\xF3\x64\x9F\r\n", ReadRule::String, L"S", L"K", L"", L"Łódź"},
};

TEST_F(IniFileTest, ReadsByTheRulesOfProfileFiles) {
  for (const auto& row : kReadRules) {
    Store(row.file);
    const TIniFile ini(Name());
    std::wstring got;
    switch (row.read) {
      case ReadRule::String:
        got = ini.ReadString(row.section, row.key, row.defaultValue);
        break;
      case ReadRule::Integer:
        got = IntToStr(ini.ReadInteger(row.section, row.key, StrToIntStrict(row.defaultValue)));
        break;
      case ReadRule::Boolean:
        got = ini.ReadBool(row.section, row.key, StrToIntStrict(row.defaultValue) != 0) ? L"1" : L"0";
        break;
    }
    EXPECT_EQ(got, row.expected) << row.rule;
  }
}

TEST_F(IniFileTest, AMissingFileGivesDefaultsAndIsNotCreatedByReads) {
  const TIniFile ini(scratch_.Path(L"Ustawienia.ini"));
  EXPECT_TRUE(ini.ReadBool(L"Ustawienia", L"PrzypominajSerwis", true));
  EXPECT_EQ(ini.ReadInteger(L"Ustawienia", L"CzasSerwisu", 5), 5);
  EXPECT_EQ(ini.ReadString(L"Ustawienia", L"X", L""), L"");
  EXPECT_FALSE(ini.SectionExists(L"Ustawienia"));
  EXPECT_FALSE(FileExists(ini.FileName()));
}

TEST_F(IniFileTest, WritesDecimalsOnesAndZerosWithoutTrailingBlanks) {
  TIniFile ini(Name());
  ini.WriteInteger(L"Karta", L"KadrujLewo", -37);
  ini.WriteString(L"Karta", L"UtworzenieKarty", L"07.03.2025 09:05:04 ");
  ini.WriteBool(L"Ogolne", L"Limitacja", true);
  ini.WriteBool(L"Ogolne", L"Uzywany", false);
  ini.WriteString(L"Ogolne", L"Producent", L"  Seiko  ");
  EXPECT_EQ(Bytes(),
            "[Karta]\r\nKadrujLewo=-37\r\nUtworzenieKarty=07.03.2025 09:05:04\r\n"
            "[Ogolne]\r\nLimitacja=1\r\nUzywany=0\r\nProducent=Seiko\r\n");
  ini.WriteInteger(L"karta", L"KADRUJLEWO", 0);  // replaces, keeps the stored spelling
  EXPECT_EQ(ini.ReadInteger(L"Karta", L"KadrujLewo", 9), 0);
  EXPECT_NE(Bytes().find("KadrujLewo=0\r\n"), std::string::npos);
}

TEST_F(IniFileTest, KeepsUnknownLinesInPlaceAndInOrder) {
  Store("; notatka\n\x9C" "mie\xE6 bez sekcji\n[Inna]\nX = 1\n\n[Ogolne]\nNieznany=a\nProducent=Omega\nStary=b\n\n"
        "; koniec\n[Koperta]\nZ=9\n");
  TIniFile ini(Name());
  ini.WriteString(L"Ogolne", L"Producent", L"Seiko");
  ini.WriteString(L"Ogolne", L"Model", L"SKX007");
  ini.WriteString(L"Mechanizm", L"Typ", L"Automatyczny");
  EXPECT_EQ(Bytes(),
            "; notatka\r\n\x9C" "mie\xE6 bez sekcji\r\n[Inna]\r\nX = 1\r\n\r\n[Ogolne]\r\nNieznany=a\r\n"
            "Producent=Seiko\r\nStary=b\r\nModel=SKX007\r\n\r\n; koniec\r\n[Koperta]\r\nZ=9\r\n"
            "[Mechanizm]\r\nTyp=Automatyczny\r\n");
}

TEST_F(IniFileTest, ListsErasesAndDeletes) {
  Store("[Karta]\r\nA=1\r\nB=\r\n[Pusta]\r\n[Ogolne]\r\nC=3\r\n[karta]\r\nD=4\r\n");
  TIniFile ini(Name());
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::wstring>{L"Karta", L"Pusta", L"Ogolne"}));
  EXPECT_EQ(ini.ReadSection(L"KARTA"), (std::vector<std::wstring>{L"A", L"B", L"D"}));
  EXPECT_TRUE(ini.SectionExists(L"Karta"));
  EXPECT_FALSE(ini.SectionExists(L"Pusta"));  // no keys
  EXPECT_TRUE(ini.ValueExists(L"Karta", L"B"));
  EXPECT_FALSE(ini.ValueExists(L"Karta", L"C"));

  ini.DeleteKey(L"Karta", L"a");
  EXPECT_FALSE(ini.ValueExists(L"Karta", L"A"));
  ini.EraseSection(L"KARTA");  // both parts of it
  EXPECT_EQ(Bytes(), "[Pusta]\r\n[Ogolne]\r\nC=3\r\n");
  ini.UpdateFile();
  EXPECT_EQ(Bytes(), "[Pusta]\r\n[Ogolne]\r\nC=3\r\n");
}

TEST_F(IniFileTest, RefusesTextsThatWouldCorruptTheFileAndLeavesItAlone) {
  Store("[Ogolne]\r\nModel=SKX007\r\n");
  TIniFile ini(Name());
  EXPECT_THROW(ini.WriteString(L"Ogolne", L"Model", L"時計"), EEncodingError);
  EXPECT_THROW(ini.WriteString(L"Ogolne", L"Model", L"a\r\nInny=1"), EIniFileException);
  EXPECT_THROW(ini.WriteString(L"Ogolne", L"Mo=del", L"x"), EIniFileException);
  EXPECT_THROW(ini.WriteString(L"Og]olne", L"Model", L"x"), EIniFileException);
  EXPECT_THROW(ini.WriteString(L"Ogolne", L"", L"x"), EIniFileException);
  EXPECT_EQ(Bytes(), "[Ogolne]\r\nModel=SKX007\r\n");
}

TEST_F(IniFileTest, AFailedWriteLeavesTheWholeOldCard) {
  const std::string old = "[Ogolne]\r\nModel=" + std::string(5000, 'm') + "\r\n";
  Store(old);
  TIniFile ini(Name());
  SetWriteProgressHook([](std::size_t written) {
    if (written >= 4096) throw std::runtime_error("power cut");
  });
  EXPECT_THROW(ini.WriteString(L"Ogolne", L"Producent", L"Seiko"), std::runtime_error);
  SetWriteProgressHook(nullptr);
  EXPECT_EQ(Bytes(), old);

  TIniFile nowhere(scratch_.Path(L"brak") + PathDelim + L"Dane.ini");
  EXPECT_THROW(nowhere.WriteBool(L"S", L"K", true), EIniFileException);
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNeverReplaced) {
  ASSERT_TRUE(CreateDir(Name()));  // a folder where the file should be
  TIniFile ini(Name());
  EXPECT_EQ(ini.ReadInteger(L"S", L"K", 7), 7);
  EXPECT_THROW(ini.WriteInteger(L"S", L"K", 1), EIniFileException);
  EXPECT_TRUE(DirectoryExists(Name()));

#ifdef _WIN32
  // Another program holds the card open, letting others replace it but not
  // read it: replacing it with the new key alone would lose the card.
  const std::wstring locked = scratch_.Path(L"Zablokowany.ini");
  WriteFileAtomic(locked, "[S]\r\nA=1\r\n");
  const HANDLE handle =
      CreateFileW(locked.c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  EXPECT_THROW(TIniFile(locked).WriteInteger(L"S", L"K", 1), EIniFileException);
  CloseHandle(handle);
  EXPECT_EQ(ReadFileBytes(locked), "[S]\r\nA=1\r\n");
#endif
}

// Also registered to run in a process whose ANSI code page is not 1250:
// the bytes must not depend on it.
TEST(IniPolish, PolishTextRoundTripsByteExactInCodePage1250) {
#ifdef _WIN32
  if (const char* expected = std::getenv("TESSARILO_EXPECT_ACP")) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
  }
#endif
  ScratchFolder scratch;
  const std::wstring name = scratch.Path(L"Dane.ini");
  const std::wstring text = L"Łódź, żółw, Ścieżka";
  TIniFile(name).WriteString(L"Ogolne", L"Producent", text);
  EXPECT_EQ(ReadFileBytes(name), "[Ogolne]\r\nProducent=\xA3\xF3\x64\x9F, \xBF\xF3\xB3w, \x8C\x63ie\xBFka\r\n");
  EXPECT_EQ(TIniFile(name).ReadString(L"Ogolne", L"Producent", L""), text);
}

}  // namespace
}  // namespace classlib
