#include "skin/core/SkinFiles.h"

#include "classlib/core/ConvertText.h"
#include "classlib/core/FileUtilsIO.h"
#include "skin/core/PackedSkin.h"

namespace skin {

std::wstring TsSkinFolderFiles::Resolve(const std::wstring& name) const {
  return name.find(L':') == std::wstring::npos ? skinPath_ + name : name;
}

bool TsSkinFolderFiles::Read(const std::wstring& name, std::string& bytes) const {
  return !name.empty() && classlib::TryReadFileBytes(Resolve(name), bytes);
}

bool TsSkinMemoryFiles::Read(const std::wstring& name, std::string& bytes) const {
  const std::wstring upperName = classlib::AnsiUpperCase(name);
  for (const auto& [entryName, entryBytes] : entries_) {
    if (classlib::AnsiUpperCase(entryName) == upperName) {
      bytes = entryBytes;
      return true;
    }
  }
  return false;
}

bool TsSkinPackedFiles::Read(const std::wstring& name, std::string& bytes) const {
  const std::wstring upperName = classlib::AnsiUpperCase(name);
  for (const TacImageItem& item : convertor_.Images) {
    if (item.Data && classlib::AnsiUpperCase(item.Name) == upperName) {
      const auto& data = item.Data->Bytes();
      bytes.assign(data.begin(), data.end());
      return true;
    }
  }
  return false;
}

}  // namespace skin
