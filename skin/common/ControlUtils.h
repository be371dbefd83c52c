#pragma once
// Small control utilities of the skinning library.
#include "classlib/controls/WinControl.h"

namespace skin {

// Tells the control's parent form that a child was created or shown
// (code 25); nothing while designing or loading, or without a parent form.
void NotifyParentForm(classlib::TWinControl* control);
// False for no control, a windowed one without a window, one being
// created, read, loaded or destroyed, and one without a parent.
bool ControlIsReady(const classlib::TControl* control);
// The component is on its way out (its destructor has begun).
inline bool Destroying(const classlib::TComponent* component) {
  return component->ComponentState().Contains(classlib::csDestroying);
}

// The component is being read from a form description or loaded.
inline bool IsLoading(const classlib::TComponent* component) {
  return component->ComponentState().Contains(classlib::csLoading) ||
         component->ComponentState().Contains(classlib::csReading);
}

// Set while an animation or a skin change runs: controls skip repainting
// and end-of-update notices are not sent.
bool AnimationRunning();
void SetAnimationRunning(bool value);

}  // namespace skin
