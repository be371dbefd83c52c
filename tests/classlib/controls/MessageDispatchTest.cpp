#ifdef _WIN32
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "classlib/controls/Button.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"
#include "classlib/controls/Shape.h"
#include "ControlsTestSupport.h"

namespace classlib_test {

using namespace classlib;

// Records the CM_MOUSEENTER / CM_MOUSELEAVE each control receives, in order.
struct MouseLog {
  std::vector<std::pair<TControl*, UINT>> events;
  void Watch(TControl* control) {
    TWndMethod old = control->WindowProc();
    control->SetWindowProc([this, control, old](TMessage& m) {
      if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) events.emplace_back(control, m.Msg);
      old(m);
    });
  }
};

class MouseTracking : public ::testing::Test {
 protected:
  void SetUp() override {
    form = MakeShownForm();
    panel = new TPanel(form.get());
    panel->SetBounds(10, 10, 200, 150);
    panel->SetParent(form.get());
    shape = new TShape(form.get());
    shape->SetBounds(20, 20, 50, 40);
    shape->SetParent(panel);
    log.Watch(panel);
    log.Watch(shape);
  }
  void MoveOverPanel(int x, int y) { SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

  MouseLog log;  // outlives the form and its controls
  FormPtr form;
  TPanel* panel = nullptr;
  TShape* shape = nullptr;
};

TEST_F(MouseTracking, WindowlessChildGetsEnterAndLeave) {
  int entered = 0, left = 0;
  shape->OnMouseEnter = [&](TObject*) { ++entered; };
  shape->OnMouseLeave = [&](TObject*) { ++left; };

  MoveOverPanel(30, 30);  // onto the shape
  MoveOverPanel(35, 32);  // still on it: nothing new
  ASSERT_EQ(log.events.size(), 1u);
  EXPECT_EQ(log.events[0], std::make_pair(static_cast<TControl*>(shape), CM_MOUSEENTER));
  EXPECT_EQ(entered, 1);
  EXPECT_TRUE(shape->MouseInControl());

  MoveOverPanel(150, 120);  // off the shape, still on the panel
  ASSERT_EQ(log.events.size(), 3u);
  EXPECT_EQ(log.events[1], std::make_pair(static_cast<TControl*>(shape), CM_MOUSELEAVE));
  EXPECT_EQ(log.events[2], std::make_pair(static_cast<TControl*>(panel), CM_MOUSEENTER));
  EXPECT_EQ(left, 1);

  // The window's own leave notice (TrackMouseEvent) ends the panel's turn.
  SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);
  ASSERT_EQ(log.events.size(), 4u);
  EXPECT_EQ(log.events[3], std::make_pair(static_cast<TControl*>(panel), CM_MOUSELEAVE));
  EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(MouseTracking, LeaveWhileOverWindowlessChildLeavesIt) {
  MoveOverPanel(30, 30);
  SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);
  ASSERT_EQ(log.events.size(), 2u);
  EXPECT_EQ(log.events[1], std::make_pair(static_cast<TControl*>(shape), CM_MOUSELEAVE));
}

TEST_F(MouseTracking, HiddenOrFreedChildIsSkipped) {
  shape->Hide();
  MoveOverPanel(30, 30);
  ASSERT_EQ(log.events.size(), 1u);
  EXPECT_EQ(log.events[0].first, panel);
  shape->Show();
  MoveOverPanel(31, 30);
  delete shape;  // while the mouse is over it: no stale pointer is kept
  EXPECT_EQ(MouseControl(), nullptr);
  MoveOverPanel(32, 30);
  EXPECT_EQ(MouseControl(), panel);
}

TEST_F(MouseTracking, MouseButtonsReachWindowlessChildInLocalCoordinates) {
  std::vector<std::pair<int, int>> downs;
  int clicks = 0;
  shape->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
    EXPECT_EQ(b, mbLeft);
    downs.emplace_back(x, y);
  };
  shape->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 27));
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(26, 27));
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0], std::make_pair(5, 7));
  EXPECT_EQ(clicks, 1);
}

TEST(WindowProcSwap, SeesEveryMessageFirstAndChains) {
  std::vector<UINT> seen;
  TWndMethod old;
  bool swallowText = false;
  FormPtr form = MakeShownForm();
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  old = button->WindowProc();
  button->SetWindowProc([&](TMessage& m) {
    seen.push_back(m.Msg);
    if (swallowText && m.Msg == WM_SETTEXT) {
      m.Result = TRUE;
      return;
    }
    old(m);
  });

  button->SetCaption(L"Zapisz");
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_TEXTCHANGED), seen.end());
  EXPECT_EQ(button->Caption(), L"Zapisz");  // chained to the old procedure

  seen.clear();
  EXPECT_EQ(SendMessageW(button->Handle(), WM_USER + 7, 1, 2), 0);
  button->Hide();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), static_cast<UINT>(WM_USER + 7));
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_VISIBLECHANGED), seen.end());

  // Not chaining keeps the message from the control.
  swallowText = true;
  button->SetCaption(L"Inny");
  EXPECT_EQ(button->Caption(), L"Zapisz");

  // Putting the old procedure back ends the interception.
  button->SetWindowProc(old);
  seen.clear();
  button->Perform(WM_USER + 8);
  EXPECT_TRUE(seen.empty());
}

TEST(WindowProcSwap, VisibleChangedCarriesNewValue) {
  std::vector<WPARAM> values;
  FormPtr form = MakeShownForm();
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  TWndMethod old = label->WindowProc();
  label->SetWindowProc([&values, old](TMessage& m) {
    if (m.Msg == CM_VISIBLECHANGED) values.push_back(m.WParam);
    old(m);
  });
  label->Hide();
  label->Hide();  // no change: no notice
  label->Show();
  EXPECT_EQ(values, (std::vector<WPARAM>{0, 1}));
}

TEST(Invalidate, SendsNoticeWithAndWithoutHandle) {
  Application->Initialize();
  int notices = 0;
  std::unique_ptr<TPanel> panel(New<TPanel>(nullptr));
  TWndMethod old = panel->WindowProc();
  panel->SetWindowProc([&](TMessage& m) {
    if (m.Msg == CM_INVALIDATE) ++notices;
    old(m);
  });
  panel->Invalidate();
  EXPECT_FALSE(panel->HandleAllocated());
  EXPECT_EQ(notices, 1);
  FormPtr form = MakeShownForm();
  panel->SetParent(form.get());
  ASSERT_TRUE(panel->HandleAllocated());
  const int before = notices;
  panel->Invalidate();
  EXPECT_EQ(notices, before + 1);
  panel->SetParent(nullptr);
}

}  // namespace classlib_test
#endif
