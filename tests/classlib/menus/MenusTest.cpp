#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/Utf8.h"
#include "classlib/menus/Menus.h"

namespace classlib {
namespace {

std::wstring MenuText(HMENU menu, UINT position) {
  wchar_t text[256] = {};
  GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
  return text;
}

MENUITEMINFOW ItemInfo(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return info;
}

std::string CaptionOf(const TMenuItem* item) { return WideToUtf8(item->Caption()); }

TMenuItem* AddItem(TMenuItem* parent, const std::wstring& caption) {
  auto* item = new TMenuItem(parent->GetParentMenu() ? parent->GetParentMenu()->Owner() : nullptr);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// A pop-up menu like the program's fill-in menus: "Wklej", a separator, a
// radio pair, a disabled item, a submenu and an item that starts a column.
class PopupMenuFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    menu = new TPopupMenu(&owner);
    TMenuItem* root = menu->Items();
    paste = AddItem(root, L"Wklej");
    line = AddItem(root, L"-");
    five = AddItem(root, L"po 5 latach");
    ten = AddItem(root, L"po 10 latach");
    for (TMenuItem* radio : {five, ten}) {
      radio->SetRadioItem(true);
      radio->SetAutoCheck(true);
      radio->SetGroupIndex(1);
    }
    five->SetChecked(true);
    disabled = AddItem(root, L"Nieaktywny");
    disabled->SetEnabled(false);
    odd = AddItem(root, L"Nieparzyste");
    AddItem(odd, L"19");
    AddItem(odd, L"21");
    column = AddItem(root, L"Druga kolumna");
    column->SetBreak(mbBreak);
  }

  TComponent owner{nullptr};
  TPopupMenu* menu = nullptr;
  TMenuItem *paste = nullptr, *line = nullptr, *five = nullptr, *ten = nullptr, *disabled = nullptr,
            *odd = nullptr, *column = nullptr;
};

TEST_F(PopupMenuFixture, HandleMirrorsTheItems) {
  const HMENU handle = menu->Handle();
  ASSERT_EQ(GetMenuItemCount(handle), 7);
  EXPECT_EQ(MenuText(handle, 0), L"Wklej");
  EXPECT_TRUE(ItemInfo(handle, 1).fType & MFT_SEPARATOR);
  const MENUITEMINFOW radio = ItemInfo(handle, 2);
  EXPECT_TRUE(radio.fType & MFT_RADIOCHECK);
  EXPECT_TRUE(radio.fState & MFS_CHECKED);
  EXPECT_EQ(radio.wID, five->Command());
  EXPECT_EQ(radio.dwItemData, reinterpret_cast<ULONG_PTR>(five));
  EXPECT_TRUE(ItemInfo(handle, 4).fState & MFS_GRAYED);
  ten->SetDefault(true);
  EXPECT_TRUE(ItemInfo(handle, 3).fState & MFS_DEFAULT);
  EXPECT_EQ(ItemInfo(handle, 5).hSubMenu, odd->Handle());
  EXPECT_EQ(GetMenuItemCount(odd->Handle()), 2);
  EXPECT_TRUE(ItemInfo(handle, 6).fType & MFT_MENUBREAK);
  EXPECT_FALSE(ItemInfo(handle, 0).fType & MFT_OWNERDRAW);
}

TEST_F(PopupMenuFixture, ChangesRebuildTheHandle) {
  const HMENU handle = menu->Handle();
  paste->SetVisible(false);
  line->SetVisible(false);
  ASSERT_EQ(GetMenuItemCount(handle), 5);
  EXPECT_EQ(MenuText(handle, 0), L"po 5 latach");

  five->SetCaption(L"co 5 lat");
  five->SetShortCut(TextToShortCut(L"Ctrl+5"));
  EXPECT_EQ(MenuText(handle, 0), L"co 5 lat\tCtrl+5");

  // An item that gets its first sub-item becomes a submenu; Clear frees them.
  AddItem(column, L"A");
  EXPECT_EQ(ItemInfo(handle, 4).hSubMenu, column->Handle());
  odd->Clear();
  EXPECT_EQ(odd->Count(), 0);
  EXPECT_EQ(ItemInfo(handle, 3).hSubMenu, nullptr);

  menu->SetOwnerDraw(true);
  EXPECT_TRUE(ItemInfo(handle, 0).fType & MFT_OWNERDRAW);
  EXPECT_TRUE(ItemInfo(column->Handle(), 0).fType & MFT_OWNERDRAW);

  delete ten;
  EXPECT_EQ(GetMenuItemCount(handle), 4);
  EXPECT_EQ(menu->Items()->IndexOf(disabled), 3);
}

TEST_F(PopupMenuFixture, StructureOperations) {
  TMenuItem* root = menu->Items();
  EXPECT_EQ(root->Find(L"&wklej"), paste);
  EXPECT_EQ(root->Find(L"Brak"), nullptr);
  EXPECT_EQ(odd->Items(1)->Parent(), odd);
  EXPECT_EQ(odd->Items(1)->GetParentMenu(), menu);
  EXPECT_EQ(five->MenuIndex(), 2);
  five->SetMenuIndex(0);
  EXPECT_EQ(root->Items(0), five);
  EXPECT_THROW(root->Items(99), EMenuError);
  EXPECT_THROW(root->Add(five), EMenuError);  // already has a parent
  EXPECT_THROW(odd->Items(0)->Add(odd), EMenuError);  // into its own sub-item
  root->Delete(root->IndexOf(paste));
  EXPECT_EQ(root->Find(L"Wklej"), nullptr);
  EXPECT_EQ(menu->FindItemByCommand(odd->Items(0)->Command()), odd->Items(0));
}

TEST_F(PopupMenuFixture, RadioItemsOfAGroupExcludeEachOther) {
  ten->SetChecked(true);
  EXPECT_FALSE(five->Checked());
  // Another group is not touched.
  TMenuItem* other = AddItem(menu->Items(), L"Inna grupa");
  other->SetRadioItem(true);
  other->SetGroupIndex(2);
  other->SetChecked(true);
  EXPECT_TRUE(ten->Checked());
}

TEST_F(PopupMenuFixture, SentCommandClicksTheItemAfterAutoCheck) {
  std::vector<std::pair<TObject*, bool>> clicks;
  auto record = [&](TObject* sender) { clicks.emplace_back(sender, static_cast<TMenuItem*>(sender)->Checked()); };
  ten->SetOnClick(record);
  five->SetOnClick(record);
  TMenuItem* hide = AddItem(menu->Items(), L"Ukryj koszty zakupu");
  hide->SetAutoCheck(true);
  hide->SetOnClick(record);
  menu->Handle();

  SendMessageW(MenuPopupWindow(), WM_COMMAND, MAKEWPARAM(ten->Command(), 0), 0);
  SendMessageW(MenuPopupWindow(), WM_COMMAND, MAKEWPARAM(hide->Command(), 0), 0);
  SendMessageW(MenuPopupWindow(), WM_COMMAND, MAKEWPARAM(hide->Command(), 0), 0);
  // A checked radio item stays checked when clicked again.
  SendMessageW(MenuPopupWindow(), WM_COMMAND, MAKEWPARAM(ten->Command(), 0), 0);
  ASSERT_EQ(clicks.size(), 4u);
  EXPECT_EQ(clicks[0], std::make_pair(static_cast<TObject*>(ten), true));
  EXPECT_FALSE(five->Checked());
  EXPECT_EQ(clicks[1], std::make_pair(static_cast<TObject*>(hide), true));
  EXPECT_EQ(clicks[2], std::make_pair(static_cast<TObject*>(hide), false));
  EXPECT_EQ(clicks[3], std::make_pair(static_cast<TObject*>(ten), true));

  // Disabled items and commands of no item do nothing.
  bool ran = false;
  disabled->SetOnClick([&](TObject*) { ran = true; });
  SendMessageW(MenuPopupWindow(), WM_COMMAND, MAKEWPARAM(disabled->Command(), 0), 0);
  EXPECT_FALSE(ran);
  LRESULT result = 0;
  EXPECT_FALSE(DispatchMenuMessage(WM_COMMAND, MAKEWPARAM(0xEFFE, 0), 0, result));
}

TEST_F(PopupMenuFixture, ExceptionOfAClickGoesToTheHandler) {
  std::string caught;
  SetMenuExceptionHandler([&](const std::exception& error) { caught = error.what(); });
  paste->SetOnClick([](TObject*) { throw Exception(L"Schowek jest pusty"); });
  SendMessageW(MenuPopupWindow(), WM_COMMAND, MAKEWPARAM(paste->Command(), 0), 0);
  SetMenuExceptionHandler(nullptr);
  EXPECT_EQ(caught, "Schowek jest pusty");
}

TEST_F(PopupMenuFixture, ForeignOwnerDrawDataIsIgnored) {
  int local = 0;
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemData = reinterpret_cast<ULONG_PTR>(&local);
  LRESULT result = 0;
  EXPECT_FALSE(DispatchMenuMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
  measure.CtlType = ODT_LISTBOX;
  measure.itemData = reinterpret_cast<ULONG_PTR>(paste);
  EXPECT_FALSE(DispatchMenuMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), result));
}

// --- Popup, shown for real and closed from a timer.

struct TPopupScript {
  int ticks = 0;
  bool sawMenuWindow = false;
};
TPopupScript g_script;
UINT_PTR g_timer = 0;

void CALLBACK DriveOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  ++g_script.ticks;
  const HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (menuWindow && IsWindowVisible(menuWindow)) g_script.sawMenuWindow = true;
  if (g_script.ticks == 2) {
    // Selects the first item, which is then drawn again as selected.
    PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  } else if (g_script.ticks == 4) {
    PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);  // the user cancels
  } else if (g_script.ticks >= 12) {
    // Only when the cancel was not taken: the test must not hang.
    KillTimer(nullptr, timer);
    EndMenu();
  }
}

TEST_F(PopupMenuFixture, PopupMeasuresAndDrawsOwnerDrawnItems) {
  std::vector<TObject*> order;
  std::map<TObject*, int> measured;
  std::map<TObject*, std::vector<TOwnerDrawState>> drawn;
  bool canvasesGiven = true;
  menu->SetOwnerDraw(true);
  menu->SetOnPopup([&](TObject* sender) { order.push_back(sender); });
  for (TMenuItem* item : {paste, line, five, ten, disabled, odd, column}) {
    item->SetOnMeasureItem([&](TObject* sender, TCanvas* canvas, int& width, int& height) {
      canvasesGiven = canvasesGiven && canvas && canvas->HandleAllocated();
      order.push_back(sender);
      ++measured[sender];
      width = 120;
      height = 20;
    });
    item->SetOnAdvancedDrawItem([&](TObject* sender, TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
      canvasesGiven = canvasesGiven && canvas && canvas->HandleAllocated();
      EXPECT_EQ(rect.Height(), 20);
      drawn[sender].push_back(state);
    });
  }
  std::vector<TMenuItem*> selections;
  SetMenuSelectHandler([&](TMenuItem* item) { selections.push_back(item); });
  g_script = {};
  g_timer = SetTimer(nullptr, 0, 30, DriveOpenMenu);
  menu->Popup(100, 100);
  SetMenuSelectHandler(nullptr);
  KillTimer(nullptr, g_timer);
  EXPECT_LT(g_script.ticks, 12);  // closed by the posted cancel

  EXPECT_TRUE(g_script.sawMenuWindow);
  EXPECT_EQ(menu->PopupPoint(), Point(100, 100));
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.front(), menu);  // OnPopup runs before the items are measured
  EXPECT_TRUE(canvasesGiven);
  for (TMenuItem* item : {paste, line, five, ten, disabled, odd, column}) {
    EXPECT_GE(measured[item], 1) << CaptionOf(item);
    EXPECT_FALSE(drawn[item].empty()) << CaptionOf(item);
  }
  EXPECT_TRUE(drawn[five].front().Contains(odChecked));
  EXPECT_FALSE(drawn[ten].front().Contains(odChecked));
  EXPECT_TRUE(drawn[disabled].front().Contains(odGrayed));
  EXPECT_FALSE(drawn[paste].front().Contains(odSelected));
  bool selected = false;
  for (TOwnerDrawState state : drawn[paste]) selected = selected || state.Contains(odSelected);
  EXPECT_TRUE(selected);
  // The application hears which item is under the keyboard, then the close.
  ASSERT_GE(selections.size(), 2u);
  EXPECT_NE(std::find(selections.begin(), selections.end(), paste), selections.end());
  EXPECT_EQ(selections.back(), nullptr);
}

TEST_F(PopupMenuFixture, OpeningASubmenuTellsItsItem) {
  std::vector<TObject*> opened;
  odd->SetOnClick([&](TObject* sender) { opened.push_back(sender); });
  menu->Handle();
  SendMessageW(MenuPopupWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(odd->Handle()), MAKELPARAM(5, 0));
  EXPECT_EQ(opened, std::vector<TObject*>{odd});
}

TEST_F(PopupMenuFixture, PlainOwnerDrawingWithoutHandlers) {
  TBitmap surface;
  surface.SetPixelFormat(pf24bit);
  surface.SetSize(200, 60);
  TCanvas& canvas = *surface.Canvas();
  int width = 0, height = 0;
  five->MeasureItem(canvas, width, height);
  EXPECT_GT(width, canvas.TextWidth(five->Caption()));
  EXPECT_GE(height, canvas.TextHeight(five->Caption()));
  int lineWidth = 0, lineHeight = 0;
  line->MeasureItem(canvas, lineWidth, lineHeight);
  EXPECT_LT(lineHeight, height);

  five->AdvancedDrawItem(canvas, Rect(0, 0, 200, 20), TOwnerDrawState{odSelected, odChecked}, false);
  five->AdvancedDrawItem(canvas, Rect(0, 20, 200, 40), TOwnerDrawState{}, false);
  EXPECT_EQ(canvas.Pixels(199, 1), static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT)));
  EXPECT_EQ(canvas.Pixels(199, 21), static_cast<TColor>(GetSysColor(COLOR_MENU)));
  // OnDrawItem serves when there is no advanced handler.
  bool selectedSeen = false;
  five->SetOnDrawItem([&](TObject*, TCanvas*, const TRect&, bool selected) { selectedSeen = selected; });
  five->AdvancedDrawItem(canvas, Rect(0, 40, 200, 60), TOwnerDrawState{odSelected}, false);
  EXPECT_TRUE(selectedSeen);
}

}  // namespace
}  // namespace classlib
#endif
