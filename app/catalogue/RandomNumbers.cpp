#include "app/catalogue/RandomNumbers.h"

#include <chrono>
#include <random>

namespace catalogue {
namespace {

std::minstd_rand& Generator() {
  static std::minstd_rand generator;
  return generator;
}

TRandomSource& Source() {
  static TRandomSource source;
  return source;
}

}  // namespace

int RandomBelow(int range) {
  if (range < 1) return 0;
  if (Source()) return Source()(range);
  return std::uniform_int_distribution<int>(0, range - 1)(Generator());
}

void RandomizeFromClock() {
  Generator().seed(static_cast<std::minstd_rand::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
}

TRandomSource SetRandomSource(TRandomSource source) {
  TRandomSource old = std::move(Source());
  Source() = std::move(source);
  return old;
}

}  // namespace catalogue
