// The skinned form's own animations: minimize and restore to the taskbar,
// the caption buttons' fades, the translucent move, showing and hiding,
// the taskbar previews, and the session end. Frames are read from the one
// layered push; timers are fakes ticked by the tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "skin/common/FadeTimer.h"
#include "skin/common/WindowAnimations.h"
#include "skin/core/MessageUtils.h"
#include "skin/core/ThreadedTimer.h"
#include "skin/forms/FormAnimationTimers.h"
#include "skin/forms/FormAnimations.h"
#include "skin/forms/TitleButtonAnimation.h"
#include "tests/skin/forms/FakeAnimationTimers.h"
#include "tests/skin/forms/LayeredPushRecorder.h"
#include "tests/skin/forms/SkinnedFormFixture.h"
#include "tests/skin/paint/GdiObjectCount.h"

namespace {

using namespace skin;
using skin_test::TPushedFrame;

int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(), [](HWND, LPARAM p) { return ++*reinterpret_cast<int*>(p), TRUE; },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

int LayeredAlpha(HWND wnd) {
  BYTE alpha = 0;
  DWORD flags = 0;
  return GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
}

bool Layered(HWND wnd) { return (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

class FormAnimations : public skin_test::SkinnedFormFixture {
 protected:
  void SetUp() override {
    SkinnedFormFixture::SetUp();
    oldTaskbar_ = SetTaskbarQuery([this](TRect& r) {
      r = taskbar_;
      return hasTaskbar_;
    });
  }
  void TearDown() override {
    UseFakeTimers(false);
    SetTaskbarQuery(oldTaskbar_);
    SkinnedFormFixture::TearDown();
  }
  // Threaded timers and class-library timers both as fakes.
  void UseFakeTimers(bool on) {
    if (on) fakes_ = std::make_unique<skin_test::TFakeAnimationTimers>();
    else fakes_.reset();
  }
  static int RunToEnd(TacThreadedTimer& timer) { return skin_test::TFakeAnimationTimers::RunToEnd(timer); }
  bool Armed(classlib::TTimer* timer) const { return fakes_ && fakes_->Armed(timer); }
  POINT ButtonCentre(int hitCode) {
    const RECT& r = provider_->SystemButton(hitCode).Rect;
    return Screen((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  TRect taskbar_{0, 984, 1280, 1024};
  bool hasTaskbar_ = true;
  TacTaskbarQuery oldTaskbar_;
  std::unique_ptr<skin_test::TFakeAnimationTimers> fakes_;
};

TEST_F(FormAnimations, FormImagesAndAlphaHiding) {
  MakeForm(classlib::bsSizeable, false);
  form_->HandleNeeded();
  EXPECT_EQ(provider_->CreateFormImage(false), nullptr) << "a form never painted has no picture";
  Show();
  auto image = provider_->CreateFormImage(false);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Width(), form_->Width());
  for (int y = 0; y < image->Height(); y += 7)
    for (int x = 0; x < image->Width(); x += 7)
      ASSERT_EQ(reinterpret_cast<const std::uint32_t*>(image->ScanLine(y))[x] >> 24, 255u) << x << "," << y;

  EXPECT_TRUE(SetAlphaHidden(Wnd(), true));
  EXPECT_TRUE(Layered(Wnd()));
  EXPECT_EQ(LayeredAlpha(Wnd()), 1);
  EXPECT_FALSE(SetAlphaHidden(Wnd(), true)) << "a layered window is left alone";
  EXPECT_EQ(LayeredAlpha(Wnd()), 1);
  EXPECT_FALSE(SetAlphaHidden(Wnd(), false));
  EXPECT_FALSE(Layered(Wnd()));
  EXPECT_FALSE(GetWindowLongW(Wnd(), GWL_STYLE) & WS_VISIBLE);
  SendMessageW(Wnd(), WM_SETREDRAW, TRUE, 0);  // gives WS_VISIBLE back
}

TEST_F(FormAnimations, ASecondFormFliesToTheTaskbarAndBack) {
  UseFakeTimers(true);
  MakeForm();
  ASSERT_NE(classlib::Application->MainForm(), form_.get());
  skin_test::TLayeredPushRecorder pushes;
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  TacMinTimer* timer = provider_->MinTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(IsIconic(Wnd()));
  EXPECT_TRUE(Layered(Wnd()));
  EXPECT_EQ(LayeredAlpha(Wnd()), 0);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->StepCount, 13);
  const HWND flying = timer->AnimationWindow();
  ASSERT_NE(flying, nullptr);
  EXPECT_EQ(RunToEnd(*timer), 13);
  std::vector<int> alphas = pushes.AlphasOf(flying);
  ASSERT_EQ(alphas.size(), 14u);
  EXPECT_EQ(alphas.front(), 255) << "the form's picture where it stood";
  alphas.erase(alphas.begin());
  EXPECT_EQ(alphas.back(), 0);
  for (size_t i = 0; i + 1 < alphas.size(); ++i) EXPECT_GT(alphas[i], alphas[i + 1]);
  const RECT last = pushes.Frames.back().Rect;
  EXPECT_NEAR(last.left, 300, 2);  // the form's centre, over the bottom taskbar's top edge
  EXPECT_NEAR(last.top, 984, 2);
  EXPECT_FALSE(provider_->HasState(sfsMinimizing));

  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (!dir.empty())
    skin_test::SaveFramesOverCheckerboard({&pushes.Frames[2], &pushes.Frames[6], &pushes.Frames[10]},
                                          dir + L"\\form-minimize-frames.png");

  pushes.Frames.clear();
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(Wnd()));
  EXPECT_TRUE(provider_->HasState(sfsRestoring));
  EXPECT_EQ(LayeredAlpha(Wnd()), 0) << "the picture grows back while the form waits unseen";
  EXPECT_EQ(RunToEnd(*timer), 13);
  EXPECT_FALSE(provider_->HasState(sfsRestoring));
  EXPECT_FALSE(Layered(Wnd()));
  EXPECT_EQ(GetFocus(), Wnd());
  EXPECT_FALSE(IsWindow(flying)) << "the flying picture's window is freed";
  const std::vector<int> back = pushes.AlphasOf(flying);
  ASSERT_FALSE(back.empty());
  for (size_t i = 0; i + 1 < back.size(); ++i) EXPECT_LT(back[i], back[i + 1]);
}

TEST_F(FormAnimations, AMinimizeAfterARestoreWithoutTheAnimationFliesWholeAgain) {
  UseFakeTimers(true);
  MakeForm();
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  RunToEnd(*provider_->MinTimer());
  ShowWindow(Wnd(), SW_RESTORE);  // not through the system command
  skin_test::TLayeredPushRecorder pushes;
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(RunToEnd(*provider_->MinTimer()), 13);
  const std::vector<int> alphas = pushes.AlphasOf(provider_->MinTimer()->AnimationWindow());
  ASSERT_EQ(alphas.size(), 14u);
  EXPECT_GT(alphas[1], 200);
}

TEST_F(FormAnimations, TheTargetIsTheTaskbarsEdgePoint) {
  UseFakeTimers(true);
  MakeForm();  // 100, 100, 400 x 300: centre (300, 250)
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  TacMinTimer* timer = provider_->MinTimer();
  ASSERT_NE(timer, nullptr);
  struct Case {
    const char* name;
    bool has;
    TRect taskbar, target;
  };
  for (const Case& c : std::vector<Case>{{"bottom", true, {0, 984, 1280, 1024}, {300, 984, 300, 984}},
                                         {"top", true, {0, 0, 1280, 30}, {300, 30, 300, 30}},
                                         {"left", true, {0, 0, 40, 1024}, {40, 250, 40, 250}},
                                         {"right", true, {1240, 0, 1280, 1024}, {1240, 250, 1240, 250}},
                                         {"none", false, {}, {0, 0, 0, 0}},
                                         {"Wine's empty tray", true, {0, 0, 0, 0}, {0, 250, 0, 250}}}) {
    SCOPED_TRACE(c.name);
    hasTaskbar_ = c.has;
    taskbar_ = c.taskbar;
    EXPECT_EQ(timer->GetTaskbarTarget(), c.target);
  }
  RunToEnd(*timer);
}

TEST_F(FormAnimations, CaptionButtonFades) {
  UseFakeTimers(true);
  MakeForm();
  TsTitleButtonState& close = provider_->SystemButton(HTCLOSE);
  const POINT centre = ButtonCentre(HTCLOSE);
  SetCursorPos(centre.x, centre.y);
  skin_test::TLayeredPushRecorder pushes;
  std::unique_ptr<TacSBAnimation> fade(classlib::New<TacSBAnimation>(nullptr));
  fade->SkinManager = manager_.get();
  fade->OwnerWnd = Wnd();
  fade->Button = &close;

  fade->Steps = 1;
  fade->ChangeState(1, true);
  ASSERT_NE(fade->GlowWindow(), nullptr);
  EXPECT_EQ(pushes.AlphasOf(fade->GlowWindow()), std::vector<int>{255}) << "one step shows at once";
  EXPECT_FALSE(Armed(fade.get()));
  const LONG exStyle = GetWindowLongW(fade->GlowWindow(), GWL_EXSTYLE);
  EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT),
            WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT);
  fade->ChangeState(0, false);
  EXPECT_EQ(fade->GlowWindow(), nullptr);

  for (int steps : {0, -1}) {
    SCOPED_TRACE(steps);
    pushes.Frames.clear();
    fade->Steps = steps;
    fade->ChangeState(1, true);
    ASSERT_NE(fade->GlowWindow(), nullptr);
    EXPECT_EQ(pushes.AlphasOf(fade->GlowWindow()), std::vector<int>{255}) << "no steps: at once";
    fade->ChangeState(0, false);
  }

  pushes.Frames.clear();
  fade->Steps = 10;
  fade->ChangeState(1, true);
  EXPECT_TRUE(Armed(fade.get()));
  for (int i = 0; i < 12; ++i) fade->Tick();
  const HWND window = fade->GlowWindow();
  EXPECT_EQ(pushes.AlphasOf(window), (std::vector<int>{25, 50, 75, 100, 125, 150, 175, 200, 225, 255}));
  const std::vector<const TPushedFrame*> fadeIn{&pushes.Frames[0], &pushes.Frames[4], &pushes.Frames[9]};

  // A later fade uses its own count, not the finished one's mark.
  std::vector<TPushedFrame> kept = pushes.Frames;
  pushes.Frames.clear();
  fade->ChangeState(0, false);
  while (Armed(fade.get())) fade->Tick();
  EXPECT_EQ(pushes.AlphasOf(window), (std::vector<int>{225, 200, 175, 150, 125, 100, 75, 50, 25}));
  EXPECT_TRUE(fade->Finished());
  EXPECT_FALSE(IsWindow(window));

  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (!dir.empty())
    skin_test::SaveFramesOverCheckerboard({&kept[0], &kept[2], &kept[4], &kept[7], &kept[9]},
                                          dir + L"\\caption-button-fade-strip.png");

  // Leaving mid-fade: out from where it stands.
  pushes.Frames.clear();
  fade->ChangeState(1, true);
  fade->Tick();
  fade->Tick();  // 25, 50, 75 shown
  const HWND second = fade->GlowWindow();
  fade->ChangeState(0, false);
  while (Armed(fade.get())) fade->Tick();
  EXPECT_EQ(pushes.AlphasOf(second), (std::vector<int>{25, 50, 75, 50, 25}));
  EXPECT_FALSE(IsWindow(second));
}

TEST_F(FormAnimations, OnlyHotCloseMinimizeAndMaximizeGlowWhenAllowed) {
  std::string description = skin_test::RoundedSkinDescription();
  description.insert(description.find("VERSION"),
                     "BICONCLOSEGLOW=1\r\nBICONCLOSEGLOWMARGIN=5\r\nBICONMINGLOWMARGIN=3\r\nBICONMAXGLOWMARGIN=4\r\n"
                     "BICONCLOSEGLOW0=@0000,0000,0016,0016,1,0\r\n");
  WriteFile(Skins() / "Glowing" / "Options.dat", description);
  WriteFile(Skins() / "Glowing" / "MASTER.BMP", skin_test::RoundedSkinMaster());
  manager_->SetSkinName(L"Glowing");
  UseFakeTimers(true);
  MakeForm();
  struct Case {
    int hit, state;
    bool allowed;
    int margin;
  };
  for (const Case& c : std::vector<Case>{{HTCLOSE, 1, true, 5},
                                         {HTMINBUTTON, 1, true, 3},
                                         {HTMAXBUTTON, 1, true, 4},
                                         {HTHELP, 1, true, 0},
                                         {HTCLOSE, 2, true, 0},
                                         {HTCLOSE, 0, true, 0},
                                         {HTCLOSE, 1, false, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.hit << " state " << c.state << " allowed " << c.allowed);
    manager_->Effects()->SetAllowGlowing(c.allowed);
    TacSBAnimation fade(nullptr);
    fade.SkinManager = manager_.get();
    fade.OwnerWnd = Wnd();
    fade.Button = &provider_->SystemButton(c.hit);
    fade.State = c.state;
    EXPECT_EQ(fade.GlowMargin(), c.margin);
  }
  manager_->Effects()->SetAllowGlowing(true);
  TacSBAnimation fade(nullptr);
  fade.SkinManager = manager_.get();
  fade.OwnerWnd = Wnd();
  fade.Button = &provider_->SystemButton(HTCLOSE);
  fade.State = 1;
  const RECT glow = fade.GlowRect();
  const POINT at = Screen(fade.Button->Rect.left, fade.Button->Rect.top);
  EXPECT_EQ(glow.left, at.x - 5);
  EXPECT_EQ(glow.top, at.y - 5);
  EXPECT_EQ(glow.right - glow.left, 16) << "the glow mask's size";
}

TEST_F(FormAnimations, AHoverOnTheCloseButtonFadesAWindowInThatGoesWhenTheCursorLeaves) {
  UseFakeTimers(true);
  MakeForm();
  ASSERT_TRUE(provider_->TitleButtonAnimated(HTCLOSE));
  const POINT centre = ButtonCentre(HTCLOSE);
  SetCursorPos(centre.x, centre.y);
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(centre.x, centre.y));
  TacSBAnimation* fade = provider_->TitleButtonAnimation(HTCLOSE);
  ASSERT_NE(fade, nullptr);
  const HWND window = fade->GlowWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
  EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED);
  EXPECT_NE(GetForegroundWindow(), window);
  for (int i = 0; i < 12; ++i) fade->Tick();
  EXPECT_TRUE(IsWindow(window)) << "still hovered";
  SetCursorPos(centre.x - 300, centre.y + 200);
  for (int i = 0; i < 20 && IsWindow(window); ++i) fade->Tick();
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(FormAnimations, BlendOnMovingRunsTheMoveLoopAndEndsOpaque) {
  UseFakeTimers(true);
  MakeForm();
  TacBlendOnMoving& blend = *manager_->AnimEffects()->BlendOnMoving();
  blend.SetActive(true);
  const int windows = ThreadWindows();
  PostMessageW(Wnd(), WM_LBUTTONUP, 0, 0);  // ends the move loop at once
  const POINT p = Screen(60, 10);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
  EXPECT_EQ(provider_->MoveTimer(), nullptr);
  EXPECT_FALSE(provider_->HasState(sfsBlendMoving));
  EXPECT_FALSE(Layered(Wnd()));
  EXPECT_EQ(ThreadWindows(), windows) << "no snapshot left";

  struct Case {
    int target, step;
    std::vector<int> alphas;
  };
  for (const Case& c : std::vector<Case>{{170, 85, {255, 170, 170}}, {0, 85, {255, 170, 85, 0, 0}}}) {
    TacMoveTimer timer(*provider_);
    timer.TargetAlpha = static_cast<std::uint8_t>(c.target);
    timer.AlphaStep = static_cast<std::uint8_t>(c.step);
    std::vector<int> seen;
    for (size_t i = 0; i < c.alphas.size(); ++i) {
      timer.TimeHandler();
      seen.push_back(LayeredAlpha(Wnd()));
    }
    EXPECT_EQ(seen, c.alphas);
  }
}

TEST_F(FormAnimations, ShowingAndHidingFadeAPictureOfTheForm) {
  TacFormShow& show = *manager_->AnimEffects()->FormShow();
  TacFormHide& hide = *manager_->AnimEffects()->FormHide();
  show.SetTime(60);
  show.SetMode(atFading);
  hide.SetTime(60);
  hide.SetMode(atFading);
  MakeForm(classlib::bsSizeable, false);
  skin_test::TLayeredPushRecorder pushes;
  Show();
  ASSERT_GE(pushes.Frames.size(), 5u);
  EXPECT_EQ(pushes.Frames.back().Alpha, 255);
  EXPECT_LT(pushes.Frames[1].Alpha, 255);
  EXPECT_TRUE(IsWindowVisible(Wnd()));
  EXPECT_FALSE(Layered(Wnd()));
  const std::vector<TPushedFrame> shown = pushes.Frames;
  const std::uint32_t title = shown.back().At(60, 12);  // the green caption, not an empty print
  EXPECT_GT((title >> 8) & 0xFF, 0x60u);
  EXPECT_LT((title >> 16) & 0xFF, 0x40u);

  pushes.Frames.clear();
  form_->Hide();
  for (int i = 0; i < 100 && HideAnimationRunning(); ++i) DelayWithMessages(12);
  EXPECT_FALSE(HideAnimationRunning());
  EXPECT_GE(pushes.Frames.size(), 3u);
  EXPECT_FALSE(provider_->HasCoverWindow());
  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (!dir.empty() && pushes.Frames.size() >= 3) {
    skin_test::SaveFramesOverCheckerboard({&shown[1], &shown[3]}, dir + L"\\form-show-frames.png");
    skin_test::SaveFramesOverCheckerboard({&pushes.Frames[1], &pushes.Frames[pushes.Frames.size() - 2]},
                                          dir + L"\\form-hide-frames.png");
  }
}

TEST_F(FormAnimations, AParentedFormLeavesNoStandInWhenHidden) {
  manager_->AnimEffects()->FormHide()->SetTime(60);
  MakeForm();
  std::unique_ptr<classlib::TForm> host(classlib::New<classlib::TForm>(classlib::Application));
  host->SetBounds(50, 50, 600, 500);
  host->Show();
  form_->SetParent(host.get());
  Pump();
  const int windows = ThreadWindows();
  form_->Hide();
  Pump();
  EXPECT_FALSE(provider_->HasCoverWindow());
  EXPECT_EQ(ThreadWindows(), windows);
  form_->SetParent(nullptr);
  form_.reset();
}

TEST_F(FormAnimations, RepeatedAnimationsLeaveNoWindowsOrGdiObjects) {
  UseFakeTimers(true);
  MakeForm();
  // Warm up: caches, fade windows and timers made once.
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  RunToEnd(*provider_->MinTimer());
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  RunToEnd(*provider_->MinTimer());
  Pump();
  const int windows = ThreadWindows();
  const DWORD objects = skin_test_gdi::GdiObjects();
  for (int i = 0; i < 10; ++i) {
    SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    RunToEnd(*provider_->MinTimer());
    SendMessageW(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
    RunToEnd(*provider_->MinTimer());
  }
  Pump();
  EXPECT_EQ(ThreadWindows(), windows);
  EXPECT_LE(skin_test_gdi::GdiObjects(), objects + 2);

  UseFakeTimers(false);
  manager_->AnimEffects()->FormShow()->SetTime(24);
  manager_->AnimEffects()->FormHide()->SetTime(24);
  const auto cycle = [&] {
    form_->Show();
    Pump();
    form_->Hide();
    for (int i = 0; i < 50 && HideAnimationRunning(); ++i) DelayWithMessages(12);
    Pump();
  };
  cycle();
  const int windows2 = ThreadWindows();
  const DWORD objects2 = skin_test_gdi::GdiObjects();
  for (int i = 0; i < 50; ++i) cycle();
  EXPECT_EQ(ThreadWindows(), windows2);
  EXPECT_LE(skin_test_gdi::GdiObjects(), objects2 + 2);
}

TEST_F(FormAnimations, TaskbarPreviewsFitTheAskedSize) {
  MakeForm();
  SIZE sent{};
  int calls = 0;
  auto old = SetIconicSender([&](HWND, HBITMAP bitmap, const POINT*) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    sent = SIZE{info.bmWidth, info.bmHeight};
    ++calls;
    return S_OK;
  });
  EXPECT_TRUE(acDwmSendIconicThumbnail(Wnd(), *provider_, 200, 100));
  EXPECT_EQ(sent.cx, 133);
  EXPECT_EQ(sent.cy, 100);
  SetThumbnailsEnabled(true);
  calls = 0;
  EXPECT_EQ(SendMessageW(Wnd(), WM_DWMSENDICONICTHUMBNAIL, 0, MAKELPARAM(300, 200)), TRUE);  // 200 wide, 300 high
  EXPECT_GT(calls, 0);
  EXPECT_EQ(sent.cx, 200);
  EXPECT_EQ(sent.cy, 150);
  SetThumbnailsEnabled(false);
  provider_->SkinData()->EmptyCache();
  EXPECT_FALSE(acDwmSendIconicThumbnail(Wnd(), *provider_, 200, 100)) << "no cache, no thumbnail";
  SetIconicSender(old);
}

TEST_F(FormAnimations, TheSessionEndWaitsForStuckFadesOnlyABoundedTime) {
  MakeForm();
  TsFadeTimer stuck(nullptr);
  stuck.Direction = paint::fdIn;
  stuck.SetEnabled(true);
  ASSERT_GT(RunningFadeCount(), 0);
  const ULONGLONG start = GetTickCount64();
  SendMessageW(Wnd(), WM_QUERYENDSESSION, 0, 0);
  EXPECT_LT(GetTickCount64() - start, 5000u);
  EXPECT_TRUE(ApplicationClosing());
  SetApplicationClosing(false);
  stuck.SetEnabled(false);
}

}  // namespace
