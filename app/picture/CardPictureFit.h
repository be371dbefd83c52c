#pragma once
// The card picture's geometry: a chosen picture is scaled so that it covers
// the square picture box (the shorter side becomes the box size) and is
// centred; in crop mode the user slides the longer side inside the box.
#include <cstdint>
#include <memory>

#include "bitmap/Bmp32.h"
#include "classlib/core/Exception.h"

namespace app {

// The picture box (sPanel22) is this many pixels square.
inline constexpr std::int32_t kPictureBoxSize = 298;
// A fitted side longer than this is refused: 3000 x 1 would become
// 894 000 x 298.
inline constexpr std::int32_t kMaxFittedSide = 16384;

// A picture that cannot be fitted (absurd proportions or no pixels). The
// message is the user's.
class EPictureFit : public classlib::Exception {
 public:
  using Exception::Exception;
};

// The fitted size and the picture's place in the box (Left/Top of Image1,
// 0 or negative).
struct TPictureFit {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  bool Scaled = false;  // false: a box-sized picture is used as it is
  friend bool operator==(const TPictureFit&, const TPictureFit&) = default;
};

// Cover-fit of a width x height picture to the box. The long side is
// Round(long * box / short), halves to even; the offset along it is
// (box - long) / 2 truncated toward zero. Raises EPictureFit for an empty
// picture or a fitted side over kMaxFittedSide.
TPictureFit CoverFit(std::int32_t width, std::int32_t height, std::int32_t box = kPictureBoxSize);

// The picture drawn at its fitted size through the kernel resampler (box
// kernel), or a copy when it already has the box's size. The source gets
// that resampler. Raises EPictureFit before allocating anything.
struct TFittedPicture {
  std::unique_ptr<bmp32::TCustomBitmap32> Bitmap;
  TPictureFit Fit;
};
TFittedPicture FitPicture(bmp32::TCustomBitmap32& source, std::int32_t box = kPictureBoxSize);

// Crop mode moves a picture wider than high sideways, one higher than wide
// up and down, and a square one not at all.
enum class TCropAxis { None, Horizontal, Vertical };
TCropAxis CropAxis(std::int32_t width, std::int32_t height);

// One drag step along the crop axis: offset + delta kept within
// box - size + 5 .. 0. The last 5 pixels of the picture can never be slid
// into the box, so a picture that overhangs it by 5 pixels or less stays at 0.
std::int32_t DragOffset(std::int32_t offset, std::int32_t delta, std::int32_t size,
                        std::int32_t box = kPictureBoxSize);

// An offset read back from the card data, kept within the places the
// picture can reach: its centred place or any drag position, so a damaged
// value never leaves part of the box empty or the picture out of sight.
std::int32_t StoredOffset(std::int32_t offset, std::int32_t size, std::int32_t box = kPictureBoxSize);

}  // namespace app
