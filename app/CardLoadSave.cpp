// Moving the selected card between its folder and the editor.
#include "app/Unit1.h"
#include "classlib/core/FileUtils.h"
#include "classlib/menus/MessageBox.h"

namespace app {

using namespace classlib;

namespace {

void CreateFolderWhenMissing(const std::wstring& folder) {
  if (!DirectoryExists(folder)) CreateDir(folder);
}

}  // namespace

void TForm1::SaveCard() {
  // Without a card every path below would name the whole card store.
  if (sComboBox1->Text().empty()) return;
  const std::wstring folder = CardsDir + sComboBox1->Text() + L"\\";
  SaveCardPicture(folder);
  SaveCardDocument(folder);
  if (!sCheckBox1->Checked()) {
    sEdit24->Clear();
    sEdit6->Clear();
  }
  WriteCardData(folder + L"Dane.ini");
  CreateFolderWhenMissing(folder + L"Galeria");
  Memo1->Lines()->SaveToFile(folder + L"Notatki.txt");
  sBitBtn4->SetEnabled(true);
  sBitBtn11->SetEnabled(true);
  sBitBtn2->SetEnabled(true);
  if (Memo2->Visible()) BuildCardReport();
  UpdateCardNavigation();
  Timer1->SetEnabled(true);
}

void TForm1::LoadCard() {
  if (sComboBox1->Text().empty()) return;
  const std::wstring folder = CardsDir + sComboBox1->Text() + L"\\";
  sEdit1->SetText(sComboBox1->Text());
  const std::wstring pictureError = LoadCardPicture(folder);
  SetDocumentLook(FileExists(folder + kDocumentFileName) ? TDocumentEvent::Saved : TDocumentEvent::NoDocument);
  ReadCardData(folder + L"Dane.ini");
  CreateFolderWhenMissing(folder + L"Galeria");
  Memo1->Lines()->Clear();
  const std::wstring notes = folder + L"Notatki.txt";
  if (FileExists(notes))
    Memo1->Lines()->LoadFromFile(notes);
  else
    Memo1->Lines()->SaveToFile(notes);
  sBitBtn4->SetEnabled(true);
  sBitBtn11->SetEnabled(true);
  sBitBtn2->SetEnabled(true);
  if (Memo2->Visible()) BuildCardReport();
  if (sBitBtn12->Tag() == 1) sBitBtn12->Click();
  UpdateCardNavigation();
  if (!pictureError.empty())
    ShowMessageBox(Handle(), L"Nie można wczytać obrazu karty." + std::wstring(L"\r") + pictureError, MB_ICONERROR);
}

}  // namespace app
