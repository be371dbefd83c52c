// Pictures to look at, taken only when TESSARILO_PICTURES_DIR names a folder
// (run under Xvfb): the painting routines used directly on class-library
// windows of a form over the program's own skin. The form answers the
// background query with a patterned face; a panel, a transparent check box
// and a label, an edit whose border comes from the parent, disabled buttons
// (blended and greyed) and a caption with contour and glow are painted over
// it. A layered face is saved over a checkerboard. Skipped otherwise.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "classlib/controls/Application.h"
#include "classlib/controls/Button.h"
#include "classlib/controls/CheckBox.h"
#include "classlib/controls/Edit.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ParentBorders.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinDataText.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/LayeredWindows_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/SectionPaint32.h"
#include "skin/paint/Text32_Gdi.h"
#include "skin/paint/TextGlow_Gdi.h"
#include "tests/skin/paint/InternalSkinFixture.h"
#include "tests/skin/paint/PictureFiles.h"

namespace skin_test {

using namespace classlib;
using namespace skin;
using namespace skin::paint;

namespace {

using skin::paint::testing::PicturesDir;
using skin::paint::testing::SavePng;

constexpr int kWidth = 460, kHeight = 300;

// Diagonal stripes in two browns, opaque.
void Pattern(TBitmap* bmp) {
  const HDC dc = bmp->Canvas()->Handle();
  FillRectColor(dc, Rect(0, 0, kWidth, kHeight), 0x2A3A4A);
  for (int x = -kHeight; x < kWidth; x += 12)
    for (int y = 0; y < kHeight; ++y) FillRectColor(dc, Rect(x + y, y, x + y + 5, y + 1), 0x3C5468);
  GdiFlush();
  FillAlphaRect(bmp, Rect(0, 0, kWidth, kHeight), 255, false);
}

// A control's skin state on a class-library control, its cache painted
// over the form's face at the control's place.
struct Painted {
  Painted(TControl* control, const wchar_t* section) : data(control, true) {
    data.SetSkinSection(section);
    data.UpdateIndexes();
    data.InitCacheBmp();
  }
  TBitmap* Face(TBitmap* formFace, int state = 0) {
    TControl* c = data.OwnerControl();
    TBitmap* cache = data.CacheBmp();
    cache->SetWidth(c->Width());
    cache->SetHeight(c->Height());
    PaintSectionItem(data, MakeCacheInfo(formFace, c->Left(), c->Top()), true, state,
                     Rect(0, 0, c->Width(), c->Height()), Point(0, 0), cache, true);
    cache->Canvas()->Font()->Assign(c->Font());
    return cache;
  }
  void CopyTo(TBitmap* formFace) {
    TControl* c = data.OwnerControl();
    GdiFlush();
    BitBlt(formFace->Canvas()->Handle(), c->Left(), c->Top(), c->Width(), c->Height(),
           data.CacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  TsCommonData data;
};

class PaintedFormPictures : public skin::paint::testing::InternalSkinFixture {};

TEST_F(PaintedFormPictures, ControlsOverAPatternedFormAndALayeredFace) {
  const std::wstring dir = PicturesDir();
  if (dir.empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  Application->Initialize();
  manager_->SetIsDefault(true);

  std::unique_ptr<TBitmap> face(NewBitmap32(kWidth, kHeight));
  Pattern(face.get());
  std::unique_ptr<TForm> form(New<TForm>(Application));
  form->SetBounds(60, 60, kWidth, kHeight);
  form->SetBorderStyle(bsNone);
  form->HandleNeeded();
  // The form answers the background query with its face, as a skinned one would.
  const TWndMethod formProc = form->WindowProc();
  form->SetWindowProc([&formProc, &face](TMessage& m) {
    if (IsSkinCommand(m) && IsTrustedSkinCommand(m) && SkinCommandCode(m.WParam) == scGetBGInfo) {
      auto* bg = reinterpret_cast<TacBGInfo*>(m.LParam);
      bg->Kind = bgImage;
      bg->Bmp = face.get();
      bg->Offset = TPoint{0, 0};
      m.Result = 1;
      return;
    }
    formProc(m);
  });
  const auto add = [&form](auto* control, int left, int top, int width, int height, const wchar_t* caption) {
    control->SetBounds(left, top, width, height);
    control->SetParent(form.get());
    control->SetCaption(caption);
    control->Font()->SetName(L"Tahoma");
    control->Font()->SetHeight(-13);
    return control;
  };

  // Caption strip: the title section, then glow behind a contoured caption.
  const int title = manager_->GetSkinIndex(L"FORMTITLE");
  ASSERT_GE(title, 0);
  TsGeneralData& titleSection = manager_->Skin()->Sections[static_cast<std::size_t>(title)];
  titleSection.Props[0].TextColors = {0x101010, 0x101010, 0x101010, 0x101010};
  {
    std::unique_ptr<TBitmap> strip(NewBitmap32(kWidth, 32));
    PaintSectionItemByIndex(title, L"FORMTITLE", MakeCacheInfo(face.get(), 0, 0), true, 0, Rect(0, 0, kWidth, 32),
                            Point(0, 0), strip.get(), nullptr, TStateTextures{});
    strip->Canvas()->Font()->SetName(L"Tahoma");
    strip->Canvas()->Font()->SetHeight(-17);
    strip->Canvas()->Font()->SetStyle(TFontStyles{fsBold});
    TGlowMask glow;
    const TRect caption = Rect(12, 0, 300, 32);
    PaintTextGlow(strip.get(), glow, TTextGlowParams{L"Tessarilo – kolekcja", caption, DT_SINGLELINE | DT_VCENTER,
                                                     0x40C0FF, 4, 15});
    PaintText32(strip.get(), TText32Params{L"Tessarilo – kolekcja", caption, DT_SINGLELINE | DT_VCENTER, true, false,
                                           title, manager_.get()});
    GdiFlush();
    BitBlt(face->Canvas()->Handle(), 0, 0, kWidth, 32, strip->Canvas()->Handle(), 0, 0, SRCCOPY);
  }

  // An opaque panel with its caption.
  auto* panel = add(New<TPanel>(form.get()), 16, 46, 200, 90, L"Panel");
  Painted panelFace(panel, L"PANEL");
  PaintSkinDataText(panelFace.Face(face.get())->Canvas(), L"Panel z koperty", true, false, panelFace.data,
                    DT_SINGLELINE | DT_CENTER | DT_VCENTER, Rect(0, 0, 200, 90));
  panelFace.CopyTo(face.get());

  // A transparent check box and a label: the stripes show through.
  auto* check = add(New<TCheckBox>(form.get()), 236, 52, 200, 22, L"Z datownikiem");
  Painted checkFace(check, L"CHECKBOX");
  TBitmap* checkBmp = checkFace.Face(face.get());
  RECT box{0, (22 - CheckBoxHeight()) / 2, CheckBoxWidth(), (22 - CheckBoxHeight()) / 2 + CheckBoxHeight()};
  DrawFrameControl(checkBmp->Canvas()->Handle(), &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT);
  PaintSkinDataText(checkBmp->Canvas(), L"Z datownikiem", true, false, checkFace.data, DT_SINGLELINE | DT_VCENTER,
                    Rect(CheckBoxWidth() + 6, 0, 200, 22));
  GdiFlush();
  EXPECT_EQ(GetBmpPixel32(checkBmp, 195, 2), GetBmpPixel32(face.get(), 236 + 195, 52 + 2));  // the stripes show
  checkFace.CopyTo(face.get());
  auto* label = add(New<TLabel>(form.get()), 236, 84, 200, 20, L"Numer seryjny:");
  Painted labelFace(label, L"CHECKBOX");
  PaintSkinDataText(labelFace.Face(face.get())->Canvas(), L"Numer seryjny:", true, false, labelFace.data,
                    DT_SINGLELINE | DT_VCENTER, Rect(0, 0, 200, 20));
  labelFace.CopyTo(face.get());

  // An edit whose border comes from the parent, its text inside.
  auto* edit = add(New<TEdit>(form.get()), 236, 108, 200, 26, L"");
  edit->HandleNeeded();
  Painted editFace(edit, L"EDIT");
  TBitmap* editBmp = editFace.Face(face.get());
  TRect client{};
  PaintBorderFromParent(editBmp->Canvas()->Handle(), Rect(0, 0, 200, 26), 0, editFace.data, 0, client);
  PaintSkinDataText(editBmp->Canvas(), L"Omega Seamaster 1962", true, false, editFace.data,
                    DT_SINGLELINE | DT_VCENTER, Rect(client.Left + 3, client.Top, client.Right, client.Bottom));
  GdiFlush();
  EXPECT_EQ(GetBmpPixel32(editBmp, 0, 0), GetBmpPixel32(face.get(), 236, 108));  // a round corner shows the stripes
  editFace.CopyTo(face.get());

  // Buttons: enabled, disabled over the parent image, disabled greyed.
  const struct {
    const wchar_t* caption;
    std::uint8_t kind;
    int state;
  } buttons[] = {{L"Zapisz", 0, 0}, {L"Aktywny", 0, 1}, {L"Mieszany", dgBlended, 0}, {L"Szary", dgGrayed, 0}};
  for (int i = 0; i < 4; ++i) {
    auto* button = add(New<TButton>(form.get()), 16 + i * 108, 160, 100, 30, buttons[i].caption);
    Painted buttonFace(button, L"BUTTON");
    TBitmap* bmp = buttonFace.Face(face.get(), buttons[i].state);
    PaintSkinDataText(bmp->Canvas(), buttons[i].caption, buttons[i].kind == 0, buttons[i].state == 1,
                      buttonFace.data, DT_SINGLELINE | DT_CENTER | DT_VCENTER, Rect(0, 0, 100, 30));
    if (buttons[i].kind)
      ApplyDisabledKind(bmp, buttons[i].kind, GetControlColor(form.get()),
                        MakeCacheInfo(face.get(), button->Left(), button->Top()), Point(0, 0));
    buttonFace.CopyTo(face.get());
  }
  GdiFlush();
  SavePng(face.get(), dir + L"\\painted-form.png");

  // A layered face: the button section with real alpha, over a checkerboard.
  const int buttonIndex = manager_->GetSkinIndex(L"BUTTON");
  ASSERT_GE(buttonIndex, 0);
  constexpr int kFaceW = 160, kFaceH = 48, kScale = 2;
  std::unique_ptr<TBitmap> layered(NewBitmap32(kFaceW, kFaceH));
  const TPixelView lv = ViewOf(layered.get());
  for (int y = 0; y < kFaceH; ++y)
    for (int x = 0; x < kFaceW; ++x) lv.Pixel32(x, y) = 0;
  PaintSectionItem32(buttonIndex, 0, Rect(0, 0, kFaceW, kFaceH), lv, manager_->Skin());
  EXPECT_EQ(lv.Pixel32(0, 0) >> 24, 0u);  // a rounded corner lets the desktop through
  EXPECT_EQ(lv.Pixel32(kFaceW / 2, kFaceH / 2) >> 24, 255u);
  std::unique_ptr<TBitmap> board(NewBitmap32(kFaceW * kScale + 16, kFaceH * kScale + 16));
  const TPixelView bv = ViewOf(board.get());
  for (int y = 0; y < bv.Height; ++y)
    for (int x = 0; x < bv.Width; ++x) {
      const std::uint32_t check = ((x / 8 + y / 8) % 2) ? 0xFFC0C0C0u : 0xFFFFFFFFu;
      const int fx = (x - 8) / kScale, fy = (y - 8) / kScale;
      std::uint32_t out = check;
      if (x >= 8 && y >= 8 && fx < kFaceW && fy < kFaceH) {
        // Premultiplied source over the board.
        const std::uint32_t s = lv.Pixel32(fx, fy), a = s >> 24;
        out = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8)
          out |= (((s >> shift) & 0xFF) + (((check >> shift) & 0xFF) * (255 - a) + 127) / 255) << shift;
      }
      bv.Pixel32(x, y) = out;
    }
  SavePng(board.get(), dir + L"\\layered-face.png");
}

}  // namespace
}  // namespace skin_test
#endif
