// Start-up benchmark: starts tessarilo.exe and the minimal one-window program
// alternately, times each from process creation to its visible window, and
// prints both medians and their ratio. Run under the tests' Wine prefix:
//   scripts/wine.sh build/windows/wineprefix run build/windows/bin/startup_bench.exe [--runs N]
// Each program runs from a copy in a temporary folder, because tessarilo.exe
// keeps its cards beside itself.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <filesystem>
#include <vector>

#include "bench/startup/StartupTiming.h"

namespace {

namespace fs = std::filesystem;

constexpr unsigned kWindowTimeoutMs = 30000;

fs::path ThisProgramFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

// A fresh temporary folder, removed with all it holds on destruction.
class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = fs::temp_directory_path() / (L"tessarilo-startup-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Copies `program` into its own subfolder and returns the copy's path.
  std::wstring Place(const fs::path& program, const wchar_t* subfolder) const {
    const fs::path folder = path_ / subfolder;
    fs::create_directories(folder);
    fs::copy_file(program, folder / program.filename());
    return (folder / program.filename()).wstring();
  }

 private:
  fs::path path_;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintRuns(const char* name, const std::vector<double>& times) {
  std::printf("%-8s", name);
  for (double ms : times) std::printf(" %6.1f", ms);
  std::printf("   median %.1f ms\n", Median(times));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = 10;
  fs::path ours = ThisProgramFolder() / L"tessarilo.exe";
  fs::path minimal = ThisProgramFolder() / L"startup_minimal_window.exe";
  for (int i = 1; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, _wtoi(argv[++i]));
    } else if (std::wcscmp(argv[i], L"--ours") == 0 && i + 1 < argc) {
      ours = argv[++i];
    } else if (std::wcscmp(argv[i], L"--minimal") == 0 && i + 1 < argc) {
      minimal = argv[++i];
    } else {
      std::fprintf(stderr, "usage: startup_bench [--runs N] [--ours tessarilo.exe] [--minimal program.exe]\n");
      return 2;
    }
  }

  try {
    ScratchFolder scratch;
    const std::wstring oursCopy = scratch.Place(ours, L"ours");
    const std::wstring minimalCopy = scratch.Place(minimal, L"minimal");

    // One warm-up each: the first start pays for the file cache and for the
    // card folder the program creates.
    startup_bench::TimeToVisibleWindow(oursCopy, kWindowTimeoutMs);
    startup_bench::TimeToVisibleWindow(minimalCopy, kWindowTimeoutMs);

    std::vector<double> oursTimes, minimalTimes;
    for (int run = 0; run < runs; ++run) {
      oursTimes.push_back(startup_bench::TimeToVisibleWindow(oursCopy, kWindowTimeoutMs));
      minimalTimes.push_back(startup_bench::TimeToVisibleWindow(minimalCopy, kWindowTimeoutMs));
    }

    std::printf("time from process creation to a visible window, ms (%d runs each)\n", runs);
    PrintRuns("ours", oursTimes);
    PrintRuns("minimal", minimalTimes);
    std::printf("ratio %.2f (ours over minimal)\n", Median(oursTimes) / Median(minimalTimes));
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup_bench: %s\n", error.what());
    return 1;
  }
}
