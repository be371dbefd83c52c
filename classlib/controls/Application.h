#pragma once
// TApplication: the message loop, the hidden application window that owns
// the forms, the main form, hooks on the application window and the handler
// of exceptions that reach a window procedure.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/core/Exception.h"
#include "classlib/controls/Messages.h"

namespace classlib {

class TCustomForm;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
// A hook on the application window: true when it handled the message.
using TWindowHook = std::function<bool(TMessage& message)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Installs what the portable layers ask of the platform (the resource
  // opener, the program folder, the locale's decimal separator) and
  // registers the controls' classes. Runs once; forms call it too.
  void Initialize();

  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& value);
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // Creates a form owned by the application; the first becomes MainForm.
  template <class T>
  void CreateForm(T*& reference) {
    T* form = New<T>(this);
    reference = form;
    if (!mainForm_) {
      form->HandleNeeded();
      mainForm_ = form;
    }
  }
  TCustomForm* MainForm() const { return mainForm_; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool value) { showMainForm_ = value; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles every message waiting now.
  void ProcessMessages();
  // Handles one message, or waits for one when none is waiting.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Hooks see the application window's messages before it does; the id
  // returned unhooks.
  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int id);

  TExceptionEvent OnException;
  TNotifyEvent OnActivate, OnDeactivate;
  // Called from catch blocks: gives the current exception to OnException,
  // or shows its message (EAbort shows nothing).
  void HandleException(TObject* sender);
  void ShowException(const Exception& e);
  // A message box captioned with Title by default, through the message box
  // seam of classlib/menus/MessageBox.h (tests answer it there).
  int ShowMessageBox(const std::wstring& text, const std::wstring& caption = L"", UINT flags = MB_OK);

  void Minimize();
  void Restore();
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  bool Active() const { return active_; }

  // Used by forms.
  void FormDestroyed(TCustomForm* form);

 private:
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  void WndProc(TMessage& message);

  std::wstring title_;
  HWND handle_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  bool initialized_ = false;
  bool showHint_ = true;
  bool active_ = false;
  int nextHookId_ = 1;
  std::vector<std::pair<int, TWindowHook>> hooks_;
};

// The process's application object, made on first use: Application->Run().
struct TApplicationRef {
  TApplication* operator->() const { return Get(); }
  operator TApplication*() const { return Get(); }
  static TApplication* Get();
};
inline constexpr TApplicationRef Application{};

}  // namespace classlib
