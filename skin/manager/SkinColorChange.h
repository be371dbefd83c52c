#pragma once
// The whole-skin colour options of a manager, applied to a freshly loaded
// skin: a hue turn (HueOffset, degrees) and a saturation change (Saturation,
// percent). Both run on the skin as its description defines it, so a change
// of either option reloads the skin instead of turning colours again.
#include "skin/core/SkinData.h"

namespace skin {

// Master bitmap, masks with their own bitmaps, every section colour and the
// skin-wide shadow and border colours; nothing for 0. Title buttons keep
// their pixels as the skin's BIKEEPHUE asks. "No colour" (-1, 0xFF00FF),
// key pixels, grey pixels and alpha bytes never change.
void ChangeSkinHue(TsSkinModel& skin, int degrees);
// The same colours and bitmaps (title buttons not kept); nothing for 0.
void ChangeSkinSaturation(TsSkinModel& skin, int percent);

}  // namespace skin
