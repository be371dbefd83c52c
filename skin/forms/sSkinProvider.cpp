#include "skin/forms/sSkinProvider.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "classlib/core/PropertyRegistry.h"

namespace skin {

using namespace classlib;

TacAddedTitle::TacAddedTitle(TsSkinProvider& provider) : provider_(provider), font_(std::make_unique<TFont>()) {}

TacAddedTitle::~TacAddedTitle() = default;

void TacAddedTitle::SetText(const std::wstring& value) {
  if (text_ == value) return;
  text_ = value;
  provider_.RepaintTitle();
}

void TacAddedTitle::SetShowMainCaption(bool value) {
  if (showMainCaption_ == value) return;
  showMainCaption_ = value;
  provider_.RepaintTitle();
}

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(owner), form_(dynamic_cast<TCustomForm*>(owner)), addedTitle_(std::make_unique<TacAddedTitle>(*this)) {
  if (!form_) return;
  formWndProc_ = form_->WindowProc();
  form_->SetWindowProc([this](TMessage& message) { ProviderWndProc(message); });
}

TsSkinProvider::~TsSkinProvider() {
  // A dying form has already taken its own procedure back.
  if (form_ && !form_->ComponentState().Contains(csDestroying)) form_->SetWindowProc(formWndProc_);
}

std::wstring TsSkinProvider::TitleText() const {
  if (!form_ || !addedTitle_->ShowMainCaption()) return addedTitle_->Text();
  if (addedTitle_->Text().empty()) return form_->Caption();
  return form_->Caption() + L" " + addedTitle_->Text();
}

void TsSkinProvider::RepaintTitle() {
  if (form_ && form_->HandleAllocated()) PaintTitle(form_->Handle());
}

void TsSkinProvider::ProviderWndProc(TMessage& message) {
  if (message.Msg == WM_WINDOWPOSCHANGING && screenSnap_)
    SnapToWorkArea(*reinterpret_cast<WINDOWPOS*>(message.LParam));
  formWndProc_(message);
  switch (message.Msg) {
    case WM_NCPAINT: case WM_NCACTIVATE: case WM_SETTEXT: case WM_SIZE:
      RepaintTitle();
      break;
    default:
      break;
  }
}

void TsSkinProvider::PaintTitle(HWND window) {
  RECT bounds;
  POINT client{0, 0};
  if (!GetWindowRect(window, &bounds) || !ClientToScreen(window, &client)) return;
  const int frame = client.x - bounds.left;
  const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
  const int captionBottom = client.y - bounds.top;
  if ((GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION || captionBottom - frame < captionHeight - 1)
    return;
  // Between the window icon and the three title buttons.
  const int width = bounds.right - bounds.left;
  RECT area{frame + captionHeight + 2, captionBottom - captionHeight + 1, width - frame - 3 * captionHeight,
            captionBottom - 1};
  if (area.right <= area.left) return;
  const bool active = GetActiveWindow() == window;
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  // The caption's own colours, blended left to right as the system's title is.
  const COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  BOOL gradient = FALSE;
  SystemParametersInfoW(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
  const COLORREF to = gradient ? GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION) : from;
  const int span = std::max(1, width - 2 * frame);
  // The whole blended area goes to the window in one transfer (a brush per
  // column made the title slow to paint).
  const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
  std::vector<uint32_t> pixels(static_cast<size_t>(areaWidth) * static_cast<size_t>(std::max(areaHeight, 0)));
  for (int x = area.left; x < area.right; ++x) {
    const int t = x - frame;
    auto mix = [&](int a, int b) { return static_cast<uint32_t>(a + (b - a) * t / span); };
    const uint32_t pixel = (mix(GetRValue(from), GetRValue(to)) << 16) | (mix(GetGValue(from), GetGValue(to)) << 8) |
                           mix(GetBValue(from), GetBValue(to));
    for (int y = 0; y < areaHeight; ++y) pixels[static_cast<size_t>(y) * areaWidth + (x - area.left)] = pixel;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = areaWidth;
  info.bmiHeader.biHeight = -areaHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  if (areaHeight > 0)
    SetDIBitsToDevice(dc, area.left, area.top, static_cast<DWORD>(areaWidth), static_cast<DWORD>(areaHeight), 0, 0, 0,
                      static_cast<UINT>(areaHeight), pixels.data(), &info, DIB_RGB_COLORS);
  const std::wstring text = TitleText();
  HGDIOBJ oldFont = SelectObject(dc, addedTitle_->Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  RECT textRect = area;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  ReleaseDC(window, dc);
}

void TsSkinProvider::SnapToWorkArea(WINDOWPOS& position) const {
  if (position.flags & SWP_NOMOVE) return;
  RECT work;
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return;
  int width = position.cx, height = position.cy;
  if (position.flags & SWP_NOSIZE) {
    RECT bounds;
    if (!GetWindowRect(position.hwnd, &bounds)) return;
    width = bounds.right - bounds.left;
    height = bounds.bottom - bounds.top;
  }
  auto snap = [this](int& coordinate, int size, LONG low, LONG high) {
    if (std::abs(coordinate - low) < snapBuffer_)
      coordinate = low;
    else if (std::abs(coordinate + size - high) < snapBuffer_)
      coordinate = high - size;
  };
  snap(position.x, width, work.left, work.right);
  snap(position.y, height, work.top, work.bottom);
}

void RegisterSkinFormsClasses() {
  static const bool done = [] {
    Properties<TacAddedTitle, TPersistent>()
        .String(L"Text", &TacAddedTitle::Text, &TacAddedTitle::SetText)
        .Object(L"Font", &TacAddedTitle::Font)
        .Boolean(L"ShowMainCaption", &TacAddedTitle::ShowMainCaption, &TacAddedTitle::SetShowMainCaption, true);
    Properties<TsSkinProvider, TComponent>()
        .Object(L"AddedTitle", &TsSkinProvider::AddedTitle)
        .Boolean(L"ScreenSnap", &TsSkinProvider::ScreenSnap, &TsSkinProvider::SetScreenSnap, false)
        .Integer(L"SnapBuffer", &TsSkinProvider::SnapBuffer, &TsSkinProvider::SetSnapBuffer, 10);
    RegisterComponentClass<TsSkinProvider, TComponent>();
    return true;
  }();
  (void)done;
}

}  // namespace skin
