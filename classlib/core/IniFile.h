#pragma once
// The program's own profile (INI) files, in code page 1250, with the rules of
// the system's profile functions:
// - a value read loses its leading and trailing blanks, then one pair of
//   matching quotes around it ('...' or "..."), and is cut to 2047
//   characters;
// - integers are written in decimal and read in decimal or, after "0x"/"0X",
//   hexadecimal; a value that does not convert gives the default;
// - Booleans are written "1"/"0" and read as integers, any non-zero is true;
// - absent keys, and a missing file, give the default;
// - section and key names ignore case; unknown sections, keys and lines stay
//   where they are (see IniDocument.h).
//
// Every Write, EraseSection and DeleteKey call rewrites the whole file before
// it returns, through a temporary file and a rename (WriteFileAtomic): the
// file on disk is always complete, and a failed call leaves it as it was.
// Every read reads the file afresh, so changes by others are seen.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "classlib/core/Exception.h"

namespace classlib {

// A write that could not be done: the file or its folder cannot be written,
// or a name or value cannot be stored on its line. (A text that code page
// 1250 cannot hold raises EEncodingError.)
CLASSLIB_EXCEPTION(EIniFileException, Exception);

class TIniDocument;

// What both profile-file classes offer (TIniFile on disk, TMemIniFile in
// memory): reads and writes of strings, and of integers and Booleans over
// them.
class TCustomIniFile {
 public:
  explicit TCustomIniFile(std::wstring fileName) : fileName_(std::move(fileName)) {}
  virtual ~TCustomIniFile() = default;

  const std::wstring& FileName() const { return fileName_; }

  virtual std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                                  std::wstring_view defaultValue) const = 0;
  virtual int ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const = 0;
  bool ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) const;

  virtual void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) = 0;
  void WriteInteger(std::wstring_view section, std::wstring_view key, int value);
  void WriteBool(std::wstring_view section, std::wstring_view key, bool value);

 private:
  std::wstring fileName_;
};

class TIniFile : public TCustomIniFile {
 public:
  explicit TIniFile(std::wstring fileName) : TCustomIniFile(std::move(fileName)) {}

  std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                          std::wstring_view defaultValue) const override;
  int ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const override;

  // Values are written without their leading and trailing blanks. Raise
  // EEncodingError when code page 1250 cannot hold a name or the value, and
  // EIniFileException when a name or the value cannot stand on its line
  // (line breaks, "=" in a key, "]" in a section) or the file cannot be read
  // or written; the file is then unchanged.
  void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

  // A section exists when it holds at least one key.
  bool SectionExists(std::wstring_view section) const;
  bool ValueExists(std::wstring_view section, std::wstring_view key) const;
  // Key names of a section, and section names, in file order.
  std::vector<std::wstring> ReadSection(std::wstring_view section) const;
  std::vector<std::wstring> ReadSections() const;

  void EraseSection(std::wstring_view section);
  void DeleteKey(std::wstring_view section, std::wstring_view key);

  // Writes are on disk when they return, so there is nothing left to flush;
  // kept for callers that end a series of writes with it.
  void UpdateFile() {}

 private:
  // An absent or unreadable file reads as empty; LoadForChange raises
  // EIniFileException for a file that exists but cannot be read.
  TIniDocument Load() const;
  TIniDocument LoadForChange() const;
  void Save(const TIniDocument& document);
};

}  // namespace classlib
