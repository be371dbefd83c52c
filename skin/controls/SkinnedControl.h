#pragma once
// What every skinned control adds to the class-library control it stands
// on: its skin state (published as SkinData), which sees each message first
// and is brought up to date when the control is loaded or shown and when a
// new skin arrives.
#include <memory>

#include "classlib/controls/Messages.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/sCommonData.h"
#include "skin/paint/BitmapGlyph.h"

namespace skin {

// How a disabled control's image is drawn: a set of paint::dgBlended and
// paint::dgGrayed.
using TsDisabledKind = std::uint8_t;

template <class Base, int ControlClassCode>
class TsSkinnedControl : public Base {
 public:
  explicit TsSkinnedControl(classlib::TComponent* owner)
      : Base(owner), skinData_(std::make_unique<TsCtrlSkinData>(this, false)) {
    skinData_->COC = ControlClassCode;
  }

  TsCtrlSkinData* SkinData() const { return skinData_.get(); }

  // A control made in code resolves its section at once; one read from a
  // form description does it again once loaded.
  void AfterConstruction() override {
    Base::AfterConstruction();
    skinData_->Loaded();
  }

  void Loaded() override {
    Base::Loaded();
    skinData_->Loaded();
  }

 protected:
  void WndProc(classlib::TMessage& message) override {
    if (CommonWndProc(message, skinData_.get())) return;
    Base::WndProc(message);
    // The new skin's indexes are in: take its colours and repaint.
    if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) == scNewSkin &&
        message.LParam == reinterpret_cast<LPARAM>(skinData_->SkinManager())) {
      skinData_->UpdateControlColors(false);
      skinData_->Invalidate(false);
    }
  }

 private:
  std::unique_ptr<TsCtrlSkinData> skinData_;
};

}  // namespace skin
