#include "app/catalogue/SnapshotEffects.h"

#include <algorithm>

#include "app/catalogue/RandomNumbers.h"

namespace catalogue {

void BoxBlur3x3(const Pixels24& pixels, int passes) {
  for (int pass = 0; pass < passes; ++pass)
    for (int y = 1; y < pixels.height - 1; ++y)
      for (int x = 1; x < pixels.width - 1; ++x)
        for (int channel = 0; channel < 3; ++channel) {
          int sum = 0;
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) sum += pixels.Pixel(x + dx, y + dy)[channel];
          pixels.Pixel(x, y)[channel] = static_cast<std::uint8_t>(sum / 9);
        }
}

void AddNoise(const Pixels24& pixels, int amount) {
  if (amount < 1) return;
  for (int y = 0; y < pixels.height; ++y)
    for (int x = 0; x < pixels.width; ++x) {
      const int delta = RandomBelow(amount) - amount / 2;
      std::uint8_t* pixel = pixels.Pixel(x, y);
      for (int channel = 0; channel < 3; ++channel)
        pixel[channel] = static_cast<std::uint8_t>(std::clamp(pixel[channel] + delta, 0, 255));
    }
}

}  // namespace catalogue
