#pragma once
// Text on device contexts and canvases: drawing and measuring the whole
// string, shortening a caption to a width, and captions in a skin section's
// font colours with contour colours and a disabled look.
#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/core/SkinTypes.h"

namespace classlib {
class TCanvas;
}

namespace skin {
class TsSkinManager;
}

namespace skin::paint {

// DrawTextW of the whole text; R is updated as DrawText updates it
// (DT_CALCRECT). Returns the text's height as DrawText does.
std::int32_t acDrawText(HDC dc, const std::wstring& text, TRect& r, std::uint32_t flags);

// The text's size with Font on the screen's context, (0, 0) when measuring
// fails. The screen context is released and the font deselected.
classlib::TSize GetTextSize(HFONT font, const std::wstring& text);

// Text shortened to MaxWidth in the canvas's font (see TextCut.h).
std::wstring CutTextToWidth(classlib::TCanvas* canvas, const std::wstring& text, std::int32_t maxWidth);

struct TSkinTextParams {
  std::wstring Text;
  TRect R;
  std::uint32_t Flags = 0;  // DrawText flags
  bool Enabled = true;
  std::uint8_t State = 0;   // 0 normal, 1 hot
  std::int32_t SkinIndex = -1;
  TsSkinManager* SkinManager = nullptr;  // null: the default manager
};

// The caption in the section's colours: contours (left, top, right, bottom;
// -1 none) one pixel aside, then the state's font colour; disabled text in
// the normal font colour mixed 40 % with the section's colour. Without a
// manager or with an invalid index, the canvas's font colour. The canvas's
// font colour is restored afterwards.
void PaintSkinText(classlib::TCanvas* canvas, const TSkinTextParams& p);

}  // namespace skin::paint
