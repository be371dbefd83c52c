#pragma once
// Logical mask operations over rows of 32-bit values, bound through the
// unit's registry. A count of 0 or less changes nothing.
#include <cstdint>

#include "bitmap/Bmp32_Bindings.h"

namespace bmp32 {

using TMaskRow = void(std::uint32_t* dst, std::uint32_t mask, std::int32_t count);
using TMaskRowEx = void(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count,
                        std::uint32_t mask);

extern TMaskRow* MaskRowAnd;    // dst[i] &= mask
extern TMaskRow* MaskRowOr;     // dst[i] |= mask
extern TMaskRow* MaskRowXor;    // dst[i] ^= mask
extern TMaskRowEx* MaskRowAndEx;  // dst[i] = src[i] & mask
extern TMaskRowEx* MaskRowOrEx;   // dst[i] = src[i] | mask
extern TMaskRowEx* MaskRowXorEx;  // dst[i] = src[i] ^ mask

TFunctionRegistry& FiltersRegistry();

namespace plain {
void MaskRowAnd(std::uint32_t* dst, std::uint32_t mask, std::int32_t count);
void MaskRowOr(std::uint32_t* dst, std::uint32_t mask, std::int32_t count);
void MaskRowXor(std::uint32_t* dst, std::uint32_t mask, std::int32_t count);
void MaskRowAndEx(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count, std::uint32_t mask);
void MaskRowOrEx(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count, std::uint32_t mask);
void MaskRowXorEx(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count, std::uint32_t mask);
}  // namespace plain

// The second plain forms: sixteen values per step, then the rest singly.
namespace unrolled {
void MaskRowAnd(std::uint32_t* dst, std::uint32_t mask, std::int32_t count);
void MaskRowOr(std::uint32_t* dst, std::uint32_t mask, std::int32_t count);
void MaskRowXor(std::uint32_t* dst, std::uint32_t mask, std::int32_t count);
void MaskRowAndEx(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count, std::uint32_t mask);
void MaskRowOrEx(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count, std::uint32_t mask);
void MaskRowXorEx(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count, std::uint32_t mask);
}  // namespace unrolled

}  // namespace bmp32
