#pragma once
// Forms: top-level windows owned by the application window.
//
// A form class made through New<T>(owner) (or Application->CreateForm) reads
// the form description stored as the RCDATA resource named after its class
// ("TForm1") when there is one, then runs OnCreate. A form made with
// createNew = true, or whose class has no resource, is built at run time.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Icon.h"

namespace classlib {

class TMainMenu;  // classlib/menus/Menus.h
class TMenuItem;

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
  poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// The monitor a form lies on.
class TMonitor {
 public:
  explicit TMonitor(HMONITOR monitor) : monitor_(monitor) {}
  HMONITOR Handle() const { return monitor_; }
  TRect BoundsRect() const;
  TRect WorkareaRect() const;

 private:
  HMONITOR monitor_;
};

// Menu messages of a form (WM_COMMAND from a menu, WM_MEASUREITEM and
// WM_DRAWITEM of menu items, WM_INITMENUPOPUP, WM_MENUSELECT) go to the menu
// layer's DispatchMenuMessage through the virtual DispatchMenu; a skin
// provider that swaps WindowProc sees them first.
class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner, bool createNew = false);
  ~TCustomForm() override;
  void AfterConstruction() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle value);
  // --- MDI (FormsMDI.cpp). An fsMDIForm window holds the MDI client
  // window, made with the form's window; its children are fsMDIChild forms.
  HWND ClientHandle() const;
  int MDIChildCount() const;
  TCustomForm* MDIChildren(int index) const;
  TCustomForm* ActiveMDIChild() const;
  // The menu item whose sub-menu lists the MDI children of an fsMDIForm
  // (the system appends the list to it); null when none.
  TMenuItem* WindowMenu() const { return windowMenu_; }
  void SetWindowMenu(TMenuItem* item);
  void DefaultHandler(TMessage& message) override;
  TWindowState WindowState() const;
  void SetWindowState(TWindowState value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TIcon* Icon() const { return icon_.get(); }
  void SetIcon(const TIcon* icon) { icon_->Assign(icon); }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value);
  uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(uint8_t value);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  TCanvas* Canvas() const { return canvas_.get(); }
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  bool Active() const { return active_; }
  bool Modal() const { return modal_; }
  TMonitor* Monitor();
  // Stored by form descriptions; the layout does not scale.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int value) { textHeight_ = value; }

  TRect ClientRect() const override;
  void SetClientWidth(int value) override;
  void SetClientHeight(int value) override;

  // Show makes the form visible and brings it to the front.
  void Show();
  void Close();
  // Shows the form with every other window of the thread disabled until
  // ModalResult becomes non-zero; returns it.
  TModalResult ShowModal();
  // Frees the form once the messages now queued are handled.
  void Release();
  bool CloseQuery();
  // Moves the focus to the next (or previous) tab stop.
  void SelectNext(TWinControl* current, bool forward);

  // Called by a control of this form that got the focus.
  void FocusControlChanged(TWinControl* control);

  TNotifyEvent OnCreate, OnDestroy, OnShow, OnHide, OnActivate, OnDeactivate, OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWindowDone() override;
  void PaintWindow(HDC dc) override;
  int ShowCommand() const override;
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void Paint();
  // True when the message belonged to a menu and was answered.
  virtual bool DispatchMenu(TMessage& message);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void CloseModal();
  void CenterOnWorkArea();
  TSize FrameSize() const;
  void ApplyAlphaBlend();
  void AttachMenu();
  bool BroadcastDialogKey(TWinControl* parent, TMessage& message);

  bool createNew_;
  bool created_ = false;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TFormStyle formStyle_ = fsNormal;
  HWND clientHandle_ = nullptr;
  TMenuItem* windowMenu_ = nullptr;
  void CreateMDIClient();
  // Tells the MDI client which sub-menu holds its window list.
  void AttachWindowMenu();
  std::vector<TCustomForm*> MDIChildList() const;
  TWindowState windowState_ = wsNormal;
  TPosition position_ = poDesigned;
  std::unique_ptr<TIcon> icon_;
  TMainMenu* menu_ = nullptr;
  bool alphaBlend_ = false;
  uint8_t alphaBlendValue_ = 255;
  bool keyPreview_ = false;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool active_ = false;
  std::unique_ptr<TCanvas> canvas_;
  TWinControl* activeControl_ = nullptr;
  std::unique_ptr<TMonitor> monitor_;
  int pendingClientWidth_ = -1, pendingClientHeight_ = -1;
  int pixelsPerInch_ = 96;
  int textHeight_ = 13;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

}  // namespace classlib
