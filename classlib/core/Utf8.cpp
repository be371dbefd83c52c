#include "classlib/core/Utf8.h"

namespace classlib {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

std::string WideToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0xD800 && c < 0xE000) {
        const bool pair = c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                          text[i + 1] < 0xE000;
        if (pair) {
          c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
          ++i;
        } else {
          c = kReplacement;  // a lone surrogate has no UTF-8 form
        }
      }
    }
    if (c > 0x10FFFF) c = kReplacement;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::wstring Utf8ToWide(std::string_view bytes) {
  // Never more UTF-16 units than bytes: write through a pointer into a
  // buffer of that size (a form description runs to megabytes, and a
  // per-character append costs a call each).
  std::wstring out(bytes.size(), L'\0');
  wchar_t* const first = out.data();
  wchar_t* w = first;
  const auto append = [&w](char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0x10000) {
        c -= 0x10000;
        *w++ = static_cast<wchar_t>(0xD800 + (c >> 10));
        *w++ = static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        return;
      }
    }
    *w++ = static_cast<wchar_t>(c);
  };
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
      *w++ = static_cast<wchar_t>(lead);
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
      append(kReplacement);
      ++i;
      continue;
    }
    bool valid = i + static_cast<std::size_t>(extra) < bytes.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) valid = false;
      else c = (c << 6) | (next & 0x3F);
    }
    if (valid && extra > 0 && (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)))
      valid = false;
    if (!valid) {
      append(kReplacement);
      ++i;
      continue;
    }
    append(c);
    i += 1 + extra;
  }
  out.resize(static_cast<std::size_t>(w - first));
  return out;
}

}  // namespace classlib
