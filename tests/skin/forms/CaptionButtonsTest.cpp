#ifdef _WIN32
// The caption buttons of a skinned form: their glyphs and places, their hot
// and pressed frames in the image, and what a press and a release do.
#include <windows.h>

#include "tests/skin/forms/SkinnedFormFixture.h"

namespace skin_test {

using namespace classlib;
using skin::TsSkinProvider;

namespace {

class CaptionButtonsTest : public SkinnedFormFixture {
 protected:
  RECT ButtonRect(int code) const { return provider_->SystemButton(code).Rect; }
  POINT Centre(const RECT& r) const { return Screen((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
  COLORREF WindowPixel(int x, int y) const {
    HDC dc = GetWindowDC(Wnd());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(Wnd(), dc);
    return c;
  }
  int GlobalMask(const wchar_t* name) const {
    return manager_->GetMaskIndex(manager_->ConstData().GlobalInfo, L"GLOBALINFO", name);
  }
  void Press(int code) {
    const POINT p = Centre(ButtonRect(code));
    SendMessageW(Wnd(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(code), MAKELPARAM(p.x, p.y));
  }
  // A captured release at a window point, as the client point the system gives.
  void ReleaseAt(int x, int y, WPARAM keys = 0) {
    POINT p = Screen(x, y);
    ScreenToClient(Wnd(), &p);
    SendMessageW(Wnd(), WM_LBUTTONUP, keys, MAKELPARAM(p.x, p.y));
  }
  void CountCloses() {
    form_->OnCloseQuery = [this](TObject*, bool& canClose) {
      ++closes_;
      canClose = false;
    };
  }
  int closes_ = 0;
};

COLORREF Rgb(std::uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

}  // namespace

TEST_F(CaptionButtonsTest, ButtonsLineUpFromTheRightEdgeWithTheSkinsSpacing) {
  MakeForm();
  const skin::TsSkinData& values = manager_->SkinData();
  const int f = GetSystemMetrics(SM_CXFRAME);
  const RECT close = ButtonRect(HTCLOSE), max = ButtonRect(HTMAXBUTTON), min = ButtonRect(HTMINBUTTON);
  EXPECT_EQ(close.right, form_->Width() - values.BIRight - f);
  EXPECT_EQ(close.right - close.left, 8);  // one frame of the glyph strip
  EXPECT_EQ(max.right, close.left - values.BISpace);
  EXPECT_EQ(min.right, max.left - values.BISpace);
  EXPECT_EQ(close.bottom - close.top, provider_->CloseButtonHeight());
  EXPECT_EQ(provider_->TitleButtonsWidth(), values.BIRight + 3 * 8 + 2 * values.BISpace);
}

TEST_F(CaptionButtonsTest, GlyphsFollowTheFormsStyleAndState) {
  // A form that shows only its close button (the about window) takes the close-alone glyph.
  MakeForm(bsSingle, false);
  form_->SetBorderIcons(TBorderIcons{biSystemMenu});
  Show();
  provider_->InitTitleButtonIndexes();
  EXPECT_EQ(provider_->SystemButton(HTCLOSE).ImageIndex, GlobalMask(L"BICLOSEALONE"));
  EXPECT_TRUE(provider_->SystemButton(HTCLOSE).BigGlyph);

  // A maximized form shows restore in place of maximize.
  MakeForm();
  ShowWindow(Wnd(), SW_MAXIMIZE);
  Pump();
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(provider_->SystemButton(HTMAXBUTTON).ImageIndex, manager_->ConstData().TitleNorm);
  ShowWindow(Wnd(), SW_RESTORE);
  Pump();
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(provider_->SystemButton(HTMAXBUTTON).ImageIndex, manager_->ConstData().TitleMax);

  // A tool window takes the small glyphs, with no space between buttons.
  UseFramedSkin();
  MakeForm(bsToolWindow);
  provider_->InitTitleButtonIndexes();
  EXPECT_EQ(provider_->SystemButton(HTCLOSE).ImageIndex, GlobalMask(L"SICONCLOSE"));
  EXPECT_FALSE(provider_->SystemButton(HTCLOSE).BigGlyph);
}

TEST_F(CaptionButtonsTest, HotAndPressedFramesReachTheImageAndTheWindow) {
  UseFramedSkin();
  // Without glowing (and extended borders) the states are painted at once, not faded.
  manager_->Effects()->SetAllowGlowing(false);
  MakeForm();
  SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  const RECT r = ButtonRect(HTCLOSE);
  const int x = r.left + 3, y = r.top + 4;
  EXPECT_EQ(ImagePixel(x, y), Rgb(kCloseFrames[0]));
  const int builds = provider_->ImageBuildCount();

  const POINT p = Centre(r);
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(p.x, p.y));
  EXPECT_EQ(provider_->SystemButton(HTCLOSE).State, 1);
  EXPECT_EQ(provider_->CurrentButton(), HTCLOSE);
  EXPECT_EQ(ImagePixel(x, y), Rgb(kCloseFrames[1]));
  EXPECT_EQ(WindowPixel(x, y), Rgb(kCloseFrames[1]));

  Press(HTCLOSE);
  EXPECT_TRUE(skin::TitleButtonPressedLock());
  EXPECT_EQ(ImagePixel(x, y), Rgb(kCloseFrames[2]));
  EXPECT_EQ(WindowPixel(x, y), Rgb(kCloseFrames[2]));
  EXPECT_EQ(GetCapture(), Wnd());

  // Released over the client area: nothing runs, the button is normal again.
  CountCloses();
  ReleaseAt(form_->Width() / 2, form_->Height() / 2);
  EXPECT_EQ(closes_, 0);
  EXPECT_FALSE(skin::TitleButtonPressedLock());
  EXPECT_EQ(ImagePixel(x, y), Rgb(kCloseFrames[0]));
  // One button repainted at a time: the image was not composed again.
  EXPECT_EQ(provider_->ImageBuildCount(), builds);

  // Leaving the caption puts a hot button back.
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(p.x, p.y));
  const POINT caption = Screen(form_->Width() / 2, 8);
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(caption.x, caption.y));
  EXPECT_EQ(provider_->SystemButton(HTCLOSE).State, 0);
  EXPECT_EQ(ImagePixel(x, y), Rgb(kCloseFrames[0]));
}

TEST_F(CaptionButtonsTest, ReleaseActsOnTheButtonUnderItsOwnPoint) {
  MakeForm();
  CountCloses();
  const RECT close = ButtonRect(HTCLOSE);
  const int cx = (close.left + close.right) / 2, cy = (close.top + close.bottom) / 2;
  // Over the caption a captured client point lies at a negative y.
  Press(HTCLOSE);
  ReleaseAt(cx, cy);
  EXPECT_EQ(closes_, 1);
  EXPECT_EQ(provider_->SystemButton(HTCLOSE).State, 0);

  // Key flags are no hit code: Ctrl (MK_CONTROL = HTMINBUTTON) and Ctrl+left
  // (= HTMAXBUTTON) neither minimize nor maximize.
  for (WPARAM keys : {WPARAM{MK_CONTROL}, WPARAM{MK_CONTROL | MK_LBUTTON}}) {
    Press(HTCLOSE);
    ReleaseAt(form_->Width() / 2, form_->Height() / 2, keys);
    EXPECT_FALSE(IsIconic(Wnd()));
    EXPECT_FALSE(IsZoomed(Wnd()));
    Press(HTCLOSE);
    ReleaseAt(cx, cy, keys);
  }
  EXPECT_EQ(closes_, 3);
  EXPECT_FALSE(IsIconic(Wnd()));

  // A release without a press goes to the form.
  ReleaseAt(cx, cy);
  EXPECT_EQ(closes_, 3);

  // Maximize from its button, then restore.
  Press(HTMAXBUTTON);
  const RECT max = ButtonRect(HTMAXBUTTON);
  ReleaseAt((max.left + max.right) / 2, (max.top + max.bottom) / 2);
  EXPECT_TRUE(IsZoomed(Wnd()));
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  Press(HTMAXBUTTON);
  const RECT restore = ButtonRect(HTMAXBUTTON);
  ReleaseAt((restore.left + restore.right) / 2, (restore.top + restore.bottom) / 2);
  EXPECT_FALSE(IsZoomed(Wnd()));
}

TEST_F(CaptionButtonsTest, LosingTheCaptureOrCancellingClearsThePress) {
  MakeForm();
  CountCloses();
  const RECT close = ButtonRect(HTCLOSE);
  for (UINT way : {UINT{WM_CAPTURECHANGED}, UINT{WM_CANCELMODE}}) {
    Press(HTCLOSE);
    ASSERT_EQ(provider_->SystemButton(HTCLOSE).State, 2);
    if (way == WM_CAPTURECHANGED) ReleaseCapture();
    else SendMessageW(Wnd(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(provider_->SystemButton(HTCLOSE).State, 0) << way;
    EXPECT_FALSE(skin::TitleButtonPressedLock()) << way;
    ReleaseAt((close.left + close.right) / 2, (close.top + close.bottom) / 2);
    EXPECT_EQ(closes_, 0) << way;
  }
  // The mouse moving while captured keeps the press (no other window turns hot).
  Press(HTCLOSE);
  const POINT inside = Screen(form_->Width() / 2, form_->Height() / 2);
  POINT client = inside;
  ScreenToClient(Wnd(), &client);
  SendMessageW(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  EXPECT_TRUE(skin::TitleButtonPressedLock());
  ReleaseAt((close.left + close.right) / 2, (close.top + close.bottom) / 2);
  EXPECT_EQ(closes_, 1);
  // A form freed while its button is pressed leaves no lock behind.
  Press(HTCLOSE);
  form_.reset();
  EXPECT_FALSE(skin::TitleButtonPressedLock());
}

TEST_F(CaptionButtonsTest, DoubleClicksOnTheIconAndTheCaption) {
  MakeForm();
  CountCloses();
  SendMessageW(Wnd(), WM_NCLBUTTONDBLCLK, HTSYSMENU, 0);
  EXPECT_EQ(closes_, 1);
  // The refused close leaves the frame drawing.
  EXPECT_FALSE(provider_->SkinData()->Updating());
  SendMessageW(Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
  EXPECT_TRUE(IsZoomed(Wnd()));
  SendMessageW(Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
  EXPECT_FALSE(IsZoomed(Wnd()));

  // A form that can neither maximize nor restore stays as it is.
  MakeForm(bsSingle, false);
  form_->SetBorderIcons(TBorderIcons{biSystemMenu, biMinimize});
  Show();
  RECT before{}, after{};
  GetWindowRect(Wnd(), &before);
  SendMessageW(Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
  GetWindowRect(Wnd(), &after);
  EXPECT_FALSE(IsZoomed(Wnd()));
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(CaptionButtonsTest, UserButtonHandlersMayRemoveButtons) {
  MakeForm(bsSizeable, false);
  auto* button = static_cast<skin::TsTitleButton*>(provider_->TitleButtons()->Add());
  button->SetName(L"Pin");
  int ups = 0;
  button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
    ++ups;
    provider_->TitleButtons()->Clear();
  };
  Show();
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  const RECT r = button->BtnData.Rect;
  const POINT p = Centre(r);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, skin::htUserButton, MAKELPARAM(p.x, p.y));
  ASSERT_TRUE(skin::TitleButtonPressedLock());
  ReleaseAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(provider_->TitleButtons()->Count(), 0);
  EXPECT_EQ(provider_->CurrentButton(), 0);
  EXPECT_FALSE(skin::TitleButtonPressedLock());

  // Removed on the press: the press ends there.
  auto* other = static_cast<skin::TsTitleButton*>(provider_->TitleButtons()->Add());
  other->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { provider_->TitleButtons()->Clear(); };
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, skin::htUserButton, MAKELPARAM(p.x, p.y));
  EXPECT_FALSE(skin::TitleButtonPressedLock());
  EXPECT_EQ(provider_->CurrentButton(), 0);
}

TEST_F(CaptionButtonsTest, TheCaptionIconIsOpaqueWhereItDraws) {
  MakeForm();
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  const RECT icon = provider_->IconRect();
  ASSERT_GT(icon.right, icon.left);
  TBitmap* image = provider_->SkinData()->CacheBmp();
  // The title's own pixels beside the icon give the colour the icon changes.
  const std::uint32_t title = reinterpret_cast<const std::uint32_t*>(image->ScanLine(icon.top))[icon.right + 2];
  int drawn = 0;
  for (int y = icon.top; y < icon.bottom; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image->ScanLine(y));
    for (int x = icon.left; x < icon.right; ++x) {
      if ((row[x] & 0xFFFFFF) == (title & 0xFFFFFF)) continue;
      ++drawn;
      ASSERT_EQ(row[x] >> 24, 0xFFu) << x << "," << y;
    }
  }
  EXPECT_GT(drawn, (icon.right - icon.left) * (icon.bottom - icon.top) / 3);
}

TEST_F(CaptionButtonsTest, AHotUserButtonShowsItsHintInsideTheWorkArea) {
  MakeForm(bsSizeable, false);
  auto* silent = static_cast<skin::TsTitleButton*>(provider_->TitleButtons()->Add());
  auto* told = static_cast<skin::TsTitleButton*>(provider_->TitleButtons()->Add());
  told->SetHint(L"Przypnij okno");
  Show();
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  const POINT s = Centre(silent->BtnData.Rect), t = Centre(told->BtnData.Rect);
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, skin::htUserButton, MAKELPARAM(s.x, s.y));
  EXPECT_EQ(silent->BtnData.State, 1);
  EXPECT_EQ(silent->HintWindow(), nullptr);
  // Near the right edge of the work area the hint opens left of the cursor.
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(Wnd(), MONITOR_DEFAULTTONEAREST), &info);
  SetCursorPos(info.rcWork.right - 5, info.rcWork.top + 100);
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, skin::htUserButton + 1, MAKELPARAM(t.x, t.y));
  EXPECT_EQ(silent->BtnData.State, 0);
  ASSERT_NE(told->HintWindow(), nullptr);
  const TRect hint = told->HintWindow()->BoundsRect();
  EXPECT_LE(hint.Right, info.rcWork.right);
  EXPECT_LT(hint.Left, info.rcWork.right - 5);
  // Leaving the button frees the hint.
  const POINT caption = Screen(form_->Width() / 2, 8);
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(caption.x, caption.y));
  EXPECT_EQ(told->HintWindow(), nullptr);
}

TEST_F(CaptionButtonsTest, AnOwnIconGlyphIsOpaqueButItsKeyColour) {
  MakeForm(bsSizeable, false);
  TBitmap glyph;
  glyph.SetPixelFormat(pf24bit);
  glyph.SetSize(16, 16);
  glyph.Canvas()->Lock();
  HDC dc = glyph.Canvas()->Handle();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) SetPixel(dc, x, y, x < 8 ? RGB(0x10, 0x20, 0x30) : RGB(0xFF, 0, 0xFF));
  glyph.Canvas()->Unlock();
  provider_->TitleIcon()->SetGlyph(&glyph);
  Show();
  SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
  const RECT icon = provider_->IconRect();
  TBitmap* image = provider_->SkinData()->CacheBmp();
  const int y = icon.top + 4;
  const auto* row = reinterpret_cast<const std::uint32_t*>(image->ScanLine(y));
  EXPECT_EQ(row[icon.left + 2], 0xFF102030u);
  // The key colour lets the title through, alpha included.
  EXPECT_NE(row[icon.left + 12] & 0xFFFFFF, 0xFF00FFu);
  EXPECT_EQ(row[icon.left + 12], reinterpret_cast<const std::uint32_t*>(image->ScanLine(y))[icon.right + 2]);
}

}  // namespace skin_test
#endif
