// The pattern pass of a skin load: JPEG textures named by any key. Small
// ones become texture masks, large ones stay JPEG patterns; those named in
// the application's common sections always stay patterns.
#include <string>

#include "classlib/core/ConvertText.h"
#include "skin/core/SkinDataLoadSteps.h"
#include "skin/core/SkinImages.h"

namespace skin {

namespace {

// Textures below this many pixels are kept as bitmaps in the mask array.
constexpr long long kTextureMaskPixelLimit = 900000;

bool NamesJpeg(const std::wstring& upperValue) {
  return upperValue.find(L".JPG") != std::wstring::npos || upperValue.find(L".JPEG") != std::wstring::npos;
}

// The decoded JPEG, or null when the file is missing or empty.
std::shared_ptr<bmp32::TCustomBitmap32> ReadJpeg(const TsSkinFiles& files, const std::wstring& name) {
  std::string bytes;
  if (!files.Read(name, bytes)) return nullptr;
  auto image = DecodeSkinJpeg(bytes);
  return image->Width() > 0 ? image : nullptr;
}

}  // namespace

void LoadAllPatterns(TsSkinModel& skin, const TsSkinOptions& options, const TsSkinFiles& images,
                     const TsSkinLoadSettings& settings) {
  skin.Patterns.clear();
  for (const std::wstring& section : options.SectionNames()) {
    for (const std::wstring& key : options.KeyNames(section)) {
      const std::wstring value = classlib::AnsiUpperCase(options.ReadString(section, key, L"-"));
      if (!NamesJpeg(value)) continue;
      auto image = ReadJpeg(images, value);
      if (!image) continue;
      const std::wstring upperSection = classlib::AnsiUpperCase(section), upperKey = classlib::AnsiUpperCase(key);
      if (static_cast<long long>(image->Width()) * image->Height() < kTextureMaskPixelLimit) {
        TsMaskData mask;
        mask.ClassName = upperSection;
        mask.PropertyName = upperKey;
        mask.MaskKind = mkTexture;
        mask.ImageCount = 1;
        mask.Manager = settings.Manager;
        // The whole bitmap, so painting needs no special case for these.
        mask.R = {0, 0, image->Width(), image->Height()};
        mask.Bmp = std::move(image);
        skin.Masks.push_back(std::move(mask));
      } else {
        skin.Patterns.push_back({std::move(image), upperSection, upperKey});
      }
    }
  }

  if (!settings.CommonSections || settings.CommonSections->Count() == 0 || !settings.CommonFiles) return;
  const TsSkinOptions common = TsSkinOptions::FromLines(L"2.tmp", *settings.CommonSections);
  for (const std::wstring& section : common.SectionNames()) {
    for (const std::wstring& key : common.KeyNames(section)) {
      const std::wstring value = classlib::AnsiUpperCase(common.ReadString(section, key, L"-"));
      if (!NamesJpeg(value)) continue;
      if (auto image = ReadJpeg(*settings.CommonFiles, value))
        skin.Patterns.push_back({std::move(image), classlib::AnsiUpperCase(section), classlib::AnsiUpperCase(key)});
    }
  }
}

}  // namespace skin
