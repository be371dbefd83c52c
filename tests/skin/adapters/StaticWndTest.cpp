// Static windows under their adapters: text over the skinned background,
// tab stops left alone, bitmaps copied (never taken from the static) with
// their alpha kept.
#include "skin/adapters/StaticWnd.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

namespace {

class StaticWndTest : public AdapterFixture {
 protected:
  void TearDown() override {
    delete adapter_;
    AdapterFixture::TearDown();
  }
  template <class T>
  T* Adapt(HWND wnd) {
    auto* adapter = MakeAdapter<T>(wnd, false, L"CHECKBOX", manager_.get(), nullptr);
    adapter_ = adapter;
    return adapter;
  }
  // Printed through the adapter: how many pixels of the window have Colour.
  static int CountPrinted(HWND wnd, COLORREF colour, int w, int h) {
    MemoryDC dc(w, h);
    SendMessageW(wnd, WM_PRINT, reinterpret_cast<WPARAM>(dc.Handle()), PRF_CLIENT | PRF_NONCLIENT);
    int n = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) n += GetPixel(dc.Handle(), x, y) == colour;
    return n;
  }
  // A 32-bit top-down DIB: the left half opaque red, the right half fully
  // transparent.
  static HBITMAP HalfTransparentBitmap(int w, int h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* px = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) px[y * w + x] = x < w / 2 ? 0xFFFF0000u : 0x00000000u;
    return bmp;
  }

  TacMainWnd* adapter_ = nullptr;
};

TEST_F(StaticWndTest, TextIsDrawnOverTheSkinnedBackgroundAndAnEmptyTextStillShowsIt) {
  const COLORREF face = Marker(MarkerSection("CHECKBOX").colour), ink = RGB(0, 0, 0);
  HWND label = Child(L"STATIC", SS_LEFT, 10, 10, 120, 20);
  Adapt<TacStaticWnd>(label);
  EXPECT_GT(CountPrinted(label, face, 120, 20), 1000);
  EXPECT_EQ(CountPrinted(label, ink, 120, 20), 0);
  SetWindowTextW(label, L"Numer seryjny");
  EXPECT_EQ(adapter_->Caption, L"Numer seryjny");
  EXPECT_GT(CountPrinted(label, ink, 120, 20), 20);
}

TEST_F(StaticWndTest, AStaticWithATabStopKeepsItsStandardLook) {
  HWND label = Child(L"STATIC", SS_LEFT | WS_TABSTOP, 10, 10, 120, 20);
  Adapt<TacStaticWnd>(label);
  EXPECT_EQ(CountPrinted(label, Marker(MarkerSection("CHECKBOX").colour), 120, 20), 0);
}

TEST_F(StaticWndTest, ABitmapStaticKeepsItsBitmapAndItsTransparency) {
  HWND picture = Child(L"STATIC", SS_BITMAP, 10, 10, 40, 20);
  HBITMAP bmp = HalfTransparentBitmap(40, 20);
  SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bmp));
  auto* adapter = Adapt<TacIconWnd>(picture);
  EXPECT_TRUE(adapter->IsBitmap);
  RECT r;
  GetClientRect(picture, &r);
  MemoryDC dc(r.right, r.bottom);
  SendMessageW(picture, WM_PRINT, reinterpret_cast<WPARAM>(dc.Handle()), PRF_CLIENT);
  const COLORREF opaque = GetPixel(dc.Handle(), r.right / 4, r.bottom / 2);
  EXPECT_GE(GetRValue(opaque), 250);  // alpha blending may round by one
  EXPECT_EQ(GetGValue(opaque) + GetBValue(opaque), 0);
  // The transparent half shows the skinned background.
  EXPECT_EQ(GetPixel(dc.Handle(), r.right * 3 / 4, r.bottom / 2), Marker(MarkerSection("CHECKBOX").colour));
  ASSERT_NE(adapter->Image, nullptr);
  EXPECT_NE(adapter->Image->Handle(), bmp);

  delete adapter_;
  adapter_ = nullptr;
  auto shown = reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
  EXPECT_EQ(shown, bmp);
  EXPECT_EQ(GetObjectType(shown), static_cast<DWORD>(OBJ_BITMAP));
  BITMAP info{};
  EXPECT_EQ(GetObjectW(shown, sizeof(info), &info), static_cast<int>(sizeof(info)));
  EXPECT_EQ(info.bmWidth, 40);
  DestroyWindow(picture);
  DeleteObject(bmp);
}

TEST_F(StaticWndTest, AnIconStaticDrawsItsIcon) {
  HWND icon = Child(L"STATIC", SS_ICON, 10, 10, 32, 32);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_APPLICATION)), 0);
  auto* adapter = Adapt<TacIconWnd>(icon);
  EXPECT_FALSE(adapter->IsBitmap);
  RECT r;
  GetClientRect(icon, &r);
  const COLORREF face = Marker(MarkerSection("CHECKBOX").colour);
  const int all = r.right * r.bottom;
  const int background = CountPrinted(icon, face, r.right, r.bottom);
  EXPECT_LT(background, all);  // the icon covers part of it
}

TEST_F(StaticWndTest, ALinkShowsItsTextWithoutTheTags) {
  HWND link = Child(L"STATIC", SS_LEFT, 10, 10, 200, 20);
  SetWindowTextW(link, L"<a href=\"x\">A</a>");
  Adapt<TacLinkWnd>(link);
  const int tagged = CountPrinted(link, RGB(0, 0, 0), 200, 20);
  HWND plain = Child(L"STATIC", SS_LEFT, 10, 40, 200, 20);
  SetWindowTextW(plain, L"A");
  TacLinkWnd* other = MakeAdapter<TacLinkWnd>(plain, false, L"CHECKBOX", manager_.get(), nullptr);
  EXPECT_EQ(CountPrinted(plain, RGB(0, 0, 0), 200, 20), tagged);
  EXPECT_GT(tagged, 0);
  delete other;
}

TEST_F(StaticWndTest, AnEdgedStaticKeepsItsContentAndGetsASkinnedFrame) {
  HWND edged = Child(L"STATIC", SS_ICON, 10, 10, 40, 40, WS_EX_STATICEDGE);
  SendMessageW(edged, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_APPLICATION)), 0);
  adapter_ = MakeAdapter<TacEdgeWnd>(edged, false, L"EDIT", manager_.get(), nullptr);
  RedrawWindow(edged, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  // The frame's outer pixels are the edit section's border mask.
  EXPECT_EQ(WindowPixel(edged, 20, 1), Marker(MarkerSection("EDIT").border));
  EXPECT_EQ(WindowPixel(edged, 1, 20), Marker(MarkerSection("EDIT").border));
}

}  // namespace
}  // namespace skin_test
