#include "skin/paint/ResampleFilters.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace skin::paint {

namespace {

// Single precision, as the weights are stored: Box's 0.51 is the float
// nearest to it.
constexpr float kSupports[] = {0.51f, 1.0f, 1.0f, 1.5f, 2.0f, 3.0f, 2.0f};

double Box(float t) { return (t > -0.5f && t <= 0.5f) ? 1.0 : 0.0; }

double Triangle(double x) { return 1.0 - x; }

double Hermite(double x) { return x * x * (2.0 * x - 3.0) + 1.0; }

double Bell(double x) {
  if (x < 0.5) return 0.75 - x * x;
  const double d = x - 1.5;
  return 0.5 * d * d;
}

double BSpline(double x) {
  if (x < 1.0) return x * x * (x / 2.0 - 1.0) + 2.0 / 3.0;
  const double d = 2.0 - x;
  return d * d * d / 6.0;
}

double Lanczos3(double x) {
  if (x == 0.0) return 1.0;
  return std::sin(std::numbers::pi * x) * std::sin(x) / (std::numbers::pi * x * x);
}

double Mitchell(double x) {
  if (x < 1.0) return x * x * ((7.0 / 6.0) * x - 2.0) + 8.0 / 9.0;
  return x * x * ((-7.0 / 18.0) * x + 2.0) - (10.0 / 3.0) * x + 16.0 / 9.0;
}

}  // namespace

float FilterSupport(std::uint8_t filter) { return filter < std::size(kSupports) ? kSupports[filter] : 0.0f; }

float FilterWeight(std::uint8_t filter, float t) {
  const double x = std::fabs(static_cast<double>(t));
  switch (filter) {
    case rfBox: return static_cast<float>(Box(t));
    case rfTriangle: return static_cast<float>(Triangle(x));
    case rfHermite: return static_cast<float>(Hermite(x));
    case rfBell: return static_cast<float>(Bell(x));
    case rfBSpline: return static_cast<float>(BSpline(x));
    case rfLanczos3: return static_cast<float>(Lanczos3(x));
    case rfMitchell: return static_cast<float>(Mitchell(x));
    default: return 0.0f;
  }
}

}  // namespace skin::paint
