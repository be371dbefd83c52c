#include "bitmap/Bmp32_Filters.h"

namespace bmp32 {

namespace {

struct And {
  static std::uint32_t Apply(std::uint32_t v, std::uint32_t m) { return v & m; }
};
struct Or {
  static std::uint32_t Apply(std::uint32_t v, std::uint32_t m) { return v | m; }
};
struct Xor {
  static std::uint32_t Apply(std::uint32_t v, std::uint32_t m) { return v ^ m; }
};

template <class Op>
void Simple(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count, std::uint32_t mask) {
  for (std::int32_t i = 0; i < count; ++i) dst[i] = Op::Apply(src[i], mask);
}

template <class Op>
void Unrolled(const std::uint32_t* src, std::uint32_t* dst, std::int32_t count, std::uint32_t mask) {
  std::int32_t i = 0;
  for (; i + 16 <= count; i += 16)
    for (int k = 0; k < 16; ++k) dst[i + k] = Op::Apply(src[i + k], mask);
  for (; i < count; ++i) dst[i] = Op::Apply(src[i], mask);
}

}  // namespace

namespace plain {
void MaskRowAnd(std::uint32_t* d, std::uint32_t m, std::int32_t n) { Simple<And>(d, d, n, m); }
void MaskRowOr(std::uint32_t* d, std::uint32_t m, std::int32_t n) { Simple<Or>(d, d, n, m); }
void MaskRowXor(std::uint32_t* d, std::uint32_t m, std::int32_t n) { Simple<Xor>(d, d, n, m); }
void MaskRowAndEx(const std::uint32_t* s, std::uint32_t* d, std::int32_t n, std::uint32_t m) {
  Simple<And>(s, d, n, m);
}
void MaskRowOrEx(const std::uint32_t* s, std::uint32_t* d, std::int32_t n, std::uint32_t m) {
  Simple<Or>(s, d, n, m);
}
void MaskRowXorEx(const std::uint32_t* s, std::uint32_t* d, std::int32_t n, std::uint32_t m) {
  Simple<Xor>(s, d, n, m);
}
}  // namespace plain

namespace unrolled {
void MaskRowAnd(std::uint32_t* d, std::uint32_t m, std::int32_t n) { Unrolled<And>(d, d, n, m); }
void MaskRowOr(std::uint32_t* d, std::uint32_t m, std::int32_t n) { Unrolled<Or>(d, d, n, m); }
void MaskRowXor(std::uint32_t* d, std::uint32_t m, std::int32_t n) { Unrolled<Xor>(d, d, n, m); }
void MaskRowAndEx(const std::uint32_t* s, std::uint32_t* d, std::int32_t n, std::uint32_t m) {
  Unrolled<And>(s, d, n, m);
}
void MaskRowOrEx(const std::uint32_t* s, std::uint32_t* d, std::int32_t n, std::uint32_t m) {
  Unrolled<Or>(s, d, n, m);
}
void MaskRowXorEx(const std::uint32_t* s, std::uint32_t* d, std::int32_t n, std::uint32_t m) {
  Unrolled<Xor>(s, d, n, m);
}
}  // namespace unrolled

TMaskRow* MaskRowAnd = plain::MaskRowAnd;
TMaskRow* MaskRowOr = plain::MaskRowOr;
TMaskRow* MaskRowXor = plain::MaskRowXor;
TMaskRowEx* MaskRowAndEx = plain::MaskRowAndEx;
TMaskRowEx* MaskRowOrEx = plain::MaskRowOrEx;
TMaskRowEx* MaskRowXorEx = plain::MaskRowXorEx;

namespace {

TFunctionRegistry& BuildFiltersRegistry() {
  TFunctionRegistry& r = CreateRegistry(L"Bmp32_Filters bindings");
  r.Add(0, plain::MaskRowAnd);
  r.Add(1, plain::MaskRowOr);
  r.Add(2, plain::MaskRowXor);
  r.Add(3, plain::MaskRowAndEx);
  r.Add(4, plain::MaskRowOrEx);
  r.Add(5, plain::MaskRowXorEx);
  r.Add(0, unrolled::MaskRowAnd);
  r.Add(1, unrolled::MaskRowOr);
  r.Add(2, unrolled::MaskRowXor);
  r.Add(3, unrolled::MaskRowAndEx);
  r.Add(4, unrolled::MaskRowOrEx);
  r.Add(5, unrolled::MaskRowXorEx);
  // No multimedia-register forms on x86_64; the unrolled forms are bound.
  r.AddBinding(0, &MaskRowAnd);
  r.AddBinding(1, &MaskRowOr);
  r.AddBinding(2, &MaskRowXor);
  r.AddBinding(3, &MaskRowAndEx);
  r.AddBinding(4, &MaskRowOrEx);
  r.AddBinding(5, &MaskRowXorEx);
  r.BindAll();
  return r;
}

TFunctionRegistry& filtersRegistry = BuildFiltersRegistry();

}  // namespace

TFunctionRegistry& FiltersRegistry() { return filtersRegistry; }

}  // namespace bmp32
