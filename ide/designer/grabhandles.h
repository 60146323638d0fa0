#pragma once
// The grab handles of a selected control: eight small squares around it (or,
// when several controls are selected, its four corners inset and grey). Dragging
// a handle of a single selection resizes the control with an XOR outline on the
// design form; the new bounds apply on release.
#include <QPointer>
#include <array>

#include "ide/designer/grabhandlelayer.h"
#include "kcl/controls/customcontrol.h"
#include "kcl/system/colors.h"

namespace kcl {
class TCanvas;
}

namespace korvax::designer {

class TGrabHandles;
class TProxyForm;

class TGrabHandle : public kcl::TCustomControl {
  KCL_CLASS(TGrabHandle, kcl::TCustomControl)
public:
  // Beside the control on its parent, drawn on the parent's handle layer rather
  // than in a window of its own, and not among the parent's controls. The set
  // frees its handles; owned by nobody, they cost the form's other components
  // nothing when they come and go.
  TGrabHandle(kcl::TControl* control, int position, TGrabHandles* handles);
  ~TGrabHandle() override;
  void SetParent(kcl::TWinControl* parent) override;

  int Position = 0;  // 0 bottom left, then clockwise to 7 bottom middle
  kcl::TControl* Control = nullptr;
  bool Dragging = false;
  kcl::TPoint GrabOffset{0, 0};
  // The resize's outline, in the coordinates of the control's parent.
  kcl::TRect DragRect;
  int HalfSize = 3;
  TGrabHandles* Handles = nullptr;
  kcl::TColor HandleColor = 0;
  bool Inset = false;

  // The handle's centre on the control's outline (corners 2 pixels inside when Inset).
  kcl::TPoint Centre() const;
  virtual void UpdatePosition();

  // Half a handle's side at a screen resolution: 3 pixels at 96 pixels per inch.
  static int HalfSizeFor(int pixelsPerInch);
  // bounds with the edges of the handle at position moved to p; an edge dragged
  // past the opposite one flips the rectangle.
  static kcl::TRect ResizedRect(const kcl::TRect& bounds, int position, kcl::TPoint p);

  // Fills the handle's square with its colour on the layer's canvas.
  void PaintOn(kcl::TCanvas& canvas) const;
  // The colour or the set's visibility changed: the square is drawn again.
  void Redraw();

protected:
  void MouseDown(kcl::TMouseButton button, kcl::TShiftState shift, int x, int y) override;
  void MouseMove(kcl::TShiftState shift, int x, int y) override;
  void MouseUp(kcl::TMouseButton button, kcl::TShiftState shift, int x, int y) override;
  // The handle's peer is its square on the layer.
  void UpdateWidgetGeometry() override;
  void UpdateWidgetVisibility() override;

private:
  // The form the control is designed on.
  TProxyForm* DesignForm() const;
  kcl::TRect FormOutline() const;

  QPointer<TGrabHandleLayer> FLayer;
  QRect FShown;  // the square the layer last heard of
};

class TGrabHandles {
public:
  explicit TGrabHandles(kcl::TControl* control);
  ~TGrabHandles();
  TGrabHandles(const TGrabHandles&) = delete;
  TGrabHandles& operator=(const TGrabHandles&) = delete;

  std::array<TGrabHandle*, 8> Items{};
  bool Visible = true;
  kcl::TColor Color = 0;
  kcl::TControl* Control = nullptr;
  bool MultiLook = false;

  void SetColor(kcl::TColor color);
  void Hide();
  void Show();
  void Update();
  void SetMultiLook(bool multi);
};

}  // namespace korvax::designer
