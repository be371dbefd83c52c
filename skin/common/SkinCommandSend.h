#pragma once
// Sending the skin command message. The message number is open to every
// process, so a receiver may trust a pointer in LParam, or answer with an
// address, only for a message that one of these routines is sending on this
// thread right now (IsTrustedSkinCommand). Queries go only to windows of this
// process.
#include <windows.h>

#include <cstdint>

#include "classlib/controls/Control.h"
#include "classlib/controls/Messages.h"
#include "skin/core/SkinCommand.h"

namespace skin {

// SendMessage to a window of this process; 0 for another process's window
// or no window.
LRESULT SendSkinCommandToWnd(HWND wnd, std::uint16_t code, LPARAM lParam, std::uint16_t low = 0);
// A graphic control gets Perform; a windowed one SendMessage only when its
// window exists and it is not being destroyed (no window is ever created
// for this); otherwise nothing is sent and the answer is 0.
LRESULT SendSkinCommand(classlib::TControl* control, std::uint16_t code, LPARAM lParam, std::uint16_t low = 0);
inline LRESULT SendSkinCommandNoParam(classlib::TControl* control, std::uint16_t code) {
  return SendSkinCommand(control, code, 0);
}
// True exactly when the window answers 1.
bool SendBoolSkinCommand(HWND wnd, std::uint16_t code);
// Perform of the command on a control, whatever its window.
LRESULT PerformSkinCommand(classlib::TControl* control, std::uint16_t code, LPARAM lParam, std::uint16_t low = 0);
// SendMessage of a whole message record (broadcasts), marked as the
// library's own.
LRESULT SendSkinMessage(HWND wnd, const classlib::TMessage& message);
LRESULT PerformSkinMessage(classlib::TControl* control, const classlib::TMessage& message);

// True when the message is the one the library is sending on this thread
// now. A receiver dereferences LParam or answers an address only then.
bool IsTrustedSkinCommand(const classlib::TMessage& message);

// The message record of a command.
classlib::TMessage SkinCommand(std::uint16_t code, LPARAM lParam = 0, std::uint16_t low = 0);

bool IsSkinCommand(const classlib::TMessage& message);

}  // namespace skin
