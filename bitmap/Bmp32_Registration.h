#pragma once
// The published properties of the bitmap library's classes, for the class
// library's property registry (form descriptions, copying by name).

namespace bmp32 {

// Registers once; later calls do nothing.
void RegisterBitmap32Classes();

}  // namespace bmp32
