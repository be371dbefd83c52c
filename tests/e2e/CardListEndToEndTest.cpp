#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/ProgramProcess.h"

namespace {

namespace fs = std::filesystem;
using e2e::ProgramFolder;
using e2e::ProgramProcess;
using e2e::ChildrenOfClass;

std::wstring ComboItem(HWND combo, int index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return L"<none>";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

// The program started from its own folder lists the card folders of its
// "Karty\" folder and loads the card picked in the list.
TEST(CardListEndToEnd, ListsTheCardsBesideTheProgramAndLoadsOne) {
  ProgramFolder folder;
  const fs::path cards = fs::path(folder.Path()) / L"Karty";
  fs::create_directories(cards / L"Żaba");
  fs::create_directories(cards / L"Alfa");
  std::ofstream(cards / L"Alfa" / L"Dane.ini", std::ios::binary) << "[Ogolne]\r\nProducent=Omega\r\n";
  std::ofstream(cards / L"plik.txt", std::ios::binary) << "nie karta";

  ProgramProcess program(folder.ExePath());
  ASSERT_TRUE(program.Started());
  HWND window = program.WaitForWindow(20000);
  ASSERT_NE(window, nullptr);
  const std::vector<HWND> combos = ChildrenOfClass(window, L"combobox");
  ASSERT_EQ(combos.size(), 1u);
  HWND combo = combos[0];
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(ComboItem(combo, 0), L"Alfa");
  EXPECT_EQ(ComboItem(combo, 1), L"Żaba");

  // Picking the card as the list tells its window.
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  // Edits of another process answer WM_GETTEXT, not GetWindowText.
  std::vector<std::wstring> texts;
  for (HWND edit : ChildrenOfClass(window, L"edit")) {
    wchar_t text[256] = {};
    SendMessageW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    texts.push_back(text);
  }
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"Alfa"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"Omega"), texts.end());
  EXPECT_TRUE(fs::is_directory(cards / L"Alfa" / L"Galeria"));
  EXPECT_TRUE(fs::exists(cards / L"Alfa" / L"Notatki.txt"));

  DWORD exitCode = 1;
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit(10000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
