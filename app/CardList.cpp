// The card list: one card per folder under CardsDir.
#include "app/Unit1.h"

#include "classlib/core/FileUtils.h"
#include "classlib/menus/Shell.h"

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
    sSkinProvider1->AddedTitle()->SetText(Caption());
    sComboBox1->SetEnabled(false);
  } else {
    sLabel1->SetCaption(L"Wybierz kartę z listy lub kliknij \"Nowa karta\", aby dodać kolejną kartę.");
    sSkinProvider1->AddedTitle()->SetText(Caption() + L" - Ilość kart: " + std::to_wstring(count));
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

void TForm1::sComboBox1Change(TObject*) {
  LoadCard();
  sPanel4->SetVisible(false);
  sPanel1->SetVisible(true);
}

void TForm1::sBitBtn7Click(TObject*) {
  sComboBox1->SetItemIndex(0);
  LoadCard();
}

void TForm1::sBitBtn8Click(TObject*) {
  if (sComboBox1->ItemIndex() > 0) sComboBox1->SetItemIndex(sComboBox1->ItemIndex() - 1);
  LoadCard();
}

void TForm1::sBitBtn9Click(TObject*) {
  if (sComboBox1->ItemIndex() < sComboBox1->Items()->Count() - 1) sComboBox1->SetItemIndex(sComboBox1->ItemIndex() + 1);
  LoadCard();
}

void TForm1::sBitBtn10Click(TObject*) {
  sComboBox1->SetItemIndex(sComboBox1->Items()->Count() - 1);
  LoadCard();
}

void TForm1::sComboBox1ContextPopup(TObject*, TPoint, bool& handled) {
  if (sComboBox1->Text().empty()) return;
  PopupMenu20->Popup(Left() + 3 + sComboBox1->Left(), Top() + 64 + sComboBox1->Top());
  handled = true;
}

void TForm1::Otwrzkatalogkarty1Click(TObject*) {
  if (!sComboBox1->Text().empty()) ShellOpen(CardsDir + sComboBox1->Text());
}

bool DeleteFolderTree(const std::wstring& path) {
  for (const DirectoryEntry& entry : ListDirectory(path)) {
    const std::wstring inner = path + L"\\" + entry.name;
    const DWORD attributes = GetFileAttributesW(inner.c_str());
    const bool link = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    if (link && entry.IsDirectory())
      RemoveDirectoryW(inner.c_str());  // the link goes, its target stays
    else if (entry.IsDirectory())
      DeleteFolderTree(inner);
    else
      DeleteFileAt(inner);
  }
  RemoveDir(path);
  return FileGetAttr(path) == -1;
}

}  // namespace app
