#pragma once
// The master bitmap of the skin and the masks laid out in it. Every mask
// holds its frames side by side, each frame with its mask image one frame
// height below it (mask type 1): red 0 there shows the skin pixel, 255 the
// background, values between blend, so anti-aliased edges survive on any
// background. Pixels that are fully transparent carry the key colour.
#include <functional>
#include <string>
#include <vector>

#include "bitmap/Bmp32.h"
#include "tools/skingen/Layer.h"

namespace skingen {

struct TBorderWidths {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Draw-mode bits of nine-piece masks.
inline constexpr int kDrawStretch = 1;
inline constexpr int kDrawNothingInState0 = 2;
inline constexpr int kDrawCentre = 4;

using TFramePainter = std::function<void(TLayer& frame, int frameIndex)>;

struct TMaskEntry {
  enum class Kind { Border, Glyph };
  std::string section, key;
  Kind kind = Kind::Border;
  int frameWidth = 0, frameHeight = 0, frames = 1;
  TBorderWidths widths;  // borders only
  int drawMode = 0;      // borders only
  int left = 0, top = 0; // place in the master bitmap
  TFramePainter paint;   // empty for an alias of another mask's pixels

  int Right() const { return left + frameWidth * frames; }
  int Bottom() const { return top + frameHeight * 2; }
};

class TMaskAtlas {
 public:
  explicit TMaskAtlas(int width) : width_(width) {}

  void AddBorder(const std::string& section, const std::string& key, int frameWidth, int frameHeight,
                 int frames, TBorderWidths widths, int drawMode, TFramePainter paint);
  void AddGlyph(const std::string& section, const std::string& key, int frameWidth, int frameHeight,
                int frames, TFramePainter paint);
  // Another key that names the same pixels (no second copy in the bitmap).
  void AddAlias(const std::string& section, const std::string& key, const std::string& ofSection,
                const std::string& ofKey);

  const std::vector<TMaskEntry>& Entries() const { return entries_; }
  int Width() const { return width_; }
  int Height() const { return shelfTop_ + shelfHeight_; }

  // Draws every mask into a bitmap of the atlas size, key colour elsewhere.
  void Render(bmp32::TCustomBitmap32& master) const;

 private:
  void Add(TMaskEntry entry);
  void Place(TMaskEntry& entry);

  int width_;
  int shelfX_ = 0, shelfTop_ = 0, shelfHeight_ = 0;
  std::vector<TMaskEntry> entries_;
};

// The "Options.dat" value of a mask: "^" for borders, "@" for glyphs, with
// the fixed-column numbers of the skin format.
std::string MaskValue(const TMaskEntry& entry);

}  // namespace skingen
