#pragma once
// The base of fonts, brushes and pens: a persistent object that tells its
// user (a canvas, a control) when it changes, so the user can reselect it.
#include "classlib/core/Persistent.h"

namespace classlib {

class TGraphicsObject : public TPersistent {
 public:
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

 protected:
  virtual void Changed() {
    if (onChange_) onChange_(this);
  }

 private:
  TNotifyEvent onChange_;
};

}  // namespace classlib
