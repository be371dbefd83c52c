// The card list: one card per folder under CardsDir.
#include "app/Unit1.h"

#include "classlib/core/FileUtils.h"

namespace app {

using namespace classlib;

void TForm1::RefreshCardList() {
  sComboBox1->Clear();
  for (const DirectoryEntry& entry : ListDirectory(CardsDir)) {
    // Hidden and system folders are no cards, and neither are plain files.
    if (!entry.IsDirectory() || (entry.attributes & (faHidden | faSysFile)) != 0) continue;
    if (DirectoryExists(CardsDir + entry.name)) sComboBox1->Items()->Add(entry.name);
  }
  const int count = sComboBox1->Items()->Count();
  if (count == 0) {
    sLabel1->SetCaption(L"Kliknij \"Nowa karta\", aby dodać pierwszą kartę.");
    sComboBox1->SetEnabled(false);
  } else {
    sLabel1->SetCaption(L"Wybierz kartę z listy lub kliknij \"Nowa karta\", aby dodać kolejną kartę.");
    sComboBox1->SetEnabled(true);
  }
}

void TForm1::UpdateCardNavigation() {
  const int count = sComboBox1->Items()->Count();
  if (sComboBox1->Text().empty() || count == 1) {
    sPanel19->SetVisible(false);
    sComboBox1->SetWidth(960);
  } else {
    sPanel19->SetVisible(true);
    sComboBox1->SetWidth(801);
    const int index = sComboBox1->ItemIndex();
    const bool atLast = index == count - 1;
    const bool atFirst = index == 0;
    sBitBtn9->SetEnabled(!atLast);
    sBitBtn10->SetEnabled(!atLast);
    sBitBtn7->SetEnabled(!atFirst);
    sBitBtn8->SetEnabled(!atFirst);
  }
  sGauge1->SetWidth(sComboBox1->Width());
}

}  // namespace app
