#ifdef _WIN32
// The card picture in the main window: choosing a file, cover-fit, crop mode,
// the picture's menu, and its file in the card.
#include <string>

#include "AppTestFolder.h"
#include "bitmap/Bmp32_Gdi.h"

namespace app_test {

using namespace classlib;
using app::TForm1;

class CardPictureTest : public AppTestFolder {
 protected:

  // A width x height BMP in the program folder, filled with one colour.
  std::wstring WriteBmp(int width, int height, bmp32::TColor32 colour = 0xFF3080C0) {
    bmp32::TBitmap32 bitmap;
    bitmap.SetSize(width, height);
    bitmap.Clear(colour);
    const fs::path file = root_ / (std::to_wstring(width) + L"x" + std::to_wstring(height) + L".bmp");
    bitmap.SaveToFile(file.wstring());
    return file.wstring();
  }
  // Runs the picture box's click with the user choosing `file` ("" cancels).
  void Choose(TForm1& form, const std::wstring& file) {
    chosen_ = file;
    form.Image1Click(form.Image1);
  }
  // Opens a saved card with a 600 x 400 picture in crop mode, picked.
  TForm1& CardWithWidePicture() {
    MakeCard(L"Karta");
    TForm1& form = Form();
    Pick(L"Karta");
    Choose(form, WriteBmp(600, 400));
    return form;
  }
  static void Drag(TForm1& form, int fromX, int toX, int fromY = 10, int toY = 10) {
    form.Image1MouseDown(form.Image1, mbLeft, {}, fromX, fromY);
    form.Image1MouseMove(form.Image1, {}, toX, toY);
  }
  // Whether the picture's menu was shown by a right click, and which items
  // it showed; the menu closes itself.
  struct MenuSeen {
    bool shown = false, handled = false, cropItem = false, separator = false;
  };
  MenuSeen RightClick(TForm1& form) {
    MenuSeen seen;
    const TNotifyEvent own = form.PopupMenu1->OnPopup();
    form.PopupMenu1->SetOnPopup([&](TObject* sender) {
      own(sender);
      seen.shown = true;
      seen.cropItem = form.Kadruj1->Visible();
      seen.separator = form.N1->Visible();
      SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        EndMenu();
      });
    });
    form.Image1ContextPopup(form.Image1, TPoint{5, 5}, seen.handled);
    form.PopupMenu1->SetOnPopup(own);
    return seen;
  }
  // The quantisation tables of a baseline JPEG: every entry 1 means
  // quality 100.
  static bool AllQuantisersOne(const std::string& jpeg) {
    bool seen = false;
    for (size_t at = 2; at + 4 <= jpeg.size();) {
      if (static_cast<unsigned char>(jpeg[at]) != 0xFF) return false;
      const unsigned char marker = jpeg[at + 1];
      const size_t length = (static_cast<unsigned char>(jpeg[at + 2]) << 8) | static_cast<unsigned char>(jpeg[at + 3]);
      if (marker == 0xDA) break;
      if (marker == 0xDB) {
        for (size_t table = at + 4; table < at + 2 + length; table += 65) {
          if ((jpeg[table] & 0xF0) != 0) return false;  // 16-bit tables are not baseline
          for (int i = 1; i <= 64; ++i)
            if (jpeg[table + i] != 1) return false;
          seen = true;
        }
      }
      at += 2 + length;
    }
    return seen;
  }

};

TEST_F(CardPictureTest, WidePictureCoversTheBoxCentredAndStartsCropMode) {
  TForm1& form = CardWithWidePicture();
  EXPECT_EQ(dialogs_, 1);
  EXPECT_EQ(startName_, L"");
  EXPECT_EQ(form.OpenDialog1->Filter(),
            L"Pliki graficzne (*.bmp, *.png, *. jpg, *.jpeg)|*.bmp; *.png; *.jpg; *.jpeg");
  EXPECT_EQ(form.Image1->Width(), 447);
  EXPECT_EQ(form.Image1->Height(), 298);
  EXPECT_EQ(form.Image1->Left(), -74);
  EXPECT_EQ(form.Image1->Top(), 0);
  EXPECT_EQ(form.Image1->Tag(), 2);
  EXPECT_TRUE(form.sBitBtn12->Visible());
  EXPECT_EQ(form.sBitBtn12->Tag(), 1);
  EXPECT_EQ(form.Image1->Cursor(), crSizeWE);
  // A flat colour survives the box kernel exactly.
  EXPECT_EQ(form.Image1->Picture()->Bitmap()->Canvas()->Pixels(200, 100), TColor(RGB(0x30, 0x80, 0xC0)));

  // In crop mode a click chooses no new picture and the menu stays away.
  Choose(form, WriteBmp(298, 298));
  EXPECT_EQ(dialogs_, 1);
  EXPECT_FALSE(RightClick(form).shown);
}

TEST_F(CardPictureTest, DraggingStopsFiveMissingPixelsShortOfTheEndAndAtZero) {
  TForm1& form = CardWithWidePicture();
  Drag(form, 100, -1000);
  EXPECT_EQ(form.Image1->Left(), -144);
  EXPECT_EQ(form.Image1->Top(), 0);
  form.Image1MouseMove(form.Image1, {}, 5000, 10);
  EXPECT_EQ(form.Image1->Left(), 0);
  form.Image1MouseMove(form.Image1, {}, 80, 10);
  EXPECT_EQ(form.Image1->Left(), -20);
  form.Image1MouseUp(form.Image1, mbLeft, {}, 80, 10);
  EXPECT_EQ(form.sPanel22->Tag(), 0);
  form.Image1MouseMove(form.Image1, {}, 0, 10);
  EXPECT_EQ(form.Image1->Left(), -20);
  // The right button does not drag.
  form.Image1MouseDown(form.Image1, mbRight, {}, 100, 10);
  form.Image1MouseMove(form.Image1, {}, 0, 10);
  EXPECT_EQ(form.Image1->Left(), -20);

  // "Ok" ends crop mode: the picture no longer moves.
  form.sBitBtn12->Click();
  EXPECT_FALSE(form.sBitBtn12->Visible());
  EXPECT_EQ(form.sBitBtn12->Tag(), 0);
  EXPECT_EQ(form.Image1->Cursor(), crDefault);
  Drag(form, 100, 0);
  EXPECT_EQ(form.Image1->Left(), -20);
}

TEST_F(CardPictureTest, FitsEachShapeToTheBox) {
  struct Case {
    int width, height;
    int fittedWidth, fittedHeight, left, top;
    bool cropMode;
    TCursor cursor;
  };
  const Case cases[] = {
      {298, 298, 298, 298, 0, 0, false, crDefault},
      {1000, 1000, 298, 298, 0, 0, false, crDefault},
      {400, 600, 298, 447, 0, -74, true, crSizeNS},
      {300, 299, 299, 298, 0, 0, true, crSizeWE},
      {100, 50, 596, 298, -149, 0, true, crSizeWE},
  };
  MakeCard(L"Karta");
  TForm1& form = Form();
  Pick(L"Karta");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    Choose(form, WriteBmp(c.width, c.height));
    EXPECT_EQ(form.Image1->Width(), c.fittedWidth);
    EXPECT_EQ(form.Image1->Height(), c.fittedHeight);
    EXPECT_EQ(form.Image1->Left(), c.left);
    EXPECT_EQ(form.Image1->Top(), c.top);
    EXPECT_EQ(form.sBitBtn12->Tag() == 1, c.cropMode);
    EXPECT_EQ(form.Image1->Cursor(), c.cursor);
    if (c.cropMode) form.sBitBtn12->Click();
  }
  // A tall picture slides up and down, within 298 - 447 + 5 .. 0.
  Choose(form, WriteBmp(400, 600));
  Drag(form, 10, 10, 100, -1000);
  EXPECT_EQ(form.Image1->Top(), -144);
  EXPECT_EQ(form.Image1->Left(), 0);
  // 300 x 299 overhangs by one pixel: it cannot move from 0.
  form.sBitBtn12->Click();
  Choose(form, WriteBmp(300, 299));
  Drag(form, 100, -1000);
  EXPECT_EQ(form.Image1->Left(), 0);
}

TEST_F(CardPictureTest, SavedPictureComesBackAtItsStoredPlace) {
  TForm1& form = CardWithWidePicture();
  Drag(form, 100, 40);
  ASSERT_EQ(form.Image1->Left(), -134);
  form.sBitBtn12->Click();
  form.SaveCard();
  EXPECT_EQ(form.Image1->Tag(), 1);
  const std::string jpeg = ReadBytes(Card(L"Karta") / L"Obraz.jpg");
  ASSERT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
  EXPECT_TRUE(AllQuantisersOne(jpeg));
  const std::string data = ReadBytes(Card(L"Karta") / L"Dane.ini");
  EXPECT_NE(data.find("KadrujLewo=-134\r\nKadrujGora=0\r\n"), std::string::npos);

  TForm1& again = Form();
  Pick(L"Karta");
  EXPECT_EQ(again.Image1->Tag(), 1);
  EXPECT_EQ(again.Image1->Width(), 447);
  EXPECT_EQ(again.Image1->Height(), 298);
  EXPECT_EQ(again.Image1->Left(), -134);
  EXPECT_EQ(again.Image1->Top(), 0);
  // Quality 100 keeps a flat colour within a step or two.
  const TColor pixel = again.Image1->Picture()->Bitmap()->Canvas()->Pixels(300, 150);
  EXPECT_NEAR(GetRValue(pixel), 0x30, 2);
  EXPECT_NEAR(GetGValue(pixel), 0x80, 2);
  EXPECT_NEAR(GetBValue(pixel), 0xC0, 2);
}

TEST_F(CardPictureTest, StoredOffsetsOutsideTheDragRangeAreClamped) {
  TForm1& form = CardWithWidePicture();
  form.sBitBtn12->Click();
  form.SaveCard();
  struct Case {
    const char* left;
    const char* top;
    int expectedLeft, expectedTop;
  };
  const Case cases[] = {{"-5000", "-30", -144, 0}, {"75", "3", 0, 0}, {"-74", "0", -74, 0}, {"-144", "0", -144, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.left);
    std::ofstream(Card(L"Karta") / L"Dane.ini", std::ios::binary)
        << "[Karta]\r\nKadrujLewo=" << c.left << "\r\nKadrujGora=" << c.top << "\r\n";
    Pick(L"Karta");
    EXPECT_EQ(form.Image1->Left(), c.expectedLeft);
    EXPECT_EQ(form.Image1->Top(), c.expectedTop);
  }
  // A picture that cannot be read keeps its stored place through a save.
  std::ofstream(Card(L"Karta") / L"Obraz.jpg", std::ios::binary) << "uszkodzony";
  std::ofstream(Card(L"Karta") / L"Dane.ini", std::ios::binary) << "[Karta]\r\nKadrujLewo=-100\r\n";
  Pick(L"Karta");
  form.SaveCard();
  EXPECT_NE(ReadBytes(Card(L"Karta") / L"Dane.ini").find("KadrujLewo=-100\r\n"), std::string::npos);
}

TEST_F(CardPictureTest, MenuOnlyForAPictureOutsideCropModeAndClearRemovesTheFileAtSave) {
  MakeCard(L"Karta");
  TForm1& form = Form();
  Pick(L"Karta");
  EXPECT_FALSE(RightClick(form).shown);  // empty box

  Choose(form, WriteBmp(600, 400));
  form.sBitBtn12->Click();
  MenuSeen wide = RightClick(form);
  EXPECT_TRUE(wide.shown);
  EXPECT_TRUE(wide.handled);
  EXPECT_TRUE(wide.cropItem);
  EXPECT_TRUE(wide.separator);
  EXPECT_EQ(form.Kadruj1->Caption(), L"Kadruj");
  EXPECT_EQ(form.Wyczy1->Caption(), L"Wyczyść");
  form.Kadruj1->Click();
  EXPECT_EQ(form.sBitBtn12->Tag(), 1);
  EXPECT_EQ(form.Image1->Cursor(), crSizeWE);
  form.sBitBtn12->Click();

  Choose(form, WriteBmp(298, 298));
  MenuSeen square = RightClick(form);
  EXPECT_TRUE(square.shown);
  EXPECT_FALSE(square.cropItem);
  EXPECT_FALSE(square.separator);

  form.SaveCard();
  ASSERT_TRUE(fs::exists(Card(L"Karta") / L"Obraz.jpg"));
  form.Wyczy1->Click();
  EXPECT_EQ(form.Image1->Tag(), 0);
  EXPECT_EQ(form.Image1->Picture()->Graphic(), nullptr);
  EXPECT_TRUE(fs::exists(Card(L"Karta") / L"Obraz.jpg"));  // until the save
  form.SaveCard();
  EXPECT_FALSE(fs::exists(Card(L"Karta") / L"Obraz.jpg"));
}

TEST_F(CardPictureTest, RefusedOrCancelledChoiceKeepsThePicture) {
  TForm1& form = CardWithWidePicture();
  form.Image1MouseDown(form.Image1, mbLeft, {}, 100, 10);
  form.Image1MouseMove(form.Image1, {}, 90, 10);
  form.Image1MouseUp(form.Image1, mbLeft, {}, 90, 10);
  form.sBitBtn12->Click();
  form.SaveCard();
  ASSERT_EQ(form.Image1->Left(), -84);

  Choose(form, WriteBmp(3000, 1));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_NE(boxes_[0].Text.find(L"Tego obrazu nie można użyć"), std::wstring::npos);
  EXPECT_EQ(boxes_[0].Owner, form.Handle());
  Choose(form, L"");
  EXPECT_EQ(dialogs_, 3);
  EXPECT_THROW(Choose(form, (root_ / L"brak.png").wstring()), Exception);  // the loader's own error
  EXPECT_EQ(form.Image1->Width(), 447);
  EXPECT_EQ(form.Image1->Left(), -84);
  EXPECT_EQ(form.Image1->Tag(), 1);
  EXPECT_EQ(form.sBitBtn12->Tag(), 0);
}

}  // namespace app_test
#endif
