#pragma once
// The arithmetic of a cross-fade between a control's old and new pictures,
// counted in frames (one per 10 ms tick) rather than in time, and which
// mouse events animate at all. The timer that drives a fade is per-control
// state; what it computes is here.
#include <cstdint>

#include "classlib/core/Set.h"

namespace skin::paint {

enum TacAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
using TacAnimatEvents = classlib::TSet<TacAnimatEvent>;

// The fade directions of a fade timer.
inline constexpr std::uint8_t fdIdle = 0;
inline constexpr std::uint8_t fdIn = 1;
inline constexpr std::uint8_t fdOut = 2;

// The skin manager's button event (0 enter, 1 leave, 2 down, 3 up) that an
// animation event stands for; aeGlobalDef stands for the mouse going up.
std::int32_t ButtonEventOf(TacAnimatEvent event);

// True when Event is in Events; otherwise, with aeGlobalDef in Events,
// whether its button event is in the manager's button events (the bits of
// its event set, bit n for button event n).
bool IsEventAnimated(TacAnimatEvent event, TacAnimatEvents events, std::uint64_t buttonEventBits);

// Frame and length of a fade about to start.
struct TFadePlan {
  std::int32_t Step = 1;        // the frame shown first, from 1
  std::int32_t Iterations = 0;  // frames of this fade; 0 ends it at the next tick
};

// A fade starting with SectionIterations frames (the section's
// FADINGITERATIONS), Quick halving them. A running timer is restarted: after
// a fade in it starts again from frame 1 over all frames, after a fade out
// it ends at the next tick.
TFadePlan StartFadePlan(bool timerExists, std::uint8_t previousDirection, std::int32_t sectionIterations,
                        bool quick);

// Whether frame Step of Iterations is still to be shown (0 <= Step <=
// Iterations); after the last frame the control is told that the fade ended.
bool FadeGoesOn(std::int32_t step, std::int32_t iterations);

// The old picture's weight in frame Step (1..Iterations) out of 256:
// 255 - Step x 255 div Iterations. Steps outside 0..Iterations count as the
// nearer end, so a late frame never brings the old picture back; 0 for no
// iterations.
std::uint8_t FadeAlpha(std::int32_t step, std::int32_t iterations);

// A frame is the old picture mixed with the new one by BlendEqualBitmaps
// (Blends.h) with FadeAlpha as the old picture's weight.

}  // namespace skin::paint
