#ifdef _WIN32
// The skinned edit over the program's skin: the interior and frame from the
// cache, the system's own painting while focused, the password mask, a
// custom font colour (the name field's error mark), the bound label and
// printing.
#include "SkinnedControlFixture.h"

#include "skin/controls/sEdit.h"
#include "skin/paint/BitmapGlyph.h"

namespace skin_test {

using namespace classlib;
using skin::TsEdit;

class EditTest : public SkinnedControlFixture {
 protected:
  TsEdit* AddEdit(int top = 10) {
    auto* edit = Add<TsEdit>(nullptr, 20, top, 160, 28);
    edit->HandleNeeded();
    return edit;
  }
  static TColor FramePixel(TsEdit* edit, TPoint p) {
    SendMessageW(edit->Handle(), WM_NCPAINT, 1, 0);
    HDC dc = GetWindowDC(edit->Handle());
    const COLORREF c = GetPixel(dc, p.X, p.Y);
    ReleaseDC(edit->Handle(), dc);
    return static_cast<TColor>(c);
  }
  // Pixels of the cache that differ from the interior colour.
  static int TextPixels(TsEdit* edit, TColor colour, int tolerance = 40) {
    int count = 0;
    TBitmap* cache = edit->SkinData()->CacheBmp();
    for (int y = 0; y < cache->Height(); ++y)
      for (int x = 0; x < cache->Width(); ++x)
        if (ChannelDistance(CachePixel(edit->SkinData(), TPoint{x, y}), colour) <= tolerance) ++count;
    return count;
  }
};

TEST_F(EditTest, UnfocusedInteriorAndFrameComeFromTheSkin) {
  TsEdit* edit = AddEdit();
  ShowForm();
  const TColor field = PaletteColour(palette::kField);
  EXPECT_EQ(ColorToRGB(edit->Color()), field);
  EXPECT_EQ(edit->TextColor(), PaletteColour(palette::kText));
  const TPoint inside{edit->ClientWidth() / 2, edit->ClientHeight() / 2};
  EXPECT_COLOUR_NEAR(WindowPixel(edit, inside), field, 2);
  // The frame covers the whole non-client ring of a client-edge edit.
  EXPECT_EQ(edit->FrameWidth(), 2);
  for (const TPoint p : {TPoint{0, 14}, TPoint{1, 14}, TPoint{80, 1}})
    EXPECT_EQ(FramePixel(edit, p), CachePixel(edit->SkinData(), p)) << p.X << "," << p.Y;
}

TEST_F(EditTest, FocusedTheSystemPaintsInSkinColoursInsideTheCachedFrame) {
  TsEdit* edit = AddEdit();
  edit->SetText(L"Omega");
  ShowForm();
  edit->SetFocus();
  EXPECT_TRUE(edit->SkinData()->IsHot());
  const TPoint inside{edit->ClientWidth() - 4, edit->ClientHeight() / 2};
  EXPECT_COLOUR_NEAR(WindowPixel(edit, inside), ColorToRGB(edit->Color()), 2);
  EXPECT_EQ(FramePixel(edit, TPoint{1, 14}), CachePixel(edit->SkinData(), TPoint{1, 14}));
  form_->SetFocus();
  edit->Perform(CM_EXIT, 0, 0);
  EXPECT_FALSE(edit->SkinData()->IsHot());
}

TEST_F(EditTest, PasswordPaintsOneMaskCharacterPerCharacter) {
  TsEdit* secret = AddEdit(10);
  secret->SetPasswordChar(L'*');
  secret->SetText(L"abc");
  TsEdit* plain = AddEdit(50);
  plain->SetText(L"***");
  secret->PrepareCache();
  plain->PrepareCache();
  const TColor text = PaletteColour(palette::kText);
  EXPECT_GT(TextPixels(secret, text), 0);
  for (int y = 0; y < 28; ++y)
    for (int x = 0; x < 160; ++x)
      ASSERT_EQ(CachePixel(secret->SkinData(), TPoint{x, y}), CachePixel(plain->SkinData(), TPoint{x, y}))
          << x << "," << y;
}

TEST_F(EditTest, CustomFontShowsTheOwnColourUntilItIsTurnedOff) {
  TsEdit* edit = AddEdit();
  const TColor orange = 0x0080FF;
  edit->SetText(L"!");
  edit->SkinData()->SetCustomFont(true);
  edit->Font()->SetColor(orange);
  edit->PrepareCache();
  EXPECT_GT(TextPixels(edit, orange, 30), 0);
  edit->SkinData()->SetCustomFont(false);
  EXPECT_EQ(edit->TextColor(), PaletteColour(palette::kText));
  edit->PrepareCache();
  EXPECT_EQ(TextPixels(edit, orange, 30), 0);
}

TEST_F(EditTest, DisabledBlendedEditKeepsItsLabelEnabled) {
  TsEdit* edit = AddEdit(60);
  edit->BoundLabel()->SetActive(true);
  ASSERT_NE(edit->BoundLabel()->Label(), nullptr);
  edit->SetEnabled(false);
  EXPECT_TRUE(edit->BoundLabel()->Label()->Enabled());
  edit->SetEnabled(true);
  edit->SetDisabledKind(skin::paint::dgGrayed);
  edit->SetEnabled(false);
  EXPECT_FALSE(edit->BoundLabel()->Label()->Enabled());
  // Disabled, the interior is mixed with what lies behind the edit.
  edit->SetDisabledKind(skin::paint::dgBlended);
  edit->PrepareCache();
  const TColor mixed = CachePixel(edit->SkinData(), TPoint{80, 14});
  EXPECT_NE(mixed, PaletteColour(palette::kField));
}

TEST_F(EditTest, PrintingLeavesTheCallersOriginAndClipAlone) {
  TsEdit* edit = AddEdit();
  edit->SetText(L"Seamaster");
  ShowForm();
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 300, 100);
  HGDIOBJ old = SelectObject(dc, bmp);
  SetViewportOrgEx(dc, 7, 9, nullptr);
  IntersectClipRect(dc, 0, 0, 200, 60);
  RECT before;
  GetClipBox(dc, &before);
  SendMessageW(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT);
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  RECT after;
  GetClipBox(dc, &after);
  EXPECT_EQ(origin.x, 7);
  EXPECT_EQ(origin.y, 9);
  EXPECT_TRUE(EqualRect(&before, &after));
  // A picture of the edit shows its skinned frame.
  EXPECT_EQ(PaintedToPixel(edit, TPoint{1, 14}), CachePixel(edit->SkinData(), TPoint{1, 14}));
  // The frame was printed at the caller's place.
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, 1, 14)), CachePixel(edit->SkinData(), TPoint{1, 14}));
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace skin_test
#endif
