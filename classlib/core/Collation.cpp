#include "classlib/core/Collation.h"

#include <string>

#include "classlib/core/ConvertText.h"

namespace classlib {

namespace {

// Sort weight of a lower-case character: every character keeps its code
// point's place, spread out so that each Polish letter fits between its base
// letter and the next one.
unsigned Weight(wchar_t c) {
  struct Polish {
    wchar_t letter, base, rank;
  };
  static constexpr Polish polish[] = {
      {L'ą', L'a', 1}, {L'ć', L'c', 1}, {L'ę', L'e', 1}, {L'ł', L'l', 1}, {L'ń', L'n', 1},
      {L'ó', L'o', 1}, {L'ś', L's', 1}, {L'ź', L'z', 1}, {L'ż', L'z', 2},
  };
  for (const Polish& p : polish)
    if (c == p.letter) return static_cast<unsigned>(p.base) * 4 + p.rank;
  return static_cast<unsigned>(c) * 4;
}

}  // namespace

int CollateText(std::wstring_view a, std::wstring_view b) {
  const std::wstring la = AnsiLowerCase(a), lb = AnsiLowerCase(b);
  const size_t n = la.size() < lb.size() ? la.size() : lb.size();
  for (size_t i = 0; i < n; ++i) {
    const unsigned wa = Weight(la[i]), wb = Weight(lb[i]);
    if (wa != wb) return wa < wb ? -1 : 1;
  }
  if (la.size() == lb.size()) return 0;
  return la.size() < lb.size() ? -1 : 1;
}

int CollateStr(std::wstring_view a, std::wstring_view b) {
  if (const int r = CollateText(a, b)) return r;
  return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

}  // namespace classlib
