#pragma once
// The skinning library's user-interface texts, in English, by string-table
// id. A translation replaces them (SetSkinText, or on Windows the program's
// string table through LoadSkinTexts).
#include <array>
#include <string>

namespace skin {

enum class SkinTextId : int {
  Ok = 58992,
  Cancel = 58991,
  Help = 58990,
  // The entries of the skinned system menu.
  Restore = 58981,
  Move = 58980,
  Size = 58979,
  Minimize = 58978,
  Maximize = 58977,
  Close = 58976,
  // Labels of the library's dialogs.
  Calculator = 58975,
  FileOpen = 58970,
  AvailableSkins = 58964,
  Internal = 58963,
  ErrorSettingCount = 58962,
  ListboxMustBeVirtual = 58961,
  AddToCustomColors = 58960,
  DefineColors = 58959,
  MainPalette = 58958,
  AdditionalColors = 58957,
  Color = 58956,
  Red = 58955,
  Green = 58954,
  Blue = 58953,
  Decimal = 58952,
  Hex = 58951,
  FrameAdapterPlacement = 58950,
  HintDesignerForm = 58949,
  PreservedSettings = 58948,
  Style = 58947,
  BevelWidth = 58946,
  Blur = 58945,
  ArrowLength = 58944,
  HorizMargin = 58943,
  VertMargin = 58942,
  CornersRadius = 58941,
  MaxWidth = 58940,
  PauseHide = 58939,
  Percent = 58938,
  Offset = 58937,
  Transparency = 58936,
  NoPicture = 58935,
  Font = 58934,
  Texture = 58933,
  LoadFromFile = 58932,
  SaveToFileAs = 58931,
  HintColor = 58930,
  TopBorder = 58929,
  BottomBorder = 58928,
  Shadow = 58927,
  Background = 58926,
  Gradient = 58925,
  HintPreview = 58924,
  InvalidDate = 58923,
  SelectDirectory = 58911,
  Create = 58910,
};

struct SkinTextEntry {
  SkinTextId Id;
  const wchar_t* English;
};

inline constexpr std::array<SkinTextEntry, 55> SkinTextTable = {{
    {SkinTextId::Ok, L"OK"},
    {SkinTextId::Cancel, L"Cancel"},
    {SkinTextId::Help, L"&Help"},
    {SkinTextId::Restore, L"Restore"},
    {SkinTextId::Move, L"Move"},
    {SkinTextId::Size, L"Size"},
    {SkinTextId::Minimize, L"Minimize"},
    {SkinTextId::Maximize, L"Maximize"},
    {SkinTextId::Close, L"Close"},
    {SkinTextId::Calculator, L"Calculator"},
    {SkinTextId::FileOpen, L"File open"},
    {SkinTextId::AvailableSkins, L"Available skins"},
    {SkinTextId::Internal, L"(internal)"},
    {SkinTextId::ErrorSettingCount, L"Error setting %s.Count"},
    {SkinTextId::ListboxMustBeVirtual, L"Listbox (%s) style must be virtual in order to set Count"},
    {SkinTextId::AddToCustomColors, L"Add to custom colors set"},
    {SkinTextId::DefineColors, L"Define colors"},
    {SkinTextId::MainPalette, L"Main palette :"},
    {SkinTextId::AdditionalColors, L"Additional colors :"},
    {SkinTextId::Color, L"Color"},
    {SkinTextId::Red, L"Red :"},
    {SkinTextId::Green, L"Green :"},
    {SkinTextId::Blue, L"Blue :"},
    {SkinTextId::Decimal, L"Decimal - "},
    {SkinTextId::Hex, L"Hex - "},
    {SkinTextId::FrameAdapterPlacement, L"TsFrameAdapter adapter must be placed on the handled frame"},
    {SkinTextId::HintDesignerForm, L"Hint Designer Form"},
    {SkinTextId::PreservedSettings, L"Preserved settings :"},
    {SkinTextId::Style, L"Style :"},
    {SkinTextId::BevelWidth, L"Bevel width"},
    {SkinTextId::Blur, L"Blur"},
    {SkinTextId::ArrowLength, L"Arrow length"},
    {SkinTextId::HorizMargin, L"Horiz. margin"},
    {SkinTextId::VertMargin, L"Vert. margin"},
    {SkinTextId::CornersRadius, L"Corners radius"},
    {SkinTextId::MaxWidth, L"Max width"},
    {SkinTextId::PauseHide, L"Pause hide (ms)"},
    {SkinTextId::Percent, L"Percent"},
    {SkinTextId::Offset, L"Offset"},
    {SkinTextId::Transparency, L"Transparency"},
    {SkinTextId::NoPicture, L"No picture available"},
    {SkinTextId::Font, L"Font"},
    {SkinTextId::Texture, L"Texture"},
    {SkinTextId::LoadFromFile, L"Load from file"},
    {SkinTextId::SaveToFileAs, L"Save to file as..."},
    {SkinTextId::HintColor, L"Color"},
    {SkinTextId::TopBorder, L"Top border"},
    {SkinTextId::BottomBorder, L"Bottom border"},
    {SkinTextId::Shadow, L"Shadow"},
    {SkinTextId::Background, L"Background"},
    {SkinTextId::Gradient, L"Gradient"},
    {SkinTextId::HintPreview, L"Preview of the future hint window"},
    {SkinTextId::SelectDirectory, L"Select directory"},
    {SkinTextId::Create, L"Create"},
    {SkinTextId::InvalidDate, L"Invalid date"},
}};

// Texts of the skin selection dialog, which no string table replaces.
inline constexpr const wchar_t* SkinRootText = L"Root :";
inline constexpr const wchar_t* SkinDirectoryText = L"Directory with skins :";
inline constexpr const wchar_t* SelectSkinText = L"Select skin";
inline constexpr const wchar_t* SkinPreviewText = L"Skin preview";

// The current text: a translation when one was set, else the English one.
const std::wstring& SkinText(SkinTextId id);
// Sets a translation; an empty text brings the English one back.
void SetSkinText(SkinTextId id, const std::wstring& text);

}  // namespace skin
