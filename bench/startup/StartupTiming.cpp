#include "bench/startup/StartupTiming.h"

#include <windows.h>

#include <stdexcept>

namespace startup_bench {
namespace {

struct WindowSearch {
  DWORD processId;
  bool found;
};

BOOL CALLBACK NoteVisibleWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->found = true;
  return FALSE;
}

bool HasVisibleWindow(DWORD processId) {
  WindowSearch search{processId, false};
  EnumWindows(NoteVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Ends the process however its start went, so the next run starts alone.
class StartedProcess {
 public:
  explicit StartedProcess(const std::wstring& exePath) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    const std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\'));
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info_))
      throw std::runtime_error("cannot start " + Narrow(exePath));
  }
  ~StartedProcess() {
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, INFINITE);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;

  DWORD Id() const { return info_.dwProcessId; }
  // True when the process ended within the wait.
  bool Ended(DWORD waitMs) const { return WaitForSingleObject(info_.hProcess, waitMs) == WAIT_OBJECT_0; }

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace

double TimeToVisibleWindow(const std::wstring& exePath, unsigned timeoutMs) {
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  StartedProcess process(exePath);
  for (;;) {
    const bool visible = HasVisibleWindow(process.Id());
    QueryPerformanceCounter(&now);
    if (visible) return Milliseconds(start, now);
    if (Milliseconds(start, now) > timeoutMs)
      throw std::runtime_error(Narrow(exePath) + " showed no window in time");
    if (process.Ended(1)) throw std::runtime_error(Narrow(exePath) + " ended without showing a window");
  }
}

}  // namespace startup_bench
