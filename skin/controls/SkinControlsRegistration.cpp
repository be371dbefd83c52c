#include "skin/controls/SkinControlsRegistration.h"

#include "classlib/controls/ControlsRegistration.h"
#include "classlib/core/PropertyRegistry.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sComboBox.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGauge.h"
#include "skin/controls/sLabels.h"
#include "skin/controls/sStandardControls.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

namespace {

using namespace classlib;

// The skin state and the bound label, published by every skinned control.
void RegisterSkinStateClasses() {
  Properties<TsCommonData, TPersistent>()
      .String(L"SkinSection", &TsCommonData::SkinSection, &TsCommonData::SetSkinSection)
      .Boolean(L"CustomColor", &TsCommonData::CustomColor, &TsCommonData::SetCustomColor, false)
      .Boolean(L"CustomFont", &TsCommonData::CustomFont, &TsCommonData::SetCustomFont, false)
      .Component(L"SkinManager", &TsCommonData::SkinManager, &TsCommonData::SetSkinManager)
      .Stored(&TsCommonData::SkinManagerStored);
  Properties<TsCtrlSkinData, TsCommonData>()
      .Integer(L"HUEOffset", &TsCtrlSkinData::HUEOffset, &TsCtrlSkinData::SetHUEOffset, 0)
      .Integer(L"Saturation", &TsCtrlSkinData::Saturation, &TsCtrlSkinData::SetSaturation, 0);
  RegisterEnum<TsCaptionLayout>({L"sclLeft", L"sclTopLeft", L"sclTopCenter", L"sclTopRight", L"sclLeftTop",
                                 L"sclBottomLeft", L"sclBottomCenter", L"sclBottomRight"});
  Properties<TsBoundLabel, TPersistent>()
      .Boolean(L"Active", &TsBoundLabel::Active, &TsBoundLabel::SetActive, false)
      .String(L"Caption", &TsBoundLabel::Caption, &TsBoundLabel::SetCaption)
      .Integer(L"Indent", &TsBoundLabel::Indent, &TsBoundLabel::SetIndent, 0)
      .Object(L"Font", &TsBoundLabel::Font, &TsBoundLabel::SetFont)
      .Enum(L"Layout", &TsBoundLabel::Layout, &TsBoundLabel::SetLayout, sclLeft)
      .Integer(L"MaxWidth", &TsBoundLabel::MaxWidth, &TsBoundLabel::SetMaxWidth, 0)
      .Boolean(L"UseSkinColor", &TsBoundLabel::UseSkinColor, &TsBoundLabel::SetUseSkinColor, true);
}

void RegisterGaugeClass() {
  RegisterEnum<TsGaugeKind>({L"gkText", L"gkHorizontalBar", L"gkVerticalBar", L"gkPie", L"gkNeedle"});
  Properties<TsGauge, TGraphicControl>()
      .Object(L"SkinData", &TsGauge::SkinData)
      .Integer(L"MinValue", &TsGauge::MinValue, &TsGauge::SetMinValue, 0)
      .Integer(L"MaxValue", &TsGauge::MaxValue, &TsGauge::SetMaxValue, 100)
      .Integer(L"Progress", &TsGauge::Progress, &TsGauge::SetProgress, 47)
      .Enum(L"Kind", &TsGauge::Kind, &TsGauge::SetKind, gkHorizontalBar)
      .Boolean(L"ShowText", &TsGauge::ShowText, &TsGauge::SetShowText, true)
      .String(L"Suffix", &TsGauge::Suffix, &TsGauge::SetSuffix, L"%")
      .Integer(L"ForeColor", &TsGauge::ForeColor, &TsGauge::SetForeColor, 0)
      .Integer(L"BackColor", &TsGauge::BackColor, &TsGauge::SetBackColor, 0xFFFFFF)
      .Enum(L"BorderStyle", &TsGauge::BorderStyle, &TsGauge::SetBorderStyle, bsSingle)
      .String(L"ProgressSkin", &TsGauge::ProgressSkin, &TsGauge::SetProgressSkin)
      .Boolean(L"CalcPercents", &TsGauge::CalcPercents, &TsGauge::SetCalcPercents, true)
      .Boolean(L"Animated", &TsGauge::Animated, &TsGauge::SetAnimated, true)
      .Event(L"OnChange", &TsGauge::OnChange, [](TsGauge& g, TNotifyEvent e) { g.OnChange = std::move(e); });
  RegisterComponentClass<TsGauge, TGraphicControl>();
}

void RegisterAll() {
  RegisterControlsClasses();
  RegisterSkinStateClasses();
  InstallSkinBroadcast();
  RegisterEnum<TButtonStyle>({L"bsPushButton", L"bsCommandLink", L"bsSplitButton"});
  RegisterEnum<TImageAlignment>({L"iaLeft", L"iaRight", L"iaTop", L"iaBottom", L"iaCenter"});
  Properties<TImageMargins, TPersistent>()
      .Integer(L"Left", &TImageMargins::Left, &TImageMargins::SetLeft, 0)
      .Integer(L"Top", &TImageMargins::Top, &TImageMargins::SetTop, 0)
      .Integer(L"Right", &TImageMargins::Right, &TImageMargins::SetRight, 0)
      .Integer(L"Bottom", &TImageMargins::Bottom, &TImageMargins::SetBottom, 0);
  Properties<TsButton, TButton>()
      .Object(L"SkinData", &TsButton::SkinData)
      .Boolean(L"Down", &TsButton::Down, &TsButton::SetDown, false)
      .Enum(L"Style", &TsButton::Style, &TsButton::SetStyle, bsPushButton)
      .Integer(L"ContentMargin", &TsButton::ContentMargin, &TsButton::SetContentMargin, 6)
      .String(L"CommandLinkHint", &TsButton::CommandLinkHint, &TsButton::SetCommandLinkHint)
      .Component(L"DropDownMenu", &TsButton::DropDownMenu, &TsButton::SetDropDownMenu)
      .Component(L"Images", &TsButton::Images, &TsButton::SetImages)
      .Enum(L"ImageAlignment", &TsButton::ImageAlignment, &TsButton::SetImageAlignment, iaLeft)
      .Integer(L"ImageIndex", &TsButton::ImageIndex, &TsButton::SetImageIndex, -1)
      .Integer(L"HotImageIndex", &TsButton::HotImageIndex, &TsButton::SetHotImageIndex, -1)
      .Integer(L"PressedImageIndex", &TsButton::PressedImageIndex, &TsButton::SetPressedImageIndex, -1)
      .Integer(L"SelectedImageIndex", &TsButton::SelectedImageIndex, &TsButton::SetSelectedImageIndex, -1)
      .Integer(L"DisabledImageIndex", &TsButton::DisabledImageIndex, &TsButton::SetDisabledImageIndex, -1)
      .Object(L"ImageMargins", &TsButton::ImageMargins, &TsButton::SetImageMargins)
      .Boolean(L"ShowFocus", &TsButton::ShowFocus, &TsButton::SetShowFocus, true)
      .Boolean(L"Reflected", &TsButton::Reflected, &TsButton::SetReflected, false)
      .Integer(L"FocusMargin", &TsButton::FocusMargin, &TsButton::SetFocusMargin, 1);
  RegisterComponentClass<TsButton, TButton>();
  Properties<TsBitBtn, TBitBtn>()
      .Object(L"SkinData", &TsBitBtn::SkinData)
      .Boolean(L"Down", &TsBitBtn::Down, &TsBitBtn::SetDown, false)
      .Integer(L"ImageIndex", &TsBitBtn::ImageIndex, &TsBitBtn::SetImageIndex, -1)
      .Component(L"Images", &TsBitBtn::Images, &TsBitBtn::SetImages)
      .Integer(L"Blend", &TsBitBtn::Blend, &TsBitBtn::SetBlend, 0)
      .Boolean(L"Grayed", &TsBitBtn::Grayed, &TsBitBtn::SetGrayed, false)
      .Boolean(L"ShowCaption", &TsBitBtn::ShowCaption, &TsBitBtn::SetShowCaption, true)
      .Boolean(L"ShowFocus", &TsBitBtn::ShowFocus, &TsBitBtn::SetShowFocus, true)
      .Boolean(L"DrawOverBorder", &TsBitBtn::DrawOverBorder, &TsBitBtn::SetDrawOverBorder, true)
      .Boolean(L"Reflected", &TsBitBtn::Reflected, &TsBitBtn::SetReflected, false)
      .Integer(L"TextOffset", &TsBitBtn::TextOffset, &TsBitBtn::SetTextOffset, 0)
      .Integer(L"FocusMargin", &TsBitBtn::FocusMargin, &TsBitBtn::SetFocusMargin, 1);
  RegisterComponentClass<TsBitBtn, TBitBtn>();
  RegisterGaugeClass();
  Properties<TsEdit, TEdit>()
      .Object(L"SkinData", &TsEdit::SkinData)
      .Object(L"BoundLabel", &TsEdit::BoundLabel);
  RegisterComponentClass<TsEdit, TEdit>();
  Properties<TsCheckBox, TCheckBox>()
      .Object(L"SkinData", &TsCheckBox::SkinData);
  RegisterComponentClass<TsCheckBox, TCheckBox>();
  Properties<TsComboBox, TComboBox>()
      .Object(L"SkinData", &TsComboBox::SkinData)
      .Object(L"BoundLabel", &TsComboBox::BoundLabel)
      .Enum(L"Alignment", &TsComboBox::Alignment, &TsComboBox::SetAlignment, taLeftJustify)
      .Boolean(L"ReadOnly", &TsComboBox::ReadOnly, &TsComboBox::SetReadOnly, false);
  RegisterComponentClass<TsComboBox, TComboBox>();
  Properties<TsPanel, TPanel>()
      .Object(L"SkinData", &TsPanel::SkinData);
  RegisterComponentClass<TsPanel, TPanel>();
  Properties<TsLabel, TLabel>();
  RegisterComponentClass<TsLabel, TLabel>();
  Properties<TsLabelFX, TsLabel>();
  RegisterComponentClass<TsLabelFX, TsLabel>();
  Properties<TsWebLabel, TsLabel>()
      .String(L"URL", &TsWebLabel::URL, &TsWebLabel::SetURL)
      .Object(L"HoverFont", &TsWebLabel::HoverFont);
  RegisterComponentClass<TsWebLabel, TsLabel>();
  if (!EnumNamesOf<TPixelFormat>())
    RegisterEnum<TPixelFormat>(
        {L"pfDevice", L"pf1bit", L"pf4bit", L"pf8bit", L"pf15bit", L"pf16bit", L"pf24bit", L"pf32bit", L"pfCustom"});
  RegisterEnum<TsImageFormat>({L"ifPNG", L"ifICO"});
  Properties<TsImgListItem, TCollectionItem>()
      .Enum(L"ImageFormat", &TsImgListItem::ImageFormat, &TsImgListItem::SetImageFormat, ifPNG)
      .Enum(L"PixelFormat", &TsImgListItem::PixelFormat, &TsImgListItem::SetPixelFormat, pf32bit);
  Properties<TsImgListItems, TCollection>();
  Properties<TsAlphaImageList, TCustomImageList>().Object(L"Items", &TsAlphaImageList::Items,
                                                          &TsAlphaImageList::SetItems);
  RegisterComponentClass<TsAlphaImageList, TCustomImageList>();
}

}  // namespace

void RegisterSkinControlsClasses() {
  static const bool done = (RegisterAll(), true);
  (void)done;
}

}  // namespace skin
