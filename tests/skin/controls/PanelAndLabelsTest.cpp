#ifdef _WIN32
// Skinned panels and labels over the program's skin: the panel's section
// fill and the section its bevel picks, its children finishing their
// updates, label colours from the skin or their own, the disabled mix, the
// web label's hover font and the effect label's shadow.
#include "SkinnedControlFixture.h"

#include <vector>

#include "skin/controls/sEdit.h"
#include "skin/controls/sLabels.h"
#include "skin/controls/sPanel.h"
#include "skin/paint/ColorAdjust.h"

namespace skin_test {

using namespace classlib;
using skin::TsLabel;
using skin::TsLabelFX;
using skin::TsPanel;
using skin::TsWebLabel;

// A memory picture a graphic control paints into, filled with one colour.
class Picture {
 public:
  Picture(int w, int h, TColor fill) : w_(w), h_(h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bmp_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bmp_);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(fill));
    const RECT r{0, 0, w, h};
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
  }
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bmp_);
    DeleteDC(dc_);
  }
  HDC DC() const { return dc_; }
  TColor At(int x, int y) const {
    GdiFlush();
    return PaletteColour(static_cast<const std::uint32_t*>(bits_)[y * w_ + x] & 0xFFFFFF);
  }
  // How many pixels lie within Tolerance of the colour.
  int Count(TColor c, int tolerance) const {
    int n = 0;
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        if (ChannelDistance(At(x, y), c) <= tolerance) ++n;
    return n;
  }

 private:
  int w_, h_;
  HDC dc_;
  HBITMAP bmp_;
  HGDIOBJ old_;
  void* bits_ = nullptr;
};

using PanelTest = SkinnedControlFixture;

TEST_F(PanelTest, SectionFillAndTheSectionTheBevelPicks) {
  TsPanel* raised = Add<TsPanel>(nullptr, 10, 10, 300, 200);
  raised->HandleNeeded();
  raised->PrepareCache();
  EXPECT_EQ(raised->SkinData()->SkinSection(), L"PANEL");
  EXPECT_COLOUR_NEAR(CachePixel(raised->SkinData(), TPoint{150, 100}), PaletteColour(palette::kPanel), 2);

  raised->SetBevelOuter(bvLowered);
  EXPECT_EQ(raised->SkinData()->SkinSection(), L"PANEL_LOW");
  raised->PrepareCache();
  EXPECT_COLOUR_NEAR(CachePixel(raised->SkinData(), TPoint{150, 100}), PaletteColour(palette::kPanelLow), 2);

  // Without a bevel the check-box section lets the parent show through.
  TsPanel* flat = Add<TsPanel>(raised, 20, 20, 60, 30);
  flat->HandleNeeded();
  flat->SetBevelOuter(bvNone);
  EXPECT_EQ(flat->SkinData()->SkinSection(), L"CHECKBOX");
  flat->PrepareCache();
  EXPECT_COLOUR_NEAR(CachePixel(flat->SkinData(), TPoint{30, 15}), PaletteColour(palette::kPanelLow), 2);

  // A section the form chose stays whatever the bevel.
  TsPanel* gauge = Add<TsPanel>(nullptr, 10, 220, 100, 40);
  gauge->HandleNeeded();
  gauge->SkinData()->SetSkinSection(L"GAUGE");
  gauge->SetBevelOuter(bvLowered);
  EXPECT_EQ(gauge->SkinData()->SkinSection(), L"GAUGE");
}

TEST_F(PanelTest, OwnColourAndOnPaintOnTheCacheCanvas) {
  TsPanel* panel = Add<TsPanel>(nullptr, 10, 10, 200, 100);
  panel->HandleNeeded();
  panel->SetColor(static_cast<TColor>(0x303030));
  panel->SkinData()->SetCustomColor(true);
  TCanvas* painted = nullptr;
  panel->OnPaint = [&](TObject*, TCanvas* canvas) { painted = canvas; };
  int entered = 0, left = 0;
  panel->OnMouseEnter = [&](TObject*) { ++entered; };
  panel->OnMouseLeave = [&](TObject*) { ++left; };
  panel->Perform(CM_MOUSEENTER, 0, 0);
  panel->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);
  panel->PrepareCache();
  EXPECT_COLOUR_NEAR(CachePixel(panel->SkinData(), TPoint{100, 50}), 0x303030, 2);
  EXPECT_EQ(painted, panel->SkinData()->CacheBmp()->Canvas());
  // A see-through label shows the panel's picture around its text.
  TsLabel* label = Add<TsLabel>(panel, 10, 10);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 120, 30);
  label->SetCaption(L"i");
  ShowForm();
  EXPECT_COLOUR_NEAR(WindowPixel(panel, TPoint{120, 25}), 0x303030, 2);
}

TEST_F(PanelTest, EveryChildFinishesItsUpdateWhenThePanelPaints) {
  TsPanel* panel = Add<TsPanel>(nullptr, 10, 10, 300, 200);
  std::vector<skin::TsEdit*> edits;
  for (int i = 0; i < 3; ++i) edits.push_back(Add<skin::TsEdit>(panel, 10, 10 + 40 * i, 120, 26));
  ShowForm();
  for (skin::TsEdit* edit : edits) edit->SkinData()->SetUpdating(true);
  RedrawWindow(panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  for (skin::TsEdit* edit : edits) EXPECT_FALSE(edit->SkinData()->OwnUpdating());
  const TPoint inside{edits[2]->ClientWidth() / 2, edits[2]->ClientHeight() / 2};
  EXPECT_COLOUR_NEAR(WindowPixel(edits[2], inside), PaletteColour(palette::kField), 2);
}

using LabelTest = SkinnedControlFixture;

TEST_F(LabelTest, UseSkinColorTakesTheSkinsColourOrKeepsTheOwn) {
  TsPanel* panel = Add<TsPanel>(nullptr, 10, 10, 300, 100);
  TsLabel* own = Add<TsLabel>(panel, 10, 10);
  TsLabel* skinned = Add<TsLabel>(panel, 10, 40);
  own->SetUseSkinColor(false);
  for (TsLabel* label : {own, skinned}) {
    label->Font()->SetColor(clWhite);
    label->GetCurrentFont();
  }
  EXPECT_EQ(own->Font()->Color(), clWhite);
  // The panel's section gives its own font colour.
  EXPECT_EQ(skinned->Font()->Color(), Section(L"PANEL").Props[0].FontColor);
}

TEST_F(LabelTest, DisabledTextIsFortyPercentOfItsColourOverTheParent) {
  TsPanel* panel = Add<TsPanel>(nullptr, 10, 10, 300, 100);
  panel->HandleNeeded();
  TsLabel* label = Add<TsLabel>(panel, 10, 10);
  label->Font()->SetHeight(-40);
  label->Font()->SetStyle(TFontStyles{fsBold});
  label->SetCaption(L"MMM");
  label->SetEnabled(false);
  const TColor parent = PaletteColour(palette::kPanel);
  Picture picture(label->Width(), label->Height(), parent);
  label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.DC()), 0);
  const TColor font = ColorToRGB(label->Font()->Color());
  EXPECT_GT(picture.Count(skin::paint::MixColors(font, parent, 0.4), 2), 20);
  EXPECT_EQ(picture.Count(font, 8), 0);
}

TEST_F(LabelTest, WebLabelHoverFontTakesTheSkinsHotColourOrKeepsItsOwn) {
  TsWebLabel* label = Add<TsWebLabel>(nullptr, 10, 10);
  label->Font()->SetColor(clRed);
  label->HoverFont()->SetColor(static_cast<TColor>(3644415));
  label->SetUseSkinColor(false);
  label->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(label->GetCurrentFont()->Color(), static_cast<TColor>(3644415));
  label->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(label->GetCurrentFont()->Color(), clRed);
  label->SetUseSkinColor(true);
  label->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(label->GetCurrentFont()->Color(), PaletteColour(palette::kBrassLight));
  label->Perform(CM_MOUSELEAVE, 0, 0);
}

TEST(ShadowMask, BlurPassesSpreadToTheFourNeighboursOnly) {
  const auto spot = [] {
    std::vector<std::uint8_t> mask(7 * 7, 0);
    mask[3 * 7 + 3] = 255;
    return mask;
  };
  std::vector<std::uint8_t> none = spot();
  skin::BlurShadowMask(none, 7, 7, 0);
  EXPECT_EQ(none, spot());
  std::vector<std::uint8_t> one = spot();
  skin::BlurShadowMask(one, 7, 7, 1);
  EXPECT_EQ(one[2 * 7 + 3], 63);  // above, before the spot itself is averaged
  EXPECT_EQ(one[3 * 7 + 2], 63);  // left
  EXPECT_EQ(one[3 * 7 + 3], (63 + 63) >> 2);
  EXPECT_EQ(one[2 * 7 + 4], 63 >> 2);  // its left neighbour was updated first
  EXPECT_EQ(one[0], 0);  // the rim stays
  struct Case {
    int in, out;
  } clamps[] = {{-5, 0}, {0, 0}, {1, 1}, {4, 4}, {skin::kMaxShadowBlur, skin::kMaxShadowBlur},
                {1000000, skin::kMaxShadowBlur}};
  for (const Case& c : clamps) EXPECT_EQ(skin::ClampShadowBlur(c.in), c.out) << c.in;
}

TEST_F(LabelTest, EffectLabelShadowFollowsItsBlur) {
  TsLabelFX* label = Add<TsLabelFX>(nullptr, 10, 10);
  label->Font()->SetHeight(-24);
  label->SetCaption(L"Tessarilo");
  label->Shadow()->SetMode(skin::smCustom);
  label->Shadow()->SetColor(static_cast<TColor>(0x0000FF));
  label->Shadow()->SetDistance(2);
  label->Kind()->SetKindType(skin::ktCustom);
  label->Kind()->SetColor(clBlack);
  const TColor back = 0xFFFFFF;
  const auto shadowPixels = [&](int blur) {
    label->Shadow()->SetBlurCount(blur);
    Picture picture(label->Width(), label->Height(), back);
    label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.DC()), 0);
    // Reddish pixels: the shadow over white.
    int n = 0;
    for (int y = 0; y < label->Height(); ++y)
      for (int x = 0; x < label->Width(); ++x) {
        const TColor c = picture.At(x, y);
        if ((c & 0xFF) > 200 && ((c >> 8) & 0xFF) < 200 && ((c >> 16) & 0xFF) < 200) ++n;
      }
    return n;
  };
  EXPECT_EQ(shadowPixels(0), 0);
  EXPECT_GT(shadowPixels(1), 0);
  // A huge blur is clamped: painting stays small and still shows a shadow.
  EXPECT_EQ(label->ShadowParams().Blur, 1);
  EXPECT_GT(shadowPixels(1 << 28), 0);
  EXPECT_EQ(label->ShadowParams().Blur, skin::kMaxShadowBlur);
}

}  // namespace skin_test
#endif
