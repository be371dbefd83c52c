// What a skinned system dialog shows beside its frame: the show animation's
// frames, the extended border window behind it, the layered stand-in of a
// closing dialog, and the fades of its title buttons.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/DialogEffects.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/AnimFrames.h"
#include "skin/core/FormAnimMath.h"
#include "skin/core/SkinCommand.h"
#include "skin/forms/TitleButtonAnimation.h"
#include "skin/paint/GlowWindows_Gdi.h"
#include "tests/skin/adapters/DialogFixture.h"
#include "tests/skin/adapters/ScreenShot.h"
#include "tests/skin/forms/LayeredPushRecorder.h"

namespace skin_test {

namespace {

// The marker skin's small close button (a modal frame takes the small set).
constexpr unsigned kClose = 0x70A070;
constexpr unsigned kExBorder = 0x4060A0;
constexpr unsigned kDialog = 0xD8D0C8, kDialogTitle = 0xA8B8C8;  // the sections' colours

// A raw dialog with a modal frame, a caption and a close button; the hook
// skins it as it is created. (Named apart from the fixture's plainer raw
// dialog, which a member function would find first.)
HWND ModalDialog(DWORD visible) {
  return CreateWindowExW(WS_EX_DLGMODALFRAME, MAKEINTATOM(32770), L"Karta zegarka",
                         WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | visible, 90, 90, 280, 170, nullptr,
                         nullptr, nullptr, nullptr);
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A point of the cache in screen coordinates.
POINT OnScreen(TacDialogWnd* adapter, POINT p) {
  RECT wr;
  GetWindowRect(adapter->CtrlHandle, &wr);
  const POINT o = adapter->ImageOrigin();
  return POINT{wr.left - o.x + p.x, wr.top - o.y + p.y};
}

// A pixel read from a bitmap, as 0xRRGGBB.
unsigned RgbOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

std::uint32_t Opaque(unsigned rgb) { return 0xFF000000u | rgb; }

// A pixel of the marker colour's family (the mask's frames differ by one).
bool Near(std::uint32_t pixel, unsigned rgb) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((rgb >> shift) & 0xFF)) > 2) return false;
  return true;
}

}  // namespace

class DialogEffectsTest : public DialogFixture {
 protected:
  void TearDown() override {
    if (dialog_ && IsWindow(dialog_)) DestroyWindow(dialog_);
    DestroySomeWindow();
    DialogFixture::TearDown();
  }
  TacDialogWnd* Make(DWORD visible) {
    dialog_ = ModalDialog(visible);
    TacDialogWnd* adapter = DialogAdapter(dialog_);
    if (adapter && visible)
      RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    return adapter;
  }
  HWND dialog_ = nullptr;
};

// Every frame of the show reaches a layered window over the dialog's place,
// growing to full alpha on the last one; with extended borders the border
// window carries them and is pushed once more when the dialog stands.
TEST_F(DialogEffectsTest, ShowAnimationPushesEveryFrameToItsLayer) {
  for (const bool extended : {false, true}) {
    SCOPED_TRACE(extended ? "extended borders" : "plain");
    manager_->SetExtendedBorders(extended);
    manager_->AnimEffects()->DialogShow()->SetTime(48);  // 4 steps, 5 frames
    TacDialogWnd* adapter = Make(0);
    ASSERT_NE(adapter, nullptr);
    ASSERT_EQ(adapter->BorderForm() != nullptr, extended);
    TLayeredPushRecorder recorder;
    ShowWindow(dialog_, SW_SHOWNORMAL);
    ASSERT_GE(recorder.Frames.size(), 5u);
    const HWND layer = recorder.Frames[0].Wnd;
    const std::vector<int> alphas = recorder.AlphasOf(layer);
    ASSERT_GE(alphas.size(), 5u);
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(alphas[static_cast<size_t>(i)], skin::ShowFrameAlpha(i, 4, 255, true));
    EXPECT_EQ(alphas[4], 255);
    RECT wr;
    GetWindowRect(dialog_, &wr);
    const POINT o = adapter->ImageOrigin();
    EXPECT_EQ(recorder.Frames[0].Rect.left, wr.left - o.x);
    EXPECT_EQ(recorder.Frames[0].Rect.top, wr.top - o.y);
    EXPECT_EQ(recorder.Frames[0].Width, adapter->SkinData->CacheBmp()->Width());
    if (extended) {
      EXPECT_EQ(layer, adapter->BorderForm()->BorderWindow());
      EXPECT_GT(alphas.size(), 5u);  // the border's own push after the frames
      EXPECT_TRUE(IsWindowVisible(layer));
    } else {
      EXPECT_EQ(alphas.size(), 5u);
      EXPECT_FALSE(IsWindow(layer));  // the auxiliary layer is gone
    }
    EXPECT_TRUE(IsWindowVisible(dialog_));
    DestroyWindow(dialog_);
    DestroySomeWindow();
  }
  EXPECT_EQ(LiveProviders(), 0);
}

// With extended borders the border window, owned by the dialog, shows the
// frame and title (close glyph opaque at its place) and answers the title
// buttons; the dialog keeps only its client. Switched off, both go back.
TEST_F(DialogEffectsTest, ExtendedBorderCarriesTheFrameAndTheDialogKeepsItsClient) {
  manager_->SetExtendedBorders(true);
  TacDialogWnd* adapter = Make(WS_VISIBLE);
  ASSERT_NE(adapter, nullptr);
  skin::TacBorderForm* border = adapter->BorderForm();
  ASSERT_NE(border, nullptr);
  const HWND borderWnd = border->BorderWindow();
  ASSERT_NE(borderWnd, nullptr);
  EXPECT_TRUE(IsWindowVisible(borderWnd));
  EXPECT_EQ(GetWindow(borderWnd, GW_OWNER), dialog_);

  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(dialog_, rgn), ERROR);
  RECT box{};
  GetRgnBox(rgn, &box);
  DeleteObject(rgn);
  const RECT client = GetClientRectInWindow(dialog_);
  EXPECT_TRUE(EqualRect(&box, &client));

  TLayeredPushRecorder recorder;
  adapter->SkinData->BGChanged = true;
  adapter->UpdateBorder(true);
  const std::vector<int> alphas = recorder.AlphasOf(borderWnd);
  ASSERT_FALSE(alphas.empty());
  const TPushedFrame& pushed = recorder.Frames.back();
  EXPECT_EQ(pushed.Alpha, 255);
  // The skin's extended border lies around the frame, the margins wide.
  const RECT margins = adapter->GetExBorderMargins();
  const int margin = 12 - manager_->SkinData().FormOffset;  // the marker skin's border width less the offset
  ASSERT_GT(margin, 0);
  EXPECT_EQ(margins.left, margin);
  EXPECT_EQ(margins.bottom, margin);
  EXPECT_TRUE(Near(pushed.At(0, pushed.Height / 2), kExBorder)) << std::hex << pushed.At(0, pushed.Height / 2);
  EXPECT_EQ(pushed.At(margins.left, pushed.Height / 2) & 0xFF000000u, 0xFF000000u);
  const RECT close = adapter->Buttons[2].Rect;
  ASSERT_GT(close.right, close.left);
  const POINT c = Centre(close);
  EXPECT_EQ(pushed.At(c.x, c.y), Opaque(kClose));
  // The client lies at the client offsets of the same picture.
  EXPECT_EQ(adapter->ClientOffsetX(), adapter->ImageOrigin().x + client.left);
  EXPECT_EQ(adapter->ClientOffsetY(), adapter->ImageOrigin().y + client.top);
  EXPECT_EQ(border->HitTest(OnScreen(adapter, c)), HTCLOSE);
  // The border window leaves the dialog's client to the dialog.
  HRGN borderRgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(borderWnd, borderRgn), ERROR);
  const POINT inClient{adapter->ClientOffsetX() + 5, adapter->ClientOffsetY() + 5};
  EXPECT_FALSE(PtInRegion(borderRgn, inClient.x, inClient.y));
  EXPECT_TRUE(PtInRegion(borderRgn, c.x, c.y));
  DeleteObject(borderRgn);

  manager_->SetExtendedBorders(false);
  skin::SendSkinCommandToWnd(dialog_, skin::scRefresh, 0);
  adapter = DialogAdapter(dialog_);
  ASSERT_NE(adapter, nullptr);
  EXPECT_EQ(adapter->BorderForm(), nullptr);
  EXPECT_FALSE(IsWindow(borderWnd));
  EXPECT_EQ(adapter->ImageOrigin().x, 0);
}

// A hot close button fades in step by step in its own layered window, its
// hot look also in the cache; leaving it fades out and frees the window.
TEST_F(DialogEffectsTest, HotCloseFadesThroughItsStepsAndBack) {
  TacDialogWnd* adapter = Make(WS_VISIBLE);
  ASSERT_NE(adapter, nullptr);
  const RECT close = adapter->Buttons[2].Rect;
  ASSERT_GT(close.right, close.left);
  const POINT c = Centre(close);
  const POINT screen = OnScreen(adapter, c);
  SetCursorPos(screen.x, screen.y);
  TLayeredPushRecorder recorder;
  EXPECT_EQ(SendMessageW(dialog_, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), kHitClose);
  skin::TacSBAnimation* fade = adapter->Effects->Fades[2].Animation.get();
  ASSERT_NE(fade, nullptr);
  EXPECT_EQ(CachePixel(adapter, c.x, c.y), Marker(kClose + 1));
  for (int tick = 0; tick < skin::TitleFadeSteps + 2; ++tick) fade->Timer();
  const HWND fadeWnd = fade->GlowWindow();
  ASSERT_NE(fadeWnd, nullptr);
  const std::vector<int> in = recorder.AlphasOf(fadeWnd);
  ASSERT_GE(in.size(), static_cast<size_t>(skin::TitleFadeSteps));
  EXPECT_EQ(in.front(), skin::TitleFadeAlpha(1, skin::TitleFadeSteps));
  EXPECT_TRUE(std::is_sorted(in.begin(), in.end()));
  EXPECT_EQ(in.back(), 255);
  const TPushedFrame* hot = nullptr;
  for (const TPushedFrame& f : recorder.Frames)
    if (f.Wnd == fadeWnd) hot = &f;
  ASSERT_NE(hot, nullptr);
  EXPECT_EQ(hot->At(hot->Width / 2, hot->Height / 2), Opaque(kClose + 1));

  SetCursorPos(screen.x, screen.y + 200);
  recorder.Frames.clear();
  for (int tick = 0; tick < 3 * skin::TitleFadeSteps && !fade->Finished(); ++tick) fade->Timer();
  EXPECT_TRUE(fade->Finished());
  EXPECT_EQ(fade->GlowWindow(), nullptr);
  EXPECT_FALSE(IsWindow(fadeWnd));
  const std::vector<int> out = recorder.AlphasOf(fadeWnd);
  ASSERT_FALSE(out.empty());
  EXPECT_TRUE(std::is_sorted(out.rbegin(), out.rend()));
  EXPECT_EQ(adapter->HotButton, 0);
  EXPECT_EQ(CachePixel(adapter, c.x, c.y), Marker(kClose));
}

// The closing command lays a copy over the dialog until it hides; the copy
// goes when the hide animation takes over, and also when the command left
// the dialog open (nothing would ever free it, and it would cover the dialog).
TEST_F(DialogEffectsTest, HideStandInIsFreedWhetherTheDialogClosesOrNot) {
  manager_->AnimEffects()->DialogHide()->SetTime(48);
  struct {
    HWND standIn = nullptr;
    bool hidden = false, freed = false;
  } box;
  onDialog = [&](HWND wnd) {
    TacDialogWnd* adapter = DialogAdapter(wnd);
    if (!adapter) return;
    TLayeredPushRecorder recorder;
    SendMessageW(wnd, WM_COMMAND, IDCANCEL, 0);
    if (!recorder.Frames.empty()) box.standIn = recorder.Frames[0].Wnd;
    box.hidden = !IsWindowVisible(wnd);
    box.freed = adapter->Effects->SnapshotForm == nullptr;
  };
  EXPECT_EQ(Box(), IDCANCEL);
  ASSERT_NE(box.standIn, nullptr);
  EXPECT_TRUE(box.hidden);
  EXPECT_TRUE(box.freed);
  EXPECT_FALSE(IsWindow(box.standIn));

  // A dialog without a procedure of its own stays open on IDCANCEL: the
  // copy goes; with an extended border, the border window that carried the
  // whole picture gets back its hole over the dialog's client.
  for (const bool extended : {false, true}) {
    SCOPED_TRACE(extended ? "extended borders" : "plain");
    manager_->SetExtendedBorders(extended);
    TacDialogWnd* adapter = Make(WS_VISIBLE);
    ASSERT_NE(adapter, nullptr);
    const HWND borderWnd = adapter->BorderForm() ? adapter->BorderForm()->BorderWindow() : nullptr;
    ASSERT_EQ(borderWnd != nullptr, extended);
    TLayeredPushRecorder recorder;
    SendMessageW(dialog_, WM_COMMAND, IDCANCEL, 0);
    ASSERT_FALSE(recorder.Frames.empty());
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_EQ(adapter->Effects->SnapshotForm, nullptr);
    EXPECT_FALSE(adapter->Effects->Hiding());
    if (extended) {
      EXPECT_EQ(recorder.Frames[0].Wnd, borderWnd);
      HRGN rgn = CreateRectRgn(0, 0, 0, 0);
      ASSERT_NE(GetWindowRgn(borderWnd, rgn), ERROR);
      EXPECT_FALSE(PtInRegion(rgn, adapter->ClientOffsetX() + 5, adapter->ClientOffsetY() + 5));
      DeleteObject(rgn);
    } else {
      EXPECT_FALSE(IsWindow(recorder.Frames[0].Wnd));
    }
    DestroyWindow(dialog_);
    DestroySomeWindow();
  }

  // A bordered dialog destroyed while shown fades out in its border window,
  // which goes with the fade.
  manager_->SetExtendedBorders(true);
  TacDialogWnd* adapter = Make(WS_VISIBLE);
  ASSERT_NE(adapter, nullptr);
  ASSERT_NE(adapter->BorderForm(), nullptr);
  const HWND borderWnd = adapter->BorderForm()->BorderWindow();
  DestroyWindow(dialog_);
  DestroySomeWindow();
  Settle();
  EXPECT_FALSE(IsWindow(borderWnd));
  EXPECT_EQ(LiveProviders(), 0);
}

// A translucent drag of a dialog with an extended border drags the border
// window, which carries the whole dialog (client included, no hole) and
// fades a step per tick; the dialog waits unseen behind it and, when the
// drag ends, stands where the border window was left, opaque and on top,
// the border back behind it with its hole.
TEST_F(DialogEffectsTest, TranslucentDragMovesTheBorderWindowAndTheDialogFollowsAtTheEnd) {
  manager_->SetExtendedBorders(true);
  manager_->AnimEffects()->BlendOnMoving()->SetActive(true);
  manager_->AnimEffects()->BlendOnMoving()->SetBlendValue(200);
  TacDialogWnd* adapter = Make(WS_VISIBLE);
  ASSERT_NE(adapter, nullptr);
  ASSERT_NE(adapter->BorderForm(), nullptr);
  const HWND borderWnd = adapter->BorderForm()->BorderWindow();
  ASSERT_NE(borderWnd, nullptr);
  static struct {
    HWND dialog = nullptr, border = nullptr;
    TacDialogWnd* adapter = nullptr;
    bool inLoop = false, moving = false, layered = false, borderWhole = false, dialogBehind = false;
    BYTE dialogAlpha = 255;
    RECT dialogDuring{};
  } seen;
  seen = {};
  seen.dialog = dialog_;
  seen.border = borderWnd;
  seen.adapter = adapter;
  RECT before;
  GetWindowRect(dialog_, &before);
  TLayeredPushRecorder recorder;
  // Inside the move loop: what the drag looks like, one fading tick, the
  // border window moved as the mouse would, then the button released.
  SetTimer(nullptr, 0, 40, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    seen.inLoop = true;
    seen.moving = seen.adapter->Moving;
    seen.layered = (GetWindowLongPtrW(seen.dialog, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    GetLayeredWindowAttributes(seen.dialog, nullptr, &seen.dialogAlpha, nullptr);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    seen.borderWhole = GetWindowRgn(seen.border, rgn) == ERROR;
    DeleteObject(rgn);
    seen.dialogBehind = GetWindow(seen.border, GW_HWNDNEXT) == seen.dialog;
    seen.adapter->BlendStep();
    RECT r;
    GetWindowRect(seen.border, &r);
    SetWindowPos(seen.border, nullptr, r.left + 30, r.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(seen.dialog, &seen.dialogDuring);
    ReleaseCapture();
    PostMessageW(seen.border, WM_LBUTTONUP, 0, 0);
  });
  const RECT icon = adapter->IconRect();
  const POINT onCaption = OnScreen(adapter, POINT{icon.right + 20, (icon.top + icon.bottom) / 2});
  SendMessageW(dialog_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(onCaption.x, onCaption.y));

  ASSERT_TRUE(seen.inLoop);
  EXPECT_TRUE(seen.moving);
  EXPECT_TRUE(seen.layered);
  EXPECT_EQ(seen.dialogAlpha, 0);
  EXPECT_TRUE(seen.borderWhole);
  EXPECT_TRUE(seen.dialogBehind);
  EXPECT_TRUE(EqualRect(&seen.dialogDuring, &before));  // it follows only at the end
  // The border's pushes during the drag: the whole dialog, opaque first,
  // then fading toward the target.
  std::vector<const TPushedFrame*> drag;
  for (const TPushedFrame& f : recorder.Frames)
    if (f.Wnd == borderWnd) drag.push_back(&f);
  ASSERT_GE(drag.size(), 2u);
  EXPECT_EQ(drag[0]->Alpha, 255);
  const POINT inClient{adapter->ClientOffsetX() + 5, adapter->ClientOffsetY() + 5};
  EXPECT_EQ(drag[0]->At(inClient.x, inClient.y) >> 24, 0xFFu);
  EXPECT_LT(drag[1]->Alpha, 255);
  EXPECT_GE(drag[1]->Alpha, 200);
  if (const char* dir = PicturesDir())
    SaveFramesOverCheckerboard({drag[0], drag.back()},
                               (std::filesystem::path(dir) / "dialog-translucent-drag.png").wstring());

  EXPECT_FALSE(adapter->Moving);
  EXPECT_EQ(adapter->BlendTimer, 0u);
  EXPECT_EQ(adapter->Effects->DragImage, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(dialog_, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  RECT after, borderAfter;
  GetWindowRect(dialog_, &after);
  GetWindowRect(borderWnd, &borderAfter);
  EXPECT_EQ(after.left, before.left + 30);
  EXPECT_EQ(after.top, before.top + 20);
  const POINT o = adapter->ImageOrigin();
  EXPECT_EQ(borderAfter.left, after.left - o.x);
  EXPECT_EQ(borderAfter.top, after.top - o.y);
  // Next to each other again (an owned window stays above its owner).
  EXPECT_TRUE(GetWindow(dialog_, GW_HWNDNEXT) == borderWnd || GetWindow(dialog_, GW_HWNDPREV) == borderWnd);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(borderWnd, rgn), ERROR);
  EXPECT_FALSE(PtInRegion(rgn, inClient.x, inClient.y));
  DeleteObject(rgn);
}

// The border window follows each step of a resize and the end of a move
// loop, but not while a translucent drag owns it.
TEST_F(DialogEffectsTest, BorderFollowsSizingStepsAndTheEndOfAMove) {
  manager_->SetExtendedBorders(true);
  TacDialogWnd* adapter = Make(WS_VISIBLE);
  ASSERT_NE(adapter, nullptr);
  ASSERT_NE(adapter->BorderForm(), nullptr);
  const HWND borderWnd = adapter->BorderForm()->BorderWindow();
  struct Case {
    const char* name;
    bool moving;
    bool dragMove;
    bool pushed;
  };
  for (const Case& c : {Case{"sizing", false, false, true}, Case{"sizing while dragged", true, false, false},
                        Case{"end of a move", false, true, true}}) {
    SCOPED_TRACE(c.name);
    TLayeredPushRecorder recorder;
    if (c.dragMove) {
      PostMessageW(dialog_, WM_LBUTTONUP, 0, 0);  // ends the move loop at once
      SendMessageW(dialog_, WM_SYSCOMMAND, kDragMove, 0);
    } else {
      adapter->Moving = c.moving;
      RECT r;
      GetWindowRect(dialog_, &r);
      r.right += 10;
      SendMessageW(dialog_, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&r));
      adapter->Moving = false;
    }
    EXPECT_EQ(!recorder.AlphasOf(borderWnd).empty(), c.pushed);
  }
}

// Without fades, a hot close button whose skin gives it a glow gets a glow
// window over it; the glow goes when the button is no longer hot.
TEST_F(DialogEffectsTest, HotCloseWithoutFadesOpensItsGlowUntilItLeavesHot) {
  manager_->Effects()->SetAllowGlowing(false);
  TacDialogWnd* adapter = Make(WS_VISIBLE);
  ASSERT_NE(adapter, nullptr);
  const RECT close = adapter->Buttons[2].Rect;
  ASSERT_GT(close.right, close.left);
  const POINT screen = OnScreen(adapter, Centre(close));
  EXPECT_EQ(SendMessageW(dialog_, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), kHitClose);
  EXPECT_EQ(adapter->Effects->Fades[2].Animation, nullptr);
  const int glowId = adapter->Effects->Fades[2].GlowId;
  ASSERT_GE(glowId, 0);
  const HWND glow = skin::paint::GlowWindow(glowId);
  ASSERT_NE(glow, nullptr);
  EXPECT_TRUE(IsWindowVisible(glow));
  RECT glowRect;
  GetWindowRect(glow, &glowRect);
  EXPECT_TRUE(PtInRect(&glowRect, screen));
  // Hot again: the same glow, no second one.
  SendMessageW(dialog_, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(adapter->Effects->Fades[2].GlowId, glowId);

  const RECT icon = adapter->IconRect();
  const POINT caption = OnScreen(adapter, POINT{icon.right + 20, (icon.top + icon.bottom) / 2});
  SendMessageW(dialog_, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y));
  EXPECT_EQ(adapter->HotButton, 0);
  EXPECT_EQ(adapter->Effects->Fades[2].GlowId, -1);
  EXPECT_FALSE(IsWindow(glow));
}

// A skinned unowned message box with its extended border: the border
// window's picture with the dialog's own client (printed) laid into its
// hole, over a checkerboard, as a compositing desktop shows them (Xvfb
// shows layered windows unblended), and the screen as Xvfb has it.
TEST_F(DialogEffectsTest, PictureOfMessageBoxWithExtendedBorder) {
  const char* dir = PicturesDir();
  if (!dir) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  manager_->SetExtendedBorders(true);
  manager_->AnimEffects()->DialogShow()->SetTime(120);
  // The skin's own border mode, then the plain one (the border's mask is
  // the frame, the title lower).
  manager_->Skin()->SkinData.CenterOffset = 3;
  for (const int mode : {0, 1}) {
  SCOPED_TRACE(mode);
  manager_->Skin()->SkinData.BorderMode = static_cast<std::int16_t>(mode);
  const std::string suffix = mode ? "-plain" : "";
  TLayeredPushRecorder recorder;
  bool shot = false;
  onDialog = [&](HWND wnd) {
    TacDialogWnd* adapter = DialogAdapter(wnd);
    if (!adapter || !adapter->BorderForm()) return;
    const HWND borderWnd = adapter->BorderForm()->BorderWindow();
    adapter->SkinData->BGChanged = true;
    adapter->UpdateBorder(true);
    RECT r;
    GetWindowRect(borderWnd ? borderWnd : wnd, &r);
    InflateRect(&r, 12, 12);
    Shoot(r, (std::filesystem::path(dir) / ("dialog-extended-border" + suffix + "-screen.png")).wstring());
    const TPushedFrame* last = nullptr;
    for (const TPushedFrame& f : recorder.Frames)
      if (f.Wnd == borderWnd) last = &f;
    if (!last) return;
    TPushedFrame seen = *last;
    RECT client;
    GetClientRect(wnd, &client);
    MemoryDC printed(client.right, client.bottom);
    adapter->PaintClientArea(printed.Handle());  // what the show animation prints too
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) {
        const int tx = adapter->ClientOffsetX() + x, ty = adapter->ClientOffsetY() + y;
        if (tx >= seen.Width || ty >= seen.Height) continue;
        const COLORREF c = GetPixel(printed.Handle(), x, y);
        seen.Pixels[static_cast<size_t>(ty * seen.Width + tx)] =
            0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
      }
    SaveFramesOverCheckerboard({last, &seen},
                               (std::filesystem::path(dir) / ("dialog-extended-border" + suffix + ".png")).wstring());
    shot = true;
  };
  EXPECT_EQ(Box(), IDCANCEL);
  EXPECT_TRUE(shot);
  DestroySomeWindow();
  }
}

// The rounded (key) corner of the dialog's frame shows the extended
// border's picture, not the title band painted over it; the pixel beside
// it keeps the title.
TEST_F(DialogEffectsTest, FrameCornersShowTheExtendedBorder) {
  manager_->SetExtendedBorders(true);
  TacDialogWnd* adapter = Make(WS_VISIBLE);
  ASSERT_NE(adapter, nullptr);
  ASSERT_NE(adapter->BorderForm(), nullptr);
  const RECT m = adapter->GetExBorderMargins();
  const COLORREF corner = CachePixel(adapter, m.left, m.top);
  EXPECT_TRUE(Near(RgbOf(corner), kExBorder)) << std::hex << RgbOf(corner);
  EXPECT_EQ(CachePixel(adapter, m.left + 1, m.top + 1), Marker(kDialogTitle));
}

// In plain border mode the extended border's mask is the frame: the
// dialog's section gives the background (no title band of its own) and
// the icon, caption and title buttons move down by the centre offset.
TEST_F(DialogEffectsTest, PlainBorderModeDrawsTheBorderOverTheBackgroundAndMovesTheTitleDown) {
  manager_->SetExtendedBorders(true);
  constexpr int kCentreOffset = 3;
  manager_->Skin()->SkinData.CenterOffset = kCentreOffset;
  struct Seen {
    int closeTop = 0, closeRight = 0, iconTop = 0;  // from the frame's top and right edges
    COLORREF title = 0, margin = 0;
    LRESULT hit = 0;
  };
  Seen seen[2];
  for (const int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    manager_->Skin()->SkinData.BorderMode = static_cast<std::int16_t>(mode);
    TacDialogWnd* adapter = Make(WS_VISIBLE);
    ASSERT_NE(adapter, nullptr);
    ASSERT_NE(adapter->BorderForm(), nullptr);
    EXPECT_EQ(adapter->PlainBorder(), mode == 1);
    // The skin's margins differ between the modes: the plain border lies
    // over the frame.
    const RECT m = adapter->GetExBorderMargins();
    const int width = adapter->SkinData->CacheBmp()->Width();
    Seen& s = seen[mode];
    const RECT close = adapter->Buttons[2].Rect;
    ASSERT_GT(close.right, close.left);
    s.closeTop = close.top - m.top;
    s.closeRight = width - m.right - close.right;
    s.iconTop = adapter->IconRect().top - m.top;
    // Inside the title band, under the extended border, left of the buttons.
    s.title = CachePixel(adapter, close.left - 8, 13);
    s.margin = CachePixel(adapter, 1, adapter->SkinData->CacheBmp()->Height() / 2);
    const POINT c = OnScreen(adapter, Centre(close));
    s.hit = SendMessageW(dialog_, WM_NCHITTEST, 0, MAKELPARAM(c.x, c.y));
    DestroyWindow(dialog_);
    DestroySomeWindow();
  }
  EXPECT_EQ(seen[1].closeTop, seen[0].closeTop + kCentreOffset);
  EXPECT_EQ(seen[1].closeRight, seen[0].closeRight);
  EXPECT_EQ(seen[1].iconTop, seen[0].iconTop + kCentreOffset);
  EXPECT_EQ(seen[0].title, Marker(kDialogTitle));
  EXPECT_EQ(seen[1].title, Marker(kDialog));
  EXPECT_TRUE(Near(RgbOf(seen[1].margin), kExBorder)) << std::hex << RgbOf(seen[1].margin);
  EXPECT_EQ(seen[1].hit, kHitClose);  // the moved button is still hit
}

}  // namespace skin_test
