#pragma once
// Processor features, processor count, millisecond ticks and the
// high-resolution timer of the bitmap library.
#include <cstdint>

namespace bmp32 {

enum TProcessorFeature : std::uint8_t {
  pfMMX = 0,
  pfExMMX = 1,
  pfSSE = 2,
  pfSSE2 = 3,
  pf3DNow = 4,
  pfEx3DNow = 5,
};

// A set of processor features, one bit per feature (bit = 1 << feature).
using TProcessorFeatures = std::uint8_t;

constexpr TProcessorFeatures FeatureBit(TProcessorFeature feature) {
  return static_cast<TProcessorFeatures>(1u << feature);
}

// The registers the feature test reads, captured once so that the decision
// can also be checked against other processors' answers.
struct TCpuidSnapshot {
  bool Available = false;           // the identification instruction exists
  std::uint32_t Std1Eax = 0;        // standard function 1, first result
  std::uint32_t Std1Edx = 0;        // standard function 1, feature word
  std::uint32_t MaxExtended = 0;    // highest extended function
  std::uint32_t Ext1Edx = 0;        // extended function 0x80000001, feature word
};

TCpuidSnapshot ReadCpuid();
bool HasFeatureIn(const TCpuidSnapshot& cpu, TProcessorFeature feature);

bool HasProcessorFeature(TProcessorFeature feature);
// This processor's features, computed on first use and cached.
TProcessorFeatures ProcessorFeatures();

// At least 1.
int GetProcessorCount();
// Milliseconds of a monotonic clock; wraps like the system tick count.
std::uint32_t GetTickCount();

class TPerfTimer {
 public:
  void Start();
  // Microseconds since Start, rounded to the nearest.
  std::int64_t ElapsedMicroseconds();

  std::int64_t Frequency() const { return frequency_; }
  std::int64_t StartCount() const { return start_count_; }
  std::int64_t StopCount() const { return stop_count_; }

 private:
  std::int64_t frequency_ = 0;
  std::int64_t start_count_ = 0;
  std::int64_t stop_count_ = 0;
};

extern TPerfTimer GlobalPerfTimer;

}  // namespace bmp32
