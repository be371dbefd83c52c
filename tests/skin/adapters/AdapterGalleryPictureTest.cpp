// A gallery of the common controls the adapters skin, each beside its
// unadapted twin: list and tree views, tab controls (top, left, with their
// up-down), tool bar, status bar, track bars, a stand-alone scroll bar and
// an MDI client. Written only when TESSARILO_PICTURES_DIR names a folder
// (run under Xvfb to look at it), once over the marker skin and once over
// the program's own.
#include <cstdlib>
#include <filesystem>

#include "classlib/graphics/Bitmap.h"
#include "png/PngObject.h"
#include "skin/adapters/ListViewWnd.h"
#include "skin/adapters/MDIWnd.h"
#include "skin/adapters/TabWnd.h"
#include "skin/adapters/ToolBarWnd.h"
#include "skin/adapters/TrackWnd.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "tests/skin/adapters/ScreenShot.h"
#include "tests/skin/adapters/ControlAdapterFixture.h"

namespace skin_test {

using namespace classlib;
using namespace skin::adapters;

namespace {


LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(wnd, msg, wParam, lParam);
}
LRESULT CALLBACK MdiChildProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(wnd, msg, wParam, lParam);
}

class Gallery {
 public:
  Gallery(skin::TsSkinManager* manager) : manager_(manager) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.lpszClassName = L"TessariloGallery";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&wc);
    RegisterTestClass(L"TessariloGalleryMdiChild", MdiChildProc);
    window_ = CreateWindowExW(0, L"TessariloGallery", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1240, 960, nullptr, nullptr,
                              nullptr, nullptr);
  }
  ~Gallery() {
    adapters_.clear();
    DestroyWindow(window_);
    for (HIMAGELIST list : images_) ImageList_Destroy(list);
  }
  HWND Window() const { return window_; }

  // The control made twice: at x and at x + 610, the second one adapted.
  template <class A, class Make>
  void Twins(Make make, const wchar_t* section = L"") {
    make(10);
    HWND adapted = make(620);
    adapters_.emplace_back(MakeAdapter<A>(adapted, true, section, manager_, nullptr));
  }
  HWND Child(const wchar_t* cls, DWORD style, int x, int y, int w, int h, DWORD ex = 0) {
    return CreateWindowExW(ex, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_, nullptr, nullptr,
                           nullptr);
  }
  HIMAGELIST Images() {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    MemoryDC dc(16, 16);
    HBITMAP bmp = CreateCompatibleBitmap(dc.Handle(), 16, 16);
    HGDIOBJ old = SelectObject(dc.Handle(), bmp);
    RECT all{0, 0, 16, 16}, inner{3, 3, 13, 13};
    FillRect(dc.Handle(), &all, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    FillRect(dc.Handle(), &inner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(dc.Handle(), old);
    ImageList_Add(list, bmp, nullptr);
    DeleteObject(bmp);
    images_.push_back(list);
    return list;
  }
  std::vector<std::unique_ptr<TacMainWnd>> adapters_;
  std::unique_ptr<skin::TsCommonData> mdiSkin_;

 private:
  skin::TsSkinManager* manager_;
  HWND window_ = nullptr;
  std::vector<HIMAGELIST> images_;
};

void Build(Gallery& g, skin::TsSkinManager* manager) {
  // Row 1: list view and tree view.
  g.Twins<TacListViewWnd>([&](int x) {
    HWND list = g.Child(WC_LISTVIEWW, LVS_REPORT | WS_BORDER, x, 10, 330, 150);
    const wchar_t* names[] = {L"Nazwa", L"Marka", L"Rok"};
    for (int i = 0; i < 3; ++i) {
      LVCOLUMNW col{LVCF_TEXT | LVCF_WIDTH, 0, 95, const_cast<wchar_t*>(names[i])};
      SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
    }
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    item.fmt |= HDF_SORTUP;
    SendMessageW(header, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    for (int i = 0; i < 30; ++i) {
      std::wstring text = L"Zegarek " + std::to_wstring(i + 1);
      LVITEMW it{};
      it.mask = LVIF_TEXT;
      it.iItem = i;
      it.pszText = text.data();
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&it));
    }
    return list;
  });
  g.Twins<TacTreeViewWnd>([&](int x) {
    HWND tree = g.Child(WC_TREEVIEWW, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | WS_BORDER, x + 340, 10, 250, 150);
    TVINSERTSTRUCTW ins{};
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = const_cast<wchar_t*>(L"Mechanizm");
    auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    for (const wchar_t* name : {L"Automatyczny", L"Ręczny", L"Kwarcowy"}) {
      ins.hParent = root;
      ins.item.pszText = const_cast<wchar_t*>(name);
      SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
    }
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    return tree;
  });
  // Row 2: tab controls on top, on the left, and one too narrow for its tabs.
  auto tabs = [&](int x, int y, int w, int h, DWORD style, int count) {
    HWND tab = g.Child(WC_TABCONTROLW, style | WS_CLIPSIBLINGS, x, y, w, h);
    for (int i = 0; i < count; ++i) {
      std::wstring text = L"Strona " + std::to_wstring(i + 1);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text.data();
      SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tab, TCM_SETCURSEL, 1, 0);
    return tab;
  };
  g.Twins<TacTabControlWnd>([&](int x) { return tabs(x, 175, 250, 140, TCS_MULTILINE, 7); });
  g.Twins<TacTabControlWnd>([&](int x) { return tabs(x + 260, 175, 170, 140, TCS_VERTICAL | TCS_MULTILINE, 3); });
  g.Twins<TacTabControlWnd>([&](int x) { return tabs(x + 440, 175, 150, 100, 0, 10); });
  // Row 3: tool bar and status bar.
  g.Twins<TacToolBarWnd>([&](int x) {
    HWND bar = g.Child(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN, x, 330, 590,
                       56);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(g.Images()));
    static const std::wstring longCaption = std::wstring(L"Bardzo długi podpis przycisku ") + std::wstring(270, L'x');
    TBBUTTON buttons[] = {
        {0, 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(L"Nowa")},
        {0, 2, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(L"Wciśnięty")},
        {0, 3, 0, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(L"Wyłączony")},
        {8, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {0, 4, TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN, {}, 0, reinterpret_cast<INT_PTR>(L"Lista")},
        {0, 5, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(longCaption.c_str())},
    };
    SendMessageW(bar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(80, 48));
    return bar;
  });
  g.Twins<TacStatusBarWnd>([&](int x) {
    HWND bar = g.Child(STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN, x, 395, 590, 24);
    const int parts[] = {120, 240, 360, 480, -1};
    SendMessageW(bar, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(parts));
    for (int i = 0; i < 5; ++i) {
      std::wstring text = L"Część " + std::to_wstring(i + 1);
      SendMessageW(bar, SB_SETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.c_str()));
    }
    return bar;
  });
  g.Twins<TacStatusBarWnd>([&](int x) {
    HWND bar = g.Child(STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN, x, 425, 590, 24);
    SendMessageW(bar, SB_SIMPLE, TRUE, 0);
    SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"Tryb prosty: zapisano kartę"));
    return bar;
  });
  // Row 4: track bars and a stand-alone scroll bar.
  auto track = [&](int x, int y, int w, int h, DWORD style) {
    HWND t = g.Child(TRACKBAR_CLASSW, style, x, y, w, h);
    SendMessageW(t, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    SendMessageW(t, TBM_SETPOS, TRUE, 4);
    return t;
  };
  g.Twins<TacTrackWnd>([&](int x) { return track(x, 460, 250, 40, TBS_AUTOTICKS); });
  g.Twins<TacTrackWnd>([&](int x) { return track(x, 505, 250, 40, TBS_AUTOTICKS | TBS_TOP); });
  g.Twins<TacTrackWnd>([&](int x) { return track(x, 550, 250, 48, TBS_AUTOTICKS | TBS_BOTH); });
  g.Twins<TacTrackWnd>([&](int x) { return track(x, 603, 250, 32, TBS_NOTICKS); });
  g.Twins<TacTrackWnd>([&](int x) { return track(x, 640, 250, 32, TBS_NOTHUMB | TBS_AUTOTICKS); });
  g.Twins<TacTrackWnd>([&](int x) { return track(x + 260, 460, 40, 210, TBS_VERT | TBS_AUTOTICKS); });
  g.Twins<TacTrackWnd>([&](int x) { return track(x + 305, 460, 40, 210, TBS_VERT | TBS_AUTOTICKS | TBS_LEFT); });
  g.Twins<TacTrackWnd>([&](int x) { return track(x + 350, 460, 6, 3, TBS_AUTOTICKS); });
  g.Twins<TacSBWnd>([&](int x) {
    HWND bar = g.Child(L"SCROLLBAR", SBS_HORZ, x, 680, 250, 17);
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 100, 20, 30, 0};
    SetScrollInfo(bar, SB_CTL, &si, FALSE);
    return bar;
  });
  g.Twins<TacSBWnd>([&](int x) {
    HWND bar = g.Child(L"SCROLLBAR", SBS_VERT, x + 400, 460, 17, 210);
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 100, 0, 60, 0};
    SetScrollInfo(bar, SB_CTL, &si, FALSE);
    return bar;
  });
  // Row 5: an MDI client with a child.
  g.mdiSkin_ = std::make_unique<skin::TsCommonData>(nullptr, true);
  g.mdiSkin_->SetSkinManager(manager);
  g.mdiSkin_->SetSkinSection(L"EDIT");
  g.Twins<TacMDIWnd>([&](int x) {
    CLIENTCREATESTRUCT ccs{};
    HWND client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x + 440,
                                  460, 150, 250, g.Window(), nullptr, nullptr, &ccs);
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"TessariloGalleryMdiChild";
    mcs.szTitle = L"Karta";
    mcs.x = 10;
    mcs.y = 10;
    mcs.cx = 110;
    mcs.cy = 80;
    SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs));
    return client;
  });
  static_cast<TacMDIWnd*>(g.adapters_.back().get())->Attach(nullptr, g.mdiSkin_.get(), nullptr);
}

class AdapterGalleryPicture : public ControlAdapterFixture {
 protected:
  void Run(const wchar_t* name) {
    const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
    if (!dir) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
    Gallery gallery(manager_.get());
    Build(gallery, manager_.get());
    RedrawWindow(gallery.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT area{};
    GetWindowRect(gallery.Window(), &area);
    Shoot(area, (std::filesystem::path(dir) / name).wstring());
    EXPECT_TRUE(raised_.empty());
  }
};

TEST_F(AdapterGalleryPicture, EveryControlBesideItsTwinInTheMarkerSkin) { Run(L"adapters-gallery-marker.png"); }

class AdapterGalleryProgramSkin : public AdapterGalleryPicture {
 protected:
  const char* SkinFile() const override { return TESSARILO_INTERNAL_SKIN_FILE; }
};

TEST_F(AdapterGalleryProgramSkin, EveryControlBesideItsTwinInTheProgramSkin) { Run(L"adapters-gallery-program.png"); }

}  // namespace
}  // namespace skin_test
