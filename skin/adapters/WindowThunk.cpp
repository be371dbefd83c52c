#include "skin/adapters/WindowThunk.h"

#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

#include "classlib/controls/CallbackGuard.h"

namespace skin::adapters {

namespace {

// Executable stubs of 32 bytes, carved out of pages that are never given
// back (a freed stub may still be called by a procedure that kept it until
// its window dies, so stubs are only reused).
//   mov rcx, <thunk>; mov rax, <Dispatch>; jmp rax
constexpr std::size_t kStubSize = 32;
std::mutex stubLock;
std::vector<void*> freeStubs;
int liveThunks = 0;

void* NewStub() {
  std::lock_guard<std::mutex> guard(stubLock);
  if (freeStubs.empty()) {
    constexpr std::size_t page = 4096;
    auto* block = static_cast<std::uint8_t*>(
        VirtualAlloc(nullptr, page, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
    if (!block) return nullptr;
    for (std::size_t offset = 0; offset + kStubSize <= page; offset += kStubSize) freeStubs.push_back(block + offset);
  }
  void* stub = freeStubs.back();
  freeStubs.pop_back();
  return stub;
}

void FreeStub(void* stub) {
  std::lock_guard<std::mutex> guard(stubLock);
  freeStubs.push_back(stub);
}

void WriteStub(void* stub, const void* self, const void* target) {
  auto* code = static_cast<std::uint8_t*>(stub);
  std::uint8_t bytes[kStubSize] = {0x48, 0xB9};  // mov rcx, imm64
  std::memcpy(bytes + 2, &self, 8);
  bytes[10] = 0x48;  // mov rax, imm64
  bytes[11] = 0xB8;
  std::memcpy(bytes + 12, &target, 8);
  bytes[20] = 0xFF;  // jmp rax
  bytes[21] = 0xE0;
  std::memset(bytes + 22, 0xCC, kStubSize - 22);
  std::memcpy(code, bytes, kStubSize);
  FlushInstructionCache(GetCurrentProcess(), code, kStubSize);
}

}  // namespace

TWindowThunk::TWindowThunk(HWND wnd, TTarget target) : wnd_(wnd), target_(std::move(target)) { ++liveThunks; }

TWindowThunk::~TWindowThunk() {
  if (proc_) FreeStub(reinterpret_cast<void*>(proc_));
  --liveThunks;
}

int TWindowThunk::LiveCount() { return liveThunks; }

TWindowThunk* TWindowThunk::Install(HWND wnd, TTarget target) {
  if (!wnd || !IsWindow(wnd)) return nullptr;
  void* stub = NewStub();
  if (!stub) return nullptr;
  auto* self = new TWindowThunk(wnd, std::move(target));
  WriteStub(stub, self, reinterpret_cast<const void*>(&TWindowThunk::Dispatch));
  self->proc_ = reinterpret_cast<WNDPROC>(stub);
  self->oldProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->proc_)));
  return self;
}

bool TWindowThunk::IsCurrent() const {
  return !removed_ && !windowGone_ &&
         reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd_, GWLP_WNDPROC)) == proc_;
}

LRESULT TWindowThunk::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return oldProc_ ? CallWindowProcW(oldProc_, wnd_, msg, wParam, lParam) : DefWindowProcW(wnd_, msg, wParam, lParam);
}

bool TWindowThunk::Remove() {
  if (removed_) return true;
  if (windowGone_) {
    removed_ = true;
  } else {
    if (!IsCurrent()) return false;
    SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    removed_ = true;
  }
  released_ = true;
  target_ = nullptr;
  FreeWhenIdle();
  return true;
}

void TWindowThunk::Release() {
  released_ = true;
  target_ = nullptr;
  if (windowGone_ || IsCurrent()) {
    Remove();
    return;
  }
  FreeWhenIdle();
}

void TWindowThunk::FreeWhenIdle() {
  // Freed once nothing can call it any more: off the window, or after the
  // window's last message; and never under a message still in progress.
  if (depth_ == 0 && released_ && (removed_ || windowGone_)) delete this;
}

LRESULT CALLBACK TWindowThunk::Dispatch(TWindowThunk* self, UINT msg, WPARAM wParam, LPARAM lParam) {
  ++self->depth_;
  LRESULT result = 0;
  try {
    if (self->target_ && !self->released_) {
      classlib::TMessage m{msg, wParam, lParam, 0};
      TTarget target = self->target_;  // the target may release the thunk while it runs
      target(m);
      result = m.Result;
    } else {
      result = self->CallOld(msg, wParam, lParam);
    }
  } catch (...) {
    classlib::HandleCallbackException();
  }
  if (msg == WM_NCDESTROY) self->windowGone_ = true;
  --self->depth_;
  self->FreeWhenIdle();
  return result;
}

}  // namespace skin::adapters
