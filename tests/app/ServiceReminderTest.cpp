#ifdef _WIN32
// The service sign over a fixed clock, the settings it writes, and cost
// masking.
#include <string>
#include <vector>

#include "AppTestFolder.h"

namespace app_test {

using namespace classlib;
using app::TForm1;

using ServiceReminderTest = AppTestFolder;

TEST_F(ServiceReminderTest, TheSignFollowsTheDatesTheCollectionBoxAndTheReminder) {
  // The clock stands at 14.03.2026.
  struct Case {
    const wchar_t* lastService;
    const wchar_t* purchase;
    bool outOfCollection;
    bool shown;
  };
  const std::vector<Case> cases{
      {L"15.03.2020", L"", false, true},        // six years back, period 5
      {L"15.03.2021", L"", false, false},       // five years back
      {L"", L"2010", false, true},              // the purchase year stands in
      {L"", L"15.03.2021", false, false},
      {L"serwis", L"2010", false, false},       // present without a year: never
      {L"15.03.2020", L"", true, false},        // "poza kolekcją"
  };
  MakeCard(L"Alfa");
  TForm1& form = Form();
  Pick(L"Alfa");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.lastService) + L" | " + c.purchase));
    form.sCheckBox3->SetChecked(c.outOfCollection);
    form.sEdit8->SetText(c.purchase);
    form.sEdit14->SetText(c.lastService);
    EXPECT_EQ(form.sPanel18->Visible(), c.shown);
  }
  // Ticking "poza kolekcją" hides a shown sign at once, unticking shows it.
  form.sCheckBox3->SetChecked(false);
  ASSERT_TRUE(form.sPanel18->Visible());
  form.sCheckBox3->SetChecked(true);
  EXPECT_FALSE(form.sPanel18->Visible());
  form.sCheckBox3->SetChecked(false);
  EXPECT_TRUE(form.sPanel18->Visible());
  // The reminder off hides the sign and both period items.
  form.Przypominajoserwisie1->Click();
  EXPECT_FALSE(form.sPanel18->Visible());
  EXPECT_FALSE(form.po5latach1->Visible());
  EXPECT_FALSE(form.po10latach1->Visible());
  EXPECT_EQ(ReadBytes(Cards() / L"Ustawienia.ini"), "[Ustawienia]\r\nPrzypominajSerwis=0\r\nCzasSerwisu=5\r\n");
  form.Przypominajoserwisie1->Click();
  EXPECT_TRUE(form.sPanel18->Visible());
  EXPECT_TRUE(form.po5latach1->Visible());
  // A ten-year period takes the sign away again.
  form.po10latach1->Click();
  EXPECT_EQ(form.PopupMenu10->Tag(), 10);
  EXPECT_TRUE(form.po10latach1->Checked());
  EXPECT_FALSE(form.po5latach1->Checked());
  EXPECT_FALSE(form.sPanel18->Visible());
}

TEST_F(ServiceReminderTest, AHugePeriodInTheSettingsNeverWrapsIntoDue) {
  for (const auto& [period, shown] : std::vector<std::pair<std::string, bool>>{{"2147483647", false},
                                                                               {"-2147483648", true}}) {
    SCOPED_TRACE(period);
    WriteSettings("CzasSerwisu=" + period + "\r\n");
    MakeCard(L"Alfa");
    TForm1& form = Form();
    Pick(L"Alfa");
    form.sEdit14->SetText(L"15.03.2019");
    EXPECT_EQ(form.sPanel18->Visible(), shown);
  }
}

TEST_F(ServiceReminderTest, SettingsHoldExactlyTheKeysWrittenAndCreateTheCardsFolder) {
  TForm1& form = Form();
  ASSERT_FALSE(fs::exists(Cards()));
  form.po10latach1->Click();
  EXPECT_EQ(ReadBytes(Cards() / L"Ustawienia.ini"), "[Ustawienia]\r\nPrzypominajSerwis=1\r\nCzasSerwisu=10\r\n");
  form.sEdit9->SetText(L"1200 PLN");
  form.Ukryjkosztyzakupu1->Click();
  EXPECT_EQ(form.sEdit9->PasswordChar(), wchar_t{1});
  EXPECT_EQ(form.sEdit9->Text(), L"1200 PLN");
  EXPECT_EQ(form.sEdit9->SelStart(), 8);
  EXPECT_EQ(ReadBytes(Cards() / L"Ustawienia.ini"),
            "[Ustawienia]\r\nPrzypominajSerwis=1\r\nCzasSerwisu=10\r\nUkryjKoszty=1\r\n");
  form.Ukryjkosztyzakupu1->Click();
  EXPECT_EQ(form.sEdit9->PasswordChar(), wchar_t{0});
  // The next start reads them back.
  TForm1& again = Form();
  EXPECT_EQ(again.PopupMenu10->Tag(), 10);
  EXPECT_TRUE(again.po10latach1->Checked());
  EXPECT_FALSE(again.Ukryjkosztyzakupu1->Checked());
}

TEST_F(ServiceReminderTest, ClickingTheSignExplainsItInAnOwnerlessInformationBox) {
  TForm1& form = Form();
  form.sWebLabel1->Click();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Text,
            L"Upłyneło sporo czasu od zakupu lub ostatniego serwisu.\rZegarek może wymagać już przeglądu!");
  EXPECT_EQ(boxes_[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(boxes_[0].Owner, nullptr);
  EXPECT_EQ(boxes_[0].Caption, L"Tessarilo zegarków");
  EXPECT_EQ(form.sWebLabel1->Caption(), L"!");
}

}  // namespace app_test
#endif
