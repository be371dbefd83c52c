#include "skin/core/PackedSkin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "classlib/core/FileUtilsPath.h"
#include "skin/core/ZDecompressionStream.h"
#include "tests/skin/core/PackedSkinBytes.h"
#include "tools/skinpack/PackedSkinWriter.h"

namespace {

using classlib::TMemoryStream;
using skin::TacSkinConvertor;
using namespace skintest;

const Bytes kOptions = Text("[GLOBALINFO]\r\nVERSION=8.0\r\n");

std::unique_ptr<TacSkinConvertor> ConvertorOver(const Bytes& data) {
  auto source = std::make_unique<TMemoryStream>();
  source->WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  auto convertor = std::make_unique<TacSkinConvertor>();
  convertor->SetSource(std::move(source));
  return convertor;
}

std::unique_ptr<TacSkinConvertor> Read(const Bytes& data) {
  auto convertor = ConvertorOver(data);
  skin::ReadPackedSkin(convertor);
  return convertor;
}

// The message of the exception reading `data` raises ("" when none).
std::wstring ReadError(const Bytes& data) {
  auto convertor = ConvertorOver(data);
  try {
    skin::ReadPackedSkin(convertor);
  } catch (const classlib::Exception& error) {
    return error.Message();
  }
  return L"";
}

TEST(PackedSkin, SplitsOptionsFromImagesKeepingNamesAndOrder) {
  const Bytes master = Noise(3000), glyph = Text("not really a picture");
  auto convertor = Read(Container(5, {Entry("MASTER.Bmp", master), Entry("oPTIONS.DAT", kOptions),
                                      Entry("glyph.bmp.png", glyph), Entry("sub\\IMG.BMP", Text("b")),
                                      Entry("NOEXT", Text("c"))}));
  ASSERT_NE(convertor, nullptr);
  EXPECT_EQ(convertor->Options->Bytes(), kOptions);
  ASSERT_EQ(convertor->ImageCount, 4);
  ASSERT_EQ(convertor->Images.size(), 4u);
  const std::pair<const wchar_t*, bool> expected[] = {
      {L"MASTER.Bmp", true}, {L"glyph.bmp.png", false}, {L"sub\\IMG.BMP", true}, {L"NOEXT", false}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(convertor->Images[i].Name, expected[i].first);
    EXPECT_EQ(convertor->Images[i].IsBitmap, expected[i].second) << i;
    EXPECT_EQ(convertor->Images[i].Data->Position(), convertor->Images[i].Data->Size());
  }
  EXPECT_EQ(convertor->Images[0].Data->Bytes(), master);
  EXPECT_EQ(convertor->Images[1].Data->Bytes(), glyph);
}

TEST(PackedSkin, OptionsAloneMeansNoImages) {
  auto convertor = Read(Container(1, {Entry("Options.dat", kOptions)}));
  EXPECT_EQ(convertor->ImageCount, 0);
  EXPECT_TRUE(convertor->Images.empty());
  EXPECT_EQ(convertor->Options->Bytes(), kOptions);
}

// Declared size 0 is an empty body, not "copy everything".
TEST(PackedSkin, EmptyEntryIsAnEmptyBody) {
  auto convertor = Read(Container(2, {Entry("EMPTY.BMP", Bytes{}), Entry("Options.dat", kOptions)}));
  ASSERT_EQ(convertor->Images.size(), 1u);
  EXPECT_EQ(convertor->Images[0].Data->Size(), 0);
  EXPECT_EQ(convertor->Options->Bytes(), kOptions);
}

TEST(PackedSkin, OtherDataIsNotAPackedSkinAndFreesTheConvertor) {
  for (const Bytes& data : {Container(1, {Entry("Options.dat", kOptions)}), Text("ASz"), Bytes{}}) {
    Bytes wrong = data;
    if (wrong.size() >= 4) wrong[0] = 'a';  // the signature's case matters
    auto convertor = ConvertorOver(wrong);
    try {
      skin::ReadPackedSkin(convertor);
      FAIL() << "no error";
    } catch (const classlib::Exception& error) {
      EXPECT_EQ(error.Message(), L"Loaded data is not a packed DarudOdero skin file");
    }
    EXPECT_EQ(convertor, nullptr);
  }
}

// The trailer of a stream may lie beyond the 64 KiB read-ahead that produced
// its last byte; the next entry must still start right after it. Stored
// (level 0) bodies of these sizes put the trailer across that boundary.
TEST(PackedSkin, NextEntryStartsAfterATrailerBeyondTheReadAhead) {
  const Bytes options = Noise(100, 3);
  for (size_t size = 65520; size <= 65540; ++size) {
    const Bytes first = Noise(size);
    auto convertor = Read(Container(2, {Entry("A.BMP", first, 0), Entry("Options.dat", options)}));
    ASSERT_EQ(convertor->Images.size(), 1u);
    EXPECT_EQ(convertor->Images[0].Data->Bytes(), first) << size;
    EXPECT_EQ(convertor->Options->Bytes(), options) << size;
  }
}

// A crafted container must end in a clear error, never in a crash or a hang.
TEST(PackedSkin, DamagedContainersAreRejected) {
  const Bytes options = Entry("Options.dat", kOptions);
  const Bytes stream = Zlib(kOptions);
  Bytes corrupt = stream;
  corrupt[6] ^= 0x55;
  const Bytes cut(stream.begin(), stream.end() - 6);
  const struct {
    const char* what;
    Bytes data;
    std::wstring message;
  } cases[] = {
      {"no entries", Container(0, {}), L"cannot hold 0 entries"},
      {"negative count", Container(-1, {options}), L"cannot hold -1 entries"},
      {"count beyond the data", Container(1000, {options}), L"cannot hold 1000 entries"},
      {"negative name length", Container(1, {Cat({Int32(-5), Int32(0), stream})}), L"length of -5"},
      {"name of 1 KiB", Container(1, {Entry(std::string(1024, 'n'), kOptions)}), L"length of 1024"},
      {"name beyond the data", Container(1, {Cat({Int32(40), Text("Options.dat"), Bytes(8, 0)})}), L"length of 40"},
      {"negative size", Container(1, {Entry("Options.dat", -1, stream)}), L"impossible size of -1"},
      {"size of 64 MiB", Container(1, {Entry("Options.dat", 64 << 20, stream)}), L"impossible size"},
      {"size above the stream's", Container(1, {Entry("Options.dat", 100, stream)}), L"Stream read error"},
      {"size below the stream's", Container(1, {Entry("Options.dat", 10, stream)}), L"declared 10 bytes"},
      {"corrupt stream", Container(1, {Entry("Options.dat", 26, corrupt)}), L"data error"},
      {"stream cut short", Container(1, {Entry("Options.dat", 26, cut)}), L"declared 26 bytes"},
      {"no Options.dat", Container(1, {Entry("A.BMP", kOptions)}), L"no \"Options.dat\""},
      {"two Options.dat", Container(2, {options, Entry("OPTIONS.DAT", kOptions)}), L"\"Options.dat\" twice"},
      {"count above the entries", Container(2, {options, Bytes(20, 0)}), L""},
  };
  for (const auto& c : cases) {
    const std::wstring message = ReadError(c.data);
    EXPECT_FALSE(message.empty()) << c.what;
    EXPECT_NE(message.find(c.message), std::wstring::npos) << c.what << ": " << classlib::Exception(message).what();
  }
}

TEST(PackedSkin, FailureKeepsTheEntriesReadSoFarCounted) {
  auto convertor = ConvertorOver(Container(3, {Entry("A.BMP", Text("a")), Entry("B.BMP", Text("b")), Bytes(16, 0xFF)}));
  EXPECT_THROW(skin::ReadPackedSkin(convertor), classlib::Exception);
  ASSERT_NE(convertor, nullptr);
  EXPECT_EQ(convertor->Images.size(), 2u);
  EXPECT_EQ(convertor->ImageCount, 2);
}

// An internal skin lends its stored data: reading and clearing must not free it.
TEST(PackedSkin, BorrowedSourceIsOnlyForgotten) {
  TMemoryStream stored;
  const Bytes data = Container(2, {Entry("Options.dat", kOptions), Entry("A.BMP", Text("a"))});
  stored.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  auto convertor = std::make_unique<TacSkinConvertor>();
  convertor->BorrowSource(&stored);
  skin::ReadPackedSkin(convertor);
  skin::ClearPackedSkin(*convertor);
  EXPECT_EQ(convertor->Source(), nullptr);
  EXPECT_EQ(convertor->Options, nullptr);
  EXPECT_TRUE(convertor->Images.empty());
  EXPECT_EQ(convertor->ImageCount, 1);  // clearing leaves the count alone
  EXPECT_EQ(stored.Size(), static_cast<int64_t>(data.size()));
}

class PackedSkinFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() / (std::string("s2a_") + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "skin");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::wstring Name(const char* file) const { return classlib::FromFsPath(dir_ / file); }

  std::filesystem::path dir_;
};

// The packer writes what the reader reads: a folder packed and read back.
TEST_F(PackedSkinFiles, PackedFolderReadsBack) {
  const Bytes master = Cat({Noise(100000), Bytes(100000, 0x40)});
  WriteFile(dir_ / "skin" / "Options.dat", kOptions);
  WriteFile(dir_ / "skin" / "MASTER.BMP", master);
  WriteFile(dir_ / "skin" / "BACK.JPG", Noise(500));
  std::filesystem::create_directories(dir_ / "skin" / "sub");
  WriteFile(dir_ / "skin.asz", skinpack::PackEntries(skinpack::ReadSkinFolder(dir_ / "skin")));

  std::unique_ptr<TacSkinConvertor> convertor;
  skin::LoadPackedSkinFile(Name("skin.asz"), convertor, true);
  ASSERT_NE(convertor, nullptr);
  EXPECT_EQ(convertor->Source(), nullptr);
  EXPECT_EQ(convertor->Options->Bytes(), kOptions);
  ASSERT_EQ(convertor->ImageCount, 2);
  EXPECT_EQ(convertor->Images[0].Name, L"BACK.JPG");
  EXPECT_EQ(convertor->Images[1].Name, L"MASTER.BMP");
  EXPECT_EQ(convertor->Images[1].Data->Bytes(), master);

  // Loading again into the same convertor replaces what it held; a missing
  // file leaves it as it was.
  skin::LoadPackedSkinFile(Name("skin.asz"), convertor, false);
  EXPECT_EQ(convertor->ImageCount, 2);
  EXPECT_NE(convertor->Source(), nullptr);
  TacSkinConvertor* before = convertor.get();
  skin::LoadPackedSkinFile(Name("missing.asz"), convertor, true);
  EXPECT_EQ(convertor.get(), before);
  EXPECT_EQ(convertor->ImageCount, 2);
  EXPECT_NE(convertor->Source(), nullptr);
}

TEST_F(PackedSkinFiles, PackerRefusesAFolderWithoutOptions) {
  WriteFile(dir_ / "skin" / "MASTER.BMP", Noise(10));
  EXPECT_THROW(skinpack::ReadSkinFolder(dir_ / "skin"), skinpack::PackError);
}

}  // namespace
