#include "classlib/controls/WindowSubclass.h"

#include <commctrl.h>

#include "classlib/controls/CallbackGuard.h"

namespace classlib {

TWindowSubclass::TWindowSubclass(HWND window, TWndMethod method) : method_(std::move(method)) {
  if (window && SetWindowSubclass(window, Procedure, reinterpret_cast<UINT_PTR>(this), 0)) window_ = window;
}

TWindowSubclass::~TWindowSubclass() {
  if (window_) RemoveWindowSubclass(window_, Procedure, reinterpret_cast<UINT_PTR>(this));
}

void TWindowSubclass::CallDefault(TMessage& m) {
  if (window_) m.Result = DefSubclassProc(window_, m.Msg, m.WParam, m.LParam);
}

LRESULT CALLBACK TWindowSubclass::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR /*data*/) {
  auto* self = reinterpret_cast<TWindowSubclass*>(id);
  TMessage m{msg, wParam, lParam, 0};
  try {
    TWndMethod method = self->method_;
    method(m);
  } catch (...) {
    HandleCallbackException();
  }
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(window, Procedure, id);
    self->window_ = nullptr;
  }
  return m.Result;
}

}  // namespace classlib
