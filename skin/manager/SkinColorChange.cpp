#include "skin/manager/SkinColorChange.h"

#include <set>
#include <string>
#include <vector>

#include "skin/core/SkinLookups.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/PixelView.h"

namespace skin {

namespace {

using paint::TPixelView;
using paint::ViewOf;

// Every colour of a section: the flat values and both drawing states, the
// gradient steps by the steps parsed (never by the words of the text).
template <class F>
void ForEachSectionColor(TsGeneralData& s, F change) {
  const auto gradient = [&](TsGradientArray& steps) {
    for (TsGradientStep& step : steps) {
      change(step.Color1);
      change(step.Color2);
    }
  };
  for (TColor* c : {&s.Color, &s.HotColor, &s.GlowColor, &s.HotGlowColor, &s.FontColor, &s.HotFontColor}) change(*c);
  for (TColor& c : s.TextColors) change(c);
  for (TColor& c : s.HotTextColors) change(c);
  gradient(s.GradientArray);
  gradient(s.HotGradientArray);
  for (TsGenState& state : s.Props) {
    change(state.Color);
    change(state.GlowColor);
    change(state.FontColor);
    for (TColor& c : state.TextColors) change(c);
    gradient(state.GradientArray);
  }
}

template <class F>
void ChangeColors(TsSkinModel& skin, F change) {
  const auto keepNone = [&](TColor& c) {
    if (c != -1 && c != kSkinKeyColor) c = change(c);
  };
  for (TsGeneralData& s : skin.Sections) ForEachSectionColor(s, keepNone);
  keepNone(skin.SkinData.Shadow1Color);
  keepNone(skin.SkinData.BorderColor);
}

// Every own bitmap of a mask once (masks may share one), except the skipped masks'.
template <class F>
void ForEachOwnBitmap(TsSkinModel& skin, const std::set<int>& skipped, F change) {
  std::set<const bmp32::TCustomBitmap32*> done;
  for (std::size_t i = 0; i < skin.Masks.size(); ++i) {
    const auto& bmp = skin.Masks[i].Bmp;
    if (!bmp || skipped.count(static_cast<int>(i)) || !done.insert(bmp.get()).second) continue;
    change(ViewOf(bmp.get()));
  }
}

// A rectangle of the master bitmap kept aside while the rest turns.
struct KeptPixels {
  TRect r;
  std::vector<std::uint32_t> pixels;
};

KeptPixels Keep(const TPixelView& master, TRect r) {
  KeptPixels kept{{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, master.Width), std::min(r.Bottom, master.Height)}, {}};
  for (int y = kept.r.Top; y < kept.r.Bottom; ++y)
    for (int x = kept.r.Left; x < kept.r.Right; ++x) kept.pixels.push_back(master.Pixel32(x, y));
  return kept;
}

void PutBack(const TPixelView& master, const KeptPixels& kept) {
  std::size_t i = 0;
  for (int y = kept.r.Top; y < kept.r.Bottom; ++y)
    for (int x = kept.r.Left; x < kept.r.Right; ++x) master.Pixel32(x, y) = kept.pixels[i++];
}

std::vector<std::wstring> HueKeptButtons(int keepHue) {
  std::vector<std::wstring> names;
  if (keepHue != 0) names = {L"BICONCLOSE", L"SICONCLOSE"};
  if (keepHue == 1)
    names.insert(names.end(), {L"BICONMAX", L"BICONMIN", L"BICONNORM", L"BICONHELP", L"SICONMAX", L"SICONMIN",
                               L"SICONNORM"});
  return names;
}

}  // namespace

void ChangeSkinHue(TsSkinModel& skin, int degrees) {
  if (degrees == 0) return;
  const TPixelView master = ViewOf(skin.MasterBitmap.get());
  std::vector<KeptPixels> kept;
  std::set<int> skipped;
  for (const std::wstring& name : HueKeptButtons(skin.SkinData.BIKeepHue)) {
    const int index = FindMaskIndex(skin, L"GLOBALINFO", name);
    if (index >= 0 && !skin.Masks[static_cast<std::size_t>(index)].Bmp) {
      if (master.Is32()) kept.push_back(Keep(master, skin.Masks[static_cast<std::size_t>(index)].R));
    } else if (index >= 0) {
      skipped.insert(index);
    }
    const int glow = FindMaskIndex(skin, L"GLOBALINFO", name + L"GLOW0");
    if (glow >= 0 && skin.Masks[static_cast<std::size_t>(glow)].Bmp) skipped.insert(glow);
  }
  paint::AdjustBitmapHue(master, degrees);
  for (const KeptPixels& k : kept) PutBack(master, k);
  ForEachOwnBitmap(skin, skipped, [degrees](const TPixelView& view) { paint::AdjustBitmapHue(view, degrees); });
  ChangeColors(skin, [degrees](TColor c) { return paint::ChangeHue(degrees, c); });
}

void ChangeSkinSaturation(TsSkinModel& skin, int percent) {
  if (percent == 0) return;
  paint::AdjustBitmapSaturation(ViewOf(skin.MasterBitmap.get()), percent);
  ForEachOwnBitmap(skin, {}, [percent](const TPixelView& view) { paint::AdjustBitmapSaturation(view, percent); });
  ChangeColors(skin, [percent](TColor c) { return paint::ChangeSaturation(c, percent); });
}

}  // namespace skin
