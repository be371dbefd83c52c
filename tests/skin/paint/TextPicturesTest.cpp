// A picture to look at, taken only when TESSARILO_PICTURES_DIR names a
// folder and a display is there (under Xvfb): captions with contour and
// glow, disabled text and images, a white highlight and the small frames,
// over a patterned background. Skipped otherwise.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "InternalSkinFixture.h"
#include "PictureFiles.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/Text32_Gdi.h"
#include "skin/paint/TextGlow_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin::paint {
namespace {

using classlib::Point;
using classlib::Rect;

using testing::PicturesDir;
using testing::SavePng;

constexpr int kWidth = 440, kHeight = 250;

// Diagonal stripes in two browns.
void Pattern(TBitmap* bmp, const TRect& r) {
  const HDC dc = bmp->Canvas()->Handle();
  FillRectColor(dc, r, 0x2A3A4A);
  for (int x = r.Left - r.Height(); x < r.Right; x += 12)
    for (int y = r.Top; y < r.Bottom; ++y) FillRectColor(dc, Rect(x + y - r.Top, y, x + y - r.Top + 5, y + 1), 0x3C5468);
  GdiFlush();
}

// A small picture: a red disc on a yellow square with a blue bar.
std::unique_ptr<TBitmap> Glyph() {
  std::unique_ptr<TBitmap> g(NewBitmap32(32, 32));
  const HDC dc = g->Canvas()->Handle();
  FillRectColor(dc, Rect(0, 0, 32, 32), 0x30D0F0);
  FillRectColor(dc, Rect(0, 24, 32, 32), 0xC04010);
  g->Canvas()->Brush()->SetColor(0x2020E0);
  g->Canvas()->Ellipse(6, 2, 26, 22);
  GdiFlush();
  return g;
}

class TextPictures : public testing::InternalSkinFixture {};

HDC shown = nullptr;  // the picture the window paints

LRESULT CALLBACK ShowPicture(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(wnd, &ps);
    BitBlt(dc, 0, 0, kWidth, kHeight, shown, 0, 0, SRCCOPY);
    EndPaint(wnd, &ps);
    return 0;
  }
  if (msg == WM_ERASEBKGND) return 1;
  return DefWindowProcW(wnd, msg, wp, lp);
}

TEST_F(TextPictures, CaptionsDisabledKindsAndFrames) {
  const std::wstring dir = PicturesDir();
  if (dir.empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  TsGeneralData& s = Section();
  s.States = 2;
  s.Color = 0x404040;
  s.Props[0].FontColor = 0xF0F0F0;
  s.Props[0].TextColors = {0x202020, 0x202020, 0x202020, 0x202020};
  s.Props[1].FontColor = 0x40FFFF;
  s.Props[1].TextColors = {0x000080, 0x000080, 0x000080, 0x000080};

  std::unique_ptr<TBitmap> bmp(NewBitmap32(kWidth, kHeight));
  Pattern(bmp.get(), Rect(0, 0, kWidth, kHeight));
  classlib::TCanvas* c = bmp->Canvas();
  c->Font()->SetName(L"Tahoma");
  c->Font()->SetHeight(-20);
  c->Font()->SetStyle(classlib::TFontStyles{classlib::fsBold});

  // Captions: glow behind a contoured caption, normal and hot.
  TGlowMask mask;
  const TRect caption = Rect(10, 8, 230, 36);
  PaintTextGlow(bmp.get(), mask, TTextGlowParams{L"Tessarilo zegarki", caption, DT_SINGLELINE | DT_VCENTER, 0xFFC040, 5, 15});
  PaintText32(bmp.get(), TText32Params{L"Tessarilo zegarki", caption, DT_SINGLELINE | DT_VCENTER, true, false, Index,
                                       manager_.get()});
  const TRect hot = Rect(240, 8, 430, 36);
  TGlowMask hotMask;
  PaintTextGlow(bmp.get(), hotMask, TTextGlowParams{L"Koperta (hot)", hot, DT_SINGLELINE | DT_VCENTER, 0x40FF40, 3, 15});
  PaintText32(bmp.get(), TText32Params{L"Koperta (hot)", hot, DT_SINGLELINE | DT_VCENTER, true, true, Index,
                                       manager_.get()});

  // Canvas text: normal with contour, hot, disabled, and cut to a width.
  c->Font()->SetHeight(-14);
  c->Font()->SetStyle(classlib::TFontStyles{});
  PaintSkinText(c, TSkinTextParams{L"Normalny", Rect(10, 50, 110, 70), DT_SINGLELINE, true, 0, Index, manager_.get()});
  PaintSkinText(c, TSkinTextParams{L"Aktywny", Rect(120, 50, 220, 70), DT_SINGLELINE, true, 1, Index, manager_.get()});
  PaintSkinText(c, TSkinTextParams{L"Wyłączony", Rect(230, 50, 330, 70), DT_SINGLELINE, false, 0, Index,
                                   manager_.get()});
  c->Font()->SetColor(0xFFFFFF);
  const std::wstring cut = CutTextToWidth(c, L"Mechanizm automatyczny z datownikiem", 90);
  PaintSkinText(c, TSkinTextParams{cut, Rect(340, 50, 430, 70), DT_SINGLELINE});

  // Disabled kinds of a picture: as it is, grey, blended with the parent
  // image behind it, and both.
  const std::uint8_t kinds[] = {0, dgGrayed, dgBlended, dgGrayed | dgBlended};
  std::unique_ptr<TBitmap> back(NewBitmap32(kWidth, kHeight));
  BitBlt(back->Canvas()->Handle(), 0, 0, kWidth, kHeight, c->Handle(), 0, 0, SRCCOPY);
  for (int i = 0; i < 4; ++i) {
    auto g = Glyph();
    const int x = 10 + i * 50, y = 84;
    ApplyDisabledKind(g.get(), kinds[i], kSkinKeyColor, MakeCacheInfo(back.get(), x, y), Point(0, 0));
    BitBlt(c->Handle(), x, y, 32, 32, g->Canvas()->Handle(), 0, 0, SRCCOPY);
  }

  // White highlight, a 3-D frame 2 wide, a dotted focus rectangle, arrows.
  FillRectColor(c->Handle(), Rect(220, 84, 300, 124), 0xB06020);
  PaintWhiteHighlight(bmp.get(), Rect(220, 84, 300, 124), 60, 0xFFFFFF, 8, 10);
  TRect frame = Rect(310, 84, 360, 124);
  std::int32_t width = 2;
  DrawFrame3D(c->Handle(), frame, 0xFFFFFF, width, 0x404040);
  DrawDottedRect(c, Rect(370, 84, 430, 124), 0x000000, 0xFFFFFF);
  DrawSmallArrow(c, 0xFFFFFF, Rect(380, 130, 400, 150), sadRight);
  DrawSmallArrow(c, 0xFFFFFF, Rect(405, 130, 425, 150), sadDown);
  FillFrameColor(c->Handle(), Rect(10, 130, 200, 160), TFrameWidths{1, 1, 3, 3}, 0x00C0FF);
  GdiFlush();
  SavePng(bmp.get(), dir + L"\\text-painting.png");

  // The same on the screen (a window that paints the picture), taken back from it.
  shown = c->Handle();
  WNDCLASSW wc{};
  wc.lpfnWndProc = ShowPicture;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TessariloTextPictures";
  RegisterClassW(&wc);
  const HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 40, 40, kWidth,
                                      kHeight, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  UpdateWindow(window);
  for (int i = 0; i < 20; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(25);
  }
  std::unique_ptr<TBitmap> shot(NewBitmap32(kWidth, kHeight));
  const HDC screen = GetDC(nullptr);
  BitBlt(shot->Canvas()->Handle(), 0, 0, kWidth, kHeight, screen, 40, 40, SRCCOPY);
  ReleaseDC(nullptr, screen);
  DestroyWindow(window);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
  shot->SetPixelFormat(classlib::pf24bit);
  SavePng(shot.get(), dir + L"\\text-painting-screen.png");
}

}  // namespace
}  // namespace skin::paint
#endif
