#include "bitmap/Bmp32_Kernels.h"

#include <cmath>
#include <numbers>

namespace bmp32 {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

float Sinc(float x) {
  if (x == 0.0f) return 1.0f;
  const float px = kPi * x;
  return std::sin(px) / px;
}

}  // namespace

void TCustomKernel::Changed() {
  if (observer_) observer_->Changed();
}

void TCustomKernel::Assign(const classlib::TPersistent* source) {
  if (const auto* other = dynamic_cast<const TCustomKernel*>(source);
      other && typeid(*other) == typeid(*this)) {
    AssignSettings(*other);
    return;
  }
  TPersistent::Assign(source);
}

float TBoxKernel::Filter(float value) const { return value >= -0.5f && value <= 0.5f ? 1.0f : 0.0f; }

float TLinearKernel::Filter(float value) const {
  const float t = std::fabs(value);
  return t < 1.0f ? 1.0f - t : 0.0f;
}

float TCosineKernel::Filter(float value) const {
  return std::fabs(value) < 1.0f ? (std::cos(kPi * value) + 1.0f) * 0.5f : 0.0f;
}

float TSplineKernel::Filter(float value) const {
  const float t = std::fabs(value);
  if (t < 1.0f) return 0.5f * t * t * t - t * t + 2.0f / 3.0f;
  if (t < 2.0f) {
    const float u = 2.0f - t;
    return u * u * u / 6.0f;
  }
  return 0.0f;
}

float TMitchellKernel::Filter(float value) const {
  const float t = std::fabs(value);
  const float t2 = t * t, t3 = t2 * t;
  if (t < 1.0f) return (21.0f * t3 - 36.0f * t2 + 16.0f) / 18.0f;
  if (t < 2.0f) return (-7.0f * t3 + 36.0f * t2 - 60.0f * t + 32.0f) / 18.0f;
  return 0.0f;
}

float TCubicKernel::Filter(float value) const {
  const float a = coeff_;
  const float t = std::fabs(value);
  const float t2 = t * t, t3 = t2 * t;
  if (t < 1.0f) return (a + 2.0f) * t3 - (a + 3.0f) * t2 + 1.0f;
  if (t < 2.0f) return a * (t3 - 5.0f * t2 + 8.0f * t - 4.0f);
  return 0.0f;
}

void TCubicKernel::AssignSettings(const TCustomKernel& source) {
  SetCoeff(static_cast<const TCubicKernel&>(source).coeff_);
}

float THermiteKernel::Filter(float value) const {
  const float p = (1.0f - tension_) / 2.0f;
  const float m0 = (1.0f - bias_) * p;
  const float m1 = (1.0f + bias_) * p;
  const float z = std::floor(value);
  const float d = std::fabs(z - value);
  const float d2 = d * d, d3 = d2 * d;
  const float h1 = 3.0f * d2 - 2.0f * d3;
  const float h2 = d3 - 2.0f * d2 + d;
  const float h3 = d3 - d2;
  if (z == -2.0f) return h3 * m0;
  if (z == -1.0f) return h2 * m0 + h1 + (m1 - m0) * h3;
  if (z == 0.0f) return (m1 - m0) * h2 + 1.0f - h1 - h3 * m1;
  if (z == 1.0f) return -h2 * m1;
  return 0.0f;
}

void THermiteKernel::AssignSettings(const TCustomKernel& source) {
  const auto& other = static_cast<const THermiteKernel&>(source);
  SetBias(other.bias_);
  SetTension(other.tension_);
}

float TSinshKernel::Filter(float value) const {
  if (value == 0.0f) return 1.0f;
  if (std::fabs(value) >= width_) return 0.0f;
  return std::sin(kPi * value) * coeff_ / std::sinh(kPi * coeff_ * value);
}

void TSinshKernel::AssignSettings(const TCustomKernel& source) {
  const auto& other = static_cast<const TSinshKernel&>(source);
  SetWidth(other.width_);
  SetCoeff(other.coeff_);
}

float TWindowedSincKernel::Filter(float value) const {
  if (std::fabs(value) >= width_) return 0.0f;
  return Sinc(value) * Window(value);
}

// Point sampling holds at most 16 weights each side of the sample point.
void TWindowedSincKernel::SetWidth(float value) { Set(width_, value > 16.0f ? 16.0f : value); }

void TWindowedSincKernel::AssignSettings(const TCustomKernel& source) {
  SetWidth(static_cast<const TWindowedSincKernel&>(source).width_);
}

float TLanczosKernel::Window(float value) const { return Sinc(value / Width()); }

float TGaussianKernel::Window(float value) const {
  return std::exp(value * value * (-std::numbers::ln2_v<float> / sigma_));
}

void TGaussianKernel::AssignSettings(const TCustomKernel& source) {
  TWindowedSincKernel::AssignSettings(source);
  SetSigma(static_cast<const TGaussianKernel&>(source).sigma_);
}

float TBlackmanKernel::Window(float value) const {
  const float c = std::cos(kPi * value / Width());
  return 0.16f * c * c + 0.5f * c + 0.34f;
}

float THannKernel::Window(float value) const { return 0.5f + 0.5f * std::cos(kPi * value / Width()); }

float THammingKernel::Window(float value) const { return 0.54f + 0.46f * std::cos(kPi * value / Width()); }

namespace {

// One row per term count (2..11), lowest power first; each row sums to 1.
// Only the 2- and 7-term rows are known here with certainty; the other term
// counts use the nearest known row (see AlbrechtRow).
constexpr double kAlbrecht2[] = {0.5383553946707251, 0.4616446053292749};
constexpr double kAlbrecht7[] = {0.0639644241143904, 0.239938645993528,  0.350159563238205,
                                 0.247741118970808,  0.085438256055858,  0.0123202033692932,
                                 0.000437788257917735};

struct TAlbrechtRow {
  const double* Coef;
  std::int32_t Count;
};

TAlbrechtRow AlbrechtRow(std::int32_t terms) {
  if (terms < 5) return {kAlbrecht2, 2};
  return {kAlbrecht7, 7};
}

}  // namespace

float TAlbrechtKernel::Window(float value) const {
  const TAlbrechtRow row = AlbrechtRow(terms_);
  const double c = std::cos(kPi * value / Width());
  double sum = row.Coef[row.Count - 1];
  for (std::int32_t k = row.Count - 2; k >= 0; --k) sum = sum * c + row.Coef[k];
  return static_cast<float>(sum);
}

void TAlbrechtKernel::SetTerms(std::int32_t value) { Set(terms_, value < 2 ? 2 : (value > 11 ? 11 : value)); }

void TAlbrechtKernel::AssignSettings(const TCustomKernel& source) {
  TWindowedSincKernel::AssignSettings(source);
  SetTerms(static_cast<const TAlbrechtKernel&>(source).terms_);
}

namespace {

template <class K>
TKernelClass KernelClass(const wchar_t* name) {
  return {name, []() -> TCustomKernel* { return new K(); }};
}

}  // namespace

TClassList<const TKernelClass*>& KernelList() {
  static const TKernelClass standard[] = {
      KernelClass<TBoxKernel>(L"TBoxKernel"),           KernelClass<TLinearKernel>(L"TLinearKernel"),
      KernelClass<TCosineKernel>(L"TCosineKernel"),     KernelClass<TSplineKernel>(L"TSplineKernel"),
      KernelClass<TCubicKernel>(L"TCubicKernel"),       KernelClass<TMitchellKernel>(L"TMitchellKernel"),
      KernelClass<TAlbrechtKernel>(L"TAlbrechtKernel"), KernelClass<TLanczosKernel>(L"TLanczosKernel"),
      KernelClass<TGaussianKernel>(L"TGaussianKernel"), KernelClass<TBlackmanKernel>(L"TBlackmanKernel"),
      KernelClass<THannKernel>(L"THannKernel"),         KernelClass<THammingKernel>(L"THammingKernel"),
      KernelClass<TSinshKernel>(L"TSinshKernel"),       KernelClass<THermiteKernel>(L"THermiteKernel"),
  };
  static TClassList<const TKernelClass*> list = [] {
    TClassList<const TKernelClass*> l;
    for (const TKernelClass& cls : standard) l.Add(&cls);
    return l;
  }();
  return list;
}

void RegisterKernel(const TKernelClass* cls) { KernelList().Add(cls); }

}  // namespace bmp32
