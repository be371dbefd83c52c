#pragma once
// Adapters on real windows over the marker skin (one flat colour per
// section and mask frame): a manager holding it as the default one, and a
// visible host window to put the adapted windows in.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "classlib/controls/Application.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Utf8.h"
#include "skin/adapters/ScrollWnd.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/manager/sSkinManager.h"
#include "tools/skingen/MarkerSkin.h"

namespace skin_test {

using skin::TsSkinManager;

// A marker colour (0xRRGGBB) as GetPixel reads it.
inline COLORREF Marker(unsigned rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
inline const skingen::marker::TMarkerSection& MarkerSection(const char* name) {
  for (const auto& s : skingen::marker::kSections)
    if (std::string(s.name) == name) return s;
  throw std::runtime_error(name);
}

// A memory DC over a screen-compatible bitmap, for printing windows into.
class MemoryDC {
 public:
  MemoryDC(int width, int height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bmp_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bmp_);
  }
  ~MemoryDC() {
    SelectObject(dc_, old_);
    DeleteObject(bmp_);
    DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bmp_;
  HGDIOBJ old_;
};

inline void RegisterTestClass(const wchar_t* name, WNDPROC proc) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  RegisterClassW(&wc);
}

// The centre of the vertical bar's top arrow (where its glyph lies), in
// window coordinates.
inline POINT TopArrowInWindow(const skin::adapters::TacScrollWnd* adapter, HWND wnd) {
  RECT v, wr;
  skin::adapters::VertScrollBarRect(adapter, wnd, v);
  GetWindowRect(wnd, &wr);
  const int arrow = skin::adapters::GetScrollBarSize(adapter->VertBar.get(), false, true);
  return POINT{v.left - wr.left + arrow / 2, v.top - wr.top + arrow / 2};
}

class AdapterFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::RegisterSkinControlsClasses();
    classlib::Application->Initialize();
    saved_ = skin::SkinManagerPlatform();
    skin::SkinManagerPlatform().ShowError = [this](const std::wstring& text) { errors_.push_back(text); };
    classlib::SetProgramFolderSource(
        [] { return classlib::FromFsPath(std::filesystem::temp_directory_path()) + L"\\"; });
    manager_.reset(classlib::New<TsSkinManager>(nullptr));
    std::ifstream in(SkinFile(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_FALSE(bytes.empty());
    skin::TsStoredSkin* item = manager_->InternalSkins()->Add();
    item->SetName(L"Test");
    item->Data().WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    manager_->SetSkinName(L"Test");
    ASSERT_TRUE(errors_.empty()) << classlib::WideToUtf8(errors_.front());
    ASSERT_NE(manager_->Skin(), nullptr);
    ASSERT_TRUE(manager_->IsDefault());
    platform_ = skin::adapters::ScrollPlatform();
    host_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_WHITERECT, 50, 50, 400, 300, nullptr,
                            nullptr, nullptr, nullptr);
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override {
    if (host_) DestroyWindow(host_);
    skin::adapters::ScrollPlatform() = platform_;
    manager_.reset();
    classlib::SetProgramFolderSource(nullptr);
    skin::SkinManagerPlatform() = saved_;
  }

  // The packed skin the manager holds: the marker skin unless a test needs
  // the program's own.
  virtual const char* SkinFile() const { return TESSARILO_MARKER_SKIN_FILE; }

  HWND Child(const wchar_t* cls, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0) {
    HWND wnd = CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, host_, nullptr,
                               nullptr, nullptr);
    EXPECT_NE(wnd, nullptr);
    return wnd;
  }
  HWND ListBox(int items, DWORD style = WS_VSCROLL | WS_BORDER, int w = 150, int h = 120, DWORD exStyle = 0) {
    HWND list = Child(L"LISTBOX", style | LBS_NOINTEGRALHEIGHT, 10, 10, w, h, exStyle);
    for (int i = 0; i < items; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Karta"));
    return list;
  }
  static COLORREF WindowPixel(HWND wnd, int x, int y) {
    HDC dc = GetWindowDC(wnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(wnd, dc);
    return c;
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

  std::unique_ptr<TsSkinManager> manager_;
  skin::TsSkinManagerPlatform saved_;
  skin::adapters::TScrollPlatform platform_;
  std::vector<std::wstring> errors_;
  HWND host_ = nullptr;
};

}  // namespace skin_test
