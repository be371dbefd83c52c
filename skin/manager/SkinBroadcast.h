#pragma once
// How a skin manager tells the program's windows about its skin. The
// manager calls the handler after a load (a new skin), when its skin goes
// (removed) and when forms must repaint; the form broadcast installs the
// handler, tests observe through it. Without a handler nothing is sent.
#include <functional>

namespace skin {

class TsSkinManager;

enum class TsSkinChange { NewSkin, RemoveSkin, Repaint };
using TsSkinChangeHandler = std::function<void(TsSkinManager& manager, TsSkinChange change, bool repaint)>;

// Returns the previous handler.
TsSkinChangeHandler SetSkinChangeHandler(TsSkinChangeHandler handler);
const TsSkinChangeHandler& SkinChangeHandler();

}  // namespace skin
