// Skinned scroll bars on real EDIT and LISTBOX windows: the strip they
// reserve, the parts under the mouse, the skin's pixels staying on the strip
// after the window redraws its own bar, arrow presses with their repeat
// timers, thumb drags, and hover.
#include <windowsx.h>

#include <cstdio>
#include <vector>

#include <algorithm>

#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/EditWnd.h"
#include "skin/adapters/WindowThunk.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

namespace {

struct ScrollCall {
  UINT msg;
  int code;
  int pos16;
  LPARAM lParam;
};
std::vector<ScrollCall> scrollCalls;
WNDPROC recorderNext = nullptr;

// Another party on top of the adapter, watching the scroll messages the
// window gets.
LRESULT CALLBACK Recorder(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_VSCROLL || msg == WM_HSCROLL)
    scrollCalls.push_back({msg, LOWORD(wParam), HIWORD(wParam), lParam});
  return CallWindowProcW(recorderNext, wnd, msg, wParam, lParam);
}

std::vector<int> Codes() {
  std::vector<int> codes;
  for (const ScrollCall& c : scrollCalls) codes.push_back(c.code);
  return codes;
}

struct TimerCall {
  UINT_PTR id;
  UINT ms;
};

class ScrollBarsTest : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    scrollCalls.clear();
    ScrollPlatform().SetTimer = [this](HWND, UINT_PTR id, UINT ms) {
      timers_.push_back({id, ms});
      return id;
    };
    ScrollPlatform().KillTimer = [this](HWND, UINT_PTR id) { killed_.push_back(id); };
    ScrollPlatform().CursorPos = [this] { return cursor_; };
  }
  void TearDown() override {
    delete adapter_;
    AdapterFixture::TearDown();
  }
  TacEditWnd* Adapt(HWND wnd) {
    adapter_ = MakeAdapter<TacEditWnd>(wnd, true, L"", manager_.get(), nullptr);
    return adapter_;
  }
  void Record(HWND wnd) {
    recorderNext = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
  }
  RECT VBar(HWND wnd) const {
    RECT r;
    VertScrollBarRect(adapter_, wnd, r);
    return r;
  }
  static POINT Mid(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  // Screen points of the vertical bar's parts.
  // The arrows' centres, where their glyphs lie.
  int Arrow() const { return GetScrollBarSize(adapter_->VertBar.get(), false, true); }
  POINT TopArrow(HWND wnd) const { RECT r = VBar(wnd); return POINT{Mid(r).x, r.top + Arrow() / 2}; }
  POINT BottomArrow(HWND wnd) const {
    RECT r = VBar(wnd);
    return POINT{Mid(r).x, r.bottom - Arrow() + Arrow() / 2};
  }
  static void NcDown(HWND wnd, POINT screen) {
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
  }
  static void MouseAt(HWND wnd, UINT msg, POINT screen) {
    POINT client = screen;
    ScreenToClient(wnd, &client);
    SendMessageW(wnd, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(client.x, client.y));
  }
  // The pixel of the window at a screen point.
  static COLORREF ScreenPixel(HWND wnd, POINT screen) {
    RECT wr;
    GetWindowRect(wnd, &wr);
    return WindowPixel(wnd, screen.x - wr.left, screen.y - wr.top);
  }
  COLORREF BottomGlyph(HWND wnd) const { return ScreenPixel(wnd, BottomArrow(wnd)); }
  bool TimerAsked(UINT_PTR id, UINT ms) const {
    for (const TimerCall& t : timers_)
      if (t.id == id && t.ms == ms) return true;
    return false;
  }

  TacEditWnd* adapter_ = nullptr;
  std::vector<TimerCall> timers_;
  std::vector<UINT_PTR> killed_;
  POINT cursor_{-1000, -1000};
};

const unsigned kBottomGlyph = MarkerSection("SCROLLBTNBOTTOM").glyph;

TEST_F(ScrollBarsTest, TheClientShrinksByTheBarOnItsSide) {
  struct Case {
    const wchar_t* cls;
    DWORD style;
    DWORD exStyle;
  };
  const Case cases[] = {
      {L"LISTBOX", WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, 0},
      {L"LISTBOX", WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, WS_EX_LEFTSCROLLBAR},
      {L"EDIT", WS_VSCROLL | WS_BORDER | ES_MULTILINE, 0},
      {L"EDIT", WS_VSCROLL | WS_BORDER | ES_MULTILINE, WS_EX_LEFTSCROLLBAR},
  };
  const int bar = GetSystemMetrics(SM_CXVSCROLL);
  for (const Case& c : cases) {
    HWND wnd = Child(c.cls, c.style, 10, 10, 150, 100, c.exStyle);
    for (int i = 0; i < 50; ++i) SendMessageW(wnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Karta"));
    if (c.cls == std::wstring(L"EDIT")) SetWindowTextW(wnd, L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11");
    Adapt(wnd);
    const RECT client = GetClientRectInWindow(wnd);
    const bool left = c.exStyle & WS_EX_LEFTSCROLLBAR;
    EXPECT_EQ(client.right - client.left, 150 - adapter_->MarginLeft - adapter_->MarginRight - bar);
    EXPECT_EQ(client.left, adapter_->MarginLeft + (left ? bar : 0));
    const RECT v = VBar(wnd);
    RECT wr;
    GetWindowRect(wnd, &wr);
    EXPECT_EQ(left ? v.left - wr.left : wr.right - v.right, left ? adapter_->MarginLeft : adapter_->MarginRight);
    EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(Mid(v).x, Mid(v).y)), HTVSCROLL);
    delete adapter_;
    adapter_ = nullptr;
    DestroyWindow(wnd);
  }
}

TEST_F(ScrollBarsTest, AWindowWithoutBarsKeepsItsFrame) {
  HWND edit = Child(L"EDIT", WS_BORDER, 10, 10, 150, 30);
  RECT before;
  GetClientRect(edit, &before);
  Adapt(edit);
  RECT after;
  GetClientRect(edit, &after);
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.bottom, before.bottom);
  EXPECT_FALSE(adapter_->VertBar->ScrollVisible);
}

TEST_F(ScrollBarsTest, EachPartSendsItsOwnCode) {
  HWND list = ListBox(100);
  Adapt(list);
  SendMessageW(list, LB_SETTOPINDEX, 40, 0);
  Record(list);
  const RECT v = VBar(list);
  const TBarMetrics metrics{v.bottom - v.top, GetScrollBarSize(adapter_->VertBar.get(), false, true), 10};
  adapter_->VertBar->ReadInfo(list);
  const TThumbPlace thumb = ThumbPlace(adapter_->VertBar->Range(), metrics);
  ASSERT_TRUE(thumb.Fits);
  struct Case {
    int y;  // from the bar's top
    int code;
  };
  const Case cases[] = {{2, SB_LINEUP},
                        {metrics.Length - 2, SB_LINEDOWN},
                        {thumb.Start - 2, SB_PAGEUP},
                        {thumb.Start + thumb.Length + 2, SB_PAGEDOWN}};
  for (const Case& c : cases) {
    scrollCalls.clear();
    const POINT at{Mid(v).x, v.top + c.y};
    NcDown(list, at);
    MouseAt(list, WM_LBUTTONUP, at);
    ASSERT_EQ(scrollCalls.size(), 2u) << c.y;
    EXPECT_EQ(scrollCalls[0].code, c.code) << c.y;
    EXPECT_EQ(scrollCalls[1].code, SB_ENDSCROLL) << c.y;
    SendMessageW(list, LB_SETTOPINDEX, 40, 0);
  }
}

TEST_F(ScrollBarsTest, SkinPixelsStayOnTheStripWhenTheEditRedrawsItsBar) {
  HWND edit = Child(L"EDIT", WS_VSCROLL | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL, 10, 10, 150, 100);
  Adapt(edit);
  std::wstring text;
  for (int i = 0; i < 40; ++i) text += L"wiersz\r\n";
  SetWindowTextW(edit, text.c_str());
  EXPECT_EQ(BottomGlyph(edit), Marker(kBottomGlyph)) << "after WM_SETTEXT";
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"dopisane\r\n"));
  EXPECT_EQ(BottomGlyph(edit), Marker(kBottomGlyph)) << "after EM_REPLACESEL";
  SendMessageW(edit, WM_VSCROLL, SB_PAGEUP, 0);
  EXPECT_EQ(BottomGlyph(edit), Marker(kBottomGlyph)) << "after WM_VSCROLL";
  SendMessageW(edit, WM_NCPAINT, 1, 0);
  EXPECT_EQ(BottomGlyph(edit), Marker(kBottomGlyph)) << "after WM_NCPAINT";
}

TEST_F(ScrollBarsTest, ArrowPressRepeatsAfterTheDelayAndStopsOnCancelMode) {
  HWND list = ListBox(100);
  Adapt(list);
  Record(list);
  const POINT arrow = BottomArrow(list);
  NcDown(list, arrow);
  EXPECT_EQ(Codes(), std::vector<int>{SB_LINEDOWN});  // one at once
  EXPECT_TRUE(TimerAsked(kRepeatDelayTimer, 300));
  EXPECT_EQ(BottomGlyph(list), Marker(kBottomGlyph + 2));  // shown pressed

  SendMessageW(list, WM_TIMER, kRepeatDelayTimer, 0);
  EXPECT_TRUE(TimerAsked(kRepeatTimer, 55));
  EXPECT_EQ(scrollCalls.size(), 1u);  // the delay only starts the repeat

  cursor_ = arrow;
  SendMessageW(list, WM_TIMER, kRepeatTimer, 0);
  SendMessageW(list, WM_TIMER, kRepeatTimer, 0);
  EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN}));

  cursor_ = TopArrow(list);  // off the pressed arrow: the repeat pauses
  SendMessageW(list, WM_TIMER, kRepeatTimer, 0);
  EXPECT_EQ(scrollCalls.size(), 3u);
  cursor_ = arrow;
  SendMessageW(list, WM_TIMER, kRepeatTimer, 0);
  EXPECT_EQ(scrollCalls.size(), 4u);

  SendMessageW(list, WM_CANCELMODE, 0, 0);
  EXPECT_EQ(ScrollTracking().ClickedPart, -1);
  EXPECT_EQ(scrollCalls.back().code, SB_ENDSCROLL);
  EXPECT_NE(std::find(killed_.begin(), killed_.end(), kRepeatTimer), killed_.end());
  const std::size_t after = scrollCalls.size();
  SendMessageW(list, WM_TIMER, kRepeatTimer, 0);
  EXPECT_EQ(scrollCalls.size(), after);
  EXPECT_EQ(BottomGlyph(list), Marker(kBottomGlyph));
}

TEST_F(ScrollBarsTest, LosingTheCaptureStopsTheRepeat) {
  HWND list = ListBox(100);
  Adapt(list);
  Record(list);
  NcDown(list, BottomArrow(list));
  ASSERT_EQ(GetCapture(), list);
  SetCapture(host_);
  ReleaseCapture();
  EXPECT_EQ(ScrollTracking().ClickedPart, -1);
  cursor_ = BottomArrow(list);
  const std::size_t after = scrollCalls.size();
  SendMessageW(list, WM_TIMER, kRepeatTimer, 0);
  EXPECT_EQ(scrollCalls.size(), after);
}

TEST_F(ScrollBarsTest, ThumbDragSendsTrackOnlyOnChangeThenOnePositionAndOneEnd) {
  HWND list = ListBox(300);
  Adapt(list);
  Record(list);
  const RECT v = VBar(list);
  const int arrow = GetScrollBarSize(adapter_->VertBar.get(), false, true);
  const POINT grab{Mid(v).x, v.top + arrow + 3};  // the thumb sits at the top
  NcDown(list, grab);
  ASSERT_TRUE(adapter_->Tracking);
  EXPECT_TRUE(scrollCalls.empty());
  MouseAt(list, WM_MOUSEMOVE, grab);  // no move, no position change
  EXPECT_TRUE(scrollCalls.empty());
  const POINT down{grab.x, grab.y + 20};
  MouseAt(list, WM_MOUSEMOVE, down);
  MouseAt(list, WM_MOUSEMOVE, down);
  MouseAt(list, WM_MOUSEMOVE, POINT{down.x + 3, down.y});  // sideways: same position
  ASSERT_EQ(scrollCalls.size(), 1u);
  EXPECT_EQ(scrollCalls[0].code, SB_THUMBTRACK);
  const int tracked = scrollCalls[0].pos16;
  EXPECT_GT(tracked, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), tracked);
  MouseAt(list, WM_LBUTTONUP, down);
  EXPECT_EQ(Codes(), (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
  EXPECT_EQ(scrollCalls[1].pos16, tracked);
  EXPECT_FALSE(adapter_->Tracking);
  EXPECT_NE(GetCapture(), list);
}

TEST_F(ScrollBarsTest, HoveredArrowLooksHotUntilTheMouseLeavesOrTheWindowGoes) {
  HWND list = ListBox(100);
  Adapt(list);
  const POINT arrow = BottomArrow(list);
  SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(arrow.x, arrow.y));
  EXPECT_TRUE(TimerAsked(kHoverTimer, 20));
  cursor_ = arrow;
  SendMessageW(list, WM_TIMER, kHoverTimer, 0);
  EXPECT_EQ(BottomGlyph(list), Marker(kBottomGlyph + 1));
  cursor_ = POINT{-500, -500};
  SendMessageW(list, WM_TIMER, kHoverTimer, 0);
  EXPECT_EQ(BottomGlyph(list), Marker(kBottomGlyph));
  EXPECT_EQ(ScrollTracking().HoverKind, -1);

  SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(arrow.x, arrow.y));
  ASSERT_EQ(ScrollTracking().TrackWnd, list);
  DestroyWindow(list);
  EXPECT_EQ(ScrollTracking().TrackWnd, nullptr);
  EXPECT_EQ(ScrollTracking().HoverKind, -1);
}

TEST_F(ScrollBarsTest, TheCornerGripsOnlyAtATopLevelParentsClientCorner) {
  RECT host;
  GetClientRect(host_, &host);
  const DWORD style = WS_VSCROLL | WS_HSCROLL | WS_BORDER;
  HWND atCorner = ListBox(100, style);
  SendMessageW(atCorner, LB_SETHORIZONTALEXTENT, 1000, 0);
  SetWindowPos(atCorner, nullptr, host.right - 150, host.bottom - 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HWND inside = ListBox(100, style);
  SendMessageW(inside, LB_SETHORIZONTALEXTENT, 1000, 0);
  struct Case {
    HWND wnd;
    LRESULT hit;
    bool grip;
  };
  for (const Case& c : {Case{atCorner, HTBOTTOMRIGHT, true}, Case{inside, HTBORDER, false}}) {
    Adapt(c.wnd);
    RECT h, v, wr;
    HorzScrollBarRect(adapter_, c.wnd, h);
    VertScrollBarRect(adapter_, c.wnd, v);
    GetWindowRect(c.wnd, &wr);
    ASSERT_EQ(v.bottom, h.top);
    const POINT corner{(v.left + v.right) / 2, (h.top + h.bottom) / 2};
    const LRESULT hit = SendMessageW(c.wnd, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y));
    if (c.grip) EXPECT_EQ(hit, HTBOTTOMRIGHT);
    else EXPECT_NE(hit, HTBOTTOMRIGHT);
    SendMessageW(c.wnd, WM_NCPAINT, 1, 0);
    // The grip sits in the corner's bottom-right pixels.
    const COLORREF last = WindowPixel(c.wnd, v.right - wr.left - 1, h.bottom - wr.top - 1);
    EXPECT_EQ(last == Marker(skingen::marker::kGripColour), c.grip);
    delete adapter_;
    adapter_ = nullptr;
  }
}

TEST_F(ScrollBarsTest, AnInactiveBarAnswersNoHitAndADisabledOneFadesToTheParent) {
  HWND empty = Child(L"EDIT", WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 10, 10, 150, 100);
  Adapt(empty);
  const POINT arrow = BottomArrow(empty);
  EXPECT_EQ(SendMessageW(empty, WM_NCHITTEST, 0, MAKELPARAM(arrow.x, arrow.y)), HTNOWHERE);
  delete adapter_;
  adapter_ = nullptr;

  HWND list = ListBox(100);
  Adapt(list);
  EnableWindow(list, FALSE);
  SendMessageW(list, WM_NCPAINT, 1, 0);
  // Lightened toward the parent's colour: each channel keeps 153/256 of
  // its own value over the colour's.
  const unsigned glyph = kBottomGlyph, parent = skingen::marker::kGlobalColour;
  auto mix = [](unsigned d, unsigned c) { return (((int(d) - int(c)) * 153 + int(c) * 256) >> 8) & 0xFF; };
  const unsigned expected = mix(glyph >> 16 & 0xFF, parent >> 16 & 0xFF) << 16 |
                            mix(glyph >> 8 & 0xFF, parent >> 8 & 0xFF) << 8 | mix(glyph & 0xFF, parent & 0xFF);
  EXPECT_EQ(BottomGlyph(list), Marker(expected));
}

TEST_F(ScrollBarsTest, MasksWithoutFramesAddNothingAndDivideByNothing) {
  // Arrow masks whose frame sizes cannot be computed: no image count, no
  // mask rows.
  skin::TsSkinModel& skin = *manager_->Skin();
  const skin::TsConstData& k = skin.ConstData;
  skin::TsMaskData& glyph = skin.Masks[static_cast<std::size_t>(k.ScrollButtons[1].Glyph)];
  glyph.ImageCount = 0;
  glyph.MaskType = -1;
  skin.Sections[static_cast<std::size_t>(k.ScrollButtons[2].Section)].ReservedBoolean = true;
  skin::TsMaskData& left = skin.Masks[static_cast<std::size_t>(k.ScrollButtons[2].Border)];
  left.ImageCount = 0;
  HWND list = ListBox(100, WS_VSCROLL | WS_HSCROLL | WS_BORDER);
  Adapt(list);
  EXPECT_EQ(GetScrollBarSize(adapter_->HorzBar.get(), false, true), GetSystemMetrics(SM_CXHSCROLL));
  SendMessageW(list, WM_NCPAINT, 1, 0);
  EXPECT_EQ(BottomGlyph(list), Marker(MarkerSection("SCROLLBTNBOTTOM").colour));  // no glyph drawn
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(f.QuadPart);
}

// One step of a thumb drag costs the adapted list at most three times what
// the same scroll costs a list with the system's bar (medians, same run).
TEST_F(ScrollBarsTest, ADragStepCostsAtMostThreeTimesTheUnadaptedOne) {
  HWND plain = ListBox(300);
  SetWindowPos(plain, nullptr, 200, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HWND list = ListBox(300);
  Adapt(list);
  const RECT v = VBar(list);
  const POINT grab{Mid(v).x, v.top + Arrow() + 3};
  NcDown(list, grab);
  ASSERT_TRUE(adapter_->Tracking);
  constexpr int kSteps = 41;
  std::vector<double> adapted, unadapted;
  for (int i = 0; i < kSteps; ++i) {
    const POINT to{grab.x, grab.y + (i % 2 ? 30 : 5)};
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    MouseAt(list, WM_MOUSEMOVE, to);
    UpdateWindow(list);
    QueryPerformanceCounter(&b);
    adapted.push_back(Seconds(a, b));

    const int pos = i % 2 ? 60 : 10;
    QueryPerformanceCounter(&a);
    SCROLLINFO si{sizeof(si), SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(plain, SB_VERT, &si, TRUE);
    SendMessageW(plain, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
    UpdateWindow(plain);
    QueryPerformanceCounter(&b);
    unadapted.push_back(Seconds(a, b));
  }
  MouseAt(list, WM_LBUTTONUP, grab);
  const double ratio = Median(adapted) / Median(unadapted);
  RecordProperty("drag_step_ratio", std::to_string(ratio));
  std::printf("drag step: adapted %.1f us, unadapted %.1f us, ratio %.2f\n", Median(adapted) * 1e6,
              Median(unadapted) * 1e6, ratio);
  EXPECT_LE(ratio, 3.0);
}

// A window that handles full 32-bit positions itself (it answers command
// 51 with 1) and a large range.
LRESULT CALLBACK BigScroller(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == skin::SkinCommandMessage && skin::SkinCommandCode(wParam) == skin::scBeforeScroll) return 1;
  if (msg == WM_VSCROLL) scrollCalls.push_back({msg, LOWORD(wParam), HIWORD(wParam), lParam});
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

TEST_F(ScrollBarsTest, AWindowThatAsksForThemGetsPositionsAbove65535) {
  RegisterTestClass(L"AdapterBigScroller", BigScroller);
  HWND wnd = Child(L"AdapterBigScroller", WS_VSCROLL, 10, 10, 120, 200);
  SCROLLINFO si{sizeof(si), SIF_ALL, 0, 1000000, 10, 0, 0};
  SetScrollInfo(wnd, SB_VERT, &si, TRUE);
  Adapt(wnd);
  const RECT v = VBar(wnd);
  const int arrow = GetScrollBarSize(adapter_->VertBar.get(), false, true);
  const POINT grab{Mid(v).x, v.top + arrow + 2};
  NcDown(wnd, grab);
  MouseAt(wnd, WM_MOUSEMOVE, POINT{grab.x, v.bottom + 50});  // far past the end
  MouseAt(wnd, WM_LBUTTONUP, POINT{grab.x, v.bottom + 50});
  ASSERT_EQ(Codes(), (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
  EXPECT_EQ(scrollCalls[0].lParam, 1000000 - 10 + 1);  // the last position, not max + 1
  EXPECT_EQ(scrollCalls[0].pos16, 65535);
  EXPECT_EQ(scrollCalls[1].lParam, 1000000 - 10 + 1);
}

}  // namespace
}  // namespace skin_test
