// The combo box under its adapter: the list's colours answered with one
// brush per adapter (gone with the adapter), only the combo's own list
// adopted, long items read whole, the button from "COMBOBTN".
#include "classlib/controls/ComboBox.h"
#include "classlib/controls/Forms.h"
#include "skin/adapters/ComboBoxWnd.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

namespace {

class ComboBoxWndTest : public AdapterFixture {
 protected:
  void TearDown() override {
    delete adapter_;
    AdapterFixture::TearDown();
  }
  void Make(DWORD kind) {
    combo_ = Child(L"COMBOBOX", kind | WS_VSCROLL, 10, 10, 200, 160);
    for (const wchar_t* item : {L"Omega", L"Seiko", L"Zenith"})
      SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    adapter_ = MakeAdapter<TacComboBoxWnd>(combo_, false, L"COMBOBOX", manager_.get(), nullptr);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo_, &info));
    list_ = info.hwndList;
  }
  LRESULT AskListColours(HWND list) {
    MemoryDC dc(4, 4);
    return SendMessageW(combo_, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.Handle()),
                        reinterpret_cast<LPARAM>(list));
  }

  HWND combo_ = nullptr;
  HWND list_ = nullptr;
  TacComboBoxWnd* adapter_ = nullptr;
};

TEST_F(ComboBoxWndTest, TheListGetsOneBrushThatGoesWithTheAdapter) {
  Make(CBS_DROPDOWNLIST);
  const LRESULT first = AskListColours(list_);
  ASSERT_NE(first, 0);
  EXPECT_EQ(adapter_->ListWnd, list_);
  ASSERT_NE(adapter_->ListAdapter, nullptr);
  EXPECT_EQ(GetAdapter(list_), adapter_->ListAdapter);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(AskListColours(list_), first);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(first), adapter_->ListBrush());
  LOGBRUSH lb{};
  ASSERT_EQ(GetObjectW(reinterpret_cast<HBRUSH>(first), sizeof(lb), &lb), static_cast<int>(sizeof(lb)));
  EXPECT_EQ(lb.lbColor, Marker(MarkerSection("EDIT").colour));
  // Dropping the list asks again: still the same brush.
  SendMessageW(combo_, CB_SHOWDROPDOWN, TRUE, 0);
  RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(adapter_->ListBrush(), reinterpret_cast<HBRUSH>(first));

  delete adapter_;
  adapter_ = nullptr;
  EXPECT_EQ(GetObjectType(reinterpret_cast<HBRUSH>(first)), 0u);
  EXPECT_EQ(GetAdapter(list_), nullptr);
}

TEST_F(ComboBoxWndTest, AListHandleThatIsNotTheCombosOwnIsRefused) {
  Make(CBS_DROPDOWN);
  HWND stranger = ListBox(3);
  AskListColours(stranger);
  EXPECT_EQ(adapter_->ListWnd, nullptr);
  EXPECT_EQ(adapter_->ListAdapter, nullptr);
  EXPECT_EQ(GetAdapter(stranger), nullptr);
  EXPECT_EQ(adapter_->ListBrush(), nullptr);
  // The combo's own list is still taken afterwards.
  AskListColours(list_);
  EXPECT_EQ(adapter_->ListWnd, list_);
}

TEST_F(ComboBoxWndTest, RemovingTheSkinGivesTheListItsPlainBorderBack) {
  Make(CBS_DROPDOWNLIST);
  AskListColours(list_);
  ASSERT_NE(adapter_->ListAdapter, nullptr);
  skin::SendSkinCommandToWnd(combo_, skin::scRemoveSkin, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(adapter_->ListAdapter, nullptr);
  EXPECT_EQ(adapter_->ListWnd, nullptr);
  EXPECT_EQ(GetAdapter(list_), nullptr);
  const LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
  EXPECT_TRUE(style & WS_BORDER);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST_F(ComboBoxWndTest, ALongSelectedItemIsReadWhole) {
  Make(CBS_DROPDOWNLIST);
  const std::wstring item(4000, L'ł');
  const LRESULT index = SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  EXPECT_EQ(adapter_->SelectedText(), item);
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(adapter_->SelectedText(), L"");
}

TEST_F(ComboBoxWndTest, TheButtonIsPaintedFromItsSectionAtTheRightOrLeft) {
  for (const DWORD ex : {0ul, static_cast<unsigned long>(WS_EX_RTLREADING)}) {
    SCOPED_TRACE(ex);
    combo_ = Child(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 200, 160, ex);
    auto* adapter = MakeAdapter<TacComboBoxWnd>(combo_, false, L"COMBOBOX", manager_.get(), nullptr);
    RECT b;
    adapter->GetButtonRect(b);
    RECT wr;
    GetWindowRect(combo_, &wr);
    EXPECT_EQ(b.right - b.left, GetSystemMetrics(SM_CXVSCROLL));
    if (ex) EXPECT_EQ(b.left, 2);
    else EXPECT_EQ(b.right, wr.right - wr.left - 2);
    MemoryDC dc(wr.right - wr.left, wr.bottom - wr.top);
    SendMessageW(combo_, WM_PRINT, reinterpret_cast<WPARAM>(dc.Handle()), PRF_CLIENT | PRF_NONCLIENT);
    EXPECT_EQ(GetPixel(dc.Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2),
              Marker(MarkerSection("COMBOBTN").glyph));
    const int fieldX = ex ? b.right + 20 : b.left - 20;
    EXPECT_EQ(GetPixel(dc.Handle(), fieldX, 4), Marker(MarkerSection("COMBOBOX").colour));
    delete adapter;
    DestroyWindow(combo_);
  }
}

TEST_F(ComboBoxWndTest, ADataAwareComboWithoutADropDownHasNoButton) {
  std::unique_ptr<classlib::TForm> form(classlib::New<classlib::TForm>(nullptr));
  for (const auto style : {classlib::csSimple, classlib::csDropDownList}) {
    auto* combo = classlib::New<classlib::TComboBox>(form.get());
    combo->SetParent(form.get());
    combo->SetStyle(style);
    combo->SetBounds(10, 10, 150, 24);
    combo->HandleNeeded();
    skin::TsCommonData data(combo, true);
    auto* adapter = MakeAdapter<TacWWComboBoxWnd>(combo->Handle(), false, L"COMBOBOX", manager_.get(), &data);
    RECT b;
    adapter->GetButtonRect(b);
    EXPECT_EQ(adapter->HasButton, style != classlib::csSimple);
    EXPECT_EQ(b.right - b.left, style == classlib::csSimple ? 0 : GetSystemMetrics(SM_CXVSCROLL));
    delete adapter;
  }
}

}  // namespace
}  // namespace skin_test
