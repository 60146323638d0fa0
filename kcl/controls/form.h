#pragma once
// TCustomForm and TForm: top-level windows. The window's frame is the framework's
// own (Windows 95 metrics), so Width and Height include it and ClientWidth and
// ClientHeight are what Delphi would report, whatever the window system draws.
#include <memory>
#include <string>

#include "kcl/controls/scrollingwincontrol.h"
#include "kcl/controls/controlcanvas.h"
#include "kcl/graphics/icon.h"

namespace kcl {

class TDesigner;
class TFormWindow;

KCL_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
KCL_SET(TBorderIcons, TBorderIcon)
KCL_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
KCL_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter)
KCL_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
KCL_ENUM(TPrintScale, poNone, poProportional, poPrintToFit)
KCL_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)

using TCloseEvent = TEvent<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = TEvent<void(TObject* sender, bool& canClose)>;
const TTypeInfo* TCloseEventType();
const TTypeInfo* TCloseQueryEventType();

// A form carries the scroll bars of a scrolling control for its file's sake; its
// window does not scroll.
class TCustomForm : public TScrollingWinControl {
  KCL_CLASS(TCustomForm, TScrollingWinControl)
public:
  explicit TCustomForm(TComponent* owner);
  void BeforeDestruction() override;
  ~TCustomForm() override;

  TDesigner* Designer() const { return FDesigner; }
  void SetDesigner(TDesigner* designer) { FDesigner = designer; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool v) { FKeyPreview = v; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons v);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle v);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition v) { FPosition = v; }
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v) { FModalResult = v; }
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int v) { FPixelsPerInch = v; }
  // A sizeable form scrolls by default; changing the border style resets
  // AutoScroll. Such a form, or one with a scroll range, keeps its outer size in
  // its file, any other its client size.
  bool IsFormSizeStored() const;
  std::string HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& v) { FHelpFile = v; }
  TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(TIcon* icon) { FIcon->Assign(icon); }
  TMenuItem* ObjectMenuItem() const { return FObjectMenuItem; }
  void SetObjectMenuItem(TMenuItem* item);
  TMenuItem* WindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(TMenuItem* item);
  TPrintScale PrintScale() const { return FPrintScale; }
  void SetPrintScale(TPrintScale v) { FPrintScale = v; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool v) { FScaled = v; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState v) { FWindowState = v; }
  // The height of a line of the form's font as the file gives it; measured
  // again once the font changes.
  int TextHeight() const;
  // Whether the file read wrote PixelsPerInch among the properties, and whether
  // the font is written.
  bool PixelsPerInchAmongProperties() const { return FPixelsPerInchPublished; }
  bool FontStored() const { return !ParentFont() && FFontStored; }

  TRect ClientRect() const override;
  // The controls first, then the owned components without a parent (menus, dialogs).
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void Notification(TComponent* component, TOperation operation) override;
  TPoint ClientOrigin() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetClientSize(int width, int height) override;
  void Loaded() override;

  void Show();
  void Close();
  bool CloseQuery();
  // Shows the form and runs until ModalResult is set (or the form is closed,
  // which gives mrCancel); returns ModalResult.
  TModalResult ShowModal();
  bool Showing() const;

  // Builds the form from a text form layout: the root's properties, its
  // components (bound to published fields by name) and its events (bound to
  // published methods by name); then OnCreate runs.
  void LoadFromLayout(const std::string& dfmText);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnResize;
  TNotifyEvent OnPaint;

  // Inside OnPaint it draws on the form; outside, on the form's overlay.
  TCanvas* Canvas() const { return FCanvas.get(); }
  TControlCanvas* ControlCanvas() const { return FCanvas.get(); }
  QWidget* Window() const;
  QWidget* ClientWidget() const override { return FWidget; }

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void UpdateWidgetGeometry() override;
  void UpdateWidgetVisibility() override;
  void TextChanged() override;
  void FontChanged() override;
  bool PaintWidget() override;
  void DefineProperties(TFiler& filer) override;
  void PropertiesRead(const std::vector<std::string>& names) override;
  virtual void DoCreate() { OnCreate(this); }
  virtual void DoShow() { OnShow(this); }
  virtual void DoClose(TCloseAction& action) { OnClose(this, action); }
  // The window became the active one, or stopped being it.
  virtual void Activate() { OnActivate(this); }
  virtual void Deactivate() { OnDeactivate(this); }
  // Paint draws the client area on Canvas when PaintsItself; otherwise the
  // window's peer paints it.
  virtual bool PaintsItself() const { return OnPaint.Assigned(); }
  // Whether Show places the form as its Position says (a form under design
  // stays where its file puts it).
  virtual bool PlacedByPosition() const { return true; }
  virtual void Paint() { OnPaint(this); }
  // The frame's thickness and the caption's height, for the border style.
  void FrameMetrics(int& frameX, int& frameY, int& caption) const;

private:
  friend class TFormWindow;
  void WindowResized(int clientWidth, int clientHeight);

  TDesigner* FDesigner = nullptr;
  bool FKeyPreview = false;
  TWinControl* FActiveControl = nullptr;
  TMainMenu* FMenu = nullptr;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  TModalResult FModalResult = mrNone;
  int FPixelsPerInch = 96;
  std::string FHelpFile;
  std::unique_ptr<TIcon> FIcon;
  TMenuItem* FObjectMenuItem = nullptr;
  TMenuItem* FWindowMenu = nullptr;
  TPrintScale FPrintScale = poProportional;
  bool FScaled = true;
  TWindowState FWindowState = wsNormal;
  // What the form's file held, so that it is written back the same way: files
  // of the framework's previous version write PixelsPerInch among the
  // properties, and some leave out the font and TextHeight.
  int FTextHeight = 0;
  bool FPixelsPerInchPublished = false;
  bool FFontStored = true;
  bool FTextHeightStored = true;
  // A client size read from a file waits until the menu is known.
  int FLoadedClientWidth = 0;
  int FLoadedClientHeight = 0;
  bool FInModal = false;
  bool FFreeOnClose = false;
  TFormWindow* FWindow = nullptr;
  std::unique_ptr<TControlCanvas> FCanvas;
};

class TForm : public TCustomForm {
  KCL_CLASS(TForm, TCustomForm)
public:
  using TCustomForm::TCustomForm;
};

}  // namespace kcl
