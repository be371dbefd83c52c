#pragma once
// Pictures in layered windows, for the window animations: the library's
// own borderless layered window and the pushing of a 32-bit picture into
// any layered window (through the one push of skin/paint/LayeredPush_Gdi.h,
// so tests see every frame).
#include <windows.h>

#include <cstdint>

#include "classlib/controls/CustomControl.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/core/AnimFrames.h"

namespace skin {

// The library's sign on its own auxiliary windows (adapters pass them over).
inline constexpr int AuxiliaryWindowTag = -98;

// A borderless, non-activating layered tool window owned by the
// application window, showing only what is pushed into it.
class TacLayeredWindow : public classlib::TCustomControl {
 public:
  explicit TacLayeredWindow(classlib::TComponent* owner);

 protected:
  void CreateParams(classlib::TCreateParams& params) override;
  void WndProc(classlib::TMessage& message) override;
};

// Puts the picture into the layered window at the window's place with
// per-pixel alpha and the overall alpha (the window takes the picture's size).
void BlitToLayeredWindow(HWND wnd, classlib::TBitmap& bitmap, std::uint8_t alpha);
// The same at a screen position.
void PushToLayeredWindow(HWND wnd, classlib::TBitmap& bitmap, std::uint8_t alpha, POINT position);
// Gives a window the layered and no-activate extended styles.
void MakeLayered(HWND wnd);
// A zoom frame: Image stretched into the rectangle, the rest of Frame (of
// Image's size) transparent. The picture to push: Frame, or Image itself
// when the rectangle's inset has gone negative.
classlib::TBitmap& DrawZoomFrame(classlib::TBitmap& frame, classlib::TBitmap& image, const TacZoomRect& zoom);

}  // namespace skin
