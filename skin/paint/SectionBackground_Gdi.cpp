#include "skin/paint/SectionBackground_Gdi.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/Gradient_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/TextureTiles.h"
#include "skin/paint/TextureTiles_Gdi.h"

namespace skin::paint {

using classlib::TBitmap;

namespace {

// What one state of a section paints with.
struct TFill {
  TColor Color = 0;
  std::int32_t Transparency = 0;
  std::int32_t ImagePercent = 0;
  std::int32_t GradientPercent = 0;
  const TsGradientArray* Steps = nullptr;
  std::int32_t Texture = -1;  // mask index, or pattern index with UsePattern
  bool UsePattern = false;
  bool Small = false;  // the small-item painter's rules
};

bool HasSteps(const TFill& f) { return f.Steps != nullptr && !f.Steps->empty(); }

const TsMaskData* MaskAt(const TsSkinManager& manager, std::int32_t index) {
  const TsSkinModel* skin = manager.Skin();
  if (!skin || index < 0 || static_cast<std::size_t>(index) >= skin->Masks.size()) return nullptr;
  return &skin->Masks[static_cast<std::size_t>(index)];
}

const TsPatternData* PatternAt(const TsSkinManager& manager, std::int32_t index) {
  const TsSkinModel* skin = manager.Skin();
  if (!skin || index < 0 || static_cast<std::size_t>(index) >= skin->Patterns.size()) return nullptr;
  return &skin->Patterns[static_cast<std::size_t>(index)];
}

const bmp32::TCustomBitmap32* MasterOf(const TsSkinManager& manager) {
  return manager.Skin() ? manager.Skin()->MasterBitmap.get() : nullptr;
}

// 0xFF00FF is "no colour": it never mixes into a background.
bool IsNoColor(TColor c) { return c == kSkinKeyColor; }

void FillColor(TBitmap* bmp, const TRect& r, TColor color) {
  if (r.IsEmpty()) return;
  if (bmp->PixelFormat() == classlib::pf32bit)
    FillRect32(bmp, r, color, 255);
  else
    FillRectColor(bmp->Canvas()->Handle(), r, color);
}

bool ParentReady(const TacCacheInfo& ci) { return ci.Ready && ci.Bmp != nullptr; }

// The parent image behind R, when it is not the bitmap being painted.
void CopyParent(TBitmap* bmp, const TRect& r, const TacCacheInfo& ci, const TPoint& offset) {
  if (ci.Bmp == bmp) return;
  BitBlt(bmp->Canvas()->Handle(), r.Left, r.Top, r.Width(), r.Height(), ci.Bmp->Canvas()->Handle(),
         ci.X + offset.X, ci.Y + offset.Y, SRCCOPY);
}

// The texture over Q; returns whether one was drawn. Whatever the tiler
// leaves uncovered takes the colour.
bool PaintTexture(const TsSkinManager& manager, const TFill& f, TBitmap* b, const TRect& q) {
  TRect rest = q;
  bool painted = false;
  if (f.UsePattern && !f.Small) {
    if (const TsPatternData* pattern = PatternAt(manager, f.Texture)) {
      TileTexture(b, rest, pattern->Img.get(), TsMaskData{}, 0, MasterOf(manager));
      painted = true;
    }
  } else if (const TsMaskData* mask = MaskAt(manager, f.Texture)) {
    // Textures with a mask part below the picture have no tiler here: the
    // colour covers their place.
    if (mask->MaskType == 0) {
      TileTexture(b, rest, nullptr, *mask, static_cast<std::uint8_t>(mask->DrawMode), MasterOf(manager));
      painted = true;
    }
  }
  if (rest.Left != NothingLeft.Left || rest.Top != NothingLeft.Top || rest.Right != NothingLeft.Right ||
      rest.Bottom != NothingLeft.Bottom)
    FillColor(b, rest, f.Color);
  return painted;
}

void PaintOpaque(const TsSkinManager& manager, const TFill& f, const TacCacheInfo& ci, TBitmap* b, const TRect& q) {
  const std::int32_t ip = f.ImagePercent, gp = f.GradientPercent;
  const TsMaskData* mask = f.UsePattern ? nullptr : MaskAt(manager, f.Texture);
  if (!f.Small && ip + gp == 100 && gp > 0 && gp < 100 && mask && mask->DrawMode == 0 && HasSteps(f) &&
      (*f.Steps)[0].Mode < 2) {
    const bmp32::TCustomBitmap32* src = mask->Bmp ? mask->Bmp.get() : MasterOf(manager);
    PaintGradientBlended(b, q, *f.Steps, 255, ip * 255 / 100, mask->R, src);
    return;
  }
  const bool textured = ip > 0 && PaintTexture(manager, f, b, q);
  if (gp > 0) {
    if (textured) {
      const std::unique_ptr<TBitmap> g(NewBitmap32(q.Width(), q.Height()));
      const TRect whole{0, 0, q.Width(), q.Height()};
      if (HasSteps(f))
        PaintGradient(g.get(), whole, *f.Steps);
      else
        FillColor(g.get(), whole, f.Color);
      BlendRect256(b, g.get(), static_cast<std::uint8_t>(std::clamp(ip * 255 / 100, 0, 255)),
                   TPoint{q.Left, q.Top}, whole);
    } else if (HasSteps(f)) {
      PaintGradient(b, q, *f.Steps);
    } else {
      FillColor(b, q, f.Color);
    }
  }
  const std::int32_t s = ip + gp;
  if (s >= 1 && s <= 99) {
    BlendColorRect(b, TRect{q.Left, q.Top, q.Right - 1, q.Bottom - 1}, s, f.Color);
    return;
  }
  if (f.Small) {
    if (s == 100) return;
    const bool parentColour = !ci.Ready && f.Transparency == 100 && !IsNoColor(ci.FillColor);
    FillColor(b, q, parentColour ? ci.FillColor : f.Color);
    return;
  }
  if (s != 0) return;
  if (!ci.Ready && f.Transparency != 0 && f.Transparency != 100 && !IsNoColor(ci.FillColor))
    FillColor(b, q, MixColors(f.Color, ci.FillColor, f.Transparency / 100.0));
  else
    FillColor(b, q, f.Color);
}

// The opaque face in a bitmap of its own, laid over the parent by Alpha
// (the parent's share of 256).
void BlendOverParent(const TsSkinManager& manager, const TFill& f, const TacCacheInfo& ci, TBitmap* bmp,
                     const TRect& r, const TPoint& offset, std::uint8_t alpha) {
  const std::unique_ptr<TBitmap> face(NewBitmap32(r.Width(), r.Height()));
  const TRect whole{0, 0, r.Width(), r.Height()};
  PaintOpaque(manager, f, ci, face.get(), whole);
  if (ParentReady(ci))
    CopyParent(bmp, r, ci, offset);
  else if (!IsNoColor(ci.FillColor))
    FillColor(bmp, r, ci.FillColor);
  BlendRect256(bmp, face.get(), alpha, TPoint{r.Left, r.Top}, whole);
}

TFill StateFill(const TsGeneralData& section, std::int32_t state) {
  const TsGenState& s = section.Props[state == 0 ? 0 : 1];
  TFill f;
  f.Color = s.Color;
  f.Transparency = s.Transparency;
  f.ImagePercent = s.ImagePercent;
  f.GradientPercent = s.GradientPercent;
  if (f.GradientPercent != 0) f.Steps = &s.GradientArray;
  return f;
}

bool IsPlainMask(const TsSkinManager& manager, std::int32_t index) {
  const TsMaskData* mask = MaskAt(manager, index);
  return mask != nullptr && mask->MaskType == 0;
}

// The texture of a state, looked up by name where the caller gave none.
void FindTexture(const TsSkinManager& manager, std::int32_t sectionIndex, const std::wstring& sectionName,
                 std::int32_t state, TStateTextures& textures, TFill& f) {
  const wchar_t* name = state == 0 ? L"PATTERN" : L"HOTPATTERN";
  std::int32_t t = state == 0 ? textures.Normal : textures.Hot;
  if (state == 0 && t < 0) t = textures.Normal = manager.Skin()->Sections[sectionIndex].Props[0].TextureIndex;
  const bool lookUp = state == 0 ? t < 0 : t == -1;
  if (!lookUp) f.Texture = IsPlainMask(manager, t) ? t : -1;
  else f.Texture = manager.GetMaskIndex(sectionIndex, sectionName, name);
  if (!manager.IsValidImgIndex(f.Texture)) {
    f.Texture = manager.GetPatternIndex(sectionIndex, sectionName, name);
    f.UsePattern = f.Texture > -1;
  }
}

// A normal face whose texture has a mask image and mode 10 gets that texture
// over whatever was painted, its strips showing the parent.
void TileMaskedStrips(const TsSkinManager& manager, const TStateTextures& textures, const TacCacheInfo& ci,
                      const TRect& r, const TPoint& offset, TBitmap* bmp) {
  const std::int32_t t = textures.Normal != -1 ? textures.Normal : textures.Hot;
  const TsMaskData* mask = MaskAt(manager, t);
  if (!mask || mask->MaskType <= 0 || mask->DrawMode != 10) return;
  TacCacheInfo shifted = ci;
  shifted.X += offset.X;
  shifted.Y += offset.Y;
  TRect rest = r;
  TileMaskedTexture(bmp, rest, shifted, *mask, 10);
}

}  // namespace

std::int32_t ClampSectionState(const TsGeneralData& section, std::int32_t state) {
  return std::clamp(state, 0, std::max(section.States - 1, 0));
}

std::uint8_t TransparencyAlpha(std::int32_t transparency) {
  const std::int32_t product = std::clamp(transparency, 0, 100) * 255;
  std::int32_t a = product / 100;
  const std::int32_t rest = product % 100;
  if (rest > 50 || (rest == 50 && (a & 1) != 0)) ++a;
  return static_cast<std::uint8_t>(std::min(a, 255));
}

void PaintSectionBackground(std::int32_t sectionIndex, const std::wstring& sectionName, const TacCacheInfo& ci,
                            std::int32_t state, const TRect& r, const TPoint& offset, TBitmap* bmp,
                            TsSkinManager* skinManager, TStateTextures textures, TColor customColor) {
  TsSkinManager* manager = skinManager ? skinManager : TsSkinManager::DefaultManager();
  if (!manager || !bmp || !manager->IsValidSkinIndex(sectionIndex) || r.IsEmpty()) return;
  const TsGeneralData& section = manager->Skin()->Sections[static_cast<std::size_t>(sectionIndex)];
  state = ClampSectionState(section, state);
  TFill f;
  if (!IsNoColor(customColor)) {
    f.Color = customColor;
  } else {
    f = StateFill(section, state);
    if (f.Transparency == 100) f.GradientPercent = 0, f.Steps = nullptr;
    else if (f.ImagePercent > 0) FindTexture(*manager, sectionIndex, sectionName, state, textures, f);
  }
  // A ready record without an image counts as no parent at all.
  TacCacheInfo parent = ci;
  if (parent.Ready && !parent.Bmp) parent.Ready = false;
  if (!parent.Ready && IsNoColor(parent.FillColor)) {
    PaintOpaque(*manager, f, parent, bmp, r);
  } else if (f.Transparency == 0) {
    PaintOpaque(*manager, f, parent, bmp, r);
  } else if (f.Transparency == 100) {
    if (parent.Ready)
      CopyParent(bmp, r, parent, offset);
    else
      FillColor(bmp, r, parent.FillColor);
  } else if (parent.Ready || f.ImagePercent + f.GradientPercent != 0) {
    BlendOverParent(*manager, f, parent, bmp, r, offset, TransparencyAlpha(f.Transparency));
  } else {
    FillColor(bmp, r, MixColors(parent.FillColor, f.Color, f.Transparency / 100.0));
  }
  if (state == 0) TileMaskedStrips(*manager, textures, ci, r, offset, bmp);
}

void PaintSmallItemBackground(std::int32_t sectionIndex, TStateTextures textures, const TacCacheInfo& ci,
                              std::int32_t state, const TRect& r, const TPoint& offset, TBitmap* bmp,
                              TsSkinManager* skinManager) {
  if (!TsSkinManager::DefaultManager() || !bmp || r.IsEmpty()) return;
  TsSkinManager* manager = skinManager ? skinManager : TsSkinManager::DefaultManager();
  if (!manager->IsValidSkinIndex(sectionIndex)) return;
  TFill f = StateFill(manager->Skin()->Sections[static_cast<std::size_t>(sectionIndex)], state);
  f.Small = true;
  f.Texture = state == 0 ? textures.Normal : textures.Hot;
  TacCacheInfo parent = ci;
  if (parent.Ready && !parent.Bmp) parent.Ready = false;
  if (parent.Ready && f.Transparency == 100)
    CopyParent(bmp, r, parent, offset);
  else if (!parent.Ready || f.Transparency == 0)
    PaintOpaque(*manager, f, parent, bmp, r);
  else if (f.Transparency > 0)
    BlendOverParent(*manager, f, parent, bmp, r, offset,
                    static_cast<std::uint8_t>(std::min(f.Transparency * 255 / 100, 255)));
}

}  // namespace skin::paint
