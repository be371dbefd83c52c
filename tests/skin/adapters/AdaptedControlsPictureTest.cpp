// A picture of raw system controls in the program's skin: buttons, boxes,
// statics, combo boxes and an up-down adapted on the right, their
// unadapted twins on the left. Written only when TESSARILO_PICTURES_DIR
// names a folder (run under Xvfb to look at it).
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>

#include "classlib/controls/Forms.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/ButtonWnd.h"
#include "skin/adapters/ComboBoxWnd.h"
#include "skin/adapters/SpinWnd.h"
#include "skin/adapters/StaticWnd.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "tests/skin/adapters/AdapterFixture.h"
#include "tests/skin/adapters/ScreenShot.h"

namespace skin_test {

using namespace classlib;
using namespace skin::adapters;

namespace {

class AdaptedControlsPicture : public AdapterFixture {
 protected:
  const char* SkinFile() const override { return TESSARILO_INTERNAL_SKIN_FILE; }
};

TEST_F(AdaptedControlsPicture, RawControlsBesideTheirUnadaptedTwins) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);

  std::unique_ptr<TForm> form(New<TForm>(nullptr));
  form->SetBounds(40, 40, 560, 470);
  form->SetColor(static_cast<TColor>(manager_->GetGlobalColor()));
  form->Show();
  HWND parent = form->Handle();
  HFONT font = GetSystemFont(5);

  std::vector<std::unique_ptr<TacMainWnd>> adapters;
  // One row: the raw twin at x, the adapted one at x + 270.
  auto row = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int y, int w, int h,
                 auto adapt) -> std::pair<HWND, HWND> {
    HWND pair[2];
    for (int i = 0; i < 2; ++i) {
      pair[i] = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 20 + i * 270, y, w, h, parent, nullptr,
                                nullptr, nullptr);
      SendMessageW(pair[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    adapters.emplace_back(adapt(pair[1]));
    return {pair[0], pair[1]};
  };
  auto button = [&](HWND w) { return MakeAdapter<TacBtnWnd>(w, false, L"", manager_.get(), nullptr); };
  auto check = [&](HWND w) { return MakeAdapter<TacCheckBoxWnd>(w, false, L"", manager_.get(), nullptr); };
  // The program's skin has no group box section: a panel's stands in.
  auto group = [&](HWND w) { return MakeAdapter<TacGroupBoxWnd>(w, false, L"PANEL_LOW", manager_.get(), nullptr); };
  auto text = [&](HWND w) { return MakeAdapter<TacStaticWnd>(w, false, L"CHECKBOX", manager_.get(), nullptr); };
  auto combo = [&](HWND w) { return MakeAdapter<TacComboBoxWnd>(w, false, L"COMBOBOX", manager_.get(), nullptr); };
  auto spin = [&](HWND w) { return MakeAdapter<TacSpinWnd>(w, false, L"", manager_.get(), nullptr); };

  row(L"BUTTON", L"Zapisz kartę", BS_PUSHBUTTON, 20, 230, 30, button);
  row(L"BUTTON", L"Domyślny", BS_DEFPUSHBUTTON, 60, 110, 30, button);
  auto disabled = row(L"BUTTON", L"Nieaktywny", BS_PUSHBUTTON | WS_DISABLED, 60, 110, 30, button);
  MoveWindow(disabled.first, 140, 60, 110, 30, TRUE);
  MoveWindow(disabled.second, 410, 60, 110, 30, TRUE);
  auto box = row(L"BUTTON", L"Serwis wykonany", BS_AUTOCHECKBOX, 100, 230, 22, check);
  SendMessageW(box.first, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(box.second, BM_SETCHECK, BST_CHECKED, 0);
  row(L"BUTTON", L"Stal", BS_AUTORADIOBUTTON, 126, 110, 22, check);
  row(L"BUTTON", L"Koperta", BS_GROUPBOX, 156, 230, 70, group);
  row(L"STATIC", L"Numer referencyjny zegarka", SS_LEFT, 240, 230, 20, text);
  auto list = row(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 270, 230, 160, combo);
  auto edit = row(L"COMBOBOX", L"", CBS_DROPDOWN | WS_VSCROLL, 310, 230, 160, combo);
  for (auto pair : {list, edit})
    for (HWND w : {pair.first, pair.second}) {
      for (const wchar_t* item : {L"Omega Seamaster", L"Seiko SKX007", L"Zenith El Primero"})
        SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      SendMessageW(w, CB_SETCURSEL, 1, 0);
    }
  row(UPDOWN_CLASSW, L"", 0, 350, 20, 40, spin);
  Settle();
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

  RECT area;
  GetWindowRect(parent, &area);
  Shoot(area, std::filesystem::path(dir).wstring() + L"\\adapted-controls.png");
  adapters.clear();
  DeleteObject(font);
}

}  // namespace
}  // namespace skin_test
