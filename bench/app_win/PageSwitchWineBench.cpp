// Under Wine: switching the card's pages skinned against with the skin
// switched off, the median of 20 rounds of each in one run. The goal is a
// skinned switch costing at most four times the plain one; the figures are
// printed, not asserted (a busy machine says nothing about the code).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "AppTestFolder.h"

namespace app_test {

using PageSwitchWineBench = AppTestFolder;

TEST_F(PageSwitchWineBench, SkinnedAgainstPlainPageSwitch) {
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
  std::printf("page switch, median of 20: skinned %.0f us, plain %.0f us, ratio %.2f (goal at most 4)\n", skinned,
              plain, skinned / plain);
}

}  // namespace app_test
