#include "bitmap/Bmp32_Resamplers.h"

#include <algorithm>
#include <cmath>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Gamma.h"
#include "bitmap/Bmp32_Math.h"
#include "bitmap/Bmp32_Resample.h"
#include "bitmap/Bmp32_Transfer.h"

namespace bmp32 {

// --- Bindings

TBlockAverage* BlockAverage = nullptr;
TInterpolator* Interpolator = nullptr;

namespace plain {

TColor32 BlockAverage(std::uint32_t w, std::uint32_t h, const TColor32* src, std::int32_t stride) {
  std::uint64_t sum[4] = {};
  for (std::uint32_t y = 0; y < h; ++y, src += stride)
    for (std::uint32_t x = 0; x < w; ++x)
      for (int c = 0; c < 4; ++c) sum[c] += (src[x] >> (8 * c)) & 0xFF;
  const std::uint64_t n = std::uint64_t{w} * h;
  TColor32 result = 0;
  if (n == 0) return result;
  for (int c = 0; c < 4; ++c) result |= static_cast<TColor32>(sum[c] / n) << (8 * c);
  return result;
}

// wx weighs the left column, wy the upper row (0..255).
TColor32 Interpolator(std::uint32_t wx, std::uint32_t wy, const TColor32* high, const TColor32* low) {
  TColor32 result = 0;
  for (int c = 0; c < 4; ++c) {
    const auto ch = [c](TColor32 p) { return (p >> (8 * c)) & 0xFF; };
    const std::uint32_t top = ch(high[0]) * wx + ch(high[1]) * (255 - wx);
    const std::uint32_t bottom = ch(low[0]) * wx + ch(low[1]) * (255 - wx);
    result |= ((top * wy + bottom * (255 - wy)) / (255 * 255)) << (8 * c);
  }
  return result;
}

}  // namespace plain

namespace {

TFunctionRegistry& BuildResamplersRegistry() {
  TFunctionRegistry& registry = CreateRegistry(L"Bmp32_Resamplers bindings");
  registry.Add(0, plain::BlockAverage);
  registry.Add(1, plain::Interpolator);
  registry.AddBinding(0, &BlockAverage);
  registry.AddBinding(1, &Interpolator);
  registry.BindAll();
  return registry;
}

[[maybe_unused]] TFunctionRegistry& resamplersRegistry = BuildResamplersRegistry();

std::int32_t RoundToInt(float v) { return static_cast<std::int32_t>(std::nearbyint(v)); }

bool InsideSource(const TRect& r, const TCustomBitmap32& src) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= src.Width() && r.Bottom <= src.Height();
}

// The source coordinate (16.16) of the centre of destination pixel d.
TFixed SourceCentre(std::int32_t d, std::int32_t dstLo, std::int32_t dstW, std::int32_t srcLo, std::int32_t srcW) {
  const double s = (d - dstLo + 0.5) * srcW / dstW - 0.5;
  const double clamped = std::clamp(s, 0.0, double(srcW - 1));
  return static_cast<TFixed>(std::lround((clamped + srcLo) * 65536.0));
}

}  // namespace

// --- Nearest

TColor32 TNearestResampler::SampleInt(std::int32_t x, std::int32_t y) {
  const TCustomBitmap32& b = *Bitmap();
  switch (PixelAccessMode()) {
    case pamUnsafe:
      return b.Pixel(x, y);
    case pamSafe:
      return b.PixelSafe(x, y);
    case pamWrap:
      return b.PixelWrap(x, y);
    case pamTransparentEdge: {
      const TRect& c = b.ClipRect();
      const std::int32_t cx = std::clamp(x, c.Left, c.Right - 1);
      const std::int32_t cy = std::clamp(y, c.Top, c.Bottom - 1);
      const TColor32 p = b.Pixel(cx, cy);
      return cx != x || cy != y ? p & 0x00FFFFFF : p;
    }
  }
  return 0;
}

TColor32 TNearestResampler::SampleFixed(TFixed x, TFixed y) { return SampleInt(FixedRound(x), FixedRound(y)); }

TColor32 TNearestResampler::SampleFloat(float x, float y) { return SampleInt(RoundToInt(x), RoundToInt(y)); }

void TNearestResampler::Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip,
                                 const TCustomBitmap32& src, const TRect& srcRect, TDrawMode combineOp,
                                 const TPixelCombineEvent& combineCallBack) {
  if (!InsideSource(srcRect, src)) throw classlib::Exception(L"Invalid SrcRect");
  const TPixelStore store(src, combineOp, combineCallBack);
  const std::int64_t srcW = srcRect.Right - srcRect.Left, srcH = srcRect.Bottom - srcRect.Top;
  const std::int64_t dstW = dstRect.Right - dstRect.Left, dstH = dstRect.Bottom - dstRect.Top;
  for (std::int32_t y = dstClip.Top; y < dstClip.Bottom; ++y) {
    const auto sy = static_cast<std::int32_t>(srcRect.Top + (2 * (y - dstRect.Top) + 1) * srcH / (2 * dstH));
    TColor32* row = dst.PixelPtr(0, y);
    for (std::int32_t x = dstClip.Left; x < dstClip.Right; ++x) {
      const auto sx = static_cast<std::int32_t>(srcRect.Left + (2 * (x - dstRect.Left) + 1) * srcW / (2 * dstW));
      store.Put(src.Pixel(sx, sy), row[x]);
    }
  }
}

// --- Linear

TLinearResampler::TLinearResampler(TCustomBitmap32* bitmap)
    : TCustomResampler(bitmap), kernel_(std::make_unique<TLinearKernel>()) {}

TLinearResampler::~TLinearResampler() = default;

void TLinearResampler::BeginSampling() {
  TCustomResampler::BeginSampling();
  switch (PixelAccessMode()) {
    case pamUnsafe:
      sample_ = &TLinearResampler::SampleUnsafe;
      break;
    case pamSafe:
      sample_ = &TLinearResampler::SampleSafe;
      break;
    case pamWrap:
      sample_ = &TLinearResampler::SampleWrap;
      break;
    case pamTransparentEdge:
      sample_ = &TLinearResampler::SampleTransparentEdge;
      break;
  }
}

TColor32 TLinearResampler::SampleUnsafe(TFixed x, TFixed y) const { return Bitmap()->InterpolatedPixelFixed(x, y); }
TColor32 TLinearResampler::SampleSafe(TFixed x, TFixed y) const {
  return Bitmap()->InterpolatedPixelFixedSafe(x, y);
}
TColor32 TLinearResampler::SampleWrap(TFixed x, TFixed y) const {
  return Bitmap()->InterpolatedPixelFixedWrap(x, y);
}

TColor32 TLinearResampler::SampleFixed(TFixed x, TFixed y) {
  if (!sample_) BeginSampling();
  return (this->*sample_)(x, y);
}

TColor32 TLinearResampler::SampleFloat(float x, float y) {
  return SampleFixed(RoundToInt(x * 65536.0f), RoundToInt(y * 65536.0f));
}

TColor32 TLinearResampler::SampleTransparentEdge(TFixed x, TFixed y) const {
  const TCustomBitmap32& b = *Bitmap();
  const TRect& c = b.ClipRect();
  const std::int32_t r1 = c.Right - 1, b1 = c.Bottom - 1;
  const std::int32_t xi = x >> 16, yi = y >> 16;
  if (xi >= c.Left && xi < r1 && yi >= c.Top && yi < b1) {
    const TColor32 result = b.InterpolatedPixel256(x >> 8, y >> 8);
    ResetMultimediaState();
    return result;
  }
  if (xi < c.Left - 1 || xi > r1 || yi < c.Top - 1 || yi > b1) return 0;
  const auto sign = [](TFixed v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); };
  const std::int32_t x0 = ClampMax(xi, r1), x1 = ClampMax(xi + sign(x), r1);
  const std::int32_t y0 = ClampMax(yi, b1), y1 = ClampMax(yi + sign(y), b1);
  TColor32 c00 = b.Pixel(x0, y0), c10 = b.Pixel(x1, y0), c01 = b.Pixel(x0, y1), c11 = b.Pixel(x1, y1);
  constexpr TColor32 kColour = 0x00FFFFFF;
  if (x <= ToFixed(c.Left)) {
    c00 &= kColour, c01 &= kColour;
  } else if (xi == r1) {
    c10 &= kColour, c11 &= kColour;
  }
  if (y <= ToFixed(c.Top)) {
    c00 &= kColour, c10 &= kColour;
  } else if (yi == b1) {
    c01 &= kColour, c11 &= kColour;
  }
  const std::uint32_t wx = GammaTable[255 - ((x >> 8) & 255)];
  const std::uint32_t wy = GammaTable[255 - ((y >> 8) & 255)];
  const TColor32 result = CombinePixel(CombinePixel(c00, c10, wx), CombinePixel(c01, c11, wx), wy);
  ResetMultimediaState();
  return result;
}

void TLinearResampler::Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip,
                                const TCustomBitmap32& src, const TRect& srcRect, TDrawMode combineOp,
                                const TPixelCombineEvent& combineCallBack) {
  const TPixelStore store(src, combineOp, combineCallBack);
  const std::int32_t srcW = srcRect.Right - srcRect.Left, srcH = srcRect.Bottom - srcRect.Top;
  const std::int32_t dstW = dstRect.Right - dstRect.Left, dstH = dstRect.Bottom - dstRect.Top;
  for (std::int32_t y = dstClip.Top; y < dstClip.Bottom; ++y) {
    const TFixed sy = SourceCentre(y, dstRect.Top, dstH, srcRect.Top, srcH);
    TColor32* row = dst.PixelPtr(0, y);
    for (std::int32_t x = dstClip.Left; x < dstClip.Right; ++x)
      store.Put(src.InterpolatedPixelFixedSafe(SourceCentre(x, dstRect.Left, dstW, srcRect.Left, srcW), sy), row[x]);
  }
}

// --- Draft

void TDraftResampler::Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip,
                               const TCustomBitmap32& src, const TRect& srcRect, TDrawMode combineOp,
                               const TPixelCombineEvent& combineCallBack) {
  const std::int64_t srcW = srcRect.Right - srcRect.Left, srcH = srcRect.Bottom - srcRect.Top;
  const std::int64_t dstW = dstRect.Right - dstRect.Left, dstH = dstRect.Bottom - dstRect.Top;
  if (dstW > srcW || dstH > srcH) {
    TLinearResampler::Transfer(dst, dstRect, dstClip, src, srcRect, combineOp, combineCallBack);
    return;
  }
  const TPixelStore store(src, combineOp, combineCallBack);
  for (std::int32_t y = dstClip.Top; y < dstClip.Bottom; ++y) {
    const auto y0 = static_cast<std::int32_t>(srcRect.Top + (y - dstRect.Top) * srcH / dstH);
    const auto y1 = static_cast<std::int32_t>(srcRect.Top + (y - dstRect.Top + 1) * srcH / dstH);
    TColor32* row = dst.PixelPtr(0, y);
    for (std::int32_t x = dstClip.Left; x < dstClip.Right; ++x) {
      const auto x0 = static_cast<std::int32_t>(srcRect.Left + (x - dstRect.Left) * srcW / dstW);
      const auto x1 = static_cast<std::int32_t>(srcRect.Left + (x - dstRect.Left + 1) * srcW / dstW);
      store.Put(BlockAverage(x1 - x0, y1 - y0, src.PixelPtr(x0, y0), src.Width()), row[x]);
    }
  }
}

// --- Kernel

TKernelResampler::TKernelResampler(TCustomBitmap32* bitmap)
    : TCustomResampler(bitmap), kernel_(std::make_unique<TBoxKernel>()) {}

void TKernelResampler::SetKernel(TCustomKernel* kernel) {
  if (!kernel || kernel == kernel_.get()) return;
  kernel_.reset(kernel);
  Changed();
}

void TKernelResampler::SetKernelClassName(const std::wstring& name) {
  if (name.empty() || name == KernelClassName()) return;
  if (const TKernelClass* cls = KernelList().Find(name)) SetKernel(cls->Create());
}

void TKernelResampler::SetKernelMode(TKernelMode mode) {
  if (mode == kernelMode_) return;
  kernelMode_ = mode;
  Changed();
}

void TKernelResampler::SetTableSize(std::int32_t size) {
  size = std::max(size, 2);
  if (size == tableSize_) return;
  tableSize_ = size;
  Changed();
}

void TKernelResampler::Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip,
                                const TCustomBitmap32& src, const TRect& srcRect, TDrawMode combineOp,
                                const TPixelCombineEvent& combineCallBack) {
  Resample(dst, dstRect, dstClip, src, srcRect, *kernel_, combineOp, combineCallBack);
}

void TKernelResampler::Assign(const classlib::TPersistent* source) {
  TCustomResampler::Assign(source);
  if (const auto* other = dynamic_cast<const TKernelResampler*>(source)) {
    SetKernelClassName(other->KernelClassName());
    kernel_->Assign(other->kernel_.get());
    SetKernelMode(other->kernelMode_);
    SetTableSize(other->tableSize_);
  }
}

namespace {

constexpr std::int32_t kMaxSupport = 16;

std::int32_t SupportOf(const TCustomKernel& kernel) {
  return static_cast<std::int32_t>(std::ceil(kernel.GetWidth()));
}

// Makes the weights -w..w (index w + i) sum to 256 through the centre one.
void CorrectCentre(std::int32_t* weights, std::int32_t w) {
  std::int32_t sum = 0;
  for (std::int32_t i = 0; i <= 2 * w; ++i) sum += weights[i];
  weights[w] -= sum - 256;
}

}  // namespace

void TKernelResampler::BeginSampling() {
  TCustomResampler::BeginSampling();
  if (Bitmap()) outerColor_ = Bitmap()->OuterColor();
  if (kernelMode_ == kmDynamic) return;
  const std::int32_t w = SupportOf(*kernel_);
  weightTable_.SetSize(2 * w + 1, tableSize_ + 1);
  for (std::int32_t row = 0; row <= tableSize_; ++row) {
    const float fraction = float(row) / float(tableSize_ - 1);
    std::int32_t* weights = weightTable_.ValPtr(0, row);
    for (std::int32_t j = -w; j <= w; ++j) weights[w + j] = RoundToInt(kernel_->Filter(float(j) + fraction) * 256.0f);
    CorrectCentre(weights, w);
  }
}

void TKernelResampler::EndSampling() {
  if (kernelMode_ != kmDynamic) weightTable_.SetSize(0, 0);
}

const std::int32_t* TKernelResampler::TableRow(std::int32_t row) const {
  return weightTable_.Bits() + static_cast<std::ptrdiff_t>(row) * weightTable_.Width();
}

void TKernelResampler::Weights(float d, std::int32_t w, std::int32_t* weights) const {
  switch (kernelMode_) {
    case kmDynamic:
      for (std::int32_t i = -w; i <= w; ++i) weights[w + i] = RoundToInt(kernel_->Filter(float(i) + d) * 256.0f);
      CorrectCentre(weights, w);
      break;
    case kmTableNearest: {
      const std::int32_t* row = TableRow(RoundToInt(d * float(tableSize_ - 1)));
      std::copy(row, row + 2 * w + 1, weights);
      break;
    }
    case kmTableLinear: {
      const std::int32_t p = RoundToInt(d * float(tableSize_ - 1) * 65536.0f);
      const std::int32_t* q0 = TableRow(p >> 16);
      const std::int32_t* q1 = TableRow((p >> 16) + 1);
      const std::int32_t fr = p & 0xFFFF;
      for (std::int32_t i = 0; i <= 2 * w; ++i)
        weights[i] = q0[i] + static_cast<std::int32_t>((std::int64_t{q1[i] - q0[i]} * fr + 0x7FFF) / 65536);
      CorrectCentre(weights, w);
      break;
    }
  }
}

namespace {

struct TSums {
  std::int64_t B = 0, G = 0, R = 0, A = 0;
  // Adds colour c premultiplied by its alpha, times weight.
  void AddPremultiplied(TColor32 c, std::int32_t weight) {
    const std::uint32_t a = c >> 24;
    if (a == 0) return;
    std::uint32_t b = c & 0xFF, g = (c >> 8) & 0xFF, r = (c >> 16) & 0xFF;
    if (a != 255) b = Div255(b * a), g = Div255(g * a), r = Div255(r * a);
    B += std::int64_t{b} * weight, G += std::int64_t{g} * weight, R += std::int64_t{r} * weight;
    A += std::int64_t{a} * weight;
  }
  void AddTimes(const TSums& row, std::int32_t weight) {
    B += row.B * weight, G += row.G * weight, R += row.R * weight, A += row.A * weight;
  }
};

TColor32 Unpremultiply(const TSums& sums, bool clamping) {
  const auto whole = [](std::int64_t s) { return static_cast<std::int32_t>((s + 0x7FFF) >> 16); };
  const auto fit = [clamping](std::int64_t v) { return static_cast<std::uint32_t>(clamping ? Clamp(int(v)) : v & 0xFF); };
  const std::uint32_t a = fit(whole(sums.A));
  if (a == 0) return 0;
  const auto colour = [&](std::int64_t s) {
    const std::int64_t v = whole(s);
    return fit(a == 255 ? v : v * 255 / a);
  };
  return (a << 24) | (colour(sums.R) << 16) | (colour(sums.G) << 8) | colour(sums.B);
}

}  // namespace

TColor32 TKernelResampler::SampleFloat(float x, float y) {
  const TCustomBitmap32* bitmap = Bitmap();
  const std::int32_t w = SupportOf(*kernel_);
  if (!bitmap || w > kMaxSupport) return 0;
  const auto cx = static_cast<std::int32_t>(std::ceil(x));
  const auto cy = static_cast<std::int32_t>(std::ceil(y));
  const float dx = float(cx) - x, dy = float(cy) - y;
  const TPixelAccessMode mode = PixelAccessMode();
  std::int32_t lx = -w, hx = w, ly = -w, hy = w;
  bool touchesEdge = false;
  if (mode == pamSafe || mode == pamTransparentEdge) {
    const TRect& c = ClipRect();
    if (cx < c.Left || cx > c.Right || cy < c.Top || cy > c.Bottom) return mode == pamSafe ? outerColor_ : 0;
    if (c.Left > cx - w) lx = c.Left - cx;
    if (c.Right <= cx + w) hx = c.Right - cx - 1;
    if (c.Top > cy - w) ly = c.Top - cy;
    if (c.Bottom <= cy + w) hy = c.Bottom - cy - 1;
    touchesEdge = lx != -w || hx != w || ly != -w || hy != w;
  }

  std::int32_t h[2 * kMaxSupport + 1], v[2 * kMaxSupport + 1];
  Weights(dx, w, h);
  Weights(dy, w, v);

  TSums sums;
  TWrapProc wrapX = nullptr, wrapY = nullptr;
  const TRect& c = ClipRect();
  if (mode == pamWrap) {
    wrapX = WrapProcFor(bitmap->WrapMode(), c.Left, c.Right - 1);
    wrapY = WrapProcFor(bitmap->WrapMode(), c.Top, c.Bottom - 1);
  }
  for (std::int32_t j = ly; j <= hy; ++j) {
    if (v[w + j] == 0) continue;
    TSums row;
    for (std::int32_t i = lx; i <= hx; ++i) {
      const TColor32 p = mode == pamWrap ? bitmap->Pixel(wrapX(cx + i, c.Left, c.Right - 1), wrapY(cy + j, c.Top, c.Bottom - 1))
                                         : bitmap->Pixel(cx + i, cy + j);
      row.AddPremultiplied(p, h[w + i]);
    }
    sums.AddTimes(row, v[w + j]);
  }
  if (mode == pamSafe && touchesEdge && (outerColor_ >> 24) != 0) {
    for (std::int32_t j = -w; j <= w; ++j) {
      if (v[w + j] == 0) continue;
      TSums row;
      for (std::int32_t i = -w; i <= w; ++i)
        if (i < lx || i > hx || j < ly || j > hy) row.AddPremultiplied(outerColor_, h[w + i]);
      sums.AddTimes(row, v[w + j]);
    }
  }
  return Unpremultiply(sums, kernel_->NeedsClamping());
}

// --- Registration

namespace {

template <class R>
TResamplerClass ResamplerClass(const wchar_t* name) {
  return {name, [](TCustomBitmap32* bitmap) -> TCustomResampler* { return new R(bitmap); }};
}

}  // namespace

void RegisterStandardResamplers(TClassList<const TResamplerClass*>& list) {
  static const TResamplerClass standard[] = {
      ResamplerClass<TNearestResampler>(L"TNearestResampler"),
      ResamplerClass<TLinearResampler>(L"TLinearResampler"),
      ResamplerClass<TDraftResampler>(L"TDraftResampler"),
      ResamplerClass<TKernelResampler>(L"TKernelResampler"),
  };
  for (const TResamplerClass& cls : standard) list.Add(&cls);
}

}  // namespace bmp32
