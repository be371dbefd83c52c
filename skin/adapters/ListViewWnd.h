#pragma once
// Adapters of the common-control list view and tree view: edit adapters
// (skinned frame and scroll bars) whose items keep the control's own
// drawing in the skin's colours. The list view's column header is
// subclassed and drawn from the skin in report view; a thumb drag scrolls
// the list by whole items.
#include "skin/adapters/EditWnd.h"

namespace skin::adapters {

class TWindowThunk;

class TacListViewWnd : public TacEditWnd {
 public:
  ~TacListViewWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void SaveControlParams() override;
  void RestoreControlParams() override;
  void ApplySkinParams() override;
  void AdapterWndProc(classlib::TMessage& message) override;

  HWND HeaderWnd = nullptr;
  std::int32_t PressedItem = -1;
  std::int32_t HotItem = -1;
  std::int32_t HeaderHeight = 0;

  // The list's view as the adapter numbers it: 0 icon, 1 small icon,
  // 2 list, 3 report.
  int ViewStyle() const;
  // Paints the whole header into DC (the header's own coordinates).
  void PaintHeader(HDC dc);

 private:
  void HookHeader(HWND header);
  void UnhookHeader();
  void HeaderProc(classlib::TMessage& message);
  void RepaintHeader();
  bool ThumbTrack(classlib::TMessage& message, bool vertical);

  TWindowThunk* headerThunk_ = nullptr;
  // The skin was taken away: no header is adopted until a new one comes.
  bool headerReleased_ = false;
  COLORREF oldTextBkColor_ = 0xFFFFFFFF;  // CLR_NONE
};

class TacTreeViewWnd : public TacEditWnd {
 public:
  void SaveControlParams() override;
  void RestoreControlParams() override;
  void ApplySkinParams() override;
  void AdapterWndProc(classlib::TMessage& message) override;

 private:
  COLORREF oldBkColor_ = CLR_INVALID;
  COLORREF oldTextColor_ = CLR_INVALID;
};

}  // namespace skin::adapters
