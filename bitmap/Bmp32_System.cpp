#include "bitmap/Bmp32_System.h"

#include <chrono>
#include <cmath>
#include <thread>

#include "bitmap/Bmp32_Error.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#define BMP32_HAVE_CPUID 1
#endif

namespace bmp32 {

namespace {

constexpr std::uint32_t kMaskMMX = 0x00800000;
constexpr std::uint32_t kMaskExMMX = 0x00400000;
constexpr std::uint32_t kMaskSSE = 0x02000000;
constexpr std::uint32_t kMaskSSE2 = 0x04000000;
constexpr std::uint32_t k3DNow = 0x80000000;
constexpr std::uint32_t kEx3DNow = 0x40000000;

std::uint32_t FeatureMask(TProcessorFeature feature) {
  switch (feature) {
    case pfMMX: return kMaskMMX;
    case pfExMMX: return kMaskExMMX;
    case pfSSE: return kMaskSSE;
    case pfSSE2: return kMaskSSE2;
    case pf3DNow: return k3DNow;
    case pfEx3DNow: return kEx3DNow;
  }
  return 0;
}

const TCpuidSnapshot& ThisProcessor() {
  static const TCpuidSnapshot snapshot = ReadCpuid();
  return snapshot;
}

}  // namespace

TCpuidSnapshot ReadCpuid() {
  TCpuidSnapshot cpu;
#ifdef BMP32_HAVE_CPUID
  // On 32-bit processors this toggles the identification flag first; it
  // answers 0 when the instruction does not exist.
  if (__get_cpuid_max(0, nullptr) < 1) return cpu;
  cpu.Available = true;
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  __cpuid(1, eax, ebx, ecx, edx);
  cpu.Std1Eax = eax;
  cpu.Std1Edx = edx;
  cpu.MaxExtended = __get_cpuid_max(0x80000000, nullptr);
  if (cpu.MaxExtended >= 0x80000001) {
    __cpuid(0x80000001, eax, ebx, ecx, edx);
    cpu.Ext1Edx = edx;
  }
#endif
  return cpu;
}

bool HasFeatureIn(const TCpuidSnapshot& cpu, TProcessorFeature feature) {
  if (!cpu.Available) return false;
  if (((cpu.Std1Eax >> 8) & 0xF) < 5) return false;
  const bool extendedReach = cpu.MaxExtended >= 0x80000001;
  switch (feature) {
    case pfExMMX:
      // Every processor with SSE has the extended multimedia instructions.
      if (cpu.Std1Edx & kMaskSSE) return true;
      return extendedReach && (cpu.Ext1Edx & kMaskExMMX);
    case pf3DNow:
    case pfEx3DNow:
      return extendedReach && (cpu.Ext1Edx & FeatureMask(feature));
    default:
      return (cpu.Std1Edx & FeatureMask(feature)) != 0;
  }
}

bool HasProcessorFeature(TProcessorFeature feature) {
  return HasFeatureIn(ThisProcessor(), feature);
}

TProcessorFeatures ProcessorFeatures() {
  static const TProcessorFeatures features = [] {
    TProcessorFeatures set = 0;
    for (auto f : {pfMMX, pfExMMX, pfSSE, pfSSE2, pf3DNow, pfEx3DNow})
      if (HasProcessorFeature(f)) set |= FeatureBit(f);
    return set;
  }();
  return features;
}

int GetProcessorCount() {
  const unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1 : static_cast<int>(n);
}

std::uint32_t GetTickCount() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(ms.count());
}

namespace {

std::int64_t CounterNow() {
  return static_cast<std::int64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

constexpr std::int64_t CounterFrequency() {
  using Period = std::chrono::steady_clock::period;
  return static_cast<std::int64_t>(Period::den / Period::num);
}

}  // namespace

void TPerfTimer::Start() { start_count_ = CounterNow(); }

std::int64_t TPerfTimer::ElapsedMicroseconds() {
  stop_count_ = CounterNow();
  frequency_ = CounterFrequency();
  if (frequency_ <= 0) throw EBmp32Error(L"The performance counter has no frequency");
  // In floating point: a 64-bit product of a nanosecond count and a million
  // overflows after about two and a half hours.
  const long double ticks = static_cast<long double>(stop_count_ - start_count_);
  return std::llround(ticks * 1000000.0L / static_cast<long double>(frequency_));
}

TPerfTimer GlobalPerfTimer;

}  // namespace bmp32
