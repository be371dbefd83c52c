#include "bitmap/Bmp32_Rasterizers.h"

#include "bitmap/Bmp32_System.h"

namespace bmp32 {

const int ProcessorCount = GetProcessorCount();

}  // namespace bmp32
