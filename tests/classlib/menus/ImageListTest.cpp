#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/core/Filer.h"
#include "classlib/core/Stream.h"
#include "classlib/menus/ImageList.h"

namespace classlib {
namespace {

std::unique_ptr<TBitmap> Solid(int width, int height, TColor color) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->Brush()->SetColor(color);
  bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
  return bitmap;
}

TColor PixelOf(TCustomImageList& list, int index, int x, int y) {
  TBitmap image;
  EXPECT_TRUE(list.GetBitmap(index, &image));
  return image.Canvas()->Pixels(x, y);
}

class ImageListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    list = std::make_unique<TImageList>(nullptr);
    list->SetMasked(false);
    EXPECT_EQ(list->Add(Solid(16, 16, 0x0000FF).get(), nullptr), 0);
    EXPECT_EQ(list->Add(Solid(16, 16, 0x00FF00).get(), nullptr), 1);
  }
  std::unique_ptr<TImageList> list;
};

TEST_F(ImageListFixture, HoldsDrawsAndHandsOutImages) {
  EXPECT_NE(list->Handle(), nullptr);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(PixelOf(*list, 0, 5, 5), 0x0000FF);
  EXPECT_EQ(PixelOf(*list, 1, 5, 5), 0x00FF00);

  auto target = Solid(40, 20, 0xFFFFFF);
  list->Draw(*target->Canvas(), 2, 2, 1);
  list->Draw(*target->Canvas(), 20, 2, 1, false);
  list->Draw(*target->Canvas(), 0, 0, 7);  // outside the list: nothing
  EXPECT_EQ(target->Canvas()->Pixels(8, 8), 0x00FF00);
  EXPECT_EQ(target->Canvas()->Pixels(1, 1), 0xFFFFFF);
  EXPECT_NE(target->Canvas()->Pixels(26, 8), 0x00FF00);  // greyed

  TIcon icon;
  EXPECT_TRUE(list->GetIcon(0, &icon));
  EXPECT_FALSE(icon.Empty());
  EXPECT_FALSE(list->GetIcon(2, &icon));
  TBitmap none;
  EXPECT_FALSE(list->GetBitmap(-1, &none));

  list->Delete(0);
  EXPECT_EQ(list->Count(), 1);
  EXPECT_THROW(list->Delete(5), EImageListError);
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
}

TEST_F(ImageListFixture, ChangeLinksHearEveryChangeUntilTheyGo) {
  int heard = 0;
  TObject* sender = nullptr;
  auto link = std::make_unique<TChangeLink>();
  link->SetOnChange([&](TObject* s) {
    ++heard;
    sender = s;
  });
  list->RegisterChanges(link.get());
  EXPECT_EQ(link->Sender(), list.get());
  list->Add(Solid(16, 16, 0xFF0000).get(), nullptr);
  list->SetBkColor(clWhite);
  EXPECT_EQ(heard, 2);
  EXPECT_EQ(sender, list.get());
  list->UnRegisterChanges(link.get());
  list->Clear();
  EXPECT_EQ(heard, 2);

  // A link freed first unregisters itself; a list freed first lets go of it.
  list->RegisterChanges(link.get());
  link.reset();
  list->Clear();
  auto other = std::make_unique<TChangeLink>();
  list->RegisterChanges(other.get());
  list.reset();
  EXPECT_EQ(other->Sender(), nullptr);
}

TEST_F(ImageListFixture, NewSizeEmptiesAndAssignCopies) {
  TImageList copy(nullptr);
  copy.Assign(list.get());
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_NE(copy.Handle(), list->Handle());
  EXPECT_EQ(PixelOf(copy, 1, 3, 3), 0x00FF00);
  EXPECT_FALSE(copy.Masked());

  list->SetSize(24, 24);
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->Width(), 24);
  EXPECT_EQ(copy.Count(), 2);  // the copy owns its own images
}

TEST_F(ImageListFixture, StoredImagesReadBack) {
  TMemoryStream stream;
  list->WriteData(stream);
  ASSERT_GT(stream.Size(), 0);
  stream.SetPosition(0);
  TImageList loaded(nullptr);
  loaded.ReadData(stream);
  EXPECT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.Width(), 16);
  EXPECT_EQ(PixelOf(loaded, 0, 8, 8), 0x0000FF);

  TMemoryStream garbage;
  garbage.WriteBuffer("not an image list", 17);
  garbage.SetPosition(0);
  EXPECT_THROW(loaded.ReadData(garbage), EImageListError);
}

// Captures the binary "Bitmap" property a list defines.
class TCaptureFiler : public TFiler {
 public:
  void DefineProperty(const std::wstring&, TFormValueReader, TFormValueWriter, bool) override {}
  void DefineBinaryProperty(const std::wstring& name, TStreamProc read, TStreamProc write, bool hasData) override {
    Name = name;
    Read = std::move(read);
    Write = std::move(write);
    HasData = hasData;
  }
  std::wstring Name;
  TStreamProc Read, Write;
  bool HasData = false;
};

// A descendant that keeps its images elsewhere and stores "Bitmap" empty.
class TOwnDataList : public TImageList {
 public:
  using TImageList::TImageList;
  void ReadData(TStream&) override { ++reads; }
  void WriteData(TStream&) override { ++writes; }
  int reads = 0, writes = 0;
};

TEST(ImageListStorage, BitmapPropertyGoesThroughTheVirtualReadAndWrite) {
  TOwnDataList list(nullptr);
  TCaptureFiler empty;
  list.DefineProperties(empty);
  EXPECT_EQ(empty.Name, L"Bitmap");
  EXPECT_FALSE(empty.HasData);

  list.AddIcon(nullptr);
  auto bitmap = Solid(16, 16, 0x123456);
  list.Add(bitmap.get(), nullptr);
  TCaptureFiler filer;
  list.DefineProperties(filer);
  EXPECT_TRUE(filer.HasData);
  TMemoryStream stream;
  filer.Write(stream);
  filer.Read(stream);
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(list.writes, 1);
  EXPECT_EQ(list.reads, 1);
}

}  // namespace
}  // namespace classlib
#endif
