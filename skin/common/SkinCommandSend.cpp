#include "skin/common/SkinCommandSend.h"

#include <vector>

#include "classlib/controls/WinControl.h"

namespace skin {

using namespace classlib;

namespace {

// The sends in flight on this thread, innermost last. A nested send (also
// one made inside a handler of a message from another process) pushes its
// own entry, so the receiver always compares against the message it gets.
struct SendInFlight {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};
thread_local std::vector<SendInFlight> sendsInFlight;

class SendScope {
 public:
  explicit SendScope(const TMessage& message) { sendsInFlight.push_back({message.Msg, message.WParam, message.LParam}); }
  ~SendScope() { sendsInFlight.pop_back(); }
  SendScope(const SendScope&) = delete;
  SendScope& operator=(const SendScope&) = delete;
};

bool WindowOfThisProcess(HWND wnd) {
  if (!wnd || !IsWindow(wnd)) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(wnd, &process);
  return process == GetCurrentProcessId();
}

}  // namespace

TMessage SkinCommand(std::uint16_t code, LPARAM lParam, std::uint16_t low) {
  TMessage message;
  message.Msg = SkinCommandMessage;
  message.WParam = static_cast<WPARAM>(SkinCommandWParam(code, low));
  message.LParam = lParam;
  return message;
}

bool IsSkinCommand(const TMessage& message) { return message.Msg == SkinCommandMessage; }

LRESULT SendSkinMessage(HWND wnd, const TMessage& message) {
  if (!WindowOfThisProcess(wnd)) return 0;
  SendScope scope(message);
  return SendMessageW(wnd, message.Msg, message.WParam, message.LParam);
}

LRESULT PerformSkinMessage(TControl* control, const TMessage& message) {
  if (!control) return 0;
  SendScope scope(message);
  return control->Perform(message.Msg, message.WParam, message.LParam);
}

LRESULT SendSkinCommandToWnd(HWND wnd, std::uint16_t code, LPARAM lParam, std::uint16_t low) {
  return SendSkinMessage(wnd, SkinCommand(code, lParam, low));
}

LRESULT PerformSkinCommand(TControl* control, std::uint16_t code, LPARAM lParam, std::uint16_t low) {
  return PerformSkinMessage(control, SkinCommand(code, lParam, low));
}

LRESULT SendSkinCommand(TControl* control, std::uint16_t code, LPARAM lParam, std::uint16_t low) {
  if (!control) return 0;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return PerformSkinCommand(control, code, lParam, low);
  if (windowed->ComponentState().Contains(csDestroying) || !windowed->HandleAllocated()) return 0;
  return SendSkinCommandToWnd(windowed->Handle(), code, lParam, low);
}

bool SendBoolSkinCommand(HWND wnd, std::uint16_t code) { return SendSkinCommandToWnd(wnd, code, 0) == 1; }

bool IsTrustedSkinCommand(const TMessage& message) {
  if (sendsInFlight.empty()) return false;
  const SendInFlight& last = sendsInFlight.back();
  return last.Msg == message.Msg && last.WParam == message.WParam && last.LParam == message.LParam;
}

}  // namespace skin
