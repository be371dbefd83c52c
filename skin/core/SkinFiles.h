#pragma once
// Where a skin's images come from: the files of a skin folder, or the
// entries of a packed skin held in memory. The loader asks by the name the
// description writes.
#include <string>
#include <utility>
#include <vector>

namespace skin {

class TacSkinConvertor;

class TsSkinFiles {
 public:
  virtual ~TsSkinFiles() = default;
  // False when there is no such file or entry.
  virtual bool Read(const std::wstring& name, std::string& bytes) const = 0;
};

// Files of a folder: a name without ":" is taken relative to `skinPath`
// (which ends with a path delimiter), one with ":" as it stands.
class TsSkinFolderFiles : public TsSkinFiles {
 public:
  explicit TsSkinFolderFiles(std::wstring skinPath) : skinPath_(std::move(skinPath)) {}
  bool Read(const std::wstring& name, std::string& bytes) const override;
  // The file name that `name` stands for.
  std::wstring Resolve(const std::wstring& name) const;

 private:
  std::wstring skinPath_;
};

// Named entries held in memory (a packed skin's images): names compare
// without regard to case, the first matching entry winning.
class TsSkinMemoryFiles : public TsSkinFiles {
 public:
  using Entry = std::pair<std::wstring, std::string>;
  TsSkinMemoryFiles() = default;
  explicit TsSkinMemoryFiles(std::vector<Entry> entries) : entries_(std::move(entries)) {}
  void Add(std::wstring name, std::string bytes) { entries_.emplace_back(std::move(name), std::move(bytes)); }
  bool Read(const std::wstring& name, std::string& bytes) const override;

 private:
  std::vector<Entry> entries_;
};

// The image entries of an unpacked container, matched as TsSkinMemoryFiles
// matches; the convertor must outlive this object.
class TsSkinPackedFiles : public TsSkinFiles {
 public:
  explicit TsSkinPackedFiles(const TacSkinConvertor& convertor) : convertor_(convertor) {}
  bool Read(const std::wstring& name, std::string& bytes) const override;

 private:
  const TacSkinConvertor& convertor_;
};

}  // namespace skin
