#include "bitmap/Bmp32_XPThemes_Gdi.h"

#include <memory>

#include "classlib/controls/UtilWindow.h"

namespace bmp32 {

namespace {

template <class Fn>
void ResolveInto(const TThemeLibraryLoader& loader, HMODULE library, const char* name, Fn*& target) {
  target = reinterpret_cast<Fn*>(reinterpret_cast<void*>(loader.Resolve(library, name)));
}

}  // namespace

TThemeLibraryLoader TThemeLibraryLoader::System() {
  return {[](const wchar_t* name) { return LoadLibraryW(name); },
          [](HMODULE library, const char* name) { return GetProcAddress(library, name); },
          [](HMODULE library) { FreeLibrary(library); }};
}

TThemeNexus::TThemeNexus(TThemeLibraryLoader loader) : loader_(std::move(loader)) {
  window_ = classlib::AllocateHWnd([this](classlib::TMessage& m) {
    if (m.Msg == WM_THEMECHANGED) {
      Close();
      Open();
    }
    m.Result = DefWindowProcW(window_, m.Msg, m.WParam, m.LParam);
  });
  Open();
}

TThemeNexus::~TThemeNexus() {
  Close();
  classlib::DeallocateHWnd(window_);
}

void TThemeNexus::Open() {
  useXPThemes_ = false;
  if (!library_) {
    library_ = loader_.Load(L"uxtheme.dll");
    if (!library_) return;
    TThemeEntryPoints& e = entryPoints_;
    ResolveInto(loader_, library_, "OpenThemeData", e.OpenThemeData);
    ResolveInto(loader_, library_, "CloseThemeData", e.CloseThemeData);
    ResolveInto(loader_, library_, "DrawThemeBackground", e.DrawThemeBackground);
    ResolveInto(loader_, library_, "DrawThemeEdge", e.DrawThemeEdge);
    ResolveInto(loader_, library_, "GetThemeColor", e.GetThemeColor);
    ResolveInto(loader_, library_, "GetThemeMetric", e.GetThemeMetric);
    ResolveInto(loader_, library_, "GetThemeMargins", e.GetThemeMargins);
    ResolveInto(loader_, library_, "SetWindowTheme", e.SetWindowTheme);
    ResolveInto(loader_, library_, "IsThemeActive", e.IsThemeActive);
    ResolveInto(loader_, library_, "IsAppThemed", e.IsAppThemed);
    ResolveInto(loader_, library_, "EnableTheming", e.EnableTheming);
    if (!e.OpenThemeData || !e.CloseThemeData || !e.IsThemeActive || !e.IsAppThemed || !e.EnableTheming) {
      loader_.Free(library_);
      library_ = nullptr;
      entryPoints_ = {};
      return;
    }
  }
  useXPThemes_ = entryPoints_.IsAppThemed() && entryPoints_.IsThemeActive();
  if (!useXPThemes_) return;
  scrollbarTheme_ = entryPoints_.OpenThemeData(window_, L"SCROLLBAR");
  globalsTheme_ = entryPoints_.OpenThemeData(window_, L"GLOBALS");
}

void TThemeNexus::Close() {
  // The handles are zeroed, so a second close or a failed reopen never
  // closes a stale handle.
  if (useXPThemes_ && entryPoints_.CloseThemeData) {
    if (scrollbarTheme_) entryPoints_.CloseThemeData(scrollbarTheme_);
    if (globalsTheme_) entryPoints_.CloseThemeData(globalsTheme_);
  }
  scrollbarTheme_ = nullptr;
  globalsTheme_ = nullptr;
  useXPThemes_ = false;
  if (library_) {
    loader_.Free(library_);
    library_ = nullptr;
  }
  entryPoints_ = {};
}

namespace {

std::unique_ptr<TThemeNexus> themeNexus = std::make_unique<TThemeNexus>();

}  // namespace

TThemeNexus& ThemeNexus() { return *themeNexus; }

}  // namespace bmp32
