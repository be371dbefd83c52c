#pragma once
// The library's private window message and its command codes: how skin
// objects talk to each other. The code travels in the high word of WParam
// (a small sub-argument in the low word), the argument in LParam and the
// answer in the message result; both are pointer-sized.
#include <cstdint>
#include <string_view>

#include "skin/core/SkinConst.h"
#include "skin/core/SkinTypes.h"

namespace skin {

enum TsSkinCommand : std::uint16_t {
  scNewSkin = 1,            // LParam the manager
  scRemoveSkin = 2,         // LParam the manager
  scRefresh = 3,            // LParam the manager
  scGetProvider = 4,        // answer: the form's skin provider
  scTrackBarPaint = 5,      // to the parent while a track bar paints; answer unused
  scEndUpdate = 6,          // repaint now that a lock is over
  scIsSkinned = 7,          // answer 1 from every skinned window
  scSetUpdating = 8,        // Updating := (low word = 1)
  scSetParentBG = 9,        // ForceParentBG := (low word = 1)
  scIsLocked = 10,          // answer 1 while BGChanged or Updating
  scIsCachePartial = 11,    // answer CachePartial
  scRepaintSection = 13,    // repaint when the section is RepaintSectionName
  scMenuChanged = 14,       // between menu painting pieces
  scSetSection = 15,        // LParam a TsCommonData whose section to take
  scFadeStep = 16,          // advance a fade frame
  scBGChanged = 17,         // BGChanged := True
  scLockRedraw = 18,        // drawing lock of the receiver
  scBGVaries = 19,          // answer 1 when the background varies
  scParentChanged = 20,     // the parent's background changed
  scGetBGColor = 21,        // answer the background colour
  scSetCachePartial = 22,   // CachePartial := True
  scPrepareCache = 23,      // rebuild the cache from the parent
  scPaintFadeFrame = 24,    // LParam a bitmap to show as a fade frame
  scChildChanged = 25,      // LParam a child control created or shown
  scGetSkinIndex = 26,      // LParam points at an int32 that gets SkinIndex
  scGetCaptionHeight = 27,  // answer a group box's caption height
  scMouseEnter = 29,
  scMouseLeave = 30,
  scBeginUpdate = 31,
  scEndUpdateNotify = 32,
  scResetCache = 33,        // drop the cache, also the children's
  scGetBGInfo = 34,         // LParam points at a TacBGInfo to fill
  scDisabledLook = 35,      // LParam points at an int32 preset to 1
  scStateWord = 36,         // LParam 1: recompute state flags; else answer them
  scGetSkinData = 37,       // answer the TsCommonData object
  scSetPrintDC = 38,        // LParam a device context, or 0
  scBeforeScroll = 51,
  scAfterScroll = 52,
  scGetApplication = 60,    // answer the application object
  scClientOffset = 61,      // answer MakeLong(client offset X, Y)
  scRepaintFrame = 62,
};

// The shared receiver of a control's skin state acts on codes up to this.
inline constexpr std::uint16_t MaxCommonCode = 60;

constexpr std::uintptr_t SkinCommandWParam(std::uint16_t code, std::uint16_t low = 0) {
  return (static_cast<std::uintptr_t>(code) << 16) | low;
}
constexpr std::uint16_t SkinCommandCode(std::uintptr_t wParam) { return static_cast<std::uint16_t>(wParam >> 16); }
constexpr std::uint16_t SkinCommandLow(std::uintptr_t wParam) { return static_cast<std::uint16_t>(wParam); }

// Codes whose LParam the receiver dereferences, and codes answered with an
// object's address. Only the library's own sends may carry or get these:
// the message number is open to every process.
constexpr bool CommandCarriesPointer(std::uint16_t code) {
  return code == scSetSection || code == scPaintFadeFrame || code == scChildChanged || code == scGetSkinIndex ||
         code == scGetBGInfo || code == scDisabledLook;
}
constexpr bool CommandAnswersPointer(std::uint16_t code) {
  return code == scGetProvider || code == scGetSkinData || code == scGetApplication;
}
constexpr bool CommandNeedsTrust(std::uint16_t code) {
  return CommandCarriesPointer(code) || CommandAnswersPointer(code);
}

// Bits of a control's state word.
inline constexpr std::uint16_t StateSimpleBackground = 0x1;
inline constexpr std::uint16_t StatePrinting = 0x200;
inline constexpr std::uint16_t StateMenuPending = 0x400;
inline constexpr std::uint16_t StateInUpdate = 0x800;

// Bits of how a section's background varies.
inline constexpr std::uint16_t BGVariesHorizontally = 0x1;
inline constexpr std::uint16_t BGVariesVertically = 0x2;
inline constexpr std::uint16_t BGVariesByTexture = 0x4;

// The answer to the background-colour question of a partly transparent
// control: per channel ((P - C) x T + C x 256) shr 8 over the low three
// bytes, the fourth byte that of the parent colour P.
TColor MixWithParentColor(TColor parent, TColor section, int transparency);

// The state of a section a control paints in: 1 for a hot state when the
// section has one, else 0; never outside 0 .. States - 1, also for a section
// without states.
int SectionStateIndex(int state, int sectionStates);

}  // namespace skin
