// Drives the portable pixel copies, blends, nine-piece copy and glyph
// painting with fuzzed sizes, strides, depths, rectangles, offsets and
// modes. Each bitmap lies in its own exact-size heap block (top-down or
// bottom-up, rows padded or not), so the sanitizers see any access beyond
// it; padding bytes between rows are checked after every call.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/core/SkinData.h"
#include "skin/paint/AlphaCopies.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/Blends.h"
#include "skin/paint/ChannelCopy.h"
#include "skin/paint/KeyedCopies.h"
#include "skin/paint/NinePieces.h"
#include "skin/paint/RotateBitmap.h"

namespace {

using namespace skin::paint;
using skin::TColor;
using skin::TPoint;
using skin::TRect;

constexpr std::uint8_t kPad = 0xA5;

class TFuzzBitmap {
 public:
  TFuzzBitmap(FuzzedDataProvider& in, bool any) {
    width_ = in.ConsumeIntegralInRange<std::int32_t>(0, 24);
    height_ = in.ConsumeIntegralInRange<std::int32_t>(0, 24);
    bpp_ = any && in.ConsumeIntegralInRange<int>(0, 7) == 0 ? 3 : 4;
    pad_ = in.ConsumeIntegralInRange<std::int32_t>(0, 2) * 4;
    bottomUp_ = in.ConsumeBool();
    rowBytes_ = width_ * bpp_ + pad_;
    bytes_.resize(static_cast<std::size_t>(rowBytes_) * height_);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
      const bool inPad = static_cast<std::int32_t>(i % rowBytes_) >= width_ * bpp_;
      bytes_[i] = inPad ? kPad : in.ConsumeIntegral<std::uint8_t>();
    }
  }

  TPixelView View() {
    if (bytes_.empty()) return MakeView(nullptr, width_, height_, rowBytes_, bpp_);
    if (!bottomUp_) return MakeView(bytes_.data(), width_, height_, rowBytes_, bpp_);
    return MakeView(bytes_.data() + static_cast<std::size_t>(height_ - 1) * rowBytes_, width_, height_, -rowBytes_,
                    bpp_);
  }

  void CheckPadding() const {
    for (std::size_t i = 0; i < bytes_.size(); ++i)
      if (static_cast<std::int32_t>(i % rowBytes_) >= width_ * bpp_ && bytes_[i] != kPad) std::abort();
  }

 private:
  std::int32_t width_, height_, bpp_, pad_, rowBytes_;
  bool bottomUp_;
  std::vector<std::uint8_t> bytes_;
};

std::int32_t Coord(FuzzedDataProvider& in) {
  // Mostly near the bitmaps, now and then far out (overflow of sums).
  if (in.ConsumeIntegralInRange<int>(0, 15) == 0) return in.ConsumeIntegral<std::int32_t>();
  return in.ConsumeIntegralInRange<std::int32_t>(-40, 40);
}

TRect Rect(FuzzedDataProvider& in) { return TRect{Coord(in), Coord(in), Coord(in), Coord(in)}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int routine = in.ConsumeIntegralInRange<int>(0, 17);
  TFuzzBitmap dst(in, true);
  TFuzzBitmap src(in, true);
  TFuzzBitmap extra(in, true);
  TFuzzBitmap parent(in, true);
  const TCacheView ci{parent.View(), Coord(in), Coord(in), in.ConsumeIntegral<std::int32_t>(), in.ConsumeBool()};
  const TCacheView intoDst{dst.View(), Coord(in), Coord(in), 0, true};
  const bool flag = in.ConsumeBool();
  const TPoint pos{Coord(in), Coord(in)};
  const TRect r1 = Rect(in);
  const TRect r2 = Rect(in);
  const TColor color = in.ConsumeIntegral<std::int32_t>();

  switch (routine) {
    case 0:
      CopyKeyedRect(dst.View(), src.View(), pos.X, pos.Y, r1, color, ci);
      break;
    case 1:
      CopyTransparentRect(dst.View(), src.View(), pos.X, pos.Y, r1, color, flag ? intoDst : ci, in.ConsumeBool());
      break;
    case 2: {
      skin::TsMaskData mask;
      mask.R = r2;
      CopyByMask(r1, Rect(in), dst.View(), src.View(), ci, flag, mask);
      break;
    }
    case 3:
      CopyBmpWithKey(dst.View(), src.View(), pos.X, color, pos.Y);
      break;
    case 4:
      CopyTransRect(r1, r2, dst.View(), flag, ci, src.View());
      break;
    case 5:
      CopyAlphaBitmap(r1, r2, dst.View(), src.View(), ci, flag, in.ConsumeBool() ? 0x1FFFFFFF : color,
                      in.ConsumeIntegralInRange<std::int32_t>(-50, 250), in.ConsumeBool());
      break;
    case 6:
      BlendRect256(dst.View(), src.View(), in.ConsumeIntegral<std::uint8_t>(), pos, r1);
      break;
    case 7:
      BlendTransRect(dst.View(), pos.X, pos.Y, color, in.ConsumeFloatingPoint<double>(), r1, src.View());
      break;
    case 8:
      BlendBitmaps(dst.View(), src.View(), flag ? src.View() : extra.View(), in.ConsumeIntegral<std::uint16_t>(),
                   in.ConsumeBool() ? extra.View() : TPixelView{});
      break;
    case 9:
      AlphaBlendByMask(dst.View(), src.View(), flag ? extra.View() : TPixelView{}, r1);
      break;
    case 10:
      RotateBitmap90(src.View(), dst.View(), flag);
      break;
    case 11:
      PaintNinePieces(dst.View(), src.View(), r1, flag, in.ConsumeIntegralInRange<std::uint8_t>(0, 2),
                      {in.ConsumeIntegralInRange<std::int32_t>(0, 2), in.ConsumeIntegralInRange<std::int32_t>(0, 2),
                       in.ConsumeIntegralInRange<std::int32_t>(0, 2), in.ConsumeIntegralInRange<std::int32_t>(0, 2)},
                      Rect(in), r2, Rect(in));
      break;
    case 12:
      PaintBitmapGlyph(src.View(), flag, dst.View(), r1, in.ConsumeIntegral<std::uint8_t>(), false,
                       in.ConsumeIntegralInRange<std::int32_t>(-10, 150), in.ConsumeIntegralInRange<std::int32_t>(-1, 3),
                       in.ConsumeIntegral<std::uint8_t>(), in.ConsumeBool(), in.ConsumeIntegralInRange<std::int32_t>(-2, 30));
      break;
    case 13:
      FadeBmpToColor(dst.View(), color, in.ConsumeFloatingPoint<double>());
      break;
    case 14:
      BlendColorByMask(dst.View(), src.View(), color);
      break;
    case 15:
      BlendEqualBitmaps(dst.View(), src.View(), in.ConsumeIntegral<std::uint8_t>());
      break;
    case 16: {
      // An 8-bit image of its own size over the source's bytes.
      const TPixelView src8 = src.View();
      CopyBitmapChannel(dst.View(), MakeView(src8.Bits, src8.Width * src8.BytesPerPixel, src8.Height, src8.Stride, 1),
                        in.ConsumeIntegralInRange<std::int32_t>(-1, 4), flag);
      break;
    }
    default:
      // The parent image as the destination of a keyed copy reading it.
      CopyTransparentRect(parent.View(), src.View(), pos.X, pos.Y, r1, color,
                          TCacheView{parent.View(), Coord(in), Coord(in), 0, true}, true);
      break;
  }
  dst.CheckPadding();
  src.CheckPadding();
  extra.CheckPadding();
  parent.CheckPadding();
  return 0;
}
