#pragma once
// What a skin provider keeps for its animations: at most one window
// animation timer, the caption buttons' fades and the picture that stands
// in for the form while its hide animation runs.
#include <array>
#include <memory>

#include "skin/common/LayeredImages.h"
#include "skin/forms/FormAnimationTimers.h"
#include "skin/forms/TitleButtonAnimation.h"

namespace skin {

struct TsProviderAnimations {
  std::unique_ptr<TacMinTimer> minTimer;
  std::unique_ptr<TacMoveTimer> moveTimer;
  bool showPending = false;
  bool alphaHidden = false;
};

// The state bits of the window animations.
inline constexpr std::uint32_t sfsThumbnail = 0x0800;
inline constexpr std::uint32_t sfsAnimationBits = 0x0080 | sfsMinimizing | 0x0200 | sfsRestoring | sfsThumbnail;

}  // namespace skin
