#ifdef _WIN32
// The notes' menus: addresses found in the notes, the copy/open menu for a
// selected address, what reaches the browser, and the edit items' states.
#include <string>
#include <vector>

#include "AppTestFolder.h"
#include "classlib/menus/Clipboard.h"

namespace app_test {

using namespace classlib;
using app::TForm1;

class NotesLinksTest : public AppTestFolder {
 protected:
  TForm1& FormWithNotes(const std::wstring& notes) {
    TForm1& form = Form();
    form.Memo1->SetText(notes);
    return form;
  }
  static std::vector<std::wstring> AddressItems(TForm1& form) {
    std::vector<std::wstring> captions;
    for (int i = 0; i < form.Adresyinternetowe1->Count(); ++i) {
      EXPECT_EQ(form.Adresyinternetowe1->Items(i)->ImageIndex(), 12);
      captions.push_back(form.Adresyinternetowe1->Items(i)->Caption());
    }
    return captions;
  }
  // The selection as the memo's context menu sees it.
  static TPopupMenu* MenuForSelection(TForm1& form, int start, int length) {
    form.Memo1->SetSelStart(start);
    form.Memo1->SetSelLength(length);
    bool handled = false;
    form.Memo1ContextPopup(form.Memo1, TPoint{1, 1}, handled);
    EXPECT_FALSE(handled);
    return form.Memo1->PopupMenu();
  }
};

TEST_F(NotesLinksTest, TheEditMenuListsEachAddressOnceInTextOrderAndOpensIt) {
  TForm1& form = FormWithNotes(L"Serwis: https://a.pl/x?y=1 w środku\r\nwww.a.pl i www.a.pl\r\nhttp://www.c.pl koniec www.b.pl");
  form.PopupMenu18Popup(form.PopupMenu18);
  EXPECT_TRUE(form.N30->Visible());
  EXPECT_TRUE(form.Adresyinternetowe1->Visible());
  EXPECT_EQ(AddressItems(form),
            (std::vector<std::wstring>{L"https://a.pl/x?y=1", L"www.a.pl", L"http://www.c.pl", L"www.b.pl"}));
  form.Adresyinternetowe1->Items(3)->Click();
  EXPECT_EQ(opened_, std::vector<std::wstring>{L"http://www.b.pl"});
  // A second pop-up lists them afresh, not twice.
  form.Memo1->SetText(L"bez adresów");
  form.PopupMenu18Popup(form.PopupMenu18);
  EXPECT_FALSE(form.N30->Visible());
  EXPECT_FALSE(form.Adresyinternetowe1->Visible());
  EXPECT_EQ(form.Adresyinternetowe1->Count(), 0);
}

TEST_F(NotesLinksTest, OneSelectedAddressGetsTheCopyOpenMenuAndOnlySafeTargetsOpen) {
  TForm1& form = FormWithNotes(L"zob.  www.a.pl  strona\r\nhttp://a.pl/\"x\"\r\nhttp://b.pl/\tc");
  EXPECT_EQ(MenuForSelection(form, 4, 12), form.PopupMenu17);  // "  www.a.pl  "
  form.Otwrz1->Click();
  EXPECT_EQ(opened_, std::vector<std::wstring>{L"http://www.a.pl"});
  form.Kopiuj2->Click();
  EXPECT_EQ(Clipboard().AsText(), L"www.a.pl");
  EXPECT_EQ(MenuForSelection(form, 6, 15), form.PopupMenu18);  // the address and a further word

  // A quote cannot end the browser's argument; a tab does not reach it.
  EXPECT_EQ(MenuForSelection(form, 24, 15), form.PopupMenu17);
  form.Otwrz1->Click();
  EXPECT_EQ(opened_.back(), L"http://a.pl/%22x%22");
  EXPECT_EQ(MenuForSelection(form, 41, 14), form.PopupMenu17);
  form.Otwrz1->Click();
  EXPECT_EQ(opened_.size(), 2u);
}

TEST_F(NotesLinksTest, EditItemsAreEnabledByWhatTheMemoAndClipboardHold) {
  TForm1& form = FormWithNotes(L"");
  Clipboard().Clear();
  form.PopupMenu18Popup(form.PopupMenu18);
  for (TMenuItem* item : {form.Cofnij1, form.Wytnij1, form.Kopiuj1, form.Usu1, form.Wklej1, form.Zaznaczwszystko1})
    EXPECT_FALSE(item->Enabled()) << testing::PrintToString(item->Caption());

  SendMessageW(form.Memo1->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"abc def"));
  form.Memo1->SetSelStart(0);
  form.Memo1->SetSelLength(3);
  Clipboard().SetAsText(L"x");
  form.PopupMenu18Popup(form.PopupMenu18);
  for (TMenuItem* item : {form.Cofnij1, form.Wytnij1, form.Kopiuj1, form.Usu1, form.Wklej1, form.Zaznaczwszystko1})
    EXPECT_TRUE(item->Enabled()) << testing::PrintToString(item->Caption());

  form.Usu1->Click();
  EXPECT_EQ(form.Memo1->Text(), L" def");
  form.Cofnij1->Click();
  EXPECT_EQ(form.Memo1->Text(), L"abc def");
  form.Zaznaczwszystko1->Click();
  EXPECT_EQ(form.Memo1->SelLength(), 7);
}

}  // namespace app_test
#endif
