#include "classlib/core/FormPrinter.h"

#include <charconv>
#include <cmath>

#include "classlib/core/Stream.h"

namespace classlib {

namespace {

constexpr const wchar_t* kEol = L"\r\n";

std::wstring Indent(int level) { return std::wstring(static_cast<size_t>(level) * 2, L' '); }

std::wstring FloatText(double v) {
  if (!std::isfinite(v)) throw EWriteError(L"Invalid floating point value");
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  std::string text(buffer, result.ptr);
  // Keep it a float on the way back in.
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return std::wstring(text.begin(), text.end());
}

void PrintValue(std::wstring& out, const TFormValue& value, int level);

void PrintProperties(std::wstring& out, const std::vector<TFormProperty>& properties, int level) {
  for (const TFormProperty& p : properties) {
    out += Indent(level) + p.Name + L" = ";
    PrintValue(out, p.Value, level);
    out += kEol;
  }
}

void PrintValue(std::wstring& out, const TFormValue& value, int level) {
  switch (value.Kind) {
    case TFormValueKind::Integer:
      out += std::to_wstring(value.Integer);
      break;
    case TFormValueKind::Float:
      out += FloatText(value.Float);
      break;
    case TFormValueKind::String:
      out += QuoteFormString(value.Text);
      break;
    case TFormValueKind::Ident:
      out += value.Text;
      break;
    case TFormValueKind::Set:
      out += L'[';
      for (size_t i = 0; i < value.Names.size(); ++i) out += (i ? L", " : L"") + value.Names[i];
      out += L']';
      break;
    case TFormValueKind::List:
      out += L'(';
      for (const TFormValue& item : value.Values) {
        out += kEol + Indent(level + 1);
        PrintValue(out, item, level + 1);
      }
      out += L')';
      break;
    case TFormValueKind::Collection:
      out += L'<';
      for (const TFormItem& item : value.Items) {
        out += kEol + Indent(level + 1) + L"item" + kEol;
        PrintProperties(out, item.Properties, level + 2);
        out += Indent(level + 1) + L"end";
      }
      out += L'>';
      break;
    case TFormValueKind::Binary: {
      static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
      out += L'{';
      for (size_t i = 0; i < value.Bytes.size(); ++i) {
        if (i % 32 == 0) out += kEol + Indent(level + 1);
        out += kHex[value.Bytes[i] >> 4];
        out += kHex[value.Bytes[i] & 15];
      }
      out += L'}';
      break;
    }
  }
}

void PrintObject(std::wstring& out, const TFormObject& object, int level) {
  out += Indent(level) + L"object " + (object.Name.empty() ? L"" : object.Name + L": ") + object.ClassName + kEol;
  PrintProperties(out, object.Properties, level + 1);
  for (const TFormObject& child : object.Children) PrintObject(out, child, level + 1);
  out += Indent(level) + L"end" + kEol;
}

}  // namespace

std::wstring QuoteFormString(const std::wstring& text) {
  std::wstring out;
  bool quoted = false;
  for (wchar_t c : text) {
    const bool plain = c >= L' ' && c <= L'~';
    if (plain != quoted) {
      out += L'\'';
      quoted = plain;
    }
    if (!plain) {
      out += L'#' + std::to_wstring(static_cast<uint32_t>(c));
      continue;
    }
    if (c == L'\'') out += L'\'';
    out += c;
  }
  if (quoted || out.empty()) out += out.empty() ? L"''" : L"'";
  return out;
}

std::wstring PrintFormText(const TFormObject& root) {
  std::wstring out;
  PrintObject(out, root, 0);
  return out;
}

}  // namespace classlib
