#pragma once
// How a skin manager tells the program's windows about its skin. The
// manager calls the handler after a load (a new skin), when its skin goes
// (removed) and when forms must repaint; the form broadcast installs the
// handler, tests observe through it. Without a handler nothing is sent.
#include <functional>

#include "skin/manager/SkinManagerPlatform.h"

namespace skin {

class TsSkinManager;

// BeforeLoad: a new skin is about to load with the change animation (the
// forms keep a picture of themselves); SnapshotDropped: no new skin came of
// it, the pictures go.
enum class TsSkinChange { NewSkin, RemoveSkin, Repaint, BeforeLoad, SnapshotDropped };
using TsSkinChangeHandler = std::function<void(TsSkinManager& manager, TsSkinChange change, bool repaint)>;

// Returns the previous handler.
TsSkinChangeHandler SetSkinChangeHandler(TsSkinChangeHandler handler);
const TsSkinChangeHandler& SkinChangeHandler();

// What the default manager does with the application main window's
// messages beyond its own (minimize and restore, menus, shut-down fade);
// true when handled. Installed with the broadcast.
using TsMainWindowHookHandler = std::function<bool(TsSkinManager& manager, TsHookMessage& message)>;
TsMainWindowHookHandler SetMainWindowHookHandler(TsMainWindowHookHandler handler);
const TsMainWindowHookHandler& MainWindowHookHandler();

}  // namespace skin
