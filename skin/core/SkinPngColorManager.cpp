#include "skin/core/SkinPngColorManager.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "png/PngRgbOrder.h"

namespace skin {

namespace {

[[noreturn]] void Refuse(const wchar_t* text) { throw EColorConversionError(text); }

void CheckBits(uint8_t value) {
  if (value != 1 && value != 2 && value != 4 && value != 8 && value != 16)
    Refuse(L"Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.");
}

void CheckSamples(uint8_t value) {
  if (value < 1 || value > 4) Refuse(L"Sample count per pixel does not correspond to the given color scheme.");
}

bool HasAlpha(TPixelScheme scheme) { return scheme == pxGreyAlpha || scheme == pxRGBA || scheme == pxBGRA; }
bool IsRgbFamily(TPixelScheme scheme) { return scheme == pxRGB || scheme == pxRGBA; }
bool IsBgrFamily(TPixelScheme scheme) { return scheme == pxBGR || scheme == pxBGRA; }

// Calls take(i) for each target pixel i the pass mask selects; the mask bit
// starts at 0x80 and rotates right with every target pixel.
template <class F>
void WalkPassMask(uint32_t count, uint8_t passMask, F&& take) {
  if (passMask == 0xFF) {
    for (uint32_t i = 0; i < count; ++i) take(i);
    return;
  }
  uint8_t bit = 0x80;
  for (uint32_t i = 0; i < count; ++i) {
    if (passMask & bit) take(i);
    bit = bit == 0x01 ? 0x80 : static_cast<uint8_t>(bit >> 1);
  }
}

uint16_t Read16(const uint8_t* p, bool swap) {
  return swap ? static_cast<uint16_t>((p[0] << 8) | p[1]) : static_cast<uint16_t>(p[0] | (p[1] << 8));
}
void Write16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

uint32_t MaxValue(uint8_t bits) { return (1u << bits) - 1; }

// Packed samples of 1 to 8 bits, most significant bit first.
uint32_t ReadPacked(const uint8_t* row, uint64_t index, uint8_t bits) {
  const uint64_t bit = index * bits;
  return (row[bit >> 3] >> (8 - bits - (bit & 7))) & MaxValue(bits);
}
void WritePacked(uint8_t* row, uint64_t index, uint8_t bits, uint32_t value) {
  const uint64_t bit = index * bits;
  const unsigned shift = 8 - bits - static_cast<unsigned>(bit & 7);
  const uint8_t mask = static_cast<uint8_t>(MaxValue(bits) << shift);
  row[bit >> 3] = static_cast<uint8_t>((row[bit >> 3] & ~mask) | ((value << shift) & mask));
}

}  // namespace

TColorManager::TColorManager() { BuildGammaTable(1.0f, 2.2f); }

void TColorManager::SetSourceBits(uint8_t value) {
  CheckBits(value);
  if (value != sourceBits_) sourceBits_ = value, changed_ = true;
}
void TColorManager::SetTargetBits(uint8_t value) {
  CheckBits(value);
  if (value != targetBits_) targetBits_ = value, changed_ = true;
}
void TColorManager::SetSourceSamples(uint8_t value) {
  CheckSamples(value);
  if (value != sourceSamples_) sourceSamples_ = value, changed_ = true;
}
void TColorManager::SetTargetSamples(uint8_t value) {
  CheckSamples(value);
  if (value != targetSamples_) targetSamples_ = value, changed_ = true;
}
void TColorManager::SetSourceScheme(TPixelScheme value) {
  if (value != sourceScheme_) sourceScheme_ = value, changed_ = true;
}
void TColorManager::SetTargetScheme(TPixelScheme value) {
  if (value != targetScheme_) targetScheme_ = value, changed_ = true;
}

void TColorManager::BuildGammaTable(float mainGamma, float displayGamma) {
  mainGamma_ = mainGamma > 0 ? mainGamma : 1.0f;
  displayGamma_ = displayGamma > 0 ? displayGamma : 2.2f;
  const double exponent = 1.0 / (double{mainGamma_} * double{displayGamma_});
  const uint32_t maxIn = sourceBits_ >= 8 ? 255 : MaxValue(sourceBits_);
  const uint32_t maxOut = targetBits_ >= 8 ? 255 : MaxValue(targetBits_);
  for (uint32_t i = 0; i <= maxIn; ++i)  // nearbyint rounds ties to even
    gammaTable_[i] = static_cast<uint8_t>(std::nearbyint(std::pow(double(i) / maxIn, exponent) * maxOut));
}

TPixelFormat TColorManager::PixelFormatFor(int side) const {
  const uint8_t samples = side == 0 ? sourceSamples_ : targetSamples_;
  const uint8_t bits = side == 0 ? sourceBits_ : targetBits_;
  switch (samples) {
    case 1:
      if (bits == 1) return TPixelFormat::pf1bit;
      if (bits <= 4) return TPixelFormat::pf4bit;
      if (bits >= 8) return TPixelFormat::pf8bit;
      return TPixelFormat::pfCustom;
    case 3: return bits >= 6 ? TPixelFormat::pf24bit : TPixelFormat::pf15bit;
    case 4: return bits >= 8 ? TPixelFormat::pf32bit : TPixelFormat::pfCustom;
    default: return TPixelFormat::pfCustom;
  }
}

void TColorManager::ChooseConverter() {
  converter_ = nullptr;
  const bool sourceIndexed = sourceScheme_ == pxIndexed || sourceScheme_ == pxGrey || sourceScheme_ == pxGreyAlpha;
  const bool targetIndexed = targetScheme_ == pxIndexed || targetScheme_ == pxGrey;
  if (sourceIndexed != targetIndexed)
    Refuse(L"Conversion between indexed and non-indexed pixel formats is not supported.");
  SourceOptions = HasAlpha(sourceScheme_) ? (SourceOptions | cvAlpha) : (SourceOptions & ~cvAlpha);
  TargetOptions = HasAlpha(targetScheme_) ? (TargetOptions | cvAlpha) : (TargetOptions & ~cvAlpha);
  const bool source16 = sourceBits_ == 16, target16 = targetBits_ == 16;
  switch (sourceScheme_) {
    case pxIndexed:
      if (source16 && target16) converter_ = &TColorManager::ConvertRowIndex16;
      else if (source16) converter_ = &TColorManager::ConvertRowIndex16ToPacked;
      else if (target16) converter_ = &TColorManager::ConvertRowPackedToIndex16;
      else converter_ = &TColorManager::ConvertRowPacked;
      break;
    case pxGrey:
      if (source16 || target16) {
        if (sourceBits_ >= 8 && targetBits_ >= 8) converter_ = &TColorManager::ConvertRowGrey;
      } else {
        converter_ = &TColorManager::ConvertRowPacked;
      }
      break;
    case pxGreyAlpha:
      if ((sourceBits_ == 8 || source16) && (targetBits_ == 8 || target16)) converter_ = &TColorManager::ConvertRowGrey;
      break;
    case pxRGB:
    case pxRGBA:
      if (IsRgbFamily(targetScheme_)) converter_ = &TColorManager::ConvertRowRgbToRgb;
      else if (IsBgrFamily(targetScheme_)) converter_ = &TColorManager::ConvertRowRgbToBgr;
      break;
    case pxBGR:
    case pxBGRA:
      if (IsRgbFamily(targetScheme_)) converter_ = &TColorManager::ConvertRowBgrToRgb;
      else if (IsBgrFamily(targetScheme_)) converter_ = &TColorManager::ConvertRowBgrToBgr;
      break;
    default: break;
  }
  changed_ = false;
}

void TColorManager::ConvertLine(std::span<const uint8_t* const> sources, uint8_t* target, uint32_t count,
                                uint8_t passMask) {
  if (changed_) ChooseConverter();
  if (!converter_) Refuse(L"Color conversion failed. Could not find a proper method.");
  (this->*converter_)(sources, target, count, passMask);
}

uint8_t TColorManager::Narrow16(uint16_t value, bool gamma) const {
  const uint8_t narrow = static_cast<uint8_t>(uint32_t{value} * 255 / 65535);
  return gamma ? gammaTable_[narrow] : narrow;
}

void TColorManager::ConvertRowRgb(std::span<const uint8_t* const> sources, uint8_t* target, uint32_t count,
                                  uint8_t passMask, bool sourceBlueFirst, bool targetBlueFirst) {
  if (sources.empty() || (sourceBits_ != 8 && sourceBits_ != 16) || (targetBits_ != 8 && targetBits_ != 16)) return;
  const bool sourceAlpha = SourceOptions & cvAlpha, targetAlpha = TargetOptions & cvAlpha;
  const bool copyAlpha = sourceAlpha && targetAlpha;
  const bool planar = sources.size() > 1;
  if (planar && sources.size() < (copyAlpha ? 4u : 3u)) return;
  const bool gamma = TargetOptions & cvGamma;
  const bool swap = SourceOptions & cvSwapBytes;
  const size_t sampleBytes = sourceBits_ / 8;
  const size_t sourceStep = (planar ? 1 : (sourceAlpha ? 4 : 3)) * sampleBytes;
  const size_t targetSampleBytes = targetBits_ / 8;
  const size_t targetStep = (targetAlpha ? 4 : 3) * targetSampleBytes;

  // The whole-row forms every plain 8-bit PNG row takes.
  if (!planar && passMask == 0xFF && !gamma && sampleBytes == 1 && targetSampleBytes == 1 &&
      sourceBlueFirst != targetBlueFirst && sourceAlpha == targetAlpha) {
    if (sourceAlpha) png::SwapRgbaOrder(sources[0], target, count);
    else png::SwapRgbOrder(sources[0], target, count);
    return;
  }

  // Offsets of red, green, blue and alpha in samples (interleaved) or plane numbers.
  const size_t red = sourceBlueFirst ? 2 : 0, blue = sourceBlueFirst ? 0 : 2;
  const uint8_t* at[4];
  size_t offset[4] = {red, 1, blue, 3};
  for (int k = 0; k < 4; ++k) {
    at[k] = planar ? sources[std::min<size_t>(k == 0 ? red : k == 2 ? blue : k, sources.size() - 1)] : sources[0];
    if (planar) offset[k] = 0;
    offset[k] *= sampleBytes;
  }
  const size_t outRed = targetBlueFirst ? 2 : 0, outBlue = targetBlueFirst ? 0 : 2;
  const auto& table = gammaTable_;
  size_t s = 0;
  WalkPassMask(count, passMask, [&](uint32_t i) {
    uint8_t* out = target + size_t{i} * targetStep;
    uint32_t rgb[3];
    uint32_t alpha = 0;
    if (sampleBytes == 1) {
      for (int k = 0; k < 3; ++k) rgb[k] = gamma ? table[at[k][s + offset[k]]] : at[k][s + offset[k]];
      if (copyAlpha) alpha = at[3][s + offset[3]];
    } else {
      for (int k = 0; k < 3; ++k) rgb[k] = Narrow16(Read16(at[k] + s + offset[k], swap), gamma);
      if (copyAlpha) alpha = Narrow16(Read16(at[3] + s + offset[3], swap), false);
    }
    if (targetSampleBytes == 1) {
      out[outRed] = static_cast<uint8_t>(rgb[0]);
      out[1] = static_cast<uint8_t>(rgb[1]);
      out[outBlue] = static_cast<uint8_t>(rgb[2]);
      if (copyAlpha) out[3] = static_cast<uint8_t>(alpha);
    } else {  // 16-bit targets: the narrowed values widened again, little-endian
      Write16(out + outRed * 2, static_cast<uint16_t>(rgb[0] * 257));
      Write16(out + 2, static_cast<uint16_t>(rgb[1] * 257));
      Write16(out + outBlue * 2, static_cast<uint16_t>(rgb[2] * 257));
      if (copyAlpha) Write16(out + 6, static_cast<uint16_t>(alpha * 257));
    }
    s += sourceStep;
  });
}

void TColorManager::ConvertRowRgbToBgr(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m) {
  ConvertRowRgb(s, t, n, m, false, true);
}
void TColorManager::ConvertRowRgbToRgb(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m) {
  ConvertRowRgb(s, t, n, m, false, false);
}
void TColorManager::ConvertRowBgrToBgr(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m) {
  ConvertRowRgb(s, t, n, m, true, true);
}
void TColorManager::ConvertRowBgrToRgb(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m) {
  ConvertRowRgb(s, t, n, m, true, false);
}

void TColorManager::ConvertRowGrey(std::span<const uint8_t* const> sources, uint8_t* target, uint32_t count,
                                   uint8_t passMask) {
  if (sources.empty()) return;
  const bool swap = SourceOptions & cvSwapBytes;
  const size_t sampleBytes = sourceBits_ / 8;
  // An alpha sample after each grey one is skipped (interleaved only).
  const size_t step = sampleBytes * ((SourceOptions & cvAlpha) && sources.size() == 1 ? 2 : 1);
  const uint8_t* in = sources[0];
  if (sampleBytes == 1 && targetBits_ == 8 && step == 1 && passMask == 0xFF) {
    std::memcpy(target, in, count);
    return;
  }
  size_t s = 0;
  WalkPassMask(count, passMask, [&](uint32_t i) {
    if (targetBits_ == 8) {
      target[i] = sampleBytes == 1 ? in[s] : Narrow16(Read16(in + s, swap), false);
    } else if (sampleBytes == 1) {
      Write16(target + size_t{i} * 2, static_cast<uint16_t>(uint32_t{in[s]} * 65535 / 255));
    } else {
      target[size_t{i} * 2] = in[s + (swap ? 1 : 0)];
      target[size_t{i} * 2 + 1] = in[s + (swap ? 0 : 1)];
    }
    s += step;
  });
}

void TColorManager::ConvertRowPacked(std::span<const uint8_t* const> sources, uint8_t* target, uint32_t count,
                                     uint8_t passMask) {
  if (sources.empty() || sourceBits_ > 8 || targetBits_ > 8) return;
  if (sourceBits_ == targetBits_ && passMask == 0xFF) {
    std::memcpy(target, sources[0], (uint64_t{sourceBits_} * count + 7) / 8);
    return;
  }
  const uint32_t maxIn = MaxValue(sourceBits_), maxOut = MaxValue(targetBits_);
  uint64_t s = 0;
  WalkPassMask(count, passMask, [&](uint32_t i) {
    WritePacked(target, i, targetBits_, ReadPacked(sources[0], s++, sourceBits_) * maxOut / maxIn);
  });
}

void TColorManager::ConvertRowIndex16(std::span<const uint8_t* const> sources, uint8_t* target, uint32_t count,
                                      uint8_t passMask) {
  if (sources.empty()) return;
  const bool swap = SourceOptions & cvSwapBytes;
  size_t s = 0;
  WalkPassMask(count, passMask, [&](uint32_t i) {
    Write16(target + size_t{i} * 2, Read16(sources[0] + s, swap));
    s += 2;
  });
}

void TColorManager::ConvertRowIndex16ToPacked(std::span<const uint8_t* const> sources, uint8_t* target,
                                              uint32_t count, uint8_t passMask) {
  if (sources.empty() || targetBits_ > 8) return;
  const bool swap = SourceOptions & cvSwapBytes;
  const uint32_t maxOut = MaxValue(targetBits_);
  size_t s = 0;
  WalkPassMask(count, passMask, [&](uint32_t i) {
    WritePacked(target, i, targetBits_, uint32_t{Read16(sources[0] + s, swap)} * maxOut / 65535);
    s += 2;
  });
}

void TColorManager::ConvertRowPackedToIndex16(std::span<const uint8_t* const> sources, uint8_t* target,
                                              uint32_t count, uint8_t passMask) {
  if (sources.empty() || sourceBits_ > 8) return;
  const bool swap = SourceOptions & cvSwapBytes;
  const uint32_t maxIn = MaxValue(sourceBits_);
  uint64_t s = 0;
  WalkPassMask(count, passMask, [&](uint32_t i) {
    const auto v = static_cast<uint16_t>(ReadPacked(sources[0], s++, sourceBits_) * 65535 / maxIn);
    uint8_t* out = target + size_t{i} * 2;
    out[swap ? 1 : 0] = static_cast<uint8_t>(v);
    out[swap ? 0 : 1] = static_cast<uint8_t>(v >> 8);
  });
}

std::vector<TPaletteEntry> TColorManager::MakeGreyPalette(bool reversed) const {
  const uint32_t n = 1u << std::min(targetBits_ * targetSamples_, 8);
  const uint32_t upper = n - 1;
  const uint32_t factor = 255 / upper;
  const bool gamma = TargetOptions & cvGamma;
  std::vector<TPaletteEntry> entries(n);
  for (uint32_t i = 0; i < n; ++i) {
    const uint32_t level = i * factor;
    const uint8_t v = gamma ? gammaTable_[level] : static_cast<uint8_t>(level);
    entries[reversed ? upper - i : i] = {v, v, v, 0};
  }
  return entries;
}

std::vector<TPaletteEntry> TColorManager::MakeColorPalette(std::span<const uint8_t* const> sources, uint8_t layout,
                                                           uint32_t count, bool blueFirst) const {
  // Entries the data does not reach stay black.
  std::array<TPaletteEntry, 256> e{};
  uint32_t n = std::min<uint32_t>(count, 256);
  const bool gamma = TargetOptions & cvGamma;
  const bool swap = SourceOptions & cvSwapBytes;
  auto byte = [&](uint8_t v) { return gamma ? gammaTable_[v] : v; };
  auto word = [&](const uint8_t* p) { return Narrow16(Read16(p, swap), gamma); };
  if (!sources.empty()) {
    for (uint32_t i = 0; i < n; ++i) {
      uint8_t c[3];
      switch (layout) {
        case 0:
        case 1: {
          const uint8_t* p = sources[0] + size_t{i} * (layout == 0 ? 3 : 4);
          for (int k = 0; k < 3; ++k) c[k] = byte(p[k]);
          if (blueFirst) std::swap(c[0], c[2]);
          break;
        }
        case 2:
        case 3:
          if (sources.size() < 3) return {};
          for (int k = 0; k < 3; ++k) c[k] = byte(sources[k][i]);
          break;
        case 4:
        case 5: {
          const uint8_t* p = sources[0] + size_t{i} * (layout == 4 ? 6 : 8);
          for (int k = 0; k < 3; ++k) c[k] = word(p + 2 * k);
          if (!blueFirst) std::swap(c[0], c[2]);  // the 16-bit layouts read the flag the other way round
          break;
        }
        case 6:
        case 7:
          if (sources.size() < 3) return {};
          for (int k = 0; k < 3; ++k) c[k] = word(sources[k] + size_t{i} * 2);
          break;
        default: c[0] = c[1] = c[2] = 0;
      }
      e[i] = {c[0], c[1], c[2], 0};
    }
  }
  if (targetBits_ <= 8) {
    const uint32_t maxIn = MaxValue(std::min<uint8_t>(sourceBits_, 16)), maxOut = MaxValue(targetBits_);
    auto from = [&](uint32_t i) {
      const uint64_t j = uint64_t{i} * maxIn / maxOut;
      return j < e.size() ? e[j] : TPaletteEntry{};
    };
    if (maxIn < maxOut) {
      for (uint32_t i = maxOut + 1; i-- > 0;) e[i] = from(i);
      n = maxOut + 1;
    } else if (maxIn > maxOut) {
      for (uint32_t i = 0; i <= maxOut; ++i) e[i] = from(i);
      n = maxOut + 1;
    }
  }
  return {e.begin(), e.begin() + n};
}

}  // namespace skin
