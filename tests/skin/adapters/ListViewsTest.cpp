// List views and tree views under their adapters: the report view's header
// drawn from "COLHEADER" with sort glyphs and a pressed caption one pixel
// off, thumb drags that scroll by whole items (and never read a bar's
// handle as a position), header adoption, and the colours given back when
// the skin goes.
#include "skin/adapters/ListViewWnd.h"
#include "skin/adapters/WindowThunk.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/adapters/ControlAdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

namespace {

// The bounding box of the dark (text) pixels inside R.
RECT DarkBox(const PrintedWindow& image, RECT r) {
  RECT box{r.right, r.bottom, r.left, r.top};
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = image.At(x, y);
      if (GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
  return box;
}

class ListViewsTest : public ControlAdapterFixture {
 protected:
  HWND ReportList(int items) {
    list_ = Child(WC_LISTVIEWW, LVS_REPORT | WS_BORDER, 10, 10, 300, 200);
    const wchar_t* names[] = {L"Nazwa", L"Marka", L"Rok"};
    for (int i = 0; i < 3; ++i) {
      LVCOLUMNW col{};
      col.mask = LVCF_TEXT | LVCF_WIDTH;
      col.cx = 80;
      col.pszText = const_cast<wchar_t*>(names[i]);
      SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
    }
    header_ = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
    SetSort(1, HDF_SORTUP);
    SetSort(2, HDF_SORTDOWN);
    for (int i = 0; i < items; ++i) {
      std::wstring text = L"Zegarek " + std::to_wstring(i);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = text.data();
      SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    originalBk_ = static_cast<COLORREF>(SendMessageW(list_, LVM_GETBKCOLOR, 0, 0));
    adapter_.reset(MakeAdapter<TacListViewWnd>(list_, true, L"", manager_.get(), nullptr));
    RedrawWindow(list_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return list_;
  }
  void SetSort(int column, int flag) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header_, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    item.fmt |= flag;
    SendMessageW(header_, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  }
  RECT Column(int i) {
    RECT r{};
    SendMessageW(header_, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  int TopIndex() { return static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0)); }
  void TearDown() override {
    adapter_.reset();
    ControlAdapterFixture::TearDown();
  }

  HWND list_ = nullptr, header_ = nullptr;
  COLORREF originalBk_ = 0;
  std::unique_ptr<TacListViewWnd> adapter_;
};

TEST_F(ListViewsTest, TheHeaderIsDrawnFromTheSkinWithSortGlyphs) {
  ReportList(5);
  ASSERT_NE(header_, nullptr);
  EXPECT_EQ(adapter_->HeaderWnd, header_);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list_, LVM_GETBKCOLOR, 0, 0)), Marker(MarkerSection("EDIT").colour));
  PrintedWindow image(header_, PRF_CLIENT);
  const COLORREF face = Marker(MarkerSection("COLHEADER").colour);
  const COLORREF up = Marker(MarkerSection("SCROLLBTNTOP").glyph);
  const COLORREF down = Marker(MarkerSection("SCROLLBTNBOTTOM").glyph);
  EXPECT_GT(image.Count(face, Column(0)), 0);
  EXPECT_EQ(image.Count(up, Column(0)) + image.Count(down, Column(0)), 0);
  EXPECT_GT(image.Count(up, Column(1)), 0);
  EXPECT_EQ(image.Count(down, Column(1)), 0);
  EXPECT_GT(image.Count(down, Column(2)), 0);
  // Right of the last column: an empty item.
  const RECT last = Column(2);
  EXPECT_EQ(image.At(last.right + 5, (last.bottom - last.top) / 2), face);
}

TEST_F(ListViewsTest, APressedColumnCaptionMovesByOnePixel) {
  ReportList(5);
  const RECT column = Column(0);
  const RECT normal = DarkBox(PrintedWindow(header_, PRF_CLIENT), column);
  adapter_->PressedItem = 0;
  const RECT pressed = DarkBox(PrintedWindow(header_, PRF_CLIENT), column);
  ASSERT_LT(normal.left, normal.right);
  EXPECT_EQ(pressed.left, normal.left + 1);
  EXPECT_EQ(pressed.top, normal.top + 1);
}

TEST_F(ListViewsTest, AThumbDragScrollsByWholeItems) {
  ReportList(60);
  ASSERT_EQ(TopIndex(), 0);
  RECT v;
  VertScrollBarRect(adapter_.get(), list_, v);
  const int arrow = GetScrollBarSize(adapter_->VertBar.get(), false, true);
  const POINT grab{(v.left + v.right) / 2, v.top + arrow + 2};
  SendMessageW(list_, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(grab.x, grab.y));
  ASSERT_TRUE(adapter_->Tracking);
  POINT to{grab.x, grab.y + 30};
  ScreenToClient(list_, &to);
  SendMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  const int during = TopIndex();
  SendMessageW(list_, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  EXPECT_GT(during, 0);
  EXPECT_GT(TopIndex(), 0);
  // The top item starts right under the header: whole items only.
  RECT item{};
  item.left = LVIR_BOUNDS;
  SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(TopIndex()), reinterpret_cast<LPARAM>(&item));
  RECT hr{};
  GetClientRect(header_, &hr);
  EXPECT_EQ(item.top, hr.bottom);
}

TEST_F(ListViewsTest, AThumbTrackFromTheControlNeverReadsItsLParamAsAPosition) {
  ReportList(60);
  // A scroll-bar control sends its own handle in LParam.
  SendMessageW(list_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), reinterpret_cast<LPARAM>(host_));
  EXPECT_EQ(TopIndex(), 0);
  SendMessageW(list_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), static_cast<LPARAM>(0x7FFFFFFF));
  EXPECT_EQ(TopIndex(), 0);
}

TEST_F(ListViewsTest, AnEmptyListDoesNotScroll) {
  ReportList(0);
  adapter_->ScrollSending = true;  // as while the adapter's own bar sends
  SendMessageW(list_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 40);
  adapter_->ScrollSending = false;
  EXPECT_EQ(TopIndex(), 0);
  SCROLLINFO si{sizeof(si), SIF_POS};
  GetScrollInfo(list_, SB_VERT, &si);
  EXPECT_EQ(si.nPos, 0);
}

TEST_F(ListViewsTest, OnlyOurOwnNewHeaderIsAdoptedAndARemovedSkinLetsTheHeaderGo) {
  ReportList(5);
  // A header of another window, and a child of ours of another class.
  HWND foreign = Child(WC_HEADERW, 0, 0, 0, 50, 20);
  SendMessageW(list_, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 0), reinterpret_cast<LPARAM>(foreign));
  EXPECT_EQ(adapter_->HeaderWnd, header_);
  HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, list_, nullptr, nullptr, nullptr);
  SendMessageW(list_, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 0), reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(adapter_->HeaderWnd, header_);

  const WNDPROC skinned = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(header_, GWLP_WNDPROC));
  const int thunks = TWindowThunk::LiveCount();
  skin::SendSkinCommandToWnd(list_, skin::scRemoveSkin, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(adapter_->HeaderWnd, nullptr);
  EXPECT_EQ(TWindowThunk::LiveCount(), thunks - 1);
  EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(header_, GWLP_WNDPROC)), skinned);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list_, LVM_GETBKCOLOR, 0, 0)), originalBk_);
  // Announcing the header again adopts nothing until a new skin comes.
  SendMessageW(list_, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 0), reinterpret_cast<LPARAM>(header_));
  EXPECT_EQ(adapter_->HeaderWnd, nullptr);
  EXPECT_EQ(PrintedWindow(header_, PRF_CLIENT).Count(Marker(MarkerSection("COLHEADER").colour)), 0);
  skin::SendSkinCommandToWnd(list_, skin::scNewSkin, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(adapter_->HeaderWnd, header_);
  EXPECT_GT(PrintedWindow(header_, PRF_CLIENT).Count(Marker(MarkerSection("COLHEADER").colour)), 0);
}

TEST_F(ListViewsTest, IconViewLeavesTheHeaderAlone) {
  ReportList(5);
  SendMessageW(list_, LVM_SETVIEW, LV_VIEW_ICON, 0);
  ShowWindow(header_, SW_SHOW);
  PrintedWindow image(header_, PRF_CLIENT);
  EXPECT_EQ(image.Count(Marker(MarkerSection("COLHEADER").colour)), 0);
}

TEST_F(ControlAdapterFixture, TreeViewTakesTheSectionColourAndGivesItBack) {
  HWND tree = Child(WC_TREEVIEWW, TVS_HASLINES | WS_BORDER, 10, 10, 200, 150);
  TVINSERTSTRUCTW ins{};
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT;
  ins.item.pszText = const_cast<wchar_t*>(L"Mechanizm");
  SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
  const auto before = static_cast<COLORREF>(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0));
  std::unique_ptr<TacTreeViewWnd> adapter(MakeAdapter<TacTreeViewWnd>(tree, true, L"", manager_.get(), nullptr));
  RedrawWindow(tree, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const COLORREF edit = Marker(MarkerSection("EDIT").colour);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0)), edit);
  PrintedWindow image(tree);
  RECT client{};
  GetClientRect(tree, &client);
  EXPECT_EQ(image.At(client.right - 5, client.bottom - 5), edit);
  skin::SendSkinCommandToWnd(tree, skin::scRemoveSkin, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0)), before);
}

}  // namespace
}  // namespace skin_test
