#include "skin/manager/SkinManagerPlatform.h"

namespace skin {

TsSkinManagerPlatform& SkinManagerPlatform() {
  static TsSkinManagerPlatform platform = DefaultSkinManagerPlatform();
  return platform;
}

}  // namespace skin
