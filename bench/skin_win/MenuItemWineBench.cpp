// Under Wine: what the hover repaint of one skinned pop-up item costs (the
// item composed over the pop-up's background and copied to a window whose
// size the record was built for) against the class library's plain owner
// drawing of the same item on the same window. Prints the medians in
// milliseconds and their ratio; the skinned repaint is meant to stay within
// about five times the plain one.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench/skin_win/InternalSkinManager.h"
#include "bench/skin_win/WineBenchTiming.h"
#include "classlib/controls/Application.h"
#include "classlib/core/Object.h"
#include "classlib/menus/Menus.h"
#include "classlib/menus/MenusFont.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/manager/sSkinManager.h"

namespace {

using wine_bench::MedianMs;

using wine_bench::InternalSkin;

}  // namespace

int wmain() {
  classlib::Application->Initialize();
  skin::InstallSkinableMenus();
  std::unique_ptr<skin::TsSkinManager> manager = InternalSkin();
  skin::TsSkinableMenus* menus = skin::SkinableMenusOf(manager.get());
  if (!menus || !menus->Active()) {
    std::fprintf(stderr, "the internal skin did not load\n");
    return 1;
  }
  std::unique_ptr<classlib::TPopupMenu> skinned(classlib::New<classlib::TPopupMenu>(nullptr));
  std::unique_ptr<classlib::TPopupMenu> plain(classlib::New<classlib::TPopupMenu>(nullptr));
  for (classlib::TPopupMenu* menu : {skinned.get(), plain.get()})
    for (const wchar_t* caption : {L"Wklej", L"-", L"Przypominaj o serwisie", L"po 5 latach", L"po 10 latach"}) {
      auto* item = classlib::New<classlib::TMenuItem>(menu);
      item->SetCaption(caption);
      menu->Items()->Add(item);
    }
  menus->HookPopupMenu(skinned.get(), true);

  // A window of a pop-up's size stands in for the menu window.
  const HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 190, 96,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  HDC dc = GetDC(wnd);
  classlib::TCanvas canvas;
  canvas.SetHandle(dc);
  classlib::SelectMenuFont(canvas, false);
  const classlib::TRect rect{3, 25, 187, 47};
  const classlib::TOwnerDrawState hot{classlib::odSelected};
  classlib::TMenuItem* skinnedItem = skinned->Items()->Items(2);
  classlib::TMenuItem* plainItem = plain->Items()->Items(2);
  skinnedItem->AdvancedDrawItem(canvas, rect, hot, false);  // builds the pop-up's record once

  // A hover repaints the item it leaves and the item it enters: the states
  // alternate.
  const classlib::TOwnerDrawState normal{};
  const double skinnedMs =
      MedianMs(400, [&](int i) { skinnedItem->AdvancedDrawItem(canvas, rect, i % 2 ? hot : normal, false); });
  const double plainMs =
      MedianMs(400, [&](int i) { plainItem->AdvancedDrawItem(canvas, rect, i % 2 ? hot : normal, false); });
  canvas.SetHandle(nullptr);
  ReleaseDC(wnd, dc);
  DestroyWindow(wnd);
  std::printf("skinned hover repaint %.4f ms, plain owner draw %.4f ms, ratio %.2f\n", skinnedMs, plainMs,
              plainMs > 0 ? skinnedMs / plainMs : 0.0);
  std::printf("background builds %d\n", skin::MenuInfoBuilds());
  return 0;
}
