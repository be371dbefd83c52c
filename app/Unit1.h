#pragma once
// The main window: the card list, the card editor's four pages, the command
// buttons and the welcome panel, read from its form description "TFORM1".
#include <windows.h>

#include <string>
#include <vector>

#include "app/fillin/DocumentAndDrops.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/Image.h"
#include "classlib/controls/Memo.h"
#include "classlib/controls/Shape.h"
#include "classlib/controls/Timer.h"
#include "classlib/menus/Dialogs.h"
#include "classlib/menus/Menus.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGauge.h"
#include "skin/controls/sLabels.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sComboBox.h"
#include "skin/controls/sStandardControls.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace app {

using skin::TsBitBtn;
using skin::TsButton;
using skin::TsCheckBox;
using skin::TsComboBox;
using skin::TsEdit;
using skin::TsGauge;
using skin::TsLabel;
using skin::TsPanel;

class TForm1 : public classlib::TForm {
 public:
  explicit TForm1(classlib::TComponent* owner);

  // Card list and navigation.
  TsComboBox* sComboBox1 = nullptr;
  TsPanel* sPanel19 = nullptr;
  TsBitBtn *sBitBtn7 = nullptr, *sBitBtn8 = nullptr, *sBitBtn9 = nullptr, *sBitBtn10 = nullptr;
  TsGauge* sGauge1 = nullptr;
  // Welcome panel.
  TsPanel* sPanel4 = nullptr;
  classlib::TImage* Image2 = nullptr;
  TsLabel *sLabel1 = nullptr, *sLabel2 = nullptr, *sLabel3 = nullptr;
  classlib::TShape* Shape2 = nullptr;
  // Card editor: pages, tabs, command buttons, picture frame.
  TsPanel *sPanel1 = nullptr, *sPanel3 = nullptr, *sPanel7 = nullptr, *sPanel9 = nullptr, *sPanel6 = nullptr;
  TsButton *sButton1 = nullptr, *sButton2 = nullptr, *sButton3 = nullptr, *sButton4 = nullptr;
  TsBitBtn *sBitBtn2 = nullptr, *sBitBtn3 = nullptr, *sBitBtn11 = nullptr, *sBitBtn4 = nullptr;
  TsPanel *sPanel2 = nullptr, *sPanel22 = nullptr;
  classlib::TImage* Image1 = nullptr;
  TsBitBtn* sBitBtn12 = nullptr;
  classlib::TMemo *Memo1 = nullptr, *Memo2 = nullptr;
  // Page "Główne".
  TsEdit *sEdit1 = nullptr, *sEdit2 = nullptr, *sEdit3 = nullptr, *sEdit4 = nullptr, *sEdit5 = nullptr,
         *sEdit6 = nullptr, *sEdit7 = nullptr, *sEdit8 = nullptr, *sEdit9 = nullptr, *sEdit24 = nullptr;
  TsLabel* sLabel11 = nullptr;
  TsCheckBox *sCheckBox1 = nullptr, *sCheckBox2 = nullptr, *sCheckBox3 = nullptr;
  TsBitBtn* sBitBtn6 = nullptr;
  // Page "Mechanizm".
  TsEdit *sEdit10 = nullptr, *sEdit11 = nullptr, *sEdit12 = nullptr, *sEdit13 = nullptr, *sEdit14 = nullptr;
  TsCheckBox *sCheckBox4 = nullptr, *sCheckBox5 = nullptr, *sCheckBox6 = nullptr, *sCheckBox7 = nullptr,
             *sCheckBox8 = nullptr, *sCheckBox9 = nullptr, *sCheckBox14 = nullptr, *sCheckBox16 = nullptr,
             *sCheckBox18 = nullptr, *sCheckBox20 = nullptr;
  // Page "Koperta", with the unit panels of the six measurements.
  TsEdit *sEdit15 = nullptr, *sEdit16 = nullptr, *sEdit17 = nullptr, *sEdit18 = nullptr, *sEdit19 = nullptr,
         *sEdit20 = nullptr, *sEdit21 = nullptr, *sEdit22 = nullptr, *sEdit23 = nullptr;
  TsCheckBox *sCheckBox10 = nullptr, *sCheckBox11 = nullptr, *sCheckBox12 = nullptr, *sCheckBox13 = nullptr,
             *sCheckBox15 = nullptr;
  TsPanel *sPanel11 = nullptr, *sPanel12 = nullptr, *sPanel13 = nullptr, *sPanel14 = nullptr, *sPanel15 = nullptr,
          *sPanel16 = nullptr;
  // Bottom row and the overlay behind the about window.
  TsBitBtn *sBitBtn1 = nullptr, *sBitBtn5 = nullptr;
  TsPanel* sPanel21 = nullptr;
  classlib::TImage* Image3 = nullptr;
  // Non-visual.
  classlib::TTimer *Timer1 = nullptr, *Timer2 = nullptr;
  skin::TsSkinManager* sSkinManager1 = nullptr;
  skin::TsSkinProvider* sSkinProvider1 = nullptr;
  skin::TsAlphaImageList *sAlphaImageList1 = nullptr, *sAlphaImageList2 = nullptr;
  classlib::TPopupMenu* PopupMenu20 = nullptr;
  classlib::TMenuItem* Otwrzkatalogkarty1 = nullptr;
  classlib::TPopupMenu *PopupMenu3 = nullptr, *PopupMenu10 = nullptr;
  classlib::TMenuItem *Ukryjkosztyzakupu1 = nullptr, *Przypominajoserwisie1 = nullptr, *po5latach1 = nullptr,
                      *po10latach1 = nullptr;
  // The card picture: its file dialog and its menu ("Kadruj", "Wyczyść").
  classlib::TOpenDialog* OpenDialog1 = nullptr;
  classlib::TPopupMenu* PopupMenu1 = nullptr;
  classlib::TMenuItem *Kadruj1 = nullptr, *N1 = nullptr, *Wyczy1 = nullptr;
  // The service sign at the end of the last-service field.
  TsPanel* sPanel18 = nullptr;
  skin::TsWebLabel* sWebLabel1 = nullptr;
  // The notes' menus: copy/open for a selected address, and the edit menu
  // with the addresses found in the notes.
  classlib::TPopupMenu *PopupMenu17 = nullptr, *PopupMenu18 = nullptr;
  classlib::TMenuItem *Kopiuj2 = nullptr, *N40 = nullptr, *Otwrz1 = nullptr;
  classlib::TMenuItem *Cofnij1 = nullptr, *N41 = nullptr, *Wytnij1 = nullptr, *Kopiuj1 = nullptr, *Wklej1 = nullptr,
                      *Usu1 = nullptr, *N42 = nullptr, *Zaznaczwszystko1 = nullptr, *N30 = nullptr,
                      *Adresyinternetowe1 = nullptr;
  // The purchase document: its file dialog and its menu ("Wyczyść").
  classlib::TOpenDialog* OpenDialog2 = nullptr;
  classlib::TPopupMenu* PopupMenu16 = nullptr;
  // The fields' fill-in menus, each with its "Wklej" item and the separator
  // under it (PopupMenu2 has none); 12, 14 and 15 are built at each pop-up
  // from the list files.
  classlib::TPopupMenu *PopupMenu2 = nullptr, *PopupMenu4 = nullptr, *PopupMenu5 = nullptr, *PopupMenu6 = nullptr,
                       *PopupMenu7 = nullptr, *PopupMenu8 = nullptr, *PopupMenu9 = nullptr, *PopupMenu11 = nullptr,
                       *PopupMenu12 = nullptr, *PopupMenu13 = nullptr, *PopupMenu14 = nullptr, *PopupMenu15 = nullptr,
                       *PopupMenu19 = nullptr;
  classlib::TMenuItem *Wklej13 = nullptr, *Wklej2 = nullptr, *Wklej3 = nullptr, *Wklej4 = nullptr, *Wklej5 = nullptr,
                      *Wklej6 = nullptr, *Wklej7 = nullptr, *Wklej8 = nullptr, *Wklej9 = nullptr, *Wklej11 = nullptr,
                      *Wklej12 = nullptr, *Kopiuj3 = nullptr;
  classlib::TMenuItem *N14 = nullptr, *N17 = nullptr, *N20 = nullptr, *N21 = nullptr, *N22 = nullptr, *N23 = nullptr,
                      *N24 = nullptr, *N25 = nullptr, *N27 = nullptr, *N28 = nullptr, *N29 = nullptr;
  classlib::TMenuItem* N15 = nullptr;  // the card name suggestion

  void FormCreate(classlib::TObject* sender);
  void FormDestroy(classlib::TObject* sender);
  // The page switch shared by the four tab buttons.
  void sButton1Click(classlib::TObject* sender);
  void Timer1Timer(classlib::TObject* sender);
  void Timer2Timer(classlib::TObject* sender);
  void sComboBox1DropDown(classlib::TObject* sender);
  void sComboBox1CloseUp(classlib::TObject* sender);
  void sComboBox1Change(classlib::TObject* sender);
  void sComboBox1ContextPopup(classlib::TObject* sender, classlib::TPoint mousePos, bool& handled);
  void Otwrzkatalogkarty1Click(classlib::TObject* sender);
  // Navigation: first, previous, next, last card.
  void sBitBtn7Click(classlib::TObject* sender);
  void sBitBtn8Click(classlib::TObject* sender);
  void sBitBtn9Click(classlib::TObject* sender);
  void sBitBtn10Click(classlib::TObject* sender);
  // Card commands: save, new card, delete.
  void sBitBtn3Click(classlib::TObject* sender);
  void sBitBtn5Click(classlib::TObject* sender);
  void sBitBtn2Click(classlib::TObject* sender);
  // Limitation fields, the three-state anti-reflective box, unit labels.
  void sCheckBox1Click(classlib::TObject* sender);
  void sCheckBox11Click(classlib::TObject* sender);
  void sEdit18Change(classlib::TObject* sender);
  void sEdit19Change(classlib::TObject* sender);
  void sEdit20Change(classlib::TObject* sender);
  void sEdit21Change(classlib::TObject* sender);
  void sEdit22Change(classlib::TObject* sender);
  void sEdit23Change(classlib::TObject* sender);
  // The card picture: choosing it, its menu, and crop mode (dragging it
  // inside the box until "Ok").
  void Image1Click(classlib::TObject* sender);
  void Image1ContextPopup(classlib::TObject* sender, classlib::TPoint mousePos, bool& handled);
  void PopupMenu1Popup(classlib::TObject* sender);
  void Kadruj1Click(classlib::TObject* sender);
  void Wyczy1Click(classlib::TObject* sender);
  void Image1MouseDown(classlib::TObject* sender, classlib::TMouseButton button, classlib::TShiftState shift, int x,
                       int y);
  void Image1MouseMove(classlib::TObject* sender, classlib::TShiftState shift, int x, int y);
  void Image1MouseUp(classlib::TObject* sender, classlib::TMouseButton button, classlib::TShiftState shift, int x,
                     int y);
  void sBitBtn12Click(classlib::TObject* sender);
  // Service reminder and cost masking, with their settings.
  void sEdit14Change(classlib::TObject* sender);
  void sLabel27Click(classlib::TObject* sender);
  void Przypominajoserwisie1Click(classlib::TObject* sender);
  void po5latach1Click(classlib::TObject* sender);
  void Ukryjkosztyzakupu1Click(classlib::TObject* sender);
  // The card report in place of the picture.
  void sBitBtn11Click(classlib::TObject* sender);
  void BuildCardReport();
  // The notes' menus and edit commands.
  void Memo1ContextPopup(classlib::TObject* sender, classlib::TPoint mousePos, bool& handled);
  void Kopiuj2Click(classlib::TObject* sender);
  void Otwrz1Click(classlib::TObject* sender);
  void PopupMenu18Popup(classlib::TObject* sender);
  void Adresyinternetowe1Click(classlib::TObject* sender);
  void Cofnij1Click(classlib::TObject* sender);
  void Wytnij1Click(classlib::TObject* sender);
  void Kopiuj1Click(classlib::TObject* sender);
  void Wklej1Click(classlib::TObject* sender);
  void Usu1Click(classlib::TObject* sender);
  void Zaznaczwszystko1Click(classlib::TObject* sender);
  // The about button: the blurred snapshot behind the about window, then
  // the window itself, modally.
  void sBitBtn1Click(classlib::TObject* sender);
  // The client area painted off-screen, blurred and noised, as Image3's
  // picture (covering windows never get into it).
  void TakeBlurredSnapshot();
  // The purchase document button, its menu, and the gallery button.
  void sBitBtn6Click(classlib::TObject* sender);
  void sBitBtn6ContextPopup(classlib::TObject* sender, classlib::TPoint mousePos, bool& handled);
  void Wyczy2Click(classlib::TObject* sender);
  void sBitBtn4Click(classlib::TObject* sender);
  // Files dropped at a screen point: only the first file counts, by the
  // control under the point.
  void DropFiles(const std::vector<std::wstring>& files, classlib::TPoint screenPoint);
  // The fields' menus: shown at the field, "Wklej" only with text on the
  // clipboard, and the fill-in handlers.
  void sEdit10ContextPopup(classlib::TObject* sender, classlib::TPoint mousePos, bool& handled);
  void sEdit12ContextPopup(classlib::TObject* sender, classlib::TPoint mousePos, bool& handled);
  void sLabel30ContextPopup(classlib::TObject* sender, classlib::TPoint mousePos, bool& handled);
  void sLabel34ContextPopup(classlib::TObject* sender, classlib::TPoint mousePos, bool& handled);
  void PopupMenu2Popup(classlib::TObject* sender);
  void PopupMenu3Popup(classlib::TObject* sender);
  void PopupMenu4Popup(classlib::TObject* sender);
  void PopupMenu5Popup(classlib::TObject* sender);
  void PopupMenu6Popup(classlib::TObject* sender);
  void PopupMenu7Popup(classlib::TObject* sender);
  void PopupMenu8Popup(classlib::TObject* sender);
  void PopupMenu9Popup(classlib::TObject* sender);
  void PopupMenu10Popup(classlib::TObject* sender);
  void PopupMenu11Popup(classlib::TObject* sender);
  void PopupMenu13Popup(classlib::TObject* sender);
  void PopupMenu19Popup(classlib::TObject* sender);
  void PopupMenu12Popup(classlib::TObject* sender);
  void PopupMenu14Popup(classlib::TObject* sender);
  void PopupMenu15Popup(classlib::TObject* sender);
  void Wklej10Click(classlib::TObject* sender);
  void MenuItem2Click(classlib::TObject* sender);
  void Stal1Click(classlib::TObject* sender);
  void Mineralne1Click(classlib::TObject* sender);
  void Wciskany1Click(classlib::TObject* sender);
  void N10001Click(classlib::TObject* sender);
  void N261Click(classlib::TObject* sender);
  void N15Click(classlib::TObject* sender);
  void Z1Click(classlib::TObject* sender);
  void Dzi1Click(classlib::TObject* sender);
  void MenuItem5Click(classlib::TObject* sender);
  void Biecyrok1Click(classlib::TObject* sender);
  void inhouse1Click(classlib::TObject* sender);
  void ZdefiniujItemClick(classlib::TObject* sender);
  void zdefiniuj21Click(classlib::TObject* sender);
  // Shows the picture file scaled to cover a size x size box, centred.
  // Raises the loader's error or EPictureFit; the picture then stays.
  void LoadImageFitted(const std::wstring& fileName, int size);
  // A newly chosen or dropped picture: fitted and shown, then crop mode
  // unless it is square.
  void ShowNewPicture(const std::wstring& fileName);

  // Rebuilds the card list from the card folders under CardsDir.
  void RefreshCardList();
  // Shows or hides the navigation buttons and sets the combo's width.
  void UpdateCardNavigation();
  // Write and read the card shown by the combo; nothing without a card.
  void SaveCard();
  void LoadCard();
  // The four pages of the card shown, two by two, as the card's "Zrzut.png",
  // then opened; the page shown before is shown again.
  void SaveCardScreenshot();

  // One key of "Dane.ini" and the control it stores, in the file's order.
  enum class FieldForm { Text, Number, Boolean, Antireflex };
  struct CardField {
    const wchar_t* section;
    const wchar_t* key;
    FieldForm form;
    TsEdit* edit;        // Text and Number
    TsCheckBox* box;     // Boolean and Antireflex
    const wchar_t* label;  // how a warning names the field
  };
  std::vector<CardField> CardFields() const;

 private:
  void RegisterComponents();
  void RegisterEvents();
  void ReadSettings();
  void WriteCardData(const std::wstring& fileName);
  void ReadCardData(const std::wstring& fileName);
  // The limitation number and size show only for a limited edition.
  void ShowLimitationFields(bool shown);
  void ShowUnitWhenNumber(TsEdit* edit, TsPanel* unit);
  // The name field's error mark after a refused save; `sign` replaces the
  // name by "!" until Timer2 ends the mark.
  void MarkNameError(bool sign);
  // The first stored text code page 1250 cannot hold: its field's name, or
  // "" when every text can be stored.
  std::wstring FieldCodePageCannotHold() const;
  bool CreateOrRenameCardFolder(const std::wstring& name);
  void InvertCardImage();
  void SetDocumentLook(TDocumentEvent event);
  // The document step of SaveCard in the card's folder.
  void SaveCardDocument(const std::wstring& folder);
  // The fill-in menus: pops up `menu` for `field` at the field's place
  // (moved left by `shift`), remembering the field for "Wklej".
  void PopupFieldMenu(classlib::TPopupMenu* menu, classlib::TControl* field, int shift = 0);
  void ShowPasteItem(classlib::TMenuItem* paste, classlib::TMenuItem* separator);
  // Sets a field's text from a menu and puts the caret at its end.
  void FillField(classlib::TCustomEdit* field, const std::wstring& text);
  // "Zdefiniuj": the list file with its defaults when missing, then opened.
  void DefinePickList(const wchar_t* fileName, const std::vector<std::wstring>& defaults);
  // The picture steps of SaveCard and LoadCard in the card's folder; the
  // load answers the reader's error, or "" when the picture was read.
  void SaveCardPicture(const std::wstring& folder);
  std::wstring LoadCardPicture(const std::wstring& folder);
  int Ask(const std::wstring& text, UINT flags);
  void WriteReminderSettings();
  // Opens an address from the notes in the browser; one that could carry
  // anything but an http or https address is refused.
  void OpenWebAddress(const std::wstring& address);

  void WndProc(classlib::TMessage& message) override;

  bool steppingAntireflex_ = false;
};

// The process-wide state of the main window's unit.
extern TForm1* Form1;
// The program folder + "Karty\": set once by FormCreate.
extern std::wstring CardsDir;
extern HHOOK KeyboardHook;
// Where the mouse went down on the picture being dragged, in its own
// coordinates.
extern int DragStartX, DragStartY;

// Removes a folder with everything in it. Links and junctions inside are
// removed themselves, never entered. True when the folder is gone; what
// cannot be deleted (a read-only or open file) stays, with its folders.
bool DeleteFolderTree(const std::wstring& path);

// Installed for the UI thread by FormCreate: a press of PrintScreen on a
// card, with the about window closed, saves the card's screenshot. Every key
// is passed on.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace app
