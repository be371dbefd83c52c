// The three commands that change the card store: save, new card, delete.
#include "app/CardNames.h"
#include "app/Unit1.h"
#include "classlib/controls/Memo.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/Cp1250.h"
#include "classlib/core/FileUtils.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/MessageBox.h"

namespace app {

using namespace classlib;

namespace {

constexpr TColor kErrorMarkColor = 55 << 16 | 155 << 8 | 255;  // orange: red 255, green 155, blue 55

// True when the folder holds a folder of exactly this name (letter case
// included): what a create or rename really made.
bool HasFolderNamed(const std::wstring& folder, const std::wstring& name) {
  for (const DirectoryEntry& entry : ListDirectory(folder))
    if (entry.IsDirectory() && entry.name == name) return true;
  return false;
}

}  // namespace

int TForm1::Ask(const std::wstring& text, UINT flags) {
  // Owned by the main window, so no other card can be picked meanwhile.
  return ShowMessageBox(Handle(), text, flags);
}

void TForm1::MarkNameError(bool sign) {
  sBitBtn3->SetEnabled(false);
  if (sign) {
    sEdit1->SetTag(1);
    sEdit1->SetText(L"!");
  }
  sEdit1->SkinData()->SetCustomFont(true);
  sEdit1->Font()->SetColor(kErrorMarkColor);
  Timer2->SetEnabled(true);
}

std::wstring TForm1::FieldCodePageCannotHold() const {
  auto lost = [](const std::wstring& text) {
    bool lossy = false;
    WideToCp1250(text, &lossy);
    return lossy;
  };
  for (const CardField& field : CardFields())
    if (field.edit && lost(field.edit->Text())) return field.label;
  if (lost(Memo1->Lines()->Text())) return L"Notatki";
  return L"";
}

bool TForm1::CreateOrRenameCardFolder(const std::wstring& name) {
  const std::wstring current = sComboBox1->Text();
  if (current.empty()) {
    if (!DirectoryExists(CardsDir)) CreateDir(CardsDir);
    CreateDir(CardsDir + name);
  } else {
    RenameFile(CardsDir + current, CardsDir + name);
  }
  // The system may have made something else of the name, or nothing at all.
  if (!HasFolderNamed(CardsDir, name)) {
    Ask(current.empty() ? L"Nie udało się utworzyć katalogu karty!\rKarta nie została zapisana."
                        : L"Nie udało się zmienić nazwy karty!\rKarta nie została zapisana.",
        MB_ICONERROR);
    return false;
  }
  // The next save writes the creation time.
  if (current.empty()) Memo2->SetTag(1);
  return true;
}

void TForm1::sBitBtn3Click(TObject*) {
  std::wstring name = sEdit1->Text();
  for (const wchar_t* c = kForbiddenNameCharacters; *c; ++c) {
    std::erase(name, *c);
    sEdit1->SetText(name);
  }
  name = Trim(name);
  sEdit1->SetText(name);
  if (name.empty()) {
    Ask(L"Aby zaspisać kartę niezbędne jest podanie jej nazwy!\rWprowadz nazwę i spróbuj ponownie.", MB_ICONWARNING);
    MarkNameError(true);
    return;
  }
  if (!IsStorableCardName(name, CardsDir.size())) {
    Ask(L"Podana nazwa karty jest niedozwolona!\rWprowadz inną nazwę i spróbuj ponownie.", MB_ICONWARNING);
    MarkNameError(true);
    return;
  }
  // Refused before anything is written, instead of storing '?' for them.
  if (const std::wstring field = FieldCodePageCannotHold(); !field.empty()) {
    Ask(L"Pole \"" + field + L"\" zawiera znaki, których nie można zapisać!\rUsuń je i spróbuj ponownie.",
        MB_ICONWARNING);
    return;
  }
  if (name == sComboBox1->Text()) {
    SaveCard();
    return;
  }
  if (DirectoryExists(CardsDir + name)) {
    Ask(L"Karta o podanej nazwie już istnieje!\rWprowadz inną nazwę i spróbuj ponownie.", MB_ICONWARNING);
    MarkNameError(false);
    return;
  }
  if (!CreateOrRenameCardFolder(name)) return;
  RefreshCardList();
  sComboBox1->SetItemIndex(sComboBox1->Items()->IndexOf(name));
  SaveCard();
}

void TForm1::sBitBtn5Click(TObject*) {
  for (int i = 0; i < ComponentCount(); ++i) {
    TComponent* component = Components(i);
    if (auto* edit = dynamic_cast<TsEdit*>(component)) edit->Clear();
    else if (auto* box = dynamic_cast<TsCheckBox*>(component)) box->SetChecked(false);
    else if (auto* memo = dynamic_cast<TMemo*>(component)) memo->Clear();
  }
  sCheckBox11->SetTag(2);
  sCheckBox11Click(nullptr);
  sBitBtn4->SetEnabled(false);
  sBitBtn11->SetEnabled(false);
  sBitBtn2->SetEnabled(false);
  Memo2->SetVisible(false);
  sBitBtn11->SetDown(false);
  ShowLimitationFields(false);
  SetDocumentLook(TDocumentEvent::NoDocument);
  Image1->Picture()->SetGraphic(nullptr);
  Image1->SetTag(0);
  sComboBox1->SetItemIndex(-1);
  sPanel4->SetVisible(false);
  sPanel1->SetVisible(true);
  sButton1->Click();
  if (sBitBtn12->Tag() == 1) sBitBtn12->Click();
  UpdateCardNavigation();
}

void TForm1::InvertCardImage() {
  TBitmap bitmap;
  if (Image1->Picture()->Graphic()) bitmap.Assign(Image1->Picture()->Graphic());
  bitmap.SetPixelFormat(pf24bit);
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width() * 3; ++x) row[x] = static_cast<uint8_t>(255 - row[x]);
  }
  Image1->Picture()->SetBitmap(&bitmap);
}

void TForm1::sBitBtn2Click(TObject*) {
  // The card is taken before the question, and exactly that one is deleted.
  const std::wstring card = sComboBox1->Text();
  if (card.empty()) return;
  InvertCardImage();
  if (Ask(L"Karta zostanie trwale usunięta!\rCzy na pewno chcesz kontynuować?", MB_YESNO | MB_ICONHAND) != IDYES) {
    InvertCardImage();
    return;
  }
  Timer1->SetEnabled(true);
  const bool deleted = DeleteFolderTree(CardsDir + card);
  RefreshCardList();
  sPanel1->SetVisible(false);
  sPanel4->SetVisible(true);
  sButton1->Click();
  Memo2->SetVisible(false);
  sBitBtn11->SetDown(false);
  UpdateCardNavigation();
  if (!deleted)
    Ask(L"Nie udało się usunąć całej karty \"" + card +
            L"\"!\rNiektóre pliki są otwarte lub chronione przed zapisem i pozostały w katalogu karty.",
        MB_ICONWARNING);
}

}  // namespace app
