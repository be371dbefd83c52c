#pragma once
// The lines of a profile (INI) file, kept as they are so that a change of one
// value leaves every other line (unknown sections and keys, comments, lines
// the format does not know) in place and in order.
//
// A line is a section header when it starts (after blanks) with "[" and has a
// "]"; a key line when it holds "=" with a non-empty name before it; any
// other line, and a key line before the first header, is kept and ignored.
// Lines starting with ";" are comments. Names compare without regard to case
// (Polish letters too). A section named twice reads as one: the first
// occurrence of a key wins.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace classlib {

class TIniDocument {
 public:
  // Lines end at CR LF, LF or CR.
  static TIniDocument Parse(std::wstring_view text);
  // Every line followed by CR LF.
  std::wstring Text() const;

  // The text after "=" as it stands in the file, untrimmed.
  std::optional<std::wstring> RawValue(std::wstring_view section, std::wstring_view key) const;
  std::vector<std::wstring> KeyNames(std::wstring_view section) const;
  std::vector<std::wstring> SectionNames() const;

  // Replaces the first line of the key, or adds "key=value" after the last
  // key of the section, or adds the section at the end of the file. The
  // caller checks that the names and the value fit on their lines.
  void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  // Each returns whether anything was removed.
  bool EraseSection(std::wstring_view section);
  bool DeleteKey(std::wstring_view section, std::wstring_view key);

 private:
  enum class Kind { Other, Section, Key };
  struct Line {
    std::wstring text;
    Kind kind = Kind::Other;
    std::wstring name;          // section or key name, trimmed
    std::size_t valueStart = 0; // for keys: index after "="
  };
  static Line ParseLine(std::wstring text);
  // Calls visit(index, line) for each key line inside a section of that name.
  template <typename Visit>
  void ForEachKeyIn(std::wstring_view section, Visit visit) const;

  std::vector<Line> lines_;
};

}  // namespace classlib
