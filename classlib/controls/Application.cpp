#include "classlib/controls/Application.h"

#include <algorithm>

#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/FormatSettings.h"
#include "classlib/core/ResourceStream.h"
#include "classlib/core/Utf8.h"
#include "classlib/controls/CallbackGuard.h"
#include "classlib/controls/ControlsRegistration.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/UtilWindow.h"
#include "classlib/menus/Menus.h"
#include "classlib/menus/MessageBox.h"

namespace classlib {

namespace {

std::unique_ptr<TStream> OpenRcDataResource(const std::wstring& name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));
  if (!info) return nullptr;
  HGLOBAL loaded = LoadResource(module, info);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return nullptr;
  auto stream = std::make_unique<TMemoryStream>();
  stream->WriteBuffer(data, SizeofResource(module, info));
  stream->SetPosition(0);
  return stream;
}

std::wstring ModuleFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return ExtractFilePath(path);
}

std::wstring DescribeCurrentException(bool& abort) {
  abort = false;
  try {
    throw;
  } catch (const EAbort&) {
    abort = true;
    return L"";
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return Utf8ToWide(e.what());
  } catch (...) {
    return L"Unknown exception";
  }
}

}  // namespace

void HandleCallbackException(TObject* sender) noexcept {
  try {
    Application->HandleException(sender);
  } catch (...) {
    // The handler itself failed: nothing may leave a callback.
  }
}

TApplication* TApplicationRef::Get() {
  static TApplication* application = new TApplication(nullptr);
  return application;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
  DestroyComponents();
  DeallocateHWnd(handle_);
}

void TApplication::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  SetResourceOpener(OpenRcDataResource);
  SetProgramFolderSource(ModuleFolder);
  wchar_t separator[4] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) > 0 && separator[0])
    SetDecimalSeparator(separator[0]);
  // Menu events fail inside the menu layer's own catch block.
  SetMenuExceptionHandler([](const std::exception&) { HandleCallbackException(); });
  RegisterControlsClasses();
}

void TApplication::SetTitle(const std::wstring& value) {
  title_ = value;
  SetMessageBoxTitle(value);
  if (handle_) SetWindowTextW(handle_, value.c_str());
}

HWND TApplication::Handle() {
  if (!handle_) {
    handle_ = AllocateHWnd([this](TMessage& m) { WndProc(m); });
    SetWindowTextW(handle_, title_.c_str());
  }
  return handle_;
}

void TApplication::WndProc(TMessage& m) {
  for (auto& [id, hook] : std::vector<std::pair<int, TWindowHook>>(hooks_))
    if (hook(m)) return;
  switch (m.Msg) {
    case WM_CLOSE:
      if (mainForm_) mainForm_->Close();
      return;
    case CM_ACTIVATE:
      active_ = true;
      if (OnActivate) OnActivate(this);
      return;
    case CM_DEACTIVATE:
      active_ = false;
      if (OnDeactivate) OnDeactivate(this);
      return;
    default:
      m.Result = DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
  }
}

int TApplication::HookMainWindow(TWindowHook hook) {
  const int id = nextHookId_++;
  hooks_.emplace_back(id, std::move(hook));
  return id;
}

void TApplication::UnhookMainWindow(int id) {
  std::erase_if(hooks_, [id](const auto& h) { return h.first == id; });
}

bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  TWinControl* control = FindControl(msg.hwnd);
  // The inner edit of a combo box is not ours: its parent speaks for it.
  if (!control && msg.hwnd) control = FindControl(GetParent(msg.hwnd));
  if (!control) return false;
  TMessage m{CN_BASE + msg.message, msg.wParam, msg.lParam, 0};
  TWndMethod proc = control->WindowProc();
  proc(m);
  msg.wParam = m.WParam;
  return m.Result != 0;
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  try {
    if (IsKeyMsg(msg)) return true;
  } catch (...) {
    HandleException(this);
    return true;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) WaitMessage();
}

void TApplication::Run() {
  Initialize();
  if (mainForm_ && showMainForm_) {
    try {
      mainForm_->Show();
    } catch (...) {
      HandleException(mainForm_);
    }
  }
  while (!terminated_) HandleMessage();
  DestroyComponents();
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::HandleException(TObject* sender) {
  bool abort = false;
  const std::wstring message = DescribeCurrentException(abort);
  if (abort) return;
  const Exception wrapped(message);
  const Exception* e = &wrapped;
  try {
    throw;
  } catch (const Exception& original) {
    e = &original;
  } catch (...) {
  }
  if (OnException) OnException(sender, *e);
  else ShowException(*e);
}

void TApplication::ShowException(const Exception& e) {
  ShowMessageBox(e.Message(), title_, MB_OK | MB_ICONSTOP);
}

int TApplication::ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
  return ::classlib::ShowMessageBox(text, caption.empty() ? title_ : caption, flags);
}

void TApplication::Minimize() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}

}  // namespace classlib
