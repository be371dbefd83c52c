// Track bars and stand-alone scroll bars painted by their adapters over the
// marker skin: channel, ticks and thumb from the skin, the thumb turned
// toward ticks on the top, odd shapes and styles painted without errors,
// and the scroll bar's redraw locks that never go negative.
#include "skin/adapters/TrackWnd.h"
#include "tests/skin/adapters/ControlAdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;
using skingen::marker::kExtraMasks;

namespace {

COLORREF MaskColour(const char* key, bool point = false) {
  for (const auto& m : kExtraMasks)
    if (std::string(m.key) == key) return Marker(point ? m.point : m.colour);
  throw std::runtime_error(key);
}

class TrackBarsTest : public ControlAdapterFixture {
 protected:
  HWND Track(DWORD style, int w, int h) {
    HWND wnd = Child(TRACKBAR_CLASSW, style, 10, 10, w, h);
    SendMessageW(wnd, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    SendMessageW(wnd, TBM_SETPOS, TRUE, 3);
    adapters_.emplace_back(MakeAdapter<TacTrackWnd>(wnd, true, L"", manager_.get(), nullptr));
    return wnd;
  }
  RECT ThumbOf(HWND wnd) {
    RECT r{};
    SendMessageW(wnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  void TearDown() override {
    adapters_.clear();
    ControlAdapterFixture::TearDown();
  }
  std::vector<std::unique_ptr<TacTrackWnd>> adapters_;
};

TEST_F(TrackBarsTest, EveryStyleAndShapePaintsWithoutRaising) {
  struct Case {
    const char* what;
    DWORD style;
    int w, h;
    int thumb, ticks;  // 1 shown, 0 not, -1 either
  };
  const Case cases[] = {
      {"horizontal", TBS_AUTOTICKS, 200, 40, true, true},
      {"vertical", TBS_VERT | TBS_AUTOTICKS, 40, 200, true, true},
      {"ticks on top", TBS_TOP | TBS_AUTOTICKS, 200, 40, true, true},
      {"both", TBS_BOTH | TBS_AUTOTICKS, 200, 44, true, true},
      {"vertical left", TBS_VERT | TBS_LEFT | TBS_AUTOTICKS, 40, 200, true, true},
      {"no ticks", TBS_NOTICKS, 200, 40, true, false},
      {"no thumb", TBS_NOTHUMB | TBS_AUTOTICKS, 200, 40, false, true},
      {"6 x 3", TBS_AUTOTICKS, 6, 3, -1, -1},
      {"vertical 3 x 6", TBS_VERT | TBS_AUTOTICKS, 3, 6, -1, -1},
  };
  const COLORREF face = Marker(MarkerSection("TRACKBAR").colour);
  for (const Case& c : cases) {
    HWND wnd = Track(c.style, c.w, c.h);
    PrintedWindow image(wnd);
    EXPECT_EQ(image.At(0, 0), face) << c.what;
    const bool vertical = c.style & TBS_VERT;
    const COLORREF thumb = MaskColour(vertical ? "SLIDERVMASK" : "SLIDERMASK");
    const COLORREF tick = MaskColour(vertical ? "TICKVERT" : "TICKHORZ");
    if (c.thumb >= 0) EXPECT_EQ(image.Count(thumb, 8) > 0, c.thumb == 1) << c.what;
    if (c.ticks >= 0) EXPECT_EQ(image.Count(tick) > 0, c.ticks == 1) << c.what;
    DestroyWindow(wnd);
  }
  EXPECT_TRUE(raised_.empty());
}

TEST_F(TrackBarsTest, TheChannelRunsAlongAVerticalBar) {
  HWND wnd = Track(TBS_VERT | TBS_NOTICKS, 40, 200);
  RECT channel{};
  SendMessageW(wnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  PrintedWindow image(wnd);
  const COLORREF colour = MaskColour("SLIDERCHANNEL");
  // Near both ends of the bar, across its middle (the thumb stands at 3/10).
  const int x0 = 0, x1 = image.Width();
  EXPECT_GT(image.Count(colour, RECT{x0, 180, x1, 185}, 2), 0);
  EXPECT_GT(image.Count(colour, RECT{x0, 12, x1, 16}, 2), 0);
  EXPECT_EQ(image.Count(colour, RECT{x0, 0, 4, image.Height()}, 2), 0);
  EXPECT_EQ(image.Count(colour, RECT{x1 - 4, 0, x1, image.Height()}, 2), 0);
}

TEST_F(TrackBarsTest, TheThumbFacesTheTicksOnTopAndNotWithBoth) {
  struct Case {
    DWORD style;
    bool pointDown;
  };
  for (const Case c : {Case{0, true}, Case{TBS_TOP, false}, Case{TBS_BOTH, true}}) {
    HWND wnd = Track(c.style | TBS_AUTOTICKS, 200, 44);
    const RECT t = ThumbOf(wnd);
    PrintedWindow image(wnd);
    const COLORREF point = MaskColour("SLIDERMASK", true);
    const RECT top{t.left, t.top, t.right, t.top + (t.bottom - t.top) / 4};
    const RECT bottom{t.left, t.bottom - (t.bottom - t.top) / 4, t.right, t.bottom};
    EXPECT_EQ(image.Count(point, bottom, 8) > 0, c.pointDown) << c.style;
    EXPECT_EQ(image.Count(point, top, 8) > 0, !c.pointDown) << c.style;
    DestroyWindow(wnd);
  }
}

class SmallScrollBarTest : public ControlAdapterFixture {
 protected:
  void SetUp() override {
    ControlAdapterFixture::SetUp();
    bar_ = Child(L"SCROLLBAR", SBS_HORZ, 10, 10, 200, 17);
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 100, 0, 0, 0};
    SetScrollInfo(bar_, SB_CTL, &si, FALSE);
    adapter_.reset(MakeAdapter<TacSBWnd>(bar_, true, L"", manager_.get(), nullptr));
  }
  void TearDown() override {
    adapter_.reset();
    ControlAdapterFixture::TearDown();
  }
  HWND bar_ = nullptr;
  std::unique_ptr<TacSBWnd> adapter_;
};

TEST_F(SmallScrollBarTest, APageOfZeroGivesAFourteenPixelThumbAfterTheFirstButton) {
  PrintedWindow image(bar_);
  const int button = GetSystemMetrics(SM_CXHSCROLL);
  const COLORREF slider = Marker(MarkerSection("SCROLLSLIDERH").colour);
  EXPECT_GT(image.Count(slider, RECT{button, 0, button + 14, 17}), 0);
  EXPECT_EQ(image.Count(slider, RECT{button + 14, 0, 200, 17}), 0);
  EXPECT_EQ(image.Count(slider, RECT{0, 0, button, 17}), 0);
  EXPECT_EQ(image.At(button / 2, 8), Marker(MarkerSection("SCROLLBTNLEFT").glyph));
  EXPECT_EQ(image.At(200 - button / 2, 8), Marker(MarkerSection("SCROLLBTNRIGHT").glyph));
  EXPECT_EQ(adapter_->Thumb.Width(), 14);
  EXPECT_TRUE(raised_.empty());
}

TEST_F(SmallScrollBarTest, AnUnpairedRedrawUnlockNeverHangsTheMouse) {
  SendMessageW(bar_, WM_SETREDRAW, TRUE, 0);
  SendMessageW(bar_, WM_SETREDRAW, TRUE, 0);
  EXPECT_EQ(adapter_->RedrawLocks, 0);
  SendMessageW(bar_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(bar_, WM_SETREDRAW, FALSE, 0);
  EXPECT_EQ(adapter_->RedrawLocks, 2);
  // The press first releases every lock, then brackets itself.
  SendMessageW(bar_, WM_NCLBUTTONDOWN, HTNOWHERE, 0);
  EXPECT_EQ(adapter_->RedrawLocks, 0);
  EXPECT_TRUE(IsWindowVisible(bar_));
  SendMessageW(bar_, WM_SETREDRAW, TRUE, 0);
  SendMessageW(bar_, WM_NCLBUTTONDOWN, HTNOWHERE, 0);
  EXPECT_EQ(adapter_->RedrawLocks, 0);
}

}  // namespace
}  // namespace skin_test
