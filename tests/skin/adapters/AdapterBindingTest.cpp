// Binding an adapter to a window in its three ways (a raw window's procedure,
// a class-library control's WindowProc, a skinned form's WindowProc) and
// undoing it by unhooking, by the window's destruction and by freeing the
// adapter, also after another party has replaced the procedure on top of
// the adapter's.
#include <memory>

#include "classlib/controls/Edit.h"
#include "classlib/controls/Forms.h"
#include "skin/adapters/HotWindow.h"
#include "skin/adapters/MainWnd.h"
#include "skin/adapters/WindowThunk.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace classlib;
using namespace skin::adapters;

namespace {

constexpr UINT kProbe = WM_USER + 5;
constexpr LRESULT kProbeAnswer = 0x55;

// The procedure a window had before the adapter, and one another party puts
// on top of it afterwards; both count the probe message.
int originalCalls = 0;
int foreignCalls = 0;
WNDPROC foreignNext = nullptr;

LRESULT CALLBACK RawProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) {
    ++originalCalls;
    return kProbeAnswer;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

LRESULT CALLBACK ForeignProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) ++foreignCalls;
  return CallWindowProcW(foreignNext, wnd, msg, wParam, lParam);
}

struct OriginalMethod {
  TWndMethod next;
  void operator()(TMessage& m) const {
    if (m.Msg == kProbe) {
      ++originalCalls;
      m.Result = kProbeAnswer;
      return;
    }
    next(m);
  }
};

struct ForeignMethod {
  TWndMethod next;
  void operator()(TMessage& m) const {
    if (m.Msg == kProbe) ++foreignCalls;
    next(m);
  }
};

// One window to bind to, in one of the three ways.
class Subject {
 public:
  virtual ~Subject() = default;
  virtual HWND Wnd() = 0;
  virtual skin::TsCommonData* SkinData() { return nullptr; }
  virtual bool OriginalBack() = 0;
  virtual void SubclassAfter() = 0;
  virtual void DestroyTheWindow() = 0;
};

class RawSubject : public Subject {
 public:
  explicit RawSubject(HWND host) {
    RegisterTestClass(L"AdapterProbeWindow", RawProc);
    wnd_ = CreateWindowExW(0, L"AdapterProbeWindow", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, host, nullptr,
                           nullptr, nullptr);
  }
  ~RawSubject() override {
    if (IsWindow(wnd_)) DestroyWindow(wnd_);
  }
  HWND Wnd() override { return wnd_; }
  bool OriginalBack() override { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd_, GWLP_WNDPROC)) == RawProc; }
  void SubclassAfter() override {
    foreignNext = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForeignProc)));
  }
  void DestroyTheWindow() override { DestroyWindow(wnd_); }

 private:
  HWND wnd_;
};

class ControlSubject : public Subject {
 public:
  ControlSubject() {
    form_.reset(New<TForm>(nullptr));
    edit_ = New<TEdit>(form_.get());
    edit_->SetParent(form_.get());
    edit_->SetWindowProc(OriginalMethod{edit_->WindowProc()});
    edit_->HandleNeeded();
    skinData_ = std::make_unique<skin::TsCommonData>(edit_, true);
  }
  HWND Wnd() override { return edit_->Handle(); }
  skin::TsCommonData* SkinData() override { return skinData_.get(); }
  bool OriginalBack() override { return edit_->WindowProc().target<OriginalMethod>() != nullptr; }
  void SubclassAfter() override { edit_->SetWindowProc(ForeignMethod{edit_->WindowProc()}); }
  void DestroyTheWindow() override {
    delete edit_;
    edit_ = nullptr;
  }

 private:
  std::unique_ptr<TForm> form_;
  TEdit* edit_ = nullptr;
  std::unique_ptr<skin::TsCommonData> skinData_;
};

class FormSubject : public Subject {
 public:
  FormSubject() {
    form_.reset(New<TForm>(nullptr));
    provider_ = New<skin::TsSkinProvider>(form_.get());
    form_->SetWindowProc(OriginalMethod{form_->WindowProc()});
    form_->HandleNeeded();
    skinData_ = std::make_unique<skin::TsCommonData>(provider_, true);
  }
  HWND Wnd() override { return form_->Handle(); }
  skin::TsCommonData* SkinData() override { return skinData_.get(); }
  bool OriginalBack() override { return form_->WindowProc().target<OriginalMethod>() != nullptr; }
  void SubclassAfter() override { form_->SetWindowProc(ForeignMethod{form_->WindowProc()}); }
  void DestroyTheWindow() override {
    skinData_.reset();
    form_.reset();
  }

 private:
  std::unique_ptr<TForm> form_;
  skin::TsSkinProvider* provider_ = nullptr;
  std::unique_ptr<skin::TsCommonData> skinData_;
};

enum class Binding { RawWindow, ClassLibraryControl, ProviderForm };

class AdapterBindingTest : public AdapterFixture, public ::testing::WithParamInterface<Binding> {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    originalCalls = foreignCalls = 0;
    thunksBefore_ = TWindowThunk::LiveCount();
    switch (GetParam()) {
      case Binding::RawWindow: subject_ = std::make_unique<RawSubject>(host_); break;
      case Binding::ClassLibraryControl: subject_ = std::make_unique<ControlSubject>(); break;
      case Binding::ProviderForm: subject_ = std::make_unique<FormSubject>(); break;
    }
    wnd_ = subject_->Wnd();
    // A skinned form's own provider answers the question by itself.
    answerWithoutAdapter_ = skin::SendSkinCommandToWnd(wnd_, skin::scIsSkinned, 0);
    adapter_ = MakeAdapter<TacMainWnd>(wnd_, false, L"EDIT", manager_.get(), subject_->SkinData());
    ASSERT_EQ(GetAdapter(wnd_), adapter_);
    ASSERT_EQ(skin::SendSkinCommandToWnd(wnd_, skin::scIsSkinned, 0), 1);
  }
  void TearDown() override {
    delete adapter_;
    subject_.reset();
    EXPECT_EQ(TWindowThunk::LiveCount(), thunksBefore_);
    AdapterFixture::TearDown();
  }
  // The probe reaches the original procedure through whatever is bound.
  void ExpectChainReachesOriginal() {
    const int before = originalCalls;
    EXPECT_EQ(SendMessageW(wnd_, kProbe, 0, 0), kProbeAnswer);
    EXPECT_EQ(originalCalls, before + 1);
  }

  std::unique_ptr<Subject> subject_;
  HWND wnd_ = nullptr;
  TacMainWnd* adapter_ = nullptr;
  LRESULT answerWithoutAdapter_ = 0;
  int thunksBefore_ = 0;
};

TEST_P(AdapterBindingTest, UnhookPutsTheOriginalProcedureBack) {
  ExpectChainReachesOriginal();
  TacMainWnd* adapter = adapter_;
  UnhookAdapterWindow(wnd_, true, false, adapter);
  adapter_ = nullptr;
  EXPECT_EQ(adapter, nullptr);
  EXPECT_TRUE(subject_->OriginalBack());
  EXPECT_EQ(GetAdapter(wnd_), nullptr);
  EXPECT_EQ(skin::SendSkinCommandToWnd(wnd_, skin::scIsSkinned, 0), answerWithoutAdapter_);
  ExpectChainReachesOriginal();
}

TEST_P(AdapterBindingTest, FreeingTheAdapterPutsTheOriginalProcedureBack) {
  delete adapter_;
  adapter_ = nullptr;
  EXPECT_TRUE(subject_->OriginalBack());
  EXPECT_EQ(GetAdapter(wnd_), nullptr);
  ExpectChainReachesOriginal();
}

TEST_P(AdapterBindingTest, TheWindowsDestructionUnbindsTheAdapter) {
  subject_->DestroyTheWindow();
  EXPECT_TRUE(adapter_->Destroyed);
  EXPECT_EQ(adapter_->ObjectInstance(), nullptr);
}

TEST_P(AdapterBindingTest, AnotherPartysLaterProcedureKeepsItsChain) {
  subject_->SubclassAfter();
  TacMainWnd* adapter = adapter_;
  UnhookAdapterWindow(wnd_, false, false, adapter);
  // Not ours to take off: the adapter stays bound and still answers.
  EXPECT_FALSE(adapter_->Destroyed);
  EXPECT_EQ(skin::SendSkinCommandToWnd(wnd_, skin::scIsSkinned, 0), 1);
  ExpectChainReachesOriginal();
  EXPECT_EQ(foreignCalls, 1);

  // Freed, the adapter leaves a forwarder behind that the other party's
  // procedure still calls.
  delete adapter_;
  adapter_ = nullptr;
  EXPECT_EQ(skin::SendSkinCommandToWnd(wnd_, skin::scIsSkinned, 0), answerWithoutAdapter_);
  ExpectChainReachesOriginal();
  EXPECT_EQ(foreignCalls, 2);
  subject_->DestroyTheWindow();
}

TEST_P(AdapterBindingTest, WindowDestroyedAfterAnotherPartySubclassed) {
  subject_->SubclassAfter();
  subject_->DestroyTheWindow();
  delete adapter_;
  adapter_ = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Bindings, AdapterBindingTest,
                         ::testing::Values(Binding::RawWindow, Binding::ClassLibraryControl, Binding::ProviderForm),
                         [](const ::testing::TestParamInfo<Binding>& info) {
                           switch (info.param) {
                             case Binding::RawWindow: return std::string("RawWindow");
                             case Binding::ClassLibraryControl: return std::string("ClassLibraryControl");
                             default: return std::string("ProviderForm");
                           }
                         });

// What the base adapter does with a window's own messages: printing turns
// into the window's painting, UI-state changes stop at the adapter, a
// refresh repaints only a visible window.
int paints = 0, uiStates = 0;
LRESULT CALLBACK PaintingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    ++paints;
    if (wParam) {
      RECT r{0, 0, 10, 10};
      HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
      FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      DeleteObject(brush);
      return 0;
    }
  }
  if (msg == WM_UPDATEUISTATE) ++uiStates;
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

TEST_F(AdapterFixture, PrintUiStateAndRefreshAtTheBaseAdapter) {
  RegisterTestClass(L"AdapterPaintingWindow", PaintingProc);
  HWND wnd = CreateWindowExW(0, L"AdapterPaintingWindow", L"", WS_CHILD, 0, 0, 10, 10, host_, nullptr, nullptr, nullptr);
  auto* adapter = MakeAdapter<TacMainWnd>(wnd, false, L"EDIT", manager_.get(), nullptr);

  MemoryDC print(10, 10);
  SendMessageW(wnd, WM_PRINT, reinterpret_cast<WPARAM>(print.Handle()), PRF_CLIENT);
  EXPECT_EQ(GetPixel(print.Handle(), 5, 5), RGB(1, 2, 3));

  SendMessageW(wnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  EXPECT_EQ(uiStates, 0);

  paints = 0;
  skin::SendSkinCommandToWnd(wnd, skin::scRefresh, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(paints, 0);  // hidden
  ShowWindow(wnd, SW_SHOWNA);
  ValidateRect(wnd, nullptr);
  skin::SendSkinCommandToWnd(wnd, skin::scRefresh, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(paints, 1);
  delete adapter;
  DestroyWindow(wnd);
}

// The window under the mouse becomes the hot window when it is enabled,
// and stops being it when it goes.
TEST_F(AdapterFixture, MouseMovesReportTheHotWindow) {
  HWND first = Child(L"EDIT", 0, 0, 0, 50, 20);
  HWND second = Child(L"EDIT", 0, 60, 0, 50, 20);
  HWND disabled = Child(L"EDIT", WS_DISABLED, 120, 0, 50, 20);
  auto* a = MakeAdapter<TacMainWnd>(first, false, L"EDIT", manager_.get(), nullptr);
  auto* b = MakeAdapter<TacMainWnd>(second, false, L"EDIT", manager_.get(), nullptr);
  auto* c = MakeAdapter<TacMainWnd>(disabled, false, L"EDIT", manager_.get(), nullptr);
  SendMessageW(first, WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(HotWindow(), first);
  SendMessageW(disabled, WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(HotWindow(), first);
  SendMessageW(second, WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(HotWindow(), second);
  DestroyWindow(second);
  EXPECT_EQ(HotWindow(), nullptr);
  delete a;
  delete b;
  delete c;
  DestroyWindow(first);
  DestroyWindow(disabled);
}

// Raw windows: nothing of the adapter runs after it is freed, and a window
// destroyed while another party sits on top frees the forwarder.
TEST_F(AdapterFixture, RawWindowWithoutPreviousProcedureDoesNotSendDestroyToItself) {
  HWND edit = Child(L"EDIT", 0, 0, 0, 50, 20);
  auto* adapter = MakeAdapter<TacMainWnd>(edit, false, L"EDIT", manager_.get(), nullptr);
  // WM_DESTROY handled with nothing to pass it to: answered, not re-sent.
  TacMainWnd bare;
  bare.CtrlHandle = edit;
  TMessage m{WM_DESTROY, 0, 0, 7};
  bare.AdapterWndProc(m);
  EXPECT_EQ(m.Result, 0);
  delete adapter;
  DestroyWindow(edit);
}

}  // namespace
}  // namespace skin_test
