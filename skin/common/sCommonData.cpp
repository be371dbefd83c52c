#include "skin/common/sCommonData.h"

#include <algorithm>

#include "classlib/controls/Edit.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/Panel.h"
#include "classlib/core/ConvertText.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/ControlClassCodes.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/GlowWindows_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

bool Loading(const TComponent* component) {
  const TComponentState state = component->ComponentState();
  return state.Contains(csLoading) || state.Contains(csReading);
}


}  // namespace

TsCommonData::TsCommonData(TObject* owner, bool createCacheBmp)
    : ownerControl_(dynamic_cast<TControl*>(owner)), ownerObject_(owner) {
  if (createCacheBmp) InitCacheBmp();
}

TsCommonData::~TsCommonData() {
  ClearIndexes();
  if (GlowID != -1) paint::CloseGlow(GlowID);
  GlowID = -1;
  ownerControl_ = nullptr;
  ownerObject_ = nullptr;
  skinManager_ = nullptr;
}

bool TsCommonData::IsProviderOwner() const {
  return ownerObject_ && !ownerControl_ && ownerObject_->ClassName() == L"TsSkinProvider";
}

TWinControl* TsCommonData::ProviderForm() const {
  if (!IsProviderOwner()) return nullptr;
  auto* provider = dynamic_cast<TComponent*>(ownerObject_);
  return provider ? dynamic_cast<TWinControl*>(provider->Owner()) : nullptr;
}

bool TsCommonData::OwnerDestroying() const {
  const auto* component = dynamic_cast<const TComponent*>(ownerObject_);
  return component && Destroying(component);
}

bool TsCommonData::OwnerLoading() const { return ownerControl_ && Loading(ownerControl_); }

bool TsCommonData::ManagerHasSections(const TsSkinManager* manager) const {
  return manager && manager->Skin() && !manager->Skin()->Sections.empty();
}

TsSkinManager* TsCommonData::SkinManager() const {
  return skinManager_ ? skinManager_ : TsSkinManager::DefaultManager();
}

void TsCommonData::ClearIndexes() {
  SkinIndex = BorderIndex = Texture = HotTexture = -1;
  resolvedManager_ = nullptr;
}

bool TsCommonData::IndexesCurrent() const {
  const TsSkinManager* manager = SkinManager();
  return manager && manager == resolvedManager_ && manager->SkinGeneration() == resolvedGeneration_ &&
         manager->IsValidSkinIndex(SkinIndex);
}

const TsGeneralData* TsCommonData::Section() const {
  return IndexesCurrent() ? &SkinManager()->Skin()->Sections[static_cast<std::size_t>(SkinIndex)] : nullptr;
}

const TsMaskData* TsCommonData::BorderMask() const {
  if (!IndexesCurrent() || !SkinManager()->IsValidImgIndex(BorderIndex)) return nullptr;
  return &SkinManager()->Skin()->Masks[static_cast<std::size_t>(BorderIndex)];
}

const TsGenState* TsCommonData::SectionState(int state) const {
  const TsGeneralData* section = Section();
  if (!section) return nullptr;
  return &section->Props[static_cast<std::size_t>(SectionStateIndex(state, section->States))];
}

void TsCommonData::TellOwnerAboutSection(TsSkinManager* manager) {
  const bool valid = ManagerHasSections(manager) && manager->IsValidSkinIndex(SkinIndex);
  PerformSkinCommand(ownerControl_, valid ? scRefresh : scRemoveSkin, reinterpret_cast<LPARAM>(manager));
}

void TsCommonData::SetSkinManager(TsSkinManager* value) {
  if (value == skinManager_) return;
  skinManager_ = value == TsSkinManager::DefaultManager() ? nullptr : value;
  if (OwnerLoading()) return;
  if (!ManagerHasSections(value)) ClearIndexes();
  else UpdateIndexes();
  if (IsProviderOwner()) return;
  if (ownerControl_ && ownerControl_->Parent() && !OwnerDestroying()) TellOwnerAboutSection(value);
}

void TsCommonData::SetSkinSection(const std::wstring& value) {
  if (value == skinSection_ && !skinSection_.empty()) return;
  skinSection_ = value.empty() ? std::wstring(L"UNKNOWN") : UpperCase(value);
  TsSkinManager* manager = SkinManager();
  if (!ManagerHasSections(manager)) ClearIndexes();
  else UpdateIndexes();
  const bool quiet = !ownerControl_ || Loading(ownerControl_) || OwnerDestroying() || !ownerControl_->Parent() ||
                     ownerControl_->ControlState().Contains(csReadingState);
  if (quiet) {
    if (IsProviderOwner()) BGChanged = true;
    return;
  }
  if (!updating_) TellOwnerAboutSection(manager);
  if (GlowID != -1) paint::CloseGlow(GlowID);
  GlowID = -1;
}

void TsCommonData::UpdateSkinSection() {
  if (skinSection_.empty()) {
    const std::wstring_view section = DefaultSectionOf(COC);
    SetSkinSection(section.empty() && ownerObject_ ? ownerObject_->ClassName() : std::wstring(section));
  } else {
    UpdateIndexes();
  }
}

void TsCommonData::UpdateIndexes() {
  BGChanged = true;
  TsSkinManager* manager = SkinManager();
  SkinIndex = manager && manager->Active() ? manager->GetSkinIndex(skinSection_) : -1;
  resolvedManager_ = SkinIndex >= 0 ? manager : nullptr;
  resolvedGeneration_ = manager ? manager->SkinGeneration() : 0;
  UpdateBGVariation();
  CtrlSkinState = 0;
  if (SkinIndex >= 0) {
    BorderIndex = manager->Skin()->Sections[static_cast<std::size_t>(SkinIndex)].BorderIndex;
    Texture = manager->GetTextureIndex(SkinIndex, skinSection_, L"PATTERN");
    HotTexture = manager->GetTextureIndex(SkinIndex, skinSection_, L"HOTPATTERN");
    UpdateStateFlags(false);
  } else {
    BorderIndex = Texture = HotTexture = -1;
  }
}

void TsCommonData::UpdateBGVariation() {
  BGVariation = 0;
  const TsGeneralData* section = Section();
  if (!section) return;
  const TsGenState& normal = section->Props[0];
  if (normal.ImagePercent != 0) BGVariation |= BGVariesByTexture;
  if (normal.GradientPercent == 0 || normal.GradientArray.empty()) return;
  switch (normal.GradientArray.front().Mode) {
    case 0: BGVariation |= BGVariesVertically; break;
    case 1: BGVariation |= BGVariesHorizontally; break;
    case 2: BGVariation |= BGVariesVertically | BGVariesHorizontally; break;
    default: break;
  }
}

bool TsCommonData::ComplexBackground() const {
  const TsGeneralData* section = Section();
  if (!section) return false;
  if (const TsMaskData* border = BorderMask()) {
    if ((border->DrawMode & 4) != 0 || border->WL + border->WR > 20 || border->WT + border->WB > 20) return true;
  }
  const TsGenState& normal = section->Props[0];
  if (normal.Transparency == 100) {
    const TsSkinManager* manager = SkinManager();
    if (manager->IsValidImgIndex(section->TextureIndex) &&
        manager->Skin()->Masks[static_cast<std::size_t>(section->TextureIndex)].DrawMode == 10)
      return true;
    if (!ownerControl_ || !ownerControl_->Parent()) return true;
    if ((SendSkinCommand(ownerControl_->Parent(), scStateWord, 0) & StateSimpleBackground) == 0) return true;
  } else if (normal.Transparency != 0) {
    return true;
  }
  if (normal.ImagePercent != 0 || normal.GradientPercent != 0) return true;
  if (IsProviderOwner()) {
    auto* form = dynamic_cast<TCustomForm*>(ProviderForm());
    return form && form->OnPaint != nullptr;
  }
  return false;
}

void TsCommonData::UpdateStateFlags(bool allChildren) {
  CtrlSkinState &= static_cast<std::uint16_t>(~StateSimpleBackground);
  if (ownerControl_) {
    if ((dynamic_cast<TCustomPanel*>(ownerControl_) || dynamic_cast<TCustomForm*>(ownerControl_)) &&
        !ComplexBackground())
      CtrlSkinState |= StateSimpleBackground;
    if (auto* windowed = dynamic_cast<TWinControl*>(ownerControl_); windowed && allChildren)
      for (int i = 0; i < windowed->ControlCount(); ++i) SendSkinCommand(windowed->Controls(i), scStateWord, 1);
  } else if (IsProviderOwner()) {
    auto* form = dynamic_cast<TCustomForm*>(ProviderForm());
    if (!ComplexBackground() && (!form || form->FormStyle() != fsMDIForm)) CtrlSkinState |= StateSimpleBackground;
  }
}

bool TsCommonData::ComplexState() const { return (CtrlSkinState & StateSimpleBackground) == 0 || IsHot(); }

bool TsCommonData::IsHot() const {
  if (!ownerControl_ || OwnerDestroying() || !ownerControl_->Enabled() ||
      ownerControl_->ComponentState().Contains(csDesigning))
    return false;
  if (FFocused) return true;
  if (auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
      windowed && windowed->HandleAllocated() && windowed->Handle() == GetFocus() &&
      !dynamic_cast<TCustomPanel*>(ownerControl_))
    return true;
  return FMouseAbove && !InNoHotState(COC);
}

bool TsCommonData::Skinned(bool checkActive) const {
  const TsSkinManager* manager = SkinManager();
  if (skinSection_.empty() || !manager || Destroying(manager) || !IndexesCurrent() || OwnerDestroying()) return false;
  return checkActive ? manager->SkinData().Active : true;
}

bool TsCommonData::Updating() const {
  const TsSkinManager* manager = SkinManager();
  if (!manager || manager->ComponentState().Contains(csDesigning)) return false;
  if (!ComplexState()) return updating_;
  if (ownerControl_) {
    if (OwnerDestroying() || updating_) return updating_;
    return ownerControl_->Parent() && SendSkinCommand(ownerControl_->Parent(), scIsLocked, 0) != 0;
  }
  if (updating_) return true;
  if (TWinControl* form = ProviderForm(); form && form->Parent())
    return SendSkinCommand(form->Parent(), scIsLocked, 0) != 0;
  return false;
}

void TsCommonData::BeginUpdate() {
  ++UpdateCount;
  updating_ = true;
  CtrlSkinState |= StateInUpdate;
  if (ownerControl_) PerformSkinCommand(ownerControl_, scBeginUpdate, 0);
  else if (auto* form = ProviderForm(); form && form->HandleAllocated())
    SendSkinCommandToWnd(form->Handle(), scBeginUpdate, 0);
}

void TsCommonData::EndUpdate(bool repaint) {
  --UpdateCount;
  updating_ = false;
  CtrlSkinState &= static_cast<std::uint16_t>(~StateInUpdate);
  if (UpdateCount >= 1) return;
  if (ownerControl_) PerformSkinCommand(ownerControl_, scEndUpdateNotify, 0);
  else if (auto* form = ProviderForm(); form && form->HandleAllocated())
    SendSkinCommandToWnd(form->Handle(), scEndUpdateNotify, 0);
  if (repaint) Invalidate(false);
}

void TsCommonData::Invalidate(bool updateNow) {
  constexpr UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
  if (ownerControl_) {
    if (OwnerDestroying() || Loading(ownerControl_)) return;
    BGChanged = true;
    if (!ControlIsReady(ownerControl_)) return;
    if (auto* windowed = dynamic_cast<TWinControl*>(ownerControl_)) {
      if (windowed->HandleAllocated())
        RedrawWindow(windowed->Handle(), nullptr, nullptr, flags | (updateNow ? RDW_UPDATENOW : 0));
    } else {
      ownerControl_->Repaint();
    }
  } else if (TWinControl* form = ProviderForm()) {
    BGChanged = true;
    if (form->HandleAllocated()) RedrawWindow(form->Handle(), nullptr, nullptr, flags);
  }
}

void TsCommonData::UpdateControlColors(bool repaint) {
  auto* windowed = dynamic_cast<TWinControl*>(ownerControl_);
  if (!Skinned(false) || !InEditFamily(COC) || !windowed || !windowed->HandleAllocated()) return;
  const TsGeneralData* section = Section();
  const auto skinColour = [this](TColor colour) {
    return paint::ChangeSaturation(paint::ChangeHue(hueOffset_, colour), saturation_);
  };
  if (!customColor_) {
    const TColor colour = skinColour(section->Props[0].Color);
    if (windowed->Color() != colour) windowed->SetColor(colour);
  }
  if (!customFont_) {
    const TColor colour = skinColour(section->Props[0].FontColor);
    if (windowed->Font()->Color() != colour) windowed->Font()->SetColor(colour);
  }
  if (repaint) Invalidate(false);
}

void TsCommonData::SetCustomColor(bool value) {
  if (customColor_ == value) return;
  customColor_ = value;
  if (!OwnerLoading()) UpdateControlColors(true);
}

void TsCommonData::SetCustomFont(bool value) {
  if (customFont_ == value) return;
  customFont_ = value;
  if (!OwnerLoading()) UpdateControlColors(true);
}

void TsCommonData::SetHUEOffset(int value) {
  if (hueOffset_ == value) return;
  hueOffset_ = value;
  Loaded();
  Invalidate(false);
}

void TsCommonData::SetSaturation(int value) {
  if (saturation_ == value) return;
  saturation_ = value;
  Loaded();
  Invalidate(false);
}

void TsCommonData::Loaded() {
  UpdateSkinSection();
  if (!Skinned(false) || !ownerControl_ || !ownerControl_->Parent() || Loading(ownerControl_)) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(ownerControl_)) NotifyParentForm(windowed);
  UpdateControlColors(false);
}

bool TsCommonData::NeedsParentBG() const {
  if (ForceParentBG) return true;
  if (!Skinned(false) || !ownerControl_ || !ownerControl_->Enabled()) return true;
  if (Section()->Props[0].Transparency < 1) return false;
  TWinControl* parent = ownerControl_->Parent();
  if (!parent || !parent->HandleAllocated()) return false;
  return SendSkinCommandToWnd(parent->Handle(), scBGVaries, 0) != 0;
}

bool ParentBGVaries(const TsCommonData* skinData) {
  if (!skinData || !skinData->OwnerControl()) return false;
  TWinControl* parent = skinData->OwnerControl()->Parent();
  return parent && parent->HandleAllocated() && SendSkinCommandToWnd(parent->Handle(), scBGVaries, 0) != 0;
}

int TsCommonData::GetMaxBorderWidth() const {
  const TsMaskData* border = BorderMask();
  if (!border || (border->DrawMode & 2) != 0) return 0;
  return std::max({border->WL, border->WT, border->WR, border->WB});
}

void TsCommonData::InitCacheBmp() {
  if (!cacheBmp_) cacheBmp_ = std::make_unique<TBitmap>();
  if (cacheBmp_->PixelFormat() != pf32bit) cacheBmp_->SetPixelFormat(pf32bit);
  if (ownerControl_) {
    const int width = std::max(0, ownerControl_->Width());
    const int height = std::max(0, ownerControl_->Height());
    if (cacheBmp_->Width() != width || cacheBmp_->Height() != height) cacheBmp_->SetSize(width, height);
  }
}

void TsCommonData::EmptyCache() {
  if (cacheBmp_ && !cacheBmp_->Empty()) cacheBmp_->SetSize(0, 0);
}

std::wstring& RepaintSectionName() {
  static std::wstring name;
  return name;
}

}  // namespace skin
