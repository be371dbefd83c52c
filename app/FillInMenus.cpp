// The fields' fill-in menus: where they open, "Wklej", and what the fixed
// items put into their field.
#include "app/Unit1.h"
#include "app/fillin/FillInRules.h"
#include "classlib/core/DateTime.h"
#include "classlib/core/FormatDateTime.h"
#include "classlib/menus/Clipboard.h"

namespace app {

using namespace classlib;

namespace {

// The control the item's menu was opened for; null when none.
TControl* MenuField(TObject* sender) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  auto* menu = item ? dynamic_cast<TPopupMenu*>(item->GetParentMenu()) : nullptr;
  return menu ? dynamic_cast<TControl*>(menu->PopupComponent()) : nullptr;
}

std::wstring ItemCaption(TObject* sender) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  return item ? item->Caption() : std::wstring();
}

}  // namespace

void TForm1::PopupFieldMenu(TPopupMenu* menu, TControl* field, int shift) {
  if (!menu || !field) return;
  menu->SetPopupComponent(field);
  menu->Popup(Left() + 363 + field->Left() - shift, Top() + 179 + field->Top());
}

void TForm1::sEdit10ContextPopup(TObject* sender, TPoint, bool& handled) {
  auto* field = dynamic_cast<TControl*>(sender);
  if (!field) return;
  PopupFieldMenu(field->PopupMenu(), field);
  handled = true;
}

void TForm1::sLabel30ContextPopup(TObject*, TPoint mousePos, bool& handled) {
  sEdit10ContextPopup(sEdit18, mousePos, handled);
}

void TForm1::sLabel34ContextPopup(TObject*, TPoint mousePos, bool& handled) {
  sEdit10ContextPopup(sEdit22, mousePos, handled);
}

void TForm1::ShowPasteItem(TMenuItem* paste, TMenuItem* separator) {
  const bool shown = Clipboard().HasText();
  paste->SetVisible(shown);
  if (separator) separator->SetVisible(shown);
}

void TForm1::PopupMenu2Popup(TObject*) { ShowPasteItem(Wklej2, nullptr); }
void TForm1::PopupMenu3Popup(TObject*) { ShowPasteItem(Wklej11, N27); }
void TForm1::PopupMenu4Popup(TObject*) { ShowPasteItem(Wklej12, N28); }
void TForm1::PopupMenu5Popup(TObject*) { ShowPasteItem(Wklej5, N21); }
void TForm1::PopupMenu6Popup(TObject*) { ShowPasteItem(Wklej6, N22); }
void TForm1::PopupMenu7Popup(TObject*) { ShowPasteItem(Wklej7, N23); }
void TForm1::PopupMenu8Popup(TObject*) { ShowPasteItem(Wklej8, N24); }
void TForm1::PopupMenu9Popup(TObject*) { ShowPasteItem(Wklej3, N17); }
void TForm1::PopupMenu10Popup(TObject*) { ShowPasteItem(Wklej4, N20); }
void TForm1::PopupMenu11Popup(TObject*) { ShowPasteItem(Wklej9, N25); }
void TForm1::PopupMenu19Popup(TObject*) { ShowPasteItem(Kopiuj3, N29); }

void TForm1::PopupMenu13Popup(TObject*) {
  ShowPasteItem(Wklej13, N14);
  N15->SetCaption(CardNameSuggestion(sEdit2->Text(), sEdit3->Text()));
}

void TForm1::Wklej10Click(TObject* sender) {
  // Into the field the menu was opened for, as the edit's own paste would
  // put it: a single-line field takes the first line (a line break would
  // stop the card's save), a read-only one takes nothing.
  auto* field = dynamic_cast<TCustomEdit*>(MenuField(sender));
  if (!field || field->ReadOnly()) return;
  std::wstring text = Clipboard().AsText();
  if (!dynamic_cast<TCustomMemo*>(field)) text = FirstLineOf(text);
  field->SetSelText(text);
  field->SetSelStart(static_cast<int>(field->Text().size()));
  Clipboard().Clear();
}

void TForm1::FillField(TCustomEdit* field, const std::wstring& text) {
  field->SetText(text);
  field->SetSelStart(static_cast<int>(field->Text().size()));
}

void TForm1::MenuItem2Click(TObject* sender) { FillField(sEdit10, ItemCaption(sender)); }
void TForm1::Stal1Click(TObject* sender) { FillField(sEdit15, ItemCaption(sender)); }
void TForm1::Mineralne1Click(TObject* sender) { FillField(sEdit16, ItemCaption(sender)); }
void TForm1::Wciskany1Click(TObject* sender) { FillField(sEdit17, ItemCaption(sender)); }
void TForm1::N10001Click(TObject* sender) { FillField(sEdit18, ItemCaption(sender)); }
void TForm1::N261Click(TObject* sender) { FillField(sEdit22, ItemCaption(sender)); }
void TForm1::N15Click(TObject* sender) { FillField(sEdit1, ItemCaption(sender)); }
void TForm1::Z1Click(TObject* sender) { FillField(sEdit9, WithCurrency(sEdit9->Text(), ItemCaption(sender))); }
void TForm1::Dzi1Click(TObject*) { FillField(sEdit8, FormatDateTime(L"dd.mm.yyyy", Now())); }
void TForm1::MenuItem5Click(TObject*) { FillField(sEdit14, FormatDateTime(L"dd.mm.yyyy", Now())); }
void TForm1::Biecyrok1Click(TObject*) { FillField(sEdit7, FormatDateTime(L"yyyy", Now())); }

}  // namespace app
