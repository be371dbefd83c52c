#pragma once
// The reader of a skin description ("Options.dat", or lines held in memory):
// sections in file order, keys of a section in file order, and string,
// integer and float reads with defaults. Section and key names compare
// exactly (skins write them in upper case); a section named twice reads as
// one, and the first line of a key wins. Names and values are trimmed.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "classlib/core/Strings.h"

namespace skin {

class TsSkinOptions {
 public:
  // `name` only identifies the reader ("Options.dat", "1.tmp" ...).
  static TsSkinOptions FromText(std::wstring name, std::wstring_view text);
  // The bytes of a description file in code page 1250.
  static TsSkinOptions FromBytes(std::wstring name, std::string_view bytes);
  static TsSkinOptions FromLines(std::wstring name, const classlib::TStrings& lines);

  const std::wstring& Name() const { return name_; }
  std::vector<std::wstring> SectionNames() const;
  std::vector<std::wstring> KeyNames(std::wstring_view section) const;
  bool HasSection(std::wstring_view section) const { return Find(section) != nullptr; }

  std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue) const;
  // Decimal, or hexadecimal after "0x"; the default for anything else.
  int ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const;
  // "." is the decimal separator; the default for anything else.
  double ReadFloat(std::wstring_view section, std::wstring_view key, double defaultValue) const;

 private:
  struct Section {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> keys;
  };
  const Section* Find(std::wstring_view section) const;
  const std::wstring* Value(std::wstring_view section, std::wstring_view key) const;

  std::wstring name_;
  std::vector<Section> sections_;
};

}  // namespace skin
