#pragma once
// TControl: the root of every visible control, windowed or not.
//
// Messages: Perform() calls WindowProc, a replaceable closure that defaults to
// the virtual WndProc; WndProc handles what it knows and ends in the virtual
// DefaultHandler. Code above (skin providers, adapters) swaps WindowProc and
// chains to the saved one. Setters that change nothing do nothing; changes
// are announced with CM_* notifications sent through Perform, so a swapped
// WindowProc sees them.
#include <windows.h>

#include <memory>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/controls/ControlTypes.h"
#include "classlib/controls/Messages.h"
#include "classlib/controls/SizeConstraints.h"
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Font.h"

namespace classlib {

class TWinControl;
class TCustomForm;
class TPopupMenu;  // classlib/menus/Menus.h

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Messages.
  const TWndMethod& WindowProc() const { return windowProc_; }
  // An empty closure puts the default (the virtual WndProc) back.
  void SetWindowProc(TWndMethod proc);
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void DefaultHandler(TMessage& message);

  // Position and size, relative to the parent's client area (forms: screen).
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }

  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  virtual void SetClientWidth(int value);
  virtual void SetClientHeight(int value);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // The form this control lies on (itself for a form), or null.
  TCustomForm* GetParentForm() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* font) { font_->Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& value) { SetText(value); }
  std::wstring Text() const { return GetText(); }
  void SetText(const std::wstring& value);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value) { anchors_ = value; }
  TSizeConstraints* Constraints() const { return constraints_.get(); }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  // Shown on a right click (WM_CONTEXTMENU) unless OnContextPopup handles it.
  void SetPopupMenu(TPopupMenu* value);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& value) { hint_ = value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value) { parentShowHint_ = value; }
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool value);

  TControlStyle& ControlStyle() { return controlStyle_; }
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
  TControlState& ControlState() { return controlState_; }
  TControlState ControlState() const { return controlState_; }

  TBiDiMode BiDiMode() const { return bidiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool UseRightToLeftReading() const { return bidiMode_ != bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return bidiMode_ == bdRightToLeft; }
  // DT_RTLREADING when the text reads right to left, else 0.
  UINT DrawTextBiDiModeFlagsReadingOnly() const;

  // Painting: Invalidate sends CM_INVALIDATE (with or without a handle).
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  virtual void Click();
  virtual void DblClick();
  // True when the mouse is over the control (CM_MOUSEENTER seen last).
  bool MouseInControl() const;

  // Events.
  TNotifyEvent OnClick, OnDblClick, OnResize, OnMouseEnter, OnMouseLeave;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TContextPopupEvent OnContextPopup;

  // Form description hooks.
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }
  void Loaded() override;

 protected:
  virtual void WndProc(TMessage& message);

  virtual std::wstring GetText() const { return text_; }
  // Stores a new text; windowed controls also give it to their window.
  virtual void SetTextBuf(const std::wstring& value) { text_ = value; }

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void DoContextPopup(TPoint mousePos, bool& handled);
  virtual void Resize();
  // The size AutoSize would give, or false to keep the current size.
  virtual bool CanAutoSize(int& newWidth, int& newHeight);
  void AdjustSize();
  // Repaints the control's area in its parent (graphic controls).
  virtual void InvalidateControl();
  virtual void VisibleChanging() {}
  // Clamps a proposed size to Constraints.
  void ApplyConstraints(int& width, int& height) const;
  // Moves the stored bounds without touching a window.
  void StoreBounds(int left, int top, int width, int height);
  void RequestAlign();
  void Notification(TComponent* component, TOperation operation) override;

  std::wstring text_;

 private:
  friend class TWinControl;
  void FontChanged();
  void HandleMouseMessage(TMessage& message);
  void HandleContextMenu(TMessage& message);
  void HandleParentChanged(UINT msg);

  TWndMethod windowProc_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TWinControl* parent_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool takingParentFont_ = false;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  std::unique_ptr<TSizeConstraints> constraints_;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  std::wstring hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  bool autoSize_ = false;
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;
  TBiDiMode bidiMode_ = bdLeftToRight;
};

}  // namespace classlib
