#pragma once
// 2 x 2 determinants, bound through the unit's registry.
#include "bitmap/Bmp32_Bindings.h"

namespace bmp32 {

using TDet32 = float(float a, float b, float c, float d);
using TDet64 = double(double a, double b, double c, double d);

// a*d - b*c.
extern TDet32* Det32;
extern TDet64* Det64;

TFunctionRegistry& TransformsRegistry();

namespace plain {
// Each product rounded to the argument precision before the difference.
float Det32(float a, float b, float c, float d);
double Det64(double a, double b, double c, double d);
// The difference of the exact products at extended precision, rounded once.
float Det32Extended(float a, float b, float c, float d);
double Det64Extended(double a, double b, double c, double d);
}  // namespace plain

}  // namespace bmp32
