#include "skin/core/CacheInfo.h"

namespace skin {

const TacCacheInfo EmptyCacheInfo{nullptr, -99, 0, 0xFF00FF, false};

}  // namespace skin
