#ifdef _WIN32
// Pictures to look at, taken only when TESSARILO_PICTURES_DIR names a folder
// (under Xvfb): the card list with a chosen card beside the navigation
// panel, and its list dropped down. Skipped otherwise.
#include <gtest/gtest.h>
#include <windows.h>

#include "AppTestFolder.h"
#include "classlib/controls/Application.h"
#include "classlib/graphics/Bitmap.h"
#include "tests/skin/paint/PictureFiles.h"

namespace app_test {

using namespace classlib;

namespace {

void Settle() {
  for (int i = 0; i < 20; ++i) {
    Application->ProcessMessages();
    Sleep(25);
  }
}

// What the screen shows of the window (its children and pop-ups over it
// included), saved as a PNG.
void SaveWindow(HWND wnd, const std::wstring& file) {
  RECT r;
  GetWindowRect(wnd, &r);
  TBitmap bmp;
  bmp.SetPixelFormat(pf24bit);
  bmp.SetSize(r.right - r.left, r.bottom - r.top);
  const HDC screen = GetDC(nullptr);
  BitBlt(bmp.Canvas()->Handle(), 0, 0, bmp.Width(), bmp.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
  skin::paint::testing::SavePng(&bmp, file);
}

}  // namespace

using CardListPicturesTest = AppTestFolder;

TEST_F(CardListPicturesTest, ChosenCardAndDroppedList) {
  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (dir.empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  for (const wchar_t* name : {L"Omega Seamaster", L"Seiko 5", L"Zenith El Primero"}) MakeCard(name);
  app::TForm1& f = Form();
  f.SetBounds(40, 40, f.Width(), f.Height());
  f.Show();
  Pick(L"Seiko 5");
  Settle();
  SaveWindow(f.Handle(), dir + L"\\card-chosen.png");
  f.sComboBox1->SetFocus();
  f.sComboBox1->SetDroppedDown(true);
  Settle();
  SaveWindow(f.Handle(), dir + L"\\card-list-dropped.png");
  f.sComboBox1->SetDroppedDown(false);
  Settle();
}

}  // namespace app_test
#endif
