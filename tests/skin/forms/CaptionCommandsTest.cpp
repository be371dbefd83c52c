#ifdef _WIN32
// The system menu a skinned form opens itself, the cover over its caption
// while the system would paint the native one, and snapping to the work area.
#include <windows.h>

#include <functional>

#include "tests/skin/forms/SkinnedFormFixture.h"

namespace skin_test {

using namespace classlib;
using skin::TsSkinProvider;

namespace {

class CaptionCommandsTest : public SkinnedFormFixture {
 protected:
  // Opens the system menu and reads it while it is open.
  void DropAndRead(std::function<void()> read) {
    InNextMenu(std::move(read));
    provider_->DropSysMenu(form_->Left() + 10, form_->Top() + 30);
    Pump();
  }
  UINT SysItemState(UINT command) const { return GetMenuState(GetSystemMenu(Wnd(), FALSE), command, MF_BYCOMMAND); }
  // The form with its own procedure in front of the provider's.
  void MakeWatchedForm(std::function<void(TMessage&)> watch) {
    form_.reset(New<TForm>(Application));
    TWndMethod own = form_->WindowProc();
    form_->SetWindowProc([own, watch](TMessage& m) {
      watch(m);
      own(m);
    });
    form_->SetCaption(L"Okno");
    form_->SetBounds(100, 100, 400, 300);
    provider_ = New<TsSkinProvider>(form_.get());
    Show();
  }
};

bool Grayed(UINT state) { return state != static_cast<UINT>(-1) && (state & MF_GRAYED) != 0; }

}  // namespace

TEST_F(CaptionCommandsTest, TheSystemsMenuOpensWithItsItemsSetFromTheForm) {
  manager_->SetSkinnedPopups(false);
  MakeForm(bsSingle);  // the main window's style
  bool read = false;
  DropAndRead([&] {
    read = true;
    EXPECT_TRUE(Grayed(SysItemState(SC_SIZE)));
    EXPECT_TRUE(Grayed(SysItemState(SC_RESTORE)));
    EXPECT_FALSE(Grayed(SysItemState(SC_MOVE)));
    EXPECT_FALSE(Grayed(SysItemState(SC_MINIMIZE)));
    EXPECT_FALSE(Grayed(SysItemState(SC_CLOSE)));
    // The style comes back whole while the menu is open.
    EXPECT_TRUE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_VISIBLE);
  });
  EXPECT_TRUE(read);

  MakeForm(bsSizeable);
  ShowWindow(Wnd(), SW_MAXIMIZE);
  Pump();
  read = false;
  DropAndRead([&] {
    read = true;
    EXPECT_FALSE(Grayed(SysItemState(SC_RESTORE)));
    EXPECT_TRUE(Grayed(SysItemState(SC_MOVE)));
    EXPECT_TRUE(Grayed(SysItemState(SC_SIZE)));
  });
  EXPECT_TRUE(read);
}

TEST_F(CaptionCommandsTest, TheSkinnedSystemMenuAndItsPopupMessage) {
  manager_->SetSkinnedPopups(true);
  MakeForm(bsSingle);
  bool read = false;
  DropAndRead([&] {
    read = true;
    // The skinned menu belongs to the form while it is open.
    EXPECT_EQ(provider_->SystemMenu()->WindowHandle(), Wnd());
  });
  EXPECT_TRUE(read);
  EXPECT_EQ(provider_->SystemMenu()->WindowHandle(), nullptr);

  // A system menu opening gets its size item grayed: sizing is the skinned frame's.
  HMENU menu = GetSystemMenu(Wnd(), FALSE);
  EnableMenuItem(menu, SC_SIZE, MF_BYCOMMAND | MF_ENABLED);
  SendMessageW(Wnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, 1));
  EXPECT_TRUE(Grayed(SysItemState(SC_SIZE)));
}

TEST_F(CaptionCommandsTest, RightClicksAndTheTaskbarOpenTheMenu) {
  manager_->SetSkinnedPopups(false);
  MakeForm();
  int opened = 0;
  const POINT caption = Screen(form_->Width() / 2, 8);
  for (UINT msg : {UINT{WM_NCRBUTTONUP}, UINT{0x313}}) {
    InNextMenu([&] { ++opened; });
    SendMessageW(Wnd(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(caption.x, caption.y));
    SendMessageW(Wnd(), msg, HTCAPTION, MAKELPARAM(caption.x, caption.y));
    Pump();
  }
  EXPECT_EQ(opened, 2);
}

TEST_F(CaptionCommandsTest, TheCoverLiesOverTheCaptionDuringTheDefaultCall) {
  struct Seen {
    bool cover = false, visible = false, aboveForm = false, topmost = false;
    RECT rect{};
  } seen;
  MakeWatchedForm([&](TMessage& m) {
    if (m.Msg != WM_SETTEXT || !provider_) return;
    TForm* cover = provider_->CaptionCover();
    seen.cover = cover != nullptr;
    if (!cover) return;
    seen.visible = IsWindowVisible(cover->Handle());
    GetWindowRect(cover->Handle(), &seen.rect);
    seen.aboveForm = GetWindow(cover->Handle(), GW_HWNDNEXT) == form_->Handle();
    seen.topmost = (GetWindowLongPtrW(cover->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  });
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  form_->SetCaption(L"Nowy tytuł");
  ASSERT_TRUE(seen.cover);
  EXPECT_TRUE(seen.visible);
  EXPECT_TRUE(seen.aboveForm);
  EXPECT_FALSE(seen.topmost);
  RECT r{};
  GetWindowRect(Wnd(), &r);
  EXPECT_EQ(seen.rect.left, r.left);
  EXPECT_EQ(seen.rect.top, r.top);
  EXPECT_EQ(seen.rect.right, r.right);
  EXPECT_EQ(seen.rect.bottom - seen.rect.top, provider_->ClientTop());
  // Gone after the call; the skinned caption has the new text.
  EXPECT_EQ(provider_->CaptionCover(), nullptr);

  // No cover while the form's drawing is locked.
  seen = Seen{};
  SendMessageW(Wnd(), WM_SETREDRAW, FALSE, 0);
  form_->SetCaption(L"Zablokowany");
  SendMessageW(Wnd(), WM_SETREDRAW, TRUE, 0);
  EXPECT_FALSE(seen.cover);

  // A topmost form's cover is topmost too.
  SetWindowPos(Wnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  seen = Seen{};
  form_->SetCaption(L"Na wierzchu");
  ASSERT_TRUE(seen.cover);
  EXPECT_TRUE(seen.topmost);
}

TEST_F(CaptionCommandsTest, ActivationKeepsTheSkinnedCaptionUnderACover) {
  bool covered = false;
  MakeWatchedForm([&](TMessage& m) {
    if (m.Msg == WM_NCACTIVATE && provider_ && provider_->CaptionCover()) covered = true;
  });
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  SendMessageW(Wnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_TRUE(covered);
  EXPECT_FALSE(provider_->FormActive());
  EXPECT_EQ(provider_->CaptionCover(), nullptr);
}

TEST_F(CaptionCommandsTest, ScreenSnapPullsTheFormToNearWorkAreaEdges) {
  MakeForm();
  provider_->SetScreenSnap(true);
  provider_->SetSnapBuffer(20);
  const TRect work = form_->Monitor()->WorkareaRect();
  auto moveTo = [&](int x, int y, int w = 400, int h = 300) {
    SetWindowPos(Wnd(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r{};
    GetWindowRect(Wnd(), &r);
    return r;
  };
  struct Case {
    int x, y, w, h;
    LONG left, top;
  } cases[] = {
      {work.Left + 15, work.Top + 100, 400, 300, work.Left, work.Top + 100},       // 15 from the left: snaps
      {work.Left + 20, work.Top + 100, 400, 300, work.Left + 20, work.Top + 100},  // 20: stays
      {work.Left + 100, work.Top + 15, 400, 300, work.Left + 100, work.Top},
      {work.Right - 400 - 15, work.Top + 100, 400, 300, work.Right - 400, work.Top + 100},
      {work.Left + 100, work.Bottom - 300 - 15, 400, 300, work.Left + 100, work.Bottom - 300},
      // Near both sides: left and top win.
      {work.Left + 5, work.Top + 5, work.Width() - 10, work.Height() - 10, work.Left, work.Top},
      // Sizing: the new width decides the right edge.
      {work.Right - 500 - 15, work.Top + 100, 500, 300, work.Right - 500, work.Top + 100},
  };
  for (const Case& c : cases) {
    const RECT r = moveTo(c.x, c.y, c.w, c.h);
    EXPECT_EQ(r.left, c.left) << c.x << "," << c.y;
    EXPECT_EQ(r.top, c.top) << c.x << "," << c.y;
  }
  provider_->SetScreenSnap(false);
  EXPECT_EQ(moveTo(work.Left + 15, work.Top + 100).left, work.Left + 15);
}

TEST_F(CaptionCommandsTest, AHideWithoutAnAnimationKeepsNoSnapshot) {
  MakeForm();
  manager_->AnimEffects()->FormHide()->SetActive(true);
  manager_->AnimEffects()->FormHide()->SetTime(100);
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  form_->Hide();
  Pump();
  EXPECT_FALSE(provider_->HasHideSnapshot());
  // Hidden and minimized forms prepare nothing.
  EXPECT_FALSE(provider_->HideAnimationWanted());
}

TEST_F(CaptionCommandsTest, MenuLineMetricsFollowTheBar) {
  MakeForm(bsSizeable, false);
  auto* menu = New<TMainMenu>(form_.get());
  for (const wchar_t* caption : {L"Plik", L"Edycja", L"Widok", L"Karta", L"Raport", L"Pomoc"}) {
    auto* item = New<TMenuItem>(form_.get());
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  EXPECT_FALSE(provider_->MenuLineVisible());  // not the form's menu yet
  form_->SetMenu(menu);
  Show();
  EXPECT_TRUE(provider_->MenuLineVisible());
  EXPECT_EQ(provider_->MenuLineHeight(), GetSystemMetrics(SM_CYMENU) - 1);
  EXPECT_EQ(provider_->MenuRows(), 1);
  // Too narrow for one line: the bar wraps into two rows.
  form_->SetBounds(100, 100, 150, 300);
  Pump();
  EXPECT_EQ(provider_->MenuRows(), 2);
  menu->SetAutoMerge(true);
  EXPECT_FALSE(provider_->MenuLineVisible());
  EXPECT_EQ(provider_->MenuLineHeight(), 0);
}

}  // namespace skin_test
#endif
