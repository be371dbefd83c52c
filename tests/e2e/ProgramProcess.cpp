#include "tests/e2e/ProgramProcess.h"

#include <filesystem>
#include <stdexcept>

namespace e2e {
namespace {

std::filesystem::path TestExecutableFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

}  // namespace

ProgramFolder::ProgramFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path folder = std::filesystem::path(temp) /
      (L"tessarilo-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
       std::to_wstring(GetTickCount64()));
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(TestExecutableFolder() / L"tessarilo.exe", folder / L"tessarilo.exe");
  path_ = folder.wstring();
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

ProgramProcess::ProgramProcess(const std::wstring& exePath) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exePath + L"\"";
  const std::wstring folder = std::filesystem::path(exePath).parent_path().wstring();
  if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info_))
    info_ = {};
}

ProgramProcess::~ProgramProcess() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool ProgramProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

std::vector<HWND> ProgramProcess::VisibleTopLevelWindows() const {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{info_.dwProcessId, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId && IsWindowVisible(window)) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ProgramProcess::WaitForWindow(DWORD timeoutMs) const {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  do {
    const auto windows = VisibleTopLevelWindows();
    if (!windows.empty()) return windows.front();
    Sleep(20);
  } while (GetTickCount64() < end);
  return nullptr;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& classPart) {
  struct Search {
    std::wstring classPart;
    std::vector<HWND> found;
  } search{classPart, {}};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t name[128] = {};
        GetClassNameW(child, name, 128);
        std::wstring lower(name);
        for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
        if (lower.find(s->classPart) != std::wstring::npos) s->found.push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

}  // namespace e2e
