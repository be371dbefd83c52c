#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "classlib/core/FileStream.h"
#include "classlib/core/ResourceStream.h"
#include "classlib/core/Stream.h"
#include "TestFolder.h"

using namespace classlib;

namespace {

void Fill(TMemoryStream& m, const std::string& bytes) {
  m.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  m.SetPosition(0);
}

TEST(Stream, ReadBufferRaisesOnAShortRead) {
  TMemoryStream m;
  m.WriteBuffer("abcde", 5);
  m.SetPosition(3);
  char buffer[4] = {};
  EXPECT_EQ(m.Read(buffer, 4), 2);  // a plain read just returns less
  m.SetPosition(3);
  try {
    m.ReadBuffer(buffer, 4);
    ADD_FAILURE();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), L"Stream read error");
  }
  m.SetPosition(10);  // beyond the end: nothing to read
  EXPECT_EQ(m.Read(buffer, 1), 0);
}

TEST(Stream, MemoryStreamSeeksGrowsAndShrinks) {
  TMemoryStream m;
  m.SetPosition(4);
  m.WriteBuffer("x", 1);  // the gap is filled with zeros
  EXPECT_EQ(m.Size(), 5);
  EXPECT_EQ(m.Memory()[0], 0);
  EXPECT_EQ(m.Seek(-2, TSeekOrigin::soEnd), 3);
  EXPECT_EQ(m.Seek(-10, TSeekOrigin::soCurrent), 0);
  m.SetPosition(5);
  m.SetSize(2);
  EXPECT_EQ(m.Position(), 2);
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
}

TEST(Stream, CopyFromCopiesACountOrTheWholeSource) {
  TMemoryStream source;
  Fill(source, "0123456789");
  source.SetPosition(2);
  TMemoryStream dest;
  EXPECT_EQ(dest.CopyFrom(source, 3), 3);
  EXPECT_EQ(std::string(dest.Bytes().begin(), dest.Bytes().end()), "234");
  EXPECT_EQ(dest.CopyFrom(source, 0), 10);  // 0: the whole source from its start
  EXPECT_EQ(dest.Size(), 13);
  source.SetPosition(8);
  EXPECT_THROW(dest.CopyFrom(source, 5), EReadError);
}

class FileStreamTest : public coretest::TestFolder {};

TEST_F(FileStreamTest, WritesReadsAndResizesAFile) {
  const std::wstring file = File(L"Zegarki.bin");
  {
    TFileStream s(file, fmCreate);
    s.WriteBuffer("hello", 5);
    s.SetPosition(0);
    char c = 0;
    s.ReadBuffer(&c, 1);  // read after write on the same stream
    EXPECT_EQ(c, 'h');
    s.WriteBuffer("E", 1);
    EXPECT_EQ(s.Size(), 5);
  }
  EXPECT_TRUE(Exists(file));
  {
    TFileStream s(file, fmOpenReadWrite);
    s.Seek(0, TSeekOrigin::soEnd);
    s.WriteBuffer("!", 1);
    s.SetSize(3);
    EXPECT_EQ(s.Size(), 3);
  }
  TMemoryStream m;
  m.LoadFromFile(file);
  EXPECT_EQ(std::string(m.Bytes().begin(), m.Bytes().end()), "hEl");
  TFileStream readOnly(file, fmOpenRead);
  char buffer[8];
  EXPECT_THROW(readOnly.ReadBuffer(buffer, 8), EReadError);
  EXPECT_THROW(readOnly.WriteBuffer("x", 1), EWriteError);
}

TEST_F(FileStreamTest, OpensFilesByWidePolishNames) {
  const std::wstring file = File(L"Łódź żółw.bin");
  {
    TFileStream s(file, fmCreate);
    s.WriteBuffer("ok", 2);
  }
  EXPECT_TRUE(Exists(file));
  TFileStream s(file, fmOpenRead);
  EXPECT_EQ(s.Size(), 2);
}

TEST_F(FileStreamTest, OpenAndCreateErrorsNameTheFile) {
  const std::wstring missing = File(L"brak.bin");
  try {
    TFileStream s(missing, fmOpenRead);
    ADD_FAILURE();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), L"Cannot open file \"" + missing + L"\"");
  }
  const std::wstring nowhere = File(L"nie ma") + L"/plik.bin";
  try {
    TFileStream s(nowhere, fmCreate);
    ADD_FAILURE();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), L"Cannot create file \"" + nowhere + L"\"");
  }
}

TEST(ResourceStream, OpensThroughTheInstalledOpener) {
  SetResourceOpener(nullptr);
  EXPECT_THROW(OpenResourceStream(L"TFORM1"), EResNotFound);
  SetResourceOpener([](const std::wstring& name) -> std::unique_ptr<TStream> {
    if (name != L"TFORM1") return nullptr;
    auto m = std::make_unique<TMemoryStream>();
    m->WriteBuffer("object", 6);
    return m;
  });
  EXPECT_EQ(OpenResourceStream(L"TFORM1")->Size(), 6);
  try {
    OpenResourceStream(L"ACGL");
    ADD_FAILURE();
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), L"Resource ACGL not found");
  }
  SetResourceOpener(nullptr);
}

}  // namespace
