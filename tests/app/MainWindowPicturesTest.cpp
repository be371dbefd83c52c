#ifdef _WIN32
// The pictures stored in the main window's description reach their controls.
#include <gtest/gtest.h>
#include <windows.h>

#include "AppTestFolder.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/PngGraphic_Gdi.h"
#include "skin/core/PackedSkin.h"

namespace app_test {

using namespace classlib;

using MainWindowPicturesTest = AppTestFolder;

TEST_F(MainWindowPicturesTest, ListsGlyphAndWelcomePictureComeFromTheDescription) {
  app::TForm1& form = Form();
  // The document button's four states and the menus' nineteen icons, each
  // kept as its file and shown in the list's own size.
  struct TList {
    skin::TsAlphaImageList* list;
    int count, size;
  };
  for (const TList& c : {TList{form.sAlphaImageList1, 4, 24}, TList{form.sAlphaImageList2, 19, 16}}) {
    EXPECT_EQ(c.list->Count(), c.count);
    ASSERT_EQ(c.list->Items()->Count(), c.count);
    for (int i = 0; i < c.count; ++i) {
      EXPECT_EQ(c.list->Items()->Items(i)->OrigWidth(), c.size) << i;
      EXPECT_EQ(c.list->Items()->Items(i)->OrigHeight(), c.size) << i;
    }
  }
  EXPECT_EQ(form.sBitBtn6->Images(), form.sAlphaImageList1);

  const TBitmap* glyph = form.sBitBtn1->Glyph();
  EXPECT_EQ(glyph->Width(), 32);
  EXPECT_EQ(glyph->Height(), 32);
  EXPECT_EQ(glyph->PixelFormat(), pf32bit);

  // The welcome picture: 256 x 256 with its alpha, at the top left of its box.
  auto* welcome = dynamic_cast<skin::TPNGGraphic*>(form.Image2->Picture()->Graphic());
  ASSERT_NE(welcome, nullptr);
  EXPECT_EQ(welcome->Width(), 256);
  EXPECT_EQ(welcome->Height(), 256);
  ASSERT_EQ(welcome->PixelFormat(), pf32bit);
  EXPECT_EQ(welcome->ScanLine(0)[3], 0);
  EXPECT_EQ(welcome->ScanLine(128)[128 * 4 + 3], 255);
}

TEST_F(MainWindowPicturesTest, TheInternalSkinIsStoredPackedUnderItsName) {
  skin::TsSkinManager& manager = *Form().sSkinManager1;
  ASSERT_EQ(manager.InternalSkins()->Count(), 1);
  const int index = manager.InternalSkins()->IndexOf(manager.SkinName());
  ASSERT_EQ(index, 0);
  skin::TsStoredSkin& stored = *manager.InternalSkins()->Items(index);
  auto convertor = std::make_unique<skin::TacSkinConvertor>();
  convertor->BorrowSource(&stored.Data());
  skin::ReadPackedSkin(convertor);
  ASSERT_NE(convertor->Options, nullptr);
  EXPECT_GT(convertor->Options->Size(), 0);
  EXPECT_GE(convertor->ImageCount, 1);  // the master bitmap at least
  skin::ClearPackedSkin(*convertor);
}

}  // namespace app_test
#endif
