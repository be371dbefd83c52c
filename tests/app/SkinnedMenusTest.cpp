#ifdef _WIN32
// The program's pop-up menus drawn in its internal skin: shown for real,
// read back from their windows, and written as pictures on request.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>

#include "AppTestFolder.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/Clipboard.h"
#include "skin/forms/MenuInfo.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/skin/paint/PictureFiles.h"

namespace app_test {

using namespace classlib;

// Runs `open` (which shows a menu) and hands the open menu's window to
// `look`, then to `hot` after the keyboard selected the first item.
struct TMenuLook {
  std::function<void(HWND)> look, hot;
  int downs = 1;  // keys down before `hot` looks
  int ticks = 0;
  bool seen = false;
};
TMenuLook* g_look = nullptr;

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  TMenuLook& l = *g_look;
  ++l.ticks;
  const HWND wnd = FindWindowW(L"#32768", nullptr);
  if (l.ticks > 40) {
    KillTimer(nullptr, timer);
    EndMenu();
    return;
  }
  if (!wnd || !IsWindowVisible(wnd)) return;
  UpdateWindow(wnd);
  if (!l.seen) {
    l.seen = true;
    if (l.look) l.look(wnd);
    PostMessageW(wnd, WM_KEYDOWN, l.hot ? VK_DOWN : VK_ESCAPE, 0);
  } else if (l.hot && --l.downs > 0) {
    PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0);
  } else if (l.hot) {
    l.hot(wnd);
    l.hot = nullptr;
    PostMessageW(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
  }
}

bool ShowAndLook(const std::function<void()>& open, TMenuLook& look) {
  g_look = &look;
  const UINT_PTR timer = SetTimer(nullptr, 0, 40, LookAtMenu);
  open();
  KillTimer(nullptr, timer);
  g_look = nullptr;
  return look.seen;
}

// The open menu's window as a 32-bit image.
std::unique_ptr<TBitmap> Capture(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetPixelFormat(pf32bit);
  bmp->SetSize(r.right - r.left, r.bottom - r.top);
  HDC dc = GetWindowDC(wnd);
  BitBlt(bmp->Canvas()->Handle(), 0, 0, bmp->Width(), bmp->Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(wnd, dc);
  return bmp;
}

void SavePicture(HWND wnd, const wchar_t* name) {
  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (dir.empty()) return;
  skin::paint::testing::SavePng(Capture(wnd).get(), dir + L"\\" + name);
}

std::uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

class SkinnedMenusTest : public AppTestFolder {
 protected:
  void SetUp() override {
    AppTestFolder::SetUp();
    Clipboard().Clear();
    skin::ClearMenuCache();
  }
  // The main window at the screen's corner, its skinned menus active.
  app::TForm1& Window() {
    app::TForm1& f = Form();
    f.SetBounds(0, 0, f.Width(), f.Height());
    menus_ = skin::SkinableMenusOf(f.sSkinManager1);
    EXPECT_TRUE(menus_ && menus_->Active());
    return f;
  }
  void TearDown() override {
    skin::ClearMenuCache();
    Clipboard().Clear();
    AppTestFolder::TearDown();
  }
  skin::TsSkinableMenus* menus_ = nullptr;
};

TEST_F(SkinnedMenusTest, CalibreMenuShowsSixColumnsWithTheGapsFilled) {
  app::TForm1& f = Window();
  f.zdefiniuj21Click(nullptr);  // the default list file
  int mismatches = -1, checked = 0, columns = 0;
  TMenuLook look;
  look.look = [&](HWND wnd) {
    const skin::TacMenuInfo* info = skin::FindMenuInfo(wnd);
    if (!info || !info->Bmp) return;
    auto shot = Capture(wnd);
    SavePicture(wnd, L"menu-calibre.png");
    const POINT offset = [&] {
      POINT o{0, 0};
      RECT w{};
      ClientToScreen(wnd, &o);
      GetWindowRect(wnd, &w);
      return POINT{o.x - w.left, o.y - w.top};
    }();
    RECT w{};
    GetWindowRect(wnd, &w);
    mismatches = 0;
    TMenuItem* items = f.PopupMenu14->Items();
    // Below the last item of every short column and in the gap left of
    // every column break, the window shows the pop-up's background.
    for (int i = 0; i < items->Count(); ++i) {
      RECT r{};
      GetMenuItemRect(nullptr, f.PopupMenu14->Handle(), static_cast<UINT>(i), &r);
      OffsetRect(&r, -w.left, -w.top);
      std::vector<POINT> points;
      if (items->Items(i)->Break() != mbNone) {
        ++columns;
        points.push_back(POINT{r.left - 2, (r.top + r.bottom) / 2});
      }
      if (i + 1 < items->Count() && items->Items(i + 1)->Break() != mbNone)
        points.push_back(POINT{(r.left + r.right) / 2, r.bottom + 6});
      for (const POINT& p : points) {
        ++checked;
        const COLORREF want = static_cast<COLORREF>(info->Bmp->Canvas()->Pixels(p.x, p.y));
        const COLORREF got = static_cast<COLORREF>(shot->Canvas()->Pixels(p.x, p.y));
        if (Rgb(want) != Rgb(got)) ++mismatches;
      }
    }
    (void)offset;
  };
  bool handled = false;
  ASSERT_TRUE(ShowAndLook([&] { f.sEdit12ContextPopup(f.sEdit12, TPoint{0, 0}, handled); }, look));
  EXPECT_EQ(columns, 5);  // five breaks: six columns
  EXPECT_EQ(checked, 10);
  EXPECT_EQ(mismatches, 0);
}

// A pop-up shown builds its one record, which its menu window finds while
// open; the window's end empties the records, so a menu the program builds
// anew at every pop-up never meets an old one.
TEST_F(SkinnedMenusTest, EachPopupShownBuildsItsRecordAndItsWindowsEndFreesIt) {
  app::TForm1& f = Window();
  f.zdefiniuj21Click(nullptr);
  bool handled = false;
  const int builds = skin::MenuInfoBuilds();
  bool found = false;
  auto recordOfWindow = [&](HWND wnd) { found = skin::FindMenuInfo(wnd) != nullptr; };
  TMenuLook calibre;
  calibre.look = recordOfWindow;
  ASSERT_TRUE(ShowAndLook([&] { f.sEdit12ContextPopup(f.sEdit12, TPoint{0, 0}, handled); }, calibre));
  EXPECT_TRUE(found);
  EXPECT_EQ(skin::MenuInfoBuilds(), builds + 1);
  EXPECT_TRUE(skin::MenuInfos().empty());
  menus_->HookPopupMenu(f.PopupMenu10, true);
  for (int shown = 1; shown <= 2; ++shown) {
    found = false;
    TMenuLook reminder;
    reminder.look = recordOfWindow;
    ASSERT_TRUE(ShowAndLook([&] { f.PopupMenu10->Popup(100, 100); }, reminder));
    EXPECT_TRUE(found);
    EXPECT_EQ(skin::MenuInfoBuilds(), builds + 1 + shown);
    EXPECT_TRUE(skin::MenuInfos().empty());
  }
}

TEST_F(SkinnedMenusTest, PicturesOfTheProgramsMenus) {
  if (skin::paint::testing::PicturesDir().empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  app::TForm1& f = Window();
  f.Show();
  Clipboard().SetAsText(L"1250");
  // A fill-in menu with its first item hot.
  menus_->HookPopupMenu(f.PopupMenu3, true);
  TMenuLook fillIn;
  fillIn.hot = [](HWND wnd) { SavePicture(wnd, L"menu-fillin-hot.png"); };
  ASSERT_TRUE(ShowAndLook([&] { f.PopupMenu3->Popup(100, 100); }, fillIn));
  // The reminder menu with its check and radio glyphs.
  f.Przypominajoserwisie1->SetChecked(true);
  f.po5latach1->SetChecked(true);
  menus_->HookPopupMenu(f.PopupMenu10, true);
  TMenuLook reminder;
  reminder.look = [](HWND wnd) { SavePicture(wnd, L"menu-reminder.png"); };
  ASSERT_TRUE(ShowAndLook([&] { f.PopupMenu10->Popup(100, 100); }, reminder));
  // The skinned system menu, dropped from the caption icon.
  skin::TsSkinProvider* provider = nullptr;
  for (int i = 0; i < f.ComponentCount(); ++i)
    if (auto* p = dynamic_cast<skin::TsSkinProvider*>(f.Components(i))) provider = p;
  ASSERT_NE(provider, nullptr);
  ASSERT_NE(provider->SystemMenu(), nullptr);
  provider->SystemMenu()->UpdateItems(true);
  menus_->HookPopupMenu(provider->SystemMenu(), true);
  RECT w{};
  GetWindowRect(f.Handle(), &w);
  TMenuLook system;
  system.downs = 2;  // past the disabled first item
  system.hot = [](HWND wnd) { SavePicture(wnd, L"menu-system.png"); };
  ASSERT_TRUE(ShowAndLook([&] { provider->SystemMenu()->Popup(w.left + 4, w.top + 24); }, system));
}

}  // namespace app_test
#endif
