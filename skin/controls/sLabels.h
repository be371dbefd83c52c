#pragma once
// The skinned labels. They own no skin state: they take their font colour
// from the skin (from the section of the nearest skinned parent that gives
// its own font) and, given a SkinSection, paint that section's background
// under the text. TsLabel can keep its own colour (UseSkinColor off); the
// web label opens its address when clicked and shows its hover font while
// the mouse is over it; the effect label draws a blurred shadow.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "classlib/controls/Label.h"
#include "classlib/core/Persistent.h"
#include "classlib/graphics/Font.h"

namespace skin {

class TsCustomLabel : public classlib::TLabel {
 public:
  explicit TsCustomLabel(classlib::TComponent* owner);

  const std::wstring& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::wstring& value);

  // The font to paint with, its colour taken from the skin where the label
  // follows it.
  virtual classlib::TFont* GetCurrentFont();

 protected:
  void Paint() override;
  void DoDrawText(classlib::TRect& rect, UINT flags) override;
  void WndProc(classlib::TMessage& message) override;
  // The skin's colour for the label's text: the found font section's, else
  // the skin's global font colour; 0xFF00FF when no skin is active.
  classlib::TColor SkinFontColor() const;
  // Sets the font colour unless it is the key colour or already set.
  void ApplyFontColor(classlib::TColor color);
  // The skin is removed: the text goes back to the window text colour.
  void TakeWindowTextColor(const classlib::TMessage& message);

  int skinIndex_ = -1;

 private:
  std::wstring skinSection_;
};

class TsLabel : public TsCustomLabel {
 public:
  explicit TsLabel(classlib::TComponent* owner) : TsCustomLabel(owner) {}

  // Off: the label keeps its own font colour under any skin.
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value);

  classlib::TFont* GetCurrentFont() override;

 protected:
  void WndProc(classlib::TMessage& message) override;

 private:
  bool useSkinColor_ = true;
};

enum TsWindowShowMode {
  soHide, soNormal, soShowMinimized, soMaximize, soShowNoActivate, soShow, soMinimize, soShowMinNoActive,
  soShowNA, soRestore, soDefault
};

class TsWebLabel : public TsLabel {
 public:
  explicit TsWebLabel(classlib::TComponent* owner);
  ~TsWebLabel() override;

  // Opened through the program's shell seam when the label is pressed;
  // nothing is opened while it is empty.
  const std::wstring& URL() const { return url_; }
  void SetURL(const std::wstring& value) { url_ = value; }
  classlib::TFont* HoverFont() const { return hoverFont_.get(); }
  void SetHoverFont(const classlib::TFont* value) { hoverFont_->Assign(value); }
  TsWindowShowMode ShowMode() const { return showMode_; }
  void SetShowMode(TsWindowShowMode value) { showMode_ = value; }
  // True while the hover font is shown.
  bool Hovered() const { return hovered_; }

  classlib::TFont* GetCurrentFont() override;

 protected:
  void WndProc(classlib::TMessage& message) override;

 private:
  void SetHovered(bool value);

  // The label's own font, kept while the hover font stands in for it.
  std::unique_ptr<classlib::TFont> normalFont_;
  std::unique_ptr<classlib::TFont> hoverFont_;
  std::wstring url_;
  TsWindowShowMode showMode_ = soDefault;
  bool hovered_ = false;
};

class TsLabelFX;

enum TsShadowMode { smNone, smCustom, smSkin1 };
enum TsKindType { ktStandard, ktCustom, ktSkin };

class TsShadow : public classlib::TPersistent {
 public:
  explicit TsShadow(TsLabelFX* owner) : owner_(owner) {}

  int BlurCount() const { return blurCount_; }
  void SetBlurCount(int value);
  int Distance() const { return distance_; }
  void SetDistance(int value);
  classlib::TColor Color() const { return color_; }
  void SetColor(classlib::TColor value);
  TsShadowMode Mode() const { return mode_; }
  void SetMode(TsShadowMode value);

 private:
  void Changed();

  int blurCount_ = 4;
  int distance_ = 1;
  classlib::TColor color_ = 0;
  TsLabelFX* owner_;
  TsShadowMode mode_ = smSkin1;
};

class TsKind : public classlib::TPersistent {
 public:
  explicit TsKind(TsLabelFX* owner) : owner_(owner) {}

  TsKindType KindType() const { return kindType_; }
  void SetKindType(TsKindType value);
  classlib::TColor Color() const { return color_; }
  void SetColor(classlib::TColor value);

 private:
  TsLabelFX* owner_;
  TsKindType kindType_ = ktSkin;
  classlib::TColor color_ = 0xFFFFFF;
};

// The blur a shadow is drawn with: a skin or form value beyond this would
// only cost memory and time; below 1 there is no shadow.
inline constexpr int kMaxShadowBlur = 16;
int ClampShadowBlur(int blur);

// Softens a one-byte mask in place, Passes times: each inner byte (all but
// the outer one-pixel rim) becomes the mean of its four neighbours, taken
// in row order so that updated left and upper neighbours are used.
void BlurShadowMask(std::vector<std::uint8_t>& mask, int width, int height, int passes);

class TsLabelFX : public TsCustomLabel {
 public:
  explicit TsLabelFX(classlib::TComponent* owner);
  ~TsLabelFX() override;

  TsShadow* Shadow() const { return shadow_.get(); }
  void SetShadow(const TsShadow* value);
  TsKind* Kind() const { return kind_.get(); }
  void SetKind(const TsKind* value);

  // The shadow's colour, blur (clamped) and distance in effect now.
  struct TShadowParams {
    classlib::TColor Color;
    int Blur;
    int Distance;
  };
  TShadowParams ShadowParams() const;
  classlib::TColor TextColor() const;

 protected:
  void DoDrawText(classlib::TRect& rect, UINT flags) override;

 private:
  void DrawShadow(const classlib::TRect& rect, UINT flags, const TShadowParams& shadow);

  std::unique_ptr<TsShadow> shadow_;
  std::unique_ptr<TsKind> kind_;
};

}  // namespace skin
