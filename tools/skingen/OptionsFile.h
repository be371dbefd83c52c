#pragma once
// The skin description "Options.dat" as it is written: sections and keys in
// the order they were set (the loader walks them in file order), ASCII text,
// CR LF line ends.
#include <string>
#include <utility>
#include <vector>

namespace skingen {

class TOptionsFile {
 public:
  // Adds the key to the section (the section is appended when new); a key set
  // again keeps its place and takes the new value.
  void Set(const std::string& section, const std::string& key, const std::string& value);
  void Set(const std::string& section, const std::string& key, int value) {
    Set(section, key, std::to_string(value));
  }
  bool HasSection(const std::string& section) const;
  std::string Text() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
  };
  std::vector<Section> sections_;
};

// 0xRRGGBB as the decimal colour value of skins (red in the low byte).
std::string SkinColour(unsigned rgb);

}  // namespace skingen
