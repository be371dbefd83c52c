#pragma once
// Puts generated pictures into a form description. The description names
// where each goes by a line holding only "%Key%"; the line is replaced by
// the key's property text at the line's indentation, in the form text's own
// notation (binary values as hex digits in braces, 32 bytes a line).
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace glyphgen {

using TBytes = std::vector<std::uint8_t>;
using TLines = std::vector<std::string>;

// `Name = {...}`.
TLines BinaryProperty(const std::string& name, const TBytes& bytes);
// An alpha image list's stored items: `Items = < item ImgData = {...} end ... >`.
TLines ImageListItems(const std::vector<TBytes>& files);
// A picture's stored graphic: the class name, then the graphic's sized block.
TLines PictureData(const std::string& property, const std::string& graphicClass, const TBytes& file);
// A bitmap property's stored form (a glyph): the BMP file as a sized block.
TLines BitmapData(const std::string& property, const TBytes& bmpFile);
// A skin manager's internal skins: one item named `name` holding the packed
// skin container as its "Data".
TLines StoredSkinItems(const std::string& name, const TBytes& packedSkin);

// Raises std::runtime_error naming the line of a placeholder with no
// replacement, and for a replacement that found no placeholder.
std::string ComposeForm(const std::string& description, const std::map<std::string, TLines>& replacements);

}  // namespace glyphgen
