// Raw system dialogs skinned from the creation hook: message boxes and the
// open dialog under a manager whose rules include standard dialogs, the
// refusals (owned boxes, other rules, a third visible dialog, auxiliary
// forms) and the dialog's own title buttons and system menu.
#include <windows.h>

#include <commdlg.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <typeinfo>

#include "classlib/controls/Forms.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/adapters/ButtonWnd.h"
#include "skin/adapters/ComboBoxWnd.h"
#include "skin/adapters/DialogChildKinds.h"
#include "skin/adapters/DialogProviders.h"
#include "skin/adapters/DialogSystemMenu.h"
#include "skin/adapters/DialogWnd.h"
#include "skin/adapters/ListViewWnd.h"
#include "skin/adapters/SmallWnd.h"
#include "skin/adapters/ToolBarWnd.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "skin/core/SkinConst.h"
#include "tests/skin/adapters/AdapterFixture.h"
#include "tests/skin/adapters/DialogFixture.h"
#include "tests/skin/adapters/ScreenShot.h"

namespace skin_test {

using namespace skin::adapters;

// The fixture's own name, so that the tests read as the hook's.
class DialogHookTest : public DialogFixture {};

TEST_F(DialogHookTest, UnownedMessageBoxGetsSkinnedFrameAndItsCloseButtonCancels) {
  struct {
    LRESULT skinned = 0;
    LONG_PTR style = 0;
    int region = ERROR;
    COLORREF closePixel = 0, hotPixel = 0;
    LRESULT hit = 0;
    RECT close{};
  } seen;
  onDialog = [&](HWND box) {
    seen.skinned = skin::SendSkinCommandToWnd(box, skin::scIsSkinned, 0);
    seen.style = GetWindowLongPtrW(box, GWL_STYLE);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    seen.region = GetWindowRgn(box, rgn);
    DeleteObject(rgn);
    TacDialogWnd* adapter = DialogAdapter(box);
    if (!adapter) return;
    seen.close = adapter->Buttons[2].Rect;
    const RECT& c = seen.close;
    seen.closePixel = CachePixel(adapter, (c.left + c.right) / 2, (c.top + c.bottom) / 2);
    seen.hit = SendMessageW(box, WM_NCHITTEST, 0, ScreenPoint(box, c));
    seen.hotPixel = CachePixel(adapter, (c.left + c.right) / 2, (c.top + c.bottom) / 2);
    if (const char* dir = PicturesDir()) {
      RECT wr;
      GetWindowRect(box, &wr);
      Shoot(wr, (std::filesystem::path(dir) / "dialog-messagebox-hot-close.png").wstring());
    }
    SendMessageW(box, WM_NCLBUTTONDOWN, kHitClose, ScreenPoint(box, c));
    SendMessageW(box, WM_NCLBUTTONUP, kHitClose, ScreenPoint(box, c));
  };
  EXPECT_EQ(Box(), IDCANCEL);
  EXPECT_EQ(seen.skinned, 1);
  EXPECT_EQ(seen.style & WS_SYSMENU, 0);
  EXPECT_NE(seen.region, ERROR);
  ASSERT_GT(seen.close.right, seen.close.left);
  const unsigned close = 0x70A070;  // the marker skin's small close button, frame 0
  EXPECT_EQ(seen.closePixel, Marker(close));
  EXPECT_EQ(seen.hit, kHitClose);
  EXPECT_EQ(seen.hotPixel, Marker(close + 1));
  DestroySomeWindow();
  EXPECT_EQ(LiveProviders(), 0);
}

TEST_F(DialogHookTest, BoxesOutsideTheRulesAndOwnedBoxesKeepTheSystemLook) {
  LRESULT skinned = -1;
  LONG_PTR style = 0;
  onDialog = [&](HWND box) {
    skinned = skin::SendSkinCommandToWnd(box, skin::scIsSkinned, 0);
    style = GetWindowLongPtrW(box, GWL_STYLE);
  };
  // Owned: the owner is already there when the box is created.
  EXPECT_EQ(Box(host_), IDCANCEL);
  EXPECT_EQ(skinned, 0);
  EXPECT_NE(style & WS_SYSMENU, 0);
  // The program's rules leave standard dialogs out.
  manager_->SetSkinningRules(skin::TacSkinningRules{skin::srStdForms, skin::srThirdParty});
  skinned = -1;
  EXPECT_EQ(Box(), IDCANCEL);
  EXPECT_EQ(skinned, 0);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_EQ(LiveProviders(), 0);
}

TEST_F(DialogHookTest, SystemMenuShowsMoveAndCloseAndTheIconOpensOrClosesIt) {
  struct {
    bool move = false, separator = false, close = false, hidden = true;
    int menusOpened = 0;
  } seen;
  static int* opened = &seen.menusOpened;
  onDialog = [&](HWND box) {
    TacDialogWnd* adapter = DialogAdapter(box);
    if (!adapter) return;
    TacSystemMenu* menu = adapter->SysMenu.get();
    seen.move = menu->miMove->Visible();
    seen.close = menu->miClose->Visible();
    seen.separator = menu->Items()->Items(5)->Caption() == L"-";
    // A modal frame: no restore, size, minimize or maximize.
    seen.hidden = !menu->miRestore->Visible() && !menu->miSize->Visible() && !menu->miMinimize->Visible() &&
                  !menu->miMaximize->Visible();
    SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      HWND menuWnd = FindWindowW(L"#32768", nullptr);
      if (menuWnd && IsWindowVisible(menuWnd)) ++*opened;
      EndMenu();
    });
    const RECT icon = adapter->IconRect();
    SendMessageW(box, WM_NCLBUTTONDOWN, HTSYSMENU, ScreenPoint(box, icon));
    SendMessageW(box, WM_NCLBUTTONDBLCLK, HTSYSMENU, ScreenPoint(box, icon));
  };
  EXPECT_EQ(Box(), IDCANCEL);  // the double click closed it
  EXPECT_TRUE(seen.move);
  EXPECT_TRUE(seen.separator);
  EXPECT_TRUE(seen.close);
  EXPECT_TRUE(seen.hidden);
  EXPECT_EQ(seen.menusOpened, 1);
}

TEST_F(DialogHookTest, TranslucentDragEndsWithItsLayeredStyleAndTimerGone) {
  struct {
    bool layeredWhileMoving = false, ended = false, layeredAfter = true;
    UINT_PTR timerAfter = 1;
    BYTE alphaWhileMoving = 0;
  } seen;
  static decltype(seen)* watch = &seen;
  manager_->AnimEffects()->BlendOnMoving()->SetActive(true);
  manager_->AnimEffects()->BlendOnMoving()->SetBlendValue(200);
  onDialog = [&](HWND box) {
    TacDialogWnd* adapter = DialogAdapter(box);
    if (!adapter) return;
    // Ends the modal move loop from inside it.
    SetTimer(nullptr, 0, 40, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      HWND active = GetActiveWindow();
      watch->layeredWhileMoving = (GetWindowLongPtrW(active, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
      GetLayeredWindowAttributes(active, nullptr, &watch->alphaWhileMoving, nullptr);
      watch->ended = true;
      ReleaseCapture();
      PostMessageW(active, WM_LBUTTONUP, 0, 0);
    });
    RECT wr;
    GetWindowRect(box, &wr);
    SendMessageW(box, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(wr.left + 40, wr.top + 8));
    seen.layeredAfter = (GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    seen.timerAfter = adapter->BlendTimer;
    EXPECT_FALSE(adapter->Moving);
  };
  EXPECT_EQ(Box(), IDCANCEL);
  EXPECT_FALSE(seen.layeredAfter);
  EXPECT_EQ(seen.timerAfter, 0u);
  EXPECT_TRUE(seen.ended);
  EXPECT_TRUE(seen.layeredWhileMoving);
  // Fading from opaque toward the target, a step per tick.
  EXPECT_LT(seen.alphaWhileMoving, 255);
  EXPECT_GE(seen.alphaWhileMoving, 200);
}

TEST_F(DialogHookTest, DialogColourIsOneBrushPerColourAndPostedPointersAreIgnored) {
  HBRUSH first = nullptr, second = nullptr;
  onDialog = [&](HWND box) {
    HDC dc = GetDC(box);
    first = reinterpret_cast<HBRUSH>(SendMessageW(box, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(box)));
    second = reinterpret_cast<HBRUSH>(SendMessageW(box, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(box)));
    ReleaseDC(box, dc);
    // Posted, a command that carries a pointer is dropped, not followed.
    PostMessageW(box, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scGetBGInfo), 0x1234);
    PostMessageW(box, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scSetPrintDC), 0x1234);
  };
  EXPECT_EQ(Box(), IDCANCEL);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  DestroySomeWindow();  // frees the binder and with it the brush
  LOGBRUSH lb{};
  EXPECT_EQ(GetObjectW(first, sizeof(lb), &lb), 0);
}

TEST_F(DialogHookTest, PrintChildWindowsPrintsEachVisibleDescendantOnce) {
  static std::map<HWND, int> prints;
  prints.clear();
  RegisterTestClass(L"TessariloPrintCounter", [](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    if (msg == WM_PRINT) ++prints[w];
    return DefWindowProcW(w, msg, wp, lp);
  });
  auto child = [](HWND parent, DWORD visible) {
    return CreateWindowExW(0, L"TessariloPrintCounter", L"", WS_CHILD | visible, 5, 5, 50, 50, parent, nullptr,
                           nullptr, nullptr);
  };
  HWND outer = child(host_, WS_VISIBLE), inner = child(outer, WS_VISIBLE), hidden = child(host_, 0);
  HWND underHidden = child(hidden, WS_VISIBLE);
  MemoryDC dc(400, 300);
  PrintChildWindows(host_, dc.Handle());
  EXPECT_EQ(prints[outer], 1);
  EXPECT_EQ(prints[inner], 1);
  EXPECT_EQ(prints[hidden], 0);
  EXPECT_EQ(prints[underHidden], 0);
}

TEST_F(DialogHookTest, ThirdVisibleDialogIsRefusedUnlessItHoldsAToolBar) {
  auto dialog = [](DWORD visible) {
    return CreateWindowExW(WS_EX_DLGMODALFRAME, MAKEINTATOM(32770), L"Okno",
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | visible, 60, 60, 200, 120, nullptr, nullptr, nullptr,
                           nullptr);
  };
  HWND first = dialog(WS_VISIBLE), second = dialog(WS_VISIBLE);
  EXPECT_EQ(skin::SendSkinCommandToWnd(first, skin::scIsSkinned, 0), 1);
  EXPECT_EQ(skin::SendSkinCommandToWnd(second, skin::scIsSkinned, 0), 1);
  HWND plain = dialog(WS_VISIBLE);
  EXPECT_EQ(skin::SendSkinCommandToWnd(plain, skin::scIsSkinned, 0), 0);
  HWND withBar = dialog(0);
  EXPECT_EQ(skin::SendSkinCommandToWnd(withBar, skin::scIsSkinned, 0), 0);
  CreateWindowExW(0, L"ToolbarWindow32", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 24, withBar, nullptr, nullptr,
                  nullptr);
  ShowWindow(withBar, SW_SHOW);  // the activation takes it
  SetActiveWindow(withBar);
  EXPECT_EQ(skin::SendSkinCommandToWnd(withBar, skin::scIsSkinned, 0), 1);
  for (HWND w : {first, second, plain, withBar}) DestroyWindow(w);
  DestroySomeWindow();
  EXPECT_EQ(LiveProviders(), 0);
}

TEST_F(DialogHookTest, FormsGetAProviderUnlessTheyAreTheLibrarysOwn) {
  auto* own = new classlib::TForm(nullptr, true);
  own->SetTag(-98);
  auto* plain = new classlib::TForm(nullptr, true);
  // Asked about a form whose window does not exist yet: no match, no window made.
  EXPECT_FALSE(AttachProvider(nullptr));
  EXPECT_FALSE(plain->HandleAllocated());
  own->Show();
  plain->Show();
  TacProvider* ownBinder = nullptr;
  TacProvider* plainBinder = nullptr;
  for (TacProvider* p : acProviders()) {
    if (p && p->Owner() == own) ownBinder = p;
    if (p && p->Owner() == plain) plainBinder = p;
  }
  EXPECT_EQ(ownBinder, nullptr);
  ASSERT_NE(plainBinder, nullptr);
  EXPECT_NE(plainBinder->SkinProvider, nullptr);
  delete own;
  delete plain;
  EXPECT_EQ(LiveProviders(), 0);
}

TEST_F(DialogHookTest, OpenDialogChildrenAreAdaptedByClassAndNothingIsLeftBehind) {
  std::map<std::wstring, std::string> adapters;  // class name -> adapter class
  bool invisibleEditAdapted = false;
  int grips = 0;
  onDialog = [&](HWND dialog) {
    std::function<void(HWND)> walk = [&](HWND parent) {
      for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring cls = PlainClassName(GetWndClassName(child));
        TacMainWnd* adapter = GetAdapter(child);
        if (cls == L"edit" && !IsWindowVisible(child) && adapter) invisibleEditAdapted = true;
        if (cls == L"scrollbar" && (GetWindowLongPtrW(child, GWL_STYLE) & SBS_SIZEGRIP) && adapter &&
            dynamic_cast<TacSizerWnd*>(adapter))
          ++grips;
        if (adapter) adapters[cls] = typeid(*adapter).name();
        walk(child);
      }
    };
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    walk(dialog);
    if (const char* dir = PicturesDir()) {
      RECT wr;
      GetWindowRect(dialog, &wr);
      Shoot(wr, (std::filesystem::path(dir) / "dialog-open.png").wstring());
    }
  };
  wchar_t file[MAX_PATH] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrFilter = L"Obrazy\0*.jpg\0";
  ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_FILEMUSTEXIST;
  SetTimer(nullptr, 0, 50, LookForDialog);
  EXPECT_FALSE(GetOpenFileNameW(&ofn));
  EXPECT_FALSE(invisibleEditAdapted);
  EXPECT_EQ(grips, 1);
  const std::map<std::wstring, const char*> expected = {
      {L"syslistview32", typeid(TacListViewWnd).name()},
      {L"toolbarwindow32", typeid(TacToolBarWnd).name()},
      {L"button", typeid(TacBtnWnd).name()},
      {L"combobox", typeid(TacComboBoxWnd).name()},
  };
  for (const auto& [cls, type] : expected) {
    ASSERT_TRUE(adapters.count(cls)) << classlib::WideToUtf8(cls);
    EXPECT_EQ(adapters[cls], type) << classlib::WideToUtf8(cls);
  }
  DestroySomeWindow();
  EXPECT_EQ(LiveProviders(), 0);
}

}  // namespace skin_test
