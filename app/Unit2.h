#pragma once
// The about window, read from its form description "TFORM2"; created hidden
// at start and shown modally from the main window over its blurred snapshot.
#include <string>

#include "classlib/controls/Forms.h"
#include "classlib/controls/Shape.h"
#include "classlib/menus/Menus.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sLabels.h"
#include "skin/controls/sStandardControls.h"
#include "skin/forms/sSkinProvider.h"

namespace app {

class TForm2 : public classlib::TForm {
 public:
  explicit TForm2(classlib::TComponent* owner);

  skin::TsPanel *sPanel4 = nullptr, *sPanel2 = nullptr, *sPanel3 = nullptr;
  skin::TsLabel *sLabel1 = nullptr, *sLabel2 = nullptr, *sLabel3 = nullptr, *sLabel4 = nullptr, *sLabel5 = nullptr,
                *sLabel6 = nullptr, *sLabel7 = nullptr, *sLabel8 = nullptr, *sLabel11 = nullptr, *sLabel12 = nullptr,
                *sLabel13 = nullptr;
  classlib::TShape* Shape1 = nullptr;
  // The mail and home-page links, the change-list link and the tip arrows.
  skin::TsWebLabel *sWebLabel1 = nullptr, *sWebLabel4 = nullptr, *sWebLabel5 = nullptr, *sWebLabel2 = nullptr,
                   *sWebLabel3 = nullptr;
  // The tip (its number in Tag, 1..12) and the counter under the tip bar.
  skin::TsLabel *sLabel9 = nullptr, *sLabel10 = nullptr;
  skin::TsBitBtn* sBitBtn1 = nullptr;
  classlib::TPopupMenu *PopupMenu1 = nullptr, *PopupMenu2 = nullptr;
  classlib::TMenuItem *Kopiuj1 = nullptr, *MenuItem1 = nullptr;
  skin::TsSkinProvider* sSkinProvider1 = nullptr;

  void FormShow(classlib::TObject* sender);
  void FormClose(classlib::TObject* sender, classlib::TCloseAction& action);
  void sWebLabel3MouseDown(classlib::TObject* sender, classlib::TMouseButton button, classlib::TShiftState shift,
                           int x, int y);
  void sWebLabel2MouseDown(classlib::TObject* sender, classlib::TMouseButton button, classlib::TShiftState shift,
                           int x, int y);
  void sWebLabel2MouseEnter(classlib::TObject* sender);
  void sWebLabel2MouseLeave(classlib::TObject* sender);
  void sPanel2MouseEnter(classlib::TObject* sender);
  void sPanel2MouseLeave(classlib::TObject* sender);
  void sWebLabel5Click(classlib::TObject* sender);
  void Kopiuj1Click(classlib::TObject* sender);
  void MenuItem1Click(classlib::TObject* sender);
  void sBitBtn1Click(classlib::TObject* sender);
  void sBitBtn1KeyPress(classlib::TObject* sender, wchar_t& key);

  // Shows the tip of that number and its counter.
  void ShowTip(int number);
  // The temporary copy of the change list: TEMP + "ListaZmian.txt" (the
  // system's temporary folder when TEMP is not set).
  static std::wstring ChangeListFile();
  // Writes the stored change list there byte for byte; false when it could
  // not be written (nothing is opened then).
  static bool WriteChangeList();

 private:
  void RegisterComponents();
  void RegisterEvents();
};

extern TForm2* Form2;

}  // namespace app
