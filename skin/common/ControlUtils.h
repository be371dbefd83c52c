#pragma once
// Small control utilities of the skinning library.
#include <windows.h>

#include <string>

#include "classlib/controls/Forms.h"
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

// The cursor's screen position.
void acGetCursorPos(classlib::TPoint& p);
// The first form on the owner chain, starting with the component itself.
classlib::TCustomForm* GetOwnerForm(classlib::TComponent* component);
// The owner chain's first container of the library's own kind; this
// program has none, so always null.
classlib::TComponent* GetOwnerContainer(classlib::TComponent* component);
// DrawText flags for the alignment, turned for right-to-left controls,
// with vertical centring and tab expansion.
UINT GetStringFlags(const classlib::TControl* control, classlib::TAlignment alignment);
// The client rectangle in window coordinates.
void GetClientRectInWindow(HWND wnd, RECT& r);
// The heights (top, bottom) or widths (left, right) of the visible children
// aligned so; graphic children only with WithGraphic; 0 for other aligns.
int SumAlignedChildren(const classlib::TWinControl* parent, classlib::TAlign align, bool withGraphic);
// The topmost ancestor by GetParent; the window itself without one.
HWND GetTopParentWnd(HWND wnd);
bool acDirExists(const std::wstring& name);

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
