#include "skin/manager/SkinBroadcast.h"

namespace skin {

namespace {
TsSkinChangeHandler& Handler() {
  static TsSkinChangeHandler handler;
  return handler;
}
TsMainWindowHookHandler& HookHandler() {
  static TsMainWindowHookHandler handler;
  return handler;
}
}  // namespace

TsMainWindowHookHandler SetMainWindowHookHandler(TsMainWindowHookHandler handler) {
  TsMainWindowHookHandler old = std::move(HookHandler());
  HookHandler() = std::move(handler);
  return old;
}

const TsMainWindowHookHandler& MainWindowHookHandler() { return HookHandler(); }

TsSkinChangeHandler SetSkinChangeHandler(TsSkinChangeHandler handler) {
  TsSkinChangeHandler old = std::move(Handler());
  Handler() = std::move(handler);
  return old;
}

const TsSkinChangeHandler& SkinChangeHandler() { return Handler(); }

}  // namespace skin
