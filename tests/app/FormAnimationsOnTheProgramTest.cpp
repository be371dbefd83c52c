#ifdef _WIN32
// The program's own animation settings on its two windows: the minimize
// animation on (200 ms), the caption buttons' glow allowed, no hide fade and
// no translucent moving.
#include "AppTestFolder.h"
#include "app/Unit2.h"
#include "skin/forms/FormAnimationTimers.h"
#include "skin/forms/TitleButtonAnimation.h"
#include "skin/manager/sSkinManager.h"
#include "tests/skin/forms/FakeAnimationTimers.h"
#include "tests/skin/forms/LayeredPushRecorder.h"

namespace app_test {

using namespace classlib;

class FormAnimationsOnTheProgram : public AppTestFolder {
 protected:
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  static POINT ScreenCentre(HWND wnd, const RECT& r) {
    RECT w{};
    GetWindowRect(wnd, &w);
    return POINT{w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
  }
  skin_test::TFakeAnimationTimers fakes_;
};

TEST_F(FormAnimationsOnTheProgram, TheProgramsSettings) {
  app::TForm1& form = Form();
  const skin::TacAnimEffects& effects = *form.sSkinManager1->AnimEffects();
  EXPECT_TRUE(effects.Minimizing()->Active());
  EXPECT_EQ(effects.Minimizing()->Time(), 200);
  EXPECT_EQ(effects.FormHide()->Time(), 0);
  EXPECT_FALSE(effects.BlendOnMoving()->Active());
  EXPECT_TRUE(form.sSkinManager1->Effects()->AllowGlowing());
}

TEST_F(FormAnimationsOnTheProgram, AHoverOnTheMainWindowsCloseButtonFadesAWindowInThatGoesWhenTheCursorLeaves) {
  app::TForm1& form = Form();
  form.Show();
  Pump();
  const HWND wnd = form.Handle();
  skin::TsSkinProvider& provider = *form.sSkinProvider1;
  const POINT centre = ScreenCentre(wnd, provider.SystemButton(HTCLOSE).Rect);
  ASSERT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCLOSE);
  skin_test::TLayeredPushRecorder pushes;
  SetCursorPos(centre.x, centre.y);
  SendMessageW(wnd, WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(centre.x, centre.y));
  skin::TacSBAnimation* fade = provider.TitleButtonAnimation(HTCLOSE);
  ASSERT_NE(fade, nullptr);
  const HWND window = fade->GlowWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE),
            WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE);
  EXPECT_NE(GetForegroundWindow(), window);
  for (int i = 0; i < 12; ++i) fade->Tick();
  const std::vector<int> alphas = pushes.AlphasOf(window);
  ASSERT_FALSE(alphas.empty());
  EXPECT_EQ(alphas.back(), 255);
  SetCursorPos(centre.x - 300, centre.y + 300);
  for (int i = 0; i < 30 && IsWindow(window); ++i) {
    if (skin::TacSBAnimation* current = provider.TitleButtonAnimation(HTCLOSE)) current->Tick();
  }
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(FormAnimationsOnTheProgram, TheAboutWindowMinimizesToTheTaskbarAndBackAndHidesWithoutAStandIn) {
  app::TForm1& form = Form();
  app::Form1 = &form;
  form.Show();
  std::unique_ptr<app::TForm2> about(New<app::TForm2>(nullptr));
  app::Form2 = about.get();
  about->Show();
  Pump();
  const HWND wnd = about->Handle();
  skin::TsSkinProvider& provider = *about->sSkinProvider1;
  SendMessageW(wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  skin::TacMinTimer* timer = provider.MinTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(IsIconic(wnd));
  EXPECT_TRUE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(skin_test::TFakeAnimationTimers::RunToEnd(*timer), 13);
  SendMessageW(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(skin_test::TFakeAnimationTimers::RunToEnd(*timer), 13);
  EXPECT_FALSE(IsIconic(wnd));
  EXPECT_FALSE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(GetFocus(), wnd);

  // Hide time 0: nothing fades and nothing stands in.
  skin_test::TLayeredPushRecorder pushes;
  about->Hide();
  Pump();
  EXPECT_FALSE(provider.HasCoverWindow());
  EXPECT_TRUE(pushes.Frames.empty());

  // No translucent moving: a caption drag leaves the window opaque.
  PostMessageW(form.Handle(), WM_LBUTTONUP, 0, 0);
  RECT r{};
  GetWindowRect(form.Handle(), &r);
  SendMessageW(form.Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 80, r.top + 10));
  EXPECT_EQ(form.sSkinProvider1->MoveTimer(), nullptr);
  EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  app::Form2 = nullptr;
  app::Form1 = nullptr;
}

}  // namespace app_test
#endif
