#pragma once
// The window procedure an adapter puts on a window of a foreign class. The
// window's old procedure is kept here, not in the adapter: whoever
// subclasses the window after us keeps a pointer to our procedure, so it
// must keep forwarding (to the adapter while there is one, else straight to
// the old procedure) until the window is gone. Only a thunk that is still
// the window's procedure is taken off; otherwise it stays in the chain
// until WM_NCDESTROY.
#include <windows.h>

#include <functional>

#include "classlib/controls/Messages.h"

namespace skin::adapters {

class TWindowThunk {
 public:
  // The target gets every message while it is set; it passes on what it
  // does not consume with CallOld.
  using TTarget = std::function<void(classlib::TMessage&)>;

  // Puts a new thunk in front of the window's procedure; null when the
  // window is not a window.
  static TWindowThunk* Install(HWND wnd, TTarget target);

  HWND Window() const { return wnd_; }
  WNDPROC OldProc() const { return oldProc_; }
  WNDPROC Procedure() const { return proc_; }
  // True while the window's procedure is this thunk.
  bool IsCurrent() const;
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const;

  // Takes the thunk off the window when it is still the window's procedure
  // and frees it (at once, or when the messages in progress return): true.
  // False when another party subclassed the window since; the thunk then
  // stays in place with its target.
  bool Remove();
  // The target goes away: from now on every message goes to the old
  // procedure. The thunk comes off the window when it can; otherwise it
  // frees itself after WM_NCDESTROY. The pointer is not to be used again.
  void Release();

  // Thunks alive now (tests check that none leak).
  static int LiveCount();

 private:
  TWindowThunk(HWND wnd, TTarget target);
  ~TWindowThunk();
  static LRESULT CALLBACK Dispatch(TWindowThunk* self, UINT msg, WPARAM wParam, LPARAM lParam);
  void FreeWhenIdle();

  HWND wnd_;
  WNDPROC oldProc_ = nullptr;
  WNDPROC proc_ = nullptr;  // the executable stub that calls Dispatch with this
  TTarget target_;
  int depth_ = 0;           // messages in progress
  bool removed_ = false;    // off the window: no more messages arrive
  bool released_ = false;   // the target is gone
  bool windowGone_ = false; // WM_NCDESTROY has passed
};

}  // namespace skin::adapters
