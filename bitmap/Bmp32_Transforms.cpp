#include "bitmap/Bmp32_Transforms.h"

namespace bmp32 {

namespace plain {

float Det32(float a, float b, float c, float d) {
  const float ad = a * d;
  const float bc = b * c;
  return ad - bc;
}

double Det64(double a, double b, double c, double d) {
  const double ad = a * d;
  const double bc = b * c;
  return ad - bc;
}

float Det32Extended(float a, float b, float c, float d) {
  return static_cast<float>(static_cast<long double>(a) * d - static_cast<long double>(b) * c);
}

double Det64Extended(double a, double b, double c, double d) {
  return static_cast<double>(static_cast<long double>(a) * d - static_cast<long double>(b) * c);
}

}  // namespace plain

TDet32* Det32 = plain::Det32Extended;
TDet64* Det64 = plain::Det64Extended;

namespace {

TFunctionRegistry& BuildTransformsRegistry() {
  TFunctionRegistry& r = CreateRegistry(L"Bmp32_Transforms bindings");
  r.Add(0, plain::Det32);
  r.Add(0, plain::Det32Extended);
  r.Add(1, plain::Det64);
  r.Add(1, plain::Det64Extended);
  r.AddBinding(0, &Det32);
  r.AddBinding(1, &Det64);
  r.BindAll();
  return r;
}

TFunctionRegistry& transformsRegistry = BuildTransformsRegistry();

}  // namespace

TFunctionRegistry& TransformsRegistry() { return transformsRegistry; }

}  // namespace bmp32
