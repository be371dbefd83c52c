// PrintScreen on a card: the four editor pages, two by two, saved as the
// card's "Zrzut.png" and shown in the system's picture viewer.
#include "app/Unit1.h"
#include "classlib/core/FileUtils.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/Shell.h"
#include "png/PngObject.h"

namespace app {

using namespace classlib;

void TForm1::SaveCardScreenshot() {
  if (!DirectoryExists(CardsDir)) CreateDir(CardsDir);
  const int shownPage = sPanel1->Tag();
  const int w = sPanel3->Width();
  const int h = sPanel3->Height();

  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(2 * w, 2 * h - 2);
  // The top row loses its first pixel row and the bottom row starts on the
  // top row's last one.
  struct Tile {
    TsButton* tab;
    TsPanel* page;
    int x, y;
  };
  const Tile tiles[] = {
      {sButton3, sPanel9, 0, h - 2},
      {sButton4, sPanel6, w, h - 2},
      {sButton1, sPanel3, 0, -1},
      {sButton2, sPanel7, w, -1},
  };
  for (const Tile& tile : tiles) {
    tile.tab->Click();
    // Painted off-screen, so windows covering the program never get in.
    tile.page->PaintTo(picture.Canvas()->Handle(), tile.x, tile.y);
  }

  const std::wstring file = CardsDir + sComboBox1->Text() + L"\\Zrzut.png";
  {
    png::TPNGObject image;
    image.Assign(&picture);
    image.SetCompressionLevel(0);
    image.SaveToFile(file);
  }

  // Any other page number leaves the last page taken, "Mechanizm", shown.
  TsButton* const tabs[] = {sButton1, sButton2, sButton3, sButton4};
  if (shownPage >= 1 && shownPage <= 4) tabs[shownPage - 1]->Click();
  ShellOpen(file);
}

}  // namespace app
