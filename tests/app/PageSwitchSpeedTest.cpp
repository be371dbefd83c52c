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
  const auto medianSwitch = [&] {
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
      const auto start = std::chrono::steady_clock::now();
      for (auto* tab : {f.sButton2, f.sButton3, f.sButton1}) {
        f.sButton1Click(tab);
        RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
      }
      times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + 10, times.end());
    return times[10];
  };
  medianSwitch();  // warm-up: caches and fonts
  const double skinned = medianSwitch();
  f.sSkinManager1->SetActive(false);
  medianSwitch();
  const double plain = medianSwitch();
  std::printf("page switch, median of 20: skinned %.0f us, plain %.0f us, ratio %.2f\n", skinned, plain,
              skinned / plain);
  EXPECT_LE(skinned, 4 * plain) << "skinned " << skinned << " us, plain " << plain << " us";
}

}  // namespace app_test
#endif
