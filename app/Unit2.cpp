// The about window: tips, links, the change list and closing.
#include "app/Unit2.h"

#include "app/Unit1.h"
#include "app/catalogue/AboutTips.h"
#include "app/catalogue/RandomNumbers.h"
#include "classlib/controls/Application.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/ResourceStream.h"
#include "classlib/menus/Clipboard.h"
#include "classlib/menus/Shell.h"

namespace app {

using namespace classlib;

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  RegisterComponents();
  RegisterEvents();
}

void TForm2::RegisterComponents() {
#define FORM2_FIELD(name) RegisterField(L## #name, name)
  FORM2_FIELD(sPanel4);
  FORM2_FIELD(sPanel2);
  FORM2_FIELD(sPanel3);
  FORM2_FIELD(sLabel1);
  FORM2_FIELD(sLabel2);
  FORM2_FIELD(sLabel3);
  FORM2_FIELD(sLabel4);
  FORM2_FIELD(sLabel5);
  FORM2_FIELD(sLabel6);
  FORM2_FIELD(sLabel7);
  FORM2_FIELD(sLabel8);
  FORM2_FIELD(sLabel11);
  FORM2_FIELD(sLabel12);
  FORM2_FIELD(sLabel13);
  FORM2_FIELD(Shape1);
  FORM2_FIELD(sWebLabel1);
  FORM2_FIELD(sWebLabel4);
  FORM2_FIELD(sWebLabel5);
  FORM2_FIELD(sWebLabel2);
  FORM2_FIELD(sWebLabel3);
  FORM2_FIELD(sLabel9);
  FORM2_FIELD(sLabel10);
  FORM2_FIELD(sBitBtn1);
  FORM2_FIELD(PopupMenu1);
  FORM2_FIELD(PopupMenu2);
  FORM2_FIELD(Kopiuj1);
  FORM2_FIELD(MenuItem1);
  FORM2_FIELD(sSkinProvider1);
#undef FORM2_FIELD
}

void TForm2::RegisterEvents() {
#define FORM2_EVENT(name) RegisterMethod(L## #name, &TForm2::name)
  FORM2_EVENT(FormShow);
  FORM2_EVENT(FormClose);
  FORM2_EVENT(sWebLabel3MouseDown);
  FORM2_EVENT(sWebLabel2MouseDown);
  FORM2_EVENT(sWebLabel2MouseEnter);
  FORM2_EVENT(sWebLabel2MouseLeave);
  FORM2_EVENT(sPanel2MouseEnter);
  FORM2_EVENT(sPanel2MouseLeave);
  FORM2_EVENT(sWebLabel5Click);
  FORM2_EVENT(Kopiuj1Click);
  FORM2_EVENT(MenuItem1Click);
  FORM2_EVENT(sBitBtn1Click);
  FORM2_EVENT(sBitBtn1KeyPress);
#undef FORM2_EVENT
}

void TForm2::FormShow(TObject*) {
  if (Form1) {
    // Halves truncate toward zero, as integer division does.
    SetLeft(Form1->Left() + (Form1->Width() - Width()) / 2);
    SetTop(Form1->Top() + (Form1->Height() - Height()) / 2);
    Form1->sPanel21->BringToFront();
    Form1->sPanel21->SetVisible(true);
  }
  // The build row starts as wide as its number, whatever the font measures.
  sPanel2MouseLeave(nullptr);
  catalogue::RandomizeFromClock();
  ShowTip(catalogue::RandomBelow(catalogue::kTipCount) + 1);
}

void TForm2::ShowTip(int number) {
  sLabel9->SetTag(number);
  sLabel9->SetCaption(catalogue::Tip(number));
  sLabel10->SetCaption(catalogue::TipCounter(number));
}

void TForm2::sWebLabel3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  ShowTip(catalogue::NextTip(sLabel9->Tag()));
}

void TForm2::sWebLabel2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  ShowTip(catalogue::PreviousTip(sLabel9->Tag()));
}

void TForm2::sWebLabel2MouseEnter(TObject* sender) {
  sLabel10->SetAlignment(sender == sWebLabel2 ? taLeftJustify : taRightJustify);
  sLabel10->SetVisible(true);
  Application->ProcessMessages();
}

void TForm2::sWebLabel2MouseLeave(TObject*) { sLabel10->SetVisible(false); }

void TForm2::sPanel2MouseEnter(TObject*) { sPanel2->SetWidth(sWebLabel5->Left() + sWebLabel5->Width()); }

void TForm2::sPanel2MouseLeave(TObject*) { sPanel2->SetWidth(sLabel13->Width()); }

std::wstring TForm2::ChangeListFile() { return TempFolder() + L"ListaZmian.txt"; }

bool TForm2::WriteChangeList() {
  try {
    const std::unique_ptr<TStream> stored = OpenResourceStream(L"LISTAZMIAN");
    std::string bytes(static_cast<size_t>(stored->Size()), '\0');
    stored->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    WriteFileAtomic(ChangeListFile(), bytes);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

void TForm2::sWebLabel5Click(TObject*) {
  if (WriteChangeList()) ShellOpen(ChangeListFile());
}

void TForm2::Kopiuj1Click(TObject*) { Clipboard().SetAsText(sWebLabel1->Caption()); }

void TForm2::MenuItem1Click(TObject*) { Clipboard().SetAsText(sWebLabel4->URL()); }

void TForm2::sBitBtn1Click(TObject*) { Close(); }

void TForm2::sBitBtn1KeyPress(TObject*, wchar_t& key) {
  if (key == 27) Close();
}

void TForm2::FormClose(TObject*, TCloseAction&) {
  if (Form1) {
    Form1->Image3->Picture()->SetGraphic(nullptr);
    Form1->sPanel21->SetVisible(false);
  }
  if (FileExists(ChangeListFile())) DeleteFileAt(ChangeListFile());
}

}  // namespace app
