#ifdef _WIN32
// Pictures of the caption at work, taken from the screen inside the moments
// they show (a button held, a menu open, an outline dragged, a caption
// change under its cover). Written only when TESSARILO_PICTURES_DIR is set.
#include <windows.h>

#include <functional>

#include "skin/forms/OutlineDrag.h"
#include "tests/skin/forms/SkinnedFormFixture.h"
#include "tests/skin/paint/PictureFiles.h"

namespace skin_test {

using namespace classlib;
using skin::paint::testing::PicturesDir;
using skin::paint::testing::SavePng;

namespace {

class CaptionPicturesTest : public SkinnedFormFixture {
 protected:
  void SetUp() override {
    // The fixture's tear-down runs in any case: set it up first.
    SkinnedFormFixture::SetUp();
    dir_ = PicturesDir();
    if (dir_.empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  }
  // The screen around the form (and what lies beside it) as a PNG.
  void Shoot(const std::wstring& name, int marginRight = 40, int marginBottom = 40) {
    // The window's pixels reach the X server when the thread next looks for messages.
    GdiFlush();
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    Sleep(100);
    RECT r{};
    GetWindowRect(Wnd(), &r);
    const int x = std::max<LONG>(0, r.left - 40), y = std::max<LONG>(0, r.top - 40);
    const int w = r.right - r.left + 40 + marginRight, h = r.bottom - r.top + 40 + marginBottom;
    TBitmap shot;
    shot.SetPixelFormat(pf32bit);
    shot.SetSize(w, h);
    HDC screen = GetDC(nullptr);
    shot.Canvas()->Lock();
    BitBlt(shot.Canvas()->Handle(), 0, 0, w, h, screen, x, y, SRCCOPY);
    shot.Canvas()->Unlock();
    ReleaseDC(nullptr, screen);
    for (int row = 0; row < h; ++row) {
      auto* line = reinterpret_cast<std::uint32_t*>(shot.ScanLine(row));
      for (int col = 0; col < w; ++col) line[col] |= 0xFF000000u;
    }
    SavePng(&shot, dir_ + L"\\" + name);
  }
  void MakeMainLikeForm() {
    UseFramedSkin();
    MakeForm(bsSingle);
    form_->SetCaption(L"Tessarilo – zegarki");
    SetForegroundWindow(Wnd());
    Pump();
    SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
    SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
    Sleep(200);
  }
  POINT Centre(int code) const {
    const RECT r = provider_->SystemButton(code).Rect;
    return Screen((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  std::wstring dir_;
};

}  // namespace

TEST_F(CaptionPicturesTest, CloseHotAndPressed) {
  MakeMainLikeForm();
  Shoot(L"caption-normal.png");
  const POINT close = Centre(HTCLOSE);
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(close.x, close.y));
  Shoot(L"caption-close-hot.png");
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(close.x, close.y));
  EXPECT_EQ(provider_->SystemButton(HTCLOSE).State, 2);
  Shoot(L"caption-close-pressed.png");
  SendMessageW(Wnd(), WM_CANCELMODE, 0, 0);
}

TEST_F(CaptionPicturesTest, SystemMenuFromTheIcon) {
  for (bool skinned : {false, true}) {
    manager_->SetSkinnedPopups(skinned);
    MakeMainLikeForm();
    const RECT icon = provider_->IconRect();
    const POINT p = Screen((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
    InNextMenu([&] { Shoot(skinned ? L"sysmenu-skinned.png" : L"sysmenu-system.png", 60, 200); }, 400);
    SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTSYSMENU, MAKELPARAM(p.x, p.y));
    Pump();
  }
}

TEST_F(CaptionPicturesTest, OutlineDrag) {
  MakeMainLikeForm();
  provider_->SetResizeMode(skin::rmBorder);
  const POINT grab = Screen(form_->Width() / 2, 8);
  SetCursorPos(grab.x, grab.y);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(grab.x, grab.y));
  POINT to{grab.x + 90, grab.y + 60};
  SetCursorPos(to.x, to.y);
  ScreenToClient(Wnd(), &to);
  SendMessageW(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  Shoot(L"outline-drag.png", 140, 110);
  SendMessageW(Wnd(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  Pump();
  Shoot(L"outline-dropped.png", 40, 40);
}

TEST_F(CaptionPicturesTest, CaptionChangeUnderTheCover) {
  form_.reset(New<TForm>(Application));
  TWndMethod own = form_->WindowProc();
  bool shot = false;
  form_->SetWindowProc([&, own](TMessage& m) {
    own(m);
    // Right after the system's own caption painting, with the cover still up.
    if (m.Msg == WM_SETTEXT && provider_ && provider_->CaptionCover() && !shot) {
      shot = true;
      Shoot(L"caption-change-covered.png");
    }
  });
  form_->SetBorderStyle(bsSingle);
  form_->SetCaption(L"Tessarilo – zegarki");
  form_->SetBounds(100, 100, 400, 300);
  provider_ = New<skin::TsSkinProvider>(form_.get());
  Show();
  SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  form_->SetCaption(L"Nowa karta – Omega Seamaster");
  EXPECT_TRUE(shot);
  Pump();
  Shoot(L"caption-change-after.png");
}

}  // namespace skin_test
#endif
