#pragma once
// A small pop-up window that shows a hint text on the info colour, above
// every other window and without taking the activation.
#include <windows.h>

#include <string>

#include "classlib/core/Component.h"
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Font.h"
#include "classlib/graphics/GraphicsTypes.h"

namespace classlib {

class THintWindow : public TComponent {
 public:
  explicit THintWindow(TComponent* owner);
  ~THintWindow() override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& value);
  // The system's status font by default.
  TFont* Font() { return &font_; }

  // The window that owns the hint (the application's window); set before
  // the hint is shown.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND value);

  // The size the hint needs at most `maxWidth` pixels wide, at (0, 0).
  virtual TRect CalcHintRect(int maxWidth, const std::wstring& hint);
  // Shows `hint` in screen rectangle `rect`, topmost and not activated.
  virtual void ActivateHint(const TRect& rect, const std::wstring& hint);
  // Hides the hint and frees its window.
  void ReleaseHandle();

  // The window; made on first use, hidden.
  HWND Handle();
  bool HandleAllocated() const { return window_ != nullptr; }
  TRect BoundsRect() const;

 protected:
  virtual void Paint(HDC dc, const RECT& client);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  HWND parentWindow_ = nullptr;
  TColor color_ = clInfoBk;
  std::wstring caption_;
  TFont font_;
};

}  // namespace classlib
