#ifdef _WIN32
// Switching the card's pages costs at most four times as much skinned as
// with the skin switched off: the median of 20 switches of each, same run.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "AppTestFolder.h"

namespace app_test {

using PageSwitchSpeedTest = AppTestFolder;

TEST_F(PageSwitchSpeedTest, SkinnedPageSwitchIsAtMostFourTimesThePlainOne) {
  MakeCard(L"Omega", "[Dane]\r\n");
  app::TForm1& f = Form();
  f.Show();
  Pick(L"Omega");
  // One round: three page switches, each painted through.
  const auto round = [&] {
    const auto start = std::chrono::steady_clock::now();
    for (auto* tab : {f.sButton2, f.sButton3, f.sButton1}) {
      f.sButton1Click(tab);
      RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  };
  const auto median = [](std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
  };
  // Blocks of both kinds take turns, so a busy machine slows both alike.
  std::vector<double> skinnedTimes, plainTimes;
  for (int block = 0; block < 4; ++block)
    for (const bool active : {true, false}) {
      f.sSkinManager1->SetActive(active);
      round();  // warm-up after the switch: caches and fonts
      for (int i = 0; i < 5; ++i) (active ? skinnedTimes : plainTimes).push_back(round());
    }
  const double skinned = median(skinnedTimes);
  const double plain = median(plainTimes);
  std::printf("page switch, median of 20: skinned %.0f us, plain %.0f us, ratio %.2f\n", skinned, plain,
              skinned / plain);
  EXPECT_LE(skinned, 4 * plain) << "skinned " << skinned << " us, plain " << plain << " us";
}

}  // namespace app_test
#endif
