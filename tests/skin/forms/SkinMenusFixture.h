#pragma once
// Skinned pop-up menus over a small skin the test makes, with colours that
// tell each layer apart: the menu background, the icon column, the hot
// item, the frame of the border mask (its outer corner pixels keyed), the
// divider line and the check and radio glyphs.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "classlib/controls/Application.h"
#include "classlib/menus/Menus.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/forms/sSkinMenus.h"
#include "tests/skin/core/SkinTestImages.h"
#include "tests/skin/manager/SkinManagerFixture.h"

namespace skin_test {

// Pixels as 0x00RRGGBB.
inline constexpr std::uint32_t kMenuBg = 0xE0F0E0, kIcoLine = 0x80C0F0, kHot = 0xF08040, kLine = 0x404080;
inline constexpr std::uint32_t kMenuEdge = 0x303030, kCheck = 0x00A000, kRadio = 0xA000A0, kKey = 0xFF00FF;

inline COLORREF Ref(std::uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

inline std::string MenuSkinDescription() {
  auto n = [](std::uint32_t pixel) { return std::to_string(static_cast<unsigned>(Ref(pixel))); };
  return "[GLOBALINFO]\r\nVERSION=8.0\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=" + n(kMenuBg) +
         "\r\nFONTCOLOR=0\r\nSTATES=2\r\nBORDERCOLOR=" + n(kLine) +
         "\r\nCHECK=@0016,0000,0032,0010,2,0\r\nRADIOCHECKED=@0032,0000,0048,0010,2,0\r\n"
         "[MAINMENU]\r\nCOLOR=" + n(kMenuBg) + "\r\nSTATES=1\r\n"
         "BORDERSMASK=^0000,0000,0012,0012,0003,0003,0003,0003,1,0,0,0\r\n"
         "[MENUITEM]\r\nCOLOR=" + n(kMenuBg) + "\r\nHOTCOLOR=" + n(kHot) +
         "\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=0\r\nSTATES=2\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=16777215\r\n"
         "[ICOLINE]\r\nCOLOR=" + n(kIcoLine) + "\r\nSTATES=1\r\n"
         "[DIVIDERV]\r\nCOLOR=" + n(kMenuBg) + "\r\nTRANSPARENCY=100\r\nSTATES=1\r\n";
}

// 48 x 12: the 12 x 12 border frame (3-pixel edge, the outer corner pixel
// and its two neighbours keyed), then two glyph strips of two 8 x 10 frames.
inline std::string MenuSkinMaster() {
  return skin::testing::Bmp24(48, 12, [](int x, int y) -> std::uint32_t {
    if (x < 12) {
      const int cx = x < 6 ? x : 11 - x, cy = y < 6 ? y : 11 - y;
      if (cx + cy <= 1) return kKey;
      return cx < 3 || cy < 3 ? kMenuEdge : kMenuBg;
    }
    if (y >= 10) return kKey;
    const int fx = (x - 16) % 8;
    if (x < 16 || fx == 0 || fx == 7 || y == 0 || y == 9) return kKey;
    return x < 32 ? kCheck : kRadio;
  });
}

class SkinMenusFixture : public SkinManagerFixture {
 protected:
  void SetUp() override {
    skin::InstallSkinableMenus();
    SkinManagerFixture::SetUp();
    classlib::Application->Initialize();
    WriteFile(Skins() / "Menus" / "Options.dat", MenuSkinDescription());
    WriteFile(Skins() / "Menus" / "MASTER.BMP", MenuSkinMaster());
    manager_ = Manager();
    ASSERT_TRUE(manager_->IsDefault());
    manager_->SetSkinName(L"Menus");
    manager_->SetActive(true);
    ASSERT_GE(manager_->GetSkinIndex(L"MAINMENU"), 0);
    menus_ = skin::SkinableMenusOf(manager_.get());
    ASSERT_NE(menus_, nullptr);
  }
  void TearDown() override {
    skin::ClearMenuCache();
    menu_.reset();
    manager_.reset();
    SkinManagerFixture::TearDown();
  }

  classlib::TPopupMenu* MakeMenu() {
    menu_.reset(classlib::New<classlib::TPopupMenu>(nullptr));
    return menu_.get();
  }
  classlib::TMenuItem* Add(classlib::TMenuItem* parent, const std::wstring& caption) {
    auto* item = classlib::New<classlib::TMenuItem>(menu_.get());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  std::unique_ptr<skin::TsSkinManager> manager_;
  skin::TsSkinableMenus* menus_ = nullptr;
  std::unique_ptr<classlib::TPopupMenu> menu_;
};

// Shows a pop-up for real and runs `open` on its window once it is painted,
// then (when given) `hot` after the keyboard selected its first item; the
// menu is closed with Escape (EndMenu when that does not take).
struct TOpenMenuScript {
  std::function<void(HWND)> open, hot;
  int ticks = 0;
  bool sawWindow = false;
};
inline TOpenMenuScript* g_openScript = nullptr;

inline void CALLBACK DriveOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  TOpenMenuScript& s = *g_openScript;
  ++s.ticks;
  const HWND wnd = FindWindowW(L"#32768", nullptr);
  if (!wnd || !IsWindowVisible(wnd)) {
    if (s.ticks > 20) {
      KillTimer(nullptr, timer);
      EndMenu();
    }
    return;
  }
  if (!s.sawWindow) {
    s.sawWindow = true;
    UpdateWindow(wnd);
    if (s.open) s.open(wnd);
    if (s.hot) PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0);
    else PostMessageW(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
  } else if (s.hot) {
    UpdateWindow(wnd);
    s.hot(wnd);
    s.hot = nullptr;
    PostMessageW(wnd, WM_KEYDOWN, VK_ESCAPE, 0);
  } else if (s.ticks > 20) {
    KillTimer(nullptr, timer);
    EndMenu();
  }
}

inline bool ShowMenu(classlib::TPopupMenu* menu, TOpenMenuScript& script, int x = 200, int y = 150) {
  g_openScript = &script;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, DriveOpenMenu);
  menu->Popup(x, y);
  KillTimer(nullptr, timer);
  g_openScript = nullptr;
  return script.sawWindow;
}

// A window pixel of an open menu as 0x00RRGGBB.
inline std::uint32_t MenuPixel(HWND wnd, int x, int y) {
  HDC dc = GetWindowDC(wnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(wnd, dc);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// An item's rectangle in window coordinates of the open menu.
inline RECT ItemRect(HWND wnd, classlib::TPopupMenu* menu, int position) {
  RECT r{}, w{};
  GetMenuItemRect(nullptr, menu->Handle(), static_cast<UINT>(position), &r);
  GetWindowRect(wnd, &w);
  OffsetRect(&r, -w.left, -w.top);
  return r;
}

}  // namespace skin_test
