#ifdef _WIN32
#include <gtest/gtest.h>

#include "classlib/controls/CheckBox.h"
#include "classlib/controls/ComboBox.h"
#include "classlib/controls/Edit.h"
#include "classlib/controls/Memo.h"
#include "ControlsTestSupport.h"

namespace classlib_test {

using namespace classlib;

// With and without a window: OnChange only for a real change, once.
class EditChange : public ::testing::TestWithParam<bool> {};

TEST_P(EditChange, RunsOnlyWhenTextReallyChanges) {
  FormPtr form = MakeShownForm();
  auto* edit = new TEdit(form.get());
  if (GetParam()) edit->SetParent(form.get());
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText(L"Łódź");
  EXPECT_EQ(changes, 1);
  edit->SetText(L"Łódź");
  EXPECT_EQ(changes, 1);
  edit->SetText(L"Kraków");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(edit->Text(), L"Kraków");
  edit->Clear();
  EXPECT_EQ(changes, 3);
  edit->Clear();
  EXPECT_EQ(changes, 3);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutWindow, EditChange, ::testing::Values(true, false));

TEST(Edit, TextSurvivesRecreatedWindowAndPasswordCharMasks) {
  FormPtr form = MakeShownForm();
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetText(L"tajne");
  edit->SetPasswordChar(L'*');
  EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  HWND before = edit->Handle();
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetBorderStyle(bsNone);  // makes the window again
  EXPECT_NE(edit->Handle(), before);
  EXPECT_EQ(edit->Text(), L"tajne");
  EXPECT_EQ(changes, 0);
}

TEST(Memo, LinesMapToTextWithoutCap) {
  FormPtr form = MakeShownForm();
  auto* memo = new TMemo(form.get());
  memo->SetParent(form.get());
  memo->Lines()->Add(L"pierwsza");
  memo->Lines()->Add(L"druga");
  memo->Lines()->Insert(1, L"środek");
  EXPECT_EQ(memo->Text(), L"pierwsza\r\nśrodek\r\ndruga");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  memo->Lines()->Delete(0);
  EXPECT_EQ(memo->Lines()->Strings(0), L"środek");
  // More than an edit control's default limit of 30000 characters.
  std::wstring longText;
  while (longText.size() < 40000) longText += std::wstring(78, L'x') + L"\r\n";
  memo->SetText(longText);
  EXPECT_EQ(memo->Text().size(), longText.size());
}

TEST(ComboBox, ItemIndexRunsNoEvent) {
  FormPtr form = MakeShownForm();
  auto* combo = new TComboBox(form.get());
  combo->SetStyle(csDropDownList);
  combo->Items()->Add(L"Omega");
  combo->Items()->Add(L"Longines");
  combo->Items()->Add(L"Zenith");
  combo->SetItemIndex(1);  // before the window exists
  int events = 0;
  combo->OnChange = [&](TObject*) { ++events; };
  combo->OnClick = [&](TObject*) { ++events; };
  combo->OnSelect = [&](TObject*) { ++events; };
  combo->SetParent(form.get());
  ASSERT_TRUE(combo->HandleAllocated());
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), L"Longines");
  combo->SetItemIndex(2);
  combo->SetItemIndex(-1);
  combo->SetItemIndex(0);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(combo->ItemIndex(), 0);
  combo->SetItemIndex(7);  // out of range: nothing selected
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(events, 0);
  // A selection by the user does run it.
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_GT(events, 0);
}

TEST(ComboBox, SortedItemsAndOwnerDrawState) {
  FormPtr form = MakeShownForm();
  struct TDrawnCombo : TComboBox {
    using TComboBox::TComboBox;
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override {
      drawn.emplace_back(index, state);
      TComboBox::DrawItem(index, rect, state);
    }
  };
  auto* combo = new TDrawnCombo(form.get());
  combo->SetStyle(csOwnerDrawFixed);
  combo->SetItemHeight(32);
  combo->SetSorted(true);
  for (const wchar_t* s : {L"zegarek", L"Ąbc", L"anker"}) combo->Items()->Add(s);
  EXPECT_EQ(combo->Items()->Strings(0), L"anker");
  EXPECT_EQ(combo->Items()->Strings(2), L"zegarek");
  combo->SetParent(form.get());
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0), 32);

  HDC dc = CreateCompatibleDC(nullptr);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_COMBOBOX;
  item.hwndItem = combo->Handle();
  item.itemID = 1;
  item.itemState = ODS_SELECTED | ODS_FOCUS | ODS_COMBOBOXEDIT;
  item.hDC = dc;
  item.rcItem = RECT{0, 0, 100, 32};
  SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  DeleteDC(dc);
  ASSERT_FALSE(combo->drawn.empty());
  EXPECT_EQ(combo->drawn.back().first, 1);
  EXPECT_EQ(combo->drawn.back().second, (TOwnerDrawState{odSelected, odFocused, odComboBoxEdit}));
}

TEST(ComboBox, InnerEditMessagesPassTheHook) {
  FormPtr form = MakeShownForm();
  struct THookedCombo : TComboBox {
    using TComboBox::TComboBox;
    int userMessages = 0;
    void EditWndProc(TMessage& m) override {
      if (m.Msg == WM_USER + 3) ++userMessages;
      TComboBox::EditWndProc(m);
    }
  };
  auto* combo = new THookedCombo(form.get());
  combo->SetStyle(csDropDown);
  combo->SetParent(form.get());
  ASSERT_NE(combo->EditHandle(), nullptr);
  SendMessageW(combo->EditHandle(), WM_USER + 3, 0, 0);
  EXPECT_EQ(combo->userMessages, 1);
  SetWindowTextW(combo->EditHandle(), L"Seiko");
  EXPECT_EQ(combo->Text(), L"Seiko");
}

TEST(CheckBox, DifferentCheckedRunsClickAfterChangedNotice) {
  std::vector<std::string> order;  // outlives the form and its controls
  FormPtr form = MakeShownForm();
  auto* box = new TCheckBox(form.get());
  box->SetParent(form.get());
  TWndMethod old = box->WindowProc();
  box->SetWindowProc([&order, old](TMessage& m) {
    if (m.Msg == CM_CHANGED) order.push_back("changed");
    old(m);
  });
  box->OnClick = [&](TObject*) { order.push_back("click"); };
  box->SetChecked(true);
  box->SetChecked(true);
  EXPECT_EQ(order, (std::vector<std::string>{"changed", "click"}));
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  // A click of the system button toggles it back.
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(order.size(), 4u);
}

}  // namespace classlib_test
#endif
