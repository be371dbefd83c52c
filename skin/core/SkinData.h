#pragma once
// The in-memory skin: the skin-wide record, one record per section of the
// description, one per bitmap mask (most of them rectangles of a shared
// master bitmap) and one per large JPEG texture, plus the indexes of the
// well-known sections and masks. Everything paints from these by index; an
// index of -1 means that the skin lacks the item.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bitmap/Bmp32.h"
#include "skin/core/GradientData.h"
#include "skin/core/SkinTypes.h"

namespace skin {

class TsSkinManager;

// Transparent pixels of skin bitmaps, and "no colour" in several fields.
inline constexpr TColor kSkinKeyColor = 0xFF00FF;
// The key colour as a 32-bit pixel: alpha 0, so that it stays apart from the
// opaque pixels around it.
inline constexpr bmp32::TColor32 kSkinKeyPixel = 0x00FF00FF;

// One drawing state of a section.
struct TsGenState {
  TColor Color = 0;
  TColor FontColor = 0;
  std::array<TColor, 4> TextColors{};  // outline sides left, top, right, bottom; -1 none
  std::int32_t GradientPercent = 0;
  std::wstring GradientData;
  TsGradientArray GradientArray;
  std::int32_t ImagePercent = 0;
  std::int32_t TextureIndex = -1;
  TColor GlowColor = 0;
  std::uint8_t GlowSize = 0;
  std::int32_t Transparency = 0;
};

// Index 0 normal, index 1 hot.
using TsProps = std::array<TsGenState, 2>;

// One section of the description.
struct TsGeneralData {
  std::wstring ParentClass;
  std::wstring ClassName;
  std::int32_t States = 3;
  TsProps Props;
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  bool ShowFocus = false;
  std::int32_t GlowCount = 0;
  std::int32_t GlowMargin = 0;
  std::int32_t BorderIndex = -1;
  std::int32_t ImgTopLeft = -1;
  std::int32_t ImgTopRight = -1;
  std::int32_t ImgBottomLeft = -1;
  std::int32_t ImgBottomRight = -1;
  std::int32_t TextureIndex = -1;
  // The flat values serve loading and inheritance; painting reads Props.
  TColor Color = 0;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  std::wstring GradientData;
  TsGradientArray GradientArray;
  std::int32_t ImagePercent = 0;
  TColor FontColor = 0;
  std::array<TColor, 4> TextColors{};
  TColor HotColor = 0;
  std::int32_t HotTransparency = 0;
  std::int32_t HotGradientPercent = 0;
  std::wstring HotGradientData;
  TsGradientArray HotGradientArray;
  std::int32_t HotImagePercent = 0;
  TColor HotFontColor = 0;
  std::array<TColor, 4> HotTextColors{};
  bool FadingEnabled = false;
  std::int32_t FadingIterations = 0;
  TColor HotGlowColor = 0;
  TColor GlowColor = 0;
  std::uint8_t HotGlowSize = 0;
  std::uint8_t GlowSize = 0;
};

// What a mask's rectangle holds.
enum TsMaskKind : std::uint8_t { mkBorder = 0, mkTexture = 1, mkGlyph = 2 };

// One bitmap mask.
struct TsMaskData {
  // The mask's own bitmap; null when the mask lies in the master bitmap.
  std::shared_ptr<bmp32::TCustomBitmap32> Bmp;
  std::wstring ClassName;
  std::wstring PropertyName;
  TRect R;  // all frames and states
  std::int16_t ImageCount = 0;  // frames side by side
  // -1 none, 0 no mask part, n: n+1 rows, the first one the image.
  std::int16_t MaskType = 0;
  std::int16_t BorderWidth = 0;
  std::int16_t DrawMode = 0;  // bit 0: sides and centre stretched, else tiled
  std::uint8_t MaskKind = mkBorder;
  TsSkinManager* Manager = nullptr;
  std::int16_t WL = 0, WT = 0, WR = 0, WB = 0;
  // 0 opaque corners, 1 a corner pixel is the key colour, 2 forced.
  std::int16_t CornerType = 0;
};

// A large JPEG texture.
struct TsPatternData {
  std::shared_ptr<bmp32::TCustomBitmap32> Img;
  std::wstring ClassName;
  std::wstring PropertyName;
};

using TsMaskArray = std::vector<TsMaskData>;
using TsPatternArray = std::vector<TsPatternData>;
using TsGeneralDataArray = std::vector<TsGeneralData>;

// The skin-wide values ("GLOBALINFO").
struct TsSkinData {
  std::wstring SkinPath;  // with a trailing "\"
  bool Active = false;
  double Version = 0;
  std::wstring Author;
  std::wstring Description;
  TColor Shadow1Color = 0;
  std::int16_t Shadow1Offset = 0, Shadow1Blur = -1, Shadow1Transparency = 0;
  std::int16_t BorderWidth = 4, TitleHeight = 30, MaxHeight = 0, FormOffset = 0, AlignOffset = 0, CenterOffset = 0,
               BorderMode = 0;
  TColor BorderColor = 0;
  std::int16_t BISpace = 0, BIVAlign = 0, BIRight = 0, BILeft = 0, BITop = 0, BIKeepHue = 0;
  std::int16_t BICloseGlow = 0, BICloseGlowMargin = 0, BIMaxGlow = 0, BIMaxGlowMargin = 0, BIMinGlow = 0,
               BIMinGlowMargin = 0;
  bool AeroBlur = false;
  std::int32_t ExtShadow = 0;
};

// Indexes of a well-known section and of its masks and textures.
struct TsSectionConst {
  std::int16_t Section = -1;
  std::int16_t Border = -1;
  std::int16_t Glyph = -1;
  std::int16_t Pattern = -1;
  std::int16_t HotPattern = -1;
};

// Indexes cached after a load, -1 when absent.
struct TsConstData {
  std::int16_t GlobalInfo = -1;
  std::array<TsSectionConst, 4> Tabs;           // TABTOP, TABBOTTOM, TABLEFT, TABRIGHT
  std::array<TsSectionConst, 4> ScrollButtons;  // SCROLLBTNTOP, ...BOTTOM, ...LEFT, ...RIGHT
  std::array<TsSectionConst, 2> ScrollSliders;  // SCROLLSLIDERV, SCROLLSLIDERH
  std::array<TsSectionConst, 4> ScrollBars;     // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V
  TsSectionConst ComboButton;                   // COMBOBTN
  std::int16_t ComboBoxGlyph = -1;              // COMBOBOX's GLYPHMASK
  std::int16_t WebButton = -1;
  // Masks of GLOBALINFO.
  std::array<std::int16_t, 3> CheckBox{-1, -1, -1};  // checked, unchecked, grayed
  std::array<std::int16_t, 3> Radio{-1, -1, -1};
  std::array<std::int16_t, 3> SmallBox{-1, -1, -1};
  std::int16_t ExBorder = -1, GripImage = -1, GripHorz = -1, GripVert = -1;
  std::int16_t TitleClose = -1, TitleCloseAlone = -1, TitleMax = -1, TitleNorm = -1, TitleMin = -1,
               TitleHelp = -1;
  std::int16_t SmallClose = -1, SmallMax = -1, SmallNorm = -1, SmallMin = -1, SmallHelp = -1;
};

// Everything one load builds. A load fills a fresh model and hands it over
// only when it succeeds, so a failing skin leaves the previous one in place.
struct TsSkinModel {
  TsSkinData SkinData;
  TsGeneralDataArray Sections;
  TsMaskArray Masks;
  TsPatternArray Patterns;
  std::shared_ptr<bmp32::TCustomBitmap32> MasterBitmap;
  TsConstData ConstData;
};

}  // namespace skin
