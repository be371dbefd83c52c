#include "classlib/menus/HintWindow.h"

#include "classlib/graphics/Canvas.h"

namespace classlib {
namespace {

constexpr wchar_t kClassName[] = L"TessariloHintWindow";
constexpr UINT kTextFlags = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

void RegisterHintClass() {
  static const bool done = [] {
    WNDCLASSW windowClass{};
    windowClass.style = CS_SAVEBITS | CS_DROPSHADOW;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    return true;
  }();
  (void)done;
}

}  // namespace

THintWindow::THintWindow(TComponent* owner) : TComponent(owner) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    const HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    font_.SetHandle(font);
    DeleteObject(font);
  }
  font_.SetColor(static_cast<TColor>(GetSysColor(COLOR_INFOTEXT)));
}

THintWindow::~THintWindow() { ReleaseHandle(); }

void THintWindow::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void THintWindow::SetCaption(const std::wstring& value) {
  if (caption_ == value) return;
  caption_ = value;
  if (window_) {
    SetWindowTextW(window_, value.c_str());
    InvalidateRect(window_, nullptr, TRUE);
  }
}

void THintWindow::SetParentWindow(HWND value) {
  parentWindow_ = value;
  if (window_) SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(value));
}

HWND THintWindow::Handle() {
  if (!window_) {
    RegisterHintClass();
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, caption_.c_str(), WS_POPUP | WS_BORDER,
                              0, 0, 0, 0, parentWindow_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_) return nullptr;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  }
  return window_;
}

void THintWindow::ReleaseHandle() {
  if (!window_) return;
  const HWND window = window_;
  window_ = nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::wstring& hint) {
  RECT rect = {0, 0, maxWidth, 0};
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font_.Handle());
  DrawTextW(dc, hint.c_str(), -1, &rect, kTextFlags | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  // Room for the border and the text's inner margin.
  rect.right += 6;
  rect.bottom += 2;
  return FromRECT(rect);
}

void THintWindow::ActivateHint(const TRect& rect, const std::wstring& hint) {
  SetCaption(hint);
  if (!Handle()) return;
  SetWindowPos(window_, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
}

TRect THintWindow::BoundsRect() const {
  RECT rect{};
  if (window_) GetWindowRect(window_, &rect);
  return FromRECT(rect);
}

void THintWindow::Paint(HDC dc, const RECT& client) {
  const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color_)));
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  RECT text = client;
  InflateRect(&text, -2, -1);
  const HGDIOBJ old = SelectObject(dc, font_.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(font_.Color())));
  DrawTextW(dc, caption_.c_str(), -1, &text, kTextFlags);
  SelectObject(dc, old);
}

LRESULT CALLBACK THintWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<THintWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_NCHITTEST:
        return HTTRANSPARENT;  // the mouse goes to what lies below
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      case WM_ERASEBKGND:
        return 1;
      case WM_PRINTCLIENT:
      case WM_PAINT: {
        RECT client{};
        GetClientRect(window, &client);
        if (message == WM_PRINTCLIENT) {
          self->Paint(reinterpret_cast<HDC>(wParam), client);
          return 0;
        }
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        self->Paint(dc, client);
        EndPaint(window, &paint);
        return 0;
      }
      default:
        break;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace classlib
