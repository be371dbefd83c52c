#pragma once
// TWinControl: a control with its own window, made on demand.
//
// The window's class is registered under the control's class name; a control
// over a system class ("BUTTON", "EDIT" ...) calls CreateSubClass in
// CreateParams and its DefaultHandler then calls that class's procedure.
// Children: Controls() lists windowed and windowless children in z-order
// (bottom first). The parent reflects notifications to the child that sent
// them as CN_* messages, paints windowless children (PaintControls) and
// routes mouse messages to them, sending CM_MOUSEENTER/CM_MOUSELEAVE as the
// mouse moves between them.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/controls/Control.h"
#include "classlib/graphics/BrushPen.h"

namespace classlib {

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSW WindowClass{};
  std::wstring WinClassName;
  // The system class being subclassed; empty for a plain window.
  std::wstring SysClassName;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created on first use (with the parent's window first).
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Sends CM_RECREATEWND; the window is destroyed and made again with fresh
  // CreateParams when it exists.
  void RecreateWnd();
  // Where a top-level window's owner comes from when WndParent is not set.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND value);

  void DefaultHandler(TMessage& message) override;

  // Children in z-order, windowed and windowless.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;
  // The topmost visible child under a client point (windowless only unless
  // allowWinControls); disabled ones only with allowDisabled.
  TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
  // Sends a message to every child.
  void Broadcast(TMessage& message);

  // Visible here and in every parent, with a window shown.
  bool Showing() const { return showing_; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int value) { tabOrder_ = value; }
  virtual bool CanFocus() const;
  virtual void SetFocus();
  bool Focused() const;

  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  TBrush* Brush() const { return brush_.get(); }
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }

  void SetBounds(int left, int top, int width, int height) override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  // Positions the aligned children in the client area.
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  // Paints the windowless children into dc, each with its origin at its
  // top-left corner and clipped to its bounds (from `first` on).
  void PaintControls(HDC dc, TControl* first);
  void PaintTo(HDC dc, int x, int y);

  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter, OnExit;

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

 protected:
  void WndProc(TMessage& message) override;
  virtual void CreateParams(TCreateParams& params);
  void CreateSubClass(TCreateParams& params, const wchar_t* systemClass);
  virtual void CreateHandle();
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyHandle();
  virtual void DestroyWnd();
  // Runs after the window exists and its visible children's windows are made.
  virtual void CreateWindowDone() {}
  virtual void PaintHandler(TMessage& message);
  virtual void PaintWindow(HDC dc);
  virtual void AlignControls(TControl* control, TRect& rect);
  // Client area left for aligned children.
  virtual void AdjustClientRect(TRect& rect);
  // Keyboard: return true when the key was eaten.
  virtual bool DoKeyDown(WORD& key, TShiftState shift);
  virtual bool DoKeyPress(wchar_t& key);
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(wchar_t& key);
  virtual void DoEnter();
  virtual void DoExit();
  // Shows, hides or creates the window to match Visible and the parent.
  void UpdateShowing();
  // How the window is shown when it becomes visible.
  virtual int ShowCommand() const { return SW_SHOWNA; }
  void Resize() override;
  void UpdateBounds();
  void SetTextBuf(const std::wstring& value) override;
  std::wstring GetText() const override;
  WNDPROC DefWndProc() const { return defWndProc_; }
  void InvalidateControl() override;

 private:
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend class TControl;
  void BindHandle(HWND handle);
  void UnbindHandle();
  // Restacks a window made after a later sibling's, to its place in the list.
  void PlaceAmongSiblings();
  void ReflectNotification(TMessage& message);
  bool RouteMouseToChild(TMessage& message);
  void TrackMouse(TMessage& message);
  void HandleSetCursor(TMessage& message);
  void EraseBackground(TMessage& message);
  void DestroyChildren();
  void ApplyShowing(bool showing);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defWndProc_ = DefWindowProcW;
  std::vector<TControl*> controls_;
  std::unique_ptr<TBrush> brush_;
  bool showing_ = false;
  bool tabStop_ = false;
  int tabOrder_ = -1;
  int borderWidth_ = 0;
  int alignDisabled_ = 0;
  bool doubleBuffered_ = false;
  bool trackingLeave_ = false;
  int anchorWidth_ = -1, anchorHeight_ = -1;
};

// The control bound to a window (null for a foreign window).
TWinControl* FindControl(HWND window);
// The deepest control under a screen point, windowless included; disabled
// controls only with allowDisabled.
TControl* FindDragTarget(TPoint screenPos, bool allowDisabled);
// The control the mouse is over now, as CM_MOUSEENTER last told it.
TControl* MouseControl();

namespace detail {
// Drops every global reference to a control being freed.
void ForgetControl(TControl* control);
}  // namespace detail

}  // namespace classlib
