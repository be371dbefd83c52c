#ifdef _WIN32
// "Dane.ini" as the save writes it and the load reads it.
#include <string>
#include <vector>

#include "AppTestFolder.h"

namespace app_test {

using namespace classlib;
using app::TForm1;
using CardDataTest = AppTestFolder;

// Fills every stored field with a recognisable value.
void FillCard(TForm1& form) {
  form.sEdit2->SetText(L"  Omega  ");
  form.sEdit3->SetText(L"Zażółć gęślą jaźń");
  form.sEdit4->SetText(L"311.30.42");
  form.sEdit5->SetText(L"S-1");
  form.sCheckBox1->SetChecked(true);
  form.sEdit24->SetText(L"12");
  form.sEdit6->SetText(L"500");
  form.sEdit7->SetText(L"1969");
  form.sEdit8->SetText(L"01.02.2020");
  form.sEdit9->SetText(L"1000 PLN");
  form.sCheckBox2->SetChecked(true);
  form.sEdit10->SetText(L"Automatyczny");
  form.sEdit11->SetText(L"ETA");
  form.sEdit12->SetText(L"2824-2");
  form.sCheckBox8->SetChecked(true);
  form.sCheckBox5->SetChecked(true);
  form.sEdit13->SetText(L"Data, GMT");
  form.sEdit14->SetText(L"05.05.2021");
  form.sCheckBox4->SetChecked(true);
  form.sEdit15->SetText(L"Stal");
  form.sEdit16->SetText(L"Szafirowe");
  form.sCheckBox11Click(nullptr);  // 0 -> 1, inner
  form.sEdit17->SetText(L"Pełny");
  form.sEdit18->SetText(L"100 m.");
  form.sEdit19->SetText(L"42");
  form.sEdit20->SetText(L"48, 0");
  form.sEdit21->SetText(L"13.5");
  form.sEdit22->SetText(L"20 mm");
  form.sEdit23->SetText(L"12, 5 .");
  form.sCheckBox15->SetChecked(true);
  form.Memo1->Lines()->SetText(L"Pierwsza linia\r\nDruga");
}

const char kExpectedData[] =
    "[Karta]\r\n"
    "KadrujLewo=0\r\n"
    "KadrujGora=0\r\n"
    "UtworzenieKarty=14.03.2026 09:05:07\r\n"
    "OstatniaModyfikacja=14.03.2026 09:05:07\r\n"
    "[Ogolne]\r\n"
    "Producent=Omega\r\n"
    "Model=Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n"
    "Referencja=311.30.42\r\n"
    "NumerSeryjny=S-1\r\n"
    "Limitacja=1\r\n"
    "NumerLimitacji=12\r\n"
    "IloscLimitacji=500\r\n"
    "RokProdukcji=1969\r\n"
    "DataZakupu=01.02.2020\r\n"
    "KosztZakupu=1000 PLN\r\n"
    "Uzywany=1\r\n"
    "PozaKolekcja=0\r\n"
    "[Mechanizm]\r\n"
    "Typ=Automatyczny\r\n"
    "Producent=ETA\r\n"
    "Kaliber=2824-2\r\n"
    "Stopsekunda=1\r\n"
    "Dokrecanie=0\r\n"
    "WskaznikRezerwy=0\r\n"
    "DzienMiesiaca=0\r\n"
    "DzienTygodnia=0\r\n"
    "FazyKsiezyca=0\r\n"
    "GMT=0\r\n"
    "Budzik=0\r\n"
    "Chronograf=1\r\n"
    "DodatkoweKomplikacje=Data, GMT\r\n"
    "OstatniSerwis=05.05.2021\r\n"
    "Chronometr=1\r\n"
    "[Koperta]\r\n"
    "Material=Stal\r\n"
    "Powloka=0\r\n"
    "Szklo=Szafirowe\r\n"
    "Antyrefleks=1\r\n"
    "Dekiel=Pe\xB3ny\r\n"
    "Przeszklony=0\r\n"
    "Wodoszczelnosc=100m\r\n"
    "ZakrecanaKoronka=0\r\n"
    "Szerokosc=42\r\n"
    "WysokoscL2L=48,0\r\n"
    "Grubosc=13.5\r\n"
    "MocowaniePaska=20mm\r\n"
    "Waga=12,5\r\n"
    "Bransoleta=1\r\n";

TEST_F(CardDataTest, NewCardIsSavedUnderItsCleanedNameWithTheWholeDataFile) {
  TForm1& form = Form();
  form.sBitBtn5Click(form.sBitBtn5);
  FillCard(form);
  form.sEdit1->SetText(L" Mój*zegarek? ");
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_TRUE(boxes_.empty());
  const fs::path card = Card(L"Mójzegarek");
  ASSERT_TRUE(fs::is_directory(card));
  EXPECT_EQ(ReadBytes(card / L"Dane.ini"), kExpectedData);
  EXPECT_EQ(ReadBytes(card / L"Notatki.txt"), "Pierwsza linia\r\nDruga\r\n");
  EXPECT_TRUE(fs::is_directory(card / L"Galeria"));
  EXPECT_EQ(form.sEdit1->Text(), L"Mójzegarek");
  EXPECT_EQ(form.sComboBox1->Text(), L"Mójzegarek");
  EXPECT_EQ(form.Memo2->Tag(), 0);
  EXPECT_TRUE(form.Timer1->Enabled());
  EXPECT_TRUE(form.sBitBtn2->Enabled());
  EXPECT_TRUE(form.sBitBtn4->Enabled());
  EXPECT_TRUE(form.sBitBtn11->Enabled());

  // A later save keeps the creation time and renews the modification time.
  SetNow(2026, 4, 1, 18, 0, 0);
  form.sBitBtn3Click(form.sBitBtn3);
  const std::string data = ReadBytes(card / L"Dane.ini");
  EXPECT_NE(data.find("UtworzenieKarty=14.03.2026 09:05:07\r\n"), std::string::npos);
  EXPECT_NE(data.find("OstatniaModyfikacja=01.04.2026 18:00:00\r\n"), std::string::npos);

  // A fresh window loads back exactly what was typed (normalised).
  form_.reset();
  TForm1& again = Form();
  Pick(L"Mójzegarek");
  EXPECT_EQ(again.sEdit3->Text(), L"Zażółć gęślą jaźń");
  EXPECT_EQ(again.sEdit17->Text(), L"Pełny");
  EXPECT_EQ(again.sEdit18->Text(), L"100m");
  EXPECT_EQ(again.sEdit23->Text(), L"12,5");
  EXPECT_EQ(again.sEdit13->Text(), L"Data, GMT");
  EXPECT_TRUE(again.sCheckBox1->Checked());
  EXPECT_TRUE(again.sEdit24->Visible());
  EXPECT_EQ(again.sEdit5->Width(), 180);
  EXPECT_TRUE(again.sCheckBox15->Checked());
  EXPECT_EQ(again.sCheckBox11->Tag(), 1);
  EXPECT_EQ(again.Memo1->Lines()->Text(), L"Pierwsza linia\r\nDruga\r\n");
  EXPECT_FALSE(again.sPanel4->Visible());
  EXPECT_TRUE(again.sPanel1->Visible());
}

TEST_F(CardDataTest, PolishTextRoundTripsByteExact) {
  const std::string polish = "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF";
  MakeCard(L"Karta", "[Ogolne]\r\nProducent=" + polish + "\r\n");
  TForm1& form = Form();
  Pick(L"Karta");
  EXPECT_EQ(form.sEdit2->Text(), L"ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż");
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_NE(ReadBytes(Card(L"Karta") / L"Dane.ini").find("Producent=" + polish + "\r\n"), std::string::npos);
}

TEST_F(CardDataTest, AntireflexStatesLoadWithTheirCaptionsAndSaveBack) {
  struct Case {
    int stored;
    bool checked;
    const wchar_t* caption;
  };
  const std::vector<Case> cases{{0, false, L"Antyrefleks"},
                                {1, true, L"Antyrefleks wewnętrzny"},
                                {2, true, L"Antyrefleks obustronny"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    MakeCard(L"Karta", "[Koperta]\r\nAntyrefleks=" + std::to_string(c.stored) + "\r\n");
    TForm1& form = Form();
    Pick(L"Karta");
    EXPECT_EQ(form.sCheckBox11->Tag(), c.stored);
    EXPECT_EQ(form.sCheckBox11->Checked(), c.checked);
    EXPECT_EQ(form.sCheckBox11->Caption(), c.caption);
    form.sBitBtn3Click(form.sBitBtn3);
    EXPECT_NE(ReadBytes(Card(L"Karta") / L"Dane.ini").find("Antyrefleks=" + std::to_string(c.stored) + "\r\n"),
              std::string::npos);
  }
}

TEST_F(CardDataTest, AntireflexOutOfRangeKeepsTheStateAndClicksCycle) {
  MakeCard(L"Obustronny", "[Koperta]\r\nAntyrefleks=2\r\n");
  MakeCard(L"Zepsuty", "[Koperta]\r\nAntyrefleks=5\r\n");
  TForm1& form = Form();
  Pick(L"Obustronny");
  Pick(L"Zepsuty");
  EXPECT_EQ(form.sCheckBox11->Tag(), 2);
  EXPECT_TRUE(form.sCheckBox11->Checked());
  EXPECT_EQ(form.sCheckBox11->Caption(), L"Antyrefleks obustronny");
  // Each click steps once, also when a step changes Checked (which runs the
  // click event again).
  const wchar_t* captions[] = {L"Antyrefleks", L"Antyrefleks wewnętrzny", L"Antyrefleks obustronny"};
  for (int step = 0; step < 3; ++step) {
    form.sCheckBox11->SetChecked(!form.sCheckBox11->Checked());  // the user's toggle runs the handler
    EXPECT_EQ(form.sCheckBox11->Tag(), step);
    EXPECT_EQ(form.sCheckBox11->Caption(), captions[step]);
    EXPECT_EQ(form.sCheckBox11->Checked(), step != 0);
  }
}

TEST_F(CardDataTest, LimitationFieldsAreClearedWhenUnchecked) {
  MakeCard(L"Karta", "[Ogolne]\r\nLimitacja=1\r\nNumerLimitacji=7\r\nIloscLimitacji=99\r\n");
  TForm1& form = Form();
  Pick(L"Karta");
  EXPECT_TRUE(form.sLabel11->Visible());
  EXPECT_TRUE(form.sEdit6->Visible());
  EXPECT_EQ(form.sEdit6->Text(), L"99");
  form.sCheckBox1->SetChecked(false);
  EXPECT_FALSE(form.sLabel11->Visible());
  EXPECT_FALSE(form.sEdit24->Visible());
  EXPECT_EQ(form.sEdit5->Width(), 400);
  form.sBitBtn3Click(form.sBitBtn3);
  const std::string data = ReadBytes(Card(L"Karta") / L"Dane.ini");
  EXPECT_NE(data.find("Limitacja=0\r\nNumerLimitacji=\r\nIloscLimitacji=\r\n"), std::string::npos);
  EXPECT_EQ(form.sEdit6->Text(), L"");
}

TEST_F(CardDataTest, MissingDataFileLoadsAnEmptyCard) {
  MakeCard(L"Pusta");
  MakeCard(L"Pelna", "[Ogolne]\r\nProducent=Seiko\r\nUzywany=1\r\n[Karta]\r\nKadrujLewo=-20\r\n");
  TForm1& form = Form();
  Pick(L"Pelna");
  EXPECT_EQ(form.Image1->Left(), -20);
  Pick(L"Pusta");
  EXPECT_EQ(form.sEdit2->Text(), L"");
  EXPECT_FALSE(form.sCheckBox2->Checked());
  EXPECT_EQ(form.Image1->Left(), 0);
  EXPECT_EQ(form.sEdit1->Text(), L"Pusta");
  // The load makes what the card lacks.
  EXPECT_TRUE(fs::is_directory(Card(L"Pusta") / L"Galeria"));
  EXPECT_TRUE(fs::exists(Card(L"Pusta") / L"Notatki.txt"));
}

TEST_F(CardDataTest, UnitLabelsShowWhileTheMeasurementIsANumber) {
  TForm1& form = Form();
  struct Case {
    const wchar_t* text;
    bool shown;
  };
  const std::vector<Case> cases{{L"38.5", true}, {L"38,5", true}, {L"100", true}, {L"", false}, {L"ok. 40", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.text, c.text + wcslen(c.text)));
    form.sEdit19->SetText(c.text);
    EXPECT_EQ(form.sPanel12->Visible(), c.shown);
  }
  form.sEdit23->SetText(L"12,5");
  EXPECT_TRUE(form.sPanel16->Visible());
  EXPECT_EQ(form.sPanel11->Caption(), L"m");
}

}  // namespace app_test
#endif
