// The up-down control under its adapter: two skinned buttons with the
// scroll buttons' arrows, hot under the cursor, pressed while the button is
// down; a section the skin lacks falls back to "BUTTON".
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "skin/adapters/HotWindow.h"
#include "skin/adapters/SpinWnd.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;
using skingen::marker::kBorderWidth;

namespace {

class SpinWndTest : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
  }
  void TearDown() override {
    delete adapter_;
    AdapterFixture::TearDown();
  }
  void Make(DWORD style, int w, int h, const wchar_t* section = L"") {
    spin_ = Child(UPDOWN_CLASSW, style, 20, 20, w, h);
    adapter_ = MakeAdapter<TacSpinWnd>(spin_, false, section, manager_.get(), nullptr);
    // The control may size itself: the middle of its real width.
    RECT r;
    GetClientRect(spin_, &r);
    mid_ = r.right / 2;
  }
  void CursorAt(int x, int y) {
    POINT p{x, y};
    ClientToScreen(spin_, &p);
    ScrollPlatform().CursorPos = [p] { return p; };
  }
  // The window printed through its adapter; the pixel at (x, y).
  COLORREF Printed(int x, int y) {
    MemoryDC dc(100, 100);
    SendMessageW(spin_, WM_PRINT, reinterpret_cast<WPARAM>(dc.Handle()), PRF_CLIENT);
    return GetPixel(dc.Handle(), x, y);
  }
  // Colour of frame `state` of a marker mask.
  static COLORREF Frame(unsigned base, int state) { return Marker(base + static_cast<unsigned>(state)); }

  HWND spin_ = nullptr;
  int mid_ = 0;
  TacSpinWnd* adapter_ = nullptr;
};

TEST_F(SpinWndTest, TheButtonUnderTheCursorIsHotAndPressingRaisesItToPressed) {
  Make(0, 20, 40, L"NOSUCHSECTION");
  const unsigned border = MarkerSection("BUTTON").border;
  const unsigned up = MarkerSection("SCROLLBTNTOP").glyph, down = MarkerSection("SCROLLBTNBOTTOM").glyph;
  struct Case {
    int cursorY;
    bool press;
    int upper, lower;
  };
  const Case cases[] = {{5, false, 1, 0}, {35, false, 0, 1}, {5, true, 2, 0}, {35, true, 0, 2}, {200, false, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cursorY + (c.press ? 1000 : 0));
    CursorAt(mid_, c.cursorY);
    adapter_->Pressed = c.press ? 1 : 0;
    EXPECT_EQ(Printed(mid_, 10), Frame(up, c.upper));
    EXPECT_EQ(Printed(mid_, 30), Frame(down, c.lower));
    EXPECT_EQ(Printed(kBorderWidth - 1, 10), Frame(border, c.upper));
    EXPECT_EQ(Printed(kBorderWidth - 1, 30), Frame(border, c.lower));
  }
  // The section the skin lacks was replaced by the buttons' own.
  EXPECT_EQ(adapter_->SkinData->SkinSection(), L"BUTTON");
}

TEST_F(SpinWndTest, AButtonDownOnTheControlPaintsThePressedState) {
  Make(0, 20, 40);
  CursorAt(mid_, 35);
  SendMessageW(spin_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(mid_, 35));
  EXPECT_EQ(adapter_->Pressed, 1);
  EXPECT_EQ(Printed(mid_, 30), Frame(MarkerSection("SCROLLBTNBOTTOM").glyph, 2));
  SendMessageW(spin_, WM_LBUTTONUP, 0, MAKELPARAM(mid_, 35));
  EXPECT_EQ(adapter_->Pressed, 0);
  EXPECT_EQ(Printed(mid_, 30), Frame(MarkerSection("SCROLLBTNBOTTOM").glyph, 1));
}

TEST_F(SpinWndTest, AHorizontalControlHasLeftAndRightArrows) {
  Make(UDS_HORZ, 40, 20, L"BUTTON");
  EXPECT_FALSE(adapter_->IsVertical());
  CursorAt(35, 10);
  EXPECT_EQ(Printed(10, 10), Frame(MarkerSection("SCROLLBTNLEFT").glyph, 0));
  EXPECT_EQ(Printed(30, 10), Frame(MarkerSection("SCROLLBTNRIGHT").glyph, 1));
}

TEST_F(SpinWndTest, TheMouseOverTheControlMakesItTheHotWindow) {
  Make(0, 20, 40);
  CursorAt(mid_, 5);
  SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(mid_, 5));
  EXPECT_EQ(HotWindow(), spin_);
  CursorAt(mid_, 300);
  SendMessageW(spin_, WM_MOUSEMOVE, 0, MAKELPARAM(mid_, 300));
  EXPECT_NE(HotWindow(), spin_);
}

}  // namespace
}  // namespace skin_test
