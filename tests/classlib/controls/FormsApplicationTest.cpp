#ifdef _WIN32
#include <gtest/gtest.h>

#include "classlib/controls/Button.h"
#include "classlib/controls/Image.h"
#include "classlib/controls/Panel.h"
#include "classlib/controls/Screen.h"
#include "classlib/controls/Timer.h"
#include "classlib/menus/MessageBox.h"
#include "ControlsTestSupport.h"

namespace classlib_test {

using namespace classlib;

TEST(ShowModal, ReturnsModalResultAndDisablesOtherForms) {
  FormPtr mainForm = MakeShownForm();
  FormPtr dialog(New<TForm>(nullptr, true));
  dialog->SetBorderStyle(bsDialog);
  bool mainEnabledMeanwhile = true;
  bool dialogShownMeanwhile = false;
  int shows = 0, closes = 0;
  dialog->OnShow = [&](TObject*) { ++shows; };
  dialog->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    mainEnabledMeanwhile = IsWindowEnabled(mainForm->Handle()) != FALSE;
    dialogShownMeanwhile = IsWindowVisible(dialog->Handle()) != FALSE;
    dialog->SetModalResult(mrOk);
  });

  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(mainEnabledMeanwhile);
  EXPECT_TRUE(dialogShownMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(mainForm->Handle()));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(closes, 1);
}

TEST(ShowModal, ClosingTheWindowGivesCancel) {
  FormPtr mainForm = MakeShownForm();
  FormPtr dialog(New<TForm>(nullptr, true));
  PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_TRUE(IsWindowEnabled(mainForm->Handle()));
  // A visible form cannot be made modal.
  mainForm->Show();
  EXPECT_THROW(mainForm->ShowModal(), Exception);
}

TEST(ShowModal, CloseQueryCanRefuse) {
  FormPtr mainForm = MakeShownForm();
  FormPtr dialog(New<TForm>(nullptr, true));
  int asked = 0;
  dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
  TTimer timer(nullptr);
  timer.SetInterval(10);
  timer.SetOnTimer([&](TObject*) { dialog->SetModalResult(mrYes); });
  EXPECT_EQ(dialog->ShowModal(), mrYes);
  EXPECT_EQ(asked, 2);
}

class ExceptionRouting : public ::testing::Test {
 protected:
  void TearDown() override {
    Application->OnException = nullptr;
    SetMessageBoxHandler(nullptr);
  }
};

TEST_F(ExceptionRouting, HandlerExceptionReachesApplication) {
  FormPtr form = MakeShownForm();
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->OnClick = [](TObject*) { throw Exception(L"Nie można zapisać karty"); };
  std::vector<std::wstring> reported;
  TObject* reportedSender = nullptr;
  Application->OnException = [&](TObject* sender, const Exception& e) {
    reported.push_back(e.Message());
    reportedSender = sender;
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0], L"Nie można zapisać karty");
  EXPECT_NE(reportedSender, nullptr);
  // The process and the control go on working.
  button->OnClick = [&](TObject*) { reported.push_back(L"ok"); };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(reported.back(), L"ok");
}

TEST_F(ExceptionRouting, DefaultHandlerShowsMessageCaptionedWithTitle) {
  FormPtr form = MakeShownForm();
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw std::runtime_error("disk full"); };
  std::vector<std::pair<std::wstring, std::wstring>> boxes;
  SetMessageBoxHandler([&](const TMessageBoxRequest& box) {
    boxes.emplace_back(box.Text, box.Caption);
    return IDOK;
  });
  Application->SetTitle(L"Tessarilo zegarków");
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, L"disk full");
  EXPECT_EQ(boxes[0].second, L"Tessarilo zegarków");
  // EAbort is silent.
  panel->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw EAbort(); };
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(ExceptionRouting, TimerExceptionReachesApplication) {
  std::vector<std::wstring> reported;
  Application->OnException = [&](TObject*, const Exception& e) { reported.push_back(e.Message()); };
  TTimer timer(nullptr);
  timer.SetInterval(5);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    throw Exception(L"tick");
  });
  for (int i = 0; i < 100 && reported.empty(); ++i) {
    Sleep(5);
    Pump();
  }
  EXPECT_EQ(reported, std::vector<std::wstring>{L"tick"});
}

TEST(FindDragTarget, ReturnsImageInsidePanel) {
  FormPtr form = MakeShownForm(100, 100, 300, 200);
  auto* panel = new TPanel(form.get());
  panel->SetBounds(10, 10, 200, 150);
  panel->SetParent(form.get());
  auto* image = new TImage(form.get());
  image->SetBounds(20, 30, 60, 50);
  image->SetParent(panel);
  Pump();

  const TPoint onImage = image->ClientToScreen(Point(5, 5));
  EXPECT_EQ(FindDragTarget(onImage, false), image);
  EXPECT_EQ(FindDragTarget(panel->ClientToScreen(Point(150, 100)), false), panel);
  EXPECT_EQ(FindControl(panel->Handle()), panel);
  image->SetEnabled(false);
  EXPECT_EQ(FindDragTarget(onImage, false), panel);
  EXPECT_EQ(FindDragTarget(onImage, true), image);
}

TEST(Screen, KnowsFormsAndWorkArea) {
  FormPtr form = MakeShownForm();
  bool listed = false;
  for (int i = 0; i < Screen->FormCount(); ++i) listed = listed || Screen->Forms(i) == form.get();
  EXPECT_TRUE(listed);
  const TRect area = Screen->WorkAreaRect();
  EXPECT_GT(area.Width(), 0);
  EXPECT_GT(area.Height(), 0);
  TForm* raw = form.get();
  form.reset();
  for (int i = 0; i < Screen->FormCount(); ++i) EXPECT_NE(Screen->Forms(i), raw);
}

TEST(Application, HookSeesApplicationWindowMessagesFirst) {
  std::vector<UINT> seen;
  const int id = Application->HookMainWindow([&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_USER + 9) {
      m.Result = 42;
      return true;
    }
    return false;
  });
  EXPECT_EQ(SendMessageW(Application->Handle(), WM_USER + 9, 0, 0), 42);
  Application->UnhookMainWindow(id);
  seen.clear();
  SendMessageW(Application->Handle(), WM_USER + 9, 0, 0);
  EXPECT_TRUE(seen.empty());
}

}  // namespace classlib_test
#endif
