#include "kcl/components/extctrls.h"

#include <QPainter>

#include "kcl/components/panelpublish.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  canvas.Pen()->SetWidth(1);
  canvas.Pen()->SetStyle(psSolid);
  --rect.Bottom, --rect.Right;
  for (int i = 0; i < width; ++i) {
    canvas.Pen()->SetColor(topColor);
    const TPoint top[] = {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}};
    canvas.Polyline(top);
    canvas.Pen()->SetColor(bottomColor);
    const TPoint bottom[] = {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}};
    canvas.Polyline(bottom);
    ++rect.Left, ++rect.Top, --rect.Right, --rect.Bottom;
  }
  ++rect.Bottom, ++rect.Right;
}

// --- TPanel

const TTypeInfo* TBevelWidthType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "TBevelWidth", otSLong, 1, INT32_MAX);
  return t;
}

const TTypeInfo* TBorderWidthType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "TBorderWidth", otSLong, 0, INT32_MAX);
  return t;
}

KCL_CLASS_INFO(TCustomPanel) {}

KCL_CLASS_INFO(TPanel) {
  cls.publish({"Align"});
  cls.property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter);
  PublishPanelBorders(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled"});
  cls.property("FullRepaint", &TPanel::FullRepaint, &TPanel::SetFullRepaint).Default(true);
  cls.publish({"Caption", "Color", "Ctl3D", "Font"});
  cls.property("Locked", &TPanel::Locked, &TPanel::SetLocked).Default(false);
  cls.publish({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop",
                "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit",
                "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnResize", &TPanel::OnResize, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,  csSetCaption,
                   csOpaque,          csDoubleClicks, csReplicatable};
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Changed() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment v) {
  FAlignment = v;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
  FBevelInner = v;
  Changed();
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
  FBevelOuter = v;
  Changed();
}

void TCustomPanel::SetBevelWidth(int v) {
  FBevelWidth = std::max(v, 1);
  Changed();
}

void TCustomPanel::SetBorderWidth(int v) {
  FBorderWidth = std::max(v, 0);
  Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v;
  Changed();
}

void TCustomPanel::FontChanged() {
  TCustomControl::FontChanged();
  Invalidate();
}

void TCustomPanel::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  TCustomControl::SetBounds(left, top, width, height);
  if (resized && !IsLoading()) OnResize(this);
}

TRect TCustomPanel::AlignRect() const {
  TRect r = ClientRect();
  int inset = FBorderWidth + (FBorderStyle == bsSingle ? (Ctl3D() ? 2 : 1) : 0);
  if (FBevelOuter != bvNone) inset += FBevelWidth;
  if (FBevelInner != bvNone) inset += FBevelWidth;
  return Rect(r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset);
}

void TCustomPanel::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rect = ClientRect();
  const auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    const bool lowered = cut == bvLowered;
    Frame3D(canvas, rect, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow,
            FBevelWidth);
  };
  if (FBorderStyle == bsSingle) {
    if (Ctl3D()) {
      Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
      Frame3D(canvas, rect, cl3DDkShadow, cl3DLight, 1);
    } else {
      Frame3D(canvas, rect, clWindowFrame, clWindowFrame, 1);
    }
  }
  bevel(FBevelOuter);
  Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
  bevel(FBevelInner);
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(rect);
  QPainter* painter = canvas.Painter();
  if (!painter || Caption().empty()) return;
  const int align = FAlignment == taLeftJustify ? Qt::AlignLeft
                    : FAlignment == taRightJustify ? Qt::AlignRight
                                                   : Qt::AlignHCenter;
  painter->save();
  painter->setFont(Font()->ToQFont());
  painter->setPen(ColorToQColor(Enabled() ? Font()->Color() : clGrayText));
  painter->drawText(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), align | Qt::AlignVCenter,
                    AnsiToQString(Caption()));
  painter->restore();
}

// --- TBevel

KCL_CLASS_INFO(TBevel) {
  cls.publish({"Align", "ParentShowHint"});
  cls.property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(TBevelShape::bsBox);
  cls.publish({"ShowHint"});
  cls.property("Style", &TBevel::Style, &TBevel::SetStyle).Default(TBevelStyle::bsLowered);
  cls.publish({"Visible"});
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape v) {
  FShape = v;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle v) {
  FStyle = v;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas& canvas = *Canvas();
  TColor color1 = FStyle == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
  TColor color2 = FStyle == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
  const int w = Width(), h = Height();
  const auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen()->SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  const auto box = [&](const TRect& r) {
    canvas.Pen()->SetColor(color1);
    const TPoint topLeft[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
    canvas.Polyline(topLeft);
    canvas.Pen()->SetColor(color2);
    const TPoint bottomRight[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
    canvas.Polyline(bottomRight);
  };
  canvas.Pen()->SetWidth(1);
  switch (FShape) {
    case TBevelShape::bsBox: box(Rect(0, 0, w - 1, h - 1)); break;
    case TBevelShape::bsFrame: {
      const TColor first = color1;
      color1 = color2;
      box(Rect(1, 1, w - 1, h - 1));
      color1 = color2 = first;
      box(Rect(0, 0, w - 2, h - 2));
      break;
    }
    case TBevelShape::bsTopLine: line(color1, 0, 0, w, 0), line(color2, 0, 1, w, 1); break;
    case TBevelShape::bsBottomLine: line(color1, 0, h - 2, w, h - 2), line(color2, 0, h - 1, w, h - 1); break;
    case TBevelShape::bsLeftLine: line(color1, 0, 0, 0, h), line(color2, 1, 0, 1, h); break;
    case TBevelShape::bsRightLine: line(color1, w - 2, 0, w - 2, h), line(color2, w - 1, 0, w - 1, h); break;
  }
}

// --- TSplitter

KCL_CLASS_INFO(TSplitter) {
  cls.property("Align", &TSplitter::Align, &TSplitter::SetAlign).Default(alLeft);
  cls.property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(true);
  cls.publish({"Color"});
  cls.republish("Cursor").Default(crHSplit);
  cls.property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize,
               MakeOrdinalType(tkInteger, "NaturalNumber", otSLong, 1, INT32_MAX))
      .Default(30);
  cls.publish({"ParentColor", "Visible"});
  cls.event("OnMoved", &TSplitter::OnMoved, TNotifyEventType());
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle = {csCaptureMouse};
  SetAlign(alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crHSplit);
}

void TSplitter::SetBeveled(bool v) {
  FBeveled = v;
  Invalidate();
}

void TSplitter::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rect = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(rect);
  if (!FBeveled) return;
  if (Align() == alLeft || Align() == alRight) rect = Rect(rect.Left, rect.Top, rect.Left + 2, rect.Bottom);
  else rect = Rect(rect.Left, rect.Top, rect.Right, rect.Top + 2);
  Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
}

TControl* TSplitter::FindControl() const {
  if (!Parent()) return nullptr;
  for (TControl* c : Parent()->Controls()) {
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    const TRect r = c->BoundsRect();
    const bool touches = (Align() == alLeft && r.Right == Left()) || (Align() == alRight && r.Left == Left() + Width()) ||
                         (Align() == alTop && r.Bottom == Top()) || (Align() == alBottom && r.Top == Top() + Height());
    if (touches) return c;
  }
  return nullptr;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  FControl = FindControl();
  FDownPos = {x, y};
  FDragging = FControl != nullptr;
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!FDragging || button != mbLeft) return;
  FDragging = false;
  const bool horizontal = Align() == alLeft || Align() == alRight;
  const int delta = horizontal ? x - FDownPos.X : y - FDownPos.Y;
  const int sign = Align() == alLeft || Align() == alTop ? 1 : -1;
  const int size = horizontal ? FControl->Width() : FControl->Height();
  // What lies beyond the splitter keeps at least MinSize too.
  const TRect client = Parent()->ClientRect();
  const int beyond = Align() == alLeft     ? client.Right - (Left() + Width())
                     : Align() == alRight  ? Left() - client.Left
                     : Align() == alTop    ? client.Bottom - (Top() + Height())
                                           : Top() - client.Top;
  const int newSize = std::max(FMinSize, std::min(size + sign * delta, size + beyond - FMinSize));
  if (newSize == size) return;
  if (horizontal) {
    FControl->SetBounds(Align() == alRight ? FControl->Left() + size - newSize : FControl->Left(), FControl->Top(),
                        newSize, FControl->Height());
  } else {
    FControl->SetBounds(FControl->Left(), Align() == alBottom ? FControl->Top() + size - newSize : FControl->Top(),
                        FControl->Width(), newSize);
  }
  OnMoved(this);
}

}  // namespace kcl
