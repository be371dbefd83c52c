#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/Messages.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/Shell.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabels.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

TEST(SkinWebLabel, PressOpensTheAddressAndHoverSwapsTheFont) {
  std::vector<std::wstring> opened;
  SetShellOpenHandler([&](const std::wstring& target) {
    opened.push_back(target);
    return true;
  });
  std::unique_ptr<TsWebLabel> label(New<TsWebLabel>(nullptr));
  int clicks = 0;
  label->OnClick = [&](TObject*) { ++clicks; };
  const auto click = [&] {
    label->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    label->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  };
  click();
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(clicks, 1);
  label->SetURL(L"https://example.pl/");
  click();
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], L"https://example.pl/");
  SetShellOpenHandler(nullptr);

  label->Font()->SetColor(clBlack);
  label->HoverFont()->SetColor(RGB(255, 155, 55));
  label->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(label->Hovered());
  EXPECT_EQ(label->Font()->Color(), RGB(255, 155, 55));
  label->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(label->Hovered());
  EXPECT_EQ(label->Font()->Color(), clBlack);
}

TEST(SkinAlphaImageList, KeepsTheAlphaOfItsImagesOrMakesPlainOnesOpaque) {
  std::unique_ptr<TsAlphaImageList> list(New<TsAlphaImageList>(nullptr));
  list->SetSize(8, 8);
  TBitmap plain;
  plain.SetPixelFormat(pf24bit);
  plain.SetSize(4, 4);
  plain.Canvas()->Brush()->SetColor(clRed);
  plain.Canvas()->FillRect(TRect{0, 0, 4, 4});
  EXPECT_EQ(list->AddGraphic(plain), 0);
  TBitmap empty;
  EXPECT_EQ(list->AddGraphic(empty), -1);
  EXPECT_EQ(list->Count(), 1);
  // Drawn over white, the centred red square shows and its border stays white.
  TBitmap target;
  target.SetPixelFormat(pf32bit);
  target.SetSize(8, 8);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(TRect{0, 0, 8, 8});
  list->Draw(*target.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.Canvas()->Pixels(4, 4), clRed);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite);
  // Files come in through the picture class.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring file = std::wstring(temp) + L"tessarilo-alpha-list.bmp";
  plain.SaveToFile(file);
  EXPECT_EQ(list->AddFromFile(file), 1);
  DeleteFileW(file.c_str());
  EXPECT_EQ(list->Count(), 2);
}

TEST(SkinEdit, WithoutASkinTheEditsOwnFontColourIsPainted) {
  Application->Initialize();
  std::unique_ptr<TsEdit> edit(New<TsEdit>(nullptr));
  edit->Font()->SetColor(RGB(255, 155, 55));
  EXPECT_EQ(edit->TextColor(), RGB(255, 155, 55));
  // The colour reaches the system edit's paint through its parent's
  // colour message, custom font or not: no skin takes it over.
  std::unique_ptr<TForm> form(New<TForm>(nullptr));
  edit->SetParent(form.get());
  form->HandleNeeded();
  HDC dc = GetDC(edit->Handle());
  for (const bool custom : {true, false}) {
    edit->SkinData()->SetCustomFont(custom);
    SetTextColor(dc, 0);
    SendMessageW(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(edit->Handle()));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 155, 55)) << custom;
  }
  ReleaseDC(edit->Handle(), dc);
  edit->SetParent(nullptr);
}

TEST(SkinBitBtn, DisabledButtonShowsItsCaptionGreyed) {
  Application->Initialize();
  std::unique_ptr<TForm> form(New<TForm>(nullptr));
  form->SetBounds(100, 100, 300, 200);
  TsBitBtn* button = New<TsBitBtn>(form.get());
  button->SetParent(form.get());
  button->SetBounds(10, 10, 120, 40);
  button->SetCaption(L"MMMMMM");
  form->Show();
  auto count = [&](TColor color) {
    button->Repaint();
    HDC dc = GetDC(button->Handle());
    int n = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 120; ++x)
        if (GetPixel(dc, x, y) == static_cast<COLORREF>(ColorToRGB(color))) ++n;
    ReleaseDC(button->Handle(), dc);
    return n;
  };
  EXPECT_GT(count(clBtnText), 0);
  button->SetEnabled(false);
  EXPECT_GT(count(clGrayText), 0);
  EXPECT_EQ(count(clBtnText), 0);
  form->Hide();
}

}  // namespace skin_test
#endif
