#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "classlib/core/Utf8.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/MenusFont.h"
#include "skin/core/SkinCommand.h"
#include "skin/common/MainWindowHook.h"
#include "skin/forms/SkinMenusLayout.h"
#include "tests/skin/forms/SkinMenusFixture.h"
#include "tests/skin/paint/GdiObjectCount.h"

namespace skin_test {
namespace {

using namespace classlib;
using skin::TsSkinableMenus;

TEST(SkinMenusKinds, CaptionsTellTheItemKind) {
  struct Case {
    const wchar_t* caption;
    skin::TsMenuItemType kind;
    const wchar_t* word;
  };
  const Case cases[] = {
      {L"-", skin::smDivider, L""},
      {L"-Zegarki-", skin::smCaption, L"Zegarki"},
      {L"-Dwa-Slowa-", skin::smCaption, L"Dwa"},
      {L"--", skin::smCaption, L""},
      {L"-Bez konca", skin::smNormal, nullptr},
      {L"Wklej\tCtrl+V", skin::smNormal, nullptr},
      {L"", skin::smNormal, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skin::PopupItemKind(c.caption), c.kind) << classlib::WideToUtf8(c.caption);
    if (c.word) EXPECT_EQ(skin::CaptionItemText(c.caption), c.word);
  }
}

TEST_F(SkinMenusFixture, MeasuringFollowsTheWidthAndHeightRules) {
  TPopupMenu* menu = MakeMenu();
  TMenuItem* plain = Add(menu->Items(), L"Wklej");
  TMenuItem* line = Add(menu->Items(), L"-");
  TMenuItem* caption = Add(menu->Items(), L"-Zegarki-");
  TMenuItem* tabbed = Add(menu->Items(), L"Kopiuj\tCtrl+C");
  TMenuItem* shortcut = Add(menu->Items(), L"Zapisz");
  shortcut->SetShortCut(static_cast<TShortCut>(scCtrl | 'S'));
  menus_->HookPopupMenu(menu, true);

  TBitmap surface;
  surface.SetSize(4, 4);
  TCanvas& canvas = *surface.Canvas();
  auto textWidth = [&](const std::wstring& text) {
    SelectMenuFont(canvas, false);
    RECT r{0, 0, 1, 0};
    DrawTextW(canvas.Handle(), text.c_str(), -1, &r, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
    return static_cast<int>(r.right);
  };
  SelectMenuFont(canvas, false);
  const int h = static_cast<int>(std::nearbyint(canvas.TextHeight(L"W") * 1.25));
  skin::SetMenuItemsMeasured(false);
  struct Case {
    TMenuItem* item;
    int width, height;
  };
  // No images anywhere: every item still reserves a 16-pixel glyph column.
  const Case cases[] = {
      {plain, 2 * 16 + textWidth(L"Wklej") + 3 * 2 + 8, std::max(h, 16) + 4},
      {line, 2 * 16 + 0 + 3 * 2 + 8, 2},
      {caption, 2 * 16 + textWidth(L"--Zegarki--") + 3 * 2 + 8, h + 4},
      {tabbed, 2 * 16 + textWidth(L"Kopiuj\tCtrl+C") + 3 * 2 + 8, std::max(h, 16) + 4},
      {shortcut, 2 * 16 + textWidth(L"Zapisz" + ShortCutToText(shortcut->ShortCut())) + 3 * 2 + 8,
       std::max(h, 16) + 4},
  };
  for (const Case& c : cases) {
    int width = 0, height = 0;
    c.item->MeasureItem(canvas, width, height);
    EXPECT_EQ(width, c.width) << WideToUtf8(c.item->Caption());
    EXPECT_EQ(height, c.height) << WideToUtf8(c.item->Caption());
  }
  EXPECT_TRUE(skin::MenuItemsMeasured());
}

TEST_F(SkinMenusFixture, HookingLeavesTheProgramsOwnHandlers) {
  TPopupMenu* menu = MakeMenu();
  TMenuItem* own = Add(menu->Items(), L"Własny");
  TMenuItem* plain = Add(menu->Items(), L"Zwykły");
  TMenuItem* sub = Add(plain, L"Podmenu");
  int ownDraws = 0;
  own->SetOnAdvancedDrawItem([&](TObject*, TCanvas*, const TRect&, TOwnerDrawState) { ++ownDraws; });

  menus_->HookPopupMenu(menu, true);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_TRUE(menu->MenuAnimation().Contains(maNone));
  EXPECT_TRUE(TsSkinableMenus::HasOurHandlers(plain));
  EXPECT_TRUE(TsSkinableMenus::HasOurHandlers(sub));
  EXPECT_TRUE(own->OnMeasureItem());  // ours where the program had none
  TBitmap surface;
  surface.SetSize(4, 4);
  own->OnAdvancedDrawItem()(own, surface.Canvas(), Rect(0, 0, 1, 1), TOwnerDrawState{});
  EXPECT_EQ(ownDraws, 1);  // hooking never replaced it

  menus_->HookPopupMenu(menu, false);
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_FALSE(menu->MenuAnimation().Contains(maNone));
  EXPECT_FALSE(TsSkinableMenus::HasOurHandlers(plain));
  EXPECT_FALSE(TsSkinableMenus::HasOurHandlers(sub));
  ASSERT_TRUE(own->OnAdvancedDrawItem());
  own->OnAdvancedDrawItem()(own, surface.Canvas(), Rect(0, 0, 1, 1), TOwnerDrawState{});
  EXPECT_EQ(ownDraws, 2);
  EXPECT_FALSE(own->OnMeasureItem());
}

TEST_F(SkinMenusFixture, SkinnedPopupsOffLeavesMenusPlain) {
  auto main = std::unique_ptr<TMainMenu>(New<TMainMenu>(nullptr));
  auto* file = New<TMenuItem>(main.get());
  file->SetCaption(L"Plik");
  main->Items()->Add(file);
  TPopupMenu* menu = MakeMenu();
  TMenuItem* item = Add(menu->Items(), L"Wklej");

  manager_->SetSkinnedPopups(false);
  menus_->HookMainMenu(main.get(), true);
  EXPECT_FALSE(main->OwnerDraw());
  EXPECT_FALSE(file->OnAdvancedDrawItem());
  menus_->HookPopupMenu(menu, true);
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_TRUE(TsSkinableMenus::HasOurHandlers(item));  // hooked, but the menu is not owner-drawn

  manager_->SetSkinnedPopups(true);
  menus_->HookMainMenu(main.get(), true);
  EXPECT_TRUE(main->OwnerDraw());
  EXPECT_TRUE(TsSkinableMenus::HasOurHandlers(file));
  menus_->HookMainMenu(main.get(), false);
  EXPECT_FALSE(main->OwnerDraw());
  EXPECT_FALSE(TsSkinableMenus::HasOurHandlers(file));
}

TEST_F(SkinMenusFixture, ActivationWalksTheApplicationsMenus) {
  auto* owned = New<TPopupMenu>(Application);
  auto* item = New<TMenuItem>(owned);
  item->SetCaption(L"Pozycja");
  owned->Items()->Add(item);
  menus_->SetActive(false);
  EXPECT_FALSE(TsSkinableMenus::HasOurHandlers(item));
  menus_->SetActive(true);
  EXPECT_TRUE(TsSkinableMenus::HasOurHandlers(item));
  EXPECT_TRUE(owned->OwnerDraw());
  manager_->SetActive(false);  // the skin goes: ours go too
  EXPECT_FALSE(menus_->Active());
  EXPECT_FALSE(TsSkinableMenus::HasOurHandlers(item));
  delete owned;
}

TEST_F(SkinMenusFixture, SkinBorderWidthComesFromTheMask) {
  EXPECT_EQ(menus_->SkinBorderWidth(), 3);  // declared 0: taken as 3
  WriteFile(Skins() / "Plain" / "Options.dat",
            "[GLOBALINFO]\r\nVERSION=8.0\r\nMASTERBITMAP=MASTER.BMP\r\n[MAINMENU]\r\nCOLOR=0\r\n");
  WriteFile(Skins() / "Plain" / "MASTER.BMP", MenuSkinMaster());
  manager_->SetSkinName(L"Plain");
  EXPECT_EQ(menus_->SkinBorderWidth(), 0);
}

// --- Records

TEST_F(SkinMenusFixture, RecordsAreKeptPerPopupAndDroppedWithTheirItem) {
  TPopupMenu* menu = MakeMenu();
  TMenuItem* first = Add(menu->Items(), L"Pierwsza");
  TMenuItem* second = Add(menu->Items(), L"Druga");
  TMenuItem* sub = Add(second, L"Podmenu");
  const int builds = skin::MenuInfoBuilds();
  skin::TacMenuInfo* top = menus_->GetMenuInfo(second, 120, 60);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->FirstItem, first);
  EXPECT_EQ(menus_->GetMenuInfo(first, 120, 60), top);  // any item of the pop-up finds it
  skin::TacMenuInfo* inner = menus_->GetMenuInfo(sub, 80, 30);
  ASSERT_NE(inner, nullptr);
  EXPECT_NE(inner, top);
  EXPECT_EQ(skin::MenuInfoBuilds(), builds + 2);
  // The border mask's keyed corners, for each pop-up's own size.
  ASSERT_FALSE(top->CornerCutOuts.empty());
  EXPECT_NE(top->CornerCutOuts, inner->CornerCutOuts);
  // Measuring looks up only.
  EXPECT_EQ(menus_->GetMenuInfo(first, 0, 0), top);
  // Another size (the items were rebuilt): built again.
  skin::TacMenuInfo* rebuilt = menus_->GetMenuInfo(first, 140, 60);
  ASSERT_NE(rebuilt, nullptr);
  EXPECT_EQ(rebuilt->Bmp->Width(), 140);
  EXPECT_EQ(skin::MenuInfoBuilds(), builds + 3);
  // The program frees the items: the record goes with its first item.
  menu->Items()->Delete(0);
  EXPECT_EQ(skin::FindMenuInfo(first), nullptr);
  EXPECT_EQ(skin::MenuInfos().size(), 1u);
  skin::ClearMenuCache();
  EXPECT_TRUE(skin::MenuInfos().empty());
}

TEST_F(SkinMenusFixture, PostedItemsAreCheckedBeforeUse) {
  TPopupMenu* menu = MakeMenu();
  TMenuItem* item = Add(menu->Items(), L"Pozycja");
  const skin::TsMenuWindowServices& services = skin::MenuWindowServices();
  HMENU handle = nullptr;
  EXPECT_FALSE(services.MenuOfItem(reinterpret_cast<std::intptr_t>(item), handle));  // not ours yet
  menus_->HookPopupMenu(menu, true);
  EXPECT_TRUE(services.MenuOfItem(reinterpret_cast<std::intptr_t>(item), handle));
  EXPECT_EQ(handle, menu->Handle());
  int stack = 0;
  EXPECT_FALSE(services.MenuOfItem(reinterpret_cast<std::intptr_t>(&stack), handle));
  EXPECT_FALSE(services.MenuOfItem(0x12345678, handle));
  EXPECT_FALSE(services.HasPreparedImage(nullptr, reinterpret_cast<std::intptr_t>(item)));
  menus_->GetMenuInfo(item, 100, 40);
  EXPECT_TRUE(services.HasPreparedImage(nullptr, reinterpret_cast<std::intptr_t>(item)));
  menu->Items()->Delete(0);
  EXPECT_FALSE(services.MenuOfItem(reinterpret_cast<std::intptr_t>(item), handle));
}

TEST_F(SkinMenusFixture, BackgroundHasTheSectionIconColumnAndFrame) {
  TPopupMenu* menu = MakeMenu();
  TMenuItem* item = Add(menu->Items(), L"Pozycja");
  skin::TacMenuInfo* info = menus_->GetMenuInfo(item, 100, 40);
  ASSERT_NE(info, nullptr);
  TCanvas* c = info->Bmp->Canvas();
  auto pixel = [&](int x, int y) {
    const COLORREF p = static_cast<COLORREF>(c->Pixels(x, y));
    return static_cast<std::uint32_t>((GetRValue(p) << 16) | (GetGValue(p) << 8) | GetBValue(p));
  };
  EXPECT_EQ(info->TextIndent, 2 + 16 + 8);
  EXPECT_EQ(pixel(1, 20), kMenuEdge);                     // left frame
  EXPECT_EQ(pixel(98, 20), kMenuEdge);                    // right frame
  EXPECT_EQ(pixel(3 + 10, 20), kIcoLine);                 // icon column
  EXPECT_EQ(pixel(3 + info->TextIndent + 5, 20), kMenuBg);  // beside it
}

}  // namespace
}  // namespace skin_test

namespace skin_test {
namespace {

using namespace classlib;

// A pop-up like the program's fill-in menus, shown for real and read back
// by pixels from its window.
class OpenSkinnedMenu : public SkinMenusFixture {
 protected:
  void SetUp() override {
    SkinMenusFixture::SetUp();
    TPopupMenu* menu = MakeMenu();
    hidden = Add(menu->Items(), L"Ukryta");
    hidden->SetVisible(false);  // the program hides some first items
    paste = Add(menu->Items(), L"Wklej");
    line = Add(menu->Items(), L"-");
    checked = Add(menu->Items(), L"Zaznaczona");
    checked->SetChecked(true);
    radio = Add(menu->Items(), L"Po 5 latach");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    disabled = Add(menu->Items(), L"Nieaktywna");
    disabled->SetEnabled(false);
    last = Add(menu->Items(), L"Zdefiniuj");
    hiddenLast = Add(menu->Items(), L"Ukryta na końcu");
    hiddenLast->SetVisible(false);
    menus_->HookPopupMenu(menu, true);
  }
  TMenuItem *hidden = nullptr, *paste = nullptr, *line = nullptr, *checked = nullptr, *radio = nullptr,
            *disabled = nullptr, *last = nullptr, *hiddenLast = nullptr;
};

// The darkest pixel of a rectangle (text shows as the darkest pixels).
int Darkest(HWND wnd, const RECT& r) {
  int darkest = 3 * 255;
  HDC dc = GetWindowDC(wnd);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      darkest = std::min(darkest, GetRValue(c) + GetGValue(c) + GetBValue(c));
    }
  ReleaseDC(wnd, dc);
  return darkest;
}

TEST_F(OpenSkinnedMenu, PaintsEveryLayerOfARealPopup) {
  struct Seen {
    int width = 0, height = 0;
    std::uint32_t edgeLeft = 0, edgeRight = 0, edgeTop = 0, edgeBottom = 0, background = 0, iconColumn = 0;
    std::uint32_t divider = 0, check = 0, radio = 0, hotBackground = 0, normalBackground = 0;
    int disabledText = 0, enabledText = 0;
    bool cornerOut = false, insideIn = false;
  } seen;
  const int builds = skin::MenuInfoBuilds();
  TOpenMenuScript script;
  script.open = [&](HWND wnd) {
    RECT w{};
    GetWindowRect(wnd, &w);
    seen.width = w.right - w.left;
    seen.height = w.bottom - w.top;
    const RECT pasteRect = ItemRect(wnd, menu_.get(), 0);
    const int midY = (pasteRect.top + pasteRect.bottom) / 2;
    seen.edgeLeft = MenuPixel(wnd, 1, midY);
    seen.edgeRight = MenuPixel(wnd, seen.width - 2, midY);
    seen.edgeTop = MenuPixel(wnd, seen.width / 2, 1);
    seen.edgeBottom = MenuPixel(wnd, seen.width / 2, seen.height - 2);
    seen.iconColumn = MenuPixel(wnd, pasteRect.left + 10, midY);
    seen.background = MenuPixel(wnd, pasteRect.right - 3, midY);
    const RECT lineRect = ItemRect(wnd, menu_.get(), 1);
    seen.divider = MenuPixel(wnd, (lineRect.left + lineRect.right) / 2, lineRect.top);
    const RECT checkRect = ItemRect(wnd, menu_.get(), 2);
    seen.check = MenuPixel(wnd, checkRect.left + 2 + 4, (checkRect.top + checkRect.bottom) / 2);
    const RECT radioRect = ItemRect(wnd, menu_.get(), 3);
    seen.radio = MenuPixel(wnd, radioRect.left + 2 + 4, (radioRect.top + radioRect.bottom) / 2);
    RECT text = ItemRect(wnd, menu_.get(), 4);
    text.left += 2 + 16 + 2 * 2 + 8;
    seen.disabledText = Darkest(wnd, text);
    text = ItemRect(wnd, menu_.get(), 5);
    text.left += 2 + 16 + 2 * 2 + 8;
    seen.enabledText = Darkest(wnd, text);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(wnd, region) != ERROR) {
      seen.cornerOut = !PtInRegion(region, 0, 0) && !PtInRegion(region, seen.width - 1, seen.height - 1);
      seen.insideIn = PtInRegion(region, 5, 5) && PtInRegion(region, 3, 0);
    }
    DeleteObject(region);
  };
  script.hot = [&](HWND wnd) {
    const RECT r = ItemRect(wnd, menu_.get(), 0);
    seen.hotBackground = MenuPixel(wnd, r.right - 3, (r.top + r.bottom) / 2);
    const RECT other = ItemRect(wnd, menu_.get(), 5);
    seen.normalBackground = MenuPixel(wnd, other.right - 3, (other.top + other.bottom) / 2);
  };
  ASSERT_TRUE(ShowMenu(menu_.get(), script));
  EXPECT_EQ(seen.edgeLeft, kMenuEdge);
  EXPECT_EQ(seen.edgeRight, kMenuEdge);
  EXPECT_EQ(seen.edgeTop, kMenuEdge);
  EXPECT_EQ(seen.edgeBottom, kMenuEdge);
  EXPECT_EQ(seen.iconColumn, kIcoLine);
  EXPECT_EQ(seen.background, kMenuBg);
  EXPECT_EQ(seen.divider, kLine);
  EXPECT_EQ(seen.check, kCheck);
  EXPECT_EQ(seen.radio, kRadio);
  EXPECT_EQ(seen.hotBackground, kHot);
  EXPECT_EQ(seen.normalBackground, kMenuBg);
  EXPECT_GT(seen.disabledText, seen.enabledText + 60);  // blended toward the background
  EXPECT_TRUE(seen.cornerOut);
  EXPECT_TRUE(seen.insideIn);
  EXPECT_EQ(skin::MenuInfoBuilds(), builds + 1);  // one background for every repaint

  // Opening it again reuses the record while the items live.
  TOpenMenuScript again;
  ASSERT_TRUE(ShowMenu(menu_.get(), again));
  EXPECT_EQ(skin::MenuInfoBuilds(), builds + 1);
}

// Regions, item bitmaps, fonts and window DCs of every repaint are given
// back: showing the pop-up again leaves no GDI object behind.
TEST_F(OpenSkinnedMenu, RepaintsLeaveNoGdiObjects) {
  TOpenMenuScript warm;
  warm.hot = [](HWND) {};
  ASSERT_TRUE(ShowMenu(menu_.get(), warm));
  skin::ClearMenuCache();  // a region is made again for every record
  TOpenMenuScript second;
  second.hot = [](HWND) {};
  ASSERT_TRUE(ShowMenu(menu_.get(), second));
  skin::ClearMenuCache();
  const DWORD before = skin_test_gdi::GdiObjects();
  for (int i = 0; i < 3; ++i) {
    TOpenMenuScript again;
    again.hot = [](HWND) {};
    ASSERT_TRUE(ShowMenu(menu_.get(), again));
    skin::ClearMenuCache();
  }
  EXPECT_EQ(skin_test_gdi::GdiObjects(), before);
}

TEST_F(OpenSkinnedMenu, ARebuiltMenuNeverReusesAStaleRecord) {
  TOpenMenuScript first;
  ASSERT_TRUE(ShowMenu(menu_.get(), first));
  const int builds = skin::MenuInfoBuilds();
  // As the program does at every pop-up: free the items, make new ones.
  menu_->Items()->Clear();
  for (const wchar_t* caption : {L"Nowa", L"Lista", L"Dłuższa pozycja nowej listy"}) Add(menu_->Items(), caption);
  menus_->HookPopupMenu(menu_.get(), true);
  std::uint32_t edge = 0, background = 0;
  int width = 0;
  TOpenMenuScript second;
  second.open = [&](HWND wnd) {
    RECT w{};
    GetWindowRect(wnd, &w);
    width = w.right - w.left;
    edge = MenuPixel(wnd, width - 2, 10);
    const RECT r = ItemRect(wnd, menu_.get(), 2);
    background = MenuPixel(wnd, r.right - 3, (r.top + r.bottom) / 2);
  };
  ASSERT_TRUE(ShowMenu(menu_.get(), second));
  EXPECT_EQ(skin::MenuInfoBuilds(), builds + 1);
  ASSERT_EQ(skin::MenuInfos().size(), 1u);
  EXPECT_EQ(skin::MenuInfos().front()->Bmp->Width(), width);
  EXPECT_EQ(edge, kMenuEdge);
  EXPECT_EQ(background, kMenuBg);
}

TEST_F(OpenSkinnedMenu, ASubmenuGetsItsOwnRecordAndRegion) {
  TMenuItem* sub = Add(menu_->Items(), L"Więcej");
  for (const wchar_t* caption : {L"19", L"21", L"23"}) Add(sub, caption);
  menus_->HookPopupMenu(menu_.get(), true);
  // Opened through the keyboard: to the submenu (last visible item), right.
  bool subRegion = false;
  TOpenMenuScript script;
  script.open = [&](HWND wnd) {
    PostMessageW(wnd, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(wnd, WM_KEYDOWN, VK_RIGHT, 0);
  };
  script.hot = [&](HWND) {
    HWND inner = nullptr;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr))
      if (IsWindowVisible(w) && skin::FindMenuInfo(w) && skin::FindMenuInfo(w)->FirstItem == sub->Items(0)) inner = w;
    if (!inner) return;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    subRegion = GetWindowRgn(inner, region) != ERROR && !PtInRegion(region, 0, 0);
    DeleteObject(region);
  };
  ASSERT_TRUE(ShowMenu(menu_.get(), script));
  EXPECT_NE(skin::FindMenuInfo(sub->Items(0)), nullptr);
  EXPECT_NE(skin::FindMenuInfo(hidden), nullptr);  // keyed by index 0, shown or not
  EXPECT_TRUE(subRegion);
}

}  // namespace
}  // namespace skin_test

namespace skin_test {
namespace {

using namespace classlib;

// A menu-bar item asks its form for the provider; an address from a window
// that has no provider of ours is never used.
TEST_F(SkinMenusFixture, MenuBarItemsTrustOnlyTheFormsOwnProvider) {
  std::unique_ptr<TForm> form(New<TForm>(Application));
  form->SetBounds(10, 10, 200, 100);
  form->HandleNeeded();
  TWndMethod previous = form->WindowProc();
  int asked = 0;
  form->SetWindowProc([&, previous](TMessage& m) {
    if (m.Msg == skin::SkinCommandMessage && skin::SkinCommandCode(m.WParam) == skin::scGetProvider) {
      ++asked;
      m.Result = 0x12345678;  // not a provider
      return;
    }
    previous(m);
  });
  auto bar = std::unique_ptr<TMainMenu>(New<TMainMenu>(nullptr));
  auto* file = New<TMenuItem>(bar.get());
  file->SetCaption(L"Plik");
  bar->Items()->Add(file);
  bar->SetWindowHandle(form->Handle());
  TBitmap surface;
  surface.SetPixelFormat(pf32bit);
  surface.SetSize(60, 20);
  const RECT all{0, 0, 60, 20};
  FillRect(surface.Canvas()->Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  menus_->DrawMainMenuItem(file, surface.Canvas(), Rect(0, 0, 60, 20), TOwnerDrawState{odSelected});
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(surface.Canvas()->Pixels(30, 10), static_cast<TColor>(0xFFFFFF));  // nothing painted
  form->SetWindowProc(previous);
  bar->SetWindowHandle(nullptr);
}

}  // namespace
}  // namespace skin_test

namespace skin_test {
namespace {

using namespace classlib;

// The vertical extra line widens only the first column, is asked for while
// a pop-up has no record, and never shows on the skin-list submenu.
TEST_F(SkinMenusFixture, ExtraLineWidensTheFirstColumnOnly) {
  TPopupMenu* menu = MakeMenu();
  TMenuItem* first = Add(menu->Items(), L"Pierwsza");
  TMenuItem* second = Add(menu->Items(), L"Druga");
  second->SetBreak(mbBreak);
  std::unique_ptr<TPopupMenu> keep(menu_.release());  // the next menu takes menu_
  TPopupMenu* skins = MakeMenu();
  TMenuItem* skinItem = Add(skins->Items(), L"Tessarilo");
  skinItem->SetName(L"SkinSelectItem");
  int asked = 0;
  menus_->MenuSupport().UseExtraLine = true;
  menus_->OnGetMenuExtraLineData = [&](TMenuItem* item, std::wstring&, std::wstring& caption,
                                       std::unique_ptr<TBitmap>&, bool& visible) {
    ++asked;
    EXPECT_EQ(item, first);
    caption = L"&Tessarilo";
    visible = true;
  };
  TBitmap surface;
  surface.SetSize(4, 4);
  auto width = [&](TMenuItem* item, bool extra) {
    menus_->MenuSupport().UseExtraLine = extra;
    int w = 0, h = 0;
    menus_->MeasureItem(item, surface.Canvas(), w, h);
    return w;
  };
  EXPECT_EQ(width(first, true), width(first, false) + 32);
  EXPECT_EQ(width(second, true), width(second, false));  // a later column
  EXPECT_EQ(asked, 4);
  const int before = asked;
  EXPECT_EQ(width(skinItem, true), width(skinItem, false));
  EXPECT_EQ(asked, before);  // never asked for the skin list
  // Once the record exists it answers.
  skin::TacMenuInfo* info = menus_->GetMenuInfo(first, 120, 40);
  ASSERT_NE(info, nullptr);
  EXPECT_TRUE(info->HasExtraLine);
  const int built = asked;
  width(first, true);
  EXPECT_EQ(asked, built);
  EXPECT_EQ(menus_->ExtraLineWidth(*info), 32);
  menus_->MenuSupport().UseExtraLine = false;
  EXPECT_EQ(menus_->ExtraLineWidth(*info), 0);
}

}  // namespace
}  // namespace skin_test
