// The program settings "Ustawienia.ini" as the main window reads them.
#include "app/Unit1.h"

#include "classlib/core/IniFile.h"

namespace app {

void TForm1::ReadSettings() {
  const classlib::TIniFile settings(CardsDir + L"Ustawienia.ini");
  Ukryjkosztyzakupu1->SetChecked(settings.ReadBool(L"Ustawienia", L"UkryjKoszty", false));
  Przypominajoserwisie1->SetChecked(settings.ReadBool(L"Ustawienia", L"PrzypominajSerwis", true));
  PopupMenu10->SetTag(settings.ReadInteger(L"Ustawienia", L"CzasSerwisu", 5));
}

}  // namespace app
