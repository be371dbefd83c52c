#pragma once
// Skinned controls over the program's own packed skin, as the main window
// shows them: the skin loaded into the default manager, a form to put
// controls on, the colours the skin generator paints with (its palette),
// sample points inside a control's face away from a centred caption, and
// pixels read from a control's cache bitmap and from its window.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Utf8.h"
#include "skin/common/sCommonData.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/manager/SkinManagerPlatform.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "tools/skingen/SkinPalette.h"

namespace skin_test {

namespace palette = skingen::palette;

// A palette value (0xRRGGBB) as a colour (0x00BBGGRR).
constexpr classlib::TColor PaletteColour(unsigned rgb) {
  return static_cast<classlib::TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

// The largest difference of one channel between two colours.
inline int ChannelDistance(classlib::TColor a, classlib::TColor b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8)
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  return worst;
}

// Each channel of C lies between those of A and B (give or take Slack),
// and C is neither of them.
inline bool StrictlyBetween(classlib::TColor c, classlib::TColor a, classlib::TColor b, int slack = 2) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int v = (c >> shift) & 0xFF, x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    if (v < std::min(x, y) - slack || v > std::max(x, y) + slack) return false;
  }
  return ChannelDistance(c, a) > 0 && ChannelDistance(c, b) > 0;
}

// Prints colours as 0xBBGGRR in failure messages.
inline std::string ColourText(classlib::TColor c) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(c) & 0xFFFFFF);
  return text;
}

#define EXPECT_COLOUR_NEAR(actual, expected, tolerance)                                                       \
  EXPECT_LE(::skin_test::ChannelDistance((actual), (expected)), (tolerance))                                 \
      << "actual " << ::skin_test::ColourText(actual) << ", expected " << ::skin_test::ColourText(expected)

class SkinnedControlFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::RegisterSkinControlsClasses();
    classlib::Application->Initialize();
    saved_ = skin::SkinManagerPlatform();
    skin::SkinManagerPlatform().ShowError = [this](const std::wstring& text) { errors_.push_back(text); };
    skin::SkinManagerPlatform().HookMainWindow = [](skin::TsMainWindowHook) { return 1; };
    skin::SkinManagerPlatform().UnhookMainWindow = [](int) {};
    // The skin comes from the stored data alone; the program folder only has to be known.
    classlib::SetProgramFolderSource(
        [] { return classlib::FromFsPath(std::filesystem::temp_directory_path()) + L"\\"; });
    manager_.reset(classlib::New<skin::TsSkinManager>(nullptr));
    ASSERT_TRUE(manager_->IsDefault());
    std::ifstream in(TESSARILO_INTERNAL_SKIN_FILE, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_FALSE(bytes.empty()) << TESSARILO_INTERNAL_SKIN_FILE;
    skin::TsStoredSkin* item = manager_->InternalSkins()->Add();
    item->SetName(L"Tessarilo");
    item->Data().WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    manager_->SetSkinName(L"Tessarilo");
    ASSERT_TRUE(errors_.empty()) << classlib::WideToUtf8(errors_.front());
    ASSERT_NE(manager_->Skin(), nullptr);
    ASSERT_TRUE(manager_->SkinData().Active);

    form_.reset(classlib::New<classlib::TForm>(classlib::Application));
    form_->SetBounds(100, 100, 480, 320);
    form_->HandleNeeded();
  }
  void TearDown() override {
    form_.reset();
    manager_.reset();
    classlib::SetProgramFolderSource(nullptr);
    skin::SkinManagerPlatform() = saved_;
  }

  // A control of the form (or of Parent) at the given place.
  template <class T>
  T* Add(classlib::TWinControl* parent = nullptr, int left = 10, int top = 10, int width = 120, int height = 32) {
    T* control = classlib::New<T>(form_.get());
    control->SetBounds(left, top, width, height);
    control->SetParent(parent ? parent : form_.get());
    return control;
  }

  // Shows the form, so its controls paint on their windows.
  void ShowForm() {
    form_->Show();
    UpdateWindow(form_->Handle());
  }

  const skin::TsGeneralData& Section(const wchar_t* name) const {
    const int index = manager_->GetSkinIndex(name);
    EXPECT_GE(index, 0) << classlib::WideToUtf8(name);
    return manager_->Skin()->Sections[static_cast<std::size_t>(std::max(index, 0))];
  }

  // A point inside the face of a control, clear of its border mask and left
  // of a centred caption: (border + 2, middle height). Without a mask, 4
  // pixels from the left.
  static classlib::TPoint InnerPoint(const classlib::TControl* control, const skin::TsCommonData* skinData) {
    const skin::TsMaskData* mask = skinData ? skinData->BorderMask() : nullptr;
    const int left = mask ? mask->WL : 2;
    return classlib::TPoint{left + 2, control->Height() / 2};
  }

  // The cache bitmap's pixel as a colour (alpha dropped).
  static classlib::TColor CachePixel(const skin::TsCommonData* skinData, classlib::TPoint p) {
    const std::uint32_t argb = skin::paint::GetBmpPixel32(skinData->CacheBmp(), p.X, p.Y);
    return PaletteColour(argb & 0xFFFFFF);
  }
  // The cache bitmap's alpha at P.
  static int CacheAlpha(const skin::TsCommonData* skinData, classlib::TPoint p) {
    return static_cast<int>(skin::paint::GetBmpPixel32(skinData->CacheBmp(), p.X, p.Y) >> 24);
  }

  // The pixel the window shows at P (client coordinates) once every pending
  // paint has run. The form must be shown.
  static classlib::TColor WindowPixel(classlib::TWinControl* control, classlib::TPoint p) {
    RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(control->Handle());
    const COLORREF c = GetPixel(dc, p.X, p.Y);
    ReleaseDC(control->Handle(), dc);
    return static_cast<classlib::TColor>(c);
  }

  // The control painted off-screen through PaintTo (as the screenshot does)
  // into a 32-bit bitmap of its size; the colour at P.
  static classlib::TColor PaintedToPixel(classlib::TWinControl* control, classlib::TPoint p) {
    const int w = control->Width(), h = control->Height();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    control->PaintTo(dc, 0, 0);
    GdiFlush();
    const std::uint32_t argb = static_cast<const std::uint32_t*>(bits)[p.Y * w + p.X];
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return PaletteColour(argb & 0xFFFFFF);
  }

  // Mouse messages to a control, at client point P.
  static void Mouse(classlib::TWinControl* control, UINT msg, classlib::TPoint p, WPARAM keys = 0) {
    SendMessageW(control->Handle(), msg, keys, MAKELPARAM(p.X, p.Y));
  }

  std::unique_ptr<skin::TsSkinManager> manager_;
  std::unique_ptr<classlib::TForm> form_;
  skin::TsSkinManagerPlatform saved_;
  std::vector<std::wstring> errors_;
};

}  // namespace skin_test
