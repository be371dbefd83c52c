#pragma once
// Lists of text lines, each with an optional object: the abstract TStrings
// (also the face of a memo's or a combo box's lines) and TStringList.
#include <string>
#include <vector>

#include "classlib/core/List.h"
#include "classlib/core/Persistent.h"

namespace classlib {

class TStream;

class TStrings : public TPersistent {
 public:
  // The storage every list provides.
  virtual int Count() const = 0;
  virtual std::wstring Strings(int index) const = 0;
  virtual void SetStrings(int index, const std::wstring& s);
  virtual TObject* Objects(int index) const;
  virtual void SetObjects(int index, TObject* object);
  virtual void Insert(int index, const std::wstring& s) = 0;
  virtual void InsertObject(int index, const std::wstring& s, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int index1, int index2);
  // Index of the first line equal to s (as the list compares), or -1.
  virtual int IndexOf(const std::wstring& s) const;

  virtual int Add(const std::wstring& s);
  int AddObject(const std::wstring& s, TObject* object);
  void AddStrings(const TStrings& strings);
  int IndexOfObject(const TObject* object) const;

  // "Name=Value" lines.
  std::wstring Names(int index) const;
  std::wstring ValueFromIndex(int index) const;
  std::wstring Values(const std::wstring& name) const;
  void SetValues(const std::wstring& name, const std::wstring& value);
  int IndexOfName(const std::wstring& name) const;

  // Every line followed by CR LF. Setting splits at CR LF, LF or CR; a line
  // break at the very end adds no empty line.
  std::wstring Text() const;
  virtual void SetText(const std::wstring& text);
  // Lines separated by commas; a line with blanks, commas or quotes is
  // quoted with ", doubling the quotes inside. Setting takes the same form:
  // blanks around an unquoted item are dropped.
  std::wstring CommaText() const;
  void SetCommaText(const std::wstring& text);

  // Text files in code page 1250, written with CR LF after every line. On
  // load a UTF-8 byte order mark switches the rest of the file to UTF-8.
  // Saving reports through `lossy` whether a character had no code-page
  // byte and was written as '?'.
  void LoadFromFile(const std::wstring& fileName);
  void LoadFromStream(TStream& stream);
  void SaveToFile(const std::wstring& fileName, bool* lossy = nullptr) const;
  void SaveToStream(TStream& stream, bool* lossy = nullptr) const;

  // Change notifications are held back until the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 protected:
  virtual void SetUpdateState(bool /*updating*/) {}
  // Compares two lines as the list does (case-insensitive by default).
  virtual int CompareStrings(const std::wstring& a, const std::wstring& b) const;

 private:
  int updateCount_ = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  std::wstring Strings(int index) const override;
  void SetStrings(int index, const std::wstring& s) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;
  int Add(const std::wstring& s) override;
  // Raises EListError "Operation not allowed on sorted list" when sorted.
  void Insert(int index, const std::wstring& s) override;
  void InsertObject(int index, const std::wstring& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  int IndexOf(const std::wstring& s) const override;

  // A sorted list keeps its lines in CollateText order (CollateStr when case
  // sensitive) and inserts each new line in its place.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value);
  // For sorted lists: dupIgnore drops a line already there, dupError raises
  // EListError "String list does not allow duplicates".
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates value) { duplicates_ = value; }

  // Binary search of a sorted list: true when found; `index` is where s is
  // or would go.
  bool Find(const std::wstring& s, int& index) const;
  void Sort();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  int CompareStrings(const std::wstring& a, const std::wstring& b) const override;
  void SetUpdateState(bool updating) override;
  virtual void Changing();
  virtual void Changed();

 private:
  struct TItem {
    std::wstring text;
    TObject* object = nullptr;
  };
  void Check(int index) const;
  void InsertItem(int index, const std::wstring& s, TObject* object);

  std::vector<TItem> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

}  // namespace classlib
