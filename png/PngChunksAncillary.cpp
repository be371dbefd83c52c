#include <cstring>

#include "png/PngBytes.h"
#include "png/PngChunks.h"
#include "png/PngObject.h"
#include "png/PngText.h"

namespace png {

namespace {

template <class T>
const T& SameClass(const TChunk* source) {
  const auto* other = dynamic_cast<const T*>(source);
  if (!other) RaiseError<EPngError>();
  return *other;
}

HPALETTE MakePalette(const PALETTEENTRY* entries, int count) {
  std::vector<uint8_t> memory(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256, 0);
  auto* log = reinterpret_cast<LOGPALETTE*>(memory.data());
  log->palVersion = 0x300;
  log->palNumEntries = static_cast<WORD>(count);
  std::memcpy(log->palPalEntry, entries, sizeof(PALETTEENTRY) * static_cast<size_t>(count));
  return CreatePalette(log);
}

}  // namespace

// PLTE

void TChunkPLTE::Assign(const TChunk* source) { count_ = SameClass<TChunkPLTE>(source).count_; }

bool TChunkPLTE::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  const bool crcOk = TChunk::LoadFromStream(stream, chunkName, size);
  if (size % 3 != 0 || size / 3 > 256) RaiseError<EPNGInvalidPalette>();
  count_ = static_cast<int>(size / 3);
  const TGammaTable& gamma = Owner()->GammaTable();
  PALETTEENTRY entries[256] = {};
  for (int i = 0; i < count_; ++i)
    entries[i] = PALETTEENTRY{gamma[Data()[3 * i]], gamma[Data()[3 * i + 1]], gamma[Data()[3 * i + 2]], 0};
  GetHeader()->SetImagePalette(MakePalette(entries, count_));
  return crcOk;
}

bool TChunkPLTE::SaveToStream(classlib::TStream& stream) {
  TChunkIHDR* header = GetHeader();
  if (count_ == 0) count_ = header->PaletteSize();
  PALETTEENTRY entries[256] = {};
  if (header->PaletteHandle()) GetPaletteEntries(header->PaletteHandle(), 0, static_cast<UINT>(count_), entries);
  const TGammaTable& inverse = Owner()->InverseGamma();
  ResizeData(static_cast<uint32_t>(count_ * 3));
  for (int i = 0; i < count_; ++i) {
    Data()[3 * i] = inverse[entries[i].peRed];
    Data()[3 * i + 1] = inverse[entries[i].peGreen];
    Data()[3 * i + 2] = inverse[entries[i].peBlue];
  }
  return WriteData(stream);
}

// gAMA

TChunkgAMA::TChunkgAMA(TPNGObject* owner) : TChunk(owner) { SetGamma(1); }

uint32_t TChunkgAMA::Gamma() const { return DataSize() >= 4 ? ReadBE32(Data()) : 0; }

void TChunkgAMA::SetGamma(uint32_t value) {
  ResizeData(4);
  WriteBE32(Data(), value);
}

void TChunkgAMA::Assign(const TChunk* source) { SetGamma(SameClass<TChunkgAMA>(source).Gamma()); }

bool TChunkgAMA::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  const bool crcOk = TChunk::LoadFromStream(stream, chunkName, size);
  BuildGammaTables(Gamma(), Owner()->GammaTable(), Owner()->InverseGamma());
  return crcOk;
}

// tRNS

TChunktRNS::TChunktRNS(TPNGObject* owner) : TChunk(owner) { values_.fill(255); }

void TChunktRNS::Assign(const TChunk* source) {
  const auto* other = dynamic_cast<const TChunktRNS*>(source);
  if (!other) {
    TChunk::Assign(source);
    return;
  }
  values_ = other->values_;
  bitTransparency_ = other->bitTransparency_;
  TChunk::Assign(source);
}

bool TChunktRNS::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  const bool crcOk = TChunk::LoadFromStream(stream, chunkName, size);
  if (size > 256) RaiseError<EPNGInvalidPalette>();
  values_.fill(255);
  std::memcpy(values_.data(), Data(), size);
  const uint8_t colorType = GetHeader()->ColorType();
  if (colorType == COLOR_GRAYSCALE || colorType == COLOR_RGB) {
    bitTransparency_ = true;
  } else if (colorType == COLOR_PALETTE) {
    int below = 0;
    for (uint32_t i = 0; i < size; ++i) below += values_[i] < 255 ? 1 : 0;
    bitTransparency_ = below == 1;
  }
  return crcOk;
}

bool TChunktRNS::SaveToStream(classlib::TStream& stream) {
  if (DataSize() == 0) return true;  // nothing is transparent: no chunk
  if (DataSize() <= 256) std::memcpy(Data(), values_.data(), DataSize());
  return WriteData(stream);
}

void TChunktRNS::SetTransparentColor(classlib::TColor value) {
  values_.fill(0);
  bitTransparency_ = true;
  const uint8_t r = static_cast<uint8_t>(value), g = static_cast<uint8_t>(value >> 8),
                b = static_cast<uint8_t>(value >> 16);
  TChunkIHDR* header = GetHeader();
  switch (header->ColorType()) {
    case COLOR_GRAYSCALE:
      ResizeData(2);
      WriteBE16(values_.data(), r);
      break;
    case COLOR_RGB:
      ResizeData(6);
      WriteBE16(values_.data(), r);
      WriteBE16(values_.data() + 2, g);
      WriteBE16(values_.data() + 4, b);
      break;
    case COLOR_PALETTE: {
      ResizeData(0);
      const int size = header->PaletteSize();
      for (int i = 0; i < size; ++i) {
        const RGBQUAD& c = header->BitmapInfo().Colors[i];
        if (c.rgbRed == r && c.rgbGreen == g && c.rgbBlue == b) {
          std::fill(values_.begin(), values_.begin() + i, uint8_t{255});
          ResizeData(static_cast<uint32_t>(i + 1));
          break;
        }
      }
      break;
    }
    default: break;
  }
  std::memcpy(Data(), values_.data(), DataSize());
}

// pHYs

void TChunkpHYs::Assign(const TChunk* source) {
  const auto& other = SameClass<TChunkpHYs>(source);
  PPUnitX = other.PPUnitX;
  PPUnitY = other.PPUnitY;
  UnitType = other.UnitType;
}

bool TChunkpHYs::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  const bool crcOk = TChunk::LoadFromStream(stream, chunkName, size);
  if (size == 9) {
    PPUnitX = ReadBE32(Data());
    PPUnitY = ReadBE32(Data() + 4);
    UnitType = Data()[8];
  }
  return crcOk;
}

bool TChunkpHYs::SaveToStream(classlib::TStream& stream) {
  ResizeData(9);
  WriteBE32(Data(), PPUnitX);
  WriteBE32(Data() + 4, PPUnitY);
  Data()[8] = UnitType;
  return WriteData(stream);
}

// tIME

void TChunktIME::Assign(const TChunk* source) {
  const auto& other = SameClass<TChunktIME>(source);
  Year = other.Year;
  Month = other.Month;
  Day = other.Day;
  Hour = other.Hour;
  Minute = other.Minute;
  Second = other.Second;
}

bool TChunktIME::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  const bool crcOk = TChunk::LoadFromStream(stream, chunkName, size);
  if (size == 7) {
    Year = ReadBE16(Data());
    Month = Data()[2];
    Day = Data()[3];
    Hour = Data()[4];
    Minute = Data()[5];
    Second = Data()[6];
  }
  return crcOk;
}

bool TChunktIME::SaveToStream(classlib::TStream& stream) {
  ResizeData(7);
  WriteBE16(Data(), Year);
  Data()[2] = Month;
  Data()[3] = Day;
  Data()[4] = Hour;
  Data()[5] = Minute;
  Data()[6] = Second;
  return WriteData(stream);
}

// tEXt and zTXt

void TChunktEXt::Assign(const TChunk* source) {
  const auto& other = SameClass<TChunktEXt>(source);
  Keyword = other.Keyword;
  Text = other.Text;
}

namespace {
std::vector<uint8_t> DataOf(const TChunk& chunk) {
  return std::vector<uint8_t>(chunk.Data(), chunk.Data() + chunk.DataSize());
}
}  // namespace

bool TChunktEXt::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  const bool crcOk = TChunk::LoadFromStream(stream, chunkName, size);
  if (auto values = ParseText(DataOf(*this))) {
    Keyword = values->Keyword;
    Text = values->Text;
  }
  return crcOk;
}

bool TChunktEXt::SaveToStream(classlib::TStream& stream) {
  const std::vector<uint8_t> data = BuildText({Keyword, Text});
  ResizeData(static_cast<uint32_t>(data.size()));
  std::memcpy(Data(), data.data(), data.size());
  return WriteData(stream);
}

bool TChunkzTXt::LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) {
  const bool crcOk = TChunk::LoadFromStream(stream, chunkName, size);
  if (auto values = ParseCompressedText(DataOf(*this), kMaxInflatedText - Owner()->InflatedTextBytes())) {
    Keyword = values->Keyword;
    Text = values->Text;
    Owner()->AddInflatedTextBytes(Text.size());
  }
  return crcOk;
}

bool TChunkzTXt::SaveToStream(classlib::TStream& stream) {
  if (Text.empty()) Text.push_back(' ');  // an empty text is stored as one blank
  const auto data = BuildCompressedText({Keyword, Text}, Owner()->CompressionLevel());
  if (!data) return false;
  ResizeData(static_cast<uint32_t>(data->size()));
  std::memcpy(Data(), data->data(), data->size());
  return WriteData(stream);
}

}  // namespace png
