#pragma once
// The caption label a skinned edit can carry beside itself: a sub-object
// of the edit (published as BoundLabel) that creates, names, places and
// keeps in step a label whose FocusControl is the edit.
#include <memory>
#include <string>

#include "classlib/core/Persistent.h"
#include "classlib/graphics/Font.h"
#include "skin/common/sCommonData.h"
#include "skin/controls/sLabels.h"

namespace skin {

enum TsCaptionLayout {
  sclLeft,
  sclTopLeft,
  sclTopCenter,
  sclTopRight,
  sclLeftTop,
  sclBottomLeft,
  sclBottomCenter,
  sclBottomRight
};

class TsEditLabel;

class TsBoundLabel : public classlib::TPersistent {
 public:
  // The edit is the owner control of its skin state.
  explicit TsBoundLabel(TsCommonData* commonData);
  ~TsBoundLabel() override;

  bool Active() const { return active_; }
  // True makes the label (named after the edit, its text the edit's name
  // when Caption is empty) and places it; False frees it.
  void SetActive(bool value);
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& value);
  int Indent() const { return indent_; }
  void SetIndent(int value);
  // The label's font while it exists; without a label a value is not kept.
  classlib::TFont* Font() const;
  void SetFont(const classlib::TFont* value);
  TsCaptionLayout Layout() const { return layout_; }
  void SetLayout(TsCaptionLayout value);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value);
  bool UseSkinColor() const;
  void SetUseSkinColor(bool value);

  TsEditLabel* Label() const { return label_; }
  // Puts the label beside the edit by Layout and Indent.
  void AlignLabel();
  void UpdateAlignment();

 private:
  friend class TsEditLabel;
  classlib::TWinControl* Edit() const;

  int maxWidth_ = 0;
  std::wstring caption_;
  TsCaptionLayout layout_ = sclLeft;
  std::unique_ptr<classlib::TFont> font_;
  int indent_ = 0;
  bool active_ = false;
  TsEditLabel* label_ = nullptr;  // owned by the edit as a component; freed here
  TsCommonData* commonData_;
};

// The label of a bound label; it tells its bound label when it goes first.
class TsEditLabel : public TsLabel {
 public:
  TsEditLabel(classlib::TComponent* owner, TsBoundLabel* boundLabel);
  ~TsEditLabel() override;

  TsBoundLabel* BoundLabel() const { return boundLabel_; }

 private:
  friend class TsBoundLabel;
  TsBoundLabel* boundLabel_;
};

}  // namespace skin
