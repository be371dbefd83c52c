#include "classlib/controls/SizeConstraints.h"

namespace classlib {

void TSizeConstraints::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TSizeConstraints*>(source)) {
    minWidth_ = other->minWidth_;
    minHeight_ = other->minHeight_;
    maxWidth_ = other->maxWidth_;
    maxHeight_ = other->maxHeight_;
    if (OnChange) OnChange(this);
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace classlib
