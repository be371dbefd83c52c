// The menus built from the list files at every pop-up: complications,
// movement makers and calibres, and "Zdefiniuj", which writes a missing list
// file with its defaults and opens it.
#include "app/MenuSkinning.h"
#include "app/Unit1.h"
#include "app/fillin/FillInRules.h"
#include "app/fillin/MechanismMenus.h"
#include "app/fillin/PickList.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/menus/Clipboard.h"
#include "classlib/menus/Shell.h"

namespace app {

using namespace classlib;

namespace {

constexpr int kPasteIcon = 3;
constexpr int kDefineIcon = 9;

// "&" would underline the next letter of a menu caption: doubled, it shows
// as itself. Handlers take the entry itself, never the caption.
std::wstring MenuCaptionFor(const std::wstring& entry) {
  std::wstring caption;
  for (wchar_t c : entry) {
    caption += c;
    if (c == L'&') caption += c;
  }
  return caption;
}

TMenuItem* AddItem(TPopupMenu* menu, const std::wstring& caption, TNotifyEvent onClick, int imageIndex = -1) {
  auto* item = New<TMenuItem>(menu);
  item->SetCaption(caption);
  item->SetImageIndex(imageIndex);
  item->SetOnClick(std::move(onClick));
  menu->Items()->Add(item);
  return item;
}

void AddSeparator(TPopupMenu* menu) { AddItem(menu, L"-", nullptr); }

std::wstring ListFile(const wchar_t* name) { return CardsDir + name; }

// Empties a menu rebuilt at each pop-up and starts it with "Wklej" and a
// separator while the clipboard holds text.
void StartListMenu(TPopupMenu* menu, TNotifyEvent paste) {
  menu->Items()->Clear();
  if (!Clipboard().HasText()) return;
  AddItem(menu, L"Wklej", std::move(paste), kPasteIcon);
  AddSeparator(menu);
}

}  // namespace

void TForm1::PopupMenu15Popup(TObject*) {
  StartListMenu(PopupMenu15, [this](TObject* s) { Wklej10Click(s); });
  if (FileExists(ListFile(kComplicationsFileName))) {
    for (const std::wstring& entry : ReadPickList(ListFile(kComplicationsFileName)))
      AddItem(PopupMenu15, MenuCaptionFor(entry),
              [this, entry](TObject*) { FillField(sEdit13, WithComplication(sEdit13->Text(), entry)); });
    AddSeparator(PopupMenu15);
  }
  AddItem(PopupMenu15, L"Zdefiniuj", [this](TObject* s) { ZdefiniujItemClick(s); }, kDefineIcon);
  HookMenuForSkin(PopupMenu15);
}

void TForm1::PopupMenu12Popup(TObject*) {
  StartListMenu(PopupMenu12, [this](TObject* s) { Wklej10Click(s); });
  if (FileExists(ListFile(kMechanismsFileName))) {
    for (const TMechanismMenuEntry& entry : MakerMenuEntries(ReadPickList(ListFile(kMechanismsFileName)))) {
      if (entry.Kind == TMechanismMenuEntry::Separator)
        AddSeparator(PopupMenu12);
      else
        AddItem(PopupMenu12, MenuCaptionFor(entry.Caption),
                [this, caption = entry.Caption](TObject*) { FillField(sEdit11, caption); });
    }
    AddSeparator(PopupMenu12);
  }
  AddItem(PopupMenu12, L"In-House", [this](TObject* s) { inhouse1Click(s); });
  AddSeparator(PopupMenu12);
  AddItem(PopupMenu12, L"Zdefiniuj", [this](TObject* s) { zdefiniuj21Click(s); }, kDefineIcon);
  HookMenuForSkin(PopupMenu12);
}

void TForm1::PopupMenu14Popup(TObject*) {
  StartListMenu(PopupMenu14, [this](TObject* s) { Wklej10Click(s); });
  if (FileExists(ListFile(kMechanismsFileName))) {
    for (const TMechanismMenuEntry& entry : CalibreMenuEntries(ReadPickList(ListFile(kMechanismsFileName)))) {
      TMenuItem* item =
          entry.Kind == TMechanismMenuEntry::Separator
              ? AddItem(PopupMenu14, L"-", nullptr)
              : AddItem(PopupMenu14, MenuCaptionFor(entry.Caption),
                        entry.Kind == TMechanismMenuEntry::Item
                            ? TNotifyEvent([this, caption = entry.Caption](TObject*) { FillField(sEdit12, caption); })
                            : TNotifyEvent());
      item->SetEnabled(entry.Enabled);
      if (entry.NewColumn) item->SetBreak(mbBreak);
    }
    AddSeparator(PopupMenu14);
  }
  AddItem(PopupMenu14, L"Zdefiniuj", [this](TObject* s) { zdefiniuj21Click(s); }, kDefineIcon);
  HookMenuForSkin(PopupMenu14);
}

void TForm1::sEdit12ContextPopup(TObject*, TPoint, bool& handled) {
  const int columns = CalibreMenuColumns(ReadPickList(ListFile(kMechanismsFileName)));
  PopupFieldMenu(PopupMenu14, sEdit12, CalibreMenuShift(columns));
  handled = true;
}

void TForm1::inhouse1Click(TObject*) { sEdit11->SetText(InHouseMovementMaker(sEdit2->Text())); }

void TForm1::DefinePickList(const wchar_t* fileName, const std::vector<std::wstring>& defaults) {
  if (!DirectoryExists(CardsDir)) CreateDir(CardsDir);
  // Created only when new, in one step: a file the user has written is
  // never replaced.
  WriteNewFile(ListFile(fileName), PickListBytes(defaults));
  ShellOpen(ListFile(fileName));
}

void TForm1::ZdefiniujItemClick(TObject*) { DefinePickList(kComplicationsFileName, DefaultComplications()); }

void TForm1::zdefiniuj21Click(TObject*) { DefinePickList(kMechanismsFileName, DefaultMechanisms()); }

}  // namespace app
