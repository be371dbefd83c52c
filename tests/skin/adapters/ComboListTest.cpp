// The drop-down list of a combo box under its adapter: a pixel wider, framed
// by one pixel of the skin's border colour, with skinned bars whose thumb
// scrolls the list while it is dropped.
#include "skin/adapters/EditWnd.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

namespace {

class ComboListTest : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    combo_ = Child(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 200, 160);
    for (int i = 0; i < 15; ++i) {
      const std::wstring text = L"Karta " + std::to_wstring(i + 1);
      SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo_, &info));
    list_ = info.hwndList;
    GetWindowRect(list_, &before_);
    adapter_ = MakeComboListAdapter(list_, false, true, L"", manager_.get(), nullptr);
  }
  void TearDown() override {
    SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
    delete adapter_;
    AdapterFixture::TearDown();
  }
  void Drop() {
    SendMessageW(combo_, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(IsWindowVisible(list_));
    RedrawWindow(list_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }

  HWND combo_ = nullptr;
  HWND list_ = nullptr;
  RECT before_{};
  TacComboListWnd* adapter_ = nullptr;
};

TEST_F(ComboListTest, TheListIsOnePixelWiderWithABorderColourFrame) {
  RECT after;
  GetWindowRect(list_, &after);
  EXPECT_EQ(after.right - after.left, before_.right - before_.left + 1);
  Drop();
  GetWindowRect(list_, &after);
  const int w = after.right - after.left, h = after.bottom - after.top;
  const COLORREF border = Marker(skingen::marker::kBorderColour);
  EXPECT_EQ(WindowPixel(list_, 0, h / 2), border);
  EXPECT_EQ(WindowPixel(list_, w / 3, 0), border);
  EXPECT_EQ(WindowPixel(list_, w / 3, h - 1), border);
  // The vertical bar stands inside the frame, drawn from the skin.
  RECT v;
  VertScrollBarRect(adapter_, list_, v);
  EXPECT_EQ(v.right, after.right - adapter_->MarginRight);
  const POINT arrow = TopArrowInWindow(adapter_, list_);
  EXPECT_EQ(WindowPixel(list_, arrow.x, arrow.y), Marker(MarkerSection("SCROLLBTNTOP").glyph));
}

TEST_F(ComboListTest, AThumbDragMovesTheTopIndex) {
  Drop();
  ASSERT_EQ(SendMessageW(list_, LB_GETTOPINDEX, 0, 0), 0);
  RECT v;
  VertScrollBarRect(adapter_, list_, v);
  const int arrow = GetScrollBarSize(adapter_->VertBar.get(), false, true);
  const POINT grab{(v.left + v.right) / 2, v.top + arrow + 2};
  SendMessageW(list_, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(grab.x, grab.y));
  ASSERT_TRUE(adapter_->Tracking);
  POINT to{grab.x, grab.y + 40};
  ScreenToClient(list_, &to);
  SendMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  SendMessageW(list_, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  EXPECT_GT(SendMessageW(list_, LB_GETTOPINDEX, 0, 0), 0);
  EXPECT_FALSE(adapter_->Tracking);
  // The list is still dropped: the click on its bar chose nothing.
  EXPECT_TRUE(IsWindowVisible(list_));
}

}  // namespace
}  // namespace skin_test
