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
      .Integer(L"DisabledKind", &TsEdit::DisabledKind, &TsEdit::SetDisabledKind, 1)
      .Object(L"BoundLabel", &TsEdit::BoundLabel);
  RegisterComponentClass<TsEdit, TEdit>();
  Properties<TsCheckBox, TCheckBox>()
      .Object(L"SkinData", &TsCheckBox::SkinData)
      .Integer(L"Margin", &TsCheckBox::Margin, &TsCheckBox::SetMargin, 2)
      .Integer(L"TextIndent", &TsCheckBox::TextIndent, &TsCheckBox::SetTextIndent, 0)
      .Boolean(L"ShowFocus", &TsCheckBox::ShowFocus, &TsCheckBox::SetShowFocus, true)
      .Boolean(L"ReadOnly", &TsCheckBox::ReadOnly, &TsCheckBox::SetReadOnly, false)
      .Integer(L"ImgChecked", &TsCheckBox::ImgChecked, &TsCheckBox::SetImgChecked, 0)
      .Integer(L"ImgUnchecked", &TsCheckBox::ImgUnchecked, &TsCheckBox::SetImgUnchecked, 0)
      .Component(L"Images", &TsCheckBox::Images, &TsCheckBox::SetImages)
      .Object(L"GlyphChecked", &TsCheckBox::GlyphChecked, &TsCheckBox::SetGlyphChecked)
      .Object(L"GlyphUnChecked", &TsCheckBox::GlyphUnChecked, &TsCheckBox::SetGlyphUnChecked);
  RegisterComponentClass<TsCheckBox, TCheckBox>();
  Properties<TsComboBox, TComboBox>()
      .Object(L"SkinData", &TsComboBox::SkinData)
      .Object(L"BoundLabel", &TsComboBox::BoundLabel)
      .Enum(L"Alignment", &TsComboBox::Alignment, &TsComboBox::SetAlignment, taLeftJustify)
      .Boolean(L"ReadOnly", &TsComboBox::ReadOnly, &TsComboBox::SetReadOnly, false);
  RegisterComponentClass<TsComboBox, TComboBox>();
  Properties<TsPanel, TPanel>()
      .Object(L"SkinData", &TsPanel::SkinData)
      .Event(L"OnPaint", &TsPanel::OnPaint, [](TsPanel& p, TPaintEvent e) { p.OnPaint = std::move(e); });
  RegisterComponentClass<TsPanel, TPanel>();
  Properties<TsCustomLabel, TLabel>().String(L"SkinSection", &TsCustomLabel::SkinSection,
                                             &TsCustomLabel::SetSkinSection);
  Properties<TsLabel, TsCustomLabel>().Boolean(L"UseSkinColor", &TsLabel::UseSkinColor, &TsLabel::SetUseSkinColor,
                                               true);
  RegisterComponentClass<TsLabel, TsCustomLabel>();
  RegisterEnum<TsShadowMode>({L"smNone", L"smCustom", L"smSkin1"});
  RegisterEnum<TsKindType>({L"ktStandard", L"ktCustom", L"ktSkin"});
  Properties<TsShadow, TPersistent>()
      .Integer(L"BlurCount", &TsShadow::BlurCount, &TsShadow::SetBlurCount, 4)
      .Integer(L"Distance", &TsShadow::Distance, &TsShadow::SetDistance, 1)
      .Integer(L"Color", &TsShadow::Color, &TsShadow::SetColor, 0)
      .Enum(L"Mode", &TsShadow::Mode, &TsShadow::SetMode, smSkin1);
  Properties<TsKind, TPersistent>()
      .Enum(L"KindType", &TsKind::KindType, &TsKind::SetKindType, ktSkin)
      .Integer(L"Color", &TsKind::Color, &TsKind::SetColor, 0xFFFFFF);
  Properties<TsLabelFX, TsCustomLabel>()
      .Object(L"Shadow", &TsLabelFX::Shadow, &TsLabelFX::SetShadow)
      .Object(L"Kind", &TsLabelFX::Kind, &TsLabelFX::SetKind);
  RegisterComponentClass<TsLabelFX, TsCustomLabel>();
  RegisterEnum<TsWindowShowMode>({L"soHide", L"soNormal", L"soShowMinimized", L"soMaximize", L"soShowNoActivate",
                                  L"soShow", L"soMinimize", L"soShowMinNoActive", L"soShowNA", L"soRestore",
                                  L"soDefault"});
  Properties<TsWebLabel, TsLabel>()
      .String(L"URL", &TsWebLabel::URL, &TsWebLabel::SetURL)
      .Object(L"HoverFont", &TsWebLabel::HoverFont, &TsWebLabel::SetHoverFont)
      .Enum(L"ShowMode", &TsWebLabel::ShowMode, &TsWebLabel::SetShowMode, soDefault);
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
