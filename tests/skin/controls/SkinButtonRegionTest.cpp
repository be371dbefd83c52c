#ifdef _WIN32
// A button whose border has shaped corners cuts them out of its window with
// a region; regions are handed to the window or deleted, never left behind.
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "SkinnedControlFixture.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "tests/skin/core/SkinTestImages.h"

namespace skin_test {
namespace {

using namespace classlib;
using skin::TsButton;

class SkinButtonRegionTest : public SkinnedControlFixture {
 protected:
  void SetUp() override {
    SkinnedControlFixture::SetUp();
    // A skin whose large-button border has key-colour corners: 3 frames of
    // 10 x 10 over their mask rows.
    folder_ = std::filesystem::temp_directory_path() /
              ("tessarilo-shaped-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder_ / "Shaped");
    std::ofstream(folder_ / "Shaped" / "Options.dat", std::ios::binary)
        << "[GLOBALINFO]\r\nVERSION=8.0\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=16777215\r\nSTATES=2\r\n"
           "[BUTTON_HUGE]\r\nCOLOR=33023\r\nFONTCOLOR=0\r\nSTATES=3\r\n"
           "BORDERSMASK=^0000,0000,0030,0020,0003,0003,0003,0003,3,1,0,0\r\n";
    std::ofstream(folder_ / "Shaped" / "MASTER.BMP", std::ios::binary)
        << skin::testing::Bmp24(60, 20, [](int x, int y) -> std::uint32_t {
             const int fx = x % 10, fy = y % 10;
             if (x < 30 && y < 10 && (fx == 0 || fx == 9) && (fy == 0 || fy == 9)) return 0xFF00FF;
             return y < 10 ? 0x3060C0 : 0x000000;
           });
    shaped_.reset(classlib::New<skin::TsSkinManager>(nullptr));
    shaped_->SetSkinDirectory(FromFsPath(folder_));
    shaped_->SetSkinName(L"Shaped");
    ASSERT_GE(shaped_->GetSkinIndex(L"BUTTON_HUGE"), 0);
    ShowForm();
  }
  void TearDown() override {
    shaped_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    SkinnedControlFixture::TearDown();
  }
  template <class T>
  T* AddShaped() {
    T* button = Add<T>(nullptr, 30, 30, 120, 40);
    button->SetAnimatEvents(skin::paint::TacAnimatEvents{});
    button->SkinData()->SetSkinManager(shaped_.get());
    button->SkinData()->SetSkinSection(L"BUTTON_HUGE");
    // The manager's refresh, as a skin change would send it.
    button->Perform(skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scRefresh),
                    reinterpret_cast<LPARAM>(shaped_.get()));
    button->SetCaption(L"Kształt");
    UpdateWindow(button->Handle());
    return button;
  }
  static int RegionKind(HWND wnd) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(wnd, region);
    DeleteObject(region);
    return kind;
  }
  // WM_PRINT into a memory context: painted, but the window region is left as it is.
  static void Print(TWinControl* control) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, control->Width(), control->Height());
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageW(control->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }

  std::filesystem::path folder_;
  std::unique_ptr<skin::TsSkinManager> shaped_;
};

TEST_F(SkinButtonRegionTest, ShapedCornersGiveTheWindowAComplexRegion) {
  auto* button = AddShaped<TsButton>();
  ASSERT_NE(button->SkinData()->BorderMask(), nullptr);
  EXPECT_EQ(button->SkinData()->BorderMask()->CornerType, 2);
  EXPECT_EQ(RegionKind(button->Handle()), COMPLEXREGION);
  // The corner pixel is cut, the middle of the edge is not.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(button->Handle(), region);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_TRUE(PtInRegion(region, button->Width() / 2, 0));
  DeleteObject(region);
  // A plain border takes none.
  auto* plain = Add<TsButton>(nullptr, 30, 90, 120, 40);
  UpdateWindow(plain->Handle());
  EXPECT_EQ(RegionKind(plain->Handle()), ERROR);
}

TEST_F(SkinButtonRegionTest, RegionsAreHandedOverOrDeletedOverManyPaintsAndOnRemoval) {
  // One round first: the class library keeps some objects once made.
  const auto round = [&](int paints, bool check) {
    auto* button = AddShaped<TsButton>();
    auto* bitBtn = AddShaped<skin::TsBitBtn>();
    bitBtn->SetTop(90);
    UpdateWindow(bitBtn->Handle());
    const auto paint = [&](int i) {
      // A changed state makes a new region; printing paints without applying it.
      button->SetDown(i % 2 == 0);
      bitBtn->SetDown(i % 2 == 0);
      UpdateWindow(button->Handle());
      UpdateWindow(bitBtn->Handle());
      button->SetDown(i % 2 != 0);
      bitBtn->SetDown(i % 2 != 0);
      Print(button);
      Print(bitBtn);
    };
    paint(0);
    const DWORD settled = LiveGdiObjects();
    for (int i = 1; i <= paints; ++i) paint(i);
    if (check) EXPECT_EQ(LiveGdiObjects(), settled);
    // The skin taken away: the window region goes, no region is left over.
    SendMessageW(button->Handle(), skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scRemoveSkin),
                 reinterpret_cast<LPARAM>(shaped_.get()));
    if (check) EXPECT_EQ(RegionKind(button->Handle()), ERROR);
    // A region set aside by printing goes with its button.
    Print(bitBtn);
    delete button;
    delete bitBtn;
  };
  round(2, false);
  const DWORD before = LiveGdiObjects();
  round(100, true);
  EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
}  // namespace skin_test
#endif
