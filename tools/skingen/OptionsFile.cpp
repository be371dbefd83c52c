#include "tools/skingen/OptionsFile.h"

#include <algorithm>

namespace skingen {

void TOptionsFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  auto s = std::find_if(sections_.begin(), sections_.end(), [&](const Section& x) { return x.name == section; });
  if (s == sections_.end()) s = sections_.insert(sections_.end(), Section{section, {}});
  auto k = std::find_if(s->keys.begin(), s->keys.end(), [&](const auto& x) { return x.first == key; });
  if (k == s->keys.end()) {
    s->keys.emplace_back(key, value);
  } else {
    k->second = value;
  }
}

bool TOptionsFile::HasSection(const std::string& section) const {
  return std::any_of(sections_.begin(), sections_.end(), [&](const Section& x) { return x.name == section; });
}

std::string TOptionsFile::Text() const {
  std::string text;
  for (const Section& s : sections_) {
    if (!text.empty()) text += "\r\n";
    text += "[" + s.name + "]\r\n";
    for (const auto& [key, value] : s.keys) text += key + "=" + value + "\r\n";
  }
  return text;
}

std::string SkinColour(unsigned rgb) {
  const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return std::to_string(r | g << 8 | b << 16);
}

}  // namespace skingen
