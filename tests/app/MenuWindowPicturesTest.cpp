#ifdef _WIN32
// The card picture's pop-up menu opened over the main window: its menu
// window gets an adapter and is never left transparent. A picture of it is
// written when TESSARILO_PICTURES_DIR names a folder (run under Xvfb).
#include <cstdlib>
#include <filesystem>

#include "AppTestFolder.h"
#include "bitmap/Bmp32_Gdi.h"
#include "skin/adapters/MnuWnd.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/manager/sSkinManager.h"
#include "tests/skin/adapters/ScreenShot.h"

namespace app_test {

using namespace classlib;

namespace {

struct TMenuSeen {
  HWND form = nullptr;
  bool adapted = false;
  bool visible = true;
  std::wstring picture;  // empty: none taken
};
TMenuSeen seen;

BOOL CALLBACK LookAtMenu(HWND wnd, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  if (std::wstring(cls) != L"#32768" || !IsWindowVisible(wnd)) return TRUE;
  seen.adapted = seen.adapted || skin::adapters::GetAdapter(wnd) != nullptr;
  BYTE alpha = 255;
  DWORD flags = 0;
  if ((GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED) &&
      (!GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags) || ((flags & LWA_ALPHA) && alpha == 0)))
    seen.visible = false;
  return TRUE;
}

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EnumThreadWindows(GetCurrentThreadId(), LookAtMenu, 0);
  if (!seen.picture.empty()) {
    RECT r;
    GetWindowRect(seen.form, &r);
    skin_test::Shoot(r, seen.picture);
  }
  EndMenu();
}

}  // namespace

using MenuWindowPicturesTest = AppTestFolder;

TEST_F(MenuWindowPicturesTest, TheCardPicturesMenuOpensSkinned) {
  MakeCard(L"Omega");
  app::TForm1& f = Form();
  f.SetBounds(20, 20, f.Width(), f.Height());
  f.Show();
  Pick(L"Omega");
  // A picture in the box (the menu is only for a picture), out of crop mode.
  bmp32::TBitmap32 picture;
  picture.SetSize(600, 400);
  picture.Clear(0xFF3080C0);
  const fs::path file = root_ / L"zegarek.bmp";
  picture.SaveToFile(file.wstring());
  chosen_ = file.wstring();
  f.Image1Click(f.Image1);
  f.sBitBtn12->Click();
  for (int i = 0; i < 10; ++i) {
    Application->ProcessMessages();
    Sleep(20);
  }
  seen = {};
  seen.form = f.Handle();
  if (const char* dir = std::getenv("TESSARILO_PICTURES_DIR"))
    seen.picture = std::filesystem::path(dir).wstring() + L"\\card-picture-menu.png";
  SetTimer(nullptr, 0, seen.picture.empty() ? 50 : 400, LookAndClose);
  bool handled = false;
  // The menu as the skinned menus hook it once the form is skinned.
  skin::SkinableMenusOf(skin::TsSkinManager::DefaultManager())->HookPopupMenu(f.PopupMenu1, true);
  f.Image1ContextPopup(f.Image1, TPoint{40, 40}, handled);
  EXPECT_TRUE(seen.adapted);
  EXPECT_TRUE(seen.visible);
  for (int i = 0; i < 5; ++i) {
    Application->ProcessMessages();
    Sleep(15);
  }
  EXPECT_TRUE(skin::adapters::MenuAdapters().empty());
}

}  // namespace app_test
#endif
