#pragma once
// Times one start of a program: from process creation to its first visible
// top-level window, then ends the process before returning.
#include <string>

namespace startup_bench {

// Milliseconds from CreateProcess to a visible top-level window of the new
// process, polled with 1 ms waits. The process is terminated once its window
// is seen (and waited for, so a single-instance program can start again).
// Throws std::runtime_error when it cannot start, ends without a window, or
// shows none within `timeoutMs`.
double TimeToVisibleWindow(const std::wstring& exePath, unsigned timeoutMs);

}  // namespace startup_bench
