#include "classlib/core/FormValue.h"

namespace classlib {

TFormValue TFormValue::MakeInteger(int64_t v) {
  TFormValue value;
  value.Kind = TFormValueKind::Integer;
  value.Integer = v;
  return value;
}

TFormValue TFormValue::MakeFloat(double v) {
  TFormValue value;
  value.Kind = TFormValueKind::Float;
  value.Float = v;
  return value;
}

TFormValue TFormValue::MakeString(std::wstring v) {
  TFormValue value;
  value.Kind = TFormValueKind::String;
  value.Text = std::move(v);
  return value;
}

TFormValue TFormValue::MakeIdent(std::wstring v) {
  TFormValue value;
  value.Kind = TFormValueKind::Ident;
  value.Text = std::move(v);
  return value;
}

TFormValue TFormValue::MakeSet(std::vector<std::wstring> names) {
  TFormValue value;
  value.Kind = TFormValueKind::Set;
  value.Names = std::move(names);
  return value;
}

TFormValue TFormValue::MakeList(std::vector<TFormValue> values) {
  TFormValue value;
  value.Kind = TFormValueKind::List;
  value.Values = std::move(values);
  return value;
}

TFormValue TFormValue::MakeBinary(std::vector<uint8_t> bytes) {
  TFormValue value;
  value.Kind = TFormValueKind::Binary;
  value.Bytes = std::move(bytes);
  return value;
}

bool TFormValue::operator==(const TFormValue& other) const {
  if (Kind != other.Kind) return false;
  switch (Kind) {
    case TFormValueKind::Integer: return Integer == other.Integer;
    case TFormValueKind::Float: return Float == other.Float;
    case TFormValueKind::String:
    case TFormValueKind::Ident: return Text == other.Text;
    case TFormValueKind::Set: return Names == other.Names;
    case TFormValueKind::List: return Values == other.Values;
    case TFormValueKind::Collection: return Items == other.Items;
    case TFormValueKind::Binary: return Bytes == other.Bytes;
  }
  return false;
}

bool TFormObject::operator==(const TFormObject& other) const {
  return Name == other.Name && ClassName == other.ClassName && Properties == other.Properties &&
         Children == other.Children;
}

}  // namespace classlib
