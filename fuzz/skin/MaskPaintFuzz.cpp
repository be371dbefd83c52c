// Loads a fuzzed packed skin through a skin manager, then paints every mask
// of it in every state (one before and one past the strip too) at sizes 0
// to 40 with both nine-piece painters, the production one and the plain
// reference of the tests, and requires the same bytes; glyphs, region
// corners and corner runs are painted too. Every bitmap lies in its own
// exact-size heap block so the sanitizers see any access beyond it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Object.h"
#include "skin/manager/SkinManagerPlatform.h"
#include "skin/manager/sSkinManager.h"
#include "skin/manager/sStoredSkins.h"
#include "skin/paint/MaskGlyph.h"
#include "skin/paint/MaskRect.h"
#include "skin/paint/MaskRegions.h"
#include "tests/skin/paint/ReferenceMaskPainter.h"

namespace {

using namespace skin;
using namespace skin::paint;

// A w x h image in a heap block of exactly its size.
struct TImage {
  std::unique_ptr<std::uint32_t[]> Pixels;
  std::int32_t W, H;
  TImage(std::int32_t w, std::int32_t h, std::uint32_t seed) : Pixels(new std::uint32_t[static_cast<std::size_t>(w) * h]), W(w), H(h) {
    for (std::int32_t i = 0; i < w * h; ++i) Pixels[i] = (seed + static_cast<std::uint32_t>(i) * 0x9E3779B9u) | ((i % 5 == 0) ? 0 : 0xFF000000u);
  }
  TPixelView View() const { return MakeView(Pixels.get(), W, H, std::ptrdiff_t{W} * 4); }
};

void Setup() {
  static bool done = false;
  if (done) return;
  done = true;
  auto& platform = SkinManagerPlatform();
  platform.ShowError = [](const std::wstring&) {};
  platform.HookMainWindow = [](TsMainWindowHook) { return 1; };
  platform.UnhookMainWindow = [](int) {};
  classlib::SetProgramFolderSource([] { return std::wstring(L"/tmp/"); });
}

void PaintBoth(const TsMaskData& mask, std::int32_t state, std::int32_t w, std::int32_t h, const TRect& r,
               const TCacheView& ci, bool update, std::uint32_t seed) {
  TImage mine(w, h, seed), theirs(w, h, seed);
  PaintMaskRect(mine.View(), r, ci, mask, state, update);
  reference::PaintMaskRect(theirs.View(), r, ci, mask, state, update);
  if (std::memcmp(mine.Pixels.get(), theirs.Pixels.get(), static_cast<std::size_t>(w) * h * 4) != 0) std::abort();
  PaintMaskRect32(mine.View(), r, ci, mask, state);
  reference::PaintMaskRect32(theirs.View(), r, ci, mask, state);
  if (std::memcmp(mine.Pixels.get(), theirs.Pixels.get(), static_cast<std::size_t>(w) * h * 4) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Setup();
  // The whole input is the skin (so a real packed skin is a seed as it
  // stands); the sizes and offsets come from a hash of it.
  std::uint32_t hash = static_cast<std::uint32_t>(size) * 2654435761u;
  for (size_t i = 0; i < size && i < 64; ++i) hash = hash * 31 + data[i];
  const auto a = static_cast<std::int32_t>(hash % 41), b = static_cast<std::int32_t>((hash >> 8) % 41);
  const auto dx = static_cast<std::int32_t>((hash >> 16) % 9) - 4;
  const bool update = ((hash >> 24) & 1) != 0;
  const std::vector<std::uint8_t> skinBytes(data, data + size);

  std::unique_ptr<TsSkinManager> manager(classlib::New<TsSkinManager>(nullptr));
  manager->SetSkinDirectory(L"/nonexistent/");
  TsStoredSkin* item = manager->InternalSkins()->Add();
  item->SetName(L"Fuzzed");
  item->Data().WriteBuffer(skinBytes.data(), static_cast<std::int64_t>(skinBytes.size()));
  manager->SetSkinName(L"Fuzzed");
  manager->SetActive(true);
  const TsSkinModel* skin = manager->Skin();
  if (skin == nullptr) return 0;

  const std::int32_t sizes[][2] = {{a, b}, {b, a}, {40, 40}, {2, 2}, {0, 7}};
  std::size_t painted = 0;
  for (const TsMaskData& mask : skin->Masks) {
    if (++painted > 32) break;
    const std::int32_t last = std::min<std::int32_t>(mask.ImageCount, 6);
    for (std::int32_t state = -1; state <= last; ++state)
      for (const auto& s : sizes) {
        const std::int32_t w = std::max(s[0], 1), h = std::max(s[1], 1);
        TImage parent(w, h, 7);
        TCacheView ci;
        ci.Bmp = parent.View(), ci.X = dx, ci.Y = -dx, ci.Ready = (state & 1) != 0;
        PaintBoth(mask, state, w, h, TRect{dx, -dx, dx + s[0], s[1] - dx}, ci, update, static_cast<std::uint32_t>(state));
        TImage glyph(w, h, 3);
        PaintMaskGlyph(glyph.View(), TPoint{dx, -dx}, state, 1 + (state & 1), mask, ci);
        std::vector<TRect> cuts;
        CopyMaskCornersWithRegion(glyph.View(), &cuts, update, mask, state);
        CollectCornerRects(cuts, w, mask, update, dx);
      }
  }
  return 0;
}
