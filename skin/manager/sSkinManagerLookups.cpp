// The manager's lookups by name, mask border widths, skin-wide colours and
// the list of available skins.
#include <algorithm>

#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsPath.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinLookups.h"
#include "skin/manager/SkinDirectory.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

bool IsNoColor(TColor color) { return color == -1 || color == kSkinKeyColor; }

}  // namespace

int TsSkinManager::GetSkinIndex(std::wstring_view section) const {
  return skin_ ? skin::GetSkinIndex(*skin_, section) : -1;
}

int TsSkinManager::GetMaskIndex(int sectionIndex, std::wstring_view section, std::wstring_view mask) const {
  return skin_ ? skin::GetMaskIndex(*skin_, sectionIndex, section, mask) : -1;
}

int TsSkinManager::GetTextureIndex(int sectionIndex, std::wstring_view section, std::wstring_view texture) const {
  return skin_ ? skin::GetTextureIndex(*skin_, sectionIndex, section, texture) : -1;
}

int TsSkinManager::GetPatternIndex(int sectionIndex, std::wstring_view section, std::wstring_view pattern) const {
  return skin_ ? skin::GetPatternIndex(*skin_, sectionIndex, section, pattern) : -1;
}

int TsSkinManager::FindMaskIndex(std::wstring_view section, std::wstring_view mask) const {
  return skin_ ? skin::FindMaskIndex(*skin_, section, mask) : -1;
}

bool TsSkinManager::IsValidImgIndex(int index) const {
  return skin_ && index >= 0 && static_cast<std::size_t>(index) < skin_->Masks.size();
}

bool TsSkinManager::IsValidSkinIndex(int index) const {
  return skin_ && index >= 0 && static_cast<std::size_t>(index) < skin_->Sections.size();
}

TsMaskData* TsSkinManager::ValidMask(int index) {
  return IsValidImgIndex(index) ? &skin_->Masks[static_cast<std::size_t>(index)] : nullptr;
}

int TsSkinManager::MaskBorder(int maskIndex, std::int16_t TsMaskData::*width, bool horizontal) {
  TsMaskData* m = ValidMask(maskIndex);
  if (!m) return 0;
  if (m->*width > 0) return m->*width;
  if (m->BorderWidth >= 1) return m->BorderWidth;
  if (!horizontal) return MaskFrameHeight(*m);
  if (m->ImageCount == 0) m->ImageCount = 1;
  return MaskFrameWidth(*m);
}

int TsSkinManager::MaskBorderLeft(int maskIndex) { return MaskBorder(maskIndex, &TsMaskData::WL, true); }
int TsSkinManager::MaskBorderRight(int maskIndex) { return MaskBorder(maskIndex, &TsMaskData::WR, true); }
int TsSkinManager::MaskBorderTop(int maskIndex) { return MaskBorder(maskIndex, &TsMaskData::WT, false); }
int TsSkinManager::MaskBorderBottom(int maskIndex) { return MaskBorder(maskIndex, &TsMaskData::WB, false); }

const TsGeneralData* TsSkinManager::Section(std::wstring_view name) const {
  const int index = GetSkinIndex(name);
  return index >= 0 ? &skin_->Sections[static_cast<std::size_t>(index)] : nullptr;
}

TColor TsSkinManager::GetGlobalColor() const {
  const TsGeneralData* global = Section(L"GLOBALINFO");
  return SkinManagerPlatform().ColorToRgb(global ? global->Color : clBtnFace);
}

TColor TsSkinManager::GetGlobalFontColor() const {
  const TsGeneralData* global = Section(L"GLOBALINFO");
  return global ? SkinManagerPlatform().ColorToRgb(global->Props[0].FontColor) : kSkinKeyColor;
}

TColor TsSkinManager::GetHotGlobalColor() const {
  const TsGeneralData* global = Section(L"GLOBALINFO");
  return SkinManagerPlatform().ColorToRgb(global ? global->HotColor : clWindow);
}

TColor TsSkinManager::GetEditFontColor() const {
  const TsGeneralData* edit = Section(L"EDIT");
  return SkinManagerPlatform().ColorToRgb(edit ? edit->Props[0].FontColor : clWindowText);
}

TColor TsSkinManager::GetHighlightColor(bool hot) const {
  TColor color = clHighlight;
  const TsGeneralData* selection = Section(L"SELECTION");
  const TsGeneralData* item = Section(L"MENUITEM");
  if (selection && !IsNoColor(selection->Props[hot && selection->States > 1 ? 1 : 0].Color))
    color = selection->Props[hot && selection->States > 1 ? 1 : 0].Color;
  else if (item && !IsNoColor(item->HotColor) && item->HotColor != 0xFFFFFF)
    color = item->HotColor;
  return SkinManagerPlatform().ColorToRgb(color);
}

TColor TsSkinManager::GetHighlightFontColor(bool hot) const {
  const TsGeneralData* selection = Section(L"SELECTION");
  if (selection) {
    const TColor color = selection->Props[hot && selection->States > 1 ? 1 : 0].FontColor;
    if (!IsNoColor(color)) return color;
  }
  const TsGeneralData* item = Section(L"MENUITEM");
  if (item && !IsNoColor(item->HotFontColor)) return SkinManagerPlatform().ColorToRgb(item->HotFontColor);
  return SkinManagerPlatform().ColorToRgb(clHighlightText);
}

void TsSkinManager::GetSkinNames(TStrings& list) const {
  list.Clear();
  TStringList names;
  for (int i = 0; i < internalSkins_->Count(); ++i) names.Add(internalSkins_->Items(i)->Name());
  const std::wstring directory = SkinFileName(GetSkinDirectory());
  if (DirectoryExists(directory))
    for (const DirectoryEntry& entry : ListDirectory(directory)) {
      if (entry.name.empty() || entry.name.front() == L'.') continue;
      if (entry.IsDirectory()) {
        if (FileExists(SkinFileName(directory + entry.name + L"\\Options.dat"))) names.Add(entry.name);
      } else if (ExtractFileExt(entry.name) == L".asz") {
        names.Add(entry.name.substr(0, entry.name.find(L'.')));
      }
    }
  names.Sort();
  list.Assign(&names);
}

}  // namespace skin
