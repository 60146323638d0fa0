#include "ide/designer/grabhandles.h"

#include <utility>

#include "ide/designer/proxydesigner.h"
#include "ide/designer/proxyform.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/canvas.h"

namespace korvax::designer {

using namespace kcl;

namespace {

constexpr TCursor HandleCursors[8] = {crSizeNESW, crSizeWE, crSizeNWSE, crSizeNS,
                                      crSizeNESW, crSizeWE, crSizeNWSE, crSizeNS};
constexpr TColor MultiSelectionGrey = 0x808080;

bool IsCorner(int position) { return position % 2 == 0; }

}  // namespace

// --- TGrabHandle

KCL_CLASS_INFO(TGrabHandle) {}

TGrabHandle::TGrabHandle(TControl* control, int position, TGrabHandles* handles)
    : TCustomControl(nullptr), Position(position), Control(control), Handles(handles) {
  TControlStyle style = ControlStyle();
  style.Exclude(csOpaque);
  SetControlStyle(style);
  HalfSize = HalfSizeFor(Screen()->PixelsPerInch());
  UpdatePosition();
  SetCursor(HandleCursors[position]);
  SetParent(control->Parent());
}

TGrabHandle::~TGrabHandle() {
  if (FLayer) FLayer->Remove(this);
}

void TGrabHandle::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FLayer) FLayer->Remove(this);
  FParent = parent;
  FLayer = TGrabHandleLayer::For(parent);
  FShown = QRect(Left(), Top(), Width(), Height());
  if (FLayer) FLayer->Add(this);
}

void TGrabHandle::UpdateWidgetGeometry() {
  const QRect now(Left(), Top(), Width(), Height());
  if (FLayer) {
    FLayer->Changed(FShown);
    FLayer->Changed(now);
  }
  FShown = now;
}

void TGrabHandle::UpdateWidgetVisibility() { Redraw(); }

void TGrabHandle::Redraw() {
  if (FLayer) FLayer->Changed(FShown);
}

TPoint TGrabHandle::Centre() const {
  const int l = Control->Left(), t = Control->Top(), w = Control->Width(), h = Control->Height();
  const int inset = Inset ? 2 : 0;
  switch (Position) {
    case 0: return {l + inset, t + h - inset};
    case 1: return {l, t + h / 2};
    case 2: return {l + inset, t + inset};
    case 3: return {l + w / 2, t};
    case 4: return {l + w - inset, t + inset};
    case 5: return {l + w, t + h / 2};
    case 6: return {l + w - inset, t + h - inset};
    default: return {l + w / 2, t + h};
  }
}

void TGrabHandle::UpdatePosition() {
  const TPoint c = Centre();
  SetBounds(c.X - HalfSize, c.Y - HalfSize, 2 * HalfSize, 2 * HalfSize);
}

void TGrabHandle::PaintOn(TCanvas& canvas) const {
  if (!Handles->Visible) return;
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(HandleColor);
  canvas.FillRect(BoundsRect());
}

TProxyForm* TGrabHandle::DesignForm() const { return dynamic_cast<TProxyForm*>(Control->GetParentForm()); }

TRect TGrabHandle::FormOutline() const {
  // DragRect is in the parent's coordinates; the outline is drawn on the form.
  return DesignForm()->ParentToForm(Control, DragRect);
}

void TGrabHandle::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  TProxyForm* form = DesignForm();
  if (button != mbLeft || !form) return;
  Dragging = true;
  const TPoint c = Centre();
  // The press in the parent's coordinates, relative to the handle's centre.
  GrabOffset = {Left() + x - c.X, Top() + y - c.Y};
  Handles->Hide();
  DragRect = Control->BoundsRect();
  form->ConfineCursor();
  form->SetClipChildren(false);
  form->DrawDragRect(FormOutline());
}

void TGrabHandle::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  TProxyForm* form = DesignForm();
  if (!Dragging || !form) return;
  form->DrawDragRect(FormOutline());
  DragRect = ResizedRect(Control->BoundsRect(), Position, {Left() + x - GrabOffset.X, Top() + y - GrabOffset.Y});
  form->DrawDragRect(FormOutline());
}

void TGrabHandle::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  TProxyForm* form = DesignForm();
  if (!Dragging || !form) return;
  form->SetClipChildren(true);
  form->DrawDragRect(FormOutline());
  Dragging = false;
  form->ReleaseCursor();
  TRect r = DragRect;
  if (Control->ControlStyle().Contains(csFixedWidth)) r.Right = r.Left + Control->Width();
  if (Control->ControlStyle().Contains(csFixedHeight)) r.Bottom = r.Top + Control->Height();
  // The handles go with the resize: keep what is needed of this one first.
  TControl* control = Control;
  TGrabHandles* handles = Handles;
  TProxyDesigner* designer = form->ProxyDesigner();
  designer->ControlResized(control, r);
  handles->Show();
  designer->InspectComponent(control, TProxyDesigner::ComponentOf(control));
}

int TGrabHandle::HalfSizeFor(int pixelsPerInch) { return pixelsPerInch / 32; }

TRect TGrabHandle::ResizedRect(const TRect& bounds, int position, TPoint p) {
  TRect r = bounds;
  switch (position) {
    case 0: r.Left = p.X; r.Bottom = p.Y; break;
    case 1: r.Left = p.X; break;
    case 2: r.Left = p.X; r.Top = p.Y; break;
    case 3: r.Top = p.Y; break;
    case 4: r.Top = p.Y; r.Right = p.X; break;
    case 5: r.Right = p.X; break;
    case 6: r.Right = p.X; r.Bottom = p.Y; break;
    default: r.Bottom = p.Y; break;
  }
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  return r;
}

// --- TGrabHandles

TGrabHandles::TGrabHandles(TControl* control) : Control(control) {
  for (int position = 0; position < 8; ++position) Items[static_cast<size_t>(position)] = new TGrabHandle(control, position, this);
}

TGrabHandles::~TGrabHandles() {
  for (TGrabHandle* handle : Items) handle->Free();
}

void TGrabHandles::SetColor(TColor color) {
  if (color == Color) return;
  Color = color;
  Update();
}

void TGrabHandles::Hide() {
  if (!Visible) return;
  Visible = false;
  for (TGrabHandle* handle : Items) handle->Hide();
}

void TGrabHandles::Show() {
  if (Visible) return;
  Visible = true;
  for (TGrabHandle* handle : Items) {
    handle->UpdatePosition();
    handle->HandleColor = Color;
    // In the multi-selection look only the corners show.
    if (!MultiLook || IsCorner(handle->Position)) handle->Show();
    handle->Redraw();
  }
}

void TGrabHandles::Update() {
  if (!Visible) return;
  for (TGrabHandle* handle : Items) {
    handle->HandleColor = Color;
    handle->UpdatePosition();
    handle->Redraw();
  }
}

void TGrabHandles::SetMultiLook(bool multi) {
  if (multi == MultiLook) return;
  MultiLook = multi;
  if (!multi) return;
  Color = MultiSelectionGrey;
  for (TGrabHandle* handle : Items) {
    if (IsCorner(handle->Position)) {
      handle->Inset = true;
      handle->HandleColor = Color;
      handle->UpdatePosition();
      handle->Show();
      handle->Redraw();
    } else {
      handle->Hide();
    }
  }
}

}  // namespace korvax::designer
