#pragma once
// Building a skin from its description and images: masks (with the master
// bitmap), then JPEG patterns, then sections, then the cached indexes. The
// result is a new model; a load that raises leaves nothing half-built behind.
#include <functional>
#include <memory>
#include <string>

#include "classlib/core/Strings.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinFiles.h"
#include "skin/core/SkinOptions.h"

namespace skin {

struct TsSkinLoadSettings {
  TsSkinManager* Manager = nullptr;  // stored in each mask record
  std::wstring SkinPath;             // stored in TsSkinData
  // Extra sections, masks and patterns of the application (INI lines); the
  // skin's own values win. Null or empty: none.
  const classlib::TStrings* CommonSections = nullptr;
  // Where the images named in CommonSections are (the skin folder, never a
  // packed skin's entries). Null: those images are skipped.
  const TsSkinFiles* CommonFiles = nullptr;
  // Resolves system colours (negative values); null keeps them as they are.
  std::function<TColor(TColor)> ColorToRgb;
  // FORMOFFSET's default: the system's sizing-frame width.
  int SizingFrameWidth = 4;
  // Runs once the skin's version is known (the manager's version notices).
  std::function<void(const TsSkinData&)> CheckVersion;
};

// Raises on a description that cannot be read (EConvertError for a number
// that is not one, ESkinImageError for an image that cannot be decoded).
std::unique_ptr<TsSkinModel> LoadSkinModel(const TsSkinOptions& options, const TsSkinFiles& images,
                                           const TsSkinLoadSettings& settings);

}  // namespace skin
