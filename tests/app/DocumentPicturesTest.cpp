#ifdef _WIN32
// Pictures to look at, taken only when TESSARILO_PICTURES_DIR names a folder
// and a display is there (under Xvfb): the document button in each state,
// the calibre menu open over the window, and the card's pages in the skin.
// Skipped otherwise.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <fstream>

#include "AppTestFolder.h"
#include "classlib/controls/Application.h"

namespace app_test {

using namespace classlib;

namespace {

// The screen's pixels inside `r` as a 24-bit BMP file.
void SaveScreenRect(const RECT& r, const std::wstring& file) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
  BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * h), 0,
                          0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  std::ofstream out(fs::path(file), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(stride) * h);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void Settle() {
  for (int i = 0; i < 20; ++i) {
    Application->ProcessMessages();
    Sleep(25);
  }
}

std::wstring PicturesDir() {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  return dir ? fs::path(dir).wstring() : std::wstring();
}

}  // namespace

using DocumentPicturesTest = AppTestFolder;

TEST_F(DocumentPicturesTest, ButtonStatesAndCalibreMenu) {
  if (PicturesDir().empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  static std::wstring dir;
  static HWND form;
  dir = PicturesDir();
  MakeCard(L"Alfa");
  app::TForm1& f = Form();
  f.SetBounds(40, 40, f.Width(), f.Height());
  f.Show();
  form = f.Handle();
  Pick(L"Alfa");
  f.sButton1Click(f.sButton1);
  const std::wstring pdf = (root_ / L"faktura.pdf").wstring();
  std::ofstream(fs::path(pdf), std::ios::binary) << "%PDF";

  auto shoot = [&](const wchar_t* name) {
    Settle();
    RECT r;
    GetWindowRect(f.sBitBtn6->Handle(), &r);
    InflateRect(&r, 170, 12);
    r.left += 150;
    SaveScreenRect(r, dir + L"\\" + name);
  };
  shoot(L"document-0-wybierz.bmp");
  f.DropFiles({pdf}, f.sBitBtn6->ClientToScreen(TPoint{5, 5}));
  shoot(L"document-2-dodano.bmp");
  f.SaveCard();
  shoot(L"document-1-zapisano.bmp");
  f.Wyczy2Click(nullptr);
  shoot(L"document-3-usunieto.bmp");

  f.zdefiniuj21Click(nullptr);
  f.sButton1Click(f.sButton2);
  Settle();
  const UINT_PTR timer = SetTimer(nullptr, 0, 400, [](HWND, UINT, UINT_PTR, DWORD) {
    RECT r;
    GetWindowRect(form, &r);
    r.left = 0;
    r.bottom += 40;
    SaveScreenRect(r, dir + L"\\calibre-menu.bmp");
    EndMenu();
  });
  bool handled = false;
  f.sEdit12ContextPopup(f.sEdit12, TPoint{0, 0}, handled);
  KillTimer(nullptr, timer);
}

TEST_F(DocumentPicturesTest, CardPagesInTheSkin) {
  if (PicturesDir().empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  MakeCard(L"Omega", "[Dane]\r\n");
  app::TForm1& f = Form();
  f.SetBounds(20, 20, f.Width(), f.Height());
  f.Show();
  Pick(L"Omega");
  f.sCheckBox2->SetChecked(true);
  f.sCheckBox8->SetChecked(true);
  f.sCheckBox13->SetChecked(true);
  f.sEdit2->SetText(L"Omega");
  f.sEdit18->SetText(L"100");
  f.sEdit19->SetText(L"42");
  f.sEdit2->SetFocus();
  auto shoot = [&](const wchar_t* name) {
    Settle();
    RECT r;
    GetWindowRect(f.Handle(), &r);
    SaveScreenRect(r, PicturesDir() + L"\\" + name);
  };
  f.sButton1Click(f.sButton1);
  shoot(L"strona-glowne.bmp");
  f.sButton1Click(f.sButton2);
  shoot(L"strona-mechanizm.bmp");
  f.sButton1Click(f.sButton3);
  shoot(L"strona-koperta.bmp");
  f.sButton1Click(f.sButton1);
  // A save without a name marks the name field.
  f.sEdit1->Clear();
  f.sBitBtn3Click(nullptr);
  shoot(L"nazwa-wykrzyknik.bmp");
}

}  // namespace app_test
#endif
