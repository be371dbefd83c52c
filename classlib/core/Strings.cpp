#include "classlib/core/Strings.h"

#include <algorithm>

#include "classlib/core/Collation.h"
#include "classlib/core/Cp1250.h"
#include "classlib/core/FileStream.h"
#include "classlib/core/Filer.h"
#include "classlib/core/Stream.h"
#include "classlib/core/Utf8.h"

namespace classlib {

// TStrings

void TStrings::SetStrings(int index, const std::wstring& s) {
  TObject* object = Objects(index);
  Delete(index);
  InsertObject(index, s, object);
}

TObject* TStrings::Objects(int) const { return nullptr; }

void TStrings::SetObjects(int, TObject*) {}

void TStrings::InsertObject(int index, const std::wstring& s, TObject* object) {
  Insert(index, s);
  SetObjects(index, object);
}

void TStrings::Exchange(int index1, int index2) {
  BeginUpdate();
  const std::wstring s1 = Strings(index1), s2 = Strings(index2);
  TObject* o1 = Objects(index1);
  TObject* o2 = Objects(index2);
  SetStrings(index1, s2);
  SetObjects(index1, o2);
  SetStrings(index2, s1);
  SetObjects(index2, o1);
  EndUpdate();
}

int TStrings::IndexOf(const std::wstring& s) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Strings(i), s) == 0) return i;
  return -1;
}

int TStrings::Add(const std::wstring& s) {
  const int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::wstring& s, TObject* object) {
  const int index = Add(s);
  SetObjects(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& strings) {
  BeginUpdate();
  for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Strings(i), strings.Objects(i));
  EndUpdate();
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == object) return i;
  return -1;
}

std::wstring TStrings::Names(int index) const {
  const std::wstring s = Strings(index);
  const size_t eq = s.find(L'=');
  return eq == std::wstring::npos ? std::wstring() : s.substr(0, eq);
}

std::wstring TStrings::ValueFromIndex(int index) const {
  const std::wstring s = Strings(index);
  const size_t eq = s.find(L'=');
  return eq == std::wstring::npos ? std::wstring() : s.substr(eq + 1);
}

int TStrings::IndexOfName(const std::wstring& name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::wstring s = Strings(i);
    const size_t eq = s.find(L'=');
    if (eq != std::wstring::npos && CompareStrings(s.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

std::wstring TStrings::Values(const std::wstring& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? std::wstring() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::wstring& name, const std::wstring& value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index < 0) {
    Add(name + L"=" + value);
  } else {
    SetStrings(index, name + L"=" + value);
  }
}

std::wstring TStrings::Text() const {
  std::wstring text;
  for (int i = 0; i < Count(); ++i) text += Strings(i) + L"\r\n";
  return text;
}

void TStrings::SetText(const std::wstring& text) {
  BeginUpdate();
  try {
    Clear();
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find_first_of(L"\r\n", start);
      if (end == std::wstring::npos) end = text.size();
      Add(text.substr(start, end - start));
      if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
      start = end + 1;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

std::wstring TStrings::CommaText() const {
  std::wstring text;
  for (int i = 0; i < Count(); ++i) {
    const std::wstring s = Strings(i);
    if (i > 0) text += L',';
    const bool quote =
        s.empty() || std::any_of(s.begin(), s.end(), [](wchar_t c) { return c <= L' ' || c == L',' || c == L'"'; });
    if (!quote) {
      text += s;
      continue;
    }
    text += L'"';
    for (wchar_t c : s) {
      if (c == L'"') text += L'"';
      text += c;
    }
    text += L'"';
  }
  return text;
}

void TStrings::SetCommaText(const std::wstring& text) {
  BeginUpdate();
  try {
    Clear();
    size_t i = 0;
    const auto skipBlanks = [&] {
      while (i < text.size() && text[i] <= L' ') ++i;
    };
    skipBlanks();
    while (i < text.size()) {
      std::wstring item;
      if (text[i] == L'"') {
        ++i;
        while (i < text.size()) {
          if (text[i] == L'"') {
            if (i + 1 < text.size() && text[i + 1] == L'"') {
              item += L'"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          item += text[i++];
        }
        // Anything between the closing quote and the comma belongs to the item.
        while (i < text.size() && text[i] != L',') item += text[i++];
        while (!item.empty() && item.back() <= L' ') item.pop_back();
      } else {
        while (i < text.size() && text[i] != L',') item += text[i++];
        while (!item.empty() && item.back() <= L' ') item.pop_back();
      }
      Add(item);
      if (i < text.size() && text[i] == L',') {
        ++i;
        skipBlanks();
        if (i == text.size()) Add(L"");  // a trailing comma ends with an empty item
      }
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::LoadFromFile(const std::wstring& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFromStream(file);
}

void TStrings::LoadFromStream(TStream& stream) {
  const std::vector<uint8_t> bytes = stream.ReadRemaining();
  const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (view.substr(0, 3) == "\xEF\xBB\xBF") SetText(Utf8ToWide(view.substr(3)));
  else SetText(Cp1250ToWide(view));
}

void TStrings::SaveToFile(const std::wstring& fileName, bool* lossy) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file, lossy);
}

void TStrings::SaveToStream(TStream& stream, bool* lossy) const {
  const std::string bytes = WideToCp1250(Text(), lossy);
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TStrings*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    AddStrings(*other);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      L"Strings",
      [this](const TFormValue& value) {
        if (value.Kind != TFormValueKind::List) throw EConvertError(L"List of strings expected");
        BeginUpdate();
        try {
          Clear();
          for (const TFormValue& line : value.Values) {
            if (line.Kind != TFormValueKind::String) throw EConvertError(L"String expected");
            Add(line.Text);
          }
        } catch (...) {
          EndUpdate();
          throw;
        }
        EndUpdate();
      },
      [this] {
        std::vector<TFormValue> lines;
        for (int i = 0; i < Count(); ++i) lines.push_back(TFormValue::MakeString(Strings(i)));
        return TFormValue::MakeList(std::move(lines));
      },
      Count() > 0);
}

int TStrings::CompareStrings(const std::wstring& a, const std::wstring& b) const { return CollateText(a, b); }

// TStringList

void TStringList::Check(int index) const {
  if (index < 0 || index >= Count()) ListIndexError(index);
}

std::wstring TStringList::Strings(int index) const {
  Check(index);
  return items_[static_cast<size_t>(index)].text;
}

void TStringList::SetStrings(int index, const std::wstring& s) {
  if (sorted_) throw EListError(L"Operation not allowed on sorted list");
  Check(index);
  Changing();
  items_[static_cast<size_t>(index)].text = s;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  Check(index);
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::SetObjects(int index, TObject* object) {
  Check(index);
  Changing();
  items_[static_cast<size_t>(index)].object = object;
  Changed();
}

int TStringList::Add(const std::wstring& s) {
  int index = Count();
  if (sorted_) {
    if (Find(s, index)) {
      if (duplicates_ == TDuplicates::dupIgnore) return index;
      if (duplicates_ == TDuplicates::dupError) throw EListError(L"String list does not allow duplicates");
    }
  }
  InsertItem(index, s, nullptr);
  return index;
}

void TStringList::Insert(int index, const std::wstring& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::wstring& s, TObject* object) {
  if (sorted_) throw EListError(L"Operation not allowed on sorted list");
  if (index < 0 || index > Count()) ListIndexError(index);
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::wstring& s, TObject* object) {
  Changing();
  items_.insert(items_.begin() + index, TItem{s, object});
  Changed();
}

void TStringList::Delete(int index) {
  Check(index);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  Check(index1);
  Check(index2);
  Changing();
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
  Changed();
}

int TStringList::IndexOf(const std::wstring& s) const {
  if (!sorted_) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::wstring& s, int& index) const {
  // Lower bound, so with duplicates the first equal line is found.
  int low = 0, high = Count();
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (CompareStrings(items_[static_cast<size_t>(mid)].text, s) < 0) low = mid + 1;
    else high = mid;
  }
  index = low;
  return low < Count() && CompareStrings(items_[static_cast<size_t>(low)].text, s) == 0;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const TItem& a, const TItem& b) { return CompareStrings(a.text, b.text) < 0; });
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (value == sorted_) return;
  if (value) Sort();
  sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (value == caseSensitive_) return;
  caseSensitive_ = value;
  if (sorted_) Sort();
}

int TStringList::CompareStrings(const std::wstring& a, const std::wstring& b) const {
  return caseSensitive_ ? CollateStr(a, b) : CollateText(a, b);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) Changing();
  else Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

}  // namespace classlib
