#include "skin/manager/SkinableMenusLink.h"

namespace skin {
namespace {

TsMenusFactory& Factory() {
  static TsMenusFactory factory;
  return factory;
}

}  // namespace

void SetMenusFactory(TsMenusFactory factory) { Factory() = std::move(factory); }

const TsMenusFactory& MenusFactory() { return Factory(); }

}  // namespace skin
