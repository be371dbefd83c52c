#pragma once
// A form with a skin provider over a small skin the test makes: a FORM
// frame whose corners are rounded by key-colour pixels, a green title, red,
// blue and yellow caption-button glyphs and a size grip.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/skin/core/SkinTestImages.h"
#include "tests/skin/manager/SkinManagerFixture.h"

namespace skin_test {

// Colours as pixels (0x00RRGGBB) and as the skin file writes them (0x00BBGGRR).
inline constexpr std::uint32_t kFramePixel = 0x505050, kEdgePixel = 0x202020, kKeyPixel = 0xFF00FF;
inline constexpr std::uint32_t kCloseGlyph = 0xE00000, kMinGlyph = 0x0000E0, kMaxGlyph = 0xE0E000;
inline constexpr COLORREF kTitleColor = RGB(0, 0xA0, 0), kTitleHotColor = RGB(0, 0x70, 0);
// Text colours that the caption icon does not use.
inline constexpr COLORREF kTitleFont = RGB(0x40, 0xC0, 0xFF), kTitleHotFont = RGB(0xFF, 0xC0, 0x40);
inline constexpr int kCornerRadius = 5;

inline std::string RoundedSkinDescription() {
  auto n = [](COLORREF c) { return std::to_string(static_cast<unsigned>(c)); };
  return "[GLOBALINFO]\r\nVERSION=8.0\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=5263440\r\nFONTCOLOR=0\r\nSTATES=2\r\n"
         "BORDERWIDTH=4\r\nTITLEHEIGHT=30\r\nBIRIGHT=2\r\nBISPACE=1\r\n"
         "BICONCLOSE=@0016,0000,0040,0010,3,0\r\n"
         "BICLOSEALONE=@0016,0000,0040,0010,3,0\r\n"
         "BICONMIN=@0016,0010,0040,0020,3,0\r\n"
         "BICONMAX=@0016,0020,0040,0030,3,0\r\n"
         "BICONNORM=@0016,0020,0040,0030,3,0\r\n"
         "BICONHELP=@0016,0010,0040,0020,3,0\r\n"
         "TITLEBUTTON=@0016,0020,0040,0030,3,0\r\n"
         "GRIPIMAGE=@0040,0000,0048,0008,1,0\r\n"
         "[FORM]\r\nCOLOR=5263440\r\nHOTCOLOR=5263440\r\nSTATES=2\r\nFONTCOLOR=0\r\n"
         "BORDERSMASK=^0000,0000,0016,0016,0006,0006,0006,0006,1,0,0,0\r\n"
         "[FORMTITLE]\r\nCOLOR=" + n(kTitleColor) + "\r\nHOTCOLOR=" + n(kTitleHotColor) +
         "\r\nFONTCOLOR=" + n(kTitleFont) + "\r\nHOTFONTCOLOR=" + n(kTitleHotFont) + "\r\nSTATES=2\r\n";
}

// 48 x 30: the frame (16 x 16, rounded corners of key colour), three glyph
// strips of three 8 x 10 frames, the grip.
inline std::uint32_t RoundedSkinPixel(int x, int y) {
  if (x < 16 && y < 16) {
    const int cx = x < 8 ? kCornerRadius : 15 - kCornerRadius, cy = y < 8 ? kCornerRadius : 15 - kCornerRadius;
    const bool corner = (x < kCornerRadius || x > 15 - kCornerRadius) && (y < kCornerRadius || y > 15 - kCornerRadius);
    if (corner && (x - cx) * (x - cx) + (y - cy) * (y - cy) > kCornerRadius * kCornerRadius) return kKeyPixel;
    return x == 0 || y == 0 || x == 15 || y == 15 ? kEdgePixel : kFramePixel;
  }
  if (x >= 16 && x < 40 && y < 30) {
    const int fx = (x - 16) % 8;
    if (fx == 0 || fx == 7) return kKeyPixel;  // a keyed margin around each glyph
    return y < 10 ? kCloseGlyph : y < 20 ? kMinGlyph : kMaxGlyph;
  }
  if (x >= 40 && y < 8) return (x + y) % 2 ? 0x000000 : kKeyPixel;
  return 0x808080;
}

inline std::string RoundedSkinMaster() { return skin::testing::Bmp24(48, 30, RoundedSkinPixel); }

// Each of the three frames of the close strip has its own colour.
inline constexpr std::uint32_t kCloseFrames[3] = {0xE00000, 0x00E0E0, 0x404040};

// The rounded skin's master with the close frames told apart.
inline std::string FramedSkinMaster() {
  return skin::testing::Bmp24(48, 30, [](int x, int y) -> std::uint32_t {
    const std::uint32_t pixel = RoundedSkinPixel(x, y);
    return x >= 16 && x < 40 && y < 10 && pixel != kKeyPixel ? kCloseFrames[(x - 16) / 8] : pixel;
  });
}

// Runs `work` once inside the next menu's modal loop after `ms`, then ends the menu.
inline std::function<void()>& InMenuWork() {
  static std::function<void()> work;
  return work;
}

inline void InNextMenu(std::function<void()> work, UINT ms = 50) {
  InMenuWork() = std::move(work);
  SetTimer(nullptr, 0, ms, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (InMenuWork()) InMenuWork()();
    InMenuWork() = nullptr;
    EndMenu();
  });
}

class SkinnedFormFixture : public SkinManagerFixture {
 protected:
  void SetUp() override {
    skin::RegisterSkinControlsClasses();
    skin::RegisterSkinFormsClasses();
    SkinManagerFixture::SetUp();
    skin::SetSkinChangeHandler(oldHandler_);
    classlib::Application->Initialize();
    WriteFile(Skins() / "Rounded" / "Options.dat", RoundedSkinDescription());
    WriteFile(Skins() / "Rounded" / "MASTER.BMP", RoundedSkinMaster());
    manager_ = Manager();
    ASSERT_TRUE(manager_->IsDefault());
    manager_->SetSkinName(L"Rounded");
    manager_->SetActive(true);
    ASSERT_GE(manager_->GetSkinIndex(L"FORM"), 0);
  }
  void TearDown() override {
    InMenuWork() = nullptr;
    form_.reset();
    manager_.reset();
    SkinManagerFixture::TearDown();
  }

  // The skin with the close frames told apart, and small glyphs for tool windows.
  void UseFramedSkin() {
    std::string options = RoundedSkinDescription();
    options.insert(options.find("BICONCLOSE="), "SICONCLOSE=@0016,0000,0040,0010,3,0\r\nSICONMIN=@0016,0010,0040,0020,3,0\r\n"
                                                "SICONMAX=@0016,0020,0040,0030,3,0\r\n");
    WriteFile(Skins() / "Framed" / "Options.dat", options);
    WriteFile(Skins() / "Framed" / "MASTER.BMP", FramedSkinMaster());
    manager_->SetSkinName(L"Framed");
    Pump();
  }

  // A form of the given border style with a provider, shown.
  skin::TsSkinProvider* MakeForm(classlib::TFormBorderStyle style = classlib::bsSizeable, bool show = true) {
    form_.reset(classlib::New<classlib::TForm>(classlib::Application));
    form_->SetBorderStyle(style);
    form_->SetCaption(L"Okno");
    form_->SetBounds(100, 100, 400, 300);
    provider_ = classlib::New<skin::TsSkinProvider>(form_.get());
    if (show) Show();
    return provider_;
  }
  void Show() {
    form_->Show();
    Pump();
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  HWND Wnd() const { return form_->Handle(); }
  // The screen point of a window point.
  POINT Screen(int x, int y) const {
    RECT r;
    GetWindowRect(form_->Handle(), &r);
    return POINT{r.left + x, r.top + y};
  }
  int HitAt(int x, int y) const {
    const POINT p = Screen(x, y);
    return static_cast<int>(SendMessageW(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
  }
  COLORREF ImagePixel(int x, int y) const {
    classlib::TBitmap* image = provider_->SkinData()->CacheBmp();
    const auto* row = reinterpret_cast<const std::uint32_t*>(image->ScanLine(y));
    const std::uint32_t p = row[x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  std::unique_ptr<TsSkinManager> manager_;
  std::unique_ptr<classlib::TForm> form_;
  skin::TsSkinProvider* provider_ = nullptr;
};

}  // namespace skin_test
