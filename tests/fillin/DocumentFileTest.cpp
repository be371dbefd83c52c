// Putting the chosen document in place of the card's document.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/fillin/DocumentFile.h"
#include "classlib/core/FileUtilsPath.h"

namespace {

namespace fs = std::filesystem;

class DocumentFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("a2_document_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::wstring Path(const char* name) const { return classlib::FromFsPath(dir_ / name); }
  void Write(const char* name, const std::string& bytes) const { std::ofstream(dir_ / name, std::ios::binary) << bytes; }
  std::string Read(const char* name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path dir_;
};

TEST_F(DocumentFileTest, TheCopyReplacesTheOldDocument) {
  Write("new.pdf", "%PDF new");
  Write("Dokument.pdf", "%PDF old");
  Write("Dokument.~tm", "stale");
  EXPECT_TRUE(app::ReplaceWithCopy(Path("new.pdf"), Path("Dokument.pdf"), Path("Dokument.~tm")));
  EXPECT_EQ(Read("Dokument.pdf"), "%PDF new");
  EXPECT_EQ(Read("new.pdf"), "%PDF new");
  EXPECT_FALSE(fs::exists(dir_ / "Dokument.~tm"));
}

TEST_F(DocumentFileTest, AFailedCopyKeepsTheOldDocument) {
  Write("Dokument.pdf", "%PDF old");
  // The source vanished.
  EXPECT_FALSE(app::ReplaceWithCopy(Path("gone.pdf"), Path("Dokument.pdf"), Path("Dokument.~tm")));
  EXPECT_EQ(Read("Dokument.pdf"), "%PDF old");
  // The temporary name is taken by a folder: the copy cannot be made.
  Write("new.pdf", "%PDF new");
  fs::create_directory(dir_ / "Dokument.~tm");
  EXPECT_FALSE(app::ReplaceWithCopy(Path("new.pdf"), Path("Dokument.pdf"), Path("Dokument.~tm")));
  EXPECT_EQ(Read("Dokument.pdf"), "%PDF old");
}

TEST_F(DocumentFileTest, SameFileByAnyName) {
  Write("Dokument.pdf", "x");
  Write("other.pdf", "x");
  fs::create_directory(dir_ / "sub");
  EXPECT_TRUE(app::IsSameFile(Path("Dokument.pdf"), Path("Dokument.pdf")));
  EXPECT_TRUE(app::IsSameFile(Path("Dokument.pdf"), classlib::FromFsPath(dir_ / "sub" / ".." / "Dokument.pdf")));
  EXPECT_FALSE(app::IsSameFile(Path("Dokument.pdf"), Path("other.pdf")));
  EXPECT_FALSE(app::IsSameFile(Path("Dokument.pdf"), Path("missing.pdf")));
}

}  // namespace
