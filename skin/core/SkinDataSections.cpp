// The section pass of a skin load: GLOBALINFO's skin-wide values, one record
// per section with values inherited through "PARENTCLASS", then the records
// of the application's common sections that the skin lacks.
#include <algorithm>
#include <string>
#include <vector>

#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/ConvertText.h"
#include "skin/core/IniSections.h"
#include "skin/core/SkinDataLoadSteps.h"
#include "skin/core/SkinLookups.h"

namespace skin {

namespace {

// "Not given" for integer and text reads; a skin writes -1 to inherit.
constexpr int kNoInteger = -1;
constexpr const wchar_t* kNoText = L"?";

// How a key of a section is read and where its value goes.
enum class KeyKind { Integer, Color, Byte, Boolean, Text };

struct SectionKey {
  const wchar_t* key;
  KeyKind kind;
  int defaultValue;  // Integer, Color and Byte
  const wchar_t* defaultText;  // Boolean and Text
  std::int32_t TsGeneralData::*integer = nullptr;
  std::uint8_t TsGeneralData::*byte = nullptr;
  bool TsGeneralData::*boolean = nullptr;
  std::wstring TsGeneralData::*text = nullptr;
  std::array<TColor, 4> TsGeneralData::*sides = nullptr;
  int side = 0;
};

using G = TsGeneralData;

SectionKey Int(const wchar_t* key, int def, std::int32_t G::*field, KeyKind kind = KeyKind::Integer) {
  return {key, kind, def, nullptr, field};
}
SectionKey Side(const wchar_t* key, std::array<TColor, 4> G::*field, int side) {
  return {key, KeyKind::Integer, -1, nullptr, nullptr, nullptr, nullptr, nullptr, field, side};
}
SectionKey Byte(const wchar_t* key, std::uint8_t G::*field) { return {key, KeyKind::Byte, 0, nullptr, nullptr, field}; }
SectionKey Bool(const wchar_t* key, bool G::*field) {
  return {key, KeyKind::Boolean, 0, L"0", nullptr, nullptr, field};
}
SectionKey Text(const wchar_t* key, const wchar_t* def, std::wstring G::*field) {
  return {key, KeyKind::Text, 0, def, nullptr, nullptr, nullptr, field};
}

// In reading order. "COLOR", "GCOL" and "HGCOL" always pass ColorToRgb.
const std::vector<SectionKey>& NormalKeys() {
  static const std::vector<SectionKey> keys = {
      Int(L"COLOR", 0xFFFFFF, &G::Color, KeyKind::Color),
      Bool(L"RESERVEDBOOLEAN", &G::ReservedBoolean),
      Bool(L"GIVEOWNFONT", &G::GiveOwnFont),
      Int(L"GLOW", 0, &G::GlowCount),
      Int(L"GLOWMARGIN", 0, &G::GlowMargin),
      Int(L"FONTCOLOR", 0, &G::FontColor),
      Side(L"TCLEFT", &G::TextColors, 0),
      Side(L"TCTOP", &G::TextColors, 1),
      Side(L"TCRIGHT", &G::TextColors, 2),
      Side(L"TCBOTTOM", &G::TextColors, 3),
      Int(L"TRANSPARENCY", 0, &G::Transparency),
      Int(L"GRADIENTPERCENT", 0, &G::GradientPercent),
      Int(L"IMAGEPERCENT", 0, &G::ImagePercent),
      Text(L"GRADIENTDATA", L" ", &G::GradientData),
      Bool(L"SHOWFOCUS", &G::ShowFocus),
      Bool(L"FADINGENABLED", &G::FadingEnabled),
      Int(L"FADINGITERATIONS", 5, &G::FadingIterations),
      Int(L"GCOL", 0xFFFFFF, &G::GlowColor, KeyKind::Color),
      Byte(L"GSIZE", &G::GlowSize),
  };
  return keys;
}

const std::vector<SectionKey>& HotKeys() {
  static const std::vector<SectionKey> keys = {
      Int(L"HOTFONTCOLOR", 0, &G::HotFontColor),
      Side(L"HOTTCLEFT", &G::HotTextColors, 0),
      Side(L"HOTTCTOP", &G::HotTextColors, 1),
      Side(L"HOTTCRIGHT", &G::HotTextColors, 2),
      Side(L"HOTTCBOTTOM", &G::HotTextColors, 3),
      Int(L"HGCOL", 0xFFFFFF, &G::HotGlowColor, KeyKind::Color),
      Byte(L"HGSIZE", &G::HotGlowSize),
      Int(L"HOTCOLOR", 0xFFFFFF, &G::HotColor),
      Int(L"HOTTRANSPARENCY", 0, &G::HotTransparency),
      Int(L"HOTGRADIENTPERCENT", 0, &G::HotGradientPercent),
      Text(L"HOTGRADIENTDATA", L"", &G::HotGradientData),
      Int(L"HOTIMAGEPERCENT", 0, &G::HotImagePercent),
  };
  return keys;
}

bool IsTrue(const std::wstring& text) {
  const std::wstring upper = classlib::AnsiUpperCase(text);
  return upper == L"1" || upper == L"TRUE";
}

// Stores an integer read (or a parent's value) into the key's field.
void StoreInteger(const SectionKey& entry, G& record, int value) {
  if (entry.integer) record.*entry.integer = value;
  else if (entry.sides) (record.*entry.sides)[static_cast<std::size_t>(entry.side)] = value;
  else if (entry.byte) record.*entry.byte = static_cast<std::uint8_t>(value);
}

void CopyField(const SectionKey& entry, G& record, const G& from) {
  if (entry.integer) record.*entry.integer = from.*entry.integer;
  if (entry.sides) (record.*entry.sides)[static_cast<std::size_t>(entry.side)] = (from.*entry.sides)[static_cast<std::size_t>(entry.side)];
  if (entry.byte) record.*entry.byte = from.*entry.byte;
  if (entry.boolean) record.*entry.boolean = from.*entry.boolean;
  if (entry.text) record.*entry.text = from.*entry.text;
}

// Inheriting reads over the skin's description: a key not given in a
// section (-1 or "?") is looked up in its "PARENTCLASS", and so on up.
class InheritingReader {
 public:
  InheritingReader(const TsSkinOptions& options, const TsSkinLoadSettings& settings)
      : options_(options), settings_(settings) {}

  int Integer(const std::wstring& section, const wchar_t* key, int defaultValue) const {
    std::vector<std::wstring> visited;
    const int value = IntegerFrom(section, key, visited);
    return value == kNoInteger ? defaultValue : value;
  }

  std::wstring String(const std::wstring& section, const wchar_t* key, const wchar_t* defaultValue) const {
    std::vector<std::wstring> visited;
    const std::wstring value = StringFrom(section, key, visited);
    return value == kNoText ? defaultValue : value;
  }

  TColor ToRgb(TColor color) const { return settings_.ColorToRgb ? settings_.ColorToRgb(color) : color; }

  void Read(const SectionKey& entry, const std::wstring& section, G& record) const {
    switch (entry.kind) {
      case KeyKind::Boolean: record.*entry.boolean = IsTrue(String(section, entry.key, entry.defaultText)); break;
      case KeyKind::Text: record.*entry.text = String(section, entry.key, entry.defaultText); break;
      case KeyKind::Color: StoreInteger(entry, record, ToRgb(Integer(section, entry.key, entry.defaultValue))); break;
      default: StoreInteger(entry, record, Integer(section, entry.key, entry.defaultValue)); break;
    }
  }

 private:
  // The parent to ask next, or "" when there is none (or it was asked).
  std::wstring Parent(const std::wstring& section, std::vector<std::wstring>& visited) const {
    visited.push_back(section);
    const std::wstring parent = options_.ReadString(section, L"PARENTCLASS", kNoText);
    if (parent.empty() || parent == kNoText || std::find(visited.begin(), visited.end(), parent) != visited.end())
      return {};
    return parent;
  }

  int IntegerFrom(const std::wstring& section, const wchar_t* key, std::vector<std::wstring>& visited) const {
    int value = options_.ReadInteger(section, key, kNoInteger);
    if (value != kNoInteger) return value;
    const std::wstring parent = Parent(section, visited);
    if (!parent.empty()) value = IntegerFrom(parent, key, visited);
    return value == kNoInteger ? value : ToRgb(value);
  }

  std::wstring StringFrom(const std::wstring& section, const wchar_t* key, std::vector<std::wstring>& visited) const {
    std::wstring value = options_.ReadString(section, key, kNoText);
    if (value != kNoText) return value;
    const std::wstring parent = Parent(section, visited);
    return parent.empty() ? value : StringFrom(parent, key, visited);
  }

  const TsSkinOptions& options_;
  const TsSkinLoadSettings& settings_;
};

void ParseGradients(G& record) {
  if (record.GradientData.size() <= 1) record.GradientPercent = 0;
  else record.GradientArray = ParseGradientData(record.GradientData);
  if (record.HotGradientData.size() <= 1) record.HotGradientPercent = 0;
  else record.HotGradientArray = ParseGradientData(record.HotGradientData);
}

TsGenState NormalState(const G& r) {
  TsGenState s;
  s.Color = r.Color;
  s.FontColor = r.FontColor;
  s.TextColors = r.TextColors;
  s.GlowColor = r.GlowColor;
  s.GlowSize = r.GlowSize;
  s.GradientPercent = r.GradientPercent;
  s.GradientData = r.GradientData;
  s.GradientArray = r.GradientArray;
  s.ImagePercent = r.ImagePercent;
  s.Transparency = r.Transparency;
  return s;
}

TsGenState HotState(const G& r) {
  TsGenState s;
  s.Color = r.HotColor;
  s.FontColor = r.HotFontColor;
  s.TextColors = r.HotTextColors;
  s.GlowColor = r.HotGlowColor;
  s.GlowSize = r.HotGlowSize;
  s.GradientPercent = r.HotGradientPercent;
  s.GradientData = r.HotGradientData;
  s.GradientArray = r.HotGradientArray;
  s.ImagePercent = r.HotImagePercent;
  s.Transparency = r.HotTransparency;
  return s;
}

void FillProps(G& record) {
  record.Props[0] = NormalState(record);
  record.Props[1] = record.States > 1 ? HotState(record) : record.Props[0];
}

std::int16_t Short(int value) { return static_cast<std::int16_t>(value); }

// A GLOBALINFO value written as text; raises EConvertError when it is not a number.
std::int16_t TextNumber(const TsSkinOptions& options, const wchar_t* key, const wchar_t* defaultValue) {
  return Short(classlib::StrToIntStrict(options.ReadString(L"GLOBALINFO", key, defaultValue)));
}

void LoadGlobalInfo(TsSkinData& d, const TsSkinOptions& o, const TsSkinLoadSettings& settings) {
  const auto integer = [&](const wchar_t* key, int def) { return o.ReadInteger(L"GLOBALINFO", key, def); };
  d.Version = o.ReadFloat(L"GLOBALINFO", L"VERSION", 0);
  d.Author = o.ReadString(L"GLOBALINFO", L"AUTHOR", L"");
  d.Description = o.ReadString(L"GLOBALINFO", L"DESCRIPTION", L"");
  d.BorderWidth = Short(integer(L"BORDERWIDTH", 4));
  d.TitleHeight = Short(integer(L"TITLEHEIGHT", 30));
  if (d.TitleHeight == 0) d.TitleHeight = 30;
  d.MaxHeight = Short(integer(L"MAXHEIGHT", 0));
  if (d.MaxHeight == 0) d.MaxHeight = d.TitleHeight;
  d.FormOffset = Short(integer(L"FORMOFFSET", settings.SizingFrameWidth));
  d.AlignOffset = Short(integer(L"ALIGNOFFSET", 0));
  d.CenterOffset = Short(integer(L"CENTEROFFSET", 0));
  d.BorderMode = Short(integer(L"BORDERMODE", 0));
  d.Shadow1Color = integer(L"SHADOW1COLOR", 0);
  d.Shadow1Offset = TextNumber(o, L"SHADOW1OFFSET", L"0");
  d.Shadow1Blur = TextNumber(o, L"SHADOW1BLUR", L"-1");
  d.Shadow1Transparency = TextNumber(o, L"SHADOW1TRANSPARENCY", L"0");
  d.BISpace = Short(integer(L"BISPACE", 0));
  d.BIVAlign = Short(integer(L"BIVALIGN", 0));
  d.BIRight = Short(integer(L"BIRIGHT", 0));
  d.BILeft = Short(integer(L"BILEFT", 0));
  d.BITop = Short(integer(L"BITOP", 0));
  d.BorderColor = integer(L"BORDERCOLOR", 0);
  d.BIKeepHue = Short(integer(L"BIKEEPHUE", 0));
  d.BICloseGlow = TextNumber(o, L"BICONCLOSEGLOW", L"0");
  d.BICloseGlowMargin = TextNumber(o, L"BICONCLOSEGLOWMARGIN", L"0");
  d.BIMaxGlow = TextNumber(o, L"BICONMAXGLOW", L"0");
  d.BIMaxGlowMargin = TextNumber(o, L"BICONMAXGLOWMARGIN", L"0");
  d.BIMinGlow = TextNumber(o, L"BICONMINGLOW", L"0");
  d.BIMinGlowMargin = TextNumber(o, L"BICONMINGLOWMARGIN", L"0");
  d.AeroBlur = integer(L"AEROBLUR", 0) != 0;
  d.ExtShadow = integer(L"EXTSHADOW", 0);
}

G LoadSection(const std::wstring& section, const TsSkinOptions& options, const InheritingReader& reader) {
  G record;
  record.ClassName = section;
  record.ParentClass = options.ReadString(section, L"PARENTCLASS", L"");
  for (const SectionKey& entry : NormalKeys()) reader.Read(entry, section, record);
  record.States = reader.Integer(section, L"STATES", 3);
  if (record.States > 1)
    for (const SectionKey& entry : HotKeys()) reader.Read(entry, section, record);
  ParseGradients(record);
  FillProps(record);
  return record;
}

// A section of the application's common sections: values not given there
// come from the parent record (named by its "PARENTCLASS"), else defaults.
G LoadCommonSection(const std::wstring& section, const classlib::TStrings& common,
                    const std::vector<G>& records, const InheritingReader& reader) {
  G record;
  record.ClassName = section;
  record.ParentClass = classlib::AnsiUpperCase(ReadIniString(common, section, L"PARENTCLASS", L"-1"));
  const G* parent = nullptr;
  for (const G& r : records)
    if (classlib::AnsiUpperCase(r.ClassName) == record.ParentClass) {
      parent = &r;
      break;
    }
  for (const auto* keys : {&NormalKeys(), &HotKeys()}) {
    for (const SectionKey& entry : *keys) {
      const bool textual = entry.kind == KeyKind::Boolean || entry.kind == KeyKind::Text;
      const std::wstring text = textual ? ReadIniString(common, section, entry.key, kNoText) : std::wstring();
      const int number = textual ? 0 : ReadIniInteger(common, section, entry.key, kNoInteger);
      if ((textual && text == kNoText) || (!textual && number == kNoInteger)) {
        if (parent) CopyField(entry, record, *parent);
        else if (entry.kind == KeyKind::Boolean) record.*entry.boolean = IsTrue(entry.defaultText);
        else if (entry.kind == KeyKind::Text) record.*entry.text = entry.defaultText;
        else StoreInteger(entry, record, entry.kind == KeyKind::Color ? reader.ToRgb(entry.defaultValue) : entry.defaultValue);
        continue;
      }
      if (entry.kind == KeyKind::Boolean) record.*entry.boolean = IsTrue(text);
      else if (entry.kind == KeyKind::Text) record.*entry.text = text;
      else StoreInteger(entry, record, entry.kind == KeyKind::Color ? reader.ToRgb(number) : number);
    }
  }
  record.States = reader.Integer(section, L"STATES", 3);
  ParseGradients(record);
  FillProps(record);
  return record;
}

}  // namespace

void LoadAllGeneralData(TsSkinModel& skin, const TsSkinOptions& options, const TsSkinLoadSettings& settings) {
  LoadGlobalInfo(skin.SkinData, options, settings);
  if (settings.CheckVersion) settings.CheckVersion(skin.SkinData);

  const InheritingReader reader(options, settings);
  std::vector<G> records;
  for (const std::wstring& section : options.SectionNames()) records.push_back(LoadSection(section, options, reader));

  if (settings.CommonSections && settings.CommonSections->Count() > 0) {
    classlib::TStringList common;
    common.SetCaseSensitive(true);
    try {
      ParseIniSections(*settings.CommonSections, common);
      for (int i = 0; i < common.Count(); ++i) {
        const std::wstring name = common.Strings(i);
        const bool known = std::any_of(records.begin(), records.end(), [&](const G& r) { return r.ClassName == name; });
        if (!known) records.push_back(LoadCommonSection(name, common, records, reader));
      }
    } catch (...) {
      FreeIniSections(common);
      throw;
    }
    FreeIniSections(common);
  }
  skin.Sections = std::move(records);
  InitSectionIndexes(skin);
}

}  // namespace skin
