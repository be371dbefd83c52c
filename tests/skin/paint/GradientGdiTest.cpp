// Gradients over the class library's bitmaps: the triangle mode through the
// system's gradient fill, and a picture of all modes shown in a window.
#ifdef _WIN32
#include "skin/paint/Gradient_Gdi.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "bitmap/Bmp32.h"
#include "classlib/core/Utf8.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin::paint {
namespace {

using classlib::TBitmap;

constexpr std::uint32_t Sentinel = 0x12345678u;

void Make32(TBitmap& bmp, std::int32_t width, std::int32_t height, std::uint32_t fill) {
  bmp.SetPixelFormat(classlib::pf32bit);
  bmp.SetSize(width, height);
  GdiFlush();
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x) SetBmpPixel32(&bmp, x, y, fill);
}

TEST(GradientGdi, TrianglesFillEveryPixelOpaqueWithExactVertexColours) {
  ASSERT_TRUE(GradientFillAvailable());
  // Red top-left, green centre, blue top-right, white bottom-right, black
  // bottom-left.
  const TsGradientArray steps =
      ParseGradientData(L"255;0;0;2;0;65280;0;0;2;0;16711680;0;0;2;0;16777215;0;0;2;0;0;0;0;2;0");
  TBitmap bmp;
  Make32(bmp, 21, 13, Sentinel);
  PaintGradient(&bmp, TRect{0, 0, 21, 13}, steps);
  EXPECT_EQ(GetBmpPixel32(&bmp, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(GetBmpPixel32(&bmp, 10, 6), 0xFF00FF00u);
  for (std::int32_t y = 0; y < 13; ++y)
    for (std::int32_t x = 0; x < 21; ++x) ASSERT_EQ(GetBmpPixel32(&bmp, x, y) >> 24, 0xFFu) << x << "," << y;

  // One colour for all vertices (missing steps repeat the last one): every
  // pixel exactly that colour, only inside the rectangle, which is cut to
  // the bitmap.
  TBitmap cut;
  Make32(cut, 10, 8, Sentinel);
  PaintGradient(&cut, TRect{3, -5, 40, 6}, ParseGradientData(L"3381759;0;0;2;0"));
  for (std::int32_t y = 0; y < 8; ++y)
    for (std::int32_t x = 0; x < 10; ++x)
      ASSERT_EQ(GetBmpPixel32(&cut, x, y), x >= 3 && y < 6 ? 0xFFFF9933u : Sentinel) << x << "," << y;
}

TEST(GradientGdi, BandsReachBitmapsOfEveryFormat) {
  const TsGradientArray red = ParseGradientData(L"255;255;100;0;0");
  TBitmap bmp;
  Make32(bmp, 4, 4, Sentinel);
  PaintGradient(&bmp, TRect{1, 1, 3, 3}, red);
  EXPECT_EQ(GetBmpPixel32(&bmp, 1, 1), 0xFFFF0000u);
  EXPECT_EQ(GetBmpPixel32(&bmp, 0, 0), Sentinel);

  // A 24-bit bitmap through a 32-bit copy: only R changes.
  TBitmap rgb;
  rgb.SetPixelFormat(classlib::pf24bit);
  rgb.SetSize(4, 4);
  PaintGradient(&rgb, TRect{1, 0, 3, 9}, red);
  PaintGradientBlended(&rgb, TRect{3, 0, 4, 4}, red, 255, 0, TRect{}, nullptr);  // no texture: nothing
  GdiFlush();
  for (std::int32_t y = 0; y < 4; ++y) {
    const std::uint8_t* row = rgb.ScanLine(y);
    for (std::int32_t x = 0; x < 4; ++x) {
      const bool inside = x == 1 || x == 2;
      EXPECT_EQ(row[3 * x + 2], inside ? 255 : 0) << x << "," << y;
      EXPECT_EQ(row[3 * x], 0) << x << "," << y;
    }
  }

  bmp32::TCustomBitmap32 texture;
  texture.SetSize(3, 3);
  for (std::int32_t y = 0; y < 3; ++y)
    for (std::int32_t x = 0; x < 3; ++x) texture.SetPixel(x, y, 0xFF0000FFu);
  PaintGradientBlended(&bmp, TRect{0, 0, 4, 4}, red, 255, 128, TRect{}, &texture);
  // (255 x 256 - 255 x 128) shr 8 = 127 red, (255 x 128) shr 8 = 127 blue.
  EXPECT_EQ(GetBmpPixel32(&bmp, 3, 3), 0xFF7F007Fu);
}

// The fixture picture: vertical bands, horizontal bands, triangles, and
// vertical bands mixed 40 % with a checked texture, side by side.
void PaintFixture(TBitmap& board) {
  Make32(board, 4 * 110 + 10, 130, 0xFFF0F0F0u);
  PaintGradient(&board, classlib::Bounds(10, 10, 100, 110),
                ParseGradientData(L"255;65280;50;0;0;65280;16711680;50;0;0"));
  PaintGradient(&board, classlib::Bounds(120, 10, 100, 110),
                ParseGradientData(L"16777215;8388608;30;1;0;8388608;33023;70;1;0"));
  PaintGradient(&board, classlib::Bounds(230, 10, 100, 110),
                ParseGradientData(L"255;0;0;2;0;16777215;0;0;2;0;65280;0;0;2;0;16711680;0;0;2;0;65535;0;0;2;0"));
  bmp32::TCustomBitmap32 texture;
  texture.SetSize(17, 17);
  for (std::int32_t y = 0; y < 17; ++y)
    for (std::int32_t x = 0; x < 17; ++x) texture.SetPixel(x, y, (x / 8 + y / 8) % 2 ? 0xFF202020u : 0xFFFFFFFFu);
  PaintGradientBlended(&board, classlib::Bounds(340, 10, 100, 110),
                       ParseGradientData(L"33023;8388736;100;0;0"), 255, 102, TRect{}, &texture);
}

LRESULT CALLBACK ShowBitmapProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(wnd, &ps);
    auto* board = reinterpret_cast<TBitmap*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    BitBlt(dc, 0, 0, board->Width(), board->Height(), board->Canvas()->Handle(), 0, 0, SRCCOPY);
    EndPaint(wnd, &ps);
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

// Shows the board in a window and copies what the screen shows of it.
void CaptureShown(TBitmap& board, TBitmap& shot) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ShowBitmapProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"GradientFixtureWindow";
  RegisterClassW(&wc);
  const HWND wnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"Gradients", WS_POPUP, 20, 20, board.Width(),
                                   board.Height(), nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(wnd, nullptr);
  SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&board));
  ShowWindow(wnd, SW_SHOWNOACTIVATE);
  UpdateWindow(wnd);
  for (int i = 0; i < 20; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
  shot.SetPixelFormat(classlib::pf24bit);
  shot.SetSize(board.Width(), board.Height());
  const HDC screen = GetDC(nullptr);
  BitBlt(shot.Canvas()->Handle(), 0, 0, board.Width(), board.Height(), screen, 20, 20, SRCCOPY);
  ReleaseDC(nullptr, screen);
  DestroyWindow(wnd);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

// With TESSARILO_PICTURE_DIR set, the board and what the screen showed of it
// are saved there to look at.
TEST(GradientGdi, FixturePictureOfAllModes) {
  TBitmap board;
  PaintFixture(board);
  EXPECT_EQ(GetBmpPixel32(&board, 10, 10), 0xFFFF0000u);    // vertical: red at the top
  EXPECT_EQ(GetBmpPixel32(&board, 10, 119), 0xFF0000FFu);   // blue at the bottom
  EXPECT_EQ(GetBmpPixel32(&board, 120, 60), 0xFFFFFFFFu);   // horizontal: white at the left
  EXPECT_EQ(GetBmpPixel32(&board, 219, 60), 0xFFFF8000u);   // orange at the right
  EXPECT_EQ(GetBmpPixel32(&board, 230, 10), 0xFFFF0000u);   // triangles: red top-left corner
  EXPECT_EQ(GetBmpPixel32(&board, 280, 65), 0xFFFFFFFFu);   // white centre
  EXPECT_EQ(GetBmpPixel32(&board, 5, 5), 0xFFF0F0F0u);      // the board around them
  EXPECT_NE(GetBmpPixel32(&board, 340, 10), GetBmpPixel32(&board, 348, 10));  // texture shows
  const char* dir = std::getenv("TESSARILO_PICTURE_DIR");
  if (dir == nullptr) return;
  board.SaveToFile(classlib::Utf8ToWide(std::string(dir) + "/gradients.bmp"));
  TBitmap shot;
  CaptureShown(board, shot);
  shot.SaveToFile(classlib::Utf8ToWide(std::string(dir) + "/gradients-shown.bmp"));
}

}  // namespace
}  // namespace skin::paint
#endif
