// The main window's construction, start, end, page switch and timers.
#include "app/Unit1.h"

#include "app/Unit2.h"
#include "classlib/controls/CallbackGuard.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/menus/DragDrop.h"

namespace app {

using namespace classlib;

TForm1* Form1 = nullptr;
std::wstring CardsDir;
HHOOK KeyboardHook = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  RegisterComponents();
  RegisterEvents();
}

void TForm1::FormCreate(TObject*) {
  CardsDir = ProgramFolder() + L"Karty\\";
  sPanel22->SetCaption(L"Kliknij, aby dodać\robraz karty");
  ReadSettings();
  po5latach1->SetVisible(Przypominajoserwisie1->Checked());
  po10latach1->SetVisible(Przypominajoserwisie1->Checked());
  if (PopupMenu10->Tag() == 5) po5latach1->SetChecked(true);
  if (PopupMenu10->Tag() == 10) po10latach1->SetChecked(true);
  sEdit9->SetPasswordChar(Ukryjkosztyzakupu1->Checked() ? wchar_t{1} : wchar_t{0});
  RefreshCardList();
  AcceptDroppedFiles(Handle(), true);
  KeyboardHook = SetWindowsHookExW(WH_KEYBOARD, KeyboardHookProc, nullptr, GetCurrentThreadId());
}

void TForm1::FormDestroy(TObject*) {
  if (KeyboardHook) UnhookWindowsHookEx(KeyboardHook);
  KeyboardHook = nullptr;
}

void TForm1::sButton1Click(TObject* sender) {
  for (TsButton* tab : {sButton1, sButton2, sButton3, sButton4}) tab->SetDown(false);
  for (TsPanel* page : {sPanel6, sPanel7, sPanel3, sPanel9}) page->SetVisible(false);
  auto* pressed = dynamic_cast<TsButton*>(sender);
  if (!pressed) return;
  pressed->SetDown(true);
  TsPanel* shown = nullptr;
  switch (pressed->Tag()) {
    case 1: shown = sPanel3; break;
    case 2: shown = sPanel7; break;
    case 3: shown = sPanel9; break;
    case 4: shown = sPanel6; break;
    default: break;
  }
  if (shown) {
    shown->SetVisible(true);
    shown->Repaint();
  }
  sPanel1->SetTag(pressed->Tag());
}

void TForm1::Timer1Timer(TObject*) {
  if (sGauge1->Progress() < sGauge1->MaxValue()) {
    sComboBox1->SetVisible(false);
    sGauge1->SetVisible(true);
    sGauge1->SetProgress(sGauge1->Progress() + 1);
  } else {
    Timer1->SetEnabled(false);
    sGauge1->SetVisible(false);
    sComboBox1->SetVisible(true);
    sGauge1->SetProgress(0);
  }
}

void TForm1::Timer2Timer(TObject*) {
  if (sEdit1->Tag() == 1) {
    sEdit1->Clear();
    sEdit1->SetTag(0);
  }
  sEdit1->SkinData()->SetCustomFont(false);
  sBitBtn3->SetEnabled(true);
  Timer2->SetEnabled(false);
}

void TForm1::sComboBox1DropDown(TObject*) {
  sPanel19->SetVisible(false);
  sComboBox1->SetWidth(960);
}

void TForm1::sComboBox1CloseUp(TObject*) { UpdateCardNavigation(); }

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  // Bits 31 (released) and 30 (was down) clear: the press itself, not its
  // release or auto-repeat, so one press makes one picture.
  const bool pressed = (static_cast<uint32_t>(lParam) & 0xC0000000u) == 0;
  if (code == HC_ACTION && wParam == VK_SNAPSHOT && pressed && Form1 && !Form1->sComboBox1->Text().empty() &&
      !(Form2 && Form2->Visible())) {
    // Nothing may leave a hook: a failed save goes to the application's handler.
    try {
      Form1->SaveCardScreenshot();
    } catch (...) {
      HandleCallbackException(Form1);
    }
  }
  return CallNextHookEx(KeyboardHook, code, wParam, lParam);
}

}  // namespace app
