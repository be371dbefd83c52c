// The about button: the main window's client area, blurred and noised,
// covers the window while the about window is shown over it.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/catalogue/SnapshotEffects.h"
#include "classlib/controls/Application.h"
#include "classlib/graphics/Bitmap.h"

namespace app {

using namespace classlib;

namespace {

catalogue::Pixels24 PixelsOf(TBitmap& bitmap) {
  bitmap.SetPixelFormat(pf24bit);
  if (bitmap.Width() < 1 || bitmap.Height() < 1) return {};
  return {bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(),
          bitmap.Height() > 1 ? bitmap.ScanLine(1) - bitmap.ScanLine(0) : 0};
}

}  // namespace

void TForm1::TakeBlurredSnapshot() {
  TBitmap snapshot;
  snapshot.SetPixelFormat(pf24bit);
  snapshot.SetSize(ClientWidth(), ClientHeight());
  // Painted off-screen as the screenshot is, so windows over the program
  // (or the screen's edge) never get into the copy.
  PaintTo(snapshot.Canvas()->Handle(), 0, 0);
  const catalogue::Pixels24 pixels = PixelsOf(snapshot);
  catalogue::BoxBlur3x3(pixels, 5);
  catalogue::AddNoise(pixels, 25);
  Image3->Picture()->SetBitmap(&snapshot);
}

void TForm1::sBitBtn1Click(TObject*) {
  TakeBlurredSnapshot();
  if (!Form2) classlib::Application->CreateForm(Form2);
  Form2->ShowModal();
}

}  // namespace app
