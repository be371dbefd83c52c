#include "skin/controls/sLabels.h"

#include "classlib/menus/Shell.h"

namespace skin {

using namespace classlib;

TsWebLabel::TsWebLabel(TComponent* owner) : TsLabel(owner), hoverFont_(std::make_unique<TFont>()) {}

TsWebLabel::~TsWebLabel() = default;

void TsWebLabel::Click() {
  TsLabel::Click();
  if (!url_.empty()) ShellOpen(url_);
}

void TsWebLabel::MouseEnter() {
  TsLabel::MouseEnter();
  if (normalFont_) return;
  normalFont_ = std::make_unique<TFont>();
  normalFont_->Assign(Font());
  Font()->Assign(hoverFont_.get());
}

void TsWebLabel::MouseLeave() {
  TsLabel::MouseLeave();
  if (!normalFont_) return;
  Font()->Assign(normalFont_.get());
  normalFont_.reset();
}

}  // namespace skin
