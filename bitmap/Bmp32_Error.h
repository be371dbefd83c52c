#pragma once
// The bitmap library's own exception: raised where an operation is asked to
// divide by nothing, to work over an empty range or to find a missing item.
#include "classlib/core/Exception.h"

namespace bmp32 {

// Written out: the declaring macro takes an unqualified base name only.
class EBmp32Error : public classlib::Exception {
 public:
  using Exception::Exception;
};

}  // namespace bmp32
