#ifdef _WIN32
#include <gtest/gtest.h>

#include "classlib/controls/Panel.h"
#include "classlib/controls/Timer.h"
#include "classlib/menus/Menus.h"
#include "ControlsTestSupport.h"

namespace classlib_test {

using namespace classlib;

TEST(MenuBinding, RightClickShowsPopupMenuUnlessContextPopupHandles) {
  FormPtr form = MakeShownForm();
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  auto* menu = new TPopupMenu(form.get());
  auto* item = new TMenuItem(form.get());
  item->SetCaption(L"Usuń");
  menu->Items()->Add(item);
  panel->SetPopupMenu(menu);
  int popups = 0;
  menu->SetOnPopup([&](TObject*) { ++popups; });
  TTimer closer(nullptr);
  closer.SetInterval(20);
  closer.SetOnTimer([](TObject*) { EndMenu(); });

  const TPoint p = panel->ClientToScreen(Point(5, 5));
  SendMessageW(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()), MAKELPARAM(p.X, p.Y));
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(menu->PopupComponent(), panel);

  panel->OnContextPopup = [](TObject*, TPoint, bool& handled) { handled = true; };
  SendMessageW(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()), MAKELPARAM(p.X, p.Y));
  EXPECT_EQ(popups, 1);

  delete menu;  // the panel forgets it
  EXPECT_EQ(panel->PopupMenu(), nullptr);
}

TEST(MenuBinding, FormMenuCommandReachesItem) {
  FormPtr form = MakeShownForm();
  auto* menu = new TMainMenu(form.get());
  auto* top = new TMenuItem(form.get());
  top->SetCaption(L"Plik");
  auto* item = new TMenuItem(form.get());
  item->SetCaption(L"Zamknij");
  top->Add(item);
  menu->Items()->Add(top);
  int clicks = 0;
  item->SetOnClick([&](TObject*) { ++clicks; });
  form->SetMenu(menu);
  EXPECT_NE(GetMenu(form->Handle()), nullptr);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
  EXPECT_EQ(clicks, 1);
}

}  // namespace classlib_test
#endif
