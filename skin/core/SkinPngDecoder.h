#pragma once
// The skinning library's own PNG reader: chunk types compared without
// regard to letter case, CRCs checked only for the chunks whose data it
// reads, missing image data no error, and only IHDR, PLTE, IDAT, IEND,
// gAMA, bKGD and tRNS understood. Rows go through the colour manager into
// the scan lines of a TPngTarget: an in-memory bitmap here, the class
// library's bitmap on Windows. Skin files are untrusted input: every size
// is checked in 64 bits before anything is allocated.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <zlib.h>

#include "classlib/core/Stream.h"
#include "classlib/graphics/GraphicsErrors.h"
#include "skin/core/SkinPngColorManager.h"

namespace skin {

// The bitmap a decode writes into.
class TPngTarget {
 public:
  virtual ~TPngTarget() = default;
  // Empties the image (a load starts with this).
  virtual void Clear() = 0;
  virtual void SetPixelFormat(TPixelFormat format) = 0;
  // The palette of an indexed or grey image, handed over before sizing.
  virtual void SetPalette(const std::vector<TPaletteEntry>& entries) = 0;
  // Sizes the image and fills it with `color` (0x00BBGGRR).
  virtual void SetSizeAndFill(uint32_t width, uint32_t height, uint32_t color) = 0;
  virtual void SetTransparentKey(uint32_t color) = 0;
  // Row `y` from the top, in the pixel format set.
  virtual uint8_t* ScanLine(uint32_t y) = 0;
};

// The summary of the IHDR chunk.
struct TPNGHeaderInfo {
  uint8_t Options = 0;  // bit 0: IHDR read; bit 1: gAMA met in the chunk loop
  uint32_t Width = 0, Height = 0;
  TPixelScheme Scheme = pxUnknown;
  uint8_t BitsPerSample = 0, SamplesPerPixel = 0, BitsPerPixel = 0;
  uint8_t Compression = 0;  // 2 for deflate
  float FileGamma = 1.0f;
  bool Interlaced = false, HasAlpha = false;
  uint8_t FilterMethod = 0;
};

enum class TPngProgressStage { psStarting, psEnding };
struct TPngProgressRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};
using TPngProgress = std::function<void(TPngProgressStage, const std::wstring&, const TPngProgressRect&)>;

// The skin loader's cap; larger images are refused before any sizing.
inline constexpr uint64_t kMaxPngPixels = uint64_t{64} << 20;

// zlib's inflater with the flush mode and stream-end handling the reader
// needs.
class TLZ77Decoder {
 public:
  TLZ77Decoder(int flushMode, bool autoReset);
  ~TLZ77Decoder();
  TLZ77Decoder(const TLZ77Decoder&) = delete;
  TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;

  // Raise EGraphicCompression "LZ77 decompression error." on failure.
  void Start();
  void Finish();
  // Ends the inflater without raising (while another exception unwinds).
  void FinishQuietly() noexcept;
  // Inflates from source into dest; both pointers advance.
  void DecodeStep(const uint8_t*& source, uint8_t*& dest, uint32_t packedSize, uint32_t unpackedSize);
  uint32_t InputLeft() const { return stream_.avail_in; }
  uint32_t OutputLeft() const { return stream_.avail_out; }
  int ZLibResult() const { return result_; }

 private:
  z_stream stream_{};
  int result_ = Z_OK;
  int flushMode_;
  bool autoReset_;
  bool started_ = false;
};

class TSkinPngDecoder {
 public:
  explicit TSkinPngDecoder(TColorManager& colorManager) : colors_(colorManager) {}

  // Reads one PNG image starting at the stream's position into `target`;
  // the stream is left after IEND. Raises classlib::EInvalidGraphic,
  // classlib::EGraphicCompression, EColorConversionError or the stream's
  // EReadError; the target keeps the rows decoded before a failure.
  void LoadFromStream(classlib::TStream& stream, TPngTarget& target);

  TPngProgress OnProgress;
  uint64_t MaxPixels = kMaxPngPixels;

  const TPNGHeaderInfo& Header() const { return header_; }
  uint32_t BackgroundColor() const { return backgroundColor_; }
  uint32_t TransparentKey() const { return transparentKey_; }

 private:
  bool ScanHeader();
  void Load();
  void Cleanup(bool raise);
  void NextChunkHeader();
  void ReadChunkBody();
  void SkipChunkBody();
  bool ChunkIs(const char* code) const;
  void ReadIhdr();
  int PrepareFormat(uint8_t colorType, uint8_t bitDepth);
  void DecodeImageData();
  void InflateRow(uint8_t* buffer, uint32_t count);
  void ReadBackground();
  void ReadTransparency();
  uint32_t GreyValue(uint16_t value) const;
  uint32_t ColorValue(const uint8_t* data) const;
  void Progress(TPngProgressStage stage, const wchar_t* message);

  TColorManager& colors_;
  classlib::TStream* stream_ = nullptr;
  TPngTarget* target_ = nullptr;
  TPngProgressRect progressRect_;
  int64_t basePosition_ = 0;
  TPNGHeaderInfo header_;
  // IHDR as read: width, height, depth, colour type, compression, filter, interlace.
  uint32_t width_ = 0, height_ = 0;
  uint8_t bitDepth_ = 0, colorType_ = 0, interlace_ = 0;
  TLZ77Decoder* decoder_ = nullptr;
  uint32_t idatSize_ = 0;
  std::vector<uint8_t> chunkData_;
  const uint8_t* chunkPos_ = nullptr;
  uint32_t chunkLength_ = 0;
  char chunkType_[4] = {};
  int pixelBytes_ = 1;
  bool formatPrepared_ = false;
  std::vector<TPaletteEntry> palette_;
  bool hasPalette_ = false;
  uint32_t transparentKey_ = kNoColor;
  uint32_t backgroundColor_ = 0xFFFFFF;

 public:
  static constexpr uint32_t kNoColor = 0x1FFFFFFF;  // clNone
};

}  // namespace skin
