#ifdef _WIN32
// The outline drag of a skinned form (ResizeMode rmBorder), drawn into a
// memory bitmap standing in for the desktop.
#include <windows.h>

#include <vector>

#include "skin/forms/OutlineDrag.h"
#include "tests/skin/forms/SkinnedFormFixture.h"

namespace skin_test {

using namespace classlib;
using skin::OutlineDrag;

namespace {

// A desktop-sized 32-bit bitmap with a pattern; counts its DCs.
class MemorySurface : public skin::TsOutlineSurface {
 public:
  MemorySurface() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    for (int i = 0; i < kSize * kSize; ++i) bits_[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
  }
  ~MemorySurface() override { DeleteObject(bitmap_); }
  HDC Acquire() override {
    ++acquired;
    HDC dc = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc, bitmap_);
    return dc;
  }
  void Release(HDC dc) override {
    ++released;
    SelectObject(dc, old_);
    DeleteDC(dc);
  }
  std::vector<std::uint32_t> Pixels() const { return std::vector<std::uint32_t>(bits_, bits_ + kSize * kSize); }
  std::uint32_t At(int x, int y) const { return bits_[y * kSize + x]; }

  static constexpr int kSize = 1024;
  int acquired = 0, released = 0;

 private:
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

class OutlineDragTest : public SkinnedFormFixture {
 protected:
  void SetUp() override {
    SkinnedFormFixture::SetUp();
    skin::SetOutlineSurface(&surface_);
  }
  void TearDown() override {
    form_.reset();
    skin::SetOutlineSurface(nullptr);
    SkinnedFormFixture::TearDown();
  }
  void MakeDragForm() {
    MakeForm();
    provider_->SetResizeMode(skin::rmBorder);
  }
  // The mouse at a screen point, as the captured form hears it.
  void MouseTo(POINT p) {
    SetCursorPos(p.x, p.y);
    ScreenToClient(Wnd(), &p);
    SendMessageW(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  }
  void ButtonUpAt(POINT p) {
    ScreenToClient(Wnd(), &p);
    SendMessageW(Wnd(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  }
  void DownOn(int code, POINT p) {
    SetCursorPos(p.x, p.y);
    SendMessageW(Wnd(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(code), MAKELPARAM(p.x, p.y));
  }
  RECT WindowRect() const {
    RECT r{};
    GetWindowRect(Wnd(), &r);
    return r;
  }

  static bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

  MemorySurface surface_;
};

}  // namespace

TEST_F(OutlineDragTest, DrawingTwiceRestoresTheDesktop) {
  MakeDragForm();
  const std::vector<std::uint32_t> before = surface_.Pixels();
  OutlineDrag().Moving = true;
  provider_->StartOutlineDrag(150, 110);
  ASSERT_TRUE(OutlineDrag().Dragging);
  // The outline inverts the form's edges.
  EXPECT_EQ(surface_.At(form_->Left(), form_->Top() + 50) & 0xFFFFFF,
            ~before[(form_->Top() + 50) * 1024 + form_->Left()] & 0xFFFFFF);
  EXPECT_NE(surface_.Pixels(), before);
  provider_->DrawOutline(OutlineDrag().Left, OutlineDrag().Top);
  EXPECT_EQ(surface_.Pixels(), before);
  provider_->DrawOutline(OutlineDrag().Left, OutlineDrag().Top);
  provider_->EndOutlineDrag();
  EXPECT_EQ(surface_.Pixels(), before);
  EXPECT_EQ(surface_.released, surface_.acquired);
}

TEST_F(OutlineDragTest, DraggingTheCaptionMovesTheFormOnceAtTheEnd) {
  MakeDragForm();
  const std::vector<std::uint32_t> before = surface_.Pixels();
  const RECT start = WindowRect();
  const POINT grab = Screen(form_->Width() / 2, 8);
  DownOn(HTCAPTION, grab);
  ASSERT_TRUE(OutlineDrag().Dragging);
  EXPECT_EQ(GetCapture(), Wnd());
  MouseTo(POINT{grab.x + 30, grab.y + 20});
  MouseTo(POINT{grab.x + 60, grab.y + 40});
  // Only the outline moved so far.
  EXPECT_TRUE(Same(start, WindowRect()));
  EXPECT_EQ(OutlineDrag().Left, start.left + 60);
  ButtonUpAt(POINT{grab.x + 60, grab.y + 40});
  EXPECT_FALSE(OutlineDrag().Dragging);
  EXPECT_EQ(WindowRect().left, start.left + 60);
  EXPECT_EQ(WindowRect().top, start.top + 40);
  EXPECT_EQ(surface_.Pixels(), before);
  EXPECT_EQ(surface_.released, 1);
  EXPECT_NE(GetCapture(), Wnd());
}

TEST_F(OutlineDragTest, SizingKeepsTheMinimumAndACancelledOneMakesNoMove) {
  MakeDragForm();
  form_->Constraints()->SetMinWidth(200);
  const RECT start = WindowRect();
  const POINT edge = Screen(form_->Width() - 1, form_->Height() / 2);
  DownOn(HTRIGHT, edge);
  ASSERT_TRUE(OutlineDrag().Dragging);
  ASSERT_FALSE(OutlineDrag().Moving);
  MouseTo(POINT{edge.x - 300, edge.y});
  EXPECT_EQ(OutlineDrag().Right - OutlineDrag().Left, 200);  // held at the minimum width
  MouseTo(POINT{edge.x + 50, edge.y});
  ButtonUpAt(POINT{edge.x + 50, edge.y});
  EXPECT_EQ(WindowRect().right - WindowRect().left, start.right - start.left + 50);

  // Cancelled sizing: the outline goes, the form stays.
  const RECT sized = WindowRect();
  const std::vector<std::uint32_t> before = surface_.Pixels();
  DownOn(HTRIGHT, Screen(form_->Width() - 1, form_->Height() / 2));
  MouseTo(POINT{edge.x + 120, edge.y});
  OutlineDrag().Cancelled = true;
  provider_->EndOutlineDrag();
  EXPECT_TRUE(Same(sized, WindowRect()));
  EXPECT_EQ(surface_.Pixels(), before);
}

TEST_F(OutlineDragTest, LosingTheCaptureEscOrTheFormEndsTheDrag) {
  MakeDragForm();
  const RECT start = WindowRect();
  const std::vector<std::uint32_t> before = surface_.Pixels();
  const POINT grab = Screen(form_->Width() / 2, 8);
  enum Way { kCapture, kEscape, kCancelMode, kFreed };
  for (Way way : {kCapture, kEscape, kCancelMode, kFreed}) {
    DownOn(HTCAPTION, grab);
    ASSERT_TRUE(OutlineDrag().Dragging) << way;
    MouseTo(POINT{grab.x + 40, grab.y + 10});
    if (way == kCapture) ReleaseCapture();
    else if (way == kEscape) SendMessageW(Wnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    else if (way == kCancelMode) SendMessageW(Wnd(), WM_CANCELMODE, 0, 0);
    else form_.reset();
    EXPECT_FALSE(OutlineDrag().Dragging) << way;
    EXPECT_EQ(surface_.released, surface_.acquired) << way;
    EXPECT_EQ(surface_.Pixels(), before) << way;
    if (way != kFreed) EXPECT_TRUE(Same(start, WindowRect())) << way;
  }
}

TEST_F(OutlineDragTest, AStandardFormOrADisabledOneDragsNoOutline) {
  MakeForm();
  OutlineDrag().Moving = true;
  provider_->StartOutlineDrag(10, 10);
  EXPECT_FALSE(OutlineDrag().Dragging);
  provider_->SetResizeMode(skin::rmBorder);
  form_->SetEnabled(false);
  provider_->StartOutlineDrag(10, 10);
  EXPECT_FALSE(OutlineDrag().Dragging);
  EXPECT_EQ(surface_.acquired, 0);
}

}  // namespace skin_test
#endif
