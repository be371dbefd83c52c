#ifdef _WIN32
// Sending and broadcasting the skin command message, and what a message
// from elsewhere may not do.
#include <cstdint>
#include <vector>

#include "SkinStateFixture.h"
#include "classlib/controls/Panel.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGauge.h"
#include "skin/controls/sStandardControls.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

using SkinCommandSendTest = SkinStateFixture;

// Counts the skin commands of one code that reach a control's procedure.
struct CommandCounter {
  CommandCounter(TControl* control, std::uint16_t code) : control_(control), code_(code), old_(control->WindowProc()) {
    control->SetWindowProc([this](TMessage& m) {
      if (m.Msg == SkinCommandMessage && SkinCommandCode(m.WParam) == code_) ++count;
      old_(m);
    });
  }
  ~CommandCounter() { control_->SetWindowProc(old_); }
  TControl* control_;
  std::uint16_t code_;
  TWndMethod old_;
  int count = 0;
};

TEST_F(SkinCommandSendTest, AControlWithoutAWindowIsNotAskedAndGetsNone) {
  std::unique_ptr<TsEdit> edit(New<TsEdit>(nullptr));
  EXPECT_EQ(SendSkinCommand(edit.get(), scIsSkinned, 0), 0);
  EXPECT_FALSE(edit->HandleAllocated());
  // A graphic control is asked through its procedure.
  TsGauge* gauge = Add<TsGauge>(nullptr);
  EXPECT_EQ(SendSkinCommand(gauge, scIsSkinned, 0), 1);
  EXPECT_EQ(SendSkinCommand(nullptr, scIsSkinned, 0), 0);
}

TEST_F(SkinCommandSendTest, BoolCommandIsTrueOnlyForExactlyOne) {
  TsPanel* panel = Add<TsPanel>(nullptr);
  LRESULT answer = 0;
  const TWndMethod old = panel->WindowProc();
  panel->SetWindowProc([&](TMessage& m) {
    if (m.Msg == SkinCommandMessage) m.Result = answer;
    else old(m);
  });
  for (const LRESULT value : {LRESULT(1), LRESULT(2), LRESULT(-1), LRESULT(0), LRESULT(0x100000001)}) {
    answer = value;
    EXPECT_EQ(SendBoolSkinCommand(panel->Handle(), scIsSkinned), value == 1) << value;
  }
  panel->SetWindowProc(old);
}

TEST_F(SkinCommandSendTest, BroadcastPassesOverAnUnskinnedPanelToTheEditInIt) {
  TPanel* plain = Add<TPanel>(nullptr, 10, 10, 200, 100);
  TsEdit* edit = Add<TsEdit>(plain);
  edit->HandleNeeded();
  ASSERT_TRUE(plain->HandleAllocated());
  CommandCounter atPanel(plain, scSetUpdating);
  CommandCounter atEdit(edit, scSetUpdating);
  BroadcastToControls(form_.get(), SkinCommand(scSetUpdating, 0, 1));
  EXPECT_EQ(atPanel.count, 0);
  EXPECT_EQ(atEdit.count, 1);
  EXPECT_TRUE(edit->SkinData()->OwnUpdating());
}

TEST_F(SkinCommandSendTest, EveryFormIsServedOnceAlsoWhenItIsASkinnedForm) {
  std::unique_ptr<TForm> second(New<TForm>(Application));
  second->HandleNeeded();
  AddSkinnedForm(second.get());
  CommandCounter atFirst(form_.get(), scBGChanged);
  CommandCounter atSecond(second.get(), scBGChanged);
  BroadcastToForms(SkinCommand(scBGChanged));
  EXPECT_EQ(atFirst.count, 1);
  EXPECT_EQ(atSecond.count, 1);
  RemoveSkinnedForm(second.get());
  BroadcastToForms(SkinCommand(scBGChanged));
  EXPECT_EQ(atSecond.count, 2);
}

TEST_F(SkinCommandSendTest, AnotherThreadsPointerCodesChangeNothing) {
  TsEdit* edit = Add<TsEdit>(nullptr);
  edit->SkinData()->SetSkinSection(L"EDIT");
  const HWND wnd = edit->Handle();
  const int index = edit->SkinData()->SkinIndex;
  ASSERT_GE(index, 0);
  std::vector<LRESULT> answers;
  LRESULT skinnedAnswer = 0;
  RunBesideMessageLoop([&] {
    for (const LPARAM bogus : {LPARAM(0x10), LPARAM(0x7FFF00001234)})
      for (const WPARAM code : {4, 15, 24, 25, 26, 34, 35, 37, 60})
        answers.push_back(SendMessageW(wnd, SkinCommandMessage, code << 16, bogus));
    skinnedAnswer = SendMessageW(wnd, SkinCommandMessage, WPARAM(scIsSkinned) << 16, 0);
  });
  for (const LRESULT answer : answers) EXPECT_EQ(answer, 0);
  // Codes without pointers still answer.
  EXPECT_EQ(skinnedAnswer, 1);
  EXPECT_EQ(edit->SkinData()->SkinSection(), L"EDIT");
  EXPECT_EQ(edit->SkinData()->SkinIndex, index);
}

TEST_F(SkinCommandSendTest, OwnSendsInsideAForeignCopyDataMessageStillWork) {
  TsEdit* edit = Add<TsEdit>(nullptr);
  edit->SkinData()->SetSkinSection(L"EDIT");
  edit->HandleNeeded();
  std::int32_t index = -7;
  LRESULT data = 0;
  const TWndMethod old = form_->WindowProc();
  form_->SetWindowProc([&](TMessage& m) {
    if (m.Msg == WM_COPYDATA) {
      SendSkinCommandToWnd(edit->Handle(), scGetSkinIndex, reinterpret_cast<LPARAM>(&index));
      data = SendSkinCommand(edit, scGetSkinData, 0);
      m.Result = 1;
    } else {
      old(m);
    }
  });
  const HWND wnd = form_->Handle();
  RunBesideMessageLoop([&] {
    char text[] = "x";
    COPYDATASTRUCT copy{7, sizeof text, text};
    SendMessageW(wnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
  });
  form_->SetWindowProc(old);
  EXPECT_EQ(index, edit->SkinData()->SkinIndex);
  EXPECT_EQ(data, reinterpret_cast<LRESULT>(edit->SkinData()));
}

TEST_F(SkinCommandSendTest, PointersAbove4GBSurviveTheRoundTrip) {
  TsEdit* edit = Add<TsEdit>(nullptr);
  edit->SkinData()->SetSkinSection(L"EDIT");
  void* high = nullptr;
  for (std::uintptr_t at = 0x200000000; !high && at < 0x800000000; at += 0x10000000)
    high = VirtualAlloc(reinterpret_cast<void*>(at), 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  ASSERT_NE(high, nullptr);
  ASSERT_GT(reinterpret_cast<std::uintptr_t>(high), 0xFFFFFFFFu);
  auto* index = static_cast<std::int32_t*>(high);
  *index = -7;
  EXPECT_EQ(SendSkinCommandToWnd(edit->Handle(), scGetSkinIndex, reinterpret_cast<LPARAM>(index)), 0);
  EXPECT_EQ(*index, edit->SkinData()->SkinIndex);
  auto* info = new (static_cast<char*>(high) + 64) TacBGInfo;
  PerformSkinCommand(edit, scGetBGInfo, reinterpret_cast<LPARAM>(info));
  EXPECT_EQ(info->Kind, bgColor);
  VirtualFree(high, 0, MEM_RELEASE);
}

TEST_F(SkinCommandSendTest, WindowsOfAnotherProcessAreNotAsked) {
  const HWND desktop = GetDesktopWindow();
  DWORD process = 0;
  GetWindowThreadProcessId(desktop, &process);
  ASSERT_NE(process, GetCurrentProcessId());
  EXPECT_EQ(SendSkinCommandToWnd(desktop, scIsSkinned, 0), 0);
  EXPECT_FALSE(SendBoolSkinCommand(desktop, scIsSkinned));
}

TEST_F(SkinCommandSendTest, EndOfUpdateGoesToShowingChildrenUnlessAnAnimationRuns) {
  TsPanel* panel = Add<TsPanel>(nullptr, 0, 0, 200, 100);
  TsEdit* shown = Add<TsEdit>(panel);
  TsEdit* hidden = Add<TsEdit>(panel, 10, 50);
  hidden->Hide();
  form_->Show();
  CommandCounter atShown(shown, scEndUpdate);
  CommandCounter atHidden(hidden, scEndUpdate);
  SetAnimationRunning(true);
  SendEndUpdateToChildren(panel);
  SetAnimationRunning(false);
  EXPECT_EQ(atShown.count, 0);
  SendEndUpdateToChildren(panel);
  EXPECT_EQ(atShown.count, 1);
  EXPECT_EQ(atHidden.count, 0);
  // By window: every child window, hidden or not, and only children.
  CommandCounter atPanel(panel, scEndUpdate);
  SendEndUpdateToChildWnds(panel->Handle());
  EXPECT_EQ(atShown.count, 2);
  EXPECT_EQ(atHidden.count, 1);
  SendToChildWindows(form_->Handle(), SkinCommand(scEndUpdate));
  EXPECT_EQ(atPanel.count, 1);
  EXPECT_EQ(atShown.count, 2);
}

TEST_F(SkinCommandSendTest, FocusAndHoverMakeAControlHot) {
  TsEdit* edit = Add<TsEdit>(nullptr);
  edit->SetTabStop(true);
  form_->Show();
  TsCommonData& data = *edit->SkinData();
  EXPECT_FALSE(data.IsHot());
  edit->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(data.FMouseAbove);
  EXPECT_TRUE(data.IsHot());
  edit->Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(data.IsHot());
  edit->Perform(WM_SETFOCUS);
  EXPECT_TRUE(data.FFocused);
  EXPECT_TRUE(data.IsHot());
  edit->Perform(WM_KILLFOCUS);
  EXPECT_FALSE(data.FFocused);
  // A panel never shows a hot state, also with the mouse above it.
  TsPanel* panel = Add<TsPanel>(nullptr, 0, 100, 100, 50);
  panel->Perform(CM_MOUSEENTER);
  EXPECT_FALSE(panel->SkinData()->IsHot());
  // Disabled: not hot.
  edit->Perform(CM_MOUSEENTER);
  edit->SetEnabled(false);
  EXPECT_FALSE(data.IsHot());
}

}  // namespace skin_test
#endif
