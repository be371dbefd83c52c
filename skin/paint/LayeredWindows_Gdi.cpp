// OBM_CHECKBOXES is declared only with OEMRESOURCE.
#define OEMRESOURCE
#include "skin/paint/LayeredWindows_Gdi.h"

namespace skin::paint {

namespace {

struct TLayeredEntries {
  HMODULE module = LoadLibraryW(L"user32.dll");
  TUpdateLayeredWindow update = Entry<TUpdateLayeredWindow>("UpdateLayeredWindow");
  TSetLayeredWindowAttributes attributes = Entry<TSetLayeredWindowAttributes>("SetLayeredWindowAttributes");
  ~TLayeredEntries() {
    if (module) FreeLibrary(module);
  }
  // GetProcAddress gives a generic function pointer; the entry's own type is
  // known by its name.
  template <class F>
  F Entry(const char* name) const {
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
  }
};

const TLayeredEntries& Entries() {
  static const TLayeredEntries entries;
  return entries;
}

struct TCheckBoxSize {
  std::int32_t width = 0, height = 0;
  TCheckBoxSize() {
    const HBITMAP cells = LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECKBOXES));
    if (!cells) return;
    BITMAP info{};
    if (GetObjectW(cells, sizeof info, &info)) {
      width = info.bmWidth / 4;
      height = info.bmHeight / 3;
    }
    DeleteObject(cells);
  }
};

const TCheckBoxSize& CheckBox() {
  static const TCheckBoxSize size;
  return size;
}

}  // namespace

TUpdateLayeredWindow UpdateLayeredWindowEntry() { return Entries().update; }
TSetLayeredWindowAttributes SetLayeredWindowAttributesEntry() { return Entries().attributes; }
bool LayeredWindowsAvailable() { return Entries().update != nullptr; }

std::int32_t CheckBoxWidth() { return CheckBox().width; }
std::int32_t CheckBoxHeight() { return CheckBox().height; }

}  // namespace skin::paint
