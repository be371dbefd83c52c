#include "bitmap/Bmp32_Math.h"

#include <limits>

#include "bitmap/Bmp32_Error.h"

namespace bmp32 {

TFixed FixedDiv(TFixed a, TFixed b) {
  if (b == 0) throw EBmp32Error(L"Fixed-point division by zero");
  const std::int64_t q = (static_cast<std::int64_t>(a) * 65536) / b;
  if (q < std::numeric_limits<std::int32_t>::min() || q > std::numeric_limits<std::int32_t>::max())
    throw EBmp32Error(L"Fixed-point quotient out of range");
  return static_cast<TFixed>(q);
}

}  // namespace bmp32
