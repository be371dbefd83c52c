// The service sign, cost masking and their settings in "Ustawienia.ini".
#include "app/Unit1.h"
#include "app/catalogue/ServiceReminder.h"
#include "classlib/core/DateTime.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/IniFile.h"
#include "classlib/menus/MessageBox.h"

namespace app {

using namespace classlib;

namespace {

void CreateCardsDirWhenMissing() {
  if (!DirectoryExists(CardsDir)) CreateDir(CardsDir);
}

}  // namespace

void TForm1::sEdit14Change(TObject*) {
  sPanel18->SetVisible(false);
  if (!Przypominajoserwisie1->Checked() || sCheckBox3->Checked()) return;
  const int currentYear = DecodeDate(Now()).year;
  if (!catalogue::ServiceDue(sEdit14->Text(), sEdit8->Text(), PopupMenu10->Tag(), currentYear)) return;
  // Over the end of its field.
  sPanel18->BringToFront();
  sPanel18->SetVisible(true);
}

void TForm1::sLabel27Click(TObject*) {
  // No owner: the box is about the collection, not about this window.
  ShowMessageBox(nullptr,
                 L"Upłyneło sporo czasu od zakupu lub ostatniego serwisu.\rZegarek może wymagać już przeglądu!",
                 MB_ICONINFORMATION);
}

void TForm1::WriteReminderSettings() {
  // A failed write is not reported: the setting then lasts for this run.
  try {
    TIniFile settings(CardsDir + L"Ustawienia.ini");
    settings.WriteBool(L"Ustawienia", L"PrzypominajSerwis", Przypominajoserwisie1->Checked());
    settings.WriteInteger(L"Ustawienia", L"CzasSerwisu", PopupMenu10->Tag());
  } catch (const Exception&) {
  }
}

void TForm1::Przypominajoserwisie1Click(TObject*) {
  sEdit14Change(nullptr);
  CreateCardsDirWhenMissing();
  WriteReminderSettings();
  po5latach1->SetVisible(Przypominajoserwisie1->Checked());
  po10latach1->SetVisible(Przypominajoserwisie1->Checked());
}

void TForm1::po5latach1Click(TObject* sender) {
  CreateCardsDirWhenMissing();
  if (sender == po5latach1) {
    PopupMenu10->SetTag(5);
    po5latach1->SetChecked(true);
    po10latach1->SetChecked(false);
  } else if (sender == po10latach1) {
    PopupMenu10->SetTag(10);
    po10latach1->SetChecked(true);
    po5latach1->SetChecked(false);
  }
  sEdit14Change(nullptr);
  WriteReminderSettings();
}

void TForm1::Ukryjkosztyzakupu1Click(TObject*) {
  sEdit9->SetPasswordChar(Ukryjkosztyzakupu1->Checked() ? wchar_t{1} : wchar_t{0});
  sEdit9->SetSelStart(static_cast<int>(sEdit9->Text().size()));
  CreateCardsDirWhenMissing();
  try {
    TIniFile settings(CardsDir + L"Ustawienia.ini");
    settings.WriteBool(L"Ustawienia", L"UkryjKoszty", Ukryjkosztyzakupu1->Checked());
  } catch (const Exception&) {
  }
}

}  // namespace app
