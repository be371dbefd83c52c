#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/HintWindow.h"

namespace classlib {
namespace {

TEST(HintWindow, RectangleFitsTheTextWithinTheWidth) {
  THintWindow hint(nullptr);
  const TRect one = hint.CalcHintRect(800, L"Zamknij");
  EXPECT_EQ(one.Left, 0);
  EXPECT_GT(one.Width(), 6);
  EXPECT_GT(one.Height(), 2);
  const std::wstring longText(60, L'W');
  const TRect narrow = hint.CalcHintRect(100, longText + L" " + longText + L" " + longText);
  EXPECT_GT(narrow.Height(), one.Height());  // wrapped onto more lines
}

TEST(HintWindow, ShownTopmostWithoutActivationAndPaintedOnTheInfoColour) {
  const HWND form = CreateWindowExW(0, L"STATIC", L"Okno", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(form);
  THintWindow hint(nullptr);
  hint.SetParentWindow(form);
  TRect rect = hint.CalcHintRect(800, L"Przypnij");
  rect = Bounds(50, 60, rect.Width(), rect.Height() + 4);
  hint.ActivateHint(rect, L"Przypnij");

  const HWND window = hint.Handle();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(window, GW_OWNER), form);
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(hint.BoundsRect(), rect);

  TBitmap capture;
  capture.SetPixelFormat(pf24bit);
  capture.SetSize(rect.Width(), rect.Height());
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(capture.Canvas()->Handle()), PRF_CLIENT);
  EXPECT_EQ(capture.Canvas()->Pixels(1, 1), ColorToRGB(clInfoBk));

  hint.ReleaseHandle();
  EXPECT_FALSE(IsWindow(window));
  DestroyWindow(form);
}

}  // namespace
}  // namespace classlib
#endif
