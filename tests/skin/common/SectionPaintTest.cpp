#ifdef _WIN32
// Section faces over their parents: the transparency rules, hue shifts only
// for a control's own face, rectangles that do not fit, and the parent
// queries (silent windows, unskinned parents painting themselves, asks
// from another thread).
#include <memory>

#include "SkinStateFixture.h"
#include "classlib/controls/Panel.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/controls/sStandardControls.h"
#include "skin/core/SkinCommand.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"

namespace skin_test {

using namespace classlib;
using namespace skin;
using namespace skin::paint;

namespace {

constexpr std::uint32_t kParentPixel = 0x00406080;  // R 0x40, G 0x60, B 0x80
constexpr TColor kParentColour = 0x00806040;       // the same as a TColor

std::string PaintTestSkin() {
  return SkinDescription(0x00808080,
                         "[SOLID]\r\nCOLOR=255\r\nSTATES=2\r\nHOTCOLOR=65280\r\n"
                         "[HALF]\r\nCOLOR=16777215\r\nTRANSPARENCY=50\r\nSTATES=2\r\nHOTCOLOR=16777215\r\n"
                         "HOTTRANSPARENCY=50\r\n"
                         "[CLEAR]\r\nCOLOR=255\r\nTRANSPARENCY=100\r\nSTATES=1\r\n"
                         "[STRIPED]\r\nCOLOR=255\r\nSTATES=1\r\nPATTERN=~0030,0000,0034,0010,10,1\r\n");
}

std::uint32_t Rgb(TBitmap* bmp, int x, int y) { return GetBmpPixel32(bmp, x, y) & 0xFFFFFF; }

std::uint32_t Mix(std::uint32_t parent, std::uint32_t item, int parentShare) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t p = (parent >> shift) & 0xFF, i = (item >> shift) & 0xFF;
    out |= ((p * parentShare + i * (256 - parentShare)) >> 8) << shift;
  }
  return out;
}

class SectionPaintTest : public SkinStateFixture {
 protected:
  void SetUp() override {
    SkinStateFixture::SetUp();
    MakeFolderSkin("Sekcje", PaintTestSkin());
    manager_->SetSkinName(L"Sekcje");
    ASSERT_GE(manager_->GetSkinIndex(L"HALF"), 0);
    parent_.reset(NewBitmap32(40, 30));
    FillRect32(parent_.get(), TRect{0, 0, 40, 30}, kParentColour, 255);
    item_.reset(NewBitmap32(20, 10));
  }
  int Index(const wchar_t* name) { return manager_->GetSkinIndex(name); }
  void ByIndex(const wchar_t* name, const TacCacheInfo& ci, int state = 0) {
    PaintSectionItemByIndex(Index(name), name, ci, true, state, TRect{0, 0, 20, 10}, TPoint{0, 0}, item_.get(),
                            nullptr, TStateTextures{});
  }
  std::unique_ptr<TBitmap> parent_, item_;
};

TEST_F(SectionPaintTest, TransparencyDecidesHowMuchOfTheParentShows) {
  const TacCacheInfo ready = MakeCacheInfo(parent_.get(), 3, 4);
  TacCacheInfo none;  // not ready, no colour
  TacCacheInfo blue;
  blue.FillColor = 0x00FF0000;
  struct Case {
    const wchar_t* section;
    TacCacheInfo ci;
    std::uint32_t expected;
  } cases[] = {
      {L"SOLID", ready, 0xFF0000},
      {L"HALF", ready, Mix(kParentPixel, 0xFFFFFF, 128)},
      {L"CLEAR", ready, kParentPixel},
      {L"CLEAR", none, 0xFF0000},   // no parent information: the section's colour
      {L"HALF", none, 0xFFFFFF},    // and never a mix with the "no colour" value
      {L"CLEAR", blue, 0x0000FF},   // a fill colour stands for the parent
  };
  for (const Case& c : cases) {
    FillRect32(item_.get(), TRect{0, 0, 20, 10}, 0x00123456, 255);
    ByIndex(c.section, c.ci);
    EXPECT_EQ(Rgb(item_.get(), 5, 5), c.expected) << static_cast<const void*>(c.section);
  }
}

TEST_F(SectionPaintTest, AMaskedModeTenTextureLeavesItsStripsToTheParent) {
  const int index = Index(L"STRIPED");
  const std::int32_t texture = manager_->Skin()->Sections[static_cast<std::size_t>(index)].TextureIndex;
  ASSERT_GE(texture, 0);
  // 4 x 5 tiles over 22 x 12: whole tiles up to (20, 10), the rest is the parent's.
  item_.reset(NewBitmap32(22, 12));
  const TacCacheInfo ready = MakeCacheInfo(parent_.get(), 3, 4);
  PaintSectionItemByIndex(index, L"STRIPED", ready, true, 0, TRect{0, 0, 22, 12}, TPoint{0, 0}, item_.get(),
                          nullptr, TStateTextures{texture, -1});
  EXPECT_EQ(Rgb(item_.get(), 21, 3), kParentPixel);
  EXPECT_EQ(Rgb(item_.get(), 3, 11), kParentPixel);
  EXPECT_NE(Rgb(item_.get(), 3, 3), kParentPixel);
  // Hot faces and faces without the texture keep the section's colour there.
  PaintSectionItemByIndex(index, L"STRIPED", ready, true, 0, TRect{0, 0, 22, 12}, TPoint{0, 0}, item_.get(),
                          nullptr, TStateTextures{});
  EXPECT_EQ(Rgb(item_.get(), 21, 3), 0xFF0000u);
}

TEST_F(SectionPaintTest, SmallItemsWeighTheParentOneStepLess) {
  TacCacheInfo ci = MakeCacheInfo(parent_.get(), 1, 2);
  const TacCacheInfo before = ci;
  PaintSmallItem(Index(L"HALF"), -1, TStateTextures{}, ci, true, 0, TRect{0, 0, 20, 10}, TPoint{5, 6}, item_.get(),
                 nullptr);
  EXPECT_EQ(Rgb(item_.get(), 0, 0), Mix(kParentPixel, 0xFFFFFF, 127));
  EXPECT_EQ(ci.X, before.X);
  EXPECT_EQ(ci.Y, before.Y);
  EXPECT_EQ(ci.Bmp, before.Bmp);
}

TEST_F(SectionPaintTest, CustomColourIsOpaqueInEveryState) {
  TsPanel* panel = Add<TsPanel>(nullptr);
  panel->SetColor(0x00336699);
  panel->SkinData()->SetSkinSection(L"HALF");
  panel->SkinData()->SetCustomColor(true);
  panel->SkinData()->UpdateIndexes();
  for (int state : {0, 1, 2}) {
    FillRect32(item_.get(), TRect{0, 0, 20, 10}, 0, 255);
    PaintSectionItem(*panel->SkinData(), MakeCacheInfo(parent_.get(), 0, 0), true, state, TRect{0, 0, 20, 10},
                     TPoint{0, 0}, item_.get(), false);
    EXPECT_EQ(Rgb(item_.get(), 10, 5), 0x996633u) << state;
  }
}

TEST_F(SectionPaintTest, OnlyTheControlsOwnFaceShiftsHue) {
  TsPanel* panel = Add<TsPanel>(nullptr);
  panel->SkinData()->SetSkinSection(L"SOLID");
  panel->SkinData()->SetHUEOffset(120);
  panel->SkinData()->UpdateIndexes();
  ASSERT_EQ(panel->SkinData()->SkinIndex, Index(L"SOLID"));
  PaintSectionItem(*panel->SkinData(), EmptyCacheInfo, true, 0, TRect{0, 0, 20, 10}, TPoint{0, 0}, item_.get(),
                   false);
  EXPECT_NE(Rgb(item_.get(), 5, 5), 0xFF0000u);
  PaintSectionItemOnParent(*panel->SkinData(), form_.get(), true, 0, TRect{0, 0, 20, 10}, TPoint{0, 0}, item_.get(),
                           false);
  EXPECT_EQ(Rgb(item_.get(), 5, 5), 0xFF0000u);
  ByIndex(L"SOLID", EmptyCacheInfo);
  EXPECT_EQ(Rgb(item_.get(), 5, 5), 0xFF0000u);
  // A half-transparent face keeps the parent's colours.
  panel->SkinData()->SetSkinSection(L"HALF");
  panel->SkinData()->UpdateIndexes();
  PaintSectionItem(*panel->SkinData(), MakeCacheInfo(parent_.get(), 0, 0), true, 0, TRect{0, 0, 20, 10},
                   TPoint{0, 0}, item_.get(), false);
  EXPECT_EQ(Rgb(item_.get(), 5, 5), Mix(kParentPixel, 0xFFFFFF, 128));
}

TEST_F(SectionPaintTest, RectanglesOutsideTheBitmapDrawNothing) {
  TsPanel* panel = Add<TsPanel>(nullptr);
  panel->SkinData()->SetSkinSection(L"SOLID");
  panel->SkinData()->UpdateIndexes();
  const TRect outside[] = {{0, 0, 21, 10}, {0, 0, 20, 11}, {-1, 0, 10, 10}, {0, -1, 10, 10}};
  for (const TRect& r : outside) {
    FillRect32(item_.get(), TRect{0, 0, 20, 10}, 0x00123456, 255);
    PaintSectionItem(*panel->SkinData(), EmptyCacheInfo, true, 0, r, TPoint{0, 0}, item_.get(), false);
    PaintSectionItemByIndex(Index(L"SOLID"), L"SOLID", EmptyCacheInfo, true, 0, r, TPoint{0, 0}, item_.get(), nullptr,
                            TStateTextures{});
    TacCacheInfo ci;
    PaintSmallItem(Index(L"SOLID"), -1, TStateTextures{}, ci, true, 0, r, TPoint{0, 0}, item_.get(), nullptr);
    EXPECT_EQ(Rgb(item_.get(), 1, 1), 0x563412u) << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
}

TEST_F(SectionPaintTest, ByNameFallsBackThenGivesUp) {
  EXPECT_EQ(PaintSectionItemByName(item_.get(), L"NOSUCH", L"SOLID", 0, nullptr, TPoint{0, 0}, kSkinKeyColor, nullptr),
            Index(L"SOLID"));
  EXPECT_EQ(Rgb(item_.get(), 19, 9), 0xFF0000u);
  FillRect32(item_.get(), TRect{0, 0, 20, 10}, 0x00123456, 255);
  EXPECT_EQ(PaintSectionItemByName(item_.get(), L"NOSUCH", L"NEITHER", 0, nullptr, TPoint{0, 0}, 0, nullptr), -1);
  EXPECT_EQ(Rgb(item_.get(), 1, 1), 0x563412u);
}

LRESULT CALLBACK SilentWindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) { return DefWindowProcW(wnd, msg, w, l); }

int g_answers = 0;
LRESULT CALLBACK AnsweringWindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == SkinCommandMessage && HIWORD(w) == scGetBGInfo) {
    ++g_answers;
    auto* bg = reinterpret_cast<TacBGInfo*>(l);
    bg->Kind = bgColor;
    bg->Color = 0x00010203;
    return 1;
  }
  return DefWindowProcW(wnd, msg, w, l);
}

HWND MakeWindow(const wchar_t* className, WNDPROC proc) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  return CreateWindowW(className, L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, wc.hInstance, nullptr);
}

TEST_F(SectionPaintTest, SilentWindowGivesTheGlobalColour) {
  HWND wnd = MakeWindow(L"TessariloSilent", SilentWindowProc);
  TacBGInfo bg;
  EXPECT_FALSE(QueryParentBackground(bg, wnd, false));
  EXPECT_EQ(bg.Kind, bgColor);
  EXPECT_EQ(bg.Color, manager_->GetGlobalColor());
  EXPECT_EQ(bg.Color, 0x00808080);
  DestroyWindow(wnd);
}

TEST_F(SectionPaintTest, AskingFromAnotherThreadIsIgnored) {
  HWND wnd = MakeWindow(L"TessariloAnswering", AnsweringWindowProc);
  g_answers = 0;
  TacBGInfo here;
  EXPECT_TRUE(QueryParentBackground(here, wnd, false));
  EXPECT_EQ(g_answers, 1);
  TacBGInfo there;
  bool answered = true;
  RunBesideMessageLoop([&] { answered = QueryParentBackground(there, wnd, false); });
  EXPECT_FALSE(answered);
  EXPECT_EQ(g_answers, 1);
  EXPECT_EQ(there.Kind, bgColor);
  EXPECT_EQ(there.Color, manager_->GetGlobalColor());
  DestroyWindow(wnd);
}

TEST_F(SectionPaintTest, UnskinnedPanelPaintsItselfIntoTheAskersDC) {
  auto* panel = New<TPanel>(form_.get());
  panel->SetBounds(10, 10, 60, 40);
  panel->SetParent(form_.get());
  panel->SetColor(0x0000C000);
  panel->HandleNeeded();
  std::unique_ptr<TBitmap> target(NewBitmap32(20, 10));
  FillRect32(target.get(), TRect{0, 0, 20, 10}, 0x00123456, 255);
  TacBGInfo bg;
  bg.DC = target->Canvas()->Handle();
  bg.R = TRect{0, 0, 20, 10};
  bg.Offset = TPoint{5, 5};
  bg.PleaseDraw = true;
  EXPECT_FALSE(QueryControlBackground(bg, panel, false));
  GdiFlush();
  EXPECT_EQ(Rgb(target.get(), 10, 5), 0x00C000u);
  // Asked without PleaseDraw in the record: the colour answer, nothing drawn.
  TacBGInfo colour;
  EXPECT_FALSE(QueryControlBackground(colour, panel, false));
  EXPECT_EQ(colour.Kind, bgColor);
  EXPECT_EQ(colour.Color, 0x0000C000);
}

}  // namespace

}  // namespace skin_test
#endif
