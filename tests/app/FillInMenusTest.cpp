#ifdef _WIN32
// The fields' fill-in menus: "Wklej", the fixed lists, the currency and date
// items, and the menus built from the list files.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "AppTestFolder.h"
#include "classlib/menus/Clipboard.h"

namespace app_test {

using namespace classlib;

class FillInMenusTest : public AppTestFolder {
 protected:
  // The clipboard outlives test processes: start every test with it empty.
  void SetUp() override {
    AppTestFolder::SetUp();
    Clipboard().Clear();
  }
  void TearDown() override {
    Clipboard().Clear();
    AppTestFolder::TearDown();
  }
  static TMenuItem* Item(TPopupMenu* menu, const std::wstring& caption) {
    TMenuItem* item = menu->Items()->Find(caption);
    EXPECT_NE(item, nullptr) << fs::path(caption).string();
    return item;
  }
  static std::vector<std::wstring> Captions(TPopupMenu* menu) {
    std::vector<std::wstring> captions;
    for (int i = 0; i < menu->Items()->Count(); ++i) captions.push_back(menu->Items()->Items(i)->Caption());
    return captions;
  }
  void WriteList(const wchar_t* name, const std::string& bytes) {
    fs::create_directories(Cards());
    std::ofstream(Cards() / name, std::ios::binary) << bytes;
  }
};

TEST_F(FillInMenusTest, PasteItemsShowOnlyWithTextOnTheClipboard) {
  app::TForm1& f = Form();
  struct TMenu {
    TPopupMenu* menu;
    TMenuItem *paste, *separator;
  };
  const std::vector<TMenu> menus{{f.PopupMenu2, f.Wklej2, nullptr}, {f.PopupMenu3, f.Wklej11, f.N27},
                                 {f.PopupMenu4, f.Wklej12, f.N28},  {f.PopupMenu5, f.Wklej5, f.N21},
                                 {f.PopupMenu6, f.Wklej6, f.N22},   {f.PopupMenu7, f.Wklej7, f.N23},
                                 {f.PopupMenu8, f.Wklej8, f.N24},   {f.PopupMenu9, f.Wklej3, f.N17},
                                 {f.PopupMenu10, f.Wklej4, f.N20},  {f.PopupMenu11, f.Wklej9, f.N25},
                                 {f.PopupMenu19, f.Kopiuj3, f.N29}, {f.PopupMenu13, f.Wklej13, f.N14}};
  for (bool text : {false, true}) {
    if (text)
      Clipboard().SetAsText(L"Szafir");
    else
      Clipboard().Clear();
    for (const TMenu& m : menus) {
      m.menu->OnPopup()(m.menu);
      EXPECT_EQ(m.paste->Visible(), text);
      EXPECT_EQ(m.paste->Caption(), L"Wklej");
      if (m.separator) {
        EXPECT_EQ(m.separator->Visible(), text);
      }
    }
    for (TPopupMenu* built : {f.PopupMenu12, f.PopupMenu14, f.PopupMenu15}) {
      built->OnPopup()(built);
      EXPECT_EQ(built->Items()->Items(0)->Caption() == L"Wklej", text);
    }
  }
}

TEST_F(FillInMenusTest, PasteGoesIntoTheMenusFieldAsItsOwnPasteWould) {
  app::TForm1& f = Form();
  f.sEdit2->SetText(L"Sei");
  f.sEdit2->SetSelStart(3);
  Clipboard().SetAsText(L"ko\r\nsecond line");
  f.PopupMenu2->SetPopupComponent(f.sEdit2);
  f.Wklej2->Click();
  EXPECT_EQ(f.sEdit2->Text(), L"Seiko");
  EXPECT_EQ(f.sEdit2->SelStart(), 5);
  EXPECT_FALSE(Clipboard().HasText());

  // The report memo is read-only; a menu opened for no field pastes nowhere.
  f.Memo2->Lines()->SetText(L"Raport");
  Clipboard().SetAsText(L"x");
  f.PopupMenu2->SetPopupComponent(f.Memo2);
  f.Wklej2->Click();
  EXPECT_EQ(f.Memo2->Lines()->Text(), L"Raport\r\n");
  f.PopupMenu2->SetPopupComponent(nullptr);
  f.Wklej2->Click();
  EXPECT_EQ(f.sEdit2->Text(), L"Seiko");
}

TEST_F(FillInMenusTest, FixedItemsCurrencyAndDates) {
  app::TForm1& f = Form();
  f.sEdit10->SetText(L"Ręczny");
  Item(f.PopupMenu4, L"Automatyczny")->Click();
  EXPECT_EQ(f.sEdit10->Text(), L"Automatyczny");
  EXPECT_EQ(f.sEdit10->SelStart(), 12);
  Item(f.PopupMenu11, L"Nieparzyste")->Items(1)->Click();
  EXPECT_EQ(f.sEdit22->Text(), L"21");
  Item(f.PopupMenu8, L"1000")->Click();
  EXPECT_EQ(f.sEdit18->Text(), L"1000");

  struct TCase {
    const wchar_t *field, *currency, *result;
  };
  for (const TCase& c : {TCase{L"1200 zł", L"EUR", L"1200 EUR"}, TCase{L"", L"USD", L"USD"}}) {
    f.sEdit9->SetText(c.field);
    Item(f.PopupMenu3, c.currency)->Click();
    EXPECT_EQ(f.sEdit9->Text(), c.result);
  }

  f.Dzi1Click(nullptr);
  EXPECT_EQ(f.sEdit8->Text(), L"14.03.2026");
  f.MenuItem5Click(nullptr);
  EXPECT_EQ(f.sEdit14->Text(), L"14.03.2026");
  f.Biecyrok1Click(nullptr);
  EXPECT_EQ(f.sEdit7->Text(), L"2026");

  f.sEdit2->SetText(L"Seiko");
  f.sEdit3->SetText(L" SKX007 ");
  f.PopupMenu13->OnPopup()(f.PopupMenu13);
  f.N15->Click();
  EXPECT_EQ(f.sEdit1->Text(), L"Seiko - SKX007");
}

TEST_F(FillInMenusTest, ComplicationsFromTheListFile) {
  app::TForm1& f = Form();
  f.PopupMenu15->OnPopup()(f.PopupMenu15);
  EXPECT_EQ(Captions(f.PopupMenu15), (std::vector<std::wstring>{L"Zdefiniuj"}));
  // Code page 1250, a blank line, an ampersand.
  WriteList(L"Komplikacje.txt", "GMT\r\n\r\n  Fazy Ksi\xea\xbfyca \r\nR&D\r\n");
  f.PopupMenu15->OnPopup()(f.PopupMenu15);
  EXPECT_EQ(Captions(f.PopupMenu15),
            (std::vector<std::wstring>{L"GMT", L"Fazy Księżyca", L"R&&D", L"-", L"Zdefiniuj"}));
  f.sEdit13->SetText(L"Data, ");
  f.PopupMenu15->Items()->Items(0)->Click();
  EXPECT_EQ(f.sEdit13->Text(), L"Data, GMT");
  f.PopupMenu15->Items()->Items(2)->Click();
  EXPECT_EQ(f.sEdit13->Text(), L"Data, GMT, R&D");
}

TEST_F(FillInMenusTest, MakerAndCalibreMenusFromTheDefaultFile) {
  app::TForm1& f = Form();
  f.zdefiniuj21Click(nullptr);
  f.PopupMenu12->OnPopup()(f.PopupMenu12);
  EXPECT_EQ(Captions(f.PopupMenu12),
            (std::vector<std::wstring>{L"ETA", L"Sellita", L"Ronda", L"-", L"Seiko", L"Miyota", L"Seagull", L"-",
                                       L"In-House", L"-", L"Zdefiniuj"}));
  f.PopupMenu12->Items()->Items(4)->Click();
  EXPECT_EQ(f.sEdit11->Text(), L"Seiko");
  f.sEdit2->SetText(L"Rolex");
  Item(f.PopupMenu12, L"In-House")->Click();
  EXPECT_EQ(f.sEdit11->Text(), L"Rolex");

  f.PopupMenu14->OnPopup()(f.PopupMenu14);
  TMenuItem* items = f.PopupMenu14->Items();
  ASSERT_EQ(items->Count(), 6 * 5 + 2);
  int columns = 1;
  for (int i = 0; i < 30; ++i) {
    TMenuItem* item = items->Items(i);
    EXPECT_EQ(item->Break(), i % 5 == 0 && i > 0 ? mbBreak : mbNone) << i;
    if (item->Break() == mbBreak) ++columns;
    EXPECT_EQ(item->Enabled(), i % 5 != 0) << i;
  }
  EXPECT_EQ(columns, 6);
  EXPECT_EQ(items->Items(15)->Caption(), L"Seiko");
  items->Items(17)->Click();
  EXPECT_EQ(f.sEdit12->Text(), L"Mechanizm 1");
}

TEST_F(FillInMenusTest, UnnamedHeadingAndAUtf8File) {
  app::TForm1& f = Form();
  WriteList(L"Mechanizmy.txt", "\xEF\xBB\xBF#\r\n#/\xC5\x81\xC3\xB3" "d\xC5\xBA\r\nKaliber 1\r\n");
  f.PopupMenu14->OnPopup()(f.PopupMenu14);
  EXPECT_EQ(Captions(f.PopupMenu14), (std::vector<std::wstring>{L"(Brak nazwy)", L"-", L"Łódź", L"-", L"Kaliber 1",
                                                                L"-", L"Zdefiniuj"}));
}

TEST_F(FillInMenusTest, DefineWritesTheDefaultsOnceAndOpensTheFile) {
  app::TForm1& f = Form();
  ASSERT_FALSE(fs::exists(Cards()));
  f.ZdefiniujItemClick(nullptr);
  EXPECT_EQ(ReadBytes(Cards() / L"Komplikacje.txt"), "Komplikacja 1\r\nKomplikacja 2\r\nKomplikacja 3\r\n");
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(fs::path(opened_[0]), Cards() / L"Komplikacje.txt");
  f.zdefiniuj21Click(nullptr);
  const std::string mechanisms = ReadBytes(Cards() / L"Mechanizmy.txt");
  EXPECT_EQ(mechanisms.substr(0, 33), "#ETA\r\nMechanizm 1\r\nMechanizm 2\r\nM");
  EXPECT_EQ(mechanisms.size(), 293u);
  // An existing file stays as the user wrote it.
  WriteList(L"Komplikacje.txt", "Moje\r\n");
  f.ZdefiniujItemClick(nullptr);
  EXPECT_EQ(ReadBytes(Cards() / L"Komplikacje.txt"), "Moje\r\n");
  EXPECT_EQ(opened_.size(), 3u);
}

// The screen rectangle of the pop-up menu `open` shows (closed again at
// once); empty when no menu window appeared.
RECT OpenedMenuRect(const std::function<void()>& open) {
  static RECT shown;
  shown = RECT{};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (const HWND menu = FindWindowW(L"#32768", nullptr); menu && IsWindowVisible(menu)) GetWindowRect(menu, &shown);
    EndMenu();
  });
  open();
  KillTimer(nullptr, timer);
  return shown;
}

// The calibre menu of the default file opens 405 pixels left of its field:
// measured on the open menu's own window.
TEST_F(FillInMenusTest, CalibreMenuOfSixColumnsOpensShiftedLeft) {
  app::TForm1& f = Form();
  f.SetBounds(0, 0, f.Width(), f.Height());
  f.zdefiniuj21Click(nullptr);
  bool handled = false;
  const RECT shown = OpenedMenuRect([&] { f.sEdit12ContextPopup(f.sEdit12, TPoint{0, 0}, handled); });
  EXPECT_TRUE(handled);
  EXPECT_GT(shown.right - shown.left, 0);
  EXPECT_EQ(shown.left, f.Left() + 363 + f.sEdit12->Left() - 405);
  EXPECT_EQ(shown.top, f.Top() + 179 + f.sEdit12->Top());
}

// A right click on a field, or on the unit beside it, opens the field's own
// menu at the field, for that field.
TEST_F(FillInMenusTest, RightClicksOpenTheFieldsMenuAtTheField) {
  app::TForm1& f = Form();
  f.SetBounds(0, 0, f.Width(), f.Height());
  Clipboard().SetAsText(L"x");  // the report memo's menu holds only "Wklej"
  struct TCase {
    TWinControl* clicked;
    TControl* field;
    TPopupMenu* menu;
  };
  for (const TCase& c : {TCase{f.sEdit9, f.sEdit9, f.PopupMenu3}, TCase{f.sPanel11, f.sEdit18, f.PopupMenu8},
                         TCase{f.sPanel15, f.sEdit22, f.PopupMenu11}, TCase{f.Memo2, f.Memo2, f.PopupMenu2},
                         TCase{f.sEdit11, f.sEdit11, f.PopupMenu12}}) {
    const RECT shown = OpenedMenuRect(
        [&] { c.clicked->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(c.clicked->Handle()), MAKELPARAM(5, 5)); });
    EXPECT_EQ(shown.left, f.Left() + 363 + c.field->Left()) << fs::path(c.clicked->Name()).string();
    EXPECT_EQ(shown.top, f.Top() + 179 + c.field->Top());
    EXPECT_EQ(c.menu->PopupComponent(), c.field);
  }
}

}  // namespace app_test
#endif
