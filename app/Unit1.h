#pragma once
// The main window: the card list, the card editor's four pages, the command
// buttons and the welcome panel, read from its form description "TFORM1".
#include <windows.h>

#include <string>

#include "classlib/controls/Forms.h"
#include "classlib/controls/Image.h"
#include "classlib/controls/Memo.h"
#include "classlib/controls/Shape.h"
#include "classlib/controls/Timer.h"
#include "classlib/menus/Menus.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGauge.h"
#include "skin/controls/sStandardControls.h"

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
  // Bottom row and the overlay behind the about window.
  TsBitBtn *sBitBtn1 = nullptr, *sBitBtn5 = nullptr;
  TsPanel* sPanel21 = nullptr;
  classlib::TImage* Image3 = nullptr;
  // Non-visual.
  classlib::TTimer *Timer1 = nullptr, *Timer2 = nullptr;
  classlib::TPopupMenu *PopupMenu3 = nullptr, *PopupMenu10 = nullptr;
  classlib::TMenuItem *Ukryjkosztyzakupu1 = nullptr, *Przypominajoserwisie1 = nullptr, *po5latach1 = nullptr,
                      *po10latach1 = nullptr;

  void FormCreate(classlib::TObject* sender);
  void FormDestroy(classlib::TObject* sender);
  // The page switch shared by the four tab buttons.
  void sButton1Click(classlib::TObject* sender);
  void Timer1Timer(classlib::TObject* sender);
  void Timer2Timer(classlib::TObject* sender);
  void sComboBox1DropDown(classlib::TObject* sender);
  void sComboBox1CloseUp(classlib::TObject* sender);

  // Rebuilds the card list from the card folders under CardsDir.
  void RefreshCardList();
  // Shows or hides the navigation buttons and sets the combo's width.
  void UpdateCardNavigation();

 private:
  void RegisterComponents();
  void ReadSettings();
};

// The process-wide state of the main window's unit.
extern TForm1* Form1;
// The program folder + "Karty\": set once by FormCreate.
extern std::wstring CardsDir;
extern HHOOK KeyboardHook;

// Passes every key on; installed for the UI thread by FormCreate.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace app
