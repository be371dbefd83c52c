#pragma once
// Sets of byte characters (0..255), used as word delimiters. Characters
// above 255 are never members.
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace skin {

class TSysCharSet {
 public:
  TSysCharSet() = default;
  TSysCharSet(std::initializer_list<wchar_t> chars) {
    for (wchar_t c : chars) Include(c);
  }
  explicit TSysCharSet(std::wstring_view chars) {
    for (wchar_t c : chars) Include(c);
  }

  void Include(wchar_t c) {
    if (InRange(c)) bits_.set(static_cast<uint32_t>(c));
  }
  bool Contains(wchar_t c) const { return InRange(c) && bits_.test(static_cast<uint32_t>(c)); }

 private:
  // wchar_t is signed on some platforms: compare as unsigned.
  static bool InRange(wchar_t c) { return static_cast<uint32_t>(c) < 256; }
  std::bitset<256> bits_;
};

inline bool CharInSet(wchar_t c, const TSysCharSet& set) { return set.Contains(c); }

}  // namespace skin
