#ifdef _WIN32
// A picture to look at, taken only when TESSARILO_PICTURES_DIR names a
// folder: push buttons, page tabs and bitmap buttons in the normal, hot,
// pressed, down, default, disabled and focused looks of the program's
// skin, as their windows show them. Skipped otherwise.
#include <cstdlib>
#include <filesystem>

#include "SkinnedControlFixture.h"
#include "png/PngObject.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"

namespace skin_test {
namespace {

using namespace classlib;
using skin::TsBitBtn;
using skin::TsButton;

using SkinButtonPictures = SkinnedControlFixture;

TEST_F(SkinButtonPictures, GalleryOfButtonStates) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  form_->SetColor(PaletteColour(palette::kForm));
  form_->SetBounds(40, 40, 660, 220);
  const wchar_t* captions[] = {L"Normalny", L"Gorący", L"Wciśnięty", L"Domyślny", L"Wyłączony", L"Z fokusem"};
  TWinControl* focused = nullptr;
  for (const wchar_t* section : {L"BUTTON", L"TABTOP"}) {
    const int top = section[0] == L'B' ? 20 : 70;
    for (int i = 0; i < 6; ++i) {
      auto* button = Add<TsButton>(nullptr, 10 + i * 105, top, 100, 32);
      button->SetAnimatEvents(skin::paint::TacAnimatEvents{});
      button->SkinData()->SetSkinSection(section);
      button->SetCaption(captions[i]);
      if (i == 1) button->Perform(CM_MOUSEENTER, 0, 0);
      if (i == 2) button->SetDown(true);
      if (i == 3) button->SetDefault(true);
      if (i == 4) button->SetEnabled(false);
      if (i == 5 && section[0] == L'B') focused = button;
    }
  }
  for (int i = 0; i < 3; ++i) {
    auto* bitBtn = Add<TsBitBtn>(nullptr, 10 + i * 160, 120, 150, 36);
    bitBtn->SetAnimatEvents(skin::paint::TacAnimatEvents{});
    bitBtn->SetCaption(i == 0 ? L"Raport" : i == 1 ? L"Raport (wciśnięty)" : L"Raport (wyłączony)");
    if (i == 1) bitBtn->SetDown(true);
    if (i == 2) bitBtn->SetEnabled(false);
  }
  ShowForm();
  if (focused) focused->SetFocus();
  for (int i = 0; i < 10; ++i) {
    Application->ProcessMessages();
    Sleep(20);
  }
  RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The window with its children, as shown.
  const int w = form_->ClientWidth(), h = form_->ClientHeight();
  TBitmap shot;
  shot.SetPixelFormat(pf24bit);
  shot.SetSize(w, h);
  HDC dc = GetDC(form_->Handle());
  BitBlt(shot.Canvas()->Handle(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
  ReleaseDC(form_->Handle(), dc);
  png::TPNGObject image;
  image.Assign(&shot);
  image.SaveToFile(std::filesystem::path(dir).wstring() + L"\\button-states.png");
}

}  // namespace
}  // namespace skin_test
#endif
