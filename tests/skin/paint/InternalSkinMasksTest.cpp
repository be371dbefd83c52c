// Every mask of the program's own skin painted by the production painters
// and by the plain reference, in every state and at every size the gallery
// shows; under Windows the gallery is written as a PNG for a person to look
// at (seams, magenta, wrong frames): TESSARILO_MASK_GALLERY names the file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MaskFixture.h"
#include "PixelGrid.h"
#include "ReferenceMaskPainter.h"
#include "classlib/core/Object.h"
#include "classlib/core/Utf8.h"
#include "skin/manager/sSkinManager.h"
#include "skin/manager/sStoredSkins.h"
#include "skin/paint/MaskGlyph.h"
#include "skin/paint/MaskRect.h"

#ifdef _WIN32
#include "classlib/graphics/Bitmap.h"
#include "png/PngObject.h"
#endif

namespace skin::paint {
namespace {

using testing::TPixelGrid;

// The program's internal skin loaded by the factory's manager.
TsSkinManager* InternalSkin(testing::TMaskFactory& factory) {
  TsSkinManager* manager = factory.Manager();
  std::ifstream in(TESSARILO_INTERNAL_SKIN_FILE, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_FALSE(bytes.empty()) << TESSARILO_INTERNAL_SKIN_FILE;
  TsStoredSkin* item = manager->InternalSkins()->Add();
  item->SetName(L"Tessarilo");
  item->Data().WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  manager->SetSkinName(L"Tessarilo");
  manager->SetActive(true);
  return manager;
}

std::uint32_t Checker(std::int32_t x, std::int32_t y) { return ((x / 6 + y / 6) % 2) != 0 ? 0xFFC8C8C8u : 0xFF8C8C8Cu; }

// A strip of the gallery: pictures laid left to right over a checkerboard.
class TGallery {
 public:
  void Row(std::int32_t height) {
    y_ += rowHeight_ + (rowHeight_ != 0 ? 6 : 0);
    x_ = 4;
    rowHeight_ = height;
  }
  // The place of the next picture of w x h.
  TPoint Place(std::int32_t w, std::int32_t h) {
    const TPoint at{x_, y_};
    x_ += w + 6;
    width_ = std::max(width_, x_);
    rowHeight_ = std::max(rowHeight_, h);
    return at;
  }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return y_ + rowHeight_ + 4; }

 private:
  std::int32_t x_ = 4, y_ = 4, rowHeight_ = 0, width_ = 0;
};

TEST(InternalSkinMasks, EveryBorderMaskAndGlyphPaintsAsTheReferenceInEveryStateAndSize) {
  testing::TMaskFactory factory;
  TsSkinManager* manager = InternalSkin(factory);
  const TsSkinModel* skin = manager->Skin();
  ASSERT_NE(skin, nullptr);
  // Pictures to paint: (mask index, state, width, height); height 0 marks a glyph.
  struct TPicture {
    std::size_t Mask;
    std::int32_t State, W, H;
    TPoint At;
  };
  std::vector<TPicture> pictures;
  TGallery gallery;
  std::size_t borders = 0, glyphs = 0;
  for (std::size_t i = 0; i < skin->Masks.size(); ++i) {
    const TsMaskData& m = skin->Masks[i];
    if (m.ImageCount < 1) continue;
    const std::int32_t fw = m.R.Width() / m.ImageCount, fh = m.R.Height() / (m.MaskType + 1);
    if (m.PropertyName == L"BORDERSMASK") {
      ++borders;
      gallery.Row(std::max(fh, 80));
      for (std::int32_t s = 0; s < m.ImageCount; ++s)
        for (const auto& [w, h] : {std::pair{7, 7}, std::pair{fw, fh}, std::pair{300, 80}})
          pictures.push_back({i, s, w, h, gallery.Place(w, h)});
    } else if (m.MaskKind == mkGlyph) {
      ++glyphs;
      gallery.Row(fh);
      for (std::int32_t s = 0; s < m.ImageCount; ++s) pictures.push_back({i, s, fw, 0, gallery.Place(fw, fh)});
    }
  }
  EXPECT_GT(borders, 5u);
  TPixelGrid mine(gallery.Width(), gallery.Height()), theirs(gallery.Width(), gallery.Height());
  TPixelGrid checker(gallery.Width(), gallery.Height());
  for (std::int32_t y = 0; y < gallery.Height(); ++y)
    for (std::int32_t x = 0; x < gallery.Width(); ++x) mine.At(x, y) = theirs.At(x, y) = checker.At(x, y) = Checker(x, y);
  TCacheView background;
  background.Bmp = checker.View();
  background.Ready = true;
  for (const TPicture& p : pictures) {
    const TsMaskData& m = skin->Masks[p.Mask];
    if (p.H == 0) {
      PaintMaskGlyph(mine.View(), p.At, p.State, 1, m, background);
      PaintMaskGlyph(theirs.View(), p.At, p.State, 1, m, background);
      continue;
    }
    const TRect r{p.At.X, p.At.Y, p.At.X + p.W, p.At.Y + p.H};
    TCacheView ci = background;
    ci.X = 0, ci.Y = 0;
    PaintMaskRect(mine.View(), r, ci, m, p.State, true);
    reference::PaintMaskRect(theirs.View(), r, ci, m, p.State, true);
  }
  ASSERT_TRUE(mine.GuardsIntact());
  for (std::int32_t y = 0; y < gallery.Height(); ++y)
    for (std::int32_t x = 0; x < gallery.Width(); ++x) ASSERT_EQ(mine.At(x, y), theirs.At(x, y)) << x << "," << y;
  std::printf("%zu border masks, %zu glyphs, gallery %d x %d\n", borders, glyphs, gallery.Width(), gallery.Height());

#ifdef _WIN32
  const char* file = std::getenv("TESSARILO_MASK_GALLERY");
  if (file == nullptr) return;
  classlib::TBitmap bmp;
  bmp.SetPixelFormat(classlib::pf24bit);
  bmp.SetSize(gallery.Width(), gallery.Height());
  for (std::int32_t y = 0; y < gallery.Height(); ++y) {
    std::uint8_t* row = bmp.ScanLine(y);
    for (std::int32_t x = 0; x < gallery.Width(); ++x) {
      const std::uint32_t p = mine.At(x, y);
      row[3 * x] = p & 0xFF, row[3 * x + 1] = (p >> 8) & 0xFF, row[3 * x + 2] = (p >> 16) & 0xFF;
    }
  }
  png::TPNGObject image;
  image.Assign(&bmp);
  image.SaveToFile(classlib::Utf8ToWide(file));
#endif
}

}  // namespace
}  // namespace skin::paint
