#pragma once
// Glows around controls: separate layered windows, click-through and never
// activated, that lie just above the control's top-level window and carry
// the section's glow mask painted with per-pixel alpha. Glows live in one
// process-wide list and are addressed by their index in it; a closed glow
// leaves an empty entry, so the other indexes stay valid.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/core/SkinTypes.h"

namespace skin {
class TsSkinManager;
}

namespace skin::paint {

// The class of every glow window (the window adapters leave it alone).
inline constexpr wchar_t kGlowWindowClass[] = L"TacGlowWindow";

class TacGlowEffect {
 public:
  explicit TacGlowEffect(TsSkinManager* skinManager) : SkinManager(skinManager) {}
  virtual ~TacGlowEffect();
  TacGlowEffect(const TacGlowEffect&) = delete;
  TacGlowEffect& operator=(const TacGlowEffect&) = delete;

  // A fresh transparent 32-bit picture of that size with state 0 of the
  // glow mask painted over all of it (nothing painted without a mask).
  virtual void SetSize(std::int32_t width, std::int32_t height);

  // Creates, places and shows the window once (nothing when it exists).
  // False when there is nothing to show (under one pixel) or the push fails.
  bool Show(const TRect& r, const TRect& rClip, HWND wnd);

  TsSkinManager* SkinManager = nullptr;
  std::int32_t MaskIndex = -1;
  std::int32_t Margin = 0;
  HWND Form = nullptr;
  std::unique_ptr<classlib::TBitmap> Bitmap;  // freed once pushed to the window
};

// The new glow's index, or -1 without layered windows, without a manager
// (null: the default one), when the section has no mask MaskName + "0" of
// its own (no inheritance), or when nothing of the glow would show. R: the
// control in screen coordinates; RClip: its visible part in its own
// coordinates; Wnd: the control's window, whose top-level window is the
// z-order anchor (the glow has no owner). Reserved is not read.
std::int32_t OpenGlow(const TRect& r, const TRect& rClip, std::wstring_view sectionName, TsSkinManager* skinManager,
                      HWND wnd, std::int32_t reserved, std::int32_t margin, std::wstring_view maskName);
// Frees the glow and its window; -1, an index beyond the list or a closed
// entry do nothing.
void CloseGlow(std::int32_t index);
// Frees every glow (and, with FreeForms, its window first) and empties the list.
void CloseAllGlows(bool freeForms);

// The glow's window; null for no glow.
HWND GlowWindow(std::int32_t index);
// True while a glow window is being destroyed (the activation that causes
// is not the user's).
bool GlowFormFreeing();

}  // namespace skin::paint
