#pragma once
// Where a control's glow window lies and which part of the glow picture it
// shows. The picture is the glow mask painted over the control's rectangle
// grown by the mask's borders and pulled in by the margin on every side; a
// control partly hidden by its parent gets a window cut to the part that
// shows, with the picture read from the matching offset.
#include <cstdint>

#include "skin/core/SkinTypes.h"

namespace skin::paint {

struct TGlowBorders {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TGlowGeometry {
  bool Visible = false;           // false: no window (nothing to show)
  std::int32_t PictureWidth = 0;  // the whole glow picture
  std::int32_t PictureHeight = 0;
  TPoint Source;                  // the shown part's top-left in the picture
  TRect Window;                   // screen rectangle of the window (= shown part's size)
};

// R: the control in screen coordinates; RClip: its visible part in its own
// coordinates (R's size at (0, 0) when it shows whole). Offsets and cuts are
// held inside the picture, so a margin wider than the control and its
// borders never reads outside it; a picture or part under one pixel on
// either side makes no window.
TGlowGeometry GlowGeometry(const TRect& r, const TRect& rClip, const TGlowBorders& borders, std::int32_t margin);

}  // namespace skin::paint
