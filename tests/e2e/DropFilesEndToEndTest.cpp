// A WM_DROPFILES posted by another process carries a handle of that process.
// The program must ignore it: stay alive, keep answering, write nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "tests/e2e/ProgramProcess.h"

namespace {

namespace fs = std::filesystem;

std::set<std::wstring> FilesUnder(const fs::path& folder) {
  std::set<std::wstring> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) files.insert(entry.path().wstring());
  return files;
}

// A drop block of this process naming one picture.
HGLOBAL DropBlockOfOurs(const std::wstring& file) {
  const size_t bytes = sizeof(DROPFILES) + (file.size() + 2) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, file.c_str(), file.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

TEST(DropFilesEndToEnd, AForeignDropLeavesTheProgramAliveAndAnswering) {
  e2e::ProgramFolder folder;
  const fs::path cards = fs::path(folder.Path()) / L"Karty";
  fs::create_directories(cards / L"Alfa" / L"Galeria");
  const fs::path picture = fs::path(folder.Path()) / L"obraz.png";
  std::ofstream(picture, std::ios::binary) << "not read";

  e2e::ProgramProcess program(folder.ExePath());
  ASSERT_TRUE(program.Started());
  const HWND window = program.WaitForWindow(20000);
  ASSERT_NE(window, nullptr);
  const std::set<std::wstring> before = FilesUnder(folder.Path());

  const HGLOBAL ours = DropBlockOfOurs(picture.wstring());
  ASSERT_TRUE(PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(ours), 0));
  ASSERT_TRUE(PostMessageW(window, WM_DROPFILES, static_cast<WPARAM>(0x7ff01234), 0));
  ASSERT_TRUE(PostMessageW(window, WM_DROPFILES, 0, 0));

  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
  Sleep(200);
  EXPECT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
  EXPECT_FALSE(program.WaitForExit(0));
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(FilesUnder(folder.Path()), before);
  GlobalFree(ours);
}

}  // namespace
