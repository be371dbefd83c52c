#include "skin/core/GradientData.h"

#include <algorithm>
#include <string>

#include "classlib/core/ConvertNumbers.h"

namespace skin {

TsGradientArray ParseGradientData(std::wstring_view text) {
  TsGradientArray steps;
  if (text.empty()) return steps;
  std::vector<std::wstring_view> tokens;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(L';', start);
    tokens.push_back(text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start));
    if (end == std::wstring_view::npos) break;
    start = end + 1;
  }
  const std::size_t count = tokens.size() / 5;
  steps.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto token = [&](std::size_t n) { return classlib::StrToIntStrict(tokens[i * 5 + n]); };
    TsGradientStep step;
    step.Color1 = std::max(0, token(0));
    step.Color2 = std::max(0, token(1));
    step.Percent = static_cast<std::uint8_t>(std::clamp(token(2), 0, 100));
    step.Mode = token(3);
    steps.push_back(step);
  }
  return steps;
}

}  // namespace skin
