// The skinned dialog's frame beyond its title buttons: the caption item and
// glow, resizing, the flat scroll bars, the skin commands it answers, class-
// library panels and MDI children taken by the hook, and a release of the
// minimize button away from it.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"
#include "skin/adapters/ButtonWnd.h"
#include "skin/adapters/FlatScrollBars.h"
#include "skin/adapters/SmallWnd.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "tests/skin/adapters/DialogFixture.h"
#include "tests/skin/paint/PictureFiles.h"

// A panel of the class library that paints itself quietly; its window class
// takes the class's name.
class TSilentPaintPanel : public classlib::TPanel {
 public:
  using classlib::TPanel::TPanel;
};

namespace skin_test {

using namespace skin::adapters;
using skin::SendSkinCommandToWnd;

namespace {

struct TBandPixels {
  int caption = 0;  // the "CAPTION" item's colour
  int glow = 0;     // green well above red and blue: the glow
  int text = 0;     // dark: the caption text
};

TBandPixels CountBand(TacDialogWnd* adapter) {
  TBandPixels n;
  HDC dc = adapter->SkinData->CacheBmp()->Canvas()->Handle();
  const int band = adapter->CaptionHeight(true) + 3;
  const COLORREF caption = Marker(MarkerSection("CAPTION").colour);
  for (int y = 0; y < band; ++y)
    for (int x = 0; x < adapter->SkinData->CacheBmp()->Width(); ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
      if (c == caption) ++n.caption;
      if (g > r + 40 && g > b + 40) ++n.glow;
      if (r < 0x60 && g < 0x60 && b < 0x60) ++n.text;
    }
  return n;
}

void SaveCache(TacDialogWnd* adapter, const char* name) {
  const char* dir = PicturesDir();
  if (!dir) return;
  classlib::TBitmap* cache = adapter->SkinData->CacheBmp();
  std::unique_ptr<classlib::TBitmap> copy(skin::paint::NewBitmap32(cache->Width(), cache->Height()));
  BitBlt(copy->Canvas()->Handle(), 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  copy->SetPixelFormat(classlib::pf24bit);
  skin::paint::testing::SavePng(copy.get(), (std::filesystem::path(dir) / name).wstring());
}

// Counts the parent-changed commands a plain child of the dialog receives.
int parentChanged = 0;
LRESULT CALLBACK CountingChild(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == skin::SkinCommandMessage && skin::SkinCommandCode(wp) == skin::scParentChanged) ++parentChanged;
  return DefWindowProcW(w, msg, wp, lp);
}

}  // namespace

class DialogFrameTest : public DialogFixture {
 protected:
  void TearDown() override {
    for (HWND w : dialogs_)
      if (IsWindow(w)) DestroyWindow(w);
    DestroySomeWindow();
    DialogFixture::TearDown();
  }
  // A visible skinned dialog with its frame painted.
  TacDialogWnd* Shown(DWORD style, DWORD exStyle = WS_EX_DLGMODALFRAME) {
    HWND wnd = RawDialog(style | WS_VISIBLE, 300, 200, exStyle);
    dialogs_.push_back(wnd);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    return DialogAdapter(wnd);
  }
  std::vector<HWND> dialogs_;
};

TEST_F(DialogFrameTest, CaptionItemLiesBehindTheTextWhichGlowsOnlyWhileActive) {
  TacDialogWnd* adapter = Shown(WS_SYSMENU | DS_MODALFRAME);
  ASSERT_NE(adapter, nullptr);
  ASSERT_EQ(adapter->BorderKind, 0);
  ASSERT_EQ(adapter->TitleSection, L"DIALOGTITLE");
  const int captionIndex = adapter->CaptionIndex;
  ASSERT_GE(captionIndex, 0);
  struct Row {
    bool active, captionItem, captionSeen, glowSeen;
  } rows[] = {
      {true, true, true, true},
      {false, true, true, false},  // the inactive title has no glow size
      {true, false, false, true},  // a skin without "CAPTION": the text alone
  };
  for (const Row& row : rows) {
    adapter->Active = row.active;
    adapter->CaptionIndex = row.captionItem ? captionIndex : -1;
    adapter->SkinData->BGChanged = true;
    adapter->PaintNonClientArea();
    const TBandPixels n = CountBand(adapter);
    EXPECT_EQ(n.caption > 0, row.captionSeen) << row.active << row.captionItem;
    EXPECT_EQ(n.glow > 0, row.glowSeen) << row.active << row.captionItem;
    EXPECT_GT(n.text, 0) << row.active << row.captionItem;
  }
  adapter->Active = true;
  adapter->CaptionIndex = captionIndex;
  adapter->SkinData->BGChanged = true;
  adapter->PaintNonClientArea();
  SaveCache(adapter, "dialog-cache-caption.png");
}

TEST_F(DialogFrameTest, ResizingRepaintsTheFrameAndTellsChildrenWhenTheBackgroundVaries) {
  TacDialogWnd* adapter = Shown(WS_SYSMENU | WS_THICKFRAME, 0);
  ASSERT_NE(adapter, nullptr);
  HWND wnd = adapter->CtrlHandle;
  RegisterTestClass(L"TessariloParentChanged", CountingChild);
  CreateWindowExW(0, L"TessariloParentChanged", L"", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, wnd, nullptr, nullptr,
                  nullptr);
  struct Row {
    int dx, dy;
    std::uint16_t variation;
    int told;
  } rows[] = {
      {-20, 0, skin::BGVariesVertically, 0},
      {0, -20, skin::BGVariesVertically, 1},
      {30, 0, skin::BGVariesHorizontally, 1},
      {0, 30, skin::BGVariesHorizontally, 0},
      {-10, -10, 0, 0},
      {10, 10, skin::BGVariesVertically | skin::BGVariesHorizontally, 1},
  };
  for (const Row& row : rows) {
    RECT before;
    GetWindowRect(wnd, &before);
    adapter->SkinData->BGVariation = row.variation;
    parentChanged = 0;
    SetWindowPos(wnd, nullptr, 0, 0, before.right - before.left + row.dx, before.bottom - before.top + row.dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT wr, client;
    GetWindowRect(wnd, &wr);
    GetClientRect(wnd, &client);
    EXPECT_EQ(parentChanged, row.told) << row.dx << "," << row.dy;
    EXPECT_EQ(adapter->SkinData->CacheBmp()->Width(), wr.right - wr.left);
    EXPECT_EQ(adapter->SkinData->CacheBmp()->Height(), wr.bottom - wr.top);
    EXPECT_EQ(adapter->StoredClient.right, client.right);
    EXPECT_EQ(adapter->StoredClient.bottom, client.bottom);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(wnd, rgn), ERROR);
    RECT box;
    GetRgnBox(rgn, &box);
    // The marker border's one transparent pixel, its top-left, is cut away.
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    EXPECT_TRUE(PtInRegion(rgn, 1, 0));
    DeleteObject(rgn);
    EXPECT_EQ(box.right, wr.right - wr.left) << "the region follows the new size";
    EXPECT_EQ(box.bottom, wr.bottom - wr.top);
  }
}

TEST_F(DialogFrameTest, SkinnedDialogTurnsFlatScrollBarsOffAndAnUnskinnedOneBackOn) {
  std::vector<HWND> off, on;
  const TFlatScrollBarEntries saved = FlatScrollBarEntries();
  FlatScrollBarEntries() = {[&](HWND w) { on.push_back(w); }, [&](HWND w) { off.push_back(w); }};
  HWND wnd = RawDialog(WS_SYSMENU);
  dialogs_.push_back(wnd);
  EXPECT_EQ(off, std::vector<HWND>{wnd});
  EXPECT_TRUE(on.empty());
  // A binder of its own for another dialog, outside the hook's list, which
  // the manager empties when it goes inactive.
  // Owned, so the hook leaves it alone.
  std::unique_ptr<TacProvider> binder(classlib::New<TacProvider>(nullptr));
  binder->Handle = CreateWindowExW(0, MAKEINTATOM(32770), L"Okno", WS_POPUP | WS_CAPTION, 0, 0, 200, 100, host_,
                                   nullptr, nullptr, nullptr);
  dialogs_.push_back(binder->Handle);
  ASSERT_EQ(GetAdapter(binder->Handle), nullptr);
  off.clear();
  binder->CreateDialogAdapter();
  EXPECT_NE(binder->DialogWnd, nullptr);
  EXPECT_EQ(off, std::vector<HWND>{binder->Handle});
  manager_->SetActive(false);
  binder->CreateDialogAdapter();
  EXPECT_EQ(binder->DialogWnd, nullptr);
  EXPECT_EQ(on, std::vector<HWND>{binder->Handle});
  FlatScrollBarEntries() = saved;
}

TEST_F(DialogFrameTest, SkinCommandsAnswerFromTheDialogsSection) {
  TacDialogWnd* adapter = Shown(WS_SYSMENU);
  ASSERT_NE(adapter, nullptr);
  HWND wnd = adapter->CtrlHandle;
  // The marker skin's dialog section is flat: its background never varies.
  EXPECT_EQ(SendSkinCommandToWnd(wnd, skin::scBGVaries, 0), 0);
  EXPECT_EQ(static_cast<COLORREF>(SendSkinCommandToWnd(wnd, skin::scGetBGColor, 0)),
            Marker(MarkerSection("DIALOG").colour));
  adapter->SkinData->BGChanged = false;
  SendMessageW(wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scSetUpdating, 1), 0);
  EXPECT_TRUE(adapter->SkinData->Updating());
  EXPECT_TRUE(adapter->SkinData->BGChanged);
  EXPECT_EQ(SendSkinCommandToWnd(wnd, skin::scIsLocked, 0), 1);
  SendMessageW(wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scSetUpdating, 0), 0);
  EXPECT_FALSE(adapter->SkinData->Updating());
}

TEST_F(DialogFrameTest, ControlsShownLateGetTheirAdaptersWhenTheDialogSaysSo) {
  TacDialogWnd* adapter = Shown(WS_SYSMENU);
  ASSERT_NE(adapter, nullptr);
  HWND wnd = adapter->CtrlHandle;
  HWND late = CreateWindowExW(0, L"BUTTON", L"Dalej", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, wnd,
                              nullptr, nullptr, nullptr);
  EXPECT_EQ(GetAdapter(late), nullptr);
  SendMessageW(wnd, kControlsShownMessage, 0, 0);
  EXPECT_NE(dynamic_cast<TacBtnWnd*>(GetAdapter(late)), nullptr);
}

TEST_F(DialogFrameTest, MinimizeButtonReleasedAwayFromItMinimizesNothing) {
  // A modal frame: the marker skin has the small title buttons.
  TacDialogWnd* adapter = Shown(WS_SYSMENU | DS_MODALFRAME | WS_MINIMIZEBOX);
  ASSERT_NE(adapter, nullptr);
  HWND wnd = adapter->CtrlHandle;
  const RECT min = adapter->Buttons[0].Rect;
  ASSERT_GT(min.right, min.left);
  RECT wr;
  GetWindowRect(wnd, &wr);
  const POINT over{wr.left + (min.left + min.right) / 2, wr.top + (min.top + min.bottom) / 2};
  struct Row {
    POINT releasedAt;
    bool minimized;
  } rows[] = {{POINT{over.x - 60, over.y + 80}, false}, {over, true}};
  for (const Row& row : rows) {
    ScrollPlatform().CursorPos = [p = row.releasedAt] { return p; };
    SendMessageW(wnd, WM_NCLBUTTONDOWN, kHitMin, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(adapter->Buttons[0].State, 2);
    SendMessageW(wnd, WM_NCLBUTTONUP, kHitMin, MAKELPARAM(row.releasedAt.x, row.releasedAt.y));
    EXPECT_EQ(IsIconic(wnd) != FALSE, row.minimized);
    EXPECT_EQ(adapter->HotButton, 0);
  }
}

TEST_F(DialogFrameTest, ClassLibraryPanelsInADialogAreDressedInTheSkin) {
  HWND wnd = RawDialog(WS_SYSMENU);
  dialogs_.push_back(wnd);
  TacDialogWnd* adapter = DialogAdapter(wnd);
  ASSERT_NE(adapter, nullptr);
  auto* panel = new classlib::TPanel(nullptr);
  panel->SetParentWindow(wnd);
  panel->SetBounds(10, 10, 150, 80);
  panel->SetColor(classlib::clRed);
  auto* label = new classlib::TLabel(panel);
  label->SetParent(panel);
  label->SetCaption(L"Numer");
  auto* inner = new classlib::TPanel(panel);
  inner->SetParent(panel);
  auto* silent = new TSilentPaintPanel(nullptr);
  silent->SetParentWindow(wnd);
  silent->SetBounds(10, 100, 150, 40);
  silent->SetCaption(L"Napis");
  panel->HandleNeeded();
  inner->HandleNeeded();
  silent->HandleNeeded();
  ASSERT_TRUE(AdaptDialogChildren(adapter->Provider, wnd));

  auto* panelAdapter = dynamic_cast<TacPanelWnd*>(GetAdapter(panel->Handle()));
  ASSERT_NE(panelAdapter, nullptr);
  EXPECT_EQ(panelAdapter->SkinData->OwnerControl(), panel);
  EXPECT_EQ(panelAdapter->Panel, panel);
  EXPECT_EQ(panelAdapter->SkinData->SkinSection(), L"CHECKBOX");
  EXPECT_EQ(panel->Color(), manager_->GetGlobalColor());
  EXPECT_TRUE(label->Transparent());
  EXPECT_EQ(label->Font()->Color(), manager_->GetGlobalFontColor());
  EXPECT_NE(dynamic_cast<TacPanelWnd*>(GetAdapter(inner->Handle())), nullptr);

  auto* silentAdapter = dynamic_cast<TacPanelWnd*>(GetAdapter(silent->Handle()));
  ASSERT_NE(silentAdapter, nullptr);
  EXPECT_EQ(silentAdapter->SkinData->SkinSection(), L"GROUPBOX");
  EXPECT_EQ(silent->Caption(), L"");
  EXPECT_TRUE(silentAdapter->SkinData->BGChanged);

  // The panels go first; their adapters go with the dialog's binder.
  delete panel;
  delete silent;
  DestroyWindow(wnd);
  DestroySomeWindow();
  EXPECT_EQ(LiveProviders(), 0);
}

TEST_F(DialogFrameTest, ChildrenOfAnMDIFormAreSkinnedWithIt) {
  using classlib::TForm;
  ASSERT_EQ(classlib::Application->MainForm(), nullptr);
  TForm* main = nullptr;
  classlib::Application->CreateForm(main);
  std::unique_ptr<TForm> owned(main);
  main->SetFormStyle(classlib::fsMDIForm);
  main->RecreateWnd();
  main->HandleNeeded();
  auto child = [](const wchar_t* caption) {
    auto* form = classlib::New<TForm>(classlib::Application);
    form->SetFormStyle(classlib::fsMDIChild);
    form->SetCaption(caption);
    form->Show();
    return form;
  };
  TForm* first = child(L"Pierwsza");
  TForm* skinned = child(L"Druga");
  classlib::New<skin::TsSkinProvider>(skinned);  // skinned already: no second provider
  EXPECT_TRUE(AttachProvider(main->Handle()));
  auto binderOf = [](TForm* form) -> TacProvider* {
    for (TacProvider* p : acProviders())
      if (p && p->Owner() == form) return p;
    return nullptr;
  };
  ASSERT_NE(binderOf(main), nullptr);
  ASSERT_NE(binderOf(first), nullptr);
  EXPECT_NE(binderOf(first)->SkinProvider, nullptr);
  EXPECT_EQ(binderOf(skinned), nullptr);
  // A child made later is found through its MDI form.
  TForm* late = child(L"Trzecia");
  EXPECT_TRUE(AttachProvider(late->Handle()));
  EXPECT_NE(binderOf(late), nullptr);
  delete late;
  delete skinned;
  delete first;
  owned.reset();
  EXPECT_EQ(LiveProviders(), 0);
}

TEST_F(DialogFrameTest, PictureOfTheHotCloseButtonInTheCache) {
  if (!PicturesDir()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  bool saved = false;
  onDialog = [&](HWND box) {
    TacDialogWnd* adapter = DialogAdapter(box);
    if (!adapter) return;
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    SendMessageW(box, WM_NCHITTEST, 0, ScreenPoint(box, adapter->Buttons[2].Rect));
    SaveCache(adapter, "dialog-cache-hot-close.png");
    saved = true;
  };
  EXPECT_EQ(Box(), IDCANCEL);
  EXPECT_TRUE(saved);
}

}  // namespace skin_test
