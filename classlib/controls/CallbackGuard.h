#pragma once
// No exception may unwind through a Win32 callback: window procedures, hooks
// and timer callbacks catch everything and hand it to the application.
namespace classlib {

class TObject;

// Passes the exception being handled to Application->HandleException.
// Call only inside a catch block.
void HandleCallbackException(TObject* sender = nullptr) noexcept;

}  // namespace classlib
