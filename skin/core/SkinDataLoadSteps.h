#pragma once
// The passes of a skin load, in the order LoadSkinModel runs them.
#include "skin/core/SkinDataLoad.h"

namespace skin {

void LoadAllMasks(TsSkinModel& skin, const TsSkinOptions& options, const TsSkinFiles& images,
                  const TsSkinLoadSettings& settings);
void LoadAllPatterns(TsSkinModel& skin, const TsSkinOptions& options, const TsSkinFiles& images,
                     const TsSkinLoadSettings& settings);
void LoadAllGeneralData(TsSkinModel& skin, const TsSkinOptions& options, const TsSkinLoadSettings& settings);

}  // namespace skin
