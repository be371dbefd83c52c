#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/core/Utf8.h"
#include "tests/skin/forms/SkinnedFormFixture.h"

namespace skin_test {
namespace {

using namespace classlib;

class SkinSystemMenuTest : public SkinnedFormFixture {
 protected:
  void TearDown() override {
    main_.reset();
    SkinnedFormFixture::TearDown();
  }
  TMenuItem* Item(const wchar_t* name) const {
    skin::TsSystemMenu* menu = provider_->SystemMenu();
    for (int i = 0; i < menu->Items()->Count(); ++i)
      if (menu->Items()->Items(i)->Name() == name) return menu->Items()->Items(i);
    return nullptr;
  }
  // The program's main form (the application's first), shown.
  void MakeMainForm(TFormBorderStyle style, TBorderIcons icons) {
    TForm* form = nullptr;
    Application->CreateForm(form);
    main_.reset(form);
    ASSERT_EQ(Application->MainForm(), form);
    form->SetBorderStyle(style);
    form->SetBorderIcons(icons);
    form->SetBounds(100, 100, 400, 300);
    provider_ = New<skin::TsSkinProvider>(form);
    form->Show();
    Pump();
  }
  std::unique_ptr<TForm> main_;
};

// Visibility and enablement of the standard items and caption buttons.
TEST_F(SkinSystemMenuTest, PredicatesFollowTheFormsBorderAndState) {
  struct Expect {
    bool visibleMin, visibleMax, enabledMin, enabledMax, enabledRestore, restoreShown, sizeShown, sizeEnabled,
        moveEnabled;
  };
  struct Case {
    const char* name;
    std::function<void()> make;
    Expect expect;
  };
  const TBorderIcons mainIcons{biSystemMenu, biMinimize};
  const Case cases[] = {
      {"main window", [&] { MakeMainForm(bsSingle, mainIcons); },
       {true, false, true, false, false, true, true, false, true}},
      {"about window",
       [&] {
         MakeForm(bsSingle);
         form_->SetBorderIcons(TBorderIcons{biSystemMenu});
       },
       {false, false, false, false, false, true, true, false, true}},
      {"dialog border", [&] { MakeForm(bsDialog); }, {false, false, true, false, false, false, false, true, true}},
      {"maximized sizable form",
       [&] {
         MakeForm(bsSizeable);
         form_->SetWindowState(wsMaximized);
         Pump();
       },
       {true, true, true, true, true, true, true, true, false}},
      {"iconic main form",
       [&] {
         MakeMainForm(bsSingle, mainIcons);
         main_->SetWindowState(wsMinimized);
         Pump();
       },
       {true, true, true, false, true, true, true, false, true}},
      {"iconic secondary form",
       [&] {
         MakeForm(bsSingle);
         form_->SetBorderIcons(mainIcons);
         form_->SetWindowState(wsMinimized);
         Pump();
       },
       {true, true, false, false, true, true, true, false, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    main_.reset();
    form_.reset();
    c.make();
    skin::TsSystemMenu* menu = provider_->SystemMenu();
    ASSERT_NE(menu, nullptr);
    menu->UpdateItems(false);
    EXPECT_TRUE(menu->VisibleClose());
    EXPECT_EQ(menu->VisibleMin(), c.expect.visibleMin);
    EXPECT_EQ(menu->VisibleMax(), c.expect.visibleMax);
    EXPECT_EQ(menu->EnabledMin(), c.expect.enabledMin);
    EXPECT_EQ(menu->EnabledMax(), c.expect.enabledMax);
    EXPECT_EQ(menu->EnabledRestore(), c.expect.enabledRestore);
    ASSERT_NE(Item(L"acIR"), nullptr);
    EXPECT_EQ(Item(L"acIR")->Visible(), c.expect.restoreShown);
    EXPECT_EQ(Item(L"acIS")->Visible(), c.expect.sizeShown);
    EXPECT_EQ(Item(L"acIS")->Enabled(), c.expect.sizeEnabled);
    EXPECT_EQ(Item(L"acIM")->Enabled(), c.expect.moveEnabled);
    EXPECT_EQ(Item(L"acIN")->Visible(), c.expect.visibleMin);
    EXPECT_TRUE(Item(L"acIC")->Enabled());
  }
}

TEST_F(SkinSystemMenuTest, ItemsTakeTheWindowsOwnTextsAndCommands) {
  MakeForm(bsSizeable);
  HMENU system = GetSystemMenu(Wnd(), FALSE);
  ASSERT_NE(system, nullptr);
  AppendMenuW(system, MF_STRING, 0x120, L"Zawsze na wierzchu\tCtrl+T");
  provider_->SystemMenu()->UpdateItems(true);
  auto text = [&](UINT command) {
    wchar_t buffer[256] = {};
    GetMenuStringW(system, command, buffer, 255, MF_BYCOMMAND);
    std::wstring s = buffer;
    return s.substr(0, s.find(L'\t'));
  };
  const struct {
    const wchar_t* name;
    UINT command;
  } standard[] = {{L"acIR", SC_RESTORE}, {L"acIM", SC_MOVE},     {L"acIS", SC_SIZE},
                  {L"acIN", SC_MINIMIZE}, {L"acIX", SC_MAXIMIZE}, {L"acIC", SC_CLOSE}};
  for (const auto& s : standard) {
    TMenuItem* item = Item(s.name);
    ASSERT_NE(item, nullptr) << WideToUtf8(s.name);
    EXPECT_EQ(item->Caption(), text(s.command));
    EXPECT_EQ(item->Tag(), static_cast<intptr_t>(s.command));
  }
  EXPECT_EQ(Item(L"acIC")->ShortCut(), TextToShortCut(L"Alt+F4"));
  EXPECT_EQ(provider_->SystemMenu()->ExtraItemsCount(), 1);

  // Clicks reach the form as system commands: standard ones sent, the
  // program's own posted.
  std::vector<WPARAM> commands;
  TWndMethod previous = form_->WindowProc();
  form_->SetWindowProc([&, previous](TMessage& m) {
    if (m.Msg == WM_SYSCOMMAND) {
      commands.push_back(m.WParam & 0xFFF0);
      return;
    }
    previous(m);
  });
  Item(L"acIX")->Click();
  EXPECT_EQ(commands, std::vector<WPARAM>{SC_MAXIMIZE});
  TMenuItem* own = nullptr;
  for (int i = 0; i < provider_->SystemMenu()->Items()->Count(); ++i)
    if (provider_->SystemMenu()->Items()->Items(i)->Tag() == 0x120) own = provider_->SystemMenu()->Items()->Items(i);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->Caption(), L"Zawsze na wierzchu");
  EXPECT_EQ(own->ShortCut(), TextToShortCut(L"Ctrl+T"));
  own->Click();
  EXPECT_EQ(commands.size(), 1u);  // posted, not sent
  Pump();
  EXPECT_EQ(commands, (std::vector<WPARAM>{SC_MAXIMIZE, 0x120}));
  form_->SetWindowProc(previous);
}

TEST_F(SkinSystemMenuTest, SkinSubmenuListsTheSkinsTwentyToAColumn) {
  for (int i = 1; i <= 20; ++i) {
    const std::string name = "Skora" + std::string(i < 10 ? "0" : "") + std::to_string(i);
    WriteFile(Skins() / name / "Options.dat", RoundedSkinDescription());
    WriteFile(Skins() / name / "MASTER.BMP", RoundedSkinMaster());
  }
  MakeForm(bsSizeable);
  skin::TsSystemMenu* menu = provider_->SystemMenu();
  menu->MakeSkinItems();
  TMenuItem* skins = menu->Items()->Items(0);
  EXPECT_EQ(skins->Name(), L"SkinSelectItem");
  EXPECT_EQ(skins->Caption(), L"Available skins");
  EXPECT_TRUE(menu->Items()->Items(1)->IsLine());
  ASSERT_EQ(skins->Count(), 21);  // "Rounded" and twenty more
  for (int i = 0; i < skins->Count(); ++i) {
    EXPECT_EQ(skins->Items(i)->Break() != mbNone, i == 20) << i;
    EXPECT_EQ(skins->Items(i)->Checked(), skins->Items(i)->Caption() == L"Rounded") << i;
  }
  skins->Items(0)->Click();
  EXPECT_EQ(manager_->SkinName(), skins->Items(0)->Caption());
}

}  // namespace
}  // namespace skin_test
