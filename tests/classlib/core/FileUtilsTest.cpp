#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "FileUtilsScratch.h"
#include "classlib/core/Exception.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/FileUtilsPath.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace classlib {
namespace {

using testing::ScratchFolder;

TEST(FilePath, TakesNamesApart) {
  struct Case {
    const wchar_t* name;
    const wchar_t* path;
    const wchar_t* file;
    const wchar_t* ext;
  } cases[] = {
      {L"C:\\Karty\\Nurek\\Obraz.jpg", L"C:\\Karty\\Nurek\\", L"Obraz.jpg", L".jpg"},
      {L"/tmp/SCAN.PDF", L"/tmp/", L"SCAN.PDF", L".PDF"},
      {L"archiwum.tar.gz", L"", L"archiwum.tar.gz", L".gz"},
      {L"Karty.d\\Dane", L"Karty.d\\", L"Dane", L""},
      {L"Galeria\\", L"Galeria\\", L"", L""},
      {L"", L"", L"", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
  }
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"Karty"), std::wstring(L"Karty") + PathDelim);
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"Karty\\"), L"Karty\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(L"Karty/"), L"Karty/");
}

TEST(FilePath, ProgramFolderComesFromItsSource) {
  SetProgramFolderSource(nullptr);
  EXPECT_THROW(ProgramFolder(), Exception);
  SetProgramFolderSource([] { return std::wstring(L"C:\\Zegarki"); });
  EXPECT_EQ(ProgramFolder(), std::wstring(L"C:\\Zegarki") + PathDelim);
  SetProgramFolderSource(nullptr);
}

void SetTemp(const wchar_t* value) {
#ifdef _WIN32
  _wputenv_s(L"TEMP", value);  // an empty value removes it
#else
  const std::wstring wide(value);
  if (wide.empty())
    unsetenv("TEMP");
  else
    setenv("TEMP", std::string(wide.begin(), wide.end()).c_str(), 1);
#endif
}

TEST(FilePath, TempFolderIsTheTempVariable) {
  const std::wstring saved = EnvironmentVariable(L"TEMP");
  SetTemp(L"tymczasowe");
  EXPECT_EQ(TempFolder(), std::wstring(L"tymczasowe") + PathDelim);
  SetTemp(saved.c_str());
  EXPECT_EQ(EnvironmentVariable(L"TESSARILO_SURELY_NOT_SET"), L"");
}

class FileUtilsTest : public ::testing::Test {
 protected:
  std::wstring Path(const std::wstring& name) const { return scratch_.Path(name); }
  void Write(const std::wstring& name, std::string_view bytes) { WriteFileAtomic(Path(name), bytes); }

  ScratchFolder scratch_;
};

TEST_F(FileUtilsTest, TellsFilesFromFolders) {
  Write(L"plik.txt", "x");
  ASSERT_TRUE(CreateDir(Path(L"Karty")));
  EXPECT_TRUE(FileExists(Path(L"plik.txt")));
  EXPECT_FALSE(DirectoryExists(Path(L"plik.txt")));
  EXPECT_TRUE(DirectoryExists(Path(L"Karty")));
  EXPECT_TRUE(DirectoryExists(IncludeTrailingPathDelimiter(Path(L"Karty"))));
  EXPECT_FALSE(FileExists(Path(L"Karty")));
  EXPECT_FALSE(FileExists(Path(L"brak")));
  EXPECT_FALSE(DirectoryExists(Path(L"brak")));
  EXPECT_EQ(FileGetAttr(Path(L"brak")), -1);
  EXPECT_NE(FileGetAttr(Path(L"Karty")) & faDirectory, 0);
}

TEST_F(FileUtilsTest, CreateDirMakesOneLevelOnly) {
  const std::wstring nested = Path(L"brak") + PathDelim + L"Karty";
  EXPECT_FALSE(CreateDir(nested));
  EXPECT_FALSE(DirectoryExists(Path(L"brak")));
  EXPECT_TRUE(CreateDir(Path(L"Karty")));
  EXPECT_FALSE(CreateDir(Path(L"Karty")));  // exists already
}

TEST_F(FileUtilsTest, RenameRefusesAnExistingTargetAndKeepsFolderContent) {
  Write(L"a.txt", "A");
  Write(L"b.txt", "B");
  EXPECT_FALSE(RenameFile(Path(L"a.txt"), Path(L"b.txt")));
  EXPECT_EQ(ReadFileBytes(Path(L"a.txt")), "A");
  EXPECT_EQ(ReadFileBytes(Path(L"b.txt")), "B");
  EXPECT_TRUE(RenameFile(Path(L"a.txt"), Path(L"c.txt")));
  EXPECT_FALSE(FileExists(Path(L"a.txt")));
  EXPECT_EQ(ReadFileBytes(Path(L"c.txt")), "A");
  EXPECT_FALSE(RenameFile(Path(L"a.txt"), Path(L"d.txt")));

  ASSERT_TRUE(CreateDir(Path(L"Nurek")));
  Write(L"Nurek" + std::wstring(1, PathDelim) + L"Dane.ini", "[Karta]");
  EXPECT_TRUE(RenameFile(Path(L"Nurek"), Path(L"Pilot")));
  EXPECT_EQ(ReadFileBytes(Path(L"Pilot") + PathDelim + L"Dane.ini"), "[Karta]");
  EXPECT_FALSE(DirectoryExists(Path(L"Nurek")));
}

TEST_F(FileUtilsTest, DeleteCopyAndRemoveDirAffectOnlyWhatTheyMay) {
  Write(L"a.pdf", "PDF");
  ASSERT_TRUE(CreateDir(Path(L"Galeria")));
  const std::wstring copy = Path(L"Galeria") + PathDelim + L"a.pdf";
  EXPECT_TRUE(CopyFileNoOverwrite(Path(L"a.pdf"), copy));
  EXPECT_EQ(ReadFileBytes(copy), "PDF");
  Write(L"a.pdf", "NEW");
  EXPECT_FALSE(CopyFileNoOverwrite(Path(L"a.pdf"), copy));
  EXPECT_EQ(ReadFileBytes(copy), "PDF");
  EXPECT_FALSE(CopyFileNoOverwrite(Path(L"brak.pdf"), Path(L"x.pdf")));

  EXPECT_FALSE(RemoveDir(Path(L"Galeria")));  // not empty
  EXPECT_FALSE(DeleteFileAt(Path(L"Galeria")));  // a folder
  EXPECT_TRUE(DeleteFileAt(copy));
  EXPECT_FALSE(DeleteFileAt(copy));
  EXPECT_FALSE(RemoveDir(Path(L"a.pdf")));  // a file
  EXPECT_TRUE(RemoveDir(Path(L"Galeria")));
  EXPECT_FALSE(DirectoryExists(Path(L"Galeria")));
}

TEST_F(FileUtilsTest, ListsFilesAndFoldersWithAttributesAndSizes) {
  Write(L"Notatki.txt", std::string(1500, 'n'));
  ASSERT_TRUE(CreateDir(Path(L"Galeria")));
  Write(L"Galeria" + std::wstring(1, PathDelim) + L"foto.jpg", "jpg");
  auto entries = ListDirectory(scratch_.Folder());
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, L"Galeria");
  EXPECT_TRUE(entries[0].IsDirectory());
  EXPECT_EQ(entries[1].name, L"Notatki.txt");
  EXPECT_FALSE(entries[1].IsDirectory());
  EXPECT_EQ(entries[1].size, 1500u);
  EXPECT_EQ(ListDirectory(Path(L"Galeria")).size(), 1u);
  EXPECT_TRUE(ListDirectory(Path(L"brak")).empty());
}

TEST_F(FileUtilsTest, PolishNamesSurviveEveryOperation) {
  // Under Wine this needs a UTF-8 host locale (scripts/setup.sh makes one).
  ASSERT_TRUE(CreateDir(Path(L"Łódź")));
  const std::wstring file = Path(L"Łódź") + PathDelim + L"żółw.jpg";
  WriteFileAtomic(file, "jpg");
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(CopyFileNoOverwrite(file, Path(L"Ścieżka.jpg")));
  EXPECT_TRUE(RenameFile(Path(L"Łódź"), Path(L"Żółta karta")));
  const auto entries = ListDirectory(Path(L"Żółta karta"));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, L"żółw.jpg");
  EXPECT_EQ(ReadFileBytes(Path(L"Ścieżka.jpg")), "jpg");
}

#ifdef _WIN32
TEST_F(FileUtilsTest, HiddenAndSystemFoldersAreMarked) {
  ASSERT_TRUE(CreateDir(Path(L"Ukryty")));
  ASSERT_TRUE(CreateDir(Path(L"Systemowy")));
  ASSERT_TRUE(SetFileAttributesW(Path(L"Ukryty").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesW(Path(L"Systemowy").c_str(), FILE_ATTRIBUTE_SYSTEM));
  EXPECT_TRUE(DirectoryExists(Path(L"Ukryty")));
  EXPECT_EQ(FileGetAttr(Path(L"Ukryty")) & (faHidden | faSysFile | faDirectory), faHidden | faDirectory);
  EXPECT_EQ(FileGetAttr(Path(L"Systemowy")) & (faHidden | faSysFile | faDirectory), faSysFile | faDirectory);
  for (const auto& entry : ListDirectory(scratch_.Folder())) {
    if (entry.name == L"Ukryty") {
      EXPECT_EQ(entry.attributes & faHidden, faHidden);
    }
    if (entry.name == L"Systemowy") {
      EXPECT_EQ(entry.attributes & faSysFile, faSysFile);
    }
  }
}
#endif

TEST_F(FileUtilsTest, WholeFilesRoundTripByteForByte) {
  const std::string bytes("a\0b\r\nc\xFF", 7);
  Write(L"dane.bin", bytes);
  EXPECT_EQ(ReadFileBytes(Path(L"dane.bin")), bytes);
  Write(L"dane.bin", "");
  EXPECT_EQ(ReadFileBytes(Path(L"dane.bin")), "");
  std::string ignored;
  EXPECT_FALSE(TryReadFileBytes(Path(L"brak.bin"), ignored));
  EXPECT_FALSE(TryReadFileBytes(scratch_.Folder(), ignored));
  EXPECT_THROW(ReadFileBytes(Path(L"brak.bin")), EInOutError);
  EXPECT_THROW(WriteFileAtomic(Path(L"brak") + PathDelim + L"x.bin", "x"), EInOutError);
}

TEST_F(FileUtilsTest, AFailureInTheMiddleOfAWriteLeavesTheOldFile) {
  Write(L"Dane.ini", "stara zawartość");
  SetWriteProgressHook([](std::size_t written) {
    if (written >= 4096) throw std::runtime_error("disk gone");
  });
  EXPECT_THROW(Write(L"Dane.ini", std::string(10000, 'x')), std::runtime_error);
  SetWriteProgressHook(nullptr);
  EXPECT_EQ(ReadFileBytes(Path(L"Dane.ini")), "stara zawartość");
  const auto entries = ListDirectory(scratch_.Folder());
  ASSERT_EQ(entries.size(), 1u) << "the temporary file stays behind";
  EXPECT_EQ(entries[0].name, L"Dane.ini");

  Write(L"Dane.ini", std::string(10000, 'x'));
  EXPECT_EQ(ReadFileBytes(Path(L"Dane.ini")), std::string(10000, 'x'));
}

}  // namespace
}  // namespace classlib
