#pragma once
// The purchase document button's states and the rules for files dropped on
// the main window. No window code.
#include <string>
#include <string_view>

namespace app {

inline constexpr wchar_t kDocumentFileName[] = L"Dokument.pdf";
inline constexpr wchar_t kGalleryFolderName[] = L"Galeria";

// The document button's Tag: 0 none, 1 saved in the card, 2 chosen and
// waiting for the next save.
enum class TDocumentEvent { NoDocument, Saved, Chosen, Cleared };
struct TDocumentLook {
  int Tag;
  const wchar_t* Caption;
  int ImageIndex;
};
TDocumentLook DocumentLook(TDocumentEvent event);

// Extensions compared in lower case, so "SCAN.PDF" is a document.
bool IsDocumentFile(std::wstring_view fileName);
bool IsPictureFile(std::wstring_view fileName);

// Where a file was dropped, and what happens to it.
enum class TDropTarget { Other, DocumentButton, Picture, GalleryButton };
enum class TDropAction { Ignore, ChooseDocument, LoadPicture, CopyToGallery };
TDropAction DropActionFor(TDropTarget target, std::wstring_view fileName, bool cardSelected);

}  // namespace app
