#include "bitmap/Bmp32_Registration.h"

#include "bitmap/Bmp32.h"
#include "classlib/core/PropertyRegistry.h"

namespace bmp32 {

namespace {

void RegisterAll() {
  using classlib::Properties;
  using classlib::RegisterEnum;
  RegisterEnum<TDrawMode>({L"dmOpaque", L"dmBlend", L"dmCustom", L"dmTransparent"});
  RegisterEnum<TCombineMode>({L"cmBlend", L"cmMerge"});
  RegisterEnum<TWrapMode>({L"wmClamp", L"wmRepeat", L"wmMirror"});
  RegisterEnum<TPixelAccessMode>({L"pamUnsafe", L"pamSafe", L"pamWrap", L"pamTransparentEdge"});

  Properties<TNotifiablePersistent, classlib::TPersistent>();
  Properties<TThreadPersistent, TNotifiablePersistent>();
  Properties<TCustomMap, TThreadPersistent>();
  Properties<TCustomResampler, TNotifiablePersistent>()
      .Enum(L"PixelAccessMode", &TCustomResampler::PixelAccessMode, &TCustomResampler::SetPixelAccessMode, pamSafe);
  Properties<TCustomBitmap32, TCustomMap>()
      .Enum(L"DrawMode", &TCustomBitmap32::DrawMode, &TCustomBitmap32::SetDrawMode, dmOpaque)
      .Enum(L"CombineMode", &TCustomBitmap32::CombineMode, &TCustomBitmap32::SetCombineMode, cmBlend)
      .Enum(L"WrapMode", &TCustomBitmap32::WrapMode, &TCustomBitmap32::SetWrapMode, wmClamp)
      .Integer(L"MasterAlpha", &TCustomBitmap32::MasterAlpha, &TCustomBitmap32::SetMasterAlpha, 255)
      .Integer(L"OuterColor", &TCustomBitmap32::OuterColor, &TCustomBitmap32::SetOuterColor, 0)
      .String(L"ResamplerClassName", &TCustomBitmap32::ResamplerClassName, &TCustomBitmap32::SetResamplerClassName)
      .Object(L"Resampler", &TCustomBitmap32::Resampler)
      .Event(L"OnChange", &TCustomBitmap32::OnChange, &TCustomBitmap32::SetOnChange)
      .Event(L"OnPixelCombine", &TCustomBitmap32::OnPixelCombine, &TCustomBitmap32::SetOnPixelCombine)
      .Event(L"OnAreaChanged", &TCustomBitmap32::OnAreaChanged, &TCustomBitmap32::SetOnAreaChanged)
      .Event(L"OnResize", &TCustomBitmap32::OnResize, &TCustomBitmap32::SetOnResize);
}

}  // namespace

void RegisterBitmap32Classes() {
  static const bool done = (RegisterAll(), true);
  (void)done;
}

}  // namespace bmp32
