#ifdef _WIN32
// The provider's attachment to its form: lifetime, the command table, the
// native look coming back, and the metrics it works with.
#include <windows.h>

#include <vector>

#include "tests/skin/forms/SkinnedFormFixture.h"
#include "skin/forms/DwmEntries.h"

namespace skin_test {

using namespace classlib;
using skin::TsSkinProvider;

using SkinProviderTest = SkinnedFormFixture;

TEST_F(SkinProviderTest, OnlyAFormCanOwnAProvider) {
  std::unique_ptr<TComponent> owner(New<TComponent>(nullptr));
  EXPECT_THROW(New<TsSkinProvider>(owner.get()), EAbort);
  EXPECT_EQ(owner->ComponentCount(), 0);
}

TEST_F(SkinProviderTest, DeletingAShownFormLeavesNoProviderBehind) {
  form_.reset(New<TForm>(Application));
  int destroys = 0;
  TWndMethod own = form_->WindowProc();
  // The form's own procedure, seen by the provider as the old one.
  form_->SetWindowProc([&, own](TMessage& m) {
    if (m.Msg == WM_DESTROY) ++destroys;
    own(m);
  });
  provider_ = New<TsSkinProvider>(form_.get());
  form_->SetBounds(50, 50, 300, 200);
  provider_->Loaded();
  Show();
  ASSERT_EQ(skin::SendSkinCommand(form_.get(), skin::scIsSkinned, 0), 1);
  form_.reset();
  EXPECT_EQ(destroys, 1);
  EXPECT_EQ(skin::MainSkinProvider(), nullptr);
}

TEST_F(SkinProviderTest, AFormOutlivesItsProviderWithTheNativeLook) {
  MakeForm();
  ASSERT_TRUE(provider_->SysMenuHidden());
  ASSERT_EQ(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), CreateRectRgn(0, 0, 0, 0)), ERROR);
  delete provider_;
  EXPECT_NE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU, 0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Wnd(), region), ERROR);
  DeleteObject(region);
  form_->SetCaption(L"Dalej");
  EXPECT_EQ(form_->Caption(), L"Dalej");
  form_->SetBounds(10, 10, 300, 200);
  EXPECT_EQ(form_->Width(), 300);
  EXPECT_EQ(skin::SendSkinCommand(form_.get(), skin::scIsSkinned, 0), 0);
}

TEST_F(SkinProviderTest, CommandsFindTheProviderSkinnedOrNot) {
  MakeForm();
  auto providerOf = [&] {
    auto* state = reinterpret_cast<skin::TsSkinnedForm*>(skin::SendSkinCommand(form_.get(), skin::scGetProvider, 0));
    return dynamic_cast<TsSkinProvider*>(state);
  };
  EXPECT_EQ(providerOf(), provider_);
  EXPECT_EQ(skin::SendSkinCommand(form_.get(), skin::scIsSkinned, 0), 1);
  // A stranger's send gets no address.
  EXPECT_EQ(SendMessageW(Wnd(), skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scGetProvider), 0), 0);

  // Another manager's removal is not ours.
  std::unique_ptr<TsSkinManager> other(New<TsSkinManager>(nullptr));
  skin::SendSkinCommand(form_.get(), skin::scRemoveSkin, reinterpret_cast<LPARAM>(other.get()));
  EXPECT_EQ(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU, 0);

  // Our manager's removal brings the native look back.
  skin::SendSkinCommand(form_.get(), skin::scRemoveSkin, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_NE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU, 0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Wnd(), region), ERROR);
  DeleteObject(region);
  manager_->SetActive(false);
  EXPECT_EQ(providerOf(), provider_);
  EXPECT_EQ(skin::SendSkinCommand(form_.get(), skin::scIsSkinned, 0), 1);
}

TEST_F(SkinProviderTest, PointerCommandsFromElsewhereAreDropped) {
  MakeForm();
  HWND wnd = Wnd();
  struct Job {
    HWND wnd;
    LRESULT answers[3];
  } job{wnd, {1, 1, 1}};
  // From another thread, with pointers that point nowhere.
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](void* data) -> DWORD {
        auto* j = static_cast<Job*>(data);
        const LPARAM junk = 0x1234;
        j->answers[0] = SendMessageW(j->wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scGetBGInfo), junk);
        j->answers[1] =
            SendMessageW(j->wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scChildChanged), junk);
        j->answers[2] = SendMessageW(j->wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scGetProvider), 0);
        return 0;
      },
      &job, 0, nullptr);
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, 5000, QS_ALLINPUT | QS_SENDMESSAGE) != WAIT_OBJECT_0) Pump();
  CloseHandle(thread);
  for (LRESULT answer : job.answers) EXPECT_EQ(answer, 0);
  // Posted ones too.
  PostMessageW(wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scGetBGInfo), 0x1234);
  Pump();
  EXPECT_TRUE(IsWindow(wnd));
}

TEST_F(SkinProviderTest, MetricsFollowTheSystem) {
  struct Case {
    TFormBorderStyle style;
    int frame;
    int caption;
  };
  const Case cases[] = {
      {bsSizeable, GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYCAPTION)},
      {bsSingle, GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYCAPTION)},
      {bsToolWindow, GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYSMCAPTION)},
      {bsNone, 0, 0},
  };
  for (const Case& c : cases) {
    MakeForm(c.style);
    EXPECT_EQ(skin::FrameWidthOf(Wnd(), nullptr, true), c.frame) << c.style;
    EXPECT_EQ(skin::InnerFrameWidth(Wnd(), nullptr, true), c.frame) << c.style;
    EXPECT_EQ(provider_->ProviderCaptionHeight(true), c.caption) << c.style;
    RECT window, client;
    GetWindowRect(Wnd(), &window);
    GetClientRect(Wnd(), &client);
    POINT origin{0, 0};
    ClientToScreen(Wnd(), &origin);
    EXPECT_EQ(provider_->ClientOffsetX(), origin.x - window.left) << c.style;
    EXPECT_EQ(provider_->ClientOffsetY(), origin.y - window.top) << c.style;
  }
  EXPECT_EQ(skin::SystemCaptionHeight(nullptr), GetSystemMetrics(SM_CYCAPTION));
  for (auto [height, size] : {std::pair{-101, 16}, {-100, 1}, {8, 1}, {9, 8}, {16, 8}, {17, 16}})
    EXPECT_EQ(skin::TitleIconSizeFor(height), size) << height;
  struct Snap {
    int pos, edge, buffer, size, result;
  };
  for (const Snap& s : {Snap{15, 0, 20, 0, 0}, Snap{20, 0, 20, 0, 20}, Snap{590, 1000, 20, 400, 600},
                        Snap{570, 1000, 20, 400, 570}}) {
    int pos = s.pos;
    skin::SnapToEdge(pos, s.edge, s.buffer, s.size);
    EXPECT_EQ(pos, s.result) << s.pos;
  }
}

TEST_F(SkinProviderTest, DwmReportsCompositionOffAndAMissingModuleDoesNothing) {
  MakeForm();
  EXPECT_FALSE(skin::acDwmCompositionEnabled());
  skin::SetDwmModuleName("NO-SUCH-DWM.DLL");
  BOOL value = TRUE;
  EXPECT_EQ(skin::acDwmSetWindowAttribute(Wnd(), 3, &value, sizeof value), E_NOTIMPL);
  EXPECT_FALSE(skin::acDwmCompositionEnabled());
  skin::acDwmSetTransitions(Wnd(), true);
  skin::acDwmEnableBlurBehind(Wnd(), true, nullptr);
  skin::acDwmInvalidateIconicBitmaps(Wnd());
  skin::SetDwmModuleName("DWMAPI.DLL");
}

TEST_F(SkinProviderTest, MaximizedBoundsCoverTheWorkAreaWithTheFrameOutside) {
  MakeForm();
  MINMAXINFO info{};
  SendMessageW(Wnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(Wnd(), MONITOR_DEFAULTTONEAREST), &monitor);
  const int f = GetSystemMetrics(SM_CXFRAME);
  EXPECT_EQ(info.ptMaxPosition.x, monitor.rcWork.left - monitor.rcMonitor.left - f);
  EXPECT_EQ(info.ptMaxPosition.y, monitor.rcWork.top - monitor.rcMonitor.top - f);
  EXPECT_EQ(info.ptMaxSize.x, monitor.rcWork.right - monitor.rcWork.left + 2 * f);
  EXPECT_EQ(info.ptMaxSize.y, monitor.rcWork.bottom - monitor.rcWork.top + 2 * f);
}

TEST_F(SkinProviderTest, SystemMenuFollowsTheFormsStyleAndState) {
  MakeForm(bsDialog);
  skin::TsSystemMenu* menu = provider_->SystemMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->VisibleMax());
  EXPECT_FALSE(menu->VisibleMin());
  EXPECT_TRUE(menu->VisibleClose());
  MakeForm(bsSizeable);
  menu = provider_->SystemMenu();
  EXPECT_TRUE(menu->VisibleMax() && menu->VisibleMin() && menu->EnabledMax());
  EXPECT_FALSE(menu->EnabledRestore());
  ShowWindow(Wnd(), SW_MAXIMIZE);
  EXPECT_TRUE(menu->EnabledRestore());
  menu->UpdateItems(false);
  bool moveEnabled = true;
  for (int i = 0; i < menu->Items()->Count(); ++i)
    if (menu->Items()->Items(i)->Name() == L"acIM") moveEnabled = menu->Items()->Items(i)->Enabled();
  EXPECT_FALSE(moveEnabled);
}

TEST_F(SkinProviderTest, SomeMessagesNeverReachTheFormAndMinMaxComesFilled) {
  form_.reset(New<TForm>(Application));
  std::vector<UINT> seen;
  POINT maxSizeSeen{0, 0};
  TWndMethod own = form_->WindowProc();
  form_->SetWindowProc([&, own](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_GETMINMAXINFO) maxSizeSeen = reinterpret_cast<MINMAXINFO*>(m.LParam)->ptMaxSize;
    own(m);
  });
  form_->SetBounds(100, 100, 400, 300);
  provider_ = New<TsSkinProvider>(form_.get());
  Show();
  seen.clear();
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(Wnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  DeleteDC(dc);
  EXPECT_EQ(SendMessageW(Wnd(), WM_ENTERIDLE, MSGF_MENU, 0), 0);
  EXPECT_EQ(SendMessageW(Wnd(), 0xA400, 2, 0), 0);
  EXPECT_EQ(SendMessageW(Wnd(), 0xA400, 4, 0), 1);
  EXPECT_TRUE(seen.empty());
  MINMAXINFO info{};
  SendMessageW(Wnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_GT(maxSizeSeen.x, 0);
  EXPECT_EQ(maxSizeSeen.x, info.ptMaxSize.x);
}

}  // namespace skin_test
#endif
