#include "skin/core/SkinLookups.h"

#include <vector>

namespace skin {

namespace {

// First index whose record matches `found`, searching the section and then
// its parents. `found(section name)` returns an index or -1.
template <typename Find>
int WalkParents(const TsSkinModel& skin, int sectionIndex, std::wstring_view section, Find found) {
  std::vector<int> visited;
  while (sectionIndex >= 0 && sectionIndex < static_cast<int>(skin.Sections.size()) && !section.empty()) {
    const int index = found(section);
    if (index >= 0) return index;
    visited.push_back(sectionIndex);
    const std::wstring& parent = skin.Sections[static_cast<std::size_t>(sectionIndex)].ParentClass;
    if (parent.empty() || parent == section) return -1;
    sectionIndex = GetSkinIndex(skin, parent);
    for (int seen : visited)
      if (seen == sectionIndex) return -1;
    section = parent;
  }
  return -1;
}

template <typename Records, typename Accept>
int FirstMatch(const Records& records, std::wstring_view section, std::wstring_view name, Accept accept) {
  for (std::size_t i = 0; i < records.size(); ++i)
    if (records[i].ClassName == section && records[i].PropertyName == name && accept(records[i]))
      return static_cast<int>(i);
  return -1;
}

constexpr auto kAny = [](const auto&) { return true; };

std::int16_t Short(int index) { return static_cast<std::int16_t>(index); }

}  // namespace

int GetSkinIndex(const TsSkinModel& skin, std::wstring_view name) {
  if (name.empty()) return -1;
  for (std::size_t i = 0; i < skin.Sections.size(); ++i)
    if (skin.Sections[i].ClassName == name) return static_cast<int>(i);
  return -1;
}

int GetMaskIndex(const TsSkinModel& skin, int sectionIndex, std::wstring_view section, std::wstring_view mask) {
  return WalkParents(skin, sectionIndex, section,
                     [&](std::wstring_view s) { return FirstMatch(skin.Masks, s, mask, kAny); });
}

int GetTextureIndex(const TsSkinModel& skin, int sectionIndex, std::wstring_view section, std::wstring_view texture) {
  if (skin.Masks.empty()) return -1;
  return WalkParents(skin, sectionIndex, section, [&](std::wstring_view s) {
    return FirstMatch(skin.Masks, s, texture, [](const TsMaskData& m) { return m.MaskKind == mkTexture; });
  });
}

int GetPatternIndex(const TsSkinModel& skin, int sectionIndex, std::wstring_view section, std::wstring_view pattern) {
  if (skin.Patterns.empty()) return -1;
  return WalkParents(skin, sectionIndex, section,
                     [&](std::wstring_view s) { return FirstMatch(skin.Patterns, s, pattern, kAny); });
}

int FindMaskIndex(const TsSkinModel& skin, std::wstring_view section, std::wstring_view mask) {
  if (section.empty()) return -1;
  return FirstMatch(skin.Masks, section, mask, kAny);
}

void InitSectionIndexes(TsSkinModel& skin) {
  for (std::size_t i = 0; i < skin.Sections.size(); ++i) {
    TsGeneralData& s = skin.Sections[i];
    if (s.ClassName == L"GLOBALINFO") continue;
    const int index = static_cast<int>(i);
    s.BorderIndex = GetMaskIndex(skin, index, s.ClassName, L"BORDERSMASK");
    s.ImgTopLeft = GetMaskIndex(skin, index, s.ClassName, L"IMGTOPLEFT");
    s.ImgTopRight = GetMaskIndex(skin, index, s.ClassName, L"IMGTOPRIGHT");
    s.ImgBottomLeft = GetMaskIndex(skin, index, s.ClassName, L"IMGBTMLEFT");
    s.ImgBottomRight = GetMaskIndex(skin, index, s.ClassName, L"IMGBTMRIGHT");
    s.TextureIndex = GetTextureIndex(skin, index, s.ClassName, L"PATTERN");
    s.Props[0].TextureIndex = s.TextureIndex;
    if (s.States > 1) s.Props[1].TextureIndex = GetTextureIndex(skin, index, s.ClassName, L"HOTPATTERN");
  }
}

void InitConstIndexes(TsSkinModel& skin) {
  TsConstData& c = skin.ConstData;
  c = TsConstData{};
  const auto section = [&](TsSectionConst& entry, const wchar_t* name, bool glyph, bool textures) {
    const int index = GetSkinIndex(skin, name);
    entry.Section = Short(index);
    entry.Border = Short(GetMaskIndex(skin, index, name, L"BORDERSMASK"));
    if (glyph) entry.Glyph = Short(GetMaskIndex(skin, index, name, L"GLYPHMASK"));
    if (textures) {
      entry.Pattern = Short(GetTextureIndex(skin, index, name, L"PATTERN"));
      entry.HotPattern = Short(GetTextureIndex(skin, index, name, L"HOTPATTERN"));
    }
  };
  const wchar_t* tabs[] = {L"TABTOP", L"TABBOTTOM", L"TABLEFT", L"TABRIGHT"};
  const wchar_t* buttons[] = {L"SCROLLBTNTOP", L"SCROLLBTNBOTTOM", L"SCROLLBTNLEFT", L"SCROLLBTNRIGHT"};
  const wchar_t* sliders[] = {L"SCROLLSLIDERV", L"SCROLLSLIDERH"};
  const wchar_t* bars[] = {L"SCROLLBAR1H", L"SCROLLBAR1V", L"SCROLLBAR2H", L"SCROLLBAR2V"};
  for (int i = 0; i < 4; ++i) section(c.Tabs[i], tabs[i], false, false);
  for (int i = 0; i < 4; ++i) section(c.ScrollButtons[i], buttons[i], true, true);
  for (int i = 0; i < 2; ++i) section(c.ScrollSliders[i], sliders[i], true, true);
  for (int i = 0; i < 4; ++i) section(c.ScrollBars[i], bars[i], false, true);

  const int combo = GetSkinIndex(skin, L"COMBOBTN");
  c.ComboButton.Section = Short(combo);
  c.ComboButton.Border = Short(FindMaskIndex(skin, L"COMBOBTN", L"BORDERSMASK"));
  c.ComboButton.Pattern = Short(GetTextureIndex(skin, combo, L"COMBOBTN", L"PATTERN"));
  c.ComboButton.HotPattern = Short(GetTextureIndex(skin, combo, L"COMBOBTN", L"HOTPATTERN"));
  c.ComboBoxGlyph = Short(FindMaskIndex(skin, L"COMBOBOX", L"GLYPHMASK"));
  c.WebButton = Short(GetSkinIndex(skin, L"WEBBUTTON"));

  const int global = GetSkinIndex(skin, L"GLOBALINFO");
  c.GlobalInfo = Short(global);
  const auto mask = [&](const wchar_t* name) { return Short(GetMaskIndex(skin, global, L"GLOBALINFO", name)); };
  c.CheckBox = {mask(L"BOXCHECKED"), mask(L"BOXUNCHECKED"), mask(L"BOXGRAYED")};
  c.Radio = {mask(L"RADIOCHECKED"), mask(L"RADIOUNCHECKED"), mask(L"RADIOGRAYED")};
  c.SmallBox = {mask(L"SMALLCHECKED"), mask(L"SMALLUNCHECKED"), mask(L"SMALLGRAYED")};
  c.ExBorder = mask(L"EXBORDER");
  c.GripImage = mask(L"GRIPIMAGE");
  c.GripHorz = mask(L"GRIPHORZ");
  c.GripVert = mask(L"GRIPVERT");
  c.TitleClose = mask(L"BICONCLOSE");
  c.TitleCloseAlone = mask(L"BICLOSEALONE");
  c.TitleMax = mask(L"BICONMAX");
  c.TitleNorm = mask(L"BICONNORM");
  c.TitleMin = mask(L"BICONMIN");
  c.TitleHelp = mask(L"BICONHELP");
  c.SmallClose = mask(L"SICONCLOSE");
  c.SmallMax = mask(L"SICONMAX");
  c.SmallNorm = mask(L"SICONNORM");
  c.SmallMin = mask(L"SICONMIN");
  c.SmallHelp = mask(L"SICONHELP");

  InitSectionIndexes(skin);
}

}  // namespace skin
