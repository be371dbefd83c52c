#ifdef _WIN32
// The background behind skinned controls: colour answers and mixes, image
// answers with offsets, the font-colour section, copying a cache around
// child windows.
#include "SkinStateFixture.h"
#include "classlib/controls/Label.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sStandardControls.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

using BackgroundQueriesTest = SkinStateFixture;

TsPanel* WithSection(TsPanel* panel, const wchar_t* section) {
  panel->SkinData()->SetSkinSection(section);
  return panel;
}

void FillCache(TsCommonData& data, COLORREF colour) {
  data.InitCacheBmp();
  const RECT all{0, 0, data.CacheBmp()->Width(), data.CacheBmp()->Height()};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(data.CacheBmp()->Canvas()->Handle(), &all, brush);
  DeleteObject(brush);
}

// A black screen-compatible memory DC of the given size that the copies
// paint into.
class TBlackTarget {
 public:
  TBlackTarget(int width, int height)
      : screen_(GetDC(nullptr)), dc_(CreateCompatibleDC(screen_)),
        bitmap_(CreateCompatibleBitmap(screen_, width, height)), old_(SelectObject(dc_, bitmap_)) {
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  ~TBlackTarget() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    ReleaseDC(nullptr, screen_);
  }
  TBlackTarget(const TBlackTarget&) = delete;
  TBlackTarget& operator=(const TBlackTarget&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HDC screen_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST_F(BackgroundQueriesTest, PartlyTransparentSectionsMixWithTheParentsColour) {
  TsPanel* white = WithSection(Add<TsPanel>(nullptr, 0, 0, 300, 200), L"WHITE");
  TsPanel* black = WithSection(Add<TsPanel>(white), L"BLACKHALF");
  // Code 21: ((255 - 0) x 50 + 0 x 256) shr 8 = 49 in each channel.
  EXPECT_EQ(SendSkinCommand(black, scGetBGColor, 0), 0x313131);
  EXPECT_EQ(GetControlColor(black), 0x313131);
  // The section colour weighs T / 100: red x 0.3 + white x 0.7.
  TsPanel* red = WithSection(Add<TsPanel>(white), L"REDTHIRTY");
  EXPECT_EQ(GetBGColor(red->SkinData(), 0, nullptr), 0x00B2B2FF);
  // Wholly transparent: the parent's colour; opaque: the section's.
  TsPanel* clear = WithSection(Add<TsPanel>(white), L"CLEAR");
  EXPECT_EQ(GetBGColor(clear->SkinData(), 0, nullptr), 0xFFFFFF);
  EXPECT_EQ(SendSkinCommand(clear, scGetBGColor, 0), 0xFFFFFF);
  EXPECT_EQ(GetBGColor(white->SkinData(), 1, nullptr), 0xFFFFFF);
  // Not skinned: the own colour, a system colour as RGB.
  TsPanel* unknown = WithSection(Add<TsPanel>(white), L"NOSUCH");
  unknown->SetColor(clBtnFace);
  EXPECT_EQ(GetControlColor(unknown), ColorToRGB(clBtnFace));
}

TEST_F(BackgroundQueriesTest, TransparentChildIsAnsweredWithItsPlaceInTheParentsImage) {
  TsPanel* parent = WithSection(Add<TsPanel>(nullptr, 0, 0, 300, 200), L"BLACKHALF");
  FillCache(*parent->SkinData(), RGB(1, 2, 3));
  TsPanel* child = WithSection(Add<TsPanel>(parent, 10, 20, 50, 40), L"CLEAR");
  TacBGInfo info;
  FillBGInfo(child->SkinData(), info, 0, nullptr);
  EXPECT_EQ(info.Kind, bgImage);
  EXPECT_EQ(info.Bmp, parent->SkinData()->CacheBmp());
  EXPECT_EQ(info.Offset, (TPoint{10, 20}));
  // The parent's image as painting takes it: the parent's origin, which the
  // painter shifts by the child's place.
  TacCacheInfo cache;
  GetParentCache(child->SkinData(), cache);
  EXPECT_TRUE(cache.Ready);
  EXPECT_EQ(cache.Bmp, parent->SkinData()->CacheBmp());
  EXPECT_EQ(cache.X, 0);
  EXPECT_EQ(cache.Y, 0);
  // A complex child whose own cache is current answers with that.
  child->SkinData()->InitCacheBmp();
  child->SkinData()->BGChanged = false;
  TacBGInfo own;
  SendSkinCommand(child, scGetBGInfo, reinterpret_cast<LPARAM>(&own));
  EXPECT_EQ(own.Kind, bgImage);
  EXPECT_EQ(own.Bmp, child->SkinData()->CacheBmp());
  EXPECT_EQ(own.Offset, (TPoint{0, 0}));
  // Without a cache the image answer turns into "no colour".
  TsPanel* bare = WithSection(Add<TsPanel>(parent), L"BLACKHALF");
  TacBGInfo none;
  FillBGInfo(bare->SkinData(), none, 0, nullptr);
  EXPECT_EQ(none.Kind, bgColor);
  EXPECT_EQ(none.Color, 0xFF00FF);
}

TEST_F(BackgroundQueriesTest, FontSectionComesFromAParentThatGivesItsOwnFont) {
  const int noStates = manager_->GetSkinIndex(L"NOSTATES");
  ASSERT_GE(noStates, 0);
  ASSERT_LE(manager_->Skin()->Sections[static_cast<std::size_t>(noStates)].States, 0);
  TsPanel* panel = WithSection(Add<TsPanel>(nullptr), L"NOSTATES");
  TLabel* label = Add<TLabel>(panel);
  // A hot state asked of a section without states reads its normal state.
  EXPECT_EQ(GetFontIndex(label, -1, manager_.get(), 1), noStates);
  // A parent more than half transparent passes the question on.
  TsPanel* clear = WithSection(Add<TsPanel>(panel), L"CLEAR");
  TLabel* inner = Add<TLabel>(clear);
  EXPECT_EQ(GetFontIndex(inner, -1, manager_.get(), 0), noStates);
  WithSection(panel, L"WHITE");
  EXPECT_EQ(GetFontIndex(label, 5, manager_.get(), 0), 5);
  EXPECT_EQ(GetFontIndex(nullptr, 5, manager_.get(), 0), 5);
}

TEST_F(BackgroundQueriesTest, HwndCacheSkipsChildWindowsAndCopiesGroupBoxInsidesWithoutAGroupBoxSkin) {
  ASSERT_LT(manager_->GetSkinIndex(L"GROUPBOX"), 0);
  form_->SetBounds(100, 100, 300, 200);
  const HWND parent = form_->Handle();
  const HWND group = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 10, 10, 100, 80, parent,
                                     nullptr, nullptr, nullptr);
  const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 150, 10, 50, 50, parent, nullptr,
                                     nullptr, nullptr);
  form_->Show();
  TsCommonData data(form_.get(), true);
  FillCache(data, RGB(10, 200, 30));
  RECT window, client;
  GetWindowRect(parent, &window);
  GetClientRect(parent, &client);
  POINT origin{0, 0};
  ClientToScreen(parent, &origin);
  const int dx = origin.x - window.left, dy = origin.y - window.top;

  const TBlackTarget black(300, 200);
  HDC target = black.Dc();
  const TRect area{0, 0, 300, 200};
  CopyHwndCache(parent, &data, area, dy, dx, false, target, area);
  // Child rectangles are in client coordinates here.
  EXPECT_EQ(GetPixel(target, 60, 50), RGB(10, 200, 30));   // inside the group box
  EXPECT_EQ(GetPixel(target, 175, 35), RGB(0, 0, 0));      // the other child is left out
  EXPECT_EQ(GetPixel(target, 250, 150), RGB(10, 200, 30)); // the form itself
  DestroyWindow(group);
  DestroyWindow(other);
}

TEST_F(BackgroundQueriesTest, ControlCacheLeavesOutGraphicChildrenButNotWindowedOnes) {
  TsPanel* panel = WithSection(Add<TsPanel>(nullptr, 0, 0, 200, 100), L"WHITE");
  TLabel* label = Add<TLabel>(panel);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 40, 20);
  Add<TsEdit>(panel, 100, 10, 40, 20)->HandleNeeded();  // not opaque
  TsCommonData& data = *panel->SkinData();
  FillCache(data, RGB(10, 200, 30));
  const TBlackTarget black(200, 100);
  HDC target = black.Dc();
  const TRect area{0, 0, 200, 100};
  CopyWinControlCache(panel, &data, area, 0, 0, false, target, area);
  EXPECT_EQ(GetPixel(target, 20, 15), RGB(0, 0, 0));       // under the label
  EXPECT_EQ(GetPixel(target, 110, 15), RGB(10, 200, 30));  // under the child window, which clips itself
  EXPECT_EQ(GetPixel(target, 60, 80), RGB(10, 200, 30));
}

}  // namespace skin_test
#endif
