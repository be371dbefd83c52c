#pragma once
// Adapters of common controls (track bars, lists, tabs, bars) on real
// comctl32 windows: the adapter fixture with the common controls loaded,
// exceptions that reach the application recorded instead of shown, and a
// window printed into memory to read its pixels.
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

// A window's image as WM_PRINT gives it.
class PrintedWindow {
 public:
  explicit PrintedWindow(HWND wnd, UINT flags = PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND) {
    RECT r{};
    GetWindowRect(wnd, &r);
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    dc_ = std::make_unique<MemoryDC>(std::max(width_, 1), std::max(height_, 1));
    RECT all{0, 0, width_, height_};
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FillRect(dc_->Handle(), &all, black);
    SendMessageW(wnd, WM_PRINT, reinterpret_cast<WPARAM>(dc_->Handle()), flags);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_->Handle(), x, y); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC Handle() const { return dc_->Handle(); }
  // Pixels within Tolerance of the colour (per channel) inside R.
  int Count(COLORREF colour, RECT r, int tolerance = 0) const {
    int n = 0;
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, width_);
    r.bottom = std::min<LONG>(r.bottom, height_);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (Near(At(x, y), colour, tolerance)) ++n;
    return n;
  }
  int Count(COLORREF colour, int tolerance = 0) const { return Count(colour, RECT{0, 0, width_, height_}, tolerance); }
  static bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
  }

 private:
  int width_ = 0, height_ = 0;
  std::unique_ptr<MemoryDC> dc_;
};

class ControlAdapterFixture : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                              ICC_TREEVIEW_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    savedException_ = classlib::Application->OnException;
    classlib::Application->OnException = [this](classlib::TObject*, const classlib::Exception& e) {
      raised_.push_back(e.Message());
    };
  }
  void TearDown() override {
    classlib::Application->OnException = savedException_;
    AdapterFixture::TearDown();
  }

  classlib::TExceptionEvent savedException_;
  std::vector<std::wstring> raised_;
};

}  // namespace skin_test
