#pragma once
// A form standing in for a skinned form: it answers the provider query with
// itself and records what the passes, animations and hooks ask of it; an
// extended border with a real layered window when asked for one. Children
// count the skin commands they get.
#include <windows.h>

#include <map>
#include <memory>
#include <type_traits>
#include <vector>

#include "classlib/controls/CustomControl.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/GraphicControl.h"
#include "skin/common/LayeredImages.h"
#include "skin/common/ReceiveSkinData.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/common/sCommonData.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin_test {

// Counts the skin commands it gets, by code; answers "skinned".
template <class Base>
class CountingControl : public Base {
 public:
  using Base::Base;
  std::map<int, int> codes;
  std::function<void(int code)> onCommand;

 protected:
  void WndProc(classlib::TMessage& message) override {
    if (skin::IsSkinCommand(message)) {
      const int code = skin::SkinCommandCode(message.WParam);
      ++codes[code];
      if (onCommand) onCommand(code);
      if (code == skin::scIsSkinned) {
        message.Result = 1;
        return;
      }
      // A skinned container passes broadcasts on to its children.
      if constexpr (std::is_base_of_v<classlib::TWinControl, Base>)
        if (code == skin::scNewSkin || code == skin::scRemoveSkin || code == skin::scRefresh)
          skin::BroadcastToControls(this, message);
    }
    Base::WndProc(message);
  }
};
using CountingPanel = CountingControl<classlib::TCustomControl>;
using CountingGraphic = CountingControl<classlib::TGraphicControl>;

class TestBorder : public skin::TsExtBorder {
 public:
  explicit TestBorder(RECT margins = RECT{4, 20, 4, 4}) : margins_(margins) { Create(); }
  HWND BorderWindow() const override { return window_ && window_->HandleAllocated() ? window_->Handle() : nullptr; }
  HRGN MakeRgn(int width, int height) const override {
    RECT r{};
    if (window_) GetWindowRect(window_->Handle(), &r);
    return CreateRectRgn(0, 0, width ? width : r.right - r.left, height ? height : r.bottom - r.top);
  }
  void UpdateExBorders(bool, std::uint8_t) override {
    if (!suspended_) ++updates;
  }
  bool Suspended() const override { return suspended_; }
  void SetSuspended(bool value) override { suspended_ = value; }
  std::unique_ptr<classlib::TWinControl> DetachBorderWindow() override { return std::move(window_); }
  void FreeBorderWindow() override { window_.reset(); }
  RECT Margins() const override { return margins_; }
  int TopOffset() const override { return margins_.top; }

  int updates = 0;

 private:
  void Create() {
    window_.reset(classlib::New<skin::TacLayeredWindow>(nullptr));
    window_->SetBounds(0, 0, 100, 100);
    window_->HandleNeeded();
  }
  std::unique_ptr<classlib::TWinControl> window_;
  RECT margins_;
  bool suspended_ = false;
};

class TestSkinnedForm : public classlib::TForm, public skin::TsSkinnedForm {
 public:
  explicit TestSkinnedForm(classlib::TComponent* owner)
      : classlib::TForm(owner, true), skinData_(std::make_unique<skin::TsCommonData>(this, true)) {
    skin::AddSkinnedForm(this);
  }
  ~TestSkinnedForm() override { skin::RemoveSkinnedForm(this); }

  classlib::TCustomForm* Form() const override { return const_cast<TestSkinnedForm*>(this); }
  skin::TsCommonData* SkinData() const override { return skinData_.get(); }
  bool DrawNonClientArea() const override { return drawNonClient; }
  bool AllowAnimation() const override { return allowAnimation; }
  bool AllowExtBorders() const override { return true; }
  std::uint32_t StateBits() const override { return state; }
  void SetStateBits(std::uint32_t bits) override { state = bits; }
  bool SkinChanging() const override { return skinChanging; }
  void SetSkinChanging(bool value) override { skinChanging = value; }
  bool Hiding() const override { return hiding; }
  void SetHiding(bool value) override { hiding = value; }
  classlib::TBitmap* Snapshot() const override { return snapshot.get(); }
  void SetSnapshot(std::unique_ptr<classlib::TBitmap> bitmap) override { snapshot = std::move(bitmap); }
  skin::TsExtBorder* ExtBorder() const override { return border.get(); }
  std::unique_ptr<classlib::TWinControl> TakeCoverWindow() override { return std::move(cover); }
  bool HasCoverWindow() const override { return cover != nullptr; }
  std::unique_ptr<classlib::TBitmap> CreateFormImage(bool) override {
    ++imagesMade;
    std::unique_ptr<classlib::TBitmap> image(skin::paint::NewBitmap32(Width(), Height()));
    skin::paint::FillRect32(image.get(), skin::TRect{0, 0, Width(), Height()}, imageColour, 255);
    return image;
  }
  void PaintNonClientArea() override { ++nonClientPaints; }
  void InitRegionRects() override { ++regionRects; }
  void ApplyWindowRegion(bool apply) override { regionsApplied += apply; }
  int ClientOffsetX() const override { return 0; }
  int ClientOffsetY() const override { return 0; }
  void StartMinimizeAnimation() override { ++minimizeAnimations; }
  bool StartRestoreAnimation() override {
    ++restoreAnimations;
    return restoreAnimationStarts;
  }
  void AfterAnimation() override { ++afterAnimations; }

  // Gives the cache a picture so that animations have something to show.
  void FillCache(skin::TColor colour) {
    skinData_->CacheBmp()->SetSize(Width(), Height());
    skin::paint::FillRect32(skinData_->CacheBmp(), skin::TRect{0, 0, Width(), Height()}, colour, 255);
  }

  bool drawNonClient = true;
  bool allowAnimation = true;
  bool restoreAnimationStarts = false;
  bool skinChanging = false;
  bool hiding = false;
  std::uint32_t state = 0;
  skin::TColor imageColour = 0x0000FF;
  std::unique_ptr<classlib::TBitmap> snapshot;
  std::unique_ptr<TestBorder> border;
  std::unique_ptr<classlib::TWinControl> cover;
  int imagesMade = 0, nonClientPaints = 0, regionRects = 0, regionsApplied = 0;
  int minimizeAnimations = 0, restoreAnimations = 0, afterAnimations = 0;

 protected:
  void WndProc(classlib::TMessage& message) override {
    if (skin::IsSkinCommand(message) && skin::SkinCommandCode(message.WParam) == skin::scGetProvider) {
      message.Result = reinterpret_cast<LRESULT>(static_cast<skin::TsSkinnedForm*>(this));
      return;
    }
    if (skin::IsSkinCommand(message) && skin::SkinCommandCode(message.WParam) == skin::scIsSkinned) {
      message.Result = 1;
      return;
    }
    // Printed as skinned: the whole window is the cache's picture.
    if (message.Msg == WM_PRINT && !skinData_->CacheBmp()->Empty()) {
      BitBlt(reinterpret_cast<HDC>(message.WParam), 0, 0, Width(), Height(), skinData_->CacheBmp()->Canvas()->Handle(),
             0, 0, SRCCOPY);
      return;
    }
    if (message.Msg == WM_COPYDATA) {
      skin::ReceiveSkinData(message, skin::TsSkinManager::DefaultManager());
      return;
    }
    classlib::TForm::WndProc(message);
  }

 private:
  std::unique_ptr<skin::TsCommonData> skinData_;
};

// Pumps this thread's messages for a while.
inline void PumpFor(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(5);
  } while (GetTickCount() < end);
}

}  // namespace skin_test
