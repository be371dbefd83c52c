#pragma once
// Binds a closure to any window (one of ours or a foreign one) ahead of its
// current procedure. Several subclasses of one window chain: the newest runs
// first and CallDefault passes a message on to the one installed before it.
// The binding ends when the object is freed or the window is destroyed.
#include <windows.h>

#include "classlib/controls/Messages.h"

namespace classlib {

class TWindowSubclass {
 public:
  TWindowSubclass(HWND window, TWndMethod method);
  ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  HWND Handle() const { return window_; }
  bool Attached() const { return window_ != nullptr; }
  // Gives the message to the procedure that ran before this subclass.
  void CallDefault(TMessage& message);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR data);
  HWND window_ = nullptr;
  TWndMethod method_;
};

}  // namespace classlib
