#include "skin/common/SkinnedFormState.h"

#include "skin/common/SkinCommandSend.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

TsSkinnedForm* SkinnedFormOf(classlib::TControl* form) {
  if (!form) return nullptr;
  return reinterpret_cast<TsSkinnedForm*>(SendSkinCommand(form, scGetProvider, 0));
}

std::uint8_t SystemCommandState() {
  const TsSkinManager* manager = TsSkinManager::DefaultManager();
  return manager ? manager->SysCommandState() : scsNone;
}

}  // namespace skin
