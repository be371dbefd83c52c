#pragma once
// The three passes over the skinned forms around a skin change: a picture
// of each form before the new skin loads, drawing frozen before the
// new-skin broadcast, and thawed (with the change animation) after it.
// None touches a form while the main window is minimised.
namespace skin {

class TsSkinManager;

void SnapshotSkinnedForms(TsSkinManager& manager);
void LockSkinnedForms(TsSkinManager& manager);
void UnlockSkinnedForms(TsSkinManager& manager, bool animated);
// After a snapshot that no new skin followed (the load failed): the
// pictures and change flags go and the animation flag is cleared.
void DropSkinnedFormSnapshots(TsSkinManager& manager);

}  // namespace skin
