#pragma once
// The skinned label family beyond TsLabel: the effect label and the web
// label, which opens its address when clicked and shows its hover font while
// the mouse is over it.
#include <memory>
#include <string>

#include "classlib/graphics/Font.h"
#include "skin/controls/sStandardControls.h"

namespace skin {

class TsLabelFX : public TsLabel {
 public:
  explicit TsLabelFX(classlib::TComponent* owner) : TsLabel(owner) {}
};

class TsWebLabel : public TsLabel {
 public:
  explicit TsWebLabel(classlib::TComponent* owner);
  ~TsWebLabel() override;

  // Opened through the program's shell seam when the label is clicked;
  // nothing is opened while it is empty.
  const std::wstring& URL() const { return url_; }
  void SetURL(const std::wstring& value) { url_ = value; }
  classlib::TFont* HoverFont() const { return hoverFont_.get(); }
  // True while the hover font is shown.
  bool Hovered() const { return normalFont_ != nullptr; }

  void Click() override;

 protected:
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  std::wstring url_;
  std::unique_ptr<classlib::TFont> hoverFont_;
  // The label's own font, kept while the hover font stands in for it.
  std::unique_ptr<classlib::TFont> normalFont_;
};

}  // namespace skin
