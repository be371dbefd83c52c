#include "classlib/controls/Screen.h"

#include <algorithm>

#include "classlib/controls/Forms.h"

namespace classlib {

TScreen* TScreenRef::Get() {
  static TScreen* screen = new TScreen(nullptr);
  return screen;
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}
TScreen::~TScreen() = default;

void TScreen::SetCursor(TCursor value) {
  if (cursor_ == value) return;
  cursor_ = value;
  POINT p;
  if (value != crDefault) ::SetCursor(CursorHandle(value));
  else if (GetCursorPos(&p)) {
    // Let the window under the mouse choose its cursor again.
    if (HWND w = WindowFromPoint(p))
      SendMessageW(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  }
}

static std::unique_ptr<TFont> FontFromNonClientMetrics(LOGFONTW NONCLIENTMETRICSW::*member) {
  auto font = std::make_unique<TFont>();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    HFONT handle = CreateFontIndirectW(&(metrics.*member));
    font->SetHandle(handle);
    DeleteObject(handle);
  }
  return font;
}

TFont* TScreen::MenuFont() {
  if (!menuFont_) menuFont_ = FontFromNonClientMetrics(&NONCLIENTMETRICSW::lfMenuFont);
  return menuFont_.get();
}

TFont* TScreen::MessageFont() {
  if (!messageFont_) messageFont_ = FontFromNonClientMetrics(&NONCLIENTMETRICSW::lfMessageFont);
  return messageFont_.get();
}

TRect TScreen::WorkAreaRect() const {
  RECT r{0, 0, Width(), Height()};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return Rect(r.left, r.top, r.right, r.bottom);
}

void TScreen::AddForm(TCustomForm* form) {
  if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (activeForm_ == form) {
    activeForm_ = nullptr;
    activeControl_ = nullptr;
  } else if (activeControl_ && form->ContainsControl(activeControl_)) {
    activeControl_ = nullptr;
  }
}

void TScreen::SetActiveForm(TCustomForm* form) {
  activeForm_ = form;
  // The most recently active form first, as Forms lists them.
  auto it = std::find(forms_.begin(), forms_.end(), form);
  if (it != forms_.end()) std::rotate(forms_.begin(), it, it + 1);
  activeControl_ = form ? form->ActiveControl() : nullptr;
}

}  // namespace classlib
