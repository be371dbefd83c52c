#pragma once
// The background of a skin section under an item: colour, gradient,
// texture and the parent showing through by the state's transparency.
#include <cstdint>
#include <string>

#include "skin/core/CacheInfo.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}
namespace skin {
class TsSkinManager;
}

namespace skin::paint {

// The textures of the normal and the hot state, as mask indexes; -1 (and,
// for Normal, any negative value) looks "PATTERN" / "HOTPATTERN" up by name.
// Named so that callers cannot hand them over in the wrong order.
struct TStateTextures {
  std::int32_t Normal = -1;
  std::int32_t Hot = -1;
};

// Fills R of Bmp with section SectionIndex in State (clamped to the
// section's states; 0 normal, others hot). CustomColor other than
// 0xFF00FF paints it opaque. The parent image behind R is CI.Bmp at
// (CI.X + Offset.X, CI.Y + Offset.Y) when CI.Ready, else CI.FillColor;
// without either (not ready, 0xFF00FF) the section paints opaque. A null
// SkinManager is the default manager; nothing without one or with an
// invalid section.
void PaintSectionBackground(std::int32_t sectionIndex, const std::wstring& sectionName, const TacCacheInfo& ci,
                            std::int32_t state, const TRect& r, const TPoint& offset, classlib::TBitmap* bmp,
                            TsSkinManager* skinManager, TStateTextures textures, TColor customColor);

// The background of a small part of a larger surface (scroll-bar pieces):
// the textures are mask indexes used as given, no patterns, no custom
// colour, and partial transparency weighs Transparency x 255 div 100.
// Nothing without a default manager.
void PaintSmallItemBackground(std::int32_t sectionIndex, TStateTextures textures, const TacCacheInfo& ci,
                              std::int32_t state, const TRect& r, const TPoint& offset, classlib::TBitmap* bmp,
                              TsSkinManager* skinManager);

// State limited to the states the section has (0 for a section without).
std::int32_t ClampSectionState(const TsGeneralData& section, std::int32_t state);

// Transparency percent as the parent's share of 256: T x 2.55 rounded,
// halves to even (10 gives 26, 50 gives 128), limited to 0..255.
std::uint8_t TransparencyAlpha(std::int32_t transparency);

}  // namespace skin::paint
