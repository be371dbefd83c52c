#pragma once
// Micro-tiles: a grid of 32 x 32-pixel tiles, each recording the box of
// pixels changed inside it, and the rectangles that cover those boxes.
#include <cstdint>
#include <vector>

#include "bitmap/Bmp32_Bindings.h"
#include "bitmap/Bmp32_Containers.h"
#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

// Left in bits 24-31, Top 16-23, Right 8-15, Bottom 0-7, each 0..32.
using TMicroTile = std::uint32_t;

inline constexpr std::int32_t MICROTILE_SHIFT = 5;
inline constexpr std::int32_t MICROTILE_SIZE = 1 << MICROTILE_SHIFT;
inline constexpr TMicroTile MICROTILE_EMPTY = 0;
inline constexpr TMicroTile MICROTILE_FULL = 0x00002020;

constexpr TMicroTile MakeMicroTile(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom) {
  return static_cast<TMicroTile>(left) << 24 | static_cast<TMicroTile>(top) << 16 |
         static_cast<TMicroTile>(right) << 8 | static_cast<TMicroTile>(bottom);
}
constexpr std::int32_t MicroTileLeft(TMicroTile t) { return static_cast<std::int32_t>(t >> 24); }
constexpr std::int32_t MicroTileTop(TMicroTile t) { return static_cast<std::int32_t>(t >> 16 & 0xFF); }
constexpr std::int32_t MicroTileRight(TMicroTile t) { return static_cast<std::int32_t>(t >> 8 & 0xFF); }
constexpr std::int32_t MicroTileBottom(TMicroTile t) { return static_cast<std::int32_t>(t & 0xFF); }
// A tile with no width or no height covers nothing, whatever its bits.
constexpr bool MicroTileCoversNothing(TMicroTile t) {
  return MicroTileRight(t) <= MicroTileLeft(t) || MicroTileBottom(t) <= MicroTileTop(t);
}

struct TMicroTiles {
  TRect BoundsRect;       // the pixel area covered
  std::int32_t Columns = 0;
  std::int32_t Rows = 0;
  // Tile units, inclusive on every side; (Columns, Rows, 0, 0) while no tile
  // is touched.
  TRect BoundsUsedTiles;
  std::int32_t Count = 0;
  std::vector<TMicroTile> Tiles;  // row-major, Columns per row

  TMicroTile& At(std::int32_t column, std::int32_t row) {
    return Tiles[static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                 static_cast<std::size_t>(column)];
  }
  const TMicroTile& At(std::int32_t column, std::int32_t row) const {
    return Tiles[static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                 static_cast<std::size_t>(column)];
  }
};

// Bound 0: Dst := the union of both tiles' boxes. A full Dst and a Src that
// covers nothing stay as they are; an empty Dst or a full Src take Src.
using TMicroTileUnion = void(TMicroTile& dst, TMicroTile src);
extern TMicroTileUnion* MicroTileUnion;
// Bound 1: MicroTileUnion over `count` tiles side by side.
using TMicroTileUnionRow = void(TMicroTile* dst, const TMicroTile* src, std::int32_t count);
extern TMicroTileUnionRow* MicroTileUnionRow;

namespace plain {
void MicroTileUnion(TMicroTile& dst, TMicroTile src);
void MicroTileUnionRow(TMicroTile* dst, const TMicroTile* src, std::int32_t count);
}  // namespace plain
#ifdef __SSE2__
namespace sse2 {
void MicroTileUnion(TMicroTile& dst, TMicroTile src);
void MicroTileUnionRow(TMicroTile* dst, const TMicroTile* src, std::int32_t count);
}  // namespace sse2
#endif

TFunctionRegistry& MicroTilesRegistry();

void MicroTilesCreate(TMicroTiles& grid);
void MicroTilesDestroy(TMicroTiles& grid);
// Columns = (width shr 5) + 1, Rows = (height shr 5) + 1, a negative size
// counting as 0; every tile cleared. Raises EBmp32Error for an area whose
// tiles cannot be counted in 32 bits.
void MicroTilesSetSize(TMicroTiles& grid, const TRect& dstRect);
void MicroTilesClear(TMicroTiles& grid, TMicroTile value = MICROTILE_EMPTY);
void MicroTilesClearUsed(TMicroTiles& grid, TMicroTile value = MICROTILE_EMPTY);
void MicroTilesCopy(TMicroTiles& dst, const TMicroTiles& src);

bool MicroTilesUsedIsEmpty(const TMicroTiles& grid);
// The used box of every tile: the whole grid counts as touched.
void MicroTilesUseAll(TMicroTiles& grid);

void MicroTilesAddRect(TMicroTiles& grid, const TRect& rect, bool roundToWholeTiles = false);
void MicroTilesAddLine(TMicroTiles& grid, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                       std::int32_t y2, std::int32_t lineWidth, bool roundToWholeTiles = false);
void MicroTilesUnion(TMicroTiles& dst, const TMicroTiles& src, bool roundToWholeTiles = false);

// The number of rectangles covering the grid's boxes, clipped to `clip`;
// unless countOnly they are appended to dstRects in the order found.
std::int32_t MicroTilesCalcRects(const TMicroTiles& grid, TRectangleList& dstRects,
                                 bool countOnly, bool roundToWholeTiles, const TRect& clip);
std::int32_t MicroTilesCalcRects(const TMicroTiles& grid, TRectangleList& dstRects,
                                 bool countOnly = false, bool roundToWholeTiles = false);

}  // namespace bmp32
