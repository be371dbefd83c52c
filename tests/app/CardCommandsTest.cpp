#ifdef _WIN32
// The save, new-card and delete commands, their warnings and their guards.
#include <string>
#include <vector>

#include "AppTestFolder.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/JpegImage.h"

namespace app_test {

using namespace classlib;
using app::TForm1;
using CardCommandsTest = AppTestFolder;

const TColor kOrange = RGB(255, 155, 55);

// A small real picture for the card, with a gradient so that inverting it
// and back can be checked pixel by pixel.
void WritePicture(const fs::path& file) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(16, 8);
  for (int y = 0; y < 8; ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < 48; ++x) row[x] = static_cast<uint8_t>(x * 5 + y * 9);
  }
  TJPEGImage jpeg;
  jpeg.Assign(&bitmap);
  jpeg.SaveToFile(FromFsPath(file));
}

std::vector<uint8_t> PicturePixels(TForm1& form) {
  TBitmap bitmap;
  bitmap.Assign(form.Image1->Picture()->Graphic());
  bitmap.SetPixelFormat(pf24bit);
  std::vector<uint8_t> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    pixels.insert(pixels.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Width() * 3);
  return pixels;
}

TEST_F(CardCommandsTest, EmptyNameWarnsAndShowsTheSignUntilTimer2) {
  TForm1& form = Form();
  form.sBitBtn5Click(form.sBitBtn5);
  form.sEdit1->SetText(L" *?/ |");
  form.sBitBtn3Click(form.sBitBtn3);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Text,
            L"Aby zaspisać kartę niezbędne jest podanie jej nazwy!\rWprowadz nazwę i spróbuj ponownie.");
  EXPECT_EQ(boxes_[0].Flags, UINT(MB_ICONWARNING));
  EXPECT_EQ(boxes_[0].Caption, L"Tessarilo zegarków");
  EXPECT_EQ(boxes_[0].Owner, form.Handle());
  EXPECT_EQ(form.sEdit1->Text(), L"!");
  EXPECT_EQ(form.sEdit1->Tag(), 1);
  EXPECT_TRUE(form.sEdit1->SkinData()->CustomFont());
  EXPECT_EQ(form.sEdit1->TextColor(), kOrange);
  EXPECT_FALSE(form.sBitBtn3->Enabled());
  EXPECT_TRUE(form.Timer2->Enabled());
  EXPECT_FALSE(fs::exists(Cards()));
  form.Timer2Timer(form.Timer2);
  EXPECT_EQ(form.sEdit1->Text(), L"");
  // The skin's colour comes back (SkinnedEditsTest shows it on a shown window).
  EXPECT_FALSE(form.sEdit1->SkinData()->CustomFont());
  EXPECT_TRUE(form.sBitBtn3->Enabled());
}

TEST_F(CardCommandsTest, ExistingNameWarnsAndKeepsTheName) {
  MakeCard(L"Nurek");
  MakeCard(L"Pilot");
  TForm1& form = Form();
  Pick(L"Pilot");
  form.sEdit1->SetText(L"NUREK");
  form.sBitBtn3Click(form.sBitBtn3);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Text, L"Karta o podanej nazwie już istnieje!\rWprowadz inną nazwę i spróbuj ponownie.");
  EXPECT_EQ(boxes_[0].Flags, UINT(MB_ICONWARNING));
  EXPECT_EQ(form.sEdit1->Text(), L"NUREK");
  EXPECT_EQ(form.sEdit1->Tag(), 0);
  EXPECT_EQ(form.sEdit1->TextColor(), kOrange);
  EXPECT_FALSE(form.sBitBtn3->Enabled());
  form.Timer2Timer(form.Timer2);
  EXPECT_EQ(form.sEdit1->Text(), L"NUREK");
  EXPECT_TRUE(form.sBitBtn3->Enabled());
  EXPECT_TRUE(fs::exists(Card(L"Pilot")));
}

TEST_F(CardCommandsTest, RenameKeepsEveryFile) {
  MakeCard(L"Stary", "[Ogolne]\r\nProducent=Zenit\r\n");
  WritePicture(Card(L"Stary") / L"Obraz.jpg");
  fs::create_directories(Card(L"Stary") / L"Galeria");
  std::ofstream(Card(L"Stary") / L"Galeria" / L"a.png", std::ios::binary) << "png";
  std::ofstream(Card(L"Stary") / L"Dokument.pdf", std::ios::binary) << "pdf";
  std::ofstream(Card(L"Stary") / L"Zrzut.png", std::ios::binary) << "zrzut";
  const std::string picture = ReadBytes(Card(L"Stary") / L"Obraz.jpg");
  TForm1& form = Form();
  Pick(L"Stary");
  EXPECT_EQ(form.sBitBtn6->Tag(), 1);
  EXPECT_EQ(form.sBitBtn6->Caption(), L"Zapisano");
  form.sEdit1->SetText(L"Nowy");
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(fs::exists(Card(L"Stary")));
  EXPECT_EQ(ReadBytes(Card(L"Nowy") / L"Obraz.jpg"), picture);
  EXPECT_EQ(ReadBytes(Card(L"Nowy") / L"Dokument.pdf"), "pdf");
  EXPECT_EQ(ReadBytes(Card(L"Nowy") / L"Zrzut.png"), "zrzut");
  EXPECT_EQ(ReadBytes(Card(L"Nowy") / L"Galeria" / L"a.png"), "png");
  EXPECT_NE(ReadBytes(Card(L"Nowy") / L"Dane.ini").find("Producent=Zenit\r\n"), std::string::npos);
  // A renamed card is no new card: it gets no creation time.
  EXPECT_EQ(ReadBytes(Card(L"Nowy") / L"Dane.ini").find("UtworzenieKarty"), std::string::npos);
  EXPECT_EQ(form.sComboBox1->Text(), L"Nowy");
}

TEST_F(CardCommandsTest, DeleteAnsweredNoLeavesEverythingYesRemovesTheCard) {
  MakeCard(L"Karta", "[Ogolne]\r\nModel=X\r\n");
  WritePicture(Card(L"Karta") / L"Obraz.jpg");
  MakeCard(L"Inna");
  TForm1& form = Form();
  Pick(L"Karta");
  const std::vector<uint8_t> before = PicturePixels(form);
  ASSERT_FALSE(before.empty());
  answers_ = {IDNO};
  form.sBitBtn2Click(form.sBitBtn2);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Text, L"Karta zostanie trwale usunięta!\rCzy na pewno chcesz kontynuować?");
  EXPECT_EQ(boxes_[0].Flags, UINT(MB_YESNO | MB_ICONHAND));
  EXPECT_EQ(PicturePixels(form), before);
  EXPECT_TRUE(fs::exists(Card(L"Karta") / L"Dane.ini"));

  // The card named when the question was asked is the one deleted, even if
  // the selection moved meanwhile.
  SetMessageBoxHandler([&](const TMessageBoxRequest& request) {
    boxes_.push_back(request);
    form.sComboBox1->SetItemIndex(form.sComboBox1->Items()->IndexOf(L"Inna"));
    return IDYES;
  });
  form.sBitBtn2Click(form.sBitBtn2);
  EXPECT_FALSE(fs::exists(Card(L"Karta")));
  EXPECT_TRUE(fs::exists(Card(L"Inna")));
  EXPECT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(form.sComboBox1->Items()->Count(), 1);
  EXPECT_TRUE(form.sPanel4->Visible());
  EXPECT_FALSE(form.sPanel1->Visible());
  EXPECT_TRUE(form.Timer1->Enabled());
}

TEST_F(CardCommandsTest, NewCardEmptiesTheEditor) {
  MakeCard(L"Karta", "[Ogolne]\r\nModel=X\r\nLimitacja=1\r\n[Koperta]\r\nAntyrefleks=2\r\n");
  WritePicture(Card(L"Karta") / L"Obraz.jpg");
  TForm1& form = Form();
  Pick(L"Karta");
  form.sBitBtn5Click(form.sBitBtn5);
  EXPECT_EQ(form.sEdit1->Text(), L"");
  EXPECT_EQ(form.sEdit3->Text(), L"");
  EXPECT_FALSE(form.sCheckBox1->Checked());
  EXPECT_FALSE(form.sEdit24->Visible());
  EXPECT_EQ(form.sCheckBox11->Tag(), 0);
  EXPECT_EQ(form.sCheckBox11->Caption(), L"Antyrefleks");
  EXPECT_EQ(form.Image1->Tag(), 0);
  EXPECT_EQ(form.Image1->Picture()->Graphic(), nullptr);
  EXPECT_EQ(form.sComboBox1->ItemIndex(), -1);
  EXPECT_FALSE(form.sBitBtn2->Enabled());
  EXPECT_EQ(form.sBitBtn6->Caption(), L"Wybierz");
  EXPECT_TRUE(form.sPanel1->Visible());
  EXPECT_TRUE(form.sButton1->Down());
}

// Names Windows cannot hold as typed are refused before anything is made.
TEST_F(CardCommandsTest, NamesWindowsCannotHoldAreRefused) {
  const std::vector<std::wstring> refused{L"CON", L"nul.txt", L"Lpt1", L"com9.dane", L"PRN ", L"Zegarek.",
                                          L"Tab\tulator", L"Aux .x", std::wstring(240, L'z')};
  for (const std::wstring& name : refused) {
    SCOPED_TRACE(testing::Message() << name.size());
    boxes_.clear();
    TForm1& form = Form();
    form.sBitBtn5Click(form.sBitBtn5);
    form.sEdit1->SetText(name);
    form.sBitBtn3Click(form.sBitBtn3);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].Text, L"Podana nazwa karty jest niedozwolona!\rWprowadz inną nazwę i spróbuj ponownie.");
    EXPECT_EQ(form.sEdit1->Text(), L"!");
    EXPECT_TRUE(form.Timer2->Enabled());
    EXPECT_FALSE(fs::exists(Cards()));
  }
  // Names that only begin like a device are fine.
  TForm1& form = Form();
  form.sBitBtn5Click(form.sBitBtn5);
  form.sEdit1->SetText(L"Console COM10");
  boxes_.clear();
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(fs::exists(Card(L"Console COM10") / L"Dane.ini"));
}

TEST_F(CardCommandsTest, AFolderThatWasNotMadeStopsTheSave) {
  fs::create_directories(Cards());
  std::ofstream(Cards() / L"Plik", std::ios::binary) << "x";
  TForm1& form = Form();
  form.sBitBtn5Click(form.sBitBtn5);
  form.sEdit1->SetText(L"Plik");
  form.sBitBtn3Click(form.sBitBtn3);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Text, L"Nie udało się utworzyć katalogu karty!\rKarta nie została zapisana.");
  EXPECT_EQ(boxes_[0].Flags, UINT(MB_ICONERROR));
  EXPECT_EQ(ReadBytes(Cards() / L"Plik"), "x");
  EXPECT_FALSE(fs::exists(Cards() / L"Dane.ini"));
  EXPECT_EQ(form.sComboBox1->Text(), L"");
  EXPECT_EQ(form.Memo2->Tag(), 0);
}

TEST_F(CardCommandsTest, NothingRunsWithoutACardName) {
  MakeCard(L"Karta", "[Ogolne]\r\nModel=X\r\n");
  TForm1& form = Form();
  form.sEdit2->SetText(L"nie zapisać");
  form.SaveCard();
  form.LoadCard();
  form.sBitBtn2Click(form.sBitBtn2);
  form.Otwrzkatalogkarty1Click(nullptr);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(opened_.empty());
  EXPECT_FALSE(fs::exists(Cards() / L"Dane.ini"));
  EXPECT_FALSE(fs::exists(Cards() / L"Notatki.txt"));
  EXPECT_TRUE(fs::exists(Card(L"Karta") / L"Dane.ini"));
  EXPECT_EQ(form.sEdit2->Text(), L"nie zapisać");
}

TEST_F(CardCommandsTest, PictureThatFailsToLoadLeavesTheRestOfTheCard) {
  MakeCard(L"Karta", "[Ogolne]\r\nModel=Speedmaster\r\n");
  std::ofstream(Card(L"Karta") / L"Obraz.jpg", std::ios::binary) << "to nie jest JPEG";
  std::ofstream(Card(L"Karta") / L"Notatki.txt", std::ios::binary) << "notatka\r\n";
  TForm1& form = Form();
  Pick(L"Karta");
  EXPECT_EQ(form.sEdit3->Text(), L"Speedmaster");
  EXPECT_EQ(form.Memo1->Lines()->Text(), L"notatka\r\n");
  EXPECT_EQ(form.Image1->Tag(), 1);
  EXPECT_EQ(form.Image1->Picture()->Graphic(), nullptr);
  EXPECT_TRUE(form.sPanel1->Visible());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Flags, UINT(MB_ICONERROR));
  EXPECT_EQ(boxes_[0].Text.rfind(L"Nie można wczytać obrazu karty.\r", 0), 0u);
  // A save keeps the file as it is.
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_EQ(ReadBytes(Card(L"Karta") / L"Obraz.jpg"), "to nie jest JPEG");
}

TEST_F(CardCommandsTest, TextCodePage1250CannotHoldRefusesTheSave) {
  MakeCard(L"Karta", "[Ogolne]\r\nModel=X\r\n");
  const std::string before = ReadBytes(Card(L"Karta") / L"Dane.ini");
  TForm1& form = Form();
  Pick(L"Karta");
  form.sEdit3->SetText(L"Ωmega");
  form.sBitBtn3Click(form.sBitBtn3);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].Text, L"Pole \"Model:\" zawiera znaki, których nie można zapisać!\rUsuń je i spróbuj ponownie.");
  EXPECT_EQ(ReadBytes(Card(L"Karta") / L"Dane.ini"), before);
  EXPECT_FALSE(form.Timer1->Enabled());
  // The notes are checked as well.
  form.sEdit3->SetText(L"Omega");
  form.Memo1->Lines()->SetText(L"☺");
  form.sBitBtn3Click(form.sBitBtn3);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_NE(boxes_[1].Text.find(L"\"Notatki\""), std::wstring::npos);
  EXPECT_EQ(ReadBytes(Card(L"Karta") / L"Dane.ini"), before);
}

TEST_F(CardCommandsTest, PictureAndDocumentStatesDecideTheirFiles) {
  MakeCard(L"Karta", "[Ogolne]\r\nModel=X\r\n");
  WritePicture(Card(L"Karta") / L"Obraz.jpg");
  std::ofstream(Card(L"Karta") / L"Dokument.pdf", std::ios::binary) << "pdf";
  TForm1& form = Form();
  Pick(L"Karta");
  // A cleared document is deleted by the next save.
  form.sBitBtn6->SetTag(0);
  form.sBitBtn6->SetCaption(L"Usunięto");
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_FALSE(fs::exists(Card(L"Karta") / L"Dokument.pdf"));
  EXPECT_EQ(form.sBitBtn6->Caption(), L"Wybierz");
  EXPECT_TRUE(fs::exists(Card(L"Karta") / L"Obraz.jpg"));
  // A new picture is written as JPEG and becomes the saved one.
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(30, 20);
  form.Image1->Picture()->SetBitmap(&bitmap);
  form.Image1->SetTag(2);
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_EQ(form.Image1->Tag(), 1);
  EXPECT_EQ(ReadBytes(Card(L"Karta") / L"Obraz.jpg").substr(0, 2), "\xFF\xD8");
  // A removed picture is deleted.
  form.Image1->SetTag(0);
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_FALSE(fs::exists(Card(L"Karta") / L"Obraz.jpg"));
}

TEST_F(CardCommandsTest, StoredEditsTakeAtMost2047Characters) {
  TForm1& form = Form();
  for (const TForm1::CardField& field : form.CardFields()) {
    if (!field.edit) continue;
    EXPECT_EQ(field.edit->MaxLength(), 2047) << std::string(field.key, field.key + wcslen(field.key));
  }
}

TEST_F(CardCommandsTest, InterruptedSaveLeavesThePreviousDataWhole) {
  MakeCard(L"Karta", "[Ogolne]\r\nModel=Stary\r\n");
  const std::string before = ReadBytes(Card(L"Karta") / L"Dane.ini");
  TForm1& form = Form();
  Pick(L"Karta");
  form.sEdit3->SetText(L"Nowy");
  SetWriteProgressHook([](std::size_t written) {
    if (written > 0) throw EInOutError(L"disk full");
  });
  EXPECT_ANY_THROW(form.sBitBtn3Click(form.sBitBtn3));
  SetWriteProgressHook(nullptr);
  EXPECT_EQ(ReadBytes(Card(L"Karta") / L"Dane.ini"), before);
}

}  // namespace app_test
#endif
