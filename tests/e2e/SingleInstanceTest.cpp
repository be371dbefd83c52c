#include <gtest/gtest.h>

#include "tests/e2e/ProgramProcess.h"

namespace {

using e2e::ProgramFolder;
using e2e::ProgramProcess;

TEST(SingleInstance, SecondCopyLeavesAtOnceWithoutAWindow) {
  ProgramFolder folder;
  ProgramProcess first(folder.ExePath());
  ASSERT_TRUE(first.Started());
  HWND mainWindow = first.WaitForWindow(20000);
  ASSERT_NE(mainWindow, nullptr) << "the first copy never showed its window";

  ProgramProcess second(folder.ExePath());
  ASSERT_TRUE(second.Started());
  // Watch the second copy until it ends: it must never show a window.
  DWORD exitCode = 1;
  bool ended = false;
  for (int i = 0; i < 500 && !ended; ++i) {
    EXPECT_TRUE(second.VisibleTopLevelWindows().empty());
    ended = second.WaitForExit(20, &exitCode);
  }
  ASSERT_TRUE(ended) << "the second copy is still running";
  EXPECT_EQ(exitCode, 0u);

  // The first copy is untouched: exactly one top-level window with the title.
  int titled = 0;
  for (HWND window : first.VisibleTopLevelWindows())
    if (e2e::WindowText(window) == L"Tessarilo zegarków") ++titled;
  EXPECT_EQ(titled, 1);

  PostMessageW(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first.WaitForExit(10000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
