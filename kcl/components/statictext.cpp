#include "kcl/components/statictext.h"

#include <QFontMetrics>

#include "kcl/components/extctrls.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

KCL_CLASS_INFO(TCustomStaticText) {}

KCL_CLASS_INFO(TStaticText) {
  using T = TStaticText;
  cls.publish({"Align"});
  cls.property("Alignment", &T::Alignment, &T::SetAlignment).Default(taLeftJustify);
  cls.property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(sbsNone);
  cls.publish({"Caption", "Color", "DragCursor", "DragMode", "Enabled"});
  cls.property("FocusControl", &T::FocusControl, &T::SetFocusControl);
  cls.publish({"Font", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ShowAccelChar", &T::ShowAccelChar, &T::SetShowAccelChar).Default(true);
  cls.publish({"ShowHint", "TabOrder", "TabStop", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TCustomStaticText::TCustomStaticText(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable, csDoubleClicks};
  SetBounds(0, 0, 65, 17);
}

void TCustomStaticText::SetAlignment(TAlignment v) {
  FAlignment = v;
  Invalidate();
}

void TCustomStaticText::SetAutoSize(bool v) {
  FAutoSize = v;
  AdjustBounds();
}

void TCustomStaticText::SetBorderStyle(TStaticBorderStyle v) {
  FBorderStyle = v;
  Invalidate();
}

void TCustomStaticText::SetFocusControl(TWinControl* v) {
  FFocusControl = v;
  if (v) v->FreeNotification(this);
}

void TCustomStaticText::SetShowAccelChar(bool v) {
  FShowAccelChar = v;
  AdjustBounds();
  Invalidate();
}

void TCustomStaticText::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TCustomStaticText::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TCustomStaticText::FontChanged() {
  TCustomControl::FontChanged();
  AdjustBounds();
  Invalidate();
}

void TCustomStaticText::AdjustBounds() {
  if (!FAutoSize || IsLoading()) return;
  const QFontMetrics metrics(Font()->ToQFont());
  const int flags = FShowAccelChar ? Qt::TextShowMnemonic : 0;
  const int textWidth = metrics.size(flags, AnsiToQString(Caption())).width();
  // Two border widths on each side, whatever the border style.
  SetBounds(Left(), Top(), textWidth + 4, TextCellHeight(*Font()) + 4);
}

void TCustomStaticText::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rect = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(rect);
  if (FBorderStyle == sbsSingle) Frame3D(canvas, rect, clWindowFrame, clWindowFrame, 1);
  else if (FBorderStyle == sbsSunken) Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
  QPainter* painter = canvas.Painter();
  if (!painter) return;
  int flags = Qt::TextWordWrap | Qt::AlignTop | (FShowAccelChar ? Qt::TextShowMnemonic : 0);
  flags |= FAlignment == taRightJustify ? Qt::AlignRight : FAlignment == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
  painter->save();
  painter->setFont(Font()->ToQFont());
  painter->setPen(ColorToQColor(Enabled() ? Font()->Color() : clGrayText));
  painter->drawText(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), flags, AnsiToQString(Caption()));
  painter->restore();
}

}  // namespace kcl
