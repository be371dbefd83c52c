// The card's data file "Dane.ini": its keys, the controls they store, and the
// controls whose state follows the data (limitation fields, the three-state
// anti-reflective box, the unit labels).
#include "app/CardNames.h"
#include "app/Unit1.h"
#include "app/picture/CardPictureFit.h"
#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/FormatDateTime.h"
#include "classlib/core/MemIniFile.h"

namespace app {

using namespace classlib;

std::vector<TForm1::CardField> TForm1::CardFields() const {
  using F = FieldForm;
  return {
      {L"Ogolne", L"Producent", F::Text, sEdit2, nullptr, L"Producent:"},
      {L"Ogolne", L"Model", F::Text, sEdit3, nullptr, L"Model:"},
      {L"Ogolne", L"Referencja", F::Text, sEdit4, nullptr, L"Referencja:"},
      {L"Ogolne", L"NumerSeryjny", F::Text, sEdit5, nullptr, L"Numer seryjny:"},
      {L"Ogolne", L"Limitacja", F::Boolean, nullptr, sCheckBox1, L"Limitacja"},
      {L"Ogolne", L"NumerLimitacji", F::Text, sEdit24, nullptr, L"Limitacja"},
      {L"Ogolne", L"IloscLimitacji", F::Text, sEdit6, nullptr, L"Limitacja"},
      {L"Ogolne", L"RokProdukcji", F::Text, sEdit7, nullptr, L"Rok produkcji:"},
      {L"Ogolne", L"DataZakupu", F::Text, sEdit8, nullptr, L"Data zakupu:"},
      {L"Ogolne", L"KosztZakupu", F::Text, sEdit9, nullptr, L"Koszt zakupu:"},
      {L"Ogolne", L"Uzywany", F::Boolean, nullptr, sCheckBox2, L"Zakupiony jako używany"},
      {L"Ogolne", L"PozaKolekcja", F::Boolean, nullptr, sCheckBox3, L"Zegarek poza kolekcją"},
      {L"Mechanizm", L"Typ", F::Text, sEdit10, nullptr, L"Typ:"},
      {L"Mechanizm", L"Producent", F::Text, sEdit11, nullptr, L"Producent:"},
      {L"Mechanizm", L"Kaliber", F::Text, sEdit12, nullptr, L"Kaliber:"},
      {L"Mechanizm", L"Stopsekunda", F::Boolean, nullptr, sCheckBox8, L"Stopsekunda"},
      {L"Mechanizm", L"Dokrecanie", F::Boolean, nullptr, sCheckBox9, L"Dokręcanie"},
      {L"Mechanizm", L"WskaznikRezerwy", F::Boolean, nullptr, sCheckBox14, L"Wskaźnik rezerwy"},
      {L"Mechanizm", L"DzienMiesiaca", F::Boolean, nullptr, sCheckBox20, L"Dzień miesiąca"},
      {L"Mechanizm", L"DzienTygodnia", F::Boolean, nullptr, sCheckBox7, L"Dzień tygodnia"},
      {L"Mechanizm", L"FazyKsiezyca", F::Boolean, nullptr, sCheckBox18, L"Fazy księżyca"},
      {L"Mechanizm", L"GMT", F::Boolean, nullptr, sCheckBox6, L"GMT"},
      {L"Mechanizm", L"Budzik", F::Boolean, nullptr, sCheckBox16, L"Budzik"},
      {L"Mechanizm", L"Chronograf", F::Boolean, nullptr, sCheckBox5, L"Chronograf"},
      {L"Mechanizm", L"DodatkoweKomplikacje", F::Text, sEdit13, nullptr, L"Dodatkowe komplikacje:"},
      {L"Mechanizm", L"OstatniSerwis", F::Text, sEdit14, nullptr, L"Ostatni serwis lub wymiana baterii:"},
      {L"Mechanizm", L"Chronometr", F::Boolean, nullptr, sCheckBox4, L"Chronometr"},
      {L"Koperta", L"Material", F::Text, sEdit15, nullptr, L"Materiał:"},
      {L"Koperta", L"Powloka", F::Boolean, nullptr, sCheckBox13, L"Powłoka"},
      {L"Koperta", L"Szklo", F::Text, sEdit16, nullptr, L"Szkło:"},
      {L"Koperta", L"Antyrefleks", F::Antireflex, nullptr, sCheckBox11, L"Antyrefleks"},
      {L"Koperta", L"Dekiel", F::Text, sEdit17, nullptr, L"Dekiel:"},
      {L"Koperta", L"Przeszklony", F::Boolean, nullptr, sCheckBox12, L"Przeszklony"},
      {L"Koperta", L"Wodoszczelnosc", F::Number, sEdit18, nullptr, L"Wodoszczelnośći:"},
      {L"Koperta", L"ZakrecanaKoronka", F::Boolean, nullptr, sCheckBox10, L"Zakręcana koronka"},
      {L"Koperta", L"Szerokosc", F::Number, sEdit19, nullptr, L"Średnica:"},
      {L"Koperta", L"WysokoscL2L", F::Number, sEdit20, nullptr, L"Wysokość L2L:"},
      {L"Koperta", L"Grubosc", F::Number, sEdit21, nullptr, L"Grubość:"},
      {L"Koperta", L"MocowaniePaska", F::Number, sEdit22, nullptr, L"Mocowanie paska:"},
      {L"Koperta", L"Waga", F::Number, sEdit23, nullptr, L"Waga:"},
      {L"Koperta", L"Bransoleta", F::Boolean, nullptr, sCheckBox15, L"Bransoleta w zestawie"},
  };
}

void TForm1::WriteCardData(const std::wstring& fileName) {
  // Every key goes into memory first and the file is replaced in one step,
  // so an interrupted save leaves the previous card whole.
  TMemIniFile data(fileName);
  data.WriteInteger(L"Karta", L"KadrujLewo", Image1->Left());
  data.WriteInteger(L"Karta", L"KadrujGora", Image1->Top());
  if (Memo2->Tag() == 1) data.WriteString(L"Karta", L"UtworzenieKarty", FormatDateTime(L"dd.mm.yyyy hh:nn:ss ", Now()));
  data.WriteString(L"Karta", L"OstatniaModyfikacja", FormatDateTime(L"dd.mm.yyyy hh:nn:ss", Now()));
  for (const CardField& field : CardFields()) {
    switch (field.form) {
      case FieldForm::Text: data.WriteString(field.section, field.key, Trim(field.edit->Text())); break;
      case FieldForm::Number: data.WriteString(field.section, field.key, NormalizeFieldText(field.edit->Text())); break;
      case FieldForm::Boolean: data.WriteBool(field.section, field.key, field.box->Checked()); break;
      case FieldForm::Antireflex: data.WriteInteger(field.section, field.key, field.box->Tag()); break;
    }
  }
  data.UpdateFile();
  Memo2->SetTag(0);
}

void TForm1::ReadCardData(const std::wstring& fileName) {
  const TMemIniFile data(fileName);
  // A damaged offset would leave part of the box empty or the picture out
  // of sight: it is kept within the places the picture can reach. Without a
  // picture shown (none, or one that could not be read) the stored place is
  // kept as it is, so a save writes it back unchanged.
  const int left = data.ReadInteger(L"Karta", L"KadrujLewo", 0), top = data.ReadInteger(L"Karta", L"KadrujGora", 0);
  const bool shown = Image1->Picture()->Graphic() != nullptr;
  Image1->SetLeft(shown ? StoredOffset(left, Image1->Picture()->Width()) : left);
  Image1->SetTop(shown ? StoredOffset(top, Image1->Picture()->Height()) : top);
  auto read = [&](const CardField& field) {
    switch (field.form) {
      case FieldForm::Text: case FieldForm::Number:
        field.edit->SetText(data.ReadString(field.section, field.key, L""));
        break;
      case FieldForm::Boolean: field.box->SetChecked(data.ReadBool(field.section, field.key, false)); break;
      case FieldForm::Antireflex: {
        // One step of the click handler moves the state on to the stored
        // one; a value outside 0..2 keeps the state the box had.
        const int stored = data.ReadInteger(field.section, field.key, 0);
        if (stored < 0 || stored > 2) break;
        field.box->SetTag((stored + 2) % 3);
        sCheckBox11Click(nullptr);
        break;
      }
    }
  };
  const std::vector<CardField> fields = CardFields();
  // The general page reads its texts first, then its boxes with Limitacja
  // last, and then shows the limitation fields to match.
  for (const CardField& field : fields)
    if (field.section == std::wstring_view(L"Ogolne") && field.edit) read(field);
  for (const CardField& field : fields)
    if (field.section == std::wstring_view(L"Ogolne") && field.box && field.box != sCheckBox1) read(field);
  sCheckBox1->SetChecked(data.ReadBool(L"Ogolne", L"Limitacja", false));
  ShowLimitationFields(sCheckBox1->Checked());
  for (const CardField& field : fields)
    if (field.section != std::wstring_view(L"Ogolne")) read(field);
}

void TForm1::ShowLimitationFields(bool shown) {
  sLabel11->SetVisible(shown);
  sEdit6->SetVisible(shown);
  sEdit24->SetVisible(shown);
  sEdit5->SetWidth(shown ? 180 : 400);
}

void TForm1::sCheckBox1Click(TObject*) { ShowLimitationFields(sCheckBox1->Checked()); }

void TForm1::sCheckBox11Click(TObject*) {
  // Setting Checked runs this handler again; that inner run must not step on.
  if (steppingAntireflex_) return;
  steppingAntireflex_ = true;
  switch (sCheckBox11->Tag()) {
    case 0: sCheckBox11->SetTag(1); sCheckBox11->SetChecked(true); sCheckBox11->SetCaption(L"Antyrefleks wewnętrzny"); break;
    case 1: sCheckBox11->SetTag(2); sCheckBox11->SetChecked(true); sCheckBox11->SetCaption(L"Antyrefleks obustronny"); break;
    case 2: sCheckBox11->SetTag(0); sCheckBox11->SetChecked(false); sCheckBox11->SetCaption(L"Antyrefleks"); break;
    default: break;
  }
  steppingAntireflex_ = false;
}

void TForm1::ShowUnitWhenNumber(TsEdit* edit, TsPanel* unit) {
  std::wstring text = edit->Text();
  for (wchar_t& c : text)
    if (c == L'.') c = L',';
  double value;
  unit->SetVisible(TryStrToFloat(text, value, L','));
}

void TForm1::sEdit18Change(TObject*) { ShowUnitWhenNumber(sEdit18, sPanel11); }
void TForm1::sEdit19Change(TObject*) { ShowUnitWhenNumber(sEdit19, sPanel12); }
void TForm1::sEdit20Change(TObject*) { ShowUnitWhenNumber(sEdit20, sPanel13); }
void TForm1::sEdit21Change(TObject*) { ShowUnitWhenNumber(sEdit21, sPanel14); }
void TForm1::sEdit22Change(TObject*) { ShowUnitWhenNumber(sEdit22, sPanel15); }
void TForm1::sEdit23Change(TObject*) { ShowUnitWhenNumber(sEdit23, sPanel16); }

}  // namespace app
