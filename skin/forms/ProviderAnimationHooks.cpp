// The points where the form animations join the provider's caption buttons,
// system commands and hiding. Without the animations each does nothing and
// the provider takes its direct path: buttons change state at once.
#include "skin/forms/sSkinProvider.h"

namespace skin {

using namespace classlib;

bool TsSkinProvider::StartTitleButtonFade(TsTitleButtonState&, int) { return false; }

bool TsSkinProvider::AnimatedSysCommand(TMessage&) { return false; }

std::unique_ptr<TWinControl> TsSkinProvider::MakeHideSnapshot() { return nullptr; }

bool TsSkinProvider::RunHideAnimation() { return false; }

}  // namespace skin
