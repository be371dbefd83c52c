// Pop-up menu windows under their adapters: every menu window of a skinned
// pop-up gets one, is never left invisible, and leaves nothing behind when
// it closes, however many times menus open.
#include "classlib/menus/Menus.h"
#include "skin/adapters/MnuWnd.h"
#include "skin/forms/sSkinMenus.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;
using namespace classlib;

namespace {

struct TOpenMenuSeen {
  int opened = 0;
  int adaptedWhileOpen = 0;
  int invisible = 0;  // menu windows seen at alpha 0 (or unreadable alpha) while open
  int adaptersWhileOpen = 0;
  int skinned = 0;  // opened while the skinned menus had measured its items
};
TOpenMenuSeen seen;

BOOL CALLBACK LookAtMenuWindow(HWND wnd, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  if (std::wstring(cls) != L"#32768" || !IsWindowVisible(wnd)) return TRUE;
  ++seen.opened;
  if (GetAdapter(wnd)) ++seen.adaptedWhileOpen;
  if (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags) || ((flags & LWA_ALPHA) && alpha == 0))
      ++seen.invisible;
  }
  return TRUE;
}

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EnumThreadWindows(GetCurrentThreadId(), LookAtMenuWindow, 0);
  seen.skinned += skin::MenuItemsMeasured() ? 1 : 0;
  seen.adaptersWhileOpen = std::max<int>(seen.adaptersWhileOpen, static_cast<int>(MenuAdapters().size()));
  EndMenu();
}

class MnuWndTest : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    skin::InstallSkinableMenus();
    hook_ = SetWindowsHookExW(WH_CBT, MenuWindowHookProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
    manager_->SetSkinnedPopups(true);
    menu_ = new TPopupMenu(&owner_);
    for (const wchar_t* caption : {L"Kadruj", L"-", L"Wyczyść obraz", L"Otwórz folder"}) {
      auto* item = new TMenuItem(&owner_);
      item->SetCaption(caption);
      menu_->Items()->Add(item);
    }
    skin::SkinableMenusOf(manager_.get())->HookPopupMenu(menu_, true);
    // What the skinned menus do when they measure the pop-up's items.
    menu_->SetOnPopup([](TObject*) { skin::SetMenuItemsMeasured(true); });
    seen = {};
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    FreeMenuAdapters();
    AdapterFixture::TearDown();
  }
  // The freeing of closed menus' adapters waits for a timer tick.
  static void Settle() {
    for (int i = 0; i < 5; ++i) {
      Sleep(15);
      Pump();
    }
  }
  void OpenAndClose() {
    SetTimer(nullptr, 0, 1, CloseOpenMenu);
    menu_->Popup(120, 120);
  }

  HHOOK hook_ = nullptr;
  TComponent owner_{nullptr};
  TPopupMenu* menu_ = nullptr;
};

TEST_F(MnuWndTest, TwoHundredPopupsLeaveNoAdapterAndNoInvisibleMenu) {
  for (int i = 0; i < 200; ++i) OpenAndClose();
  Settle();
  EXPECT_EQ(seen.opened, 200);
  EXPECT_EQ(seen.adaptedWhileOpen, 200);
  EXPECT_EQ(seen.skinned, 200);
  EXPECT_GE(seen.adaptersWhileOpen, 1);
  EXPECT_EQ(seen.invisible, 0);
  EXPECT_TRUE(MenuAdapters().empty());
  EXPECT_FALSE(skin::MenuItemsMeasured());
}

TEST_F(MnuWndTest, AMenuWindowIsNotAdaptedWithoutSkinnedPopups) {
  manager_->SetSkinnedPopups(false);
  OpenAndClose();
  Settle();
  EXPECT_EQ(seen.opened, 1);
  EXPECT_EQ(seen.adaptedWhileOpen, 0);
  EXPECT_EQ(seen.adaptersWhileOpen, 0);
}

}  // namespace
}  // namespace skin_test
