// The mask pass of a skin load: the master bitmap, the skin's own masks in
// file order, then the masks of the application's common sections.
#include <string>

#include "classlib/core/ConvertText.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinDataLoadSteps.h"
#include "skin/core/SkinImages.h"

namespace skin {

namespace {

using Bitmap = std::shared_ptr<bmp32::TCustomBitmap32>;

// The image named `name`, or null when there is none (or it is empty).
Bitmap ReadBitmap(const TsSkinFiles& files, const std::wstring& name) {
  std::string bytes;
  if (name.empty() || !files.Read(name, bytes)) return nullptr;
  Bitmap bitmap = DecodeSkinBitmap(bytes);
  return bitmap->Width() > 0 ? bitmap : nullptr;
}

// Finishes a border mask: widths from the rectangle when none are given,
// everything inside its bitmap, and the corner type.
void FinishBorder(TsMaskData& mask, const bmp32::TCustomBitmap32& bitmap) {
  DeriveBorderWidths(mask);
  ClampMask(mask, bitmap.Width(), bitmap.Height());
  mask.CornerType = GetCornerType(mask, &bitmap);
}

class MaskLoader {
 public:
  MaskLoader(TsSkinModel& skin, const TsSkinFiles& images, const TsSkinLoadSettings& settings)
      : skin_(skin), images_(images), settings_(settings) {}

  void AddSkinMask(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    const TsMaskForm form = MaskFormOf(value);
    if (form == TsMaskForm::None) return;
    TsMaskData mask = NewMask(section, key);
    const bmp32::TCustomBitmap32& master = *skin_.MasterBitmap;
    switch (form) {
      case TsMaskForm::Texture:
      case TsMaskForm::Glyph:
        ParsePositionalMask(value, form, mask);
        ClampMask(mask, master.Width(), master.Height());
        break;
      case TsMaskForm::Border:
        ParsePositionalMask(value, form, mask);
        ClampMask(mask, master.Width(), master.Height());
        if (mask.MaskType > 0 && skin_.SkinData.Version < 7.4) ApplyOldDrawModeRule(mask);
        FinishBorder(mask, master);
        break;
      case TsMaskForm::Legacy:
        mask = NewMask(classlib::AnsiUpperCase(section), classlib::AnsiUpperCase(key));
        AddLegacy(mask, value);
        return;
      case TsMaskForm::File: {
        const std::wstring fileName = ParseFileMask(value, mask);
        const std::wstring upper = classlib::AnsiUpperCase(fileName);
        if (upper.find(L".BMP") == std::wstring::npos && upper.find(L".PNG") == std::wstring::npos) return;
        mask.Bmp = ReadBitmap(images_, fileName);
        if (!mask.Bmp) return;
        mask.R = {0, 0, mask.Bmp->Width(), mask.Bmp->Height()};
        ClampMask(mask, mask.Bmp->Width(), mask.Bmp->Height());
        if (mask.MaskKind == mkBorder) FinishBorder(mask, *mask.Bmp);
        break;
      }
      case TsMaskForm::LegacyFile:
        mask = NewMask(classlib::AnsiUpperCase(section), classlib::AnsiUpperCase(key));
        AddWholeBitmap(mask, ReadBitmap(images_, value));
        return;
      case TsMaskForm::None:
        return;
    }
    skin_.Masks.push_back(std::move(mask));
  }

  // Common sections: only the older forms, images from the skin folder.
  void AddCommonMask(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    TsMaskData mask = NewMask(classlib::AnsiUpperCase(section), classlib::AnsiUpperCase(key));
    if (value.find(L'#') != std::wstring::npos) {
      if (value != L"#") AddLegacy(mask, value);
      return;
    }
    const std::wstring fileName = classlib::AnsiUpperCase(value);
    if (fileName.find(L".BMP") == std::wstring::npos || !settings_.CommonFiles) return;
    AddWholeBitmap(mask, ReadBitmap(*settings_.CommonFiles, fileName));
  }

 private:
  TsMaskData NewMask(const std::wstring& section, const std::wstring& key) const {
    TsMaskData mask;
    mask.ClassName = section;
    mask.PropertyName = key;
    mask.Manager = settings_.Manager;
    return mask;
  }

  void AddLegacy(TsMaskData& mask, const std::wstring& value) {
    ParseLegacyMask(value, mask);
    ClampMask(mask, skin_.MasterBitmap->Width(), skin_.MasterBitmap->Height());
    FinishBorder(mask, *skin_.MasterBitmap);
    skin_.Masks.push_back(std::move(mask));
  }

  void AddWholeBitmap(TsMaskData& mask, Bitmap bitmap) {
    if (!bitmap) return;
    mask.Bmp = std::move(bitmap);
    SetWholeBitmapMask(mask, mask.Bmp->Width(), mask.Bmp->Height());
    FinishBorder(mask, *mask.Bmp);
    skin_.Masks.push_back(std::move(mask));
  }

  TsSkinModel& skin_;
  const TsSkinFiles& images_;
  const TsSkinLoadSettings& settings_;
};

}  // namespace

void LoadAllMasks(TsSkinModel& skin, const TsSkinOptions& options, const TsSkinFiles& images,
                  const TsSkinLoadSettings& settings) {
  skin.Masks.clear();
  skin.SkinData.Version = options.ReadFloat(L"GLOBALINFO", L"VERSION", 0);
  skin.MasterBitmap = ReadBitmap(images, options.ReadString(L"GLOBALINFO", L"MASTERBITMAP", L""));
  if (!skin.MasterBitmap) skin.MasterBitmap = std::make_shared<bmp32::TCustomBitmap32>();

  MaskLoader loader(skin, images, settings);
  for (const std::wstring& section : options.SectionNames()) {
    for (const std::wstring& key : options.KeyNames(section)) {
      if (section == L"GLOBALINFO" && key == L"MASTERBITMAP") continue;
      const std::wstring value = options.ReadString(section, key, L"");
      if (!value.empty()) loader.AddSkinMask(section, key, value);
    }
  }

  if (!settings.CommonSections || settings.CommonSections->Count() == 0) return;
  const TsSkinOptions common = TsSkinOptions::FromLines(L"1.tmp", *settings.CommonSections);
  for (const std::wstring& section : common.SectionNames()) {
    if (classlib::AnsiUpperCase(section) == L"GLOBALINFO") continue;
    for (const std::wstring& key : common.KeyNames(section))
      loader.AddCommonMask(section, key, common.ReadString(section, key, L"-"));
  }
}

}  // namespace skin
