// The card picture: choosing a file, scaling it to cover the picture box,
// its menu, crop mode, and its steps in the card's save and load.
#include "app/Unit1.h"
#include "app/picture/CardPictureFile.h"
#include "app/picture/CardPictureFit.h"
#include "bitmap/Bmp32_Gdi.h"
#include "classlib/core/FileUtils.h"
#include "classlib/menus/MessageBox.h"

namespace app {

using namespace classlib;

int DragStartX = 0;
int DragStartY = 0;

namespace {

bool CropModeOn(const TsBitBtn& okButton) { return okButton.Tag() == 1; }

}  // namespace

void TForm1::LoadImageFitted(const std::wstring& fileName, int size) {
  bmp32::TBitmap32 source;
  source.LoadFromFile(fileName);
  const TFittedPicture fitted = FitPicture(source, size);
  TBitmap plain;
  plain.Assign(fitted.Bitmap.get());
  Image1->Picture()->SetBitmap(&plain);
  Image1->SetLeft(fitted.Fit.Left);
  Image1->SetTop(fitted.Fit.Top);
}

void TForm1::Image1Click(TObject*) {
  if (CropModeOn(*sBitBtn12)) return;
  OpenDialog1->SetFileName(L"");
  if (OpenDialog1->Execute()) ShowNewPicture(OpenDialog1->FileName());
}

void TForm1::ShowNewPicture(const std::wstring& fileName) {
  try {
    LoadImageFitted(fileName, kPictureBoxSize);
  } catch (const EPictureFit& refused) {
    ShowMessageBox(Handle(), refused.Message(), MB_ICONWARNING);
    return;
  }
  Image1->SetTag(2);
  if (CropAxis(Image1->Width(), Image1->Height()) == TCropAxis::None)
    sBitBtn12->Click();
  else
    Kadruj1->Click();
}

void TForm1::Image1ContextPopup(TObject*, TPoint, bool& handled) {
  if (CropModeOn(*sBitBtn12) || Image1->Tag() == 0) return;
  PopupMenu1->Popup(Left() + 43, Top() + 261);
  handled = true;
}

void TForm1::PopupMenu1Popup(TObject*) {
  const bool croppable = CropAxis(Image1->Width(), Image1->Height()) != TCropAxis::None;
  Kadruj1->SetVisible(croppable);
  N1->SetVisible(croppable);
}

void TForm1::Kadruj1Click(TObject*) {
  sBitBtn12->Show();
  Image1->SetCursor(CropAxis(Image1->Width(), Image1->Height()) == TCropAxis::Horizontal ? crSizeWE : crSizeNS);
  sBitBtn12->SetTag(1);
}

void TForm1::Wyczy1Click(TObject*) {
  Image1->Picture()->SetGraphic(nullptr);
  Image1->SetTag(0);
}

void TForm1::Image1MouseDown(TObject*, TMouseButton button, TShiftState, int x, int y) {
  if (button != mbLeft || !CropModeOn(*sBitBtn12)) return;
  sPanel22->SetTag(1);
  DragStartX = x;
  DragStartY = y;
}

void TForm1::Image1MouseMove(TObject*, TShiftState, int x, int y) {
  if (sPanel22->Tag() != 1) return;
  switch (CropAxis(Image1->Width(), Image1->Height())) {
    case TCropAxis::Horizontal: Image1->SetLeft(DragOffset(Image1->Left(), x - DragStartX, Image1->Width())); break;
    case TCropAxis::Vertical: Image1->SetTop(DragOffset(Image1->Top(), y - DragStartY, Image1->Height())); break;
    case TCropAxis::None: break;
  }
}

void TForm1::Image1MouseUp(TObject*, TMouseButton, TShiftState, int, int) { sPanel22->SetTag(0); }

void TForm1::sBitBtn12Click(TObject*) {
  sBitBtn12->Hide();
  Image1->SetCursor(crDefault);
  sBitBtn12->SetTag(0);
}

void TForm1::SaveCardPicture(const std::wstring& folder) {
  const std::wstring picture = folder + kPictureFileName;
  if (Image1->Tag() == 0 && FileExists(picture)) DeleteFileAt(picture);
  if (Image1->Tag() == 2) {
    bmp32::TBitmap32 pixels;
    pixels.Assign(Image1->Picture()->Bitmap());
    SavePictureJpeg(pixels, picture);
    Image1->SetTag(1);
  }
}

std::wstring TForm1::LoadCardPicture(const std::wstring& folder) {
  // A picture that cannot be read must not cost the user the rest of the
  // card: the box stays empty and Tag 1 stays, so a save keeps the file.
  const std::wstring picture = folder + kPictureFileName;
  if (!FileExists(picture)) {
    Image1->SetTag(0);
    Image1->Picture()->SetGraphic(nullptr);
    return L"";
  }
  Image1->SetTag(1);
  try {
    // The stored place comes with the card data (ReadCardData).
    const TLoadedPicture loaded = LoadPictureJpeg(picture, 0, 0);
    TBitmap plain;
    plain.Assign(loaded.Bitmap.get());
    Image1->Picture()->SetBitmap(&plain);
  } catch (const Exception& error) {
    Image1->Picture()->SetGraphic(nullptr);
    return error.Message();
  }
  return L"";
}

}  // namespace app
