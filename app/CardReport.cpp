// The card report: what the card's folder holds, shown read-only over the
// picture while the "Raport" button is down.
#include "app/Unit1.h"
#include "app/catalogue/CardReport.h"
#include "classlib/core/FileUtils.h"

namespace app {

using namespace classlib;

void TForm1::sBitBtn11Click(TObject*) {
  if (Memo2->Visible()) {
    Memo2->SetVisible(false);
    sBitBtn11->SetDown(false);
    return;
  }
  BuildCardReport();
  // Over the picture box, which shares its place.
  Memo2->BringToFront();
  Memo2->SetVisible(true);
  sBitBtn11->SetDown(true);
}

void TForm1::BuildCardReport() {
  // Without a card the folder below would be "Karty\" itself, and its new
  // "Galeria" would then list as a card.
  if (sComboBox1->Text().empty()) return;
  sBitBtn11->SetDown(true);
  const std::wstring folder = CardsDir + sComboBox1->Text() + L"\\";
  if (!DirectoryExists(folder + L"Galeria")) CreateDir(folder + L"Galeria");
  TStrings* lines = Memo2->Lines();
  lines->BeginUpdate();
  lines->Clear();
  for (const std::wstring& line : catalogue::CardReportLines(catalogue::ReadCardReportFacts(folder))) lines->Add(line);
  lines->EndUpdate();
}

}  // namespace app
