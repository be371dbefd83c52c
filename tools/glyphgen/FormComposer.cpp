#include "tools/glyphgen/FormComposer.h"

#include <set>
#include <sstream>
#include <stdexcept>

namespace glyphgen {

namespace {

void AppendSizedBlock(TBytes& out, const TBytes& block) {
  const auto size = static_cast<std::uint32_t>(block.size());
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(size >> shift));
  out.insert(out.end(), block.begin(), block.end());
}

}  // namespace

TLines BinaryProperty(const std::string& name, const TBytes& bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  TLines lines{name + " = {"};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) lines.emplace_back("  ");
    lines.back() += kHex[bytes[i] >> 4];
    lines.back() += kHex[bytes[i] & 15];
  }
  lines.back() += '}';
  return lines;
}

TLines ImageListItems(const std::vector<TBytes>& files) {
  TLines lines{"Items = <"};
  for (const TBytes& file : files) {
    lines.emplace_back("  item");
    for (const std::string& line : BinaryProperty("ImgData", file)) lines.push_back("    " + line);
    lines.emplace_back("  end");
  }
  lines.back() += '>';
  return lines;
}

TLines StoredSkinItems(const std::string& name, const TBytes& packedSkin) {
  TLines lines{"InternalSkins = <", "  item", "    Name = '" + name + "'"};
  for (const std::string& line : BinaryProperty("Data", packedSkin)) lines.push_back("    " + line);
  lines.emplace_back("  end>");
  return lines;
}

TLines PictureData(const std::string& property, const std::string& graphicClass, const TBytes& file) {
  TBytes data{static_cast<std::uint8_t>(graphicClass.size())};
  data.insert(data.end(), graphicClass.begin(), graphicClass.end());
  AppendSizedBlock(data, file);
  return BinaryProperty(property, data);
}

TLines BitmapData(const std::string& property, const TBytes& bmpFile) {
  TBytes data;
  AppendSizedBlock(data, bmpFile);
  return BinaryProperty(property, data);
}

std::string ComposeForm(const std::string& description, const std::map<std::string, TLines>& replacements) {
  std::istringstream in(description);
  std::string out, line;
  std::set<std::string> used;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const bool crlf = !line.empty() && line.back() == '\r';
    if (crlf) line.pop_back();
    const std::string eol = crlf ? "\r\n" : "\n";
    const std::size_t indent = line.find_first_not_of(' ');
    const bool placeholder = indent != std::string::npos && line.size() - indent > 2 && line[indent] == '%' &&
                             line.back() == '%';
    if (!placeholder) {
      out += line + eol;
      continue;
    }
    const std::string key = line.substr(indent + 1, line.size() - indent - 2);
    const auto it = replacements.find(key);
    if (it == replacements.end())
      throw std::runtime_error("line " + std::to_string(number) + ": nothing to put in place of %" + key + "%");
    used.insert(key);
    for (const std::string& text : it->second) out += std::string(indent, ' ') + text + eol;
  }
  for (const auto& [key, lines] : replacements)
    if (!used.count(key)) throw std::runtime_error("the description has no place for %" + key + "%");
  return out;
}

}  // namespace glyphgen
