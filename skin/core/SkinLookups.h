#pragma once
// Finding sections, masks, textures and patterns of a loaded skin by name.
// Names compare exactly; -1 means not found. Mask, texture and pattern
// lookups walk up through "PARENTCLASS" and stop at a section already
// visited, so a cycle of parents ends the search instead of looping.
#include <string_view>

#include "skin/core/SkinData.h"

namespace skin {

// The first section named `name`; -1 for an empty name.
int GetSkinIndex(const TsSkinModel& skin, std::wstring_view name);
// The first mask of the section and key, else the parent's.
int GetMaskIndex(const TsSkinModel& skin, int sectionIndex, std::wstring_view section, std::wstring_view mask);
// As GetMaskIndex, among texture masks only.
int GetTextureIndex(const TsSkinModel& skin, int sectionIndex, std::wstring_view section, std::wstring_view texture);
// As GetMaskIndex, among the JPEG patterns.
int GetPatternIndex(const TsSkinModel& skin, int sectionIndex, std::wstring_view section, std::wstring_view pattern);
// The first mask of exactly that section and key, no inheritance.
int FindMaskIndex(const TsSkinModel& skin, std::wstring_view section, std::wstring_view mask);

// Mask and texture indexes of every section but GLOBALINFO.
void InitSectionIndexes(TsSkinModel& skin);
// The cached indexes of the well-known sections and masks, then the
// sections' own indexes.
void InitConstIndexes(TsSkinModel& skin);

}  // namespace skin
