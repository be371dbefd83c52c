#include "skin/core/SkinPngDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <utility>

#include "png/PngBytes.h"
#include "png/PngCrc.h"
#include "png/PngFilters.h"
#include "png/PngFormat.h"

namespace skin {

namespace {

using classlib::EGraphicCompression;
using classlib::EInvalidGraphic;

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Columns of each group of eight that belong to an Adam7 pass.
constexpr std::array<uint8_t, 7> kPassMask = {0x80, 0x08, 0x88, 0x22, 0xAA, 0x55, 0xFF};

[[noreturn]] void InvalidFormat() {
  throw EInvalidGraphic(L"Cannot load image. Invalid or unexpected PNG image format.");
}
[[noreturn]] void ReadError() { throw classlib::EReadError(L"Stream read error"); }

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

}  // namespace

// ---- TLZ77Decoder ----

TLZ77Decoder::TLZ77Decoder(int flushMode, bool autoReset) : flushMode_(flushMode), autoReset_(autoReset) {}

TLZ77Decoder::~TLZ77Decoder() { FinishQuietly(); }

void TLZ77Decoder::Start() {
  // The headers' own init macro passes the linked library's version and record size.
  result_ = inflateInit(&stream_);
  if (result_ < 0) throw EGraphicCompression(L"LZ77 decompression error.");
  started_ = true;
}

void TLZ77Decoder::Finish() {
  if (!started_) return;
  started_ = false;
  if (inflateEnd(&stream_) < 0) throw EGraphicCompression(L"LZ77 decompression error.");
}

void TLZ77Decoder::FinishQuietly() noexcept {
  if (started_) inflateEnd(&stream_);
  started_ = false;
}

void TLZ77Decoder::DecodeStep(const uint8_t*& source, uint8_t*& dest, uint32_t packedSize, uint32_t unpackedSize) {
  stream_.next_in = const_cast<Bytef*>(source);
  stream_.avail_in = packedSize;
  if (autoReset_) result_ = inflateReset(&stream_);
  if (result_ != Z_OK) return;
  stream_.next_out = dest;
  stream_.avail_out = unpackedSize;
  result_ = inflate(&stream_, flushMode_);
  source = stream_.next_in;
  dest = stream_.next_out;
}

// ---- the chunk level ----

void TSkinPngDecoder::Progress(TPngProgressStage stage, const wchar_t* message) {
  if (OnProgress) OnProgress(stage, message, progressRect_);
}

bool TSkinPngDecoder::ChunkIs(const char* code) const {
  uint32_t a, b;
  std::memcpy(&a, chunkType_, 4);
  std::memcpy(&b, code, 4);
  return (a & 0xDFDFDFDFu) == (b & 0xDFDFDFDFu);
}

void TSkinPngDecoder::NextChunkHeader() {
  uint8_t head[8];
  stream_->ReadBuffer(head, 8);
  chunkLength_ = png::ReadBE32(head);
  std::memcpy(chunkType_, head + 4, 4);
}

void TSkinPngDecoder::ReadChunkBody() {
  // A length beyond the data is refused before the buffer grows to it.
  const int64_t left = stream_->Size() - stream_->Position();
  if (int64_t{chunkLength_} + 4 > left) ReadError();
  if (chunkData_.size() < chunkLength_) chunkData_.resize(chunkLength_);
  stream_->ReadBuffer(chunkData_.data(), chunkLength_);
  uint8_t stored[4];
  stream_->ReadBuffer(stored, 4);
  const uint32_t crc = ~png::UpdateCrc(png::UpdateCrc(png::kCrcStart, chunkType_, 4), chunkData_.data(), chunkLength_);
  if (crc != png::ReadBE32(stored)) throw EInvalidGraphic(L"Cannot load image. CRC error found in PNG file.");
}

void TSkinPngDecoder::SkipChunkBody() { stream_->Seek(int64_t{chunkLength_} + 4, classlib::TSeekOrigin::soCurrent); }

void TSkinPngDecoder::ReadIhdr() {
  ReadChunkBody();
  if (chunkLength_ < 13) InvalidFormat();
  const uint8_t* d = chunkData_.data();
  width_ = png::ReadBE32(d);
  height_ = png::ReadBE32(d + 4);
  bitDepth_ = d[8];
  colorType_ = d[9];
  interlace_ = d[12];
}

bool TSkinPngDecoder::ScanHeader() {
  header_ = {};
  header_.FileGamma = 1.0f;
  uint8_t signature[8];
  stream_->ReadBuffer(signature, 8);
  if (std::memcmp(signature, kSignature, 8) != 0) return false;
  NextChunkHeader();
  if (!ChunkIs("IHDR")) return false;
  header_.Options |= 1;
  ReadIhdr();
  if (width_ == 0 || height_ == 0) return false;
  const uint8_t* d = chunkData_.data();
  header_.Width = width_;
  header_.Height = height_;
  switch (colorType_) {
    case 0: header_.Scheme = pxGrey; break;
    case 2: header_.Scheme = pxRGB; break;
    case 3: header_.Scheme = pxIndexed; break;
    case 4: header_.Scheme = pxGreyAlpha; break;
    case 6: header_.Scheme = pxRGBA; break;
    default: header_.Scheme = pxUnknown;
  }
  header_.BitsPerSample = bitDepth_;
  header_.SamplesPerPixel = header_.Scheme == pxRGB ? 3 : header_.Scheme == pxRGBA ? 4 : 1;
  header_.BitsPerPixel = static_cast<uint8_t>(header_.SamplesPerPixel * bitDepth_);
  header_.Compression = d[10] == 0 ? 2 : 0;
  header_.FilterMethod = d[11];
  header_.Interlaced = interlace_ != 0;
  header_.HasAlpha = header_.Scheme == pxGreyAlpha || header_.Scheme == pxRGBA || header_.Scheme == pxBGRA;
  for (;;) {
    NextChunkHeader();
    if (ChunkIs("gAMA")) {
      ReadChunkBody();
      if (chunkLength_ >= 4) header_.FileGamma = static_cast<float>(png::ReadBE32(chunkData_.data()) / 100000.0);
      break;
    }
    if (ChunkIs("IEND")) break;
    SkipChunkBody();
  }
  chunkData_ = {};
  return true;
}

void TSkinPngDecoder::LoadFromStream(classlib::TStream& stream, TPngTarget& target) {
  target.Clear();
  stream_ = &stream;
  target_ = &target;
  basePosition_ = stream.Position();
  decoder_ = nullptr;
  formatPrepared_ = false;
  palette_.clear();
  hasPalette_ = false;
  // The gamma table is built for the sides in effect; a reused manager may
  // still hold a previous image's narrow ones.
  colors_.SetSourceBits(8);
  colors_.SetTargetBits(8);
  if (!ScanHeader()) InvalidFormat();
  stream.SetPosition(basePosition_ + 8);
  progressRect_ = {0, 0, static_cast<int32_t>(std::min<uint32_t>(header_.Width, INT32_MAX)), 0};
  Progress(TPngProgressStage::psStarting, L"Preparing...");
  backgroundColor_ = 0xFFFFFF;
  transparentKey_ = kNoColor;
  NextChunkHeader();
  chunkData_ = {};
  colors_.SourceOptions = cvSwapBytes;
  try {
    Load();
  } catch (...) {
    Cleanup(false);
    throw;
  }
  Cleanup(true);
}

void TSkinPngDecoder::Cleanup(bool raise) {
  std::unique_ptr<TLZ77Decoder> decoder(std::exchange(decoder_, nullptr));
  bool ended = true;
  if (decoder) {
    if (raise) {
      try {
        decoder->Finish();
      } catch (const EGraphicCompression&) {
        ended = false;
      }
    } else {
      decoder->FinishQuietly();  // never raise while another exception unwinds
    }
  }
  decoder.reset();
  chunkData_ = {};
  chunkPos_ = nullptr;
  idatSize_ = 0;
  palette_ = {};
  if (raise) Progress(TPngProgressStage::psEnding, L"");
  else try {
      Progress(TPngProgressStage::psEnding, L"");
    } catch (...) {
    }
  if (!ended) throw EGraphicCompression(L"LZ77 decompression error.");
}

void TSkinPngDecoder::Load() {
  ReadIhdr();
  if (header_.Compression != 2)
    throw EInvalidGraphic(L"Cannot load image. The compression scheme is not supported for PNG files.");
  decoder_ = new TLZ77Decoder(Z_PARTIAL_FLUSH, false);
  decoder_->Start();
  bool afterIdatRun = false;
  for (;;) {
    if (!afterIdatRun) NextChunkHeader();
    const bool skip = std::exchange(afterIdatRun, false);
    if (!skip && ChunkIs("IDAT")) {
      Progress(TPngProgressStage::psEnding, L"");
      DecodeImageData();
      afterIdatRun = true;  // the chunk after the run is passed over whatever it is
      continue;
    }
    if (!skip && ChunkIs("PLTE")) {
      if (chunkLength_ % 3 != 0) throw EInvalidGraphic(L"Cannot load image. Palette in PNG file is invalid.");
      ReadChunkBody();
      if (colorType_ == 3) {
        pixelBytes_ = PrepareFormat(3, bitDepth_);
        const uint8_t* sources[] = {chunkData_.data()};
        palette_ = colors_.MakeColorPalette(sources, 0, chunkLength_ / 3, false);
        hasPalette_ = true;
      }
      continue;
    }
    if (!skip && ChunkIs("gAMA")) {
      ReadChunkBody();
      if (chunkLength_ >= 4) {  // a short one is ignored
        colors_.BuildGammaTable(static_cast<float>(png::ReadBE32(chunkData_.data()) / 100000.0), 2.2f);
        colors_.TargetOptions |= cvGamma;
        header_.Options |= 2;
      }
      continue;
    }
    if (!skip && ChunkIs("bKGD")) {
      ReadBackground();
      continue;
    }
    if (!skip && ChunkIs("tRNS")) {
      ReadTransparency();
      continue;
    }
    SkipChunkBody();
    if (ChunkIs("IEND")) break;
    if ((static_cast<uint8_t>(chunkType_[0]) & 0x20) == 0)
      throw EInvalidGraphic(L"Cannot load PNG image. Unexpected but critical chunk detected.");
  }
}

int TSkinPngDecoder::PrepareFormat(uint8_t colorType, uint8_t bitDepth) {
  struct TFormat {
    uint8_t ColorType;
    std::initializer_list<uint8_t> Depths;
    TPixelScheme Source, Target;
    uint8_t Samples;
    bool Grey;
  };
  static const TFormat kFormats[] = {{0, {1, 2, 4, 8, 16}, pxGrey, pxGrey, 1, true},
                                     {2, {8, 16}, pxRGB, pxBGR, 3, false},
                                     {3, {1, 2, 4, 8}, pxIndexed, pxIndexed, 1, false},
                                     {4, {8, 16}, pxGreyAlpha, pxIndexed, 1, true},
                                     {6, {8, 16}, pxRGBA, pxBGRA, 4, false}};
  const TFormat* format = nullptr;
  for (const TFormat& f : kFormats)
    if (f.ColorType == colorType && std::find(f.Depths.begin(), f.Depths.end(), bitDepth) != f.Depths.end())
      format = &f;
  if (!format) throw EInvalidGraphic(L"Invalid color format in PNG file.");
  colors_.SetSourceScheme(format->Source);
  colors_.SetTargetScheme(format->Target);
  colors_.SetSourceSamples(format->Samples);
  colors_.SetTargetSamples(format->Samples);
  // Grey and indexed targets: 2-bit values as 4-bit indexes, 16-bit grey narrowed.
  uint8_t targetBits = 8;
  if (colorType == 0 || colorType == 3) targetBits = bitDepth == 2 ? 4 : bitDepth == 16 ? 8 : bitDepth;
  // Bytes of a whole pixel of the file (grey with alpha: two samples).
  const int samplesInFile = colorType == 4 ? 2 : format->Samples;
  const int result = colorType == 3 ? 1 : std::max(1, samplesInFile * bitDepth / 8);
  const bool grey = format->Grey;
  colors_.SetSourceBits(bitDepth);
  colors_.SetTargetBits(targetBits);
  target_->SetPixelFormat(colors_.PixelFormatFor(1));
  if (grey) {
    palette_ = colors_.MakeGreyPalette(false);
    hasPalette_ = true;
  }
  formatPrepared_ = true;
  return result;
}

// ---- image data ----

void TSkinPngDecoder::DecodeImageData() {
  Progress(TPngProgressStage::psStarting, L"Transfering...");
  if (!formatPrepared_) pixelBytes_ = PrepareFormat(colorType_, bitDepth_);
  if (uint64_t{width_} * height_ > MaxPixels)
    throw EInvalidGraphic(L"Cannot load image. The PNG image is too large.");
  if (hasPalette_) target_->SetPalette(palette_);
  target_->SetSizeAndFill(width_, height_, backgroundColor_);
  if (transparentKey_ != kNoColor) target_->SetTransparentKey(transparentKey_);

  const uint64_t k = bitDepth_ == 16 ? pixelBytes_ / 2 : pixelBytes_;
  auto rowBytes = [&](uint64_t w) { return k * ((w * bitDepth_ + 7) / 8); };
  const uint64_t fullRow = rowBytes(width_);
  if (fullRow + 1 > UINT32_MAX) throw EInvalidGraphic(L"Cannot load image. The PNG image is too large.");
  std::vector<uint8_t> buffers[2] = {std::vector<uint8_t>(fullRow + 1), std::vector<uint8_t>(fullRow + 1)};
  int current = 0;
  auto decodeRow = [&](uint32_t y, uint64_t length, uint8_t mask) {
    uint8_t* row = buffers[current].data();
    const uint8_t* previous = buffers[1 - current].data();
    InflateRow(row, static_cast<uint32_t>(length + 1));
    png::UnfilterRow(row[0], row + 1, previous + 1, length, static_cast<size_t>(pixelBytes_));
    const uint8_t* sources[] = {row + 1};
    colors_.ConvertLine(sources, target_->ScanLine(y), width_, mask);
    current = 1 - current;
  };
  if (interlace_ == 1) {
    for (size_t p = 0; p < png::kAdam7.size(); ++p) {
      const png::TAdam7Pass& pass = png::kAdam7[p];
      if (pass.ColumnStart >= width_) continue;
      const uint64_t passWidth =
          (uint64_t{width_} + pass.ColumnIncrement - 1 - pass.ColumnStart) / pass.ColumnIncrement;
      std::fill(buffers[1 - current].begin(), buffers[1 - current].end(), 0);
      for (uint64_t y = pass.RowStart; y < height_; y += pass.RowIncrement) {
        decodeRow(static_cast<uint32_t>(y), rowBytes(passWidth), kPassMask[p]);
        if (p == 6) ++progressRect_.Top, ++progressRect_.Bottom;
      }
    }
  } else {
    for (uint32_t y = 0; y < height_; ++y) {
      decodeRow(y, fullRow, 0xFF);
      ++progressRect_.Top, ++progressRect_.Bottom;
    }
  }
  while (ChunkIs("IDAT")) {
    ReadChunkBody();
    NextChunkHeader();
  }
}

void TSkinPngDecoder::InflateRow(uint8_t* buffer, uint32_t count) {
  uint8_t* out = buffer;
  uint32_t pending = count;
  for (;;) {
    if (decoder_->InputLeft() == 0) {
      idatSize_ = 0;
      while (idatSize_ == 0) {  // empty IDAT chunks are passed over
        if (!ChunkIs("IDAT")) return;  // the run ended early: the row keeps what it held
        ReadChunkBody();
        chunkPos_ = chunkData_.data();
        idatSize_ = chunkLength_;
        NextChunkHeader();
      }
    }
    const auto consumed = static_cast<uint32_t>(chunkPos_ - chunkData_.data());
    decoder_->DecodeStep(chunkPos_, out, idatSize_ - consumed, pending);
    const int result = decoder_->ZLibResult();
    if (result == Z_STREAM_END) {
      if (decoder_->OutputLeft() > 0 || decoder_->InputLeft() > 0)
        throw EInvalidGraphic(L"Cannot load image. Extra compressed data found in PNG file.");
      return;
    }
    if (result != Z_OK) throw EInvalidGraphic(L"Cannot load image. Compression error found in PNG file.");
    pending = count - static_cast<uint32_t>(out - buffer);
    if (pending == 0) return;
  }
}

// ---- ancillary chunks ----

uint32_t TSkinPngDecoder::GreyValue(uint16_t value) const {
  if (bitDepth_ == 2) return uint32_t{value} * 15 / 3;
  if (bitDepth_ == 16) return uint32_t{value} * 255 / 65535;
  return value & 0xFFu;
}

uint32_t TSkinPngDecoder::ColorValue(const uint8_t* data) const {
  uint32_t c[3];
  for (int i = 0; i < 3; ++i) {
    const uint16_t v = png::ReadBE16(data + 2 * i);
    c[i] = bitDepth_ == 16 ? uint32_t{v} * 255 / 65535 : (v & 0xFFu);
  }
  return Rgb(c[0], c[1], c[2]);
}

// Chunks shorter than their colour type needs are ignored.
void TSkinPngDecoder::ReadBackground() {
  ReadChunkBody();
  const uint8_t* d = chunkData_.data();
  switch (colorType_) {
    case 0:
    case 4:
      if (chunkLength_ >= 2) backgroundColor_ = GreyValue(png::ReadBE16(d));
      break;
    case 2:
    case 6:
      if (chunkLength_ >= 6) backgroundColor_ = ColorValue(d);
      break;
    default:
      if (chunkLength_ >= 1) backgroundColor_ = d[0];
  }
}

void TSkinPngDecoder::ReadTransparency() {
  ReadChunkBody();
  const uint8_t* d = chunkData_.data();
  if (colorType_ == 0 && chunkLength_ >= 2) {
    const uint32_t v = GreyValue(png::ReadBE16(d));
    transparentKey_ = Rgb(v, v, v);
  } else if (colorType_ == 2 && chunkLength_ >= 6) {
    transparentKey_ = ColorValue(d);
  }
}

}  // namespace skin
