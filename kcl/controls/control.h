#pragma once
// TControl: a component with a place on a parent and a Qt widget as its peer. The
// properties are the truth; setters bring the widget up to date. Geometry is in
// the parent's client coordinates.
#include <memory>
#include <string>

#include "kcl/classes/component.h"
#include "kcl/controls/menus.h"
#include "kcl/controls/controltypes.h"
#include "kcl/controls/messages.h"
#include "kcl/system/colors.h"
#include "kcl/rtl/types.h"

#include <QPointer>
#include <QWidget>

namespace kcl {

class TWinControl;
class TCustomForm;
class TFont;
class TDesigner;
class TWidgetBridge;

class TControl : public TComponent {
  KCL_CLASS(TControl, TComponent)
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  void BeforeDestruction() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  // A control whose text is its name takes the new name as its text too.
  void SetName(const std::string& newName) override;
  void SetParentComponent(TComponent* parent) override;

  // Geometry.
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
  void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
  virtual void SetClientSize(int width, int height);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  // State shown to the user.
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool v);
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign v);
  std::string Caption() const { return FText; }
  void SetCaption(const std::string& v) { SetText(v); }
  std::string Text() const { return FText; }
  void SetText(const std::string& v);
  TColor Color() const { return FColor; }
  void SetColor(TColor v);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* v);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool v);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor v);
  std::string Hint() const { return FHint; }
  void SetHint(const std::string& v) { FHint = v; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool v);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool v);
  TPopupMenu* PopupMenu() const { return FPopupMenuLink.PopupMenu(); }
  void SetPopupMenu(TPopupMenu* menu) { FPopupMenuLink.SetPopupMenu(menu); }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor v) { FDragCursor = v; }
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode v) { FDragMode = v; }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle v) { FControlStyle = v; }
  // Marks a control that stands for a whole component in a designed form
  // (written as "IsControl" when set).
  bool IsControl() const { return FIsControl; }
  void SetIsControl(bool v) { FIsControl = v; }

  // Drawing and stacking.
  void Invalidate();
  void Repaint();
  void Update();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // Messages: Perform delivers at once; PostMessage after the current handler.
  intptr_t Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam);
  void PostMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam);
  virtual void WndProc(TMessage& message);

  // Events.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;
  virtual void Click();

  // The widget peer: created when first needed, once the control has a parent
  // with a widget (a form has its own from the start).
  QWidget* Widget() const { return FWidget; }
  void SetDesigning(bool value) override;
  void Notification(TComponent* component, TOperation operation) override;
  bool HandleAllocated() const { return FWidget != nullptr; }
  void HandleNeeded();
  TCustomForm* GetParentForm() const;

protected:
  // The peer this class shows itself with, made as a child of parentWidget.
  virtual QWidget* CreateWidget(QWidget* parentWidget);
  // Brings every property the peer shows up to date; called after creation.
  virtual void InitWidget();
  virtual void DestroyWidget();
  // Where the peer sits inside the parent's widget (geometry in client coordinates).
  virtual void UpdateWidgetGeometry();
  virtual void UpdateWidgetVisibility();
  virtual void TextChanged() {}
  // Paints the peer during its paint event; false leaves painting to the peer.
  virtual bool PaintWidget() { return false; }
  void DefineProperties(TFiler& filer) override;
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void EnabledChanged();
  // Called when the parent's font or colour changed.
  void ParentFontChanged();
  void ParentColorChanged();

  // Default message handling: the standard mouse events, then the peer's own.
  virtual void DefaultHandler(TMessage& message);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void DblClick();
  bool WantsDesignMessages() const;

  friend class TWinControl;
  friend class TWidgetBridge;

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  QPointer<QWidget> FWidget;  // Qt may delete it with its parent widget
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};

private:
  void SetParentValue(TWinControl* parent) { FParent = parent; }
  void FontOwnChanged();

  bool FVisible = true;
  bool FEnabled = true;
  TAlign FAlign = alNone;
  std::string FText;
  TColor FColor = clWindow;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FSettingParentFont = false;
  TCursor FCursor = crDefault;
  TCursor FDragCursor = crDrag;
  TDragMode FDragMode = dmManual;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  bool FIsControl = false;
  std::unique_ptr<TWidgetBridge> FBridge;
  TPopupMenuLink FPopupMenuLink{this};
};

}  // namespace kcl
