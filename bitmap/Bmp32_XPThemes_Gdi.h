#pragma once
// The process's visual-style handles: uxtheme is loaded at run time (older
// systems lack it), and a hidden window reopens the handles whenever the
// theme changes.
#include <windows.h>
#include <uxtheme.h>

#include <functional>

#include "classlib/core/Object.h"

namespace bmp32 {

// How the holder reaches uxtheme; tests hide or fake entry points here.
struct TThemeLibraryLoader {
  std::function<HMODULE(const wchar_t* name)> Load;
  std::function<FARPROC(HMODULE library, const char* name)> Resolve;
  std::function<void(HMODULE library)> Free;

  static TThemeLibraryLoader System();
};

struct TThemeEntryPoints {
  HTHEME(WINAPI* OpenThemeData)(HWND, LPCWSTR) = nullptr;
  HRESULT(WINAPI* CloseThemeData)(HTHEME) = nullptr;
  HRESULT(WINAPI* DrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*) = nullptr;
  HRESULT(WINAPI* DrawThemeEdge)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*) = nullptr;
  HRESULT(WINAPI* GetThemeColor)(HTHEME, int, int, int, COLORREF*) = nullptr;
  HRESULT(WINAPI* GetThemeMetric)(HTHEME, HDC, int, int, int, int*) = nullptr;
  HRESULT(WINAPI* GetThemeMargins)(HTHEME, HDC, int, int, int, RECT*, MARGINS*) = nullptr;
  HRESULT(WINAPI* SetWindowTheme)(HWND, LPCWSTR, LPCWSTR) = nullptr;
  BOOL(WINAPI* IsThemeActive)() = nullptr;
  BOOL(WINAPI* IsAppThemed)() = nullptr;
  HRESULT(WINAPI* EnableTheming)(BOOL) = nullptr;
};

class TThemeNexus : public classlib::TObject {
 public:
  explicit TThemeNexus(TThemeLibraryLoader loader = TThemeLibraryLoader::System());
  // Closes the handles, then releases the window.
  ~TThemeNexus() override;

  // Loads uxtheme once and opens the "SCROLLBAR" and "GLOBALS" handles when
  // the application is themed. Without the library or one of the entry
  // points it needs, themes stay off and every entry point nil.
  void Open();
  // Closes both handles and unloads uxtheme; every handle and entry point
  // is zero afterwards.
  void Close();

  HWND WindowHandle() const { return window_; }
  bool UseXPThemes() const { return useXPThemes_; }
  HTHEME ScrollbarTheme() const { return scrollbarTheme_; }
  HTHEME GlobalsTheme() const { return globalsTheme_; }
  HMODULE Library() const { return library_; }
  const TThemeEntryPoints& EntryPoints() const { return entryPoints_; }

 private:
  TThemeLibraryLoader loader_;
  HWND window_ = nullptr;
  HMODULE library_ = nullptr;
  TThemeEntryPoints entryPoints_;
  bool useXPThemes_ = false;
  HTHEME scrollbarTheme_ = nullptr;
  HTHEME globalsTheme_ = nullptr;
};

// The one holder of the process, made at start-up when this unit is linked.
TThemeNexus& ThemeNexus();

}  // namespace bmp32
