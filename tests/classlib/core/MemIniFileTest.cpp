#include <gtest/gtest.h>

#include "FileUtilsScratch.h"
#include "classlib/core/ConvertErrors.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/IniFile.h"
#include "classlib/core/MemIniFile.h"

namespace classlib {
namespace {

using testing::ScratchFolder;

class MemIniFileTest : public ::testing::Test {
 protected:
  std::wstring Name() const { return scratch_.Path(L"Dane.ini"); }
  std::string Bytes() const { return ReadFileBytes(Name()); }

  ScratchFolder scratch_;
};

TEST_F(MemIniFileTest, WritesGoToDiskOnlyWithUpdateFileAndKeepUnknownLines) {
  WriteFileAtomic(Name(), "; uwaga\r\n[Karta]\r\nObcy= zostaje \r\n");
  TMemIniFile data(Name());
  data.WriteInteger(L"Karta", L"KadrujLewo", -12);
  data.WriteString(L"Ogolne", L"Producent", L"  Łódź  ");
  data.WriteBool(L"Ogolne", L"Uzywany", true);
  EXPECT_EQ(Bytes(), "; uwaga\r\n[Karta]\r\nObcy= zostaje \r\n");
  // Reads see the writes held in memory, by the profile rules.
  EXPECT_EQ(data.ReadString(L"karta", L"obcy", L"x"), L"zostaje");
  EXPECT_EQ(data.ReadInteger(L"Karta", L"KadrujLewo", 0), -12);
  EXPECT_TRUE(data.ReadBool(L"Ogolne", L"Uzywany", false));
  data.UpdateFile();
  EXPECT_EQ(Bytes(),
            "; uwaga\r\n[Karta]\r\nObcy= zostaje \r\nKadrujLewo=-12\r\n[Ogolne]\r\nProducent=\xA3\xF3\x64\x9F\r\n"
            "Uzywany=1\r\n");
  // The same rules as the key-by-key file.
  EXPECT_EQ(TIniFile(Name()).ReadString(L"Ogolne", L"Producent", L""), L"Łódź");
}

TEST_F(MemIniFileTest, RefusedWritesLeaveMemoryAndFileAlone) {
  TMemIniFile data(Name());
  data.WriteString(L"Ogolne", L"Model", L"A");
  EXPECT_THROW(data.WriteString(L"Ogolne", L"Model", L"Ωmega"), EEncodingError);
  EXPECT_THROW(data.WriteString(L"Ogolne", L"Model", L"dwie\r\nlinie"), EIniFileException);
  EXPECT_EQ(data.ReadString(L"Ogolne", L"Model", L""), L"A");
  data.UpdateFile();
  EXPECT_EQ(Bytes(), "[Ogolne]\r\nModel=A\r\n");
}

TEST_F(MemIniFileTest, AnInterruptedUpdateLeavesTheOldFileWhole) {
  WriteFileAtomic(Name(), "[Ogolne]\r\nModel=Stary\r\n");
  TMemIniFile data(Name());
  data.WriteString(L"Ogolne", L"Model", L"Nowy");
  SetWriteProgressHook([](std::size_t) { throw EInOutError(L"disk full"); });
  EXPECT_THROW(data.UpdateFile(), EIniFileException);
  SetWriteProgressHook(nullptr);
  EXPECT_EQ(Bytes(), "[Ogolne]\r\nModel=Stary\r\n");
}

}  // namespace
}  // namespace classlib
