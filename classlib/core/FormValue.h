#pragma once
// The parsed shape of a form description: objects with properties and nested
// objects, and the values a property can take. The parser builds it from text,
// the printer turns it back into text, and the component reader and writer move
// it into and out of live components.
#include <cstdint>
#include <string>
#include <vector>

namespace classlib {

enum class TFormValueKind {
  Integer,     // 10, -16, $FF
  Float,       // 7.5, 1e-3
  String,      // 'text'#243'x'
  Ident,       // alClient, True, Button1Click, Button1
  Set,         // [akLeft, akTop]
  List,        // ( 'a' 'b' )
  Collection,  // < item ... end >
  Binary,      // { 0A1B }
};

struct TFormProperty;

struct TFormItem {
  std::vector<TFormProperty> Properties;
  int Line = 0;
};

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::Integer;
  int64_t Integer = 0;
  double Float = 0;
  std::wstring Text;                 // String and Ident
  std::vector<std::wstring> Names;   // Set elements
  std::vector<TFormValue> Values;    // List
  std::vector<TFormItem> Items;      // Collection
  std::vector<uint8_t> Bytes;        // Binary
  int Line = 0;

  static TFormValue MakeInteger(int64_t v);
  static TFormValue MakeFloat(double v);
  static TFormValue MakeString(std::wstring v);
  static TFormValue MakeIdent(std::wstring v);
  static TFormValue MakeSet(std::vector<std::wstring> names);
  static TFormValue MakeList(std::vector<TFormValue> values);
  static TFormValue MakeBinary(std::vector<uint8_t> bytes);

  bool operator==(const TFormValue& other) const;
};

struct TFormProperty {
  std::wstring Name;  // may be a dotted path: Font.Height
  TFormValue Value;
  int Line = 0;
  bool operator==(const TFormProperty& other) const { return Name == other.Name && Value == other.Value; }
};

struct TFormObject {
  std::wstring Name;  // empty for an unnamed component
  std::wstring ClassName;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
  int Line = 0;
  bool operator==(const TFormObject& other) const;
};

inline bool operator==(const TFormItem& a, const TFormItem& b) { return a.Properties == b.Properties; }

}  // namespace classlib
