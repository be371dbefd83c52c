// Pictures of the card list dropped over fifteen cards in the program's
// skin, with its skinned scroll bar: an arrow hot, then the thumb in the
// middle of a drag. Written only when TESSARILO_PICTURES_DIR names a folder
// (run under Xvfb to look at them).
#include <cstdlib>
#include <filesystem>

#include "classlib/controls/Forms.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/adapters/EditWnd.h"
#include "skin/controls/sComboBox.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "tests/skin/adapters/AdapterFixture.h"
#include "tests/skin/adapters/ScreenShots.h"

namespace skin_test {

using namespace classlib;
using namespace skin::adapters;

namespace {

class CardListPicture : public AdapterFixture {
 protected:
  const char* SkinFile() const override { return TESSARILO_INTERNAL_SKIN_FILE; }
};

void Settle() { SettleScreen(); }

void Shoot(const RECT& r, const std::wstring& file) {
  Settle();  // window surfaces reach the screen asynchronously
  SaveScreenPng(r, file);
}

TEST_F(CardListPicture, DroppedWithAHotArrowAndAThumbMidDrag) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  const std::wstring folder = std::filesystem::path(dir).wstring();

  std::unique_ptr<TForm> form(New<TForm>(nullptr));
  form->SetBounds(40, 40, 460, 420);
  form->SetColor(static_cast<TColor>(manager_->GetGlobalColor()));
  auto* combo = New<skin::TsComboBox>(form.get());
  combo->SetParent(form.get());
  combo->SetBounds(20, 20, 400, 38);
  combo->SetStyle(csDropDownList);
  for (int i = 1; i <= 15; ++i) combo->Items()->Add(L"Karta " + std::to_wstring(i));
  form->Show();
  Settle();

  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  HWND list = info.hwndList;
  std::unique_ptr<TacComboListWnd> adapter(MakeComboListAdapter(list, false, true, L"", manager_.get(), nullptr));
  combo->SetDroppedDown(true);
  Settle();
  RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);

  RECT area;
  GetWindowRect(form->Handle(), &area);
  RECT lr;
  GetWindowRect(list, &lr);
  area.bottom = std::max(area.bottom, lr.bottom + 10);

  RECT v;
  VertScrollBarRect(adapter.get(), list, v);
  const int arrow = GetScrollBarSize(adapter->VertBar.get(), false, true);
  const POINT bottomArrow{(v.left + v.right) / 2, v.bottom - arrow / 2};
  ScrollPlatform().CursorPos = [bottomArrow] { return bottomArrow; };
  SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(bottomArrow.x, bottomArrow.y));
  SendMessageW(list, WM_TIMER, kHoverTimer, 0);
  Shoot(area, folder + L"\\card-list-hot-arrow.png");

  const POINT grab{(v.left + v.right) / 2, v.top + arrow + 3};
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(grab.x, grab.y));
  POINT to{grab.x, grab.y + (v.bottom - v.top) / 4};
  ScreenToClient(list, &to);
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  Shoot(area, folder + L"\\card-list-thumb-drag.png");
  EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  combo->SetDroppedDown(false);
}

}  // namespace
}  // namespace skin_test
