#pragma once
// Starts copies of tessarilo.exe from a temporary folder and watches their
// top-level windows, for end-to-end tests.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A fresh temporary folder holding a copy of the program built beside the
// test; removed again, with everything the program wrote, on destruction.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  std::wstring ExePath() const { return path_ + L"\\tessarilo.exe"; }

 private:
  std::wstring path_;
};

class ProgramProcess {
 public:
  explicit ProgramProcess(const std::wstring& exePath);
  ~ProgramProcess();  // terminates the process if it still runs
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }

  // True when the process ended within the time; its exit code in `exitCode`.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
  // The process's visible top-level windows.
  std::vector<HWND> VisibleTopLevelWindows() const;
  // Waits until the process shows a top-level window; null on timeout.
  HWND WaitForWindow(DWORD timeoutMs) const;

 private:
  PROCESS_INFORMATION info_{};
};

std::wstring WindowText(HWND window);
// Every descendant window whose class name contains `classPart` (lower case),
// compared case-insensitively.
std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& classPart);

}  // namespace e2e
