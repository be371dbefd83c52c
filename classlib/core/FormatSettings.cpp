#include "classlib/core/FormatSettings.h"

namespace classlib {
namespace {
wchar_t g_decimalSeparator = L',';
}

wchar_t DecimalSeparator() { return g_decimalSeparator; }
void SetDecimalSeparator(wchar_t separator) { g_decimalSeparator = separator; }

}  // namespace classlib
