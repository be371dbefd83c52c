// The menu line of a skinned form with a main menu: its section under the
// bar's items, the section named by MenuLineSkin, and on an MDI frame the
// area around the client and the buttons of a maximized child.
#include <algorithm>

#include "classlib/menus/Menus.h"
#include "tests/skin/forms/SkinnedFormFixture.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

namespace {

inline constexpr COLORREF kLineColor = RGB(0x30, 0x90, 0xC0), kOtherLineColor = RGB(0xC0, 0x30, 0x90);
inline constexpr COLORREF kAreaColor = RGB(0x70, 0xA0, 0x20), kItemFont = RGB(0xFF, 0xFF, 0x00);

std::string MenuedSkinDescription() {
  auto n = [](COLORREF c) { return std::to_string(static_cast<unsigned>(c)); };
  std::string options = RoundedSkinDescription();
  // Small glyphs for the MDI child's buttons.
  options.insert(options.find("BICONCLOSE="), "SICONCLOSE=@0016,0000,0040,0010,3,0\r\nSICONMIN=@0016,0010,0040,0020,3,0\r\n"
                                              "SICONMAX=@0016,0020,0040,0030,3,0\r\n");
  auto flat = [&](const char* name, COLORREF color) {
    return std::string("[") + name + "]\r\nCOLOR=" + n(color) + "\r\nHOTCOLOR=" + n(color) + "\r\nSTATES=2\r\nFONTCOLOR=" +
           n(kItemFont) + "\r\nHOTFONTCOLOR=" + n(kItemFont) + "\r\n";
  };
  return options + flat("MENULINE", kLineColor) + flat("OTHERLINE", kOtherLineColor) + flat("MDIAREA", kAreaColor) +
         "[MENUITEM]\r\nCOLOR=0\r\nSTATES=2\r\nTRANSPARENCY=100\r\n";
}

}  // namespace

class MenuLineTest : public SkinnedFormFixture {
 protected:
  void SetUp() override {
    SkinnedFormFixture::SetUp();
    WriteFile(Skins() / "Menued" / "Options.dat", MenuedSkinDescription());
    WriteFile(Skins() / "Menued" / "MASTER.BMP", FramedSkinMaster());
    manager_->SetSkinName(L"Menued");
    manager_->SetSkinnedPopups(true);
    Pump();
    ASSERT_GE(manager_->GetSkinIndex(L"MENULINE"), 0);
  }
  void TearDown() override {
    child_.reset();
    SkinnedFormFixture::TearDown();
  }
  // A bar of three items on the form.
  void AddMenu(TCustomForm* form) {
    auto* menu = New<TMainMenu>(form);
    for (const wchar_t* caption : {L"Plik", L"Widok", L"Okno"}) {
      auto* item = New<TMenuItem>(form);
      item->SetCaption(caption);
      item->Add(New<TMenuItem>(form));
      menu->Items()->Add(item);
    }
    form->SetMenu(menu);
  }
  void Rebuild() {
    provider_->SkinData()->BGChanged = true;
    provider_->PaintNonClientArea();
  }
  // The caption bottom: where the line starts in the image.
  int LineTop() const {
    return InnerFrameWidth(Wnd(), nullptr, true) + provider_->ProviderCaptionHeight(true);
  }
  // A bar item's rectangle in window coordinates.
  RECT ItemRect(int position) const {
    RECT r{}, window{};
    GetMenuItemRect(Wnd(), GetMenu(Wnd()), static_cast<UINT>(position), &r);
    GetWindowRect(Wnd(), &window);
    OffsetRect(&r, -window.left, -window.top);
    return r;
  }
  int PixelsUnlike(const RECT& r, COLORREF color) const {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) count += ImagePixel(x, y) != color;
    return count;
  }
  // An MDI frame (the application's main form) with a bar, a provider and
  // a maximized child.
  void MakeMdiFrame() {
    ASSERT_EQ(Application->MainForm(), nullptr);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form_.reset(form);
    form_->SetFormStyle(fsMDIForm);
    form_->RecreateWnd();
    form_->SetBounds(60, 60, 520, 400);
    form_->SetCaption(L"Kolekcja");
    AddMenu(form_.get());
    provider_ = New<TsSkinProvider>(form_.get());
    form_->Show();
    Pump();
    child_.reset(New<TForm>(Application));
    child_->SetFormStyle(fsMDIChild);
    child_->SetBounds(10, 10, 220, 160);
    child_->SetCaption(L"Karta");
    child_->Show();
    Pump();
    SendMessageW(form_->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child_->Handle()), 0);
    Pump();
    ASSERT_TRUE(IsZoomed(child_->Handle()));
    ASSERT_TRUE(provider_->MdiButtonsVisible());
    Rebuild();
  }

  std::unique_ptr<TForm> child_;
};

TEST_F(MenuLineTest, TheBarsItemsAreDrawnOverTheMenuLineSection) {
  MakeForm(bsSizeable, false);
  AddMenu(form_.get());
  Show();
  Rebuild();
  ASSERT_TRUE(provider_->MenuLineVisible());
  EXPECT_EQ(provider_->MenuRows(), 1);
  const int rowHeight = provider_->MenuLineHeight();
  ASSERT_EQ(rowHeight, GetSystemMetrics(SM_CYMENU) - 1);
  const int top = LineTop();
  const int width = provider_->SkinData()->CacheBmp()->Width();
  const int f = FrameWidthOf(Wnd(), nullptr, true);
  // Right of the last item the line shows its section on all its rows,
  // and the title above and the client below are not touched.
  const RECT last = ItemRect(2);
  ASSERT_GT(last.right, last.left);
  const int x = (last.right + width - f) / 2;
  for (int y = top; y <= top + rowHeight; ++y) EXPECT_EQ(ImagePixel(x, y), kLineColor) << y;
  EXPECT_NE(ImagePixel(x, top - 1), kLineColor);
  EXPECT_NE(ImagePixel(x, top + rowHeight + 2), kLineColor);
  // Each item lies on the line and shows its caption over the section.
  for (int position = 0; position < 3; ++position) {
    const RECT item = ItemRect(position);
    EXPECT_GE(item.top, top) << position;
    EXPECT_LE(item.bottom, top + rowHeight + 1) << position;
    EXPECT_GT(PixelsUnlike(item, kLineColor), 5) << position;
    // A see-through item shows the line behind it, not another part of the image.
    EXPECT_EQ(ImagePixel(item.left, item.top), kLineColor) << position;
  }
  // The clean line is kept for repainting single items.
  ASSERT_NE(provider_->MenuLineImage(), nullptr);
  EXPECT_EQ(provider_->MenuLineImage()->Height(), rowHeight + 1);
  EXPECT_EQ(provider_->MenuLineOrigin().y, top);
}

TEST_F(MenuLineTest, MenuLineSkinNamesTheSectionOrFallsBackToMenuLine) {
  MakeForm(bsSizeable, false);
  AddMenu(form_.get());
  Show();
  const struct {
    const wchar_t* name;
    COLORREF expected;
  } cases[] = {{L"", kLineColor}, {L"OTHERLINE", kOtherLineColor}, {L"NOSUCHLINE", kLineColor}};
  for (const auto& c : cases) {
    provider_->SetMenuLineSkin(c.name);
    Rebuild();
    const RECT last = ItemRect(2);
    const int x = (last.right + provider_->SkinData()->CacheBmp()->Width()) / 2;
    EXPECT_EQ(ImagePixel(x, LineTop() + 2), c.expected) << std::string(c.name, c.name + wcslen(c.name));
  }
}

TEST_F(MenuLineTest, ABarThatWrapsMakesATwoRowLine) {
  MakeForm(bsSizeable, false);
  AddMenu(form_.get());
  for (const wchar_t* caption : {L"Kolekcja", L"Zegarki", L"Serwis", L"Pomoc"}) {
    auto* item = New<TMenuItem>(form_.get());
    item->SetCaption(caption);
    item->Add(New<TMenuItem>(form_.get()));
    form_->Menu()->Items()->Add(item);
  }
  form_->SetBounds(100, 100, 220, 300);
  Show();
  Rebuild();
  const RECT first = ItemRect(0), last = ItemRect(6);
  ASSERT_GT(last.top, first.top) << "the bar did not wrap";
  EXPECT_EQ(provider_->MenuRows(), 2);
  const int rowHeight = provider_->MenuLineHeight();
  EXPECT_EQ(provider_->MenuLineImage()->Height(), 2 * rowHeight + 1);
  // The second row's items are drawn too, over the line.
  EXPECT_GT(PixelsUnlike(last, kLineColor), 5);
  const int x = (last.right + provider_->SkinData()->CacheBmp()->Width()) / 2;
  EXPECT_EQ(ImagePixel(x, LineTop() + rowHeight + rowHeight / 2), kLineColor);
}

TEST_F(MenuLineTest, AFormWithoutABarHasNoLine) {
  MakeForm();
  Rebuild();
  EXPECT_FALSE(provider_->MenuLineVisible());
  EXPECT_EQ(provider_->MenuLineHeight(), 0);
  EXPECT_NE(ImagePixel(200, LineTop() + 2), kLineColor);
}

TEST_F(MenuLineTest, AMaximizedChildsButtonsSitAtTheRightEndAndAnswerTheirCodes) {
  MakeMdiFrame();
  const int width = provider_->SkinData()->CacheBmp()->Width();
  const int f = FrameWidthOf(Wnd(), nullptr, true);
  const int w = provider_->MdiButtonWidth();
  EXPECT_EQ(w, 8);  // the small close glyph's frame
  const struct {
    int code, fromRight;
  } buttons[] = {{htMdiClose, 1}, {htMdiRestore, 2}, {htMdiMinimize, 3}};
  for (const auto& b : buttons) {
    const RECT r = provider_->SystemButton(b.code).Rect;
    EXPECT_EQ(r.left, width - f - b.fromRight * (w + 1)) << b.code;
    EXPECT_EQ(r.right - r.left, w) << b.code;
    EXPECT_GE(r.top, LineTop()) << b.code;
    EXPECT_EQ(HitAt((r.left + r.right) / 2, (r.top + r.bottom) / 2), b.code);
    // Drawn: the glyph, not the line.
    EXPECT_GT(PixelsUnlike(r, kLineColor), 0) << b.code;
  }
  // Hovered, the close button shows its hot frame at once (no fade for these).
  const RECT close = provider_->SystemButton(htMdiClose).Rect;
  const POINT over = Screen((close.left + close.right) / 2, (close.top + close.bottom) / 2);
  SendMessageW(Wnd(), WM_NCMOUSEMOVE, htMdiClose, MAKELPARAM(over.x, over.y));
  EXPECT_EQ(provider_->SystemButton(htMdiClose).State, 1);
  const std::uint32_t hot = kCloseFrames[1];
  EXPECT_EQ(ImagePixel((close.left + close.right) / 2, (close.top + close.bottom) / 2),
            RGB((hot >> 16) & 0xFF, (hot >> 8) & 0xFF, hot & 0xFF));
  // Elsewhere on the line: the menu.
  const RECT minimize = provider_->SystemButton(htMdiMinimize).Rect;
  EXPECT_EQ(HitAt(minimize.left - 20, LineTop() + 3), HTMENU);
  // The area around the client has its own section.
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(ImagePixel(provider_->ClientOffsetX() + client.right / 2, provider_->ClientOffsetY() + client.bottom / 2),
            kAreaColor);
}

TEST_F(MenuLineTest, TheRestoreButtonRestoresTheChild) {
  MakeMdiFrame();
  const RECT r = provider_->SystemButton(htMdiRestore).Rect;
  const POINT p = Screen((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, htMdiRestore, MAKELPARAM(p.x, p.y));
  EXPECT_EQ(provider_->SystemButton(htMdiRestore).State, 2);
  SendMessageW(Wnd(), WM_NCLBUTTONUP, htMdiRestore, MAKELPARAM(p.x, p.y));
  Pump();
  EXPECT_FALSE(IsZoomed(child_->Handle()));
  EXPECT_FALSE(provider_->MdiButtonsVisible());
  EXPECT_EQ(provider_->SystemButton(htMdiRestore).State, 0);
}

}  // namespace skin_test
