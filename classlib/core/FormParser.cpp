#include "classlib/core/FormParser.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "classlib/core/ConvertText.h"
#include "classlib/core/Utf8.h"

namespace classlib {

void ParserError(int line, const std::wstring& problem) {
  throw EParserError(L"Line " + std::to_wstring(line) + L": " + problem);
}

namespace {

// Deeper nesting than any real form is refused instead of exhausting the stack.
constexpr int kMaxDepth = 100;

bool IsIdentStart(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' || c >= 0x80;
}
bool IsIdentChar(wchar_t c) { return IsIdentStart(c) || (c >= L'0' && c <= L'9'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

using TBinaryBlocks = std::vector<std::vector<uint8_t>>;

// Binary values read straight from the description's bytes, each replaced in
// the text by "{#" and its index, with the line breaks it spanned so that
// line numbers stay: the bulk of a description with stored pictures never
// becomes UTF-16. Quoted strings are passed over; a block with anything but
// digit pairs and blanks stays in the text for the parser to report (and
// none is lifted when such a block starts with "{#").
std::string LiftBinaryBlocks(std::string_view bytes, TBinaryBlocks& blocks) {
  std::string out;
  size_t copied = 0;
  bool inString = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\'') inString = !inString;
    if (inString || bytes[i] != '{') continue;
    std::vector<uint8_t> data;
    if (const size_t close = bytes.find('}', i); close != std::string_view::npos) data.reserve((close - i) / 2);
    int high = -1;
    size_t lines = 0;
    size_t j = i + 1;
    bool whole = false;
    for (; j < bytes.size(); ++j) {
      const char c = bytes[j];
      if (const int d = HexDigit(static_cast<unsigned char>(c)); d >= 0) {
        if (high < 0) {
          high = d;
        } else {
          data.push_back(static_cast<uint8_t>(high * 16 + d));
          high = -1;
        }
      } else if (c == '\n' || (c == '\r' && (j + 1 == bytes.size() || bytes[j + 1] != '\n'))) {
        ++lines;
      } else if (c != ' ' && c != '\t' && c != '\r') {
        whole = c == '}' && high < 0;
        break;
      }
    }
    if (!whole) {
      // A value that begins like a lifted one would read as one: keep the
      // whole text as it is.
      if (i + 1 < bytes.size() && bytes[i + 1] == '#') {
        blocks.clear();
        return std::string(bytes);
      }
      continue;
    }
    out.append(bytes.substr(copied, i - copied));
    out += "{#" + std::to_string(blocks.size());
    out.append(lines, '\n');
    out += '}';
    blocks.push_back(std::move(data));
    copied = j + 1;
    i = j;
  }
  if (copied == 0) return std::string(bytes);
  out.append(bytes.substr(copied));
  return out;
}

class TParser {
 public:
  explicit TParser(std::wstring_view text, TBinaryBlocks* blocks = nullptr) : text_(text), blocks_(blocks) {
    if (!text_.empty() && text_[0] == 0xFEFF) pos_ = 1;
  }

  TFormObject ParseRoot() {
    SkipBlanks();
    TFormObject root = ParseObject(0);
    SkipBlanks();
    if (!AtEnd()) Fail(L"Text after the end of the form");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::wstring& problem) const { ParserError(line_, problem); }

  bool AtEnd() const { return pos_ >= text_.size(); }
  wchar_t Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : 0; }

  void SkipBlanks() {
    while (!AtEnd()) {
      const wchar_t c = text_[pos_];
      if (c == L'\n' || (c == L'\r' && Peek(1) != L'\n')) ++line_;
      else if (c != L' ' && c != L'\t' && c != L'\r') break;
      ++pos_;
    }
  }

  void Expect(wchar_t c) {
    SkipBlanks();
    if (Peek() != c) Fail(std::wstring(L"'") + c + L"' expected");
    ++pos_;
  }

  // An identifier; dotted when `dotted` (property paths, references to
  // components of other forms).
  std::wstring Ident(bool dotted) {
    SkipBlanks();
    if (!IsIdentStart(Peek())) Fail(L"Identifier expected");
    const size_t start = pos_;
    while (!AtEnd() && (IsIdentChar(Peek()) || (dotted && Peek() == L'.' && IsIdentStart(Peek(1))))) ++pos_;
    return std::wstring(text_.substr(start, pos_ - start));
  }

  // The next identifier, without consuming it.
  std::wstring PeekIdent() {
    SkipBlanks();
    const size_t pos = pos_;
    const int line = line_;
    std::wstring ident = IsIdentStart(Peek()) ? Ident(false) : std::wstring();
    pos_ = pos;
    line_ = line;
    return ident;
  }

  void CheckDepth(int depth) const {
    if (depth > kMaxDepth) Fail(L"Nesting too deep");
  }

  TFormObject ParseObject(int depth) {
    CheckDepth(depth);
    SkipBlanks();
    TFormObject object;
    object.Line = line_;
    const std::wstring keyword = Ident(false);
    if (SameText(keyword, L"inherited") || SameText(keyword, L"inline"))
      Fail(L"Inherited forms are not supported");
    if (!SameText(keyword, L"object")) Fail(L"'object' expected");
    std::wstring first = Ident(false);
    SkipBlanks();
    if (Peek() == L':') {
      ++pos_;
      object.Name = std::move(first);
      object.ClassName = Ident(false);
    } else {
      object.ClassName = std::move(first);
    }
    // Properties, then nested objects, then 'end'.
    for (;;) {
      const std::wstring next = PeekIdent();
      if (next.empty()) Fail(AtEnd() ? L"'end' expected" : L"Identifier expected");
      if (SameText(next, L"end") || SameText(next, L"object") || SameText(next, L"inherited") ||
          SameText(next, L"inline")) {
        const size_t pos = pos_;
        const int line = line_;
        Ident(false);
        SkipBlanks();
        const bool isProperty = Peek() == L'=';
        pos_ = pos;
        line_ = line;
        if (!isProperty) break;
      }
      object.Properties.push_back(ParseProperty(depth));
    }
    while (!SameText(PeekIdent(), L"end")) {
      if (AtEnd()) Fail(L"'end' expected");
      object.Children.push_back(ParseObject(depth + 1));
    }
    Ident(false);  // end
    return object;
  }

  TFormProperty ParseProperty(int depth) {
    TFormProperty property;
    SkipBlanks();
    property.Line = line_;
    property.Name = Ident(true);
    Expect(L'=');
    property.Value = ParseValue(depth + 1);
    return property;
  }

  TFormValue ParseValue(int depth) {
    CheckDepth(depth);
    SkipBlanks();
    const int line = line_;
    TFormValue value;
    const wchar_t c = Peek();
    if (c == L'\'' || c == L'#') {
      value = TFormValue::MakeString(ParseString());
    } else if (IsDigit(c) || c == L'-' || c == L'+' || c == L'$') {
      value = ParseNumber();
    } else if (IsIdentStart(c)) {
      value = TFormValue::MakeIdent(Ident(true));
    } else if (c == L'[') {
      value = ParseSet();
    } else if (c == L'(') {
      ++pos_;
      value.Kind = TFormValueKind::List;
      for (;;) {
        SkipBlanks();
        if (AtEnd()) Fail(L"')' expected");
        if (Peek() == L')') break;
        value.Values.push_back(ParseValue(depth + 1));
      }
      ++pos_;
    } else if (c == L'<') {
      value = ParseCollection(depth);
    } else if (c == L'{') {
      value = ParseBinary();
    } else {
      Fail(AtEnd() ? L"Value expected" : L"Invalid property value");
    }
    value.Line = line;
    return value;
  }

  // Quoted parts and #codes written next to each other form one string;
  // '+' joins parts across blanks and lines. Separate strings (the items of
  // a list) are separated by blanks.
  std::wstring ParseString() {
    std::wstring result;
    for (;;) {
      if (Peek() == L'\'') {
        ++pos_;
        for (;;) {
          if (AtEnd() || Peek() == L'\n' || Peek() == L'\r') Fail(L"Invalid string constant");
          if (Peek() == L'\'') {
            if (Peek(1) != L'\'') break;
            ++pos_;
          }
          result += text_[pos_++];
        }
        ++pos_;
        continue;
      }
      if (Peek() == L'#') {
        ++pos_;
        AppendCode(result, ParseCharCode());
        continue;
      }
      const size_t pos = pos_;
      const int line = line_;
      SkipBlanks();
      if (Peek() != L'+') {
        pos_ = pos;
        line_ = line;
        return result;
      }
      ++pos_;
      SkipBlanks();
      if (Peek() != L'\'' && Peek() != L'#') Fail(L"String expected");
    }
  }

  uint32_t ParseCharCode() {
    uint64_t code = 0;
    bool any = false;
    if (Peek() == L'$') {
      ++pos_;
      for (int d; (d = HexDigit(Peek())) >= 0; ++pos_, any = true) code = code < 0x110000 ? code * 16 + d : code;
    } else {
      for (; IsDigit(Peek()); ++pos_, any = true) code = code < 0x110000 ? code * 10 + (Peek() - L'0') : code;
    }
    if (!any || code >= 0x110000) Fail(L"Invalid character code");
    return static_cast<uint32_t>(code);
  }

  static void AppendCode(std::wstring& s, uint32_t code) {
    if constexpr (sizeof(wchar_t) == 2) {
      if (code >= 0x10000) {
        code -= 0x10000;
        s += static_cast<wchar_t>(0xD800 + (code >> 10));
        s += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        return;
      }
    }
    s += static_cast<wchar_t>(code);
  }

  TFormValue ParseNumber() {
    const size_t start = pos_;
    bool negative = false;
    if (Peek() == L'-' || Peek() == L'+') {
      negative = Peek() == L'-';
      ++pos_;
    }
    if (Peek() == L'$') {
      ++pos_;
      uint64_t value = 0;
      int digits = 0;
      for (int d; (d = HexDigit(Peek())) >= 0; ++pos_, ++digits) value = value * 16 + static_cast<uint64_t>(d);
      if (digits == 0 || digits > 16 || IsIdentChar(Peek())) Fail(L"Invalid number");
      const int64_t v = static_cast<int64_t>(value);  // $FFFFFFFFFFFFFFFF is -1, as typed
      return TFormValue::MakeInteger(negative ? -v : v);
    }
    if (!IsDigit(Peek())) Fail(L"Number expected");
    bool isFloat = false;
    while (IsDigit(Peek())) ++pos_;
    if (Peek() == L'.' && IsDigit(Peek(1))) {
      isFloat = true;
      ++pos_;
      while (IsDigit(Peek())) ++pos_;
    }
    if (Peek() == L'e' || Peek() == L'E') {
      isFloat = true;
      ++pos_;
      if (Peek() == L'-' || Peek() == L'+') ++pos_;
      if (!IsDigit(Peek())) Fail(L"Invalid number");
      while (IsDigit(Peek())) ++pos_;
    }
    if (IsIdentChar(Peek()) || Peek() == L'.') Fail(L"Invalid number");
    const std::string digits(text_.begin() + static_cast<std::ptrdiff_t>(start),
                             text_.begin() + static_cast<std::ptrdiff_t>(pos_));
    if (isFloat) {
      const double v = std::strtod(digits.c_str(), nullptr);
      if (!std::isfinite(v)) Fail(L"Number out of range");
      return TFormValue::MakeFloat(v);
    }
    // Decimal integers must fit 64 bits.
    uint64_t magnitude = 0;
    for (size_t i = (digits[0] == '-' || digits[0] == '+') ? 1 : 0; i < digits.size(); ++i) {
      const uint64_t d = static_cast<uint64_t>(digits[i] - '0');
      if (magnitude > (UINT64_MAX - d) / 10) Fail(L"Number out of range");
      magnitude = magnitude * 10 + d;
    }
    const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
    if (magnitude > limit) Fail(L"Number out of range");
    return TFormValue::MakeInteger(negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude));
  }

  TFormValue ParseSet() {
    ++pos_;  // [
    std::vector<std::wstring> names;
    SkipBlanks();
    if (Peek() != L']') {
      for (;;) {
        names.push_back(Ident(false));
        SkipBlanks();
        if (Peek() == L']') break;
        if (Peek() != L',') Fail(L"']' expected");
        ++pos_;
      }
    }
    ++pos_;
    return TFormValue::MakeSet(std::move(names));
  }

  TFormValue ParseCollection(int depth) {
    ++pos_;  // <
    TFormValue value;
    value.Kind = TFormValueKind::Collection;
    for (;;) {
      SkipBlanks();
      if (Peek() == L'>') break;
      if (AtEnd()) Fail(L"'>' expected");
      TFormItem item;
      item.Line = line_;
      if (!SameText(Ident(false), L"item")) Fail(L"'item' expected");
      while (!SameText(PeekIdent(), L"end")) {
        if (AtEnd()) Fail(L"'end' expected");
        item.Properties.push_back(ParseProperty(depth + 1));
      }
      Ident(false);  // end
      value.Items.push_back(std::move(item));
    }
    ++pos_;
    return value;
  }

  TFormValue ParseBinary() {
    if (blocks_ && Peek(1) == L'#') return TakeLiftedBinary();
    ++pos_;  // {
    std::vector<uint8_t> bytes;
    if (const size_t close = text_.find(L'}', pos_); close != std::wstring_view::npos)
      bytes.reserve((close - pos_) / 2);
    int high = -1;
    for (;;) {
      // The bulk of a value is lines of hex pairs (stored pictures run to
      // megabytes): take whole pairs at once, blanks and odd digits below.
      if (high < 0) {
        for (int h, l; pos_ + 1 < text_.size() && ((h = HexDigit(text_[pos_])) | (l = HexDigit(text_[pos_ + 1]))) >= 0;
             pos_ += 2)
          bytes.push_back(static_cast<uint8_t>(h * 16 + l));
      }
      SkipBlanks();
      if (AtEnd()) Fail(L"'}' expected");
      if (Peek() == L'}') break;
      const int d = HexDigit(Peek());
      if (d < 0) Fail(L"Invalid binary value");
      ++pos_;
      if (high < 0) {
        high = d;
      } else {
        bytes.push_back(static_cast<uint8_t>(high * 16 + d));
        high = -1;
      }
    }
    if (high >= 0) Fail(L"Invalid binary value");
    ++pos_;
    return TFormValue::MakeBinary(std::move(bytes));
  }

  // "{#index" and line breaks, then "}": a value read by LiftBinaryBlocks.
  TFormValue TakeLiftedBinary() {
    pos_ += 2;
    size_t index = 0;
    while (IsDigit(Peek())) index = index * 10 + static_cast<size_t>(Peek() - L'0'), ++pos_;
    SkipBlanks();
    if (Peek() != L'}' || index >= blocks_->size()) Fail(L"Invalid binary value");
    ++pos_;
    return TFormValue::MakeBinary(std::move((*blocks_)[index]));
  }

  std::wstring_view text_;
  TBinaryBlocks* blocks_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

TFormObject ParseFormText(std::wstring_view text) { return TParser(text).ParseRoot(); }

TFormObject ParseFormBytes(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  TBinaryBlocks blocks;
  const std::wstring text = Utf8ToWide(LiftBinaryBlocks(bytes, blocks));
  return TParser(text, blocks.empty() ? nullptr : &blocks).ParseRoot();
}

}  // namespace classlib
