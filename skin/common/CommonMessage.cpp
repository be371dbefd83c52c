// The shared receiver of the skin command message in a control's skin state.
#include "classlib/controls/Application.h"
#include "classlib/controls/Edit.h"
#include "classlib/controls/Label.h"
#include "classlib/core/ConvertText.h"
#include "classlib/graphics/Colors.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/sCommonData.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

bool FromOwnManager(const TMessage& message, const TsCommonData* skinData) {
  return message.LParam == reinterpret_cast<LPARAM>(skinData->SkinManager());
}

void RemoveSkin(TsCommonData* skinData, TsSkinManager* manager) {
  if (manager && manager->ComponentState().Contains(csDestroying)) skinData->ForgetManager();
  skinData->ClearIndexes();
  skinData->SetUpdating(true);
  skinData->EmptyCache();
  TControl* owner = skinData->OwnerControl();
  if (auto* edit = dynamic_cast<TCustomEdit*>(owner)) {
    if (!skinData->CustomColor()) edit->SetColor(clWindow);
    if (!skinData->CustomFont()) edit->Font()->SetColor(clWindowText);
    if (edit->HandleAllocated()) RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  } else if (auto* windowed = dynamic_cast<TWinControl*>(owner)) {
    for (int i = 0; i < windowed->ControlCount(); ++i)
      if (auto* label = dynamic_cast<TLabel*>(windowed->Controls(i))) label->Font()->SetColor(clWindowText);
  }
}

// The colour a parent answers to code 21, its Color when it has none. A
// parent that is not skinned has no answer: its own colour stands.
TColor ParentColor(TWinControl* parent) {
  if (!SendBoolSkinCommand(parent->Handle(), scIsSkinned)) return ColorToRGB(parent->Color());
  const auto answer = static_cast<TColor>(SendSkinCommandToWnd(parent->Handle(), scGetBGColor, 0));
  return answer == kSkinKeyColor ? parent->Color() : answer;
}

TColor BackgroundColor(const TsCommonData* skinData) {
  TControl* owner = skinData->OwnerControl();
  const TsGeneralData* section = skinData->Section();
  if (!skinData->Skinned(false) || !section) return ColorToRGB(owner->Color());
  const int transparency = section->Props[0].Transparency;
  const TColor colour = section->Props[0].Color;
  if (transparency == 0) return colour;
  TWinControl* parent = owner->Parent();
  if (!parent) return ColorToRGB(owner->Color());
  const TColor parentColour = ParentColor(parent);
  if (transparency == 100) return parentColour;
  return MixWithParentColor(parentColour, colour, transparency);
}

// Code 19: does the background behind the control vary.
LRESULT BackgroundVaries(const TsCommonData* skinData) {
  const TsGeneralData* section = skinData->Section();
  TControl* owner = skinData->OwnerControl();
  if (section->Props[0].Transparency == 100 && owner && owner->Parent()) return ParentBGVaries(skinData) ? 1 : 0;
  return section->Props[0].GradientPercent + section->Props[0].ImagePercent > 0 || skinData->NeedsParentBG() ? 1 : 0;
}

void ParentChanged(TsCommonData* skinData, std::uint16_t low) {
  const bool needsParent = skinData->NeedsParentBG();
  skinData->BGChanged = skinData->BGChanged || needsParent;
  auto* windowed = dynamic_cast<TWinControl*>(skinData->OwnerControl());
  if (!windowed) return;
  if (low == 1 && windowed->HandleAllocated())
    RedrawWindow(windowed->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_NOINTERNALPAINT | RDW_NOERASE | RDW_ALLCHILDREN);
  if (!needsParent) return;
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (!child->ComponentState().Contains(csDestroying)) SendSkinCommand(child, scParentChanged, 0);
  }
}

void ResetCache(TsCommonData* skinData) {
  if (!skinData->CacheBmp()) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(skinData->OwnerControl()))
    for (int i = 0; i < windowed->ControlCount(); ++i)
      if (auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i)); child && child->HandleAllocated())
        SendSkinCommandToWnd(child->Handle(), scResetCache, 0);
  skinData->EmptyCache();
  skinData->BGChanged = true;
  skinData->SetUpdating(true);
}

}  // namespace

bool CommonMessage(TMessage& message, TsCommonData* skinData) {
  if (!skinData || message.Msg != SkinCommandMessage) return false;
  const std::uint16_t code = SkinCommandCode(message.WParam);
  const std::uint16_t low = SkinCommandLow(message.WParam);
  if (code > MaxCommonCode) return false;
  // Pointers travel only in the library's own sends; a stranger's message
  // of such a code gets 0 and is not acted on.
  if (CommandNeedsTrust(code) && !IsTrustedSkinCommand(message)) {
    message.Result = 0;
    return false;
  }
  switch (code) {
    case scNewSkin:
      if (FromOwnManager(message, skinData)) {
        skinData->UpdateIndexes();
        skinData->UpdateStateFlags(false);
      }
      return false;
    case scRemoveSkin:
      if (FromOwnManager(message, skinData)) RemoveSkin(skinData, skinData->SkinManager());
      return false;
    case scRefresh:
      if (FromOwnManager(message, skinData)) {
        skinData->BGChanged = true;
        skinData->SetUpdating(false);
        skinData->UpdateControlColors(true);
        skinData->UpdateStateFlags(false);
      }
      return false;
    case scIsSkinned:
      message.Result = 1;
      return true;
    case scSetUpdating:
      skinData->SetUpdating(low == 1);
      return false;
    case scSetParentBG:
      skinData->ForceParentBG = low == 1;
      return false;
    case scIsLocked:
      message.Result = skinData->BGChanged || skinData->OwnUpdating() ? 1 : 0;
      return true;
    case scIsCachePartial:
      message.Result = skinData->CachePartial ? 1 : 0;
      return true;
    case scRepaintSection:
      if (UpperCase(skinData->SkinSection()) == RepaintSectionName()) skinData->Invalidate(false);
      return false;
    case scSetSection:
      if (message.LParam != 0)
        skinData->SetSkinSection(reinterpret_cast<const TsCommonData*>(message.LParam)->SkinSection());
      return false;
    case scBGChanged:
      skinData->BGChanged = true;
      return false;
    case scBGVaries:
      if (skinData->SkinIndex < 0 || !skinData->Section()) return false;
      message.Result = BackgroundVaries(skinData);
      message.LParam = message.Result;
      return true;
    case scParentChanged:
      ParentChanged(skinData, low);
      return false;
    case scGetBGColor:
      if (!skinData->OwnerControl()) return false;
      message.Result = static_cast<LRESULT>(static_cast<std::uint32_t>(BackgroundColor(skinData)));
      return true;
    case scSetCachePartial:
      skinData->CachePartial = true;
      return false;
    case scGetSkinIndex:
      *reinterpret_cast<std::int32_t*>(message.LParam) = skinData->SkinIndex;
      return true;
    case scResetCache:
      ResetCache(skinData);
      return false;
    case scGetBGInfo:
      FillBGInfo(skinData, *reinterpret_cast<TacBGInfo*>(message.LParam), 0, nullptr);
      return true;
    case scStateWord:
      if (message.LParam == 1) skinData->UpdateStateFlags(true);
      else message.Result = skinData->CtrlSkinState;
      return true;
    case scGetSkinData:
      message.Result = reinterpret_cast<LRESULT>(skinData);
      return true;
    case scSetPrintDC:
      if (message.LParam != 0) skinData->CtrlSkinState |= StatePrinting;
      else skinData->CtrlSkinState &= static_cast<std::uint16_t>(~StatePrinting);
      skinData->PrintDC = reinterpret_cast<HDC>(message.LParam);
      return true;
    case scGetApplication:
      message.Result = reinterpret_cast<LRESULT>(static_cast<TApplication*>(Application));
      return false;
    default:
      return false;
  }
}

}  // namespace skin
