#include "bitmap/Bmp32_Blend.h"

#include "bitmap/Bmp32_BlendPlain.h"
#include "bitmap/Bmp32_BlendSse2.h"

namespace bmp32 {

// Every variable starts at its plain form, so a call made before start-up
// binding has run still works; the registry then puts the best form in.
TResetState* ResetMultimediaState = plain::ResetMultimediaState;
TBlendReg* MergePixel = plain::MergePixel;
TBlendMem* MergePixelInPlace = plain::MergePixelInPlace;
TBlendLine* MergeRow = plain::MergeRow;
TBlendRegEx* MergePixelMaster = plain::MergePixelMaster;
TBlendMemEx* MergePixelInPlaceMaster = plain::MergePixelInPlaceMaster;
TBlendLineEx* MergeRowMaster = plain::MergeRowMaster;
TCombineReg* CombinePixel = plain::CombinePixel;
TCombineMem* CombinePixelInPlace = plain::CombinePixelInPlace;
TCombineLine* CombineRow = plain::CombineRow;
TBlendReg* BlendPixel = plain::BlendPixel;
TBlendMem* BlendPixelInPlace = plain::BlendPixelInPlace;
TBlendLine* BlendRow = plain::BlendRow;
TBlendRegEx* BlendPixelMaster = plain::BlendPixelMaster;
TBlendMemEx* BlendPixelInPlaceMaster = plain::BlendPixelInPlaceMaster;
TBlendLineEx* BlendRowMaster = plain::BlendRowMaster;
TChannelOp* ChannelMax = plain::ChannelMax;
TChannelOp* ChannelMin = plain::ChannelMin;
TChannelOp* ChannelAverage = plain::ChannelAverage;
TChannelOp* ChannelAdd = plain::ChannelAdd;
TChannelOp* ChannelSub = plain::ChannelSub;
TChannelOp* ChannelDiv = plain::ChannelDiv;
TChannelOp* ChannelModulate = plain::ChannelModulate;
TChannelOp* ChannelDifference = plain::ChannelDifference;
TChannelOp* ChannelExclusion = plain::ChannelExclusion;
TColorAdjust* ChannelScale = plain::ChannelScale;
TColorAdjust* Lighten = plain::Lighten;

bool UseMMX = false;

namespace {

void RegisterPlainForms(TFunctionRegistry& r) {
  r.Add(FID_RESETSTATE, plain::ResetMultimediaState);
  r.Add(FID_MERGEREG, plain::MergePixelMix);
  r.Add(FID_MERGEMEM, plain::MergePixelInPlace);
  r.Add(FID_MERGEMEMEX, plain::MergePixelInPlaceMaster);
  r.Add(FID_MERGEREGEX, plain::MergePixelMaster);
  r.Add(FID_MERGELINE, plain::MergeRow);
  r.Add(FID_MERGELINEEX, plain::MergeRowMaster);
  r.Add(FID_COLORDIV, plain::ChannelDiv);
  r.Add(FID_COLORAVERAGE, plain::ChannelAverage);
  r.Add(FID_COMBINEREG, plain::CombinePixel);
  r.Add(FID_COMBINEMEM, plain::CombinePixelInPlace);
  r.Add(FID_COMBINELINE, plain::CombineRow);
  r.Add(FID_BLENDREG, plain::BlendPixel);
  r.Add(FID_BLENDMEM, plain::BlendPixelInPlace);
  r.Add(FID_BLENDLINE, plain::BlendRow);
  r.Add(FID_BLENDREGEX, plain::BlendPixelMaster);
  r.Add(FID_BLENDMEMEX, plain::BlendPixelInPlaceMaster);
  r.Add(FID_BLENDLINEEX, plain::BlendRowMaster);
  r.Add(FID_COLORMAX, plain::ChannelMax);
  r.Add(FID_COLORMIN, plain::ChannelMin);
  r.Add(FID_COLORADD, plain::ChannelAdd);
  r.Add(FID_COLORSUB, plain::ChannelSub);
  r.Add(FID_COLORMODULATE, plain::ChannelModulate);
  r.Add(FID_COLORDIFFERENCE, plain::ChannelDifference);
  r.Add(FID_COLOREXCLUSION, plain::ChannelExclusion);
  r.Add(FID_COLORSCALE, plain::ChannelScale);
  r.Add(FID_LIGHTEN, plain::Lighten);

  // The second plain forms: on this target the same portable routines.
  r.Add(FID_RESETSTATE, plain::ResetMultimediaState);
  r.Add(FID_COMBINEREG, plain::CombinePixel);
  r.Add(FID_COMBINEMEM, plain::CombinePixelInPlace);
  r.Add(FID_BLENDREG, plain::BlendPixel);
  r.Add(FID_BLENDMEM, plain::BlendPixelInPlace);
  r.Add(FID_BLENDREGEX, plain::BlendPixelMaster);
  r.Add(FID_BLENDMEMEX, plain::BlendPixelInPlaceMaster);
  r.Add(FID_BLENDLINE, plain::BlendRow);
  r.Add(FID_LIGHTEN, plain::Lighten);
}

// There are no 64-bit multimedia-register forms on x86_64: the processors
// that run this program all have SSE2, whose forms take their place.
void RegisterSse2Forms([[maybe_unused]] TFunctionRegistry& r) {
#ifdef __SSE2__
  const TProcessorFeatures sse2 = FeatureBit(pfSSE2);
  r.Add(FID_RESETSTATE, sse2::ResetMultimediaState, sse2);
  r.Add(FID_MERGEREG, sse2::MergePixel, sse2);
  r.Add(FID_COMBINEREG, sse2::CombinePixel, sse2);
  r.Add(FID_COMBINEMEM, sse2::CombinePixelInPlace, sse2);
  r.Add(FID_COMBINELINE, sse2::CombineRow, sse2);
  r.Add(FID_BLENDREG, sse2::BlendPixel, sse2);
  r.Add(FID_BLENDMEM, sse2::BlendPixelInPlace, sse2);
  r.Add(FID_BLENDMEMEX, sse2::BlendPixelInPlaceMaster, sse2);
  r.Add(FID_BLENDLINE, sse2::BlendRow, sse2);
  r.Add(FID_BLENDLINEEX, sse2::BlendRowMaster, sse2);
  r.Add(FID_BLENDREGEX, sse2::BlendPixelMaster, sse2);
  r.Add(FID_COLORMAX, sse2::ChannelMax, sse2);
  r.Add(FID_COLORMIN, sse2::ChannelMin, sse2);
  r.Add(FID_COLORADD, sse2::ChannelAdd, sse2);
  r.Add(FID_COLORSUB, sse2::ChannelSub, sse2);
  r.Add(FID_COLORMODULATE, sse2::ChannelModulate, sse2);
  r.Add(FID_COLORDIFFERENCE, sse2::ChannelDifference, sse2);
  r.Add(FID_COLOREXCLUSION, sse2::ChannelExclusion, sse2);
  r.Add(FID_COLORSCALE, sse2::ChannelScale, sse2);
  r.Add(FID_LIGHTEN, sse2::Lighten, sse2);
#endif
}

void AddBindings(TFunctionRegistry& r) {
  r.AddBinding(FID_RESETSTATE, &ResetMultimediaState);
  r.AddBinding(FID_MERGEREG, &MergePixel);
  r.AddBinding(FID_MERGEMEM, &MergePixelInPlace);
  r.AddBinding(FID_MERGELINE, &MergeRow);
  r.AddBinding(FID_MERGEREGEX, &MergePixelMaster);
  r.AddBinding(FID_MERGEMEMEX, &MergePixelInPlaceMaster);
  r.AddBinding(FID_MERGELINEEX, &MergeRowMaster);
  r.AddBinding(FID_COMBINEREG, &CombinePixel);
  r.AddBinding(FID_COMBINEMEM, &CombinePixelInPlace);
  r.AddBinding(FID_COMBINELINE, &CombineRow);
  r.AddBinding(FID_BLENDREG, &BlendPixel);
  r.AddBinding(FID_BLENDMEM, &BlendPixelInPlace);
  r.AddBinding(FID_BLENDLINE, &BlendRow);
  r.AddBinding(FID_BLENDREGEX, &BlendPixelMaster);
  r.AddBinding(FID_BLENDMEMEX, &BlendPixelInPlaceMaster);
  r.AddBinding(FID_BLENDLINEEX, &BlendRowMaster);
  r.AddBinding(FID_COLORMAX, &ChannelMax);
  r.AddBinding(FID_COLORMIN, &ChannelMin);
  r.AddBinding(FID_COLORAVERAGE, &ChannelAverage);
  r.AddBinding(FID_COLORADD, &ChannelAdd);
  r.AddBinding(FID_COLORSUB, &ChannelSub);
  r.AddBinding(FID_COLORDIV, &ChannelDiv);
  r.AddBinding(FID_COLORMODULATE, &ChannelModulate);
  r.AddBinding(FID_COLORDIFFERENCE, &ChannelDifference);
  r.AddBinding(FID_COLOREXCLUSION, &ChannelExclusion);
  r.AddBinding(FID_COLORSCALE, &ChannelScale);
  r.AddBinding(FID_LIGHTEN, &Lighten);
}

TFunctionRegistry& BuildBlendRegistry() {
  TFunctionRegistry& registry = CreateRegistry(L"Bmp32_Blend bindings");
  RegisterPlainForms(registry);
  RegisterSse2Forms(registry);
  // Registered last so that it always wins: the table merge is the one whose
  // results the bitmaps rely on, whatever the processor.
  registry.Add(FID_MERGEREG, plain::MergePixel);
  AddBindings(registry);
  registry.BindAll();
  UseMMX = HasProcessorFeature(pfMMX);
  return registry;
}

TFunctionRegistry& blendRegistry = BuildBlendRegistry();

}  // namespace

TFunctionRegistry& BlendRegistry() { return blendRegistry; }

TBlendOperations BlendOperationsFor(TCombineMode mode) {
  if (mode == cmMerge)
    return {MergePixel, MergePixelInPlace, MergeRow, MergePixelMaster, MergePixelInPlaceMaster,
            MergeRowMaster};
  return {BlendPixel, BlendPixelInPlace, BlendRow, BlendPixelMaster, BlendPixelInPlaceMaster,
          BlendRowMaster};
}

}  // namespace bmp32
