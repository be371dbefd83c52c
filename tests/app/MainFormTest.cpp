#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "AppTestFolder.h"
#include "classlib/core/FileUtilsPath.h"

namespace app_test {

using namespace classlib;
using app::TForm1;
using skin::TsButton;
using skin::TsPanel;

using MainFormTest = AppTestFolder;

TEST_F(MainFormTest, WithoutSettingsTheReminderIsOnEveryFiveYearsAndCostsShow) {
  TForm1& form = Form();
  EXPECT_EQ(app::CardsDir, FromFsPath(root_) + L"\\Karty\\");
  EXPECT_FALSE(form.Ukryjkosztyzakupu1->Checked());
  EXPECT_TRUE(form.Przypominajoserwisie1->Checked());
  EXPECT_EQ(form.PopupMenu10->Tag(), 5);
  EXPECT_TRUE(form.po5latach1->Checked());
  EXPECT_TRUE(form.po5latach1->Visible());
  EXPECT_FALSE(form.po10latach1->Checked());
  EXPECT_EQ(form.sEdit9->PasswordChar(), wchar_t{0});
  EXPECT_EQ(form.sPanel22->Caption(), L"Kliknij, aby dodać\robraz karty");
  // Nothing is created at start.
  EXPECT_FALSE(fs::exists(Cards()));
  // The keyboard hook lives as long as the window.
  EXPECT_NE(app::KeyboardHook, nullptr);
  form_.reset();
  EXPECT_EQ(app::KeyboardHook, nullptr);
}

TEST_F(MainFormTest, SettingsFileDrivesMenusAndMasking) {
  struct Case {
    const char* lines;
    bool hideCosts, remind;
    int period;
    bool five, ten;
  };
  const std::vector<Case> cases{
      {"CzasSerwisu=7\r\n", false, true, 7, false, false},
      {"CzasSerwisu=10\r\nUkryjKoszty=1\r\n", true, true, 10, false, true},
      {"PrzypominajSerwis=0\r\nCzasSerwisu=0x5\r\n", false, false, 5, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    WriteSettings(c.lines);
    TForm1& form = Form();
    EXPECT_EQ(form.Ukryjkosztyzakupu1->Checked(), c.hideCosts);
    EXPECT_EQ(form.Przypominajoserwisie1->Checked(), c.remind);
    EXPECT_EQ(form.PopupMenu10->Tag(), c.period);
    EXPECT_EQ(form.po5latach1->Checked(), c.five);
    EXPECT_EQ(form.po10latach1->Checked(), c.ten);
    EXPECT_EQ(form.po5latach1->Visible(), c.remind);
    EXPECT_EQ(form.po10latach1->Visible(), c.remind);
    EXPECT_EQ(form.sEdit9->PasswordChar(), c.hideCosts ? wchar_t{1} : wchar_t{0});
  }
}

TEST_F(MainFormTest, DescriptionGivesTheWindowAndItsStartState) {
  TForm1& form = Form();
  form.HandleNeeded();
  EXPECT_EQ(form.Caption(), L"Tessarilo zegarków");
  EXPECT_EQ(form.ClientWidth(), 1000);
  EXPECT_EQ(form.ClientHeight(), 645);
  EXPECT_EQ(form.BorderStyle(), bsSingle);
  const LONG style = GetWindowLongW(form.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(form.sPanel4->Visible());
  EXPECT_FALSE(form.sPanel1->Visible());
  EXPECT_EQ(form.sPanel1->Tag(), 1);
  EXPECT_TRUE(form.sButton1->Down());
  EXPECT_FALSE(form.sGauge1->Visible());
  EXPECT_EQ(form.sGauge1->MaxValue(), 20);
  EXPECT_FALSE(form.Timer1->Enabled());
  EXPECT_EQ(form.Timer1->Interval(), 1u);
  EXPECT_EQ(form.Timer2->Interval(), 1111u);
  EXPECT_EQ(form.sBitBtn3->Caption(), L"Zapisz");
  EXPECT_EQ(form.sBitBtn5->Caption(), L"Nowa karta");
}

TEST_F(MainFormTest, PageSwitchShowsExactlyOnePage) {
  TForm1& form = Form();
  TsButton* tabs[] = {form.sButton1, form.sButton2, form.sButton3, form.sButton4};
  TsPanel* pages[] = {form.sPanel3, form.sPanel7, form.sPanel9, form.sPanel6};
  for (int chosen = 3; chosen >= 0; --chosen) {
    SCOPED_TRACE(chosen);
    tabs[chosen]->Click();
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(pages[i]->Visible(), i == chosen);
      EXPECT_EQ(tabs[i]->Down(), i == chosen);
    }
    EXPECT_EQ(form.sPanel1->Tag(), chosen + 1);
  }
}

TEST_F(MainFormTest, Timer1ShowsTheGaugeForTwentyTicksThenTheCombo) {
  TForm1& form = Form();
  for (int tick = 1; tick <= 20; ++tick) {
    form.Timer1Timer(form.Timer1);
    EXPECT_TRUE(form.sGauge1->Visible());
    EXPECT_FALSE(form.sComboBox1->Visible());
    EXPECT_EQ(form.sGauge1->Progress(), tick);
  }
  form.Timer1->SetEnabled(true);
  form.Timer1Timer(form.Timer1);
  EXPECT_FALSE(form.Timer1->Enabled());
  EXPECT_FALSE(form.sGauge1->Visible());
  EXPECT_TRUE(form.sComboBox1->Visible());
  EXPECT_EQ(form.sGauge1->Progress(), 0);
}

TEST_F(MainFormTest, Timer2ClearsTheErrorSignAndEnablesSave) {
  TForm1& form = Form();
  form.sEdit1->SetText(L"!");
  form.sEdit1->SetTag(1);
  form.sEdit1->SkinData()->SetCustomFont(true);
  form.sBitBtn3->SetEnabled(false);
  form.Timer2->SetEnabled(true);
  form.Timer2Timer(form.Timer2);
  EXPECT_EQ(form.sEdit1->Text(), L"");
  EXPECT_EQ(form.sEdit1->Tag(), 0);
  EXPECT_FALSE(form.sEdit1->SkinData()->CustomFont());
  EXPECT_TRUE(form.sBitBtn3->Enabled());
  EXPECT_FALSE(form.Timer2->Enabled());
  // Without the sign the typed name stays.
  form.sEdit1->SetText(L"Zegarek");
  form.Timer2Timer(form.Timer2);
  EXPECT_EQ(form.sEdit1->Text(), L"Zegarek");
}

TEST_F(MainFormTest, CardListHoldsCardFoldersSorted) {
  fs::create_directories(Cards() / L"Żółty");
  fs::create_directories(Cards() / L"beta");
  fs::create_directories(Cards() / L"Alfa");
  fs::create_directories(Cards() / L"Ukryta");
  SetFileAttributesW((Cards() / L"Ukryta").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
  WriteSettings("");
  std::ofstream(Cards() / L"plik.txt") << "x";
  TForm1& form = Form();
  TStrings* items = form.sComboBox1->Items();
  ASSERT_EQ(items->Count(), 3);
  EXPECT_EQ(items->Strings(0), L"Alfa");
  EXPECT_EQ(items->Strings(1), L"beta");
  EXPECT_EQ(items->Strings(2), L"Żółty");
  EXPECT_TRUE(form.sComboBox1->Enabled());
  EXPECT_EQ(form.sLabel1->Caption(), L"Wybierz kartę z listy lub kliknij \"Nowa karta\", aby dodać kolejną kartę.");
}

TEST_F(MainFormTest, EmptyStoreDisablesTheListAndInvitesTheFirstCard) {
  TForm1& form = Form();
  EXPECT_EQ(form.sComboBox1->Items()->Count(), 0);
  EXPECT_FALSE(form.sComboBox1->Enabled());
  EXPECT_EQ(form.sLabel1->Caption(), L"Kliknij \"Nowa karta\", aby dodać pierwszą kartę.");
}

TEST_F(MainFormTest, DropDownWidensTheComboAndCloseUpRestoresNavigation) {
  for (const wchar_t* name : {L"A", L"B", L"C"}) fs::create_directories(Cards() / name);
  TForm1& form = Form();
  form.HandleNeeded();
  form.sComboBox1->SetItemIndex(0);
  form.UpdateCardNavigation();
  EXPECT_TRUE(form.sPanel19->Visible());
  EXPECT_EQ(form.sComboBox1->Width(), 801);
  EXPECT_EQ(form.sGauge1->Width(), 801);
  EXPECT_FALSE(form.sBitBtn7->Enabled());
  EXPECT_FALSE(form.sBitBtn8->Enabled());
  EXPECT_TRUE(form.sBitBtn9->Enabled());
  EXPECT_TRUE(form.sBitBtn10->Enabled());
  form.sComboBox1DropDown(form.sComboBox1);
  EXPECT_FALSE(form.sPanel19->Visible());
  EXPECT_EQ(form.sComboBox1->Width(), 960);
  form.sComboBox1->SetItemIndex(2);
  form.sComboBox1CloseUp(form.sComboBox1);
  EXPECT_TRUE(form.sPanel19->Visible());
  EXPECT_TRUE(form.sBitBtn7->Enabled());
  EXPECT_FALSE(form.sBitBtn10->Enabled());
}

}  // namespace app_test
#endif
