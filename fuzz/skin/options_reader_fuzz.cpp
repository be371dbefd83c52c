// Feeds arbitrary skin descriptions to the skin loader: sections and their
// inheritance, every mask value form, gradients, GLOBALINFO numbers, common
// sections. The input is "Options.dat", optionally followed by a NUL byte and
// the application's common sections. The images are small fixed bitmaps, so
// masks reach the corner scan and the clamps. Conversion and image errors
// are expected; anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "classlib/core/Cp1250.h"
#include "classlib/core/Exception.h"
#include "classlib/core/Strings.h"
#include "skin/core/SkinDataLoad.h"
#include "tests/skin/core/SkinTestImages.h"

namespace {

// 160 x 120 and 90 x 60 pixels, the key colour in the top-left quarter.
std::string MakeBmp(int w, int h) {
  return skin::testing::Bmp24(w, h, [=](int x, int y) {
    return x < w / 4 && y < h / 4 ? 0xFF00FFu : static_cast<std::uint32_t>(0x400000 | (y << 8) | x);
  });
}

const skin::TsSkinMemoryFiles& Images() {
  static const skin::TsSkinMemoryFiles files({{L"master.bmp", MakeBmp(160, 120)}, {L"btn.bmp", MakeBmp(90, 60)}});
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  classlib::TStringList common;
  skin::TsSkinLoadSettings settings;
  if (split != std::string_view::npos) {
    common.SetText(classlib::Cp1250ToWide(input.substr(split + 1)));
    settings.CommonSections = &common;
    settings.CommonFiles = &Images();
  }
  try {
    const auto options = skin::TsSkinOptions::FromBytes(L"Options.dat", input.substr(0, split));
    skin::LoadSkinModel(options, Images(), settings);
  } catch (const classlib::Exception&) {
  }
  return 0;
}
