#include "tools/skingen/SkinGenerator.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "tools/skingen/MaskAtlas.h"
#include "tools/skingen/OptionsFile.h"
#include "tools/skingen/RequiredSkinItems.h"
#include "tools/skingen/SkinMasks.h"
#include "tools/skingen/SkinPreview.h"
#include "tools/skingen/SkinSections.h"

namespace skingen {
namespace {

constexpr int kMasterWidth = 512;

void CheckComplete(const TOptionsFile& options, const TMaskAtlas& atlas) {
  for (std::string_view section : kRequiredSections) {
    if (!options.HasSection(std::string(section))) throw std::runtime_error("skin lacks section " + std::string(section));
  }
  for (const TRequiredMask& m : kRequiredMasks) {
    const auto& e = atlas.Entries();
    if (std::none_of(e.begin(), e.end(), [&](const TMaskEntry& x) { return x.section == m.section && x.key == m.mask; }))
      throw std::runtime_error("skin lacks mask " + std::string(m.section) + "." + std::string(m.mask));
  }
}

TMaskAtlas SkinAtlas() {
  TMaskAtlas atlas(kMasterWidth);
  AddSkinMasks(atlas);
  return atlas;
}

}  // namespace

void GenerateSkin(const std::filesystem::path& folder) {
  TOptionsFile options;
  WriteSkinSections(options);
  const TMaskAtlas atlas = SkinAtlas();
  for (const TMaskEntry& e : atlas.Entries()) options.Set(e.section, e.key, MaskValue(e));
  CheckComplete(options, atlas);
  WriteSkinFolder(folder, options, atlas);
}

void WriteSkinFolder(const std::filesystem::path& folder, const TOptionsFile& options, const TMaskAtlas& atlas) {
  std::filesystem::create_directories(folder);
  bmp32::TCustomBitmap32 master;
  atlas.Render(master);
  master.SaveToFile((folder / kMasterBitmapName).wstring(), true);

  std::ofstream file(folder / "Options.dat", std::ios::binary | std::ios::trunc);
  const std::string text = options.Text();
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + (folder / "Options.dat").string());
}

void WriteSkinPreview(const std::filesystem::path& file) {
  const TMaskAtlas atlas = SkinAtlas();
  bmp32::TCustomBitmap32 master, preview;
  atlas.Render(master);
  RenderPreview(atlas, master, preview);
  preview.SaveToFile(file.wstring(), true);
}

}  // namespace skingen
