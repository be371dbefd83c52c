#pragma once
// A profile (INI) file read once and changed in memory: the same rules as
// TIniFile (see IniFile.h), but writes collect in memory until UpdateFile
// writes the whole file in one step, through a temporary file and a rename.
// A series of values that belong together (a card's data) is therefore
// either all on disk or not at all.
#include <string>
#include <string_view>

#include "classlib/core/IniDocument.h"
#include "classlib/core/IniFile.h"

namespace classlib {

class TMemIniFile : public TCustomIniFile {
 public:
  // Reads the file; a missing file starts empty. Raises EIniFileException for
  // a file that exists but cannot be read (it must not be replaced by one
  // holding only the new values).
  explicit TMemIniFile(std::wstring fileName);

  std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                          std::wstring_view defaultValue) const override;
  int ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const override;

  // Raises as TIniFile's writes do; the memory copy is then unchanged.
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

  // Writes the whole file; raises EEncodingError or EIniFileException and
  // leaves the file as it was when that fails.
  void UpdateFile() const;

 private:
  TIniDocument document_;
};

}  // namespace classlib
