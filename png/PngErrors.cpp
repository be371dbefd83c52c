#include "png/PngErrors.h"

namespace png {

std::wstring ZlibResultText(int code) {
  switch (code) {
    case -6: return L"incompatible version (-6)";
    case -5: return L"buffer error (-5)";
    case -4: return L"insufficient memory (-4)";
    case -3: return L"data error (-3)";
    case -2: return L"stream error (-2)";
    case -1: return L"file error (-1)";
    default: return L"(" + std::to_wstring(code) + L")";
  }
}

void RaiseZlibError(int code) {
  RaiseError<EPNGZLIBError>(EPNGZLIBError().Message() + ZlibResultText(code));
}

}  // namespace png
