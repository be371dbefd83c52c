#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "bitmap/Bmp32_XPThemes_Gdi.h"

namespace bmp32 {
namespace {

// The fake uxtheme's state: plain functions cannot carry closures.
struct FakeThemes {
  int nextHandle = 0;
  std::vector<std::wstring> openedClasses;
  std::vector<HWND> openedOn;
  std::vector<std::intptr_t> closed;
};
FakeThemes fake;

HTHEME WINAPI FakeOpenThemeData(HWND window, LPCWSTR classList) {
  fake.openedClasses.push_back(classList);
  fake.openedOn.push_back(window);
  return reinterpret_cast<HTHEME>(static_cast<std::intptr_t>(++fake.nextHandle));
}
HRESULT WINAPI FakeCloseThemeData(HTHEME theme) {
  fake.closed.push_back(reinterpret_cast<std::intptr_t>(theme));
  return S_OK;
}
BOOL WINAPI Yes() { return TRUE; }

template <class Fn>
FARPROC AsProc(Fn* fn) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(fn));
}

struct LoaderLog {
  int loads = 0;
  int frees = 0;
};

// The system's uxtheme with the theme switches on and the handles faked;
// `hidden` names an entry point the library seems to lack.
TThemeLibraryLoader FakeLoader(LoaderLog& log, std::string hidden = {}, bool libraryMissing = false) {
  TThemeLibraryLoader system = TThemeLibraryLoader::System();
  return {[&log, system, libraryMissing](const wchar_t* name) -> HMODULE {
            ++log.loads;
            return libraryMissing ? nullptr : system.Load(name);
          },
          [system, hidden](HMODULE library, const char* name) -> FARPROC {
            if (name == hidden) return nullptr;
            const std::string n = name;
            if (n == "OpenThemeData") return AsProc(&FakeOpenThemeData);
            if (n == "CloseThemeData") return AsProc(&FakeCloseThemeData);
            if (n == "IsThemeActive" || n == "IsAppThemed") return AsProc(&Yes);
            return system.Resolve(library, name);
          },
          [&log, system](HMODULE library) {
            ++log.frees;
            system.Free(library);
          }};
}

bool AllEntryPointsNil(const TThemeEntryPoints& e) {
  const TThemeEntryPoints none;
  return std::memcmp(&e, &none, sizeof e) == 0;
}

HTHEME Handle(std::intptr_t n) { return reinterpret_cast<HTHEME>(n); }

class ThemeNexusTest : public ::testing::Test {
 protected:
  void SetUp() override { fake = FakeThemes{}; }
};

TEST_F(ThemeNexusTest, OpensBothHandlesOnItsWindowAndReopensOnThemeChange) {
  LoaderLog log;
  {
    TThemeNexus nexus(FakeLoader(log));
    ASSERT_TRUE(IsWindow(nexus.WindowHandle()));
    EXPECT_TRUE(nexus.UseXPThemes());
    EXPECT_EQ(nexus.ScrollbarTheme(), Handle(1));
    EXPECT_EQ(nexus.GlobalsTheme(), Handle(2));
    EXPECT_EQ(fake.openedClasses, (std::vector<std::wstring>{L"SCROLLBAR", L"GLOBALS"}));
    EXPECT_EQ(fake.openedOn, (std::vector<HWND>{nexus.WindowHandle(), nexus.WindowHandle()}));
    EXPECT_NE(nexus.EntryPoints().DrawThemeBackground, nullptr);  // the system's own

    SendMessageW(nexus.WindowHandle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(fake.closed, (std::vector<std::intptr_t>{1, 2}));
    EXPECT_EQ(nexus.ScrollbarTheme(), Handle(3));
    EXPECT_EQ(nexus.GlobalsTheme(), Handle(4));
    EXPECT_EQ(log.loads, 2);
    EXPECT_EQ(log.frees, 1);

    nexus.Close();
    EXPECT_EQ(fake.closed, (std::vector<std::intptr_t>{1, 2, 3, 4}));
    EXPECT_EQ(nexus.ScrollbarTheme(), nullptr);
    EXPECT_EQ(nexus.GlobalsTheme(), nullptr);
    EXPECT_FALSE(nexus.UseXPThemes());
    EXPECT_EQ(nexus.Library(), nullptr);
    EXPECT_TRUE(AllEntryPointsNil(nexus.EntryPoints()));
    nexus.Close();  // nothing is closed twice
  }
  EXPECT_EQ(fake.closed.size(), 4u);
  EXPECT_EQ(log.frees, 2);
}

TEST_F(ThemeNexusTest, MissingRequiredEntryPointLeavesThemesOff) {
  for (const char* hidden : {"OpenThemeData", "CloseThemeData", "IsThemeActive", "IsAppThemed", "EnableTheming"}) {
    fake = FakeThemes{};
    LoaderLog log;
    TThemeNexus nexus(FakeLoader(log, hidden));
    EXPECT_FALSE(nexus.UseXPThemes()) << hidden;
    EXPECT_EQ(nexus.Library(), nullptr) << hidden;
    EXPECT_EQ(log.frees, 1) << hidden;
    EXPECT_TRUE(AllEntryPointsNil(nexus.EntryPoints())) << hidden;
    EXPECT_EQ(nexus.ScrollbarTheme(), nullptr) << hidden;
    EXPECT_EQ(nexus.GlobalsTheme(), nullptr) << hidden;
    EXPECT_TRUE(fake.openedClasses.empty()) << hidden;
  }
  // An optional one may be missing.
  LoaderLog log;
  TThemeNexus nexus(FakeLoader(log, "DrawThemeEdge"));
  EXPECT_TRUE(nexus.UseXPThemes());
  EXPECT_EQ(nexus.EntryPoints().DrawThemeEdge, nullptr);
  EXPECT_NE(nexus.ScrollbarTheme(), nullptr);
}

TEST_F(ThemeNexusTest, NoLibraryNoThemes) {
  LoaderLog log;
  TThemeNexus nexus(FakeLoader(log, {}, true));
  EXPECT_EQ(log.loads, 1);
  EXPECT_FALSE(nexus.UseXPThemes());
  EXPECT_TRUE(AllEntryPointsNil(nexus.EntryPoints()));
  EXPECT_EQ(nexus.ScrollbarTheme(), nullptr);
}

// The process's own holder, on the system's uxtheme.
TEST_F(ThemeNexusTest, ProcessHolderFollowsTheSystem) {
  TThemeNexus& nexus = ThemeNexus();
  ASSERT_TRUE(IsWindow(nexus.WindowHandle()));
  const auto consistent = [&] {
    if (!nexus.UseXPThemes()) {
      EXPECT_EQ(nexus.ScrollbarTheme(), nullptr);
      EXPECT_EQ(nexus.GlobalsTheme(), nullptr);
      return;
    }
    EXPECT_NE(nexus.Library(), nullptr);
    EXPECT_NE(nexus.ScrollbarTheme(), nullptr);  // Wine 8 has visual styles on
    EXPECT_NE(nexus.GlobalsTheme(), nullptr);
  };
  consistent();
  const bool themed = nexus.UseXPThemes();
  SendMessageW(nexus.WindowHandle(), WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(nexus.UseXPThemes(), themed);
  consistent();
}

}  // namespace
}  // namespace bmp32
