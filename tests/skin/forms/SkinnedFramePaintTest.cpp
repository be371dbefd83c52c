#ifdef _WIN32
// The skinned frame on a real window: the region cut from the skin's
// corners, the frame strips the window shows against the provider's image,
// the caption text, and the hit test.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "skin/paint/ColorAdjust.h"
#include "tests/skin/forms/SkinnedFormFixture.h"
#include "tests/skin/paint/GdiObjectCount.h"

namespace skin_test {

using namespace classlib;
using skin::TsSkinProvider;

using SkinnedFrameTest = SkinnedFormFixture;

namespace {

bool InRegion(HWND wnd, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool inside = GetWindowRgn(wnd, region) != ERROR && PtInRegion(region, x, y);
  DeleteObject(region);
  return inside;
}

using skin_test_gdi::GdiObjects;

}  // namespace

TEST_F(SkinnedFrameTest, RegionCutsTheRoundedCornersOnly) {
  MakeForm();
  const int w = form_->Width(), h = form_->Height();
  struct Point {
    int x, y;
    bool inside;
  };
  for (const Point& p : {Point{0, 0, false}, Point{w - 1, 0, false}, Point{0, h - 1, false}, Point{w - 1, h - 1, false},
                         Point{1, 1, false}, Point{kCornerRadius, 0, true}, Point{0, kCornerRadius, true},
                         Point{w / 2, 0, true}, Point{w / 2, h - 1, true}, Point{w / 2, h / 2, true},
                         Point{kCornerRadius - 1, kCornerRadius - 1, true}})
    EXPECT_EQ(InRegion(Wnd(), p.x, p.y), p.inside) << p.x << "," << p.y;
  // Maximized: the rectangle inside the frame, in window coordinates.
  ShowWindow(Wnd(), SW_MAXIMIZE);
  Pump();
  const int f = GetSystemMetrics(SM_CXFRAME);
  RECT r;
  GetWindowRect(Wnd(), &r);
  EXPECT_FALSE(InRegion(Wnd(), f - 1, f));
  EXPECT_TRUE(InRegion(Wnd(), f, f));
  EXPECT_TRUE(InRegion(Wnd(), r.right - r.left - f - 1, r.bottom - r.top - f - 1));
  EXPECT_FALSE(InRegion(Wnd(), r.right - r.left - f, f));
}

TEST_F(SkinnedFrameTest, AFormMayVetoItsFirstRegion) {
  form_.reset(New<TForm>(Application));
  TWndMethod own = form_->WindowProc();
  form_->SetWindowProc([own](TMessage& m) {
    if (m.Msg == skin::RegionVetoMessage && m.WParam == skin::RegionVetoCode) m.Result = skin::RegionVetoCode;
    else own(m);
  });
  form_->SetBounds(100, 100, 400, 300);
  provider_ = New<TsSkinProvider>(form_.get());
  Show();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Wnd(), region), ERROR);
  DeleteObject(region);
  // The frame is painted all the same.
  EXPECT_GT(provider_->ImageBuildCount(), 0);
}

TEST_F(SkinnedFrameTest, WindowShowsTheImagesFrameAndPrintsIt) {
  MakeForm();
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  TBitmap* image = provider_->SkinData()->CacheBmp();
  ASSERT_EQ(image->Width(), form_->Width());
  ASSERT_EQ(image->Height(), form_->Height());
  // PrintWindow into a memory bitmap of the window's size.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, form_->Width(), form_->Height());
  HGDIOBJ old = SelectObject(memory, bitmap);
  ASSERT_TRUE(PrintWindow(Wnd(), memory, 0));
  HDC window = GetWindowDC(Wnd());
  const int f = GetSystemMetrics(SM_CXFRAME), top = provider_->ClientOffsetY(), w = form_->Width(),
            h = form_->Height();
  int checked = 0;
  for (int y = 0; y < h; y += 3)
    for (int x = 0; x < w; x += 7) {
      const bool frame = y < top || x < f || x >= w - f || y >= h - f;
      if (!frame || !InRegion(Wnd(), x, y)) continue;
      ++checked;
      ASSERT_EQ(GetPixel(window, x, y), ImagePixel(x, y)) << x << "," << y;
      ASSERT_EQ(GetPixel(memory, x, y), ImagePixel(x, y)) << x << "," << y;
    }
  EXPECT_GT(checked, 100);
  // The client area printed from the image too.
  EXPECT_EQ(GetPixel(memory, w / 2, h / 2), ImagePixel(w / 2, h / 2));
  ReleaseDC(Wnd(), window);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_F(SkinnedFrameTest, CaptionStaysSkinnedAfterTextAndActivationChanges) {
  MakeForm();
  const int y = provider_->ClientOffsetY() / 2;
  const int x = form_->Width() / 2 + 40;  // right of the caption text, left of the buttons
  auto windowPixel = [&] {
    HDC dc = GetWindowDC(Wnd());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(Wnd(), dc);
    return c;
  };
  SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(provider_->FormActive());
  EXPECT_EQ(windowPixel(), kTitleHotColor);
  form_->SetCaption(L"Inny tytuł");
  EXPECT_EQ(windowPixel(), kTitleHotColor);
  SendMessageW(Wnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(provider_->FormActive());
  EXPECT_EQ(windowPixel(), kTitleColor);
  form_->SetCaption(L"Jeszcze inny");
  EXPECT_EQ(windowPixel(), kTitleColor);
}

TEST_F(SkinnedFrameTest, AddedTitleTakesTheTitleColoursAlignmentAndEllipsis) {
  MakeForm(bsSingle);
  provider_->AddedTitle()->SetShowMainCaption(false);
  provider_->AddedTitle()->Font()->SetHeight(-12);
  // The columns where a colour shows in the caption row band of the image.
  auto extent = [&](COLORREF color, int& first, int& last) {
    first = -1;
    last = -1;
    for (int y = 2; y < provider_->ClientOffsetY() - 2; ++y)
      for (int x = 0; x < form_->Width(); ++x)
        if (ImagePixel(x, y) == color) {
          if (first < 0 || x < first) first = x;
          last = std::max(last, x);
        }
  };
  auto rebuild = [&] {
    provider_->SkinData()->BGChanged = true;
    provider_->PaintNonClientArea();
  };
  provider_->AddedTitle()->SetText(L"Karty: 12");
  SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
  rebuild();
  int first, last, unused;
  extent(kTitleHotFont, first, last);
  ASSERT_GE(first, 0);
  const int leftStart = first, width = last - first;
  SendMessageW(Wnd(), WM_NCACTIVATE, FALSE, 0);
  rebuild();
  extent(kTitleHotFont, unused, unused);
  EXPECT_EQ(unused, -1);
  extent(kTitleFont, first, last);
  EXPECT_EQ(first, leftStart);

  // A colour of its own, mixed half way to the title's in an inactive form.
  provider_->AddedTitle()->Font()->SetColor(0x0000FF);  // red
  rebuild();
  extent(static_cast<COLORREF>(skin::paint::MixColors(0x0000FF, kTitleFont, 0.5)), first, last);
  EXPECT_EQ(first, leftStart);

  provider_->AddedTitle()->Font()->SetColor(clNone);
  provider_->SetCaptionAlignment(taCenter);
  rebuild();
  extent(kTitleFont, first, last);
  const int centre = (first + last) / 2;
  EXPECT_NEAR(centre, form_->Width() / 2, form_->Width() / 6);
  EXPECT_GT(first, leftStart + 20);
  provider_->SetCaptionAlignment(taRightJustify);
  rebuild();
  int rightFirst, rightLast;
  extent(kTitleFont, rightFirst, rightLast);
  EXPECT_GT(rightFirst, first);
  EXPECT_NEAR(rightLast - rightFirst, width, 2);

  // Too long: cut at the buttons with an ellipsis, never left of the start.
  provider_->SetCaptionAlignment(taCenter);
  provider_->AddedTitle()->SetText(std::wstring(200, L'M'));
  rebuild();
  extent(kTitleFont, first, last);
  EXPECT_EQ(first, leftStart);
  EXPECT_LT(last, provider_->SystemButton(HTMINBUTTON).Rect.left);
}

TEST_F(SkinnedFrameTest, HitTestFollowsTheSkinnedButtonsAndTheFrame) {
  MakeForm(bsSizeable);
  const int w = form_->Width(), h = form_->Height(), f = GetSystemMetrics(SM_CXFRAME);
  auto centre = [](const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; };
  const POINT close = centre(provider_->SystemButton(HTCLOSE).Rect);
  const POINT max = centre(provider_->SystemButton(HTMAXBUTTON).Rect);
  const POINT min = centre(provider_->SystemButton(HTMINBUTTON).Rect);
  const POINT icon = centre(provider_->IconRect());
  struct Case {
    POINT p;
    int code;
  };
  const Case cases[] = {
      {close, HTCLOSE},
      {max, HTMAXBUTTON},
      {min, HTMINBUTTON},
      {icon, HTSYSMENU},
      {{w / 2, f + 5}, HTCAPTION},
      {{w / 2, provider_->ClientOffsetY()}, HTCLIENT},  // the first client row
      {{0, 0}, HTTOPLEFT},
      {{f, 0}, HTTOP},
      {{w - 1, 0}, HTTOPRIGHT},
      {{0, h / 2}, HTLEFT},
      {{w - 1, h / 2}, HTRIGHT},
      {{w - f, h / 2}, HTRIGHT},
      {{w - f - 1, h / 2}, HTCLIENT},
      {{w / 2, h - 1}, HTBOTTOM},
      {{w / 2, h - f}, HTBOTTOM},
      {{w - 1, h - 1}, HTBOTTOMRIGHT},
      {{0, h - 1}, HTBOTTOMLEFT},
  };
  // The provider's own answer; the message gives the buttons' and the
  // icon's, and leaves the bands, caption and client to the system.
  for (const Case& c : cases) EXPECT_EQ(provider_->FrameHitTest(Screen(c.p.x, c.p.y)), c.code) << c.p.x << "," << c.p.y;
  for (const Case& c : {cases[0], cases[1], cases[2], cases[3]}) EXPECT_EQ(HitAt(c.p.x, c.p.y), c.code);
  // Maximized: no sizing codes.
  ShowWindow(Wnd(), SW_MAXIMIZE);
  Pump();
  RECT r;
  GetWindowRect(Wnd(), &r);
  for (POINT p : {POINT{(r.right - r.left) / 2, f + 8}, POINT{r.right - r.left - f - 1, (r.bottom - r.top) / 2}})
    EXPECT_TRUE(HitAt(p.x, p.y) == HTCAPTION || HitAt(p.x, p.y) == HTCLIENT) << p.x << "," << p.y;
  ShowWindow(Wnd(), SW_RESTORE);
  Pump();
  // The size grip answers bottom-right over the client.
  provider_->SetGripMode(skin::gmRightBottom);
  Pump();
  EXPECT_EQ(HitAt(w - f - 2, h - f - 2), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt(w - f - 30, h - f - 30), HTCLIENT);
}

TEST_F(SkinnedFrameTest, HelpAndUserButtonsAnswerTheirOwnCodes) {
  // Minimize shown, maximize hidden, help set: help must not read as minimize.
  form_.reset(New<TForm>(Application));
  form_->SetBorderStyle(bsSingle);
  form_->SetBorderIcons(TBorderIcons{biSystemMenu, biMinimize, biHelp});
  form_->SetBounds(100, 100, 400, 300);
  provider_ = New<TsSkinProvider>(form_.get());
  auto* user = static_cast<skin::TsTitleButton*>(provider_->TitleButtons()->Add());
  Show();
  auto centre = [](const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; };
  ASSERT_FALSE(provider_->SystemMenu()->VisibleMax());
  const POINT help = centre(provider_->SystemButton(HTHELP).Rect);
  const POINT min = centre(provider_->SystemButton(HTMINBUTTON).Rect);
  const POINT button = centre(user->BtnData.Rect);
  EXPECT_EQ(HitAt(help.x, help.y), HTHELP);
  EXPECT_EQ(HitAt(min.x, min.y), HTMINBUTTON);
  EXPECT_EQ(HitAt(button.x, button.y), skin::htUserButton);
  EXPECT_EQ(provider_->TitleButtonAt(POINT{button.x, button.y}), 4);
}

TEST_F(SkinnedFrameTest, ACloseReleasedElsewhereDoesNothing) {
  MakeForm();
  int closes = 0;
  form_->OnCloseQuery = [&](TObject*, bool& canClose) {
    ++closes;
    canClose = false;
  };
  const RECT& r = provider_->SystemButton(HTCLOSE).Rect;
  const POINT inside = Screen((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(inside.x, inside.y));
  EXPECT_EQ(provider_->SystemButton(HTCLOSE).State, 2);
  SetCursorPos(inside.x - 200, inside.y + 100);
  SendMessageW(Wnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(provider_->SystemButton(HTCLOSE).State, 0);
}

TEST_F(SkinnedFrameTest, UnchangedPaintsAndMovesReuseTheImage) {
  MakeForm(bsSizeable, false);
  Show();
  // Showing composes the image a few times at most; a caption change once.
  EXPECT_GE(provider_->ImageBuildCount(), 1);
  EXPECT_LE(provider_->ImageBuildCount(), 3);
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  int builds = provider_->ImageBuildCount();
  form_->SetCaption(L"Nowy");
  Pump();
  EXPECT_EQ(provider_->ImageBuildCount(), builds + 1);
  builds = provider_->ImageBuildCount();
  const POINT caption = Screen(form_->Width() / 2, 8);
  for (int i = 0; i < 100; ++i) {
    SendMessageW(Wnd(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(caption.x + i % 5, caption.y));
    SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  }
  EXPECT_EQ(provider_->ImageBuildCount(), builds);
}

TEST_F(SkinnedFrameTest, ResizeActivateRepaintCyclesKeepTheGdiCount) {
  MakeForm();
  auto cycle = [&](int i) {
    form_->SetBounds(100, 100, 400 + i % 7, 300 + i % 5);
    SendMessageW(Wnd(), WM_NCACTIVATE, i % 2, 0);
    SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
    RedrawWindow(Wnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  };
  for (int i = 0; i < 20; ++i) cycle(i);
  const DWORD before = GdiObjects();
  for (int i = 0; i < 1000; ++i) cycle(i);
  EXPECT_EQ(GdiObjects(), before);
}

TEST_F(SkinnedFrameTest, PicturesOfTheRoundedSkin) {
  // Written only when asked: TESSARILO_PICTURES_DIR names a folder.
  const char* folder = std::getenv("TESSARILO_PICTURES_DIR");
  if (!folder) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  MakeForm();
  provider_->AddedTitle()->SetText(L"Zaokrąglone rogi");
  SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  const std::wstring dir(folder, folder + std::strlen(folder));
  provider_->SkinData()->CacheBmp()->SaveToFile(dir + L"\\rounded-active.bmp");
  SendMessageW(Wnd(), WM_NCACTIVATE, FALSE, 0);
  provider_->SkinData()->CacheBmp()->SaveToFile(dir + L"\\rounded-inactive.bmp");
  Sleep(1500);
}

}  // namespace skin_test
#endif
