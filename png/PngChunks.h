#pragma once
// The chunk classes besides the header: image data, end, palette,
// transparency, gamma, physical size, time and text.
#include <windows.h>

#include <array>
#include <string>

#include "classlib/graphics/Colors.h"
#include "png/PngChunk.h"
#include "png/PngChunkIHDR.h"

namespace png {

class TChunkIEND : public TChunk {
 public:
  using TChunk::TChunk;
};

// Reading inflates the whole run of IDAT chunks into the header's pixels;
// writing compresses the pixels into a run of IDAT chunks. The object in
// the list carries no data of its own.
class TChunkIDAT : public TChunk {
 public:
  using TChunk::TChunk;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  bool SaveToStream(classlib::TStream& stream) override;
};

class TChunkPLTE : public TChunk {
 public:
  using TChunk::TChunk;
  void Assign(const TChunk* source) override;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  bool SaveToStream(classlib::TStream& stream) override;
  int Count() const { return count_; }
  void SetCount(int count) { count_ = count; }

 private:
  int count_ = 0;
};

class TChunkgAMA : public TChunk {
 public:
  explicit TChunkgAMA(TPNGObject* owner);
  void Assign(const TChunk* source) override;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  uint32_t Gamma() const;
  void SetGamma(uint32_t value);
};

class TChunktRNS : public TChunk {
 public:
  explicit TChunktRNS(TPNGObject* owner);
  void Assign(const TChunk* source) override;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  bool SaveToStream(classlib::TStream& stream) override;
  // Builds the data that marks `value` (an RGB colour) transparent. A
  // palette image whose palette lacks the colour gets no data, and an empty
  // tRNS chunk is not written.
  void SetTransparentColor(classlib::TColor value);

  bool BitTransparency() const { return bitTransparency_; }
  std::array<uint8_t, 256>& PaletteValues() { return values_; }
  const std::array<uint8_t, 256>& PaletteValues() const { return values_; }

 private:
  bool bitTransparency_ = false;
  std::array<uint8_t, 256> values_{};
};

class TChunkpHYs : public TChunk {
 public:
  using TChunk::TChunk;
  void Assign(const TChunk* source) override;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  bool SaveToStream(classlib::TStream& stream) override;
  uint32_t PPUnitX = 0;
  uint32_t PPUnitY = 0;
  uint8_t UnitType = 0;
};

class TChunktIME : public TChunk {
 public:
  using TChunk::TChunk;
  void Assign(const TChunk* source) override;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  bool SaveToStream(classlib::TStream& stream) override;
  uint16_t Year = 0;
  uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

// Keyword and text hold the file's bytes (Latin-1).
class TChunktEXt : public TChunk {
 public:
  using TChunk::TChunk;
  void Assign(const TChunk* source) override;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  bool SaveToStream(classlib::TStream& stream) override;
  std::string Keyword;
  std::string Text;
};

class TChunkzTXt : public TChunktEXt {
 public:
  using TChunktEXt::TChunktEXt;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  // False (and nothing written) when compressing fails.
  bool SaveToStream(classlib::TStream& stream) override;
};

}  // namespace png
