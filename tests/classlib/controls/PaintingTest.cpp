#ifdef _WIN32
#include <gtest/gtest.h>

#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"
#include "classlib/controls/Shape.h"
#include "ControlsTestSupport.h"

namespace classlib_test {

using namespace classlib;

// A 32-bit memory DC to print windows into.
class DibCanvas {
 public:
  DibCanvas(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~DibCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  // 0x00RRGGBB of a pixel.
  uint32_t Pixel(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFF;
  }

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_ = nullptr;
};

// Fills far beyond its own bounds: what lands outside must be clipped.
class TGreedyControl : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  TPoint originSeen{-1, -1};

 protected:
  void Paint() override {
    POINT p;
    GetViewportOrgEx(Canvas()->Handle(), &p);
    originSeen = Point(p.x, p.y);
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(Rect(-100, -100, 1000, 1000));
  }
};

TEST(Painting, WindowlessChildrenPaintAtTheirOriginAndClipped) {
  FormPtr form = MakeShownForm();
  auto* panel = new TPanel(form.get());
  panel->SetBounds(0, 0, 120, 100);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(clWhite);
  panel->SetParent(form.get());
  auto* shape = new TShape(form.get());
  shape->SetBounds(10, 10, 20, 20);
  shape->Brush()->SetColor(clRed);
  shape->Pen()->SetColor(clRed);
  shape->SetParent(panel);
  auto* greedy = new TGreedyControl(form.get());
  greedy->SetBounds(60, 50, 10, 10);
  greedy->SetParent(panel);

  DibCanvas canvas(120, 100);
  SendMessageW(panel->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
  SendMessageW(panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  EXPECT_EQ(canvas.Pixel(15, 15), 0xFF0000u);  // the shape, red
  EXPECT_EQ(canvas.Pixel(5, 5), 0xFFFFFFu);    // the panel, white
  EXPECT_EQ(canvas.Pixel(65, 55), 0x0000FFu);  // inside the greedy control
  EXPECT_EQ(canvas.Pixel(59, 55), 0xFFFFFFu);  // just outside it
  EXPECT_EQ(canvas.Pixel(70, 60), 0xFFFFFFu);
  EXPECT_EQ(greedy->originSeen, Point(60, 50));
  // The DC comes back as it was given.
  POINT origin;
  GetViewportOrgEx(canvas.Dc(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
}

TEST(Painting, PaintToDrawsWindowedChildrenToo) {
  FormPtr form = MakeShownForm();
  auto* outer = new TPanel(form.get());
  outer->SetBounds(0, 0, 100, 80);
  outer->SetBevelOuter(bvNone);
  outer->SetColor(clWhite);
  outer->SetParent(form.get());
  auto* inner = new TPanel(form.get());
  inner->SetBounds(50, 40, 30, 20);
  inner->SetBevelOuter(bvNone);
  inner->SetColor(clLime);
  inner->SetParent(outer);

  DibCanvas canvas(100, 80);
  outer->PaintTo(canvas.Dc(), 0, 0);
  EXPECT_EQ(canvas.Pixel(10, 10), 0xFFFFFFu);
  EXPECT_EQ(canvas.Pixel(60, 50), 0x00FF00u);
}

TEST(Painting, PanelCaptionKeepsLineBreaks) {
  FormPtr form = MakeShownForm();
  auto* panel = new TPanel(form.get());
  panel->SetBounds(0, 0, 160, 120);
  panel->SetParent(form.get());
  panel->SetColor(clWhite);
  panel->SetBevelOuter(bvNone);
  panel->Font()->SetColor(clBlack);
  DibCanvas one(160, 120), two(160, 120);
  panel->SetCaption(L"Kliknij");
  panel->PaintTo(one.Dc(), 0, 0);
  panel->SetCaption(L"Kliknij\robraz");
  panel->PaintTo(two.Dc(), 0, 0);
  auto textRows = [](const DibCanvas& c) {
    int first = -1, last = -1;
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 160; ++x)
        if (c.Pixel(x, y) != 0xFFFFFFu) {
          if (first < 0) first = y;
          last = y;
          break;
        }
    return last - first;
  };
  // Two lines of text are about twice as tall as one.
  EXPECT_GT(textRows(two), textRows(one) * 3 / 2);
}

}  // namespace classlib_test
#endif
