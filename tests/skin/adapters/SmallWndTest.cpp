// The size grip and the panel under their adapters.
#include "classlib/controls/Forms.h"
#include "classlib/controls/Panel.h"
#include "skin/adapters/SmallWnd.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;
using namespace classlib;

namespace {

using SmallWndTest = AdapterFixture;

TEST_F(SmallWndTest, ASizeGripAnswersBottomRightEverywhereAndShowsTheGripImage) {
  HWND grip = Child(L"SCROLLBAR", SBS_SIZEGRIP, 100, 100, 20, 20);
  auto* adapter = MakeAdapter<TacSizerWnd>(grip, false, L"CHECKBOX", manager_.get(), nullptr);
  RECT r;
  GetWindowRect(grip, &r);
  for (const POINT p : {POINT{r.left, r.top}, POINT{r.left + 10, r.top + 10}, POINT{r.right - 1, r.bottom - 1},
                        POINT{r.left - 50, r.top - 50}})
    EXPECT_EQ(SendMessageW(grip, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTBOTTOMRIGHT);
  MemoryDC dc(20, 20);
  SendMessageW(grip, WM_PRINT, reinterpret_cast<WPARAM>(dc.Handle()), PRF_CLIENT);
  EXPECT_EQ(GetPixel(dc.Handle(), 19, 19), Marker(skingen::marker::kGripColour));
  EXPECT_NE(GetPixel(dc.Handle(), 2, 2), Marker(skingen::marker::kGripColour));
  delete adapter;
}

TEST_F(SmallWndTest, APanelTakesItsSectionFromItsBevels) {
  struct Row {
    TBevelCut outer, inner;
    TBorderStyle border;
    const wchar_t* section;
  };
  const Row rows[] = {
      {bvLowered, bvRaised, bsNone, L"GROUPBOX"},  {bvLowered, bvNone, bsNone, L"PANEL_LOW"},
      {bvRaised, bvLowered, bsNone, L"GROUPBOX"},  {bvRaised, bvRaised, bsNone, L"PANEL"},
      {bvNone, bvLowered, bsSingle, L"PANEL_LOW"}, {bvNone, bvNone, bsNone, L"CHECKBOX"},
      {bvSpace, bvNone, bsNone, L"CHECKBOX"},
  };
  std::unique_ptr<TForm> form(New<TForm>(nullptr));
  for (const Row& r : rows) {
    TPanel* panel = New<TPanel>(form.get());
    panel->SetParent(form.get());
    panel->SetBevelOuter(r.outer);
    panel->SetBevelInner(r.inner);
    panel->SetBorderStyle(r.border);
    panel->HandleNeeded();
    skin::TsCommonData data(panel, true);
    auto* adapter = MakeAdapter<TacPanelWnd>(panel->Handle(), false, L"", manager_.get(), &data);
    EXPECT_EQ(data.SkinSection(), r.section);
    EXPECT_EQ(PanelSectionOf(*panel), r.section);
    EXPECT_EQ(adapter->Panel, panel);
    delete adapter;
  }
}

}  // namespace
}  // namespace skin_test
