#pragma once
// Where the skinned push button puts its caption and its glyph, and which
// image of its list it shows in each state.
#include <array>

#include "skin/core/SkinTypes.h"

namespace skin {

enum TImageAlignment { iaLeft, iaRight, iaTop, iaBottom, iaCenter };
enum TButtonStyle { bsPushButton, bsCommandLink, bsSplitButton };

struct TPushButtonLayout {
  int Width = 0, Height = 0;
  TButtonStyle Style = bsPushButton;
  bool HasGlyph = false;  // an image of the list is shown
  TImageAlignment Alignment = iaLeft;
  int MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;
  int ContentMargin = 6;
  TPoint ImageSize;  // the list's image size
  TPoint TextSize;   // the measured caption
  bool Pressed = false;
};

// The width the content is laid out in: the split part is left out.
int ContentWidth(const TPushButtonLayout& l);
// The glyph size a command link makes room for: the image (32 x 32 without
// one) and its margins.
TPoint CommandLinkGlyphSize(const TPushButtonLayout& l);
TRect PushButtonCaptionRect(const TPushButtonLayout& l);
// Empty without a glyph.
TRect PushButtonGlyphRect(const TPushButtonLayout& l);

// Image states: 0 normal, 1 hot, 2 pressed, 3 focused or default, 4 disabled.
int PushButtonImageState(bool enabled, int currentState, bool focused);
// Indexes per image state (normal, hot, pressed, selected, disabled); each
// falls back to the normal one when negative or not below Count.
int PushButtonImageIndex(const std::array<int, 5>& indexes, int imageState, int count);

}  // namespace skin
