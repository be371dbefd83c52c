#ifdef _WIN32
#include <gtest/gtest.h>

#include "classlib/controls/Button.h"
#include "classlib/controls/Edit.h"
#include "classlib/controls/Image.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"
#include "ControlsTestSupport.h"

namespace classlib_test {

using namespace classlib;

TEST(Layout, AlignedChildrenFillTheClientAreaInsideBevels) {
  FormPtr form = MakeShownForm();
  auto* panel = new TPanel(form.get());
  panel->SetBounds(0, 0, 200, 100);
  panel->SetBevelOuter(bvRaised);
  panel->SetBevelWidth(2);
  panel->SetParent(form.get());
  auto* top = new TPanel(form.get());
  top->SetHeight(20);
  top->SetAlign(alTop);
  top->SetParent(panel);
  auto* rest = new TPanel(form.get());
  rest->SetAlign(alClient);
  rest->SetParent(panel);
  EXPECT_EQ(top->BoundsRect(), Rect(2, 2, 198, 22));
  EXPECT_EQ(rest->BoundsRect(), Rect(2, 22, 198, 98));
  panel->SetWidth(300);
  EXPECT_EQ(rest->BoundsRect(), Rect(2, 22, 298, 98));
}

TEST(Layout, RightAnchoredChildFollowsParentWidth) {
  FormPtr form = MakeShownForm();
  auto* panel = new TPanel(form.get());
  panel->SetBounds(0, 0, 200, 100);
  panel->SetParent(form.get());
  auto* button = new TButton(form.get());
  button->SetBounds(150, 10, 40, 20);
  button->SetAnchors(TAnchors{akTop, akRight});
  button->SetParent(panel);
  panel->SetWidth(260);
  EXPECT_EQ(button->Left(), 210);
  EXPECT_EQ(button->Width(), 40);
}

TEST(Layout, ConstraintsLimitSize) {
  FormPtr form = MakeShownForm();
  form->Constraints()->SetMinWidth(250);
  form->SetWidth(100);
  EXPECT_EQ(form->Width(), 250);
  MINMAXINFO info{};
  SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 250);
}

TEST(AutoSize, LabelAndImageFollowTheirContent) {
  FormPtr form = MakeShownForm();
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  label->SetCaption(L"Kr");
  const int shortWidth = label->Width();
  label->SetCaption(L"Krótki opis zegarka");
  EXPECT_GT(label->Width(), shortWidth);
  auto* image = new TImage(form.get());
  image->SetAutoSize(true);
  image->SetParent(form.get());
  image->Picture()->Bitmap()->SetSize(40, 30);
  EXPECT_EQ(image->Width(), 40);
  EXPECT_EQ(image->Height(), 30);
}

TEST(Keys, KeyPreviewSeesKeysFirstAndEnterClicksDefaultButton) {
  FormPtr form = MakeShownForm();
  form->SetKeyPreview(true);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  auto* ok = new TButton(form.get());
  ok->SetParent(form.get());
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  std::wstring formSaw;
  form->OnKeyPress = [&](TObject*, wchar_t& key) {
    formSaw += key;
    if (key == L'x') key = 0;  // eaten
  };
  SendMessageW(edit->Handle(), WM_CHAR, L'a', 0);
  SendMessageW(edit->Handle(), WM_CHAR, L'x', 0);
  EXPECT_EQ(formSaw, L"ax");
  EXPECT_EQ(edit->Text(), L"a");

  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  EXPECT_NE(edit->Perform(CN_KEYDOWN, VK_RETURN, 0), 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->ModalResult(), mrOk);

  // Alt and the accelerator letter click the button; a plain letter typed
  // into the edit stays there.
  ok->SetCaption(L"&Zapisz");
  EXPECT_NE(edit->Perform(CN_SYSCHAR, L'z', 0), 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(edit->Perform(CN_CHAR, L'z', 0), 0);
  EXPECT_EQ(clicks, 2);
}

TEST(Forms, StylesFollowProperties) {
  FormPtr form = MakeShownForm();
  form->SetAlphaBlend(true);
  form->SetAlphaBlendValue(200);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  GetLayeredWindowAttributes(form->Handle(), nullptr, &alpha, &flags);
  EXPECT_EQ(alpha, 200);
  form->SetBorderStyle(bsToolWindow);  // makes the window again
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  form->SetFormStyle(fsStayOnTop);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace classlib_test
#endif
