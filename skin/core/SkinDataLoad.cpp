#include "skin/core/SkinDataLoad.h"

#include "skin/core/SkinDataLoadSteps.h"
#include "skin/core/SkinLookups.h"

namespace skin {

std::unique_ptr<TsSkinModel> LoadSkinModel(const TsSkinOptions& options, const TsSkinFiles& images,
                                           const TsSkinLoadSettings& settings) {
  auto skin = std::make_unique<TsSkinModel>();
  skin->SkinData.SkinPath = settings.SkinPath;
  LoadAllMasks(*skin, options, images, settings);
  LoadAllPatterns(*skin, options, images, settings);
  LoadAllGeneralData(*skin, options, settings);
  InitConstIndexes(*skin);
  skin->SkinData.Active = true;
  return skin;
}

}  // namespace skin
