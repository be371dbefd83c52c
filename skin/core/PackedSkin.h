#pragma once
// A packed skin: one container holding the skin's "Options.dat" and its
// images, each compressed on its own.
//
// Layout (integers 32-bit little-endian, signed): the signature "ASzf", the
// entry count N, then N entries back to back, each the name's length L, L name
// bytes (code page 1250, no terminator), the unpacked size S and a complete
// zlib stream that inflates to exactly S bytes. The next entry starts at the
// first byte after that stream's trailer.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Persistent.h"
#include "classlib/core/Stream.h"

namespace skin {

// The text of the error for data that is not a container.
inline constexpr const wchar_t* kNotPackedSkin = L"Loaded data is not a packed DarudOdero skin file";

// Limits a crafted container cannot exceed.
inline constexpr int32_t kMaxPackedNameLength = 1023;
inline constexpr int32_t kMaxPackedEntrySize = 64 * 1024 * 1024 - 1;
inline constexpr int64_t kMaxPackedTotalSize = int64_t{256} * 1024 * 1024;

struct TacImageItem {
  std::wstring Name;  // as stored, case kept
  bool IsBitmap = false;  // the name's extension is ".bmp" in any case
  std::unique_ptr<classlib::TMemoryStream> Data;  // the unpacked body, positioned at its end
};
using TacImageItems = std::vector<TacImageItem>;

// One unpacked container.
class TacSkinConvertor : public classlib::TPersistent {
 public:
  ~TacSkinConvertor() override;

  int ImageCount = 0;  // the image entries read
  TacImageItems Images;  // in file order
  std::unique_ptr<classlib::TMemoryStream> Options;  // the unpacked "Options.dat"

  // The stream ReadPackedSkin parses. An owned source is freed by
  // ClearPackedSkin; a borrowed one (an internal skin's stored data) is only
  // forgotten.
  classlib::TStream* Source() const { return source_; }
  void SetSource(std::unique_ptr<classlib::TStream> source);
  void BorrowSource(classlib::TStream* source);
  void ReleaseSource();

 private:
  classlib::TStream* source_ = nullptr;
  std::unique_ptr<classlib::TStream> ownedSource_;
};

// Parses the convertor's source from its start. Data that is not a container
// empties and frees the convertor (the pointer becomes null) and raises
// kNotPackedSkin; any other fault raises and leaves the entries read so far.
void ReadPackedSkin(std::unique_ptr<TacSkinConvertor>& convertor);

// Reads a packed skin file into the convertor (created when null, emptied
// otherwise); does nothing when the file does not exist. With freeSource the
// file's bytes are dropped once parsed.
void LoadPackedSkinFile(const std::wstring& fileName, std::unique_ptr<TacSkinConvertor>& convertor,
                        bool freeSource);

// Frees the image entries (last first), the options and the source.
// ImageCount is kept.
void ClearPackedSkin(TacSkinConvertor& convertor);

}  // namespace skin
