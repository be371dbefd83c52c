#pragma once
// What the windows do when a skin manager's skin comes, goes or must be
// repainted: the broadcasts of the skin command, the freeze and thaw of
// the skinned forms around them and the window-creation hook.
namespace skin {

class TsSkinManager;

// Glows closed, the forms frozen (repaint), code 1 to every form, the hook
// installed for the default manager.
void SendNewSkinToWindows(TsSkinManager& manager, bool repaint);
// Glows closed, the hook removed, code 2 to every form.
void SendRemoveSkinToWindows(TsSkinManager& manager);
// Code 16 and code 3 to every form (animate: frozen and thawed with the
// change animation), then the animation's cover window and the adapted
// dialogs.
void RepaintSkinnedForms(TsSkinManager& manager, bool animate);

}  // namespace skin
