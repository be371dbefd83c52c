// The purchase document ("Dokument.pdf"), the gallery folder, and files
// dropped on the main window.
#include "app/Unit1.h"
#include "app/fillin/DocumentFile.h"
#include "app/picture/CardPictureFit.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/menus/DragDrop.h"
#include "classlib/menus/MessageBox.h"
#include "classlib/menus/Shell.h"

namespace app {

using namespace classlib;

namespace {

// Only a control shown on its page can be under the cursor; the window
// itself is on screen, or it would get no drop.
bool ContainsScreenPoint(const TControl& control, TPoint point) {
  for (const TControl* c = &control; c && c->Parent(); c = c->Parent())
    if (!c->Visible()) return false;
  const TPoint origin = control.ClientToScreen(TPoint{0, 0});
  return point.X >= origin.X && point.Y >= origin.Y && point.X < origin.X + control.Width() &&
         point.Y < origin.Y + control.Height();
}

}  // namespace

void TForm1::SetDocumentLook(TDocumentEvent event) {
  const TDocumentLook look = DocumentLook(event);
  sBitBtn6->SetTag(look.Tag);
  sBitBtn6->SetCaption(look.Caption);
  sBitBtn6->SetImageIndex(look.ImageIndex);
}

void TForm1::sBitBtn6Click(TObject*) {
  switch (sBitBtn6->Tag()) {
    case 0:
      OpenDialog2->SetFileName(L"");
      // The dialog returns any typed name; only a document is ever taken,
      // as a drop takes it, since "open" would run anything else.
      if (OpenDialog2->Execute() && IsDocumentFile(OpenDialog2->FileName())) SetDocumentLook(TDocumentEvent::Chosen);
      break;
    case 1: ShellOpen(CardsDir + sComboBox1->Text() + L"\\" + kDocumentFileName); break;
    case 2: ShellOpen(OpenDialog2->FileName()); break;
    default: break;
  }
}

void TForm1::sBitBtn6ContextPopup(TObject*, TPoint, bool& handled) {
  if (sBitBtn6->Tag() == 0) return;
  PopupMenu16->Popup(Left() + 363 + sBitBtn6->Left(), Top() + 185 + sBitBtn6->Top());
  handled = true;
}

void TForm1::Wyczy2Click(TObject*) { SetDocumentLook(TDocumentEvent::Cleared); }

void TForm1::SaveCardDocument(const std::wstring& folder) {
  const std::wstring document = folder + kDocumentFileName;
  if (sBitBtn6->Tag() == 2) {
    const std::wstring& chosen = OpenDialog2->FileName();
    if (!FileExists(chosen)) {
      if (FileExists(document)) DeleteFileAt(document);
      SetDocumentLook(TDocumentEvent::NoDocument);
      ShowMessageBox(static_cast<HWND>(nullptr),
                     L"Wskazany plik nie istnieje!" + std::wstring(L"\r") + L"Nie zapisano dukumentu zakupu.",
                     MB_ICONHAND);
      return;
    }
    // The old document goes only once the new one is in place: a failed
    // copy keeps it, and the choice waits for the next save.
    if (!IsSameFile(chosen, document) && !ReplaceWithCopy(chosen, document, folder + kDocumentTemporaryName)) {
      ShowMessageBox(static_cast<HWND>(nullptr),
                     L"Nie można skopiować wskazanego pliku!" + std::wstring(L"\r") +
                         L"Dokument zakupu karty pozostaje bez zmian.",
                     MB_ICONHAND);
      return;
    }
    SetDocumentLook(TDocumentEvent::Saved);
    return;
  }
  if (sBitBtn6->Tag() == 0) {
    if (FileExists(document)) DeleteFileAt(document);
    SetDocumentLook(TDocumentEvent::NoDocument);
  }
}

void TForm1::sBitBtn4Click(TObject*) {
  const std::wstring gallery = CardsDir + sComboBox1->Text() + L"\\" + kGalleryFolderName;
  if (!DirectoryExists(gallery)) CreateDir(gallery);
  ShellOpen(gallery);
}

void TForm1::DropFiles(const std::vector<std::wstring>& files, TPoint screenPoint) {
  if (files.empty()) return;
  const std::wstring& file = files.front();
  TDropTarget target = TDropTarget::Other;
  if (ContainsScreenPoint(*sBitBtn6, screenPoint))
    target = TDropTarget::DocumentButton;
  else if (ContainsScreenPoint(*Image1, screenPoint) || ContainsScreenPoint(*sPanel22, screenPoint))
    target = TDropTarget::Picture;
  else if (ContainsScreenPoint(*sBitBtn4, screenPoint))
    target = TDropTarget::GalleryButton;
  switch (DropActionFor(target, file, !sComboBox1->Text().empty())) {
    case TDropAction::ChooseDocument:
      OpenDialog2->SetFileName(file);
      SetDocumentLook(TDocumentEvent::Chosen);
      break;
    case TDropAction::LoadPicture: ShowNewPicture(file); break;
    case TDropAction::CopyToGallery: {
      const std::wstring gallery = CardsDir + sComboBox1->Text() + L"\\" + kGalleryFolderName;
      if (!DirectoryExists(gallery)) CreateDir(gallery);
      CopyFileNoOverwrite(file, gallery + L"\\" + ExtractFileName(file));
      break;
    }
    case TDropAction::Ignore: break;
  }
}

void TForm1::WndProc(TMessage& message) {
  if (message.Msg == WM_DROPFILES) {
    POINT cursor{};
    GetCursorPos(&cursor);
    DropFiles(TakeDroppedFiles(reinterpret_cast<HDROP>(message.WParam)), TPoint{cursor.x, cursor.y});
    message.Result = 0;
    return;
  }
  TForm::WndProc(message);
}

}  // namespace app
