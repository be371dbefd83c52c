// The default manager's hook on the main window: system commands of the
// main form (state, minimize and restore animations, the system's own
// animation off only around them), shut-down fade and menu windows.
#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/common/Composition.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/MainWindowHook.h"
#include "skin/common/WindowAnimations.h"
#include "skin/paint/LayeredPush_Gdi.h"
#include "tests/skin/common/SkinStateFixture.h"
#include "tests/skin/common/SkinnedFormFixture.h"

namespace skin_test {
namespace {

using namespace skin;

class MainWindowHook : public SkinStateFixture {
 protected:
  void SetUp() override {
    SkinStateFixture::SetUp();
    TestSkinnedForm* main = nullptr;
    classlib::Application->CreateForm(main);
    main_.reset(main);
    ASSERT_EQ(classlib::Application->MainForm(), main);
    main_->SetBounds(120, 120, 300, 200);
    main_->Show();
    savedPlatform_ = MainHookPlatform();
    MainHookPlatform().GetMinMaxAnimation = [this] { return systemAnimation_; };
    MainHookPlatform().SetMinMaxAnimation = [this](bool on) { systemAnimation_ = on; };
    MainHookPlatform().Minimize = [this] {
      calls_.push_back(systemAnimation_ ? "minimize, system animation on" : "minimize");
      if (minimizeThrows_) throw std::runtime_error("minimize failed");
    };
    MainHookPlatform().Restore = [this] {
      calls_.push_back(systemAnimation_ ? "restore, system animation on" : "restore");
    };
    savedComposition_ = SetCompositionQuery([this] { return composition_; });
  }
  void TearDown() override {
    SetCompositionQuery(savedComposition_);
    MainHookPlatform() = savedPlatform_;
    main_.reset();
    SkinStateFixture::TearDown();
  }

  bool SysCommand(WPARAM command) {
    classlib::TMessage message{WM_SYSCOMMAND, command, 0, 0};
    return MainFormSystemCommand(*main_, message);
  }

  std::unique_ptr<TestSkinnedForm> main_;
  TsMainHookPlatform savedPlatform_;
  std::function<bool()> savedComposition_;
  bool systemAnimation_ = true;
  bool composition_ = false;
  bool minimizeThrows_ = false;
  std::vector<std::string> calls_;
};

TEST_F(MainWindowHook, SystemCommandsSetTheStateOnlyWhileASkinIsActive) {
  struct Case {
    WPARAM command;
    std::uint8_t state;
  };
  manager_->AnimEffects()->Minimizing()->SetActive(false);
  for (const Case& c : {Case{SC_MINIMIZE, scsMinimizing}, Case{SC_MAXIMIZE, scsNone}, Case{SC_RESTORE, scsRestoring},
                        Case{SC_CLOSE, scsNone}, Case{SC_RESTORE, scsRestoring}, Case{SC_MINIMIZE | 1, scsNone}}) {
    SysCommand(c.command);
    EXPECT_EQ(SystemCommandState(), c.state) << std::hex << c.command;
  }
  manager_->SetActive(false);
  SysCommand(SC_MINIMIZE);
  EXPECT_EQ(SystemCommandState(), scsNone);
  // Another form's commands are not the main form's.
  TestSkinnedForm other(nullptr);
  classlib::TMessage message{WM_SYSCOMMAND, SC_RESTORE, 0, 0};
  EXPECT_FALSE(MainFormSystemCommand(other, message));
}

TEST_F(MainWindowHook, MinimizeAnimatesAndLeavesTheSystemAnimationAsItWas) {
  composition_ = true;  // the system minimizes itself
  EXPECT_FALSE(SysCommand(SC_MINIMIZE));
  EXPECT_EQ(main_->minimizeAnimations, 1);
  EXPECT_TRUE(calls_.empty());

  composition_ = false;  // minimized here, with the system's animation off meanwhile
  EXPECT_TRUE(SysCommand(SC_MINIMIZE));
  EXPECT_EQ(main_->minimizeAnimations, 2);
  EXPECT_EQ(calls_, std::vector<std::string>{"minimize"});
  EXPECT_TRUE(systemAnimation_);

  minimizeThrows_ = true;
  EXPECT_THROW(SysCommand(SC_MINIMIZE), std::runtime_error);
  EXPECT_TRUE(systemAnimation_);

  main_->drawNonClient = false;  // nothing to animate
  EXPECT_FALSE(SysCommand(SC_MINIMIZE));
  EXPECT_EQ(main_->minimizeAnimations, 3);
}

TEST_F(MainWindowHook, MinimizeWithoutAnimationSuspendsTheExtendedBorder) {
  manager_->AnimEffects()->Minimizing()->SetActive(false);
  main_->border = std::make_unique<TestBorder>();
  EXPECT_FALSE(SysCommand(SC_MINIMIZE));
  EXPECT_TRUE(main_->border->Suspended());
  EXPECT_EQ(main_->border->BorderWindow(), nullptr);
  EXPECT_EQ(main_->minimizeAnimations, 0);
}

TEST_F(MainWindowHook, RestoreAfterTheShutDownFadeClearsThePendingRestore) {
  main_->state = sfsRestorePending;
  main_->border = std::make_unique<TestBorder>();
  main_->border->SetSuspended(true);
  composition_ = true;
  SetWindowLongW(main_->Handle(), GWL_EXSTYLE, GetWindowLongW(main_->Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
  EXPECT_FALSE(SysCommand(SC_RESTORE));
  EXPECT_FALSE(main_->HasState(sfsRestorePending));
  EXPECT_FALSE(main_->border->Suspended());
  EXPECT_EQ(calls_, std::vector<std::string>{"restore"});
  EXPECT_TRUE(systemAnimation_);
  EXPECT_EQ(GetWindowLongW(main_->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(main_->restoreAnimations, 0);
}

TEST_F(MainWindowHook, RestoreAnimatesOrShowsTheFormBehindItsCover) {
  // Composition off: handled here, restored with the system animation off.
  EXPECT_TRUE(SysCommand(SC_RESTORE));
  EXPECT_EQ(main_->restoreAnimations, 1);
  EXPECT_EQ(calls_, std::vector<std::string>{"restore"});

  // No animation started: the prepared cover goes and the form shows.
  std::unique_ptr<classlib::TWinControl> cover(classlib::New<TacLayeredWindow>(nullptr));
  cover->HandleNeeded();
  main_->cover = std::move(cover);
  composition_ = true;
  EXPECT_FALSE(SysCommand(SC_RESTORE));
  EXPECT_FALSE(main_->HasCoverWindow());
  EXPECT_EQ(calls_.size(), 1u);

  // Without the minimize animation and composition off: left to the system.
  manager_->AnimEffects()->Minimizing()->SetActive(false);
  composition_ = false;
  EXPECT_FALSE(SysCommand(SC_RESTORE));
  composition_ = true;
  EXPECT_TRUE(SysCommand(SC_RESTORE));
  EXPECT_EQ(calls_.size(), 2u);
  EXPECT_TRUE(systemAnimation_);
}

TsHookMessage PositionChanged(WINDOWPOS& position) {
  return TsHookMessage{WM_WINDOWPOSCHANGED, 0, reinterpret_cast<std::intptr_t>(&position), 0};
}

TEST_F(MainWindowHook, TheMainFormFadesOutOnlyWhenTheApplicationHidesAtShutDown) {
  manager_->AnimEffects()->FormHide()->SetTime(60);
  main_->FillCache(0x00FF00);
  WINDOWPOS hidden{};
  hidden.flags = SWP_HIDEWINDOW;
  TsHookMessage message = PositionChanged(hidden);
  EXPECT_FALSE(manager_->MainWindowHook(message));  // still running
  EXPECT_FALSE(main_->hiding);

  classlib::Application->Terminate();
  WINDOWPOS moved{};
  message = PositionChanged(moved);
  EXPECT_FALSE(manager_->MainWindowHook(message));  // not hidden
  EXPECT_FALSE(main_->hiding);

  std::vector<int> alphas;
  const auto savedPush = paint::SetLayeredPushHandler([&](const paint::TLayeredPush& push) {
    alphas.push_back(push.Blend.SourceConstantAlpha);
    return paint::SystemPushLayeredWindow(push);
  });
  message = PositionChanged(hidden);
  EXPECT_FALSE(manager_->MainWindowHook(message));
  paint::SetLayeredPushHandler(savedPush);
  // The full picture, then 5 steps down to nothing.
  EXPECT_EQ(alphas, (std::vector<int>{255, 204, 153, 102, 51, 0, 0}));
  EXPECT_TRUE(main_->hiding);
  EXPECT_TRUE(main_->HasState(sfsRestorePending));
  EXPECT_NE(GetWindowLongW(main_->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  // Terminating: the fade ran to its end inside the hook.
  EXPECT_FALSE(HideAnimationRunning());
  EXPECT_FALSE(AnimationRunning());
  // Once hiding, a second notice does nothing more.
  main_->state = 0;
  message = PositionChanged(hidden);
  manager_->MainWindowHook(message);
  EXPECT_FALSE(main_->HasState(sfsRestorePending));
}

TEST_F(MainWindowHook, AMenuItemNotRegisteredOrAWindowNotAMenuIsLeftAlone) {
  std::vector<std::intptr_t> prepared;
  const TsMenuWindowServices saved = MenuWindowServices();
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"Pozycja");
  const std::intptr_t registered = 0x1234;
  MenuWindowServices().MenuOfItem = [&](std::intptr_t item, HMENU& out) {
    out = menu;
    return item == registered;
  };
  MenuWindowServices().HasPreparedImage = [](HWND, std::intptr_t) { return true; };
  MenuWindowServices().PrepareMenuWindow = [&](HWND, std::intptr_t item) { prepared.push_back(item); };
  for (std::intptr_t item : {std::intptr_t{0}, std::intptr_t{0x5678}, registered}) {
    TsHookMessage message{WM_PREPAREMENUWINDOW, 0, item, 0};
    EXPECT_TRUE(manager_->MainWindowHook(message));
  }
  // The registered item's menu is not on the screen: no menu window to prepare.
  EXPECT_TRUE(prepared.empty());
  DestroyMenu(menu);
  MenuWindowServices() = saved;
}

}  // namespace
}  // namespace skin_test
