#include <gtest/gtest.h>

#include "bitmap/Bmp32_Rasterizers.h"
#include "bitmap/Bmp32_System.h"

namespace bmp32 {
namespace {

TCpuidSnapshot Processor(std::uint32_t family, std::uint32_t stdEdx, std::uint32_t maxExt = 0,
                         std::uint32_t extEdx = 0) {
  TCpuidSnapshot cpu;
  cpu.Available = true;
  cpu.Std1Eax = family << 8;
  cpu.Std1Edx = stdEdx;
  cpu.MaxExtended = maxExt;
  cpu.Ext1Edx = extEdx;
  return cpu;
}

TEST(ProcessorFeatures, DecidedFromTheIdentificationWords) {
  const std::uint32_t mmx = 0x00800000, sse = 0x02000000, sse2 = 0x04000000;
  // A processor with SSE has the extended multimedia set without asking the
  // extended range.
  const TCpuidSnapshot modern = Processor(6, mmx | sse | sse2);
  EXPECT_TRUE(HasFeatureIn(modern, pfMMX));
  EXPECT_TRUE(HasFeatureIn(modern, pfExMMX));
  EXPECT_TRUE(HasFeatureIn(modern, pfSSE2));
  EXPECT_FALSE(HasFeatureIn(modern, pf3DNow));

  // Without SSE the extended feature word decides, and only when the
  // extended range reaches 0x80000001.
  const TCpuidSnapshot k6 = Processor(5, mmx, 0x80000001, 0x80000000 | 0x00400000);
  EXPECT_TRUE(HasFeatureIn(k6, pfExMMX));
  EXPECT_TRUE(HasFeatureIn(k6, pf3DNow));
  EXPECT_FALSE(HasFeatureIn(k6, pfEx3DNow));
  EXPECT_FALSE(HasFeatureIn(k6, pfSSE));
  const TCpuidSnapshot shortRange = Processor(5, mmx, 0x80000000, 0xFFFFFFFF);
  EXPECT_FALSE(HasFeatureIn(shortRange, pfExMMX));
  EXPECT_FALSE(HasFeatureIn(shortRange, pf3DNow));

  // Before family 5, or with no identification instruction, nothing.
  EXPECT_FALSE(HasFeatureIn(Processor(4, mmx), pfMMX));
  TCpuidSnapshot none = modern;
  none.Available = false;
  EXPECT_FALSE(HasFeatureIn(none, pfMMX));
}

TEST(ProcessorFeatures, ThisProcessorHasSse2) {
#if defined(__x86_64__)
  EXPECT_TRUE(HasProcessorFeature(pfSSE2));
  const TProcessorFeatures expected =
      FeatureBit(pfMMX) | FeatureBit(pfExMMX) | FeatureBit(pfSSE) | FeatureBit(pfSSE2);
  EXPECT_EQ(ProcessorFeatures() & expected, expected);
#else
  GTEST_SKIP() << "not an x86_64 build";
#endif
}

TEST(ProcessorCount, AtLeastOneAndKeptForRasterising) {
  EXPECT_GE(GetProcessorCount(), 1);
  EXPECT_EQ(ProcessorCount, GetProcessorCount());
}

TEST(PerfTimer, MeasuresForwardWithAPositiveFrequency) {
  TPerfTimer timer;
  timer.Start();
  const std::uint32_t tick = GetTickCount();
  while (GetTickCount() - tick < 2) {
  }
  const std::int64_t elapsed = timer.ElapsedMicroseconds();
  EXPECT_GT(timer.Frequency(), 0);
  EXPECT_GE(timer.StopCount(), timer.StartCount());
  EXPECT_GE(elapsed, 1000);
  EXPECT_LT(elapsed, 10'000'000);
}

}  // namespace
}  // namespace bmp32
