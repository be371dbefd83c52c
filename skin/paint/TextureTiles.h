#pragma once
// Textures tiled over a rectangle: the layout of the copies for each texture
// mode of a skin mask (its DrawMode), drawn here over pixel views. Some
// modes fill only a strip and hand back the part of the rectangle still to
// be filled (the caller paints it in the section colour).
//
// Modes: 0 tiles everywhere; 1 one stretched tile; 2 a row of tiles along
// the top; 3 a column along the left; 4 one tile stretched along the top;
// 5 one stretched down the left; 6 a row along the bottom; 7 and others
// the tiles of mode 0 with a right-hand strip left (7: all but the last
// tile's width, others: that width); 10 whole tiles and the cut last column,
// with no partial bottom row. Cut tiles show the tile's top-left part;
// rows and columns of modes 2, 3 and 6 are one tile deep.
#include <cstdint>
#include <functional>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/NinePieces.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// What a tiler leaves when nothing of the rectangle remains.
inline constexpr TRect NothingLeft{-1, -1, -1, -1};

// The copies of a TileW x TileH tile at (SrcX, SrcY) filling R in Mode, in
// rows from the top-left. Copies wholly outside Clip are not emitted (a
// large rectangle costs only what shows). Returns what is left of R. A tile
// without width or height emits nothing and returns R as it is.
TRect LayoutTextureTiles(const TRect& r, std::int32_t tileW, std::int32_t tileH, std::int32_t srcX,
                         std::int32_t srcY, std::uint8_t mode, const TRect& clip, const TNinePieceSink& sink);

// Tiles all of Graphic (at its own size) over R of Dst.
void TileGraphic(const TPixelView& dst, const TRect& r, const TPixelView& graphic);

// With a non-empty Image: TileGraphic over R, and R becomes NothingLeft.
// Otherwise the tile is Mask.R of MaskSource (the mask's own image or the
// skin's master image), laid out by Mode; R becomes what is left. Nothing
// without a source; both views must have the same pixel size.
void TileTexture(const TPixelView& dst, TRect& r, const TPixelView& image, const TsMaskData& mask,
                 const TPixelView& maskSource, std::uint8_t mode);

// The tiles of a texture with a mask below its picture (W = width of
// Mask.R div ImageCount, H = height div 2), each to be drawn by the masked
// glyph copy. Mode 0: whole tiles and the cut last column, no bottom
// remainder. Mode 10: whole tiles only; the bottom and right strips not
// covered are given to Strip (the caller fills them from the parent).
// Returns NothingLeft for modes 0 and 10, R unchanged (nothing emitted) for
// other modes or a tile under one pixel.
TRect LayoutMaskedTextureTiles(const TRect& r, std::int32_t tileW, std::int32_t tileH, std::int32_t srcX,
                               std::int32_t srcY, std::uint8_t mode, const TNinePieceSink& tile,
                               const std::function<void(const TRect&)>& strip);

}  // namespace skin::paint
