#pragma once
// Timing of the benchmarks that run under Wine: the median of repeated runs.
#include <windows.h>

#include <algorithm>
#include <type_traits>
#include <vector>

namespace wine_bench {

inline double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Fn takes the run's number when it wants it.
template <class Fn>
double MedianMs(int runs, Fn fn) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = NowMs();
    if constexpr (std::is_invocable_v<Fn, int>) fn(i);
    else fn();
    times.push_back(NowMs() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace wine_bench
