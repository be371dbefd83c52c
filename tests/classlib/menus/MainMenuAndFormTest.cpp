#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/ComponentReader.h"
#include "classlib/core/ComponentWriter.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/menus/Dialogs.h"
#include "classlib/menus/ImageList.h"
#include "classlib/menus/Menus.h"

namespace classlib {
namespace {

// --- A menu bar on a window that hands its menu messages to the items.

int g_menuChanged = 0;

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMenuChangedMessage) ++g_menuChanged;
  LRESULT result = 0;
  if (DispatchMenuMessage(message, wParam, lParam, result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeBarWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BarWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"MenuBarTestWindow";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, windowClass.lpszClassName, L"Okno", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                         nullptr, windowClass.hInstance, nullptr);
}

TEST(MainMenu, BarFollowsItsItemsAndTellsTheWindow) {
  TComponent owner(nullptr);
  auto* menu = new TMainMenu(&owner);
  auto* file = new TMenuItem(&owner);
  file->SetCaption(L"Plik");
  menu->Items()->Add(file);
  auto* open = new TMenuItem(&owner);
  open->SetCaption(L"Otwórz");
  file->Add(open);

  const HWND window = MakeBarWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(SetMenu(window, menu->Handle()));
  menu->SetWindowHandle(window);
  g_menuChanged = 0;
  file->SetCaption(L"Karta");
  EXPECT_GE(g_menuChanged, 1);
  wchar_t text[32] = {};
  GetMenuStringW(GetMenu(window), 0, text, 32, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Karta");
  EXPECT_TRUE(file->IsTopLineItem());
  EXPECT_FALSE(open->IsTopLineItem());

  // A click on a bar item arrives at the form, which hands it on.
  bool clicked = false;
  open->SetOnClick([&](TObject*) { clicked = true; });
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(open->Command(), 0), 0);
  EXPECT_TRUE(clicked);

  // Owner-drawn top-line items are measured through the window.
  std::vector<TObject*> measured;
  file->SetOnMeasureItem([&](TObject* sender, TCanvas*, int&, int& height) {
    measured.push_back(sender);
    height = GetSystemMetrics(SM_CYMENU) - 1;
  });
  menu->SetOwnerDraw(true);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  RECT rect{};
  GetMenuItemRect(window, GetMenu(window), 0, &rect);
  EXPECT_FALSE(measured.empty());

  SetMenu(window, nullptr);
  DestroyWindow(window);
  delete menu;
}

// --- Menus, an image list and the open dialog in a form description.

class TMenuTestForm : public TComponent {
 public:
  explicit TMenuTestForm(TComponent* owner) : TComponent(owner) {
    RegisterMethod(L"Wklej2Click", &TMenuTestForm::Wklej2Click);
    RegisterMethod(L"PopupMenu1Popup", &TMenuTestForm::PopupMenu1Popup);
    RegisterField(L"PopupMenu1", PopupMenu1);
    RegisterField(L"Wklej2", Wklej2);
  }
  void Wklej2Click(TObject* sender) { clicks.push_back(sender); }
  void PopupMenu1Popup(TObject* sender) { clicks.push_back(sender); }

  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* Wklej2 = nullptr;
  std::vector<TObject*> clicks;
};

std::wstring SampleForm() {
  return L"object Form1: TMenuTestForm\r\n"
         L"  object ImageList1: TImageList\r\n"
         L"    Height = 20\r\n"
         L"    Width = 20\r\n"
         L"  end\r\n"
         L"  object PopupMenu1: TPopupMenu\r\n"
         L"    Images = ImageList1\r\n"
         L"    MenuAnimation = [maNone]\r\n"
         L"    OnPopup = PopupMenu1Popup\r\n"
         L"    object Wklej2: TMenuItem\r\n"
         L"      Caption = 'Wklej'\r\n"
         L"      ImageIndex = 3\r\n"
         L"      ShortCut = 16470\r\n"
         L"      OnClick = Wklej2Click\r\n"
         L"    end\r\n"
         L"    object N2: TMenuItem\r\n"
         L"      Caption = '-'\r\n"
         L"    end\r\n"
         L"    object Nieparzyste1: TMenuItem\r\n"
         L"      Caption = 'Nieparzyste'\r\n"
         L"      object N191: TMenuItem\r\n"
         L"        Break = mbBreak\r\n"
         L"        Caption = '19'\r\n"
         L"        GroupIndex = 1\r\n"
         L"        RadioItem = True\r\n"
         L"      end\r\n"
         L"    end\r\n"
         L"  end\r\n"
         L"  object OpenDialog1: TOpenDialog\r\n"
         L"    Filter = 'Dokumenty PDF (*.pdf)|*.pdf'\r\n"
         L"  end\r\n"
         L"end\r\n";
}

TEST(MenuFormDescription, ReadsItemsIntoTheirMenusAndWritesThemBack) {
  RegisterMenusClasses();
  Properties<TMenuTestForm, TComponent>();
  auto form = std::make_unique<TMenuTestForm>(nullptr);
  ReadComponentFromText(form.get(), SampleForm());

  ASSERT_NE(form->PopupMenu1, nullptr);
  TMenuItem* root = form->PopupMenu1->Items();
  ASSERT_EQ(root->Count(), 3);
  EXPECT_EQ(root->Items(0), form->Wklej2);
  EXPECT_EQ(form->Wklej2->ShortCut(), TextToShortCut(L"Ctrl+V"));
  EXPECT_TRUE(root->Items(1)->IsLine());
  ASSERT_EQ(root->Items(2)->Count(), 1);
  EXPECT_EQ(root->Items(2)->Items(0)->Break(), mbBreak);
  EXPECT_EQ(form->Wklej2->GetImageList()->Height(), 20);
  EXPECT_TRUE(form->PopupMenu1->MenuAnimation().Contains(maNone));

  form->Wklej2->Click();
  ASSERT_EQ(form->clicks.size(), 1u);
  EXPECT_EQ(form->clicks[0], form->Wklej2);

  EXPECT_EQ(WriteComponentToText(form.get()), SampleForm());
}

TEST(MenuFormDescription, FreeingTheImageListClearsTheMenuReference) {
  TComponent owner(nullptr);
  auto* images = new TImageList(&owner);
  auto* menu = new TPopupMenu(&owner);
  menu->SetImages(images);
  auto* item = new TMenuItem(&owner);
  menu->Items()->Add(item);
  EXPECT_EQ(item->GetImageList(), images);
  delete images;
  EXPECT_EQ(menu->Images(), nullptr);
  EXPECT_EQ(item->GetImageList(), nullptr);
}

}  // namespace
}  // namespace classlib
#endif
