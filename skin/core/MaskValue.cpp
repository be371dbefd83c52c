#include "skin/core/MaskValue.h"

#include <algorithm>
#include <vector>

#include "classlib/core/ConvertErrors.h"
#include "classlib/core/ConvertNumbers.h"

namespace skin {

namespace {

// Words of `text` between any of `delimiters`; runs of delimiters count as one.
std::vector<std::wstring_view> Words(std::wstring_view text, std::wstring_view delimiters) {
  std::vector<std::wstring_view> words;
  std::size_t pos = text.find_first_not_of(delimiters);
  while (pos != std::wstring_view::npos) {
    const std::size_t end = text.find_first_of(delimiters, pos);
    words.push_back(text.substr(pos, end == std::wstring_view::npos ? std::wstring_view::npos : end - pos));
    pos = end == std::wstring_view::npos ? end : text.find_first_not_of(delimiters, end);
  }
  return words;
}

// The number at 1-based `column`, `width` characters long.
int Field(std::wstring_view value, std::size_t column, std::size_t width) {
  return classlib::StrToIntStrict(value.substr(column - 1, width));
}

std::int16_t Short(int value) { return static_cast<std::int16_t>(std::clamp(value, -32768, 32767)); }

// The length each positional form needs at least.
std::size_t RequiredLength(TsMaskForm form) {
  switch (form) {
    case TsMaskForm::Texture: return 23;
    case TsMaskForm::Glyph: return 24;
    default: return 48;
  }
}

}  // namespace

TsMaskForm MaskFormOf(std::wstring_view value) {
  if (value.empty()) return TsMaskForm::None;
  switch (value.front()) {
    case L'~': return TsMaskForm::Texture;
    case L'@': return TsMaskForm::Glyph;
    case L'^': return TsMaskForm::Border;
    case L'!': return TsMaskForm::File;
    default: break;
  }
  if (value.find(L'#') != std::wstring_view::npos) return value == L"#" ? TsMaskForm::None : TsMaskForm::Legacy;
  if (value.find(L".BMP") != std::wstring_view::npos) return TsMaskForm::LegacyFile;
  return TsMaskForm::None;
}

void ParsePositionalMask(std::wstring_view value, TsMaskForm form, TsMaskData& mask) {
  if (value.size() < RequiredLength(form))
    throw classlib::EConvertError(L"'" + std::wstring(value) + L"' is too short for a skin mask value");
  mask.R = {Field(value, 2, 4), Field(value, 7, 4), Field(value, 12, 4), Field(value, 17, 4)};
  switch (form) {
    case TsMaskForm::Texture:
      mask.MaskKind = mkTexture;
      mask.DrawMode = Short(Field(value, 22, 2));
      mask.MaskType = value.size() > 24 ? Short(Field(value, 25, 1)) : 0;
      mask.ImageCount = 1;
      break;
    case TsMaskForm::Glyph:
      mask.MaskKind = mkGlyph;
      mask.ImageCount = Short(Field(value, 22, 1));
      mask.MaskType = Short(Field(value, 24, 1));
      break;
    default:
      mask.MaskKind = mkBorder;
      mask.WL = Short(Field(value, 22, 4));
      mask.WT = Short(Field(value, 27, 4));
      mask.WR = Short(Field(value, 32, 4));
      mask.WB = Short(Field(value, 37, 4));
      mask.ImageCount = Short(Field(value, 42, 1));
      mask.MaskType = Short(Field(value, 44, 1));
      mask.DrawMode = Short(Field(value, 46, 1));
      mask.BorderWidth = Short(Field(value, 48, 1));
      break;
  }
}

std::wstring ParseFileMask(std::wstring_view value, TsMaskData& mask) {
  const auto words = Words(value, L"!");
  const auto word = [&](std::size_t n) {
    return classlib::StrToIntStrict(n <= words.size() ? words[n - 1] : std::wstring_view());
  };
  mask.ImageCount = Short(word(2));
  mask.MaskType = Short(word(3));
  mask.MaskKind = static_cast<std::uint8_t>(std::clamp(word(4), 0, 4));
  if (words.size() > 4) {
    mask.WL = Short(word(5));
    mask.WT = Short(word(6));
    mask.WR = Short(word(7));
    mask.WB = Short(word(8));
  }
  mask.DrawMode = words.size() > 8 ? Short(word(9)) : 1;
  return words.empty() ? std::wstring() : std::wstring(words[0]);
}

void ParseLegacyMask(std::wstring_view value, TsMaskData& mask) {
  const auto words = Words(value, L" ()");
  const auto numbers = [&](std::size_t n) {
    return n <= words.size() ? Words(words[n - 1], L", ") : std::vector<std::wstring_view>();
  };
  const auto rect = numbers(2);
  const auto counts = numbers(3);
  const auto lenient = [](const std::vector<std::wstring_view>& list, std::size_t i) {
    return i < list.size() ? classlib::StrToIntDef(list[i], 0) : 0;
  };
  mask.R = {lenient(rect, 0), lenient(rect, 1), lenient(rect, 2), lenient(rect, 3)};
  mask.ImageCount = Short(std::max(1, lenient(counts, 0)));
  mask.MaskType = Short(std::max(0, lenient(counts, 1)));
  mask.BorderWidth = counts.size() > 2 ? Short(std::max(0, classlib::StrToIntStrict(counts[2]))) : 0;
  mask.DrawMode = counts.size() > 3 ? Short(classlib::StrToIntStrict(counts[3])) : 1;
  mask.MaskKind = mkBorder;
}

void SetWholeBitmapMask(TsMaskData& mask, int width, int height) {
  mask.ImageCount = 3;
  mask.MaskType = 1;
  mask.R = {0, 0, width, height};
  mask.WL = mask.WR = Short(width / 9);
  mask.WT = mask.WB = Short(height / 6);
}

void ClampMask(TsMaskData& mask, int bitmapWidth, int bitmapHeight) {
  mask.ImageCount = std::max<std::int16_t>(mask.ImageCount, 1);
  mask.MaskType = std::max<std::int16_t>(mask.MaskType, 0);
  mask.BorderWidth = std::max<std::int16_t>(mask.BorderWidth, 0);
  mask.MaskKind = std::min<std::uint8_t>(mask.MaskKind, 4);
  TRect& r = mask.R;
  r.Left = std::clamp(r.Left, 0, bitmapWidth);
  r.Top = std::clamp(r.Top, 0, bitmapHeight);
  r.Right = std::clamp(r.Right, r.Left, bitmapWidth);
  r.Bottom = std::clamp(r.Bottom, r.Top, bitmapHeight);
  const auto fw = static_cast<std::int16_t>(std::min(MaskFrameWidth(mask), 32767));
  const auto fh = static_cast<std::int16_t>(std::min(MaskFrameHeight(mask), 32767));
  mask.WL = std::clamp<std::int16_t>(mask.WL, 0, fw);
  mask.WR = std::clamp<std::int16_t>(mask.WR, 0, fw);
  mask.WT = std::clamp<std::int16_t>(mask.WT, 0, fh);
  mask.WB = std::clamp<std::int16_t>(mask.WB, 0, fh);
}

void DeriveBorderWidths(TsMaskData& mask) {
  if (mask.WL + mask.WT + mask.WR + mask.WB != 0) return;
  if (mask.BorderWidth != 0) {
    mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
    return;
  }
  mask.WL = mask.WR = Short(mask.R.Width() / (std::max<int>(mask.ImageCount, 1) * 3));
  mask.WT = mask.WB = Short(mask.R.Height() / ((std::max<int>(mask.MaskType, 0) + 1) * 3));
}

void ApplyOldDrawModeRule(TsMaskData& mask) {
  if (mask.MaskType <= 0) return;
  const bool onePixelCentre = MaskFrameWidth(mask) - mask.WL - mask.WR == 1 &&
                              mask.R.Height() / (mask.MaskType + 1) - mask.WT - mask.WB == 1;
  mask.DrawMode = static_cast<std::int16_t>(onePixelCentre ? mask.DrawMode | 1 : mask.DrawMode & ~1);
}

int MaskFrameWidth(const TsMaskData& mask) {
  return mask.ImageCount <= 0 ? 0 : mask.R.Width() / mask.ImageCount;
}

int MaskFrameHeight(const TsMaskData& mask) {
  return mask.MaskType < 0 ? 0 : mask.R.Height() / (mask.MaskType + 1);
}

std::int16_t GetCornerType(const TsMaskData& mask, const bmp32::TCustomBitmap32* bitmap) {
  if (mask.ClassName == L"BUTTON_HUGE" && mask.PropertyName == L"BORDERSMASK") return 2;
  if (mask.R.Height() == 0 || !bitmap || bitmap->Width() <= 0) return 0;
  const int fw = MaskFrameWidth(mask), fh = MaskFrameHeight(mask);
  const TRect& r = mask.R;
  const TRect corners[4] = {
      {r.Left, r.Top, r.Left + mask.WL, r.Top + mask.WT},
      {r.Left + fw - mask.WR, r.Top, r.Left + fw, r.Top + mask.WT},
      {r.Left, r.Top + fh - mask.WB, r.Left + mask.WL, r.Top + fh},
      {r.Left + fw - mask.WR, r.Top + fh - mask.WB, r.Left + fw, r.Top + fh},
  };
  for (const TRect& area : corners) {
    const int right = std::min(area.Right, bitmap->Width()), bottom = std::min(area.Bottom, bitmap->Height());
    for (int y = std::max(area.Top, 0); y < bottom; ++y)
      for (int x = std::max(area.Left, 0); x < right; ++x)
        if ((bitmap->Pixel(x, y) & 0xFFFFFF) == static_cast<bmp32::TColor32>(kSkinKeyColor)) return 1;
  }
  return 0;
}

}  // namespace skin
