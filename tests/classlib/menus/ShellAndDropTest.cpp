#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "classlib/core/Utf8.h"
#include "classlib/menus/DragDrop.h"
#include "classlib/menus/Shell.h"

namespace classlib {
namespace {

std::wstring TempLogPath() {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + L"h7-shell-" + std::to_wstring(GetCurrentProcessId()) + L".log";
}

TEST(ShellOpen, RedirectedToALogRecordsExactTargets) {
  const std::wstring log = TempLogPath();
  DeleteFileW(log.c_str());
  RedirectShellOpenToLog(log);
  const std::wstring card = L"C:\\Karty\\Zegarek – Łódź\\Dokument.pdf";
  EXPECT_TRUE(ShellOpen(card));
  EXPECT_TRUE(ShellOpen(L"www.example.pl"));
  EXPECT_TRUE(ShellOpen(L"WWW.Example.pl/a b"));
  EXPECT_TRUE(ShellOpen(L"https://example.pl/x"));
  EXPECT_TRUE(ShellOpen(L"C:\\Karty\\Galeria"));
  SetShellOpenHandler(nullptr);

  std::ifstream file(WideToUtf8(log), std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  file.close();
  DeleteFileW(log.c_str());
  EXPECT_EQ(Utf8ToWide(bytes.str()), card + L"\r\n" +
                                         L"http://www.example.pl\r\n"
                                         L"http://WWW.Example.pl/a b\r\n"
                                         L"https://example.pl/x\r\n"
                                         L"C:\\Karty\\Galeria\r\n");
}

TEST(ShellOpen, HandlerSeesTheTargetAndItsAnswerIsReturned) {
  std::vector<std::wstring> seen;
  const TShellOpenHandler old = SetShellOpenHandler([&](const std::wstring& target) {
    seen.push_back(target);
    return false;
  });
  EXPECT_FALSE(ShellOpen(L"www.example.pl"));
  EXPECT_FALSE(old);
  SetShellOpenHandler(nullptr);
  EXPECT_EQ(seen, std::vector<std::wstring>{L"http://www.example.pl"});
  EXPECT_EQ(ShellOpenTarget(L"wwwexample.pl"), L"wwwexample.pl");
}

// A drop handle as the shell makes it: DROPFILES, then the wide paths, each
// ending with a zero, and one more zero.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  size_t chars = 1;
  for (const std::wstring& path : paths) chars += path.size() + 1;
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  auto* text = reinterpret_cast<wchar_t*>(header + 1);
  for (const std::wstring& path : paths) {
    std::memcpy(text, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    text += path.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST(DroppedFiles, ThreeFilesGiveThreeWidePathsOfAnyLength) {
  const std::wstring longPath = L"C:\\" + std::wstring(300, L'x') + L"\\zdjęcie.JPG";
  const std::vector<std::wstring> paths = {L"C:\\Skany\\SCAN.PDF", L"D:\\Zdjęcia\\Łódź — zegarek.png", longPath};
  EXPECT_EQ(TakeDroppedFiles(MakeDrop(paths)), paths);
  EXPECT_TRUE(TakeDroppedFiles(nullptr).empty());
}

TEST(DroppedFiles, HandlesThatAreNoDropBlockOfOursGiveNothingAndDoNotCrash) {
  // Freed: the state a drop posted by another process arrives in.
  const HDROP freed = MakeDrop({L"C:\\a.pdf"});
  GlobalFree(freed);
  EXPECT_TRUE(TakeDroppedFiles(freed).empty());
  // A value that never was a handle here.
  EXPECT_TRUE(TakeDroppedFiles(reinterpret_cast<HDROP>(static_cast<uintptr_t>(0x7ff01234))).empty());
  // Too short for a header: read nothing, but it is ours, so it stays.
  const HGLOBAL tiny = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
  EXPECT_TRUE(TakeDroppedFiles(static_cast<HDROP>(tiny)).empty());
  EXPECT_EQ(GlobalSize(tiny), 4u);
  GlobalFree(tiny);
  // A names offset past the block's end.
  const HDROP wild = MakeDrop({L"C:\\a.pdf"});
  static_cast<DROPFILES*>(GlobalLock(wild))->pFiles = 1 << 20;
  GlobalUnlock(wild);
  EXPECT_TRUE(TakeDroppedFiles(wild).empty());
}

TEST(DroppedFiles, WindowReceivesDropsOnlyWhileAccepting) {
  const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  AcceptDroppedFiles(window, true);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  AcceptDroppedFiles(window, false);
  EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  DestroyWindow(window);
}

}  // namespace
}  // namespace classlib
#endif
