#pragma once
// Spreading one skin command over windows: to the children of a control or
// a window, to every form of the application, to the skinned forms. Each
// forwards the same message record (number, WParam, LParam).
#include <windows.h>

#include <vector>

#include "classlib/controls/Forms.h"
#include "classlib/controls/Messages.h"

namespace skin {

// Code 6 to each live, non-graphic child (windows only when showing).
// Nothing while an animation runs.
void SendEndUpdateToChildren(classlib::TWinControl* parent);
// Code 6 to each child window (WS_CHILD) of the window.
void SendEndUpdateToChildWnds(HWND wnd);
// To each child of the control: graphic children and those without a
// window through Perform; a skinned windowed child by SendMessage (its own
// procedure forwards further); an unskinned windowed child is passed over
// and its children served instead. Stops at a child being destroyed.
void BroadcastToControls(classlib::TWinControl* control, const classlib::TMessage& message);
// SendMessage to the direct child windows of the window.
void SendToChildWindows(HWND wnd, const classlib::TMessage& message);
// The application's forms, from the last created to the first: each one
// that is not a skinned form gets the message and its controls get it;
// then BroadcastToSkinnedForms. Every form is served once.
void BroadcastToForms(const classlib::TMessage& message);
// The forms with a skin provider, in list order, and their controls.
void BroadcastToSkinnedForms(const classlib::TMessage& message);

// The forms that have a skin provider; the provider adds and removes its form.
int AddSkinnedForm(classlib::TCustomForm* form);
void RemoveSkinnedForm(classlib::TCustomForm* form);
// A copy of the list, in list order (walks survive changes on the way).
std::vector<classlib::TCustomForm*> SkinnedFormList();
// Whether the form is in the list now.
bool IsSkinnedForm(const classlib::TCustomForm* form);

// Makes the skin managers' changes reach the windows through these
// broadcasts (codes 1 and 2, and repaints). Runs once.
void InstallSkinBroadcast();

}  // namespace skin
