// No window is needed here, but the skin manager's library stands above the
// portable painting library, so this lookup goes with the Windows edge.
#include "skin/paint/SectionLookup.h"

#include "skin/manager/sSkinManager.h"

namespace skin::paint {

const TsGeneralData* SectionOf(TsSkinManager* manager, std::int32_t skinIndex) {
  if (!manager) manager = TsSkinManager::DefaultManager();
  if (!manager || !manager->IsValidSkinIndex(skinIndex)) return nullptr;
  return &manager->Skin()->Sections[static_cast<std::size_t>(skinIndex)];
}

const TsGenState& StateOf(const TsGeneralData& section, bool hot) {
  return section.Props[hot && section.States > 0 ? 1 : 0];
}

}  // namespace skin::paint
