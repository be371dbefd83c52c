// The notes page's menus: the edit menu with the web addresses found in the
// notes, and the copy/open menu for a selected address.
#include "app/MenuSkinning.h"
#include "app/Unit1.h"
#include "app/catalogue/WebAddresses.h"
#include "classlib/core/ConvertText.h"
#include "classlib/menus/Clipboard.h"
#include "classlib/menus/Shell.h"

namespace app {

using namespace classlib;

void TForm1::Memo1ContextPopup(TObject*, TPoint, bool&) {
  // Only chooses the menu; the memo shows it as any other.
  Memo1->SetPopupMenu(catalogue::IsSingleWebAddress(Memo1->SelText()) ? PopupMenu17 : PopupMenu18);
}

void TForm1::Kopiuj2Click(TObject*) { Clipboard().SetAsText(Trim(Memo1->SelText())); }

void TForm1::Otwrz1Click(TObject*) { OpenWebAddress(Trim(Memo1->SelText())); }

void TForm1::OpenWebAddress(const std::wstring& address) {
  if (const std::optional<std::wstring> target = catalogue::BrowserTarget(address)) ShellOpen(*target);
}

void TForm1::PopupMenu18Popup(TObject*) {
  Cofnij1->SetEnabled(Memo1->CanUndo());
  const bool selected = Memo1->SelLength() > 0;
  Wytnij1->SetEnabled(selected);
  Kopiuj1->SetEnabled(selected);
  Usu1->SetEnabled(selected);
  Wklej1->SetEnabled(Clipboard().HasText());
  const std::wstring text = Memo1->Text();
  Zaznaczwszystko1->SetEnabled(!text.empty());

  N30->SetVisible(false);
  Adresyinternetowe1->SetVisible(false);
  Adresyinternetowe1->Clear();
  for (const std::wstring& address : catalogue::FindWebAddresses(text)) {
    N30->SetVisible(true);
    Adresyinternetowe1->SetVisible(true);
    auto* item = New<TMenuItem>(this);
    item->SetCaption(address);
    item->SetImageIndex(12);
    item->SetOnClick([this](TObject* sender) { Adresyinternetowe1Click(sender); });
    Adresyinternetowe1->Add(item);
  }
  HookMenuForSkin(PopupMenu18);
}

void TForm1::Adresyinternetowe1Click(TObject* sender) {
  if (auto* item = dynamic_cast<TMenuItem*>(sender)) OpenWebAddress(item->Caption());
}

void TForm1::Cofnij1Click(TObject*) { Memo1->Undo(); }
void TForm1::Wytnij1Click(TObject*) { Memo1->CutToClipboard(); }
void TForm1::Kopiuj1Click(TObject*) { Memo1->CopyToClipboard(); }
void TForm1::Wklej1Click(TObject*) { Memo1->PasteFromClipboard(); }
void TForm1::Usu1Click(TObject*) { Memo1->ClearSelection(); }
void TForm1::Zaznaczwszystko1Click(TObject*) { Memo1->SelectAll(); }

}  // namespace app
