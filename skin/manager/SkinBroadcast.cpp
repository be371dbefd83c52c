#include "skin/manager/SkinBroadcast.h"

namespace skin {

namespace {
TsSkinChangeHandler& Handler() {
  static TsSkinChangeHandler handler;
  return handler;
}
}  // namespace

TsSkinChangeHandler SetSkinChangeHandler(TsSkinChangeHandler handler) {
  TsSkinChangeHandler old = std::move(Handler());
  Handler() = std::move(handler);
  return old;
}

const TsSkinChangeHandler& SkinChangeHandler() { return Handler(); }

}  // namespace skin
