#pragma once
// A skin pushed by another process: WM_COPYDATA with wParam 7 and a block
// of PushedSkinBlockSize bytes (skin/manager/PushedSkin.h). Form skinning
// passes the message here from its window procedure.
#include "classlib/controls/Messages.h"

namespace skin {

class TsSkinManager;

// Loads and broadcasts the pushed skin and answers 1; any other message,
// a wrong identifier, a short block or none leaves the result as it was.
void ReceiveSkinData(classlib::TMessage& message, TsSkinManager* manager);

}  // namespace skin
