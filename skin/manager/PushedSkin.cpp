#include "skin/manager/PushedSkin.h"

#include <cstring>

#include "classlib/core/Cp1250.h"

namespace skin {

namespace {

// The bytes of a field up to its first zero, or all of them.
std::string_view FieldText(const char* field, std::size_t size) {
  const void* end = std::memchr(field, 0, size);
  return {field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size};
}

}  // namespace

std::optional<TsPushedSkin> ReadPushedSkin(const void* data, std::size_t size) {
  if (!data || size < PushedSkinBlockSize) return std::nullopt;
  const auto* bytes = static_cast<const char*>(data);
  const auto* id = reinterpret_cast<const unsigned char*>(bytes);
  if ((id[0] | id[1] << 8 | id[2] << 16 | static_cast<std::uint32_t>(id[3]) << 24) != PushedSkinId)
    return std::nullopt;
  const char* name = bytes + 4;
  const char* directory = name + PushedSkinNameSize;
  const char* options = directory + PushedSkinDirectorySize;
  TsPushedSkin skin;
  skin.Name = classlib::Cp1250ToWide(FieldText(name, PushedSkinNameSize));
  skin.Directory = classlib::Cp1250ToWide(FieldText(directory, PushedSkinDirectorySize));
  skin.Options = std::string(FieldText(options, PushedSkinOptionsSize));
  return skin;
}

}  // namespace skin
