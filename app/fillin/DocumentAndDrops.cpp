#include "app/fillin/DocumentAndDrops.h"

#include "classlib/core/ConvertText.h"
#include "classlib/core/FileUtilsPath.h"

namespace app {
namespace {

std::wstring LowerExtension(std::wstring_view fileName) {
  return classlib::AnsiLowerCase(classlib::ExtractFileExt(fileName));
}

}  // namespace

TDocumentLook DocumentLook(TDocumentEvent event) {
  switch (event) {
    case TDocumentEvent::Saved: return {1, L"Zapisano", 1};
    case TDocumentEvent::Chosen: return {2, L"Dodano", 2};
    case TDocumentEvent::Cleared: return {0, L"Usunięto", 3};
    case TDocumentEvent::NoDocument: break;
  }
  return {0, L"Wybierz", 0};
}

bool IsDocumentFile(std::wstring_view fileName) { return LowerExtension(fileName) == L".pdf"; }

bool IsPictureFile(std::wstring_view fileName) {
  const std::wstring extension = LowerExtension(fileName);
  return extension == L".bmp" || extension == L".png" || extension == L".jpg" || extension == L".jpeg";
}

TDropAction DropActionFor(TDropTarget target, std::wstring_view fileName, bool cardSelected) {
  switch (target) {
    case TDropTarget::DocumentButton: return IsDocumentFile(fileName) ? TDropAction::ChooseDocument : TDropAction::Ignore;
    case TDropTarget::Picture: return IsPictureFile(fileName) ? TDropAction::LoadPicture : TDropAction::Ignore;
    case TDropTarget::GalleryButton:
      return cardSelected && IsPictureFile(fileName) ? TDropAction::CopyToGallery : TDropAction::Ignore;
    case TDropTarget::Other: break;
  }
  return TDropAction::Ignore;
}

}  // namespace app
