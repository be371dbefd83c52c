#include "tools/skingen/MaskAtlas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace skingen {
namespace {

constexpr int kGap = 2;  // key-colour space between masks, so no piece bleeds into another
constexpr bmp32::TColor32 kKeyPixel = 0x00FF00FF;

std::uint32_t Channel(float v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); }

bmp32::TColor32 ColourPixel(const TRgba& c) {
  bmp32::TColor32 p = 0xFF000000u | Channel(c.r) << 16 | Channel(c.g) << 8 | Channel(c.b);
  // A visible pixel must never read as the key colour.
  if ((p & 0x00FFFFFFu) == 0x00FF00FFu) p = 0xFFFE00FFu;
  return p;
}

bmp32::TColor32 MaskPixel(std::uint32_t m) { return 0xFF000000u | m << 16 | m << 8 | m; }

TMaskEntry NewEntry(const std::string& section, const std::string& key, TMaskEntry::Kind kind, int frameWidth,
                    int frameHeight, int frames, TFramePainter paint) {
  TMaskEntry e;
  e.section = section;
  e.key = key;
  e.kind = kind;
  e.frameWidth = frameWidth;
  e.frameHeight = frameHeight;
  e.frames = frames;
  e.paint = std::move(paint);
  return e;
}

}  // namespace

void TMaskAtlas::AddBorder(const std::string& section, const std::string& key, int frameWidth,
                           int frameHeight, int frames, TBorderWidths widths, int drawMode,
                           TFramePainter paint) {
  TMaskEntry e = NewEntry(section, key, TMaskEntry::Kind::Border, frameWidth, frameHeight, frames, std::move(paint));
  e.widths = widths;
  e.drawMode = drawMode;
  Add(std::move(e));
}

void TMaskAtlas::AddGlyph(const std::string& section, const std::string& key, int frameWidth,
                          int frameHeight, int frames, TFramePainter paint) {
  Add(NewEntry(section, key, TMaskEntry::Kind::Glyph, frameWidth, frameHeight, frames, std::move(paint)));
}

void TMaskAtlas::AddAlias(const std::string& section, const std::string& key,
                          const std::string& ofSection, const std::string& ofKey) {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const TMaskEntry& e) {
    return e.section == ofSection && e.key == ofKey;
  });
  if (it == entries_.end()) throw std::logic_error("alias of an unknown mask " + ofSection + "." + ofKey);
  TMaskEntry e = *it;
  e.section = section;
  e.key = key;
  e.paint = nullptr;
  entries_.push_back(std::move(e));
}

void TMaskAtlas::Add(TMaskEntry e) {
  Place(e);
  entries_.push_back(std::move(e));
}

void TMaskAtlas::Place(TMaskEntry& e) {
  // The format holds one digit for the frame count and four for coordinates.
  if (e.frames < 1 || e.frames > 9) throw std::logic_error("frame count out of range: " + e.key);
  const int w = e.frameWidth * e.frames, h = e.frameHeight * 2;
  if (w + kGap > width_) throw std::logic_error("mask wider than the master bitmap: " + e.key);
  if (shelfX_ + w + kGap > width_) {
    shelfTop_ += shelfHeight_;
    shelfX_ = 0;
    shelfHeight_ = 0;
  }
  e.left = shelfX_ + kGap;
  e.top = shelfTop_ + kGap;
  shelfX_ += w + kGap;
  shelfHeight_ = std::max(shelfHeight_, h + kGap);
  if (e.Bottom() > 9999) throw std::logic_error("master bitmap too high");
}

void TMaskAtlas::Render(bmp32::TCustomBitmap32& master) const {
  master.SetSize(width_, Height() + kGap);
  master.Clear(kKeyPixel);
  for (const TMaskEntry& e : entries_) {
    if (!e.paint) continue;
    for (int f = 0; f < e.frames; ++f) {
      TLayer layer(e.frameWidth, e.frameHeight);
      e.paint(layer, f);
      const int x0 = e.left + f * e.frameWidth;
      for (int y = 0; y < e.frameHeight; ++y) {
        for (int x = 0; x < e.frameWidth; ++x) {
          const TRgba c = layer.At(x, y);
          const std::uint32_t opacity = Channel(c.a);
          if (opacity == 0) {
            master.SetPixel(x0 + x, e.top + y, kKeyPixel);
            master.SetPixel(x0 + x, e.top + e.frameHeight + y, MaskPixel(255));
          } else {
            master.SetPixel(x0 + x, e.top + y, ColourPixel(c));
            master.SetPixel(x0 + x, e.top + e.frameHeight + y, MaskPixel(255 - opacity));
          }
        }
      }
    }
  }
}

std::string MaskValue(const TMaskEntry& e) {
  constexpr int kMaskType = 1;
  char text[64];
  if (e.kind == TMaskEntry::Kind::Glyph) {
    std::snprintf(text, sizeof text, "@%04d,%04d,%04d,%04d,%d,%d", e.left, e.top, e.Right(), e.Bottom(),
                  e.frames, kMaskType);
  } else {
    const TBorderWidths& w = e.widths;
    // The last number is the single border width of older skins; the menu
    // painter reads it as its frame width.
    const int single = std::max({w.left, w.top, w.right, w.bottom});
    std::snprintf(text, sizeof text, "^%04d,%04d,%04d,%04d,%04d,%04d,%04d,%04d,%d,%d,%d,%d", e.left, e.top,
                  e.Right(), e.Bottom(), w.left, w.top, w.right, w.bottom, e.frames, kMaskType, e.drawMode,
                  std::min(single, 9));
  }
  return text;
}

}  // namespace skingen
