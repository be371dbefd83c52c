#include "png/PngMemoryDecoder.h"

#include <cstring>

#include "png/PngBytes.h"
#include "png/PngChunkLoop.h"
#include "png/PngErrors.h"
#include "png/PngIdatReader.h"

namespace png {

namespace {

bool Is(const TChunkHeader& h, const char* name) { return std::memcmp(h.Type, name, 4) == 0; }

class TMemoryHandler : public TPngChunkHandler {
 public:
  explicit TMemoryHandler(TPngMemoryImage& image) : image_(image) {}

  bool LoadChunk(classlib::TStream& stream, const TChunkHeader& h) override {
    if (!IsRegisteredChunkType(h.Type) && IsCriticalChunk(h.Type)) RaiseError<EPNGUnknownCriticalChunk>();
    if (Is(h, "IDAT")) {
      if (!image_.Pixels) RaiseError<EPNGHeaderNotPresent>();
      TPngIdatReader reader(stream, h.Length);
      reader.Decode(image_.Pixels->View(), image_.Header.InterlaceMethod, image_.Gamma.data());
      return true;
    }
    std::vector<uint8_t> data;
    ReadChunkData(stream, h.Type, h.Length, data);
    if (Is(h, "IHDR")) {
      image_.Header = ParseHeader(data.data(), data.size());
      image_.Pixels = std::make_unique<TPngImageBuffer>(image_.Header);
    } else if (Is(h, "PLTE")) {
      if (data.size() % 3 != 0 || data.size() / 3 > 256) RaiseError<EPNGInvalidPalette>();
      image_.Palette = data;
    } else if (Is(h, "tRNS")) {
      if (data.size() > 256) RaiseError<EPNGInvalidPalette>();
      image_.Transparency = data;
    } else if (Is(h, "gAMA")) {
      TGammaTable inverse = IdentityGamma();
      if (data.size() >= 4) BuildGammaTables(ReadBE32(data.data()), image_.Gamma, inverse);
    } else if (Is(h, "tEXt")) {
      if (auto text = ParseText(data)) image_.Texts.push_back(*text);
    } else if (Is(h, "zTXt")) {
      if (auto text = ParseCompressedText(data, kMaxInflatedText - inflatedText_)) {
        inflatedText_ += text->Text.size();
        image_.Texts.push_back(*text);
      }
    }
    return true;
  }

 private:
  TPngMemoryImage& image_;
  size_t inflatedText_ = 0;
};

}  // namespace

bool IsRegisteredChunkType(const char type[4]) {
  static const char* const kTypes[] = {"IEND", "IHDR", "IDAT", "PLTE", "gAMA",
                                       "tRNS", "pHYs", "tIME", "tEXt", "zTXt"};
  for (const char* name : kTypes)
    if (std::memcmp(type, name, 4) == 0) return true;
  return false;
}

TPngMemoryImage DecodePng(classlib::TStream& stream) {
  TPngMemoryImage image;
  TMemoryHandler handler(image);
  ReadPngChunks(stream, handler);
  return image;
}

}  // namespace png
