#pragma once
// A set of enumeration values (up to 64 elements), as stored in published set
// properties: ComponentState, Anchors, font styles and the like.
#include <cstdint>
#include <initializer_list>

namespace classlib {

template <class E>
class TSet {
 public:
  using Element = E;
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> elements) {
    for (E e : elements) mask_ |= Bit(e);
  }
  static constexpr TSet FromMask(uint64_t mask) {
    TSet s;
    s.mask_ = mask;
    return s;
  }

  constexpr uint64_t Mask() const { return mask_; }
  constexpr bool Contains(E e) const { return (mask_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return mask_ == 0; }
  constexpr TSet& Include(E e) {
    mask_ |= Bit(e);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    mask_ &= ~Bit(e);
    return *this;
  }

  constexpr TSet operator+(TSet other) const { return FromMask(mask_ | other.mask_); }
  constexpr TSet operator-(TSet other) const { return FromMask(mask_ & ~other.mask_); }
  constexpr TSet operator*(TSet other) const { return FromMask(mask_ & other.mask_); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint64_t Bit(E e) { return uint64_t{1} << static_cast<unsigned>(e); }
  uint64_t mask_ = 0;
};

}  // namespace classlib
