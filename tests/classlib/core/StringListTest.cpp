#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "classlib/core/Collation.h"
#include "classlib/core/FileStream.h"
#include "classlib/core/Stream.h"
#include "classlib/core/Strings.h"
#include "TestFolder.h"

using namespace classlib;

namespace {

std::vector<std::wstring> Lines(const TStrings& list) {
  std::vector<std::wstring> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
  return lines;
}

TEST(StringList, SortedListsFollowPolishAlphabeticalOrder) {
  TStringList list;
  list.SetSorted(true);
  for (const wchar_t* s : {L"Żaba", L"zebra", L"Łódź", L"lublin", L"ala", L"Ćma", L"Cyrk", L"ósemka", L"Oko", L"Źródło"})
    list.Add(s);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"ala", L"Cyrk", L"Ćma", L"lublin", L"Łódź", L"Oko", L"ósemka",
                                                    L"zebra", L"Źródło", L"Żaba"}));
  EXPECT_EQ(list.IndexOf(L"ŁÓDŹ"), 4);  // case-insensitive, Polish letters too
  EXPECT_EQ(CollateText(L"łódź", L"ŁÓDŹ"), 0);
  EXPECT_LT(CollateText(L"ab", L"abc"), 0);
}

TEST(StringList, DuplicatesInASortedList) {
  TStringList list;
  list.SetSorted(true);
  list.Add(L"ala");
  EXPECT_EQ(list.Add(L"ALA"), 0);  // dupIgnore: the line already there
  EXPECT_EQ(list.Count(), 1);
  list.SetDuplicates(TDuplicates::dupError);
  try {
    list.Add(L"Ala");
    ADD_FAILURE();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), L"String list does not allow duplicates");
  }
  list.SetDuplicates(TDuplicates::dupAccept);
  list.Add(L"Ala");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_THROW(list.Insert(0, L"x"), EListError);
}

TEST(StringList, CaseSensitiveListsTellCaseApart) {
  TStringList list;
  list.SetCaseSensitive(true);
  list.SetSorted(true);
  list.Add(L"TButton");
  list.Add(L"tbutton");
  list.Add(L"TEdit");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.IndexOf(L"TBUTTON"), -1);
  EXPECT_GE(list.IndexOf(L"tbutton"), 0);
  EXPECT_EQ(list.Strings(2), L"TEdit");  // still alphabetical first
}

TEST(StringList, EditingAndIndexErrors) {
  TStringList list;
  int object = 0;
  list.Add(L"b");
  list.AddObject(L"a", reinterpret_cast<TObject*>(&object));
  list.Insert(0, L"c");
  list.Exchange(0, 2);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"a", L"b", L"c"}));
  EXPECT_EQ(list.Objects(0), reinterpret_cast<TObject*>(&object));
  EXPECT_EQ(list.IndexOfObject(reinterpret_cast<TObject*>(&object)), 0);
  list.Delete(1);
  EXPECT_EQ(list.IndexOf(L"C"), 1);
  try {
    list.Strings(2);
    ADD_FAILURE();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), L"List index out of bounds (2)");
  }
  EXPECT_THROW(list.Delete(-1), EListError);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.SetText(L"Klucz=wartość\r\nInny=1=2\r\nbez");
  EXPECT_EQ(list.Values(L"klucz"), L"wartość");
  EXPECT_EQ(list.Values(L"Inny"), L"1=2");
  EXPECT_EQ(list.Names(2), L"");
  EXPECT_EQ(list.IndexOfName(L"bez"), -1);
  list.SetValues(L"Nowy", L"x");
  EXPECT_EQ(list.Strings(3), L"Nowy=x");
  list.SetValues(L"Klucz", L"");
  EXPECT_EQ(list.IndexOfName(L"Klucz"), -1);
}

TEST(StringList, TextSplitsAtEveryKindOfLineBreak) {
  struct Case {
    const wchar_t* text;
    std::vector<std::wstring> lines;
  } cases[] = {
      {L"", {}},
      {L"a", {L"a"}},
      {L"a\r\nb", {L"a", L"b"}},
      {L"a\nb\n", {L"a", L"b"}},
      {L"a\rb\r", {L"a", L"b"}},
      {L"a\r\n\r\nb", {L"a", L"", L"b"}},
      {L"a\n\r\nb\r\rc", {L"a", L"", L"b", L"", L"c"}},
      {L"\r\n", {L""}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetText(c.text);
    EXPECT_EQ(Lines(list), c.lines) << list.Count();
  }
  TStringList list;
  list.SetText(L"a\n\nb");
  EXPECT_EQ(list.Text(), L"a\r\n\r\nb\r\n");  // every line ends in CR LF, so empty lines survive
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
  TStringList list;
  list.Add(L"plain");
  list.Add(L"with space");
  list.Add(L"a,b");
  list.Add(L"say \"hi\"");
  list.Add(L"");
  const std::wstring text = list.CommaText();
  EXPECT_EQ(text, L"plain,\"with space\",\"a,b\",\"say \"\"hi\"\"\",\"\"");
  TStringList back;
  back.SetCommaText(text);
  EXPECT_EQ(Lines(back), Lines(list));
  back.SetCommaText(L" x , y ,");
  EXPECT_EQ(Lines(back), (std::vector<std::wstring>{L"x", L"y", L""}));
}

TEST(StringList, ChangeEventsWaitForTheOutermostEndUpdate) {
  TStringList list;
  int changes = 0, changing = 0;
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  list.OnChanging = [&](TObject*) { ++changing; };
  list.Add(L"a");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(changing, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add(L"b");
  list.SetText(L"x\ny");
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(changing, 2);
}

class StringListFiles : public coretest::TestFolder {
 protected:
  void WriteBytes(const std::wstring& file, const std::string& bytes) const {
    TFileStream s(file, fmCreate);
    s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  }
  std::string ReadBytes(const std::wstring& file) const {
    TMemoryStream m;
    m.LoadFromFile(file);
    return std::string(m.Bytes().begin(), m.Bytes().end());
  }
};

TEST_F(StringListFiles, LoadsCodePage1250WithAnyLineBreakAndSavesCrLf) {
  // "Łódź, żółw, Ścieżka" in code page 1250, lines split by CR LF, LF and CR.
  const std::string cp1250 = "\xA3\xF3" "d\x9F, \xBF\xF3\xB3w\r\n\x8C" "cie\xBFka\nEnd\rx";
  const std::wstring file = File(L"Listy.txt");
  WriteBytes(file, cp1250);
  TStringList list;
  list.LoadFromFile(file);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"Łódź, żółw", L"Ścieżka", L"End", L"x"}));

  bool lossy = true;
  list.SaveToFile(file, &lossy);
  EXPECT_FALSE(lossy);
  EXPECT_EQ(ReadBytes(file), "\xA3\xF3" "d\x9F, \xBF\xF3\xB3w\r\n\x8C" "cie\xBFka\r\nEnd\r\nx\r\n");
}

TEST_F(StringListFiles, Utf8ByteOrderMarkSwitchesToUtf8) {
  const std::wstring file = File(L"bom.txt");
  WriteBytes(file, "\xEF\xBB\xBF\xC5\x81\xC3\xB3" "d\xC5\xBA\r\nb");
  TStringList list;
  list.LoadFromFile(file);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"Łódź", L"b"}));
}

TEST_F(StringListFiles, SavingReportsCharactersTheCodePageLacks) {
  TStringList list;
  list.Add(L"zegarek \u263A");
  bool lossy = false;
  TMemoryStream stream;
  list.SaveToStream(stream, &lossy);
  EXPECT_TRUE(lossy);
}

TEST_F(StringListFiles, MissingFileRaisesOpenError) {
  TStringList list;
  EXPECT_THROW(list.LoadFromFile(File(L"nie ma.txt")), EFOpenError);
}

}  // namespace
