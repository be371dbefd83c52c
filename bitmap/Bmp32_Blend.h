#pragma once
// Colour blending, merging and channel operations, reached through procedure
// variables that the unit's registry binds to the best variant at start-up.
//
// F is a foreground colour, B a background, M a master alpha and W a weight,
// both 0..255 (larger values count as 255). "Blend" puts F over B weighted by
// F's alpha; "merge" also honours B's alpha; "combine" mixes by W.
#include <cstdint>

#include "bitmap/Bmp32_Bindings.h"
#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

using TBlendReg = TColor32(TColor32 f, TColor32 b);
using TBlendMem = void(TColor32 f, TColor32& b);
using TBlendLine = void(const TColor32* src, TColor32* dst, std::int32_t count);
using TBlendRegEx = TColor32(TColor32 f, TColor32 b, std::uint32_t m);
using TBlendMemEx = void(TColor32 f, TColor32& b, std::uint32_t m);
using TBlendLineEx = void(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t m);
using TCombineReg = TBlendRegEx;
using TCombineMem = TBlendMemEx;
using TCombineLine = TBlendLineEx;
using TChannelOp = TColor32(TColor32 a, TColor32 b);
using TColorAdjust = TColor32(TColor32 c, std::int32_t amount);
using TResetState = void();

// Numbers of the bound functions in the unit's registry.
enum TBlendFunction : std::int32_t {
  FID_RESETSTATE = 0,
  FID_MERGEREG = 1,
  FID_MERGEMEM = 2,
  FID_MERGELINE = 3,
  FID_MERGEREGEX = 4,
  FID_MERGEMEMEX = 5,
  FID_MERGELINEEX = 6,
  FID_COMBINEREG = 7,
  FID_COMBINEMEM = 8,
  FID_COMBINELINE = 9,
  FID_BLENDREG = 10,
  FID_BLENDMEM = 11,
  FID_BLENDLINE = 12,
  FID_BLENDREGEX = 13,
  FID_BLENDMEMEX = 14,
  FID_BLENDLINEEX = 15,
  FID_COLORMAX = 16,
  FID_COLORMIN = 17,
  FID_COLORAVERAGE = 18,
  FID_COLORADD = 19,
  FID_COLORSUB = 20,
  FID_COLORDIV = 21,
  FID_COLORMODULATE = 22,
  FID_COLORDIFFERENCE = 23,
  FID_COLOREXCLUSION = 24,
  FID_COLORSCALE = 25,
  FID_LIGHTEN = 26,
};

extern TResetState* ResetMultimediaState;
extern TBlendReg* MergePixel;
extern TBlendMem* MergePixelInPlace;
extern TBlendLine* MergeRow;
extern TBlendRegEx* MergePixelMaster;
extern TBlendMemEx* MergePixelInPlaceMaster;
extern TBlendLineEx* MergeRowMaster;
extern TCombineReg* CombinePixel;
extern TCombineMem* CombinePixelInPlace;
extern TCombineLine* CombineRow;
extern TBlendReg* BlendPixel;
extern TBlendMem* BlendPixelInPlace;
extern TBlendLine* BlendRow;
extern TBlendRegEx* BlendPixelMaster;
extern TBlendMemEx* BlendPixelInPlaceMaster;
extern TBlendLineEx* BlendRowMaster;
extern TChannelOp* ChannelMax;
extern TChannelOp* ChannelMin;
extern TChannelOp* ChannelAverage;
extern TChannelOp* ChannelAdd;
extern TChannelOp* ChannelSub;
extern TChannelOp* ChannelDiv;
extern TChannelOp* ChannelModulate;
extern TChannelOp* ChannelDifference;
extern TChannelOp* ChannelExclusion;
extern TColorAdjust* ChannelScale;
extern TColorAdjust* Lighten;

// The processor has the multimedia extension; set at start-up.
extern bool UseMMX;

TFunctionRegistry& BlendRegistry();

// The blend routines a combine mode selects, read from the bound variables.
struct TBlendOperations {
  TBlendReg* Pixel;
  TBlendMem* InPlace;
  TBlendLine* Row;
  TBlendRegEx* Master;
  TBlendMemEx* MasterInPlace;
  TBlendLineEx* RowMaster;
};
TBlendOperations BlendOperationsFor(TCombineMode mode);

}  // namespace bmp32
