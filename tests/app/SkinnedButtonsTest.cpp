#ifdef _WIN32
// The main window's skinned buttons in the program's own skin: the document
// button's glyphs, "Raport" held down and the page tabs.
#include <gtest/gtest.h>

#include <cstdlib>

#include "AppTestFolder.h"
#include "classlib/controls/Application.h"
#include "png/PngObject.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "tests/skin/controls/SkinnedControlColours.h"

namespace app_test {

using namespace classlib;
using namespace skin_test;

// The control's cache, made now (the form is not shown), at P.
TColor CachedPixel(TControl* control, skin::TsCommonData* skinData, TPoint p) {
  skin::PerformSkinCommand(control, skin::scPrepareCache, 0);
  return PaletteColour(skin::paint::GetBmpPixel32(skinData->CacheBmp(), p.X, p.Y) & 0xFFFFFF);
}

// A point inside the face, left of a centred caption.
TPoint Inner(TControl* control, skin::TsCommonData* skinData) {
  const skin::TsMaskData* mask = skinData->BorderMask();
  return TPoint{(mask ? mask->WL : 2) + 2, control->Height() / 2};
}

class SkinnedButtonsTest : public AppTestFolder {
 protected:
  app::TForm1& FormOnCard() {
    MakeCard(L"Alfa");
    app::TForm1& form = Form();
    Pick(L"Alfa");
    return form;
  }
};

TEST_F(SkinnedButtonsTest, TheDocumentButtonShowsEachOfItsFourGlyphs) {
  app::TForm1& form = FormOnCard();
  skin::TsBitBtn* button = form.sBitBtn6;
  auto* list = dynamic_cast<skin::TsAlphaImageList*>(button->Images());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Count(), 4);
  ASSERT_TRUE(button->SkinData()->Skinned(false));
  std::vector<std::vector<TColor>> shown;
  for (int index = 0; index < 4; ++index) {
    SCOPED_TRACE(index);
    button->SetImageIndex(index);
    TBitmap image;
    ASSERT_TRUE(list->GetBitmap32(index, &image));
    skin::PerformSkinCommand(button, skin::scPrepareCache, 0);
    const TRect r = button->GlyphRect();
    ASSERT_EQ(r.Width(), image.Width());
    // Every opaque pixel of the image shows as it is.
    std::vector<TColor> pixels;
    int opaque = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) {
        const std::uint32_t argb = reinterpret_cast<const std::uint32_t*>(image.ScanLine(y))[x];
        const TColor cached = PaletteColour(skin::paint::GetBmpPixel32(button->SkinData()->CacheBmp(), r.Left + x, r.Top + y) & 0xFFFFFF);
        pixels.push_back(cached);
        if (argb >> 24 != 255) continue;
        ++opaque;
        EXPECT_LE(ChannelDistance(cached, PaletteColour(argb & 0xFFFFFF)), 2) << x << "," << y;
      }
    EXPECT_GT(opaque, 20);
    shown.push_back(pixels);
  }
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j) EXPECT_NE(shown[i], shown[j]) << i << " " << j;
}

TEST_F(SkinnedButtonsTest, RaportStaysPressedWhileItsReportIsShown) {
  app::TForm1& form = FormOnCard();
  skin::TsBitBtn* raport = form.sBitBtn11;
  ASSERT_EQ(raport->Caption(), L"Raport");
  const TPoint inner = Inner(raport, raport->SkinData());
  const TColor normal = CachedPixel(raport, raport->SkinData(), inner);
  EXPECT_TRUE(ChannelsBetween(normal, PaletteColour(palette::kButtonTop), PaletteColour(palette::kButtonBottom)))
      << ColourText(normal);
  raport->Click();
  ASSERT_TRUE(raport->Down());
  EXPECT_EQ(raport->CurrentState(), skin::kButtonPressed);
  const TColor pressed = CachedPixel(raport, raport->SkinData(), inner);
  EXPECT_TRUE(ChannelsBetween(pressed, PaletteColour(palette::kButtonDownTop), PaletteColour(palette::kButtonDownBottom)))
      << ColourText(pressed);
  raport->Click();
  EXPECT_FALSE(raport->Down());
  EXPECT_EQ(CachedPixel(raport, raport->SkinData(), inner), normal);
}

TEST_F(SkinnedButtonsTest, ExactlyOneTabIsPressedAfterEachTabClick) {
  app::TForm1& form = FormOnCard();
  skin::TsButton* tabs[] = {form.sButton1, form.sButton2, form.sButton3, form.sButton4};
  for (skin::TsButton* tab : tabs) ASSERT_EQ(tab->SkinData()->SkinSection(), L"TABTOP");
  for (skin::TsButton* clicked : {form.sButton3, form.sButton1, form.sButton4, form.sButton2, form.sButton2}) {
    SCOPED_TRACE(clicked->Tag());
    clicked->Click();
    for (skin::TsButton* tab : tabs) {
      const bool pressed = tab == clicked;
      EXPECT_EQ(tab->CurrentState() == skin::kButtonPressed, pressed) << tab->Tag();
      const TColor face = CachedPixel(tab, tab->SkinData(), Inner(tab, tab->SkinData()));
      EXPECT_EQ(face, PaletteColour(pressed ? palette::kPanel : palette::kPanelLow)) << tab->Tag();
    }
  }
}

// A picture to look at, taken only when TESSARILO_PICTURES_DIR names a
// folder: the main window on a card, page "Główne", as its window shows it.
TEST_F(SkinnedButtonsTest, PictureOfTheMainWindowOnACard) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  app::TForm1& form = FormOnCard();
  form.SetBounds(20, 20, form.Width(), form.Height());
  form.Show();
  form.sButton1->Click();
  form.sBitBtn11->Click();  // "Raport" held down
  form.sBitBtn11->Click();
  form.sBitBtn11->Click();
  for (int i = 0; i < 20; ++i) {
    Application->ProcessMessages();
    Sleep(20);
  }
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const int w = form.ClientWidth(), h = form.ClientHeight();
  TBitmap shot;
  shot.SetPixelFormat(pf24bit);
  shot.SetSize(w, h);
  HDC dc = GetDC(form.Handle());
  BitBlt(shot.Canvas()->Handle(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
  ReleaseDC(form.Handle(), dc);
  png::TPNGObject image;
  image.Assign(&shot);
  image.SaveToFile(fs::path(dir).wstring() + L"\\main-window-card.png");
  form.Hide();
}

}  // namespace app_test
#endif
