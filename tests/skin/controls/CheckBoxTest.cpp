#ifdef _WIN32
// The skinned check box over the program's skin: one toggle per click and
// per space bar, read-only, its check image from the skin's masks, a list
// or its own glyphs, and its automatic size.
#include "SkinnedControlFixture.h"

#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/ImageList.h"
#include "skin/controls/sCheckBox.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin_test {

using namespace classlib;
using skin::TsCheckBox;

class CheckBoxTest : public SkinnedControlFixture {
 protected:
  TsCheckBox* AddBox(const wchar_t* caption = L"Limitacja") {
    auto* box = Add<TsCheckBox>(nullptr, 10, 10, 160, 26);
    box->SetCaption(caption);
    box->HandleNeeded();
    return box;
  }
  // The box's cache painted now.
  TColor BoxPixel(TsCheckBox* box, TPoint inBox) {
    box->PrepareCache();
    const TRect r = box->CheckRect();
    return CachePixel(box->SkinData(), TPoint{r.Left + inBox.X, r.Top + inBox.Y});
  }
  static void Key(TsCheckBox* box, UINT msg) { SendMessageW(box->Handle(), msg, VK_SPACE, msg == WM_KEYUP ? 0xC0390001 : 0x00390001); }
  static void Click(TsCheckBox* box, bool dbl = false) {
    Mouse(box, dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, TPoint{5, 5}, MK_LBUTTON);
    Mouse(box, WM_LBUTTONUP, TPoint{5, 5});
  }
};

TEST(FrameStrip, SquareFramesSideBySideAndTheZeroHeightGlyph) {
  struct Case {
    int w, h, frameWidth, frames;
  } cases[] = {{48, 16, 16, 3}, {40, 16, 40, 1}, {16, 16, 16, 1}, {8, 16, 8, 1}, {48, 0, 0, 0}, {0, 16, 0, 0}};
  for (const Case& c : cases) {
    const skin::TFrameStrip strip = skin::FrameStripOf(c.w, c.h);
    EXPECT_EQ(strip.FrameWidth, c.frameWidth) << c.w << "x" << c.h;
    EXPECT_EQ(strip.Frames, c.frames) << c.w << "x" << c.h;
  }
}

TEST_F(CheckBoxTest, OneToggleForEachClickAndEachSpacePress) {
  TsCheckBox* box = AddBox();
  ShowForm();
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  Click(box);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  // The system window never saw the press, so it adds no click of its own.
  Key(box, WM_KEYDOWN);
  EXPECT_TRUE(box->Pressed());
  Key(box, WM_KEYUP);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 2);
  Click(box);
  Key(box, WM_KEYDOWN);
  Key(box, WM_KEYUP);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 4);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // A picture of the box (the card's screenshot) shows the skinned box.
  box->SetChecked(true);
  const TRect check = box->CheckRect();
  const TPoint fill{check.Left + 12, check.Top + 13};
  EXPECT_EQ(PaintedToPixel(box, fill), CachePixel(box->SkinData(), fill));
  // The focused box is hot: the skin's lighter brass, not the system's box.
  EXPECT_COLOUR_NEAR(PaintedToPixel(box, fill), PaletteColour(palette::kBrassLight), 2);
}

TEST_F(CheckBoxTest, ReadOnlyIgnoresClicksAndSpaceButStillShowsHot) {
  TsCheckBox* box = AddBox();
  ShowForm();
  box->SetReadOnly(true);
  Click(box);
  Click(box, true);
  Key(box, WM_KEYDOWN);
  Key(box, WM_KEYUP);
  EXPECT_FALSE(box->Checked());
  EXPECT_FALSE(box->Pressed());
  box->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(box->SkinData()->FMouseAbove);
  box->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(box->SkinData()->FMouseAbove);
}

TEST_F(CheckBoxTest, SkinMasksGiveTheCheckImageOfEachState) {
  TsCheckBox* box = AddBox();
  const TPoint fill{12, 13};  // inside the rounded box, clear of the tick
  EXPECT_EQ(box->CheckSize().cx, 18);
  EXPECT_EQ(box->CheckSize().cy, 18);
  EXPECT_COLOUR_NEAR(BoxPixel(box, fill), PaletteColour(palette::kField), 2);
  box->SetChecked(true);
  EXPECT_COLOUR_NEAR(BoxPixel(box, fill), PaletteColour(palette::kBrass), 2);
  box->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_COLOUR_NEAR(BoxPixel(box, fill), PaletteColour(palette::kBrassLight), 2);
  box->Perform(CM_MOUSELEAVE, 0, 0);
  box->SetAllowGrayed(true);
  box->SetState(cbGrayed);
  const TColor grayed = BoxPixel(box, TPoint{9, 9});
  EXPECT_TRUE(StrictlyBetween(grayed, PaletteColour(palette::kField), PaletteColour(palette::kBrass), 4))
      << ColourText(grayed);
}

TEST_F(CheckBoxTest, CheckImageStandsLeftOfTheTextOrRightOfIt) {
  TsCheckBox* box = AddBox();
  EXPECT_EQ(box->CheckRect().Left, box->Margin());
  EXPECT_EQ(box->CheckRect().Top, (box->Height() - 18) / 2);
  box->SetAlignment(taLeftJustify);
  EXPECT_EQ(box->CheckRect().Right, box->Width() - box->Margin());
}

TEST_F(CheckBoxTest, WithoutCheckMasksTheBoxAreaStaysEmpty) {
  auto& boxes = manager_->Skin()->ConstData.CheckBox;
  const auto saved = boxes;
  boxes = {-1, -1, -1};
  TsCheckBox* box = AddBox();
  box->SetChecked(true);
  EXPECT_EQ(box->CheckRect(), (TRect{0, 0, 16, 16}));
  box->PrepareCache();
  // The check box section is see-through: the form shows at the box.
  const TColor form = CachePixel(box->SkinData(), TPoint{20, 4});
  for (const TPoint p : {TPoint{2, 2}, TPoint{8, 8}, TPoint{13, 13}})
    EXPECT_COLOUR_NEAR(CachePixel(box->SkinData(), p), form, 2);
  boxes = saved;
}

TEST_F(CheckBoxTest, AutoSizeFollowsCheckSizeMarginsTextAndIndent) {
  TsCheckBox* box = AddBox(L"Zakręcana koronka");
  const TSize text = skin::paint::GetTextSize(box->Font()->Handle(), box->Caption());
  EXPECT_EQ(box->Width(), 18 + 2 * 2 + text.cx + 0 + 8);
  EXPECT_EQ(box->Height(), std::max(18, text.cy + 4) + 2);
  box->SetMargin(6);
  box->SetTextIndent(5);
  EXPECT_EQ(box->Width(), 18 + 2 * 6 + text.cx + 5 + 8);
  EXPECT_EQ(box->Height(), std::max(18, text.cy + 12) + 2);
  box->SetCaption(L"");
  EXPECT_EQ(box->Width(), 18 + 2 * 6);
}

TEST_F(CheckBoxTest, ImageListOfWideImagesGivesThreeFramesByState) {
  TCustomImageList* list = New<TCustomImageList>(form_.get());
  list->SetMasked(false);
  list->SetSize(48, 16);
  const unsigned frames[3] = {0x0000FF, 0x00FF00, 0xFF0000};  // normal, hot, pressed (0xBBGGRR)
  for (int image = 0; image < 2; ++image) {
    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(48, 16);
    for (int f = 0; f < 3; ++f) {
      strip.Canvas()->Brush()->SetColor(static_cast<TColor>(frames[f]));
      strip.Canvas()->FillRect(TRect{f * 16, 0, f * 16 + 16, 16});
    }
    list->Add(&strip, nullptr);
  }
  TsCheckBox* box = AddBox();
  box->SetImages(list);
  box->SetImgChecked(1);
  EXPECT_EQ(box->CheckSize().cx, 16);
  EXPECT_EQ(box->CheckSize().cy, 16);
  EXPECT_COLOUR_NEAR(BoxPixel(box, TPoint{8, 8}), frames[0], 2);
  box->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_COLOUR_NEAR(BoxPixel(box, TPoint{8, 8}), frames[1], 2);
  Mouse(box, WM_LBUTTONDOWN, TPoint{5, 5}, MK_LBUTTON);
  EXPECT_COLOUR_NEAR(BoxPixel(box, TPoint{8, 8}), frames[2], 2);
  Mouse(box, WM_LBUTTONUP, TPoint{5, 5});
  // The list going first leaves no dangling reference.
  delete list;
  EXPECT_EQ(box->Images(), nullptr);
  box->PrepareCache();
}

TEST_F(CheckBoxTest, OwnGlyphsAreUsedAndAZeroHeightGlyphIsNone) {
  TsCheckBox* box = AddBox();
  TBitmap glyph;
  glyph.SetPixelFormat(pf24bit);
  glyph.SetSize(12, 12);
  glyph.Canvas()->Brush()->SetColor(static_cast<TColor>(0x00FFFF));
  glyph.Canvas()->FillRect(TRect{0, 0, 12, 12});
  box->SetGlyphChecked(&glyph);
  box->SetGlyphUnChecked(&glyph);
  EXPECT_EQ(box->CheckSize().cx, 12);
  EXPECT_COLOUR_NEAR(BoxPixel(box, TPoint{6, 6}), 0x00FFFF, 2);
  glyph.SetSize(12, 0);
  box->SetGlyphChecked(&glyph);
  box->SetGlyphUnChecked(&glyph);
  EXPECT_EQ(box->CheckSize().cx, 18);  // the skin's box again
  box->PrepareCache();
}

}  // namespace skin_test
#endif
