#include "kcl/components/label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/qtcolor.h"

namespace kcl {

KCL_CLASS_INFO(TCustomLabel) {}

KCL_CLASS_INFO(TLabel) {
  cls.publish({"Align"});
  cls.property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
  cls.property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
  cls.publish({"Caption", "Color", "DragCursor", "DragMode", "Enabled"});
  cls.property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
  cls.publish({"Font", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
  cls.publish({"ShowHint"});
  cls.property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
  cls.property("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
  cls.publish({"Visible"});
  cls.property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
  cls.publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove",
                "OnMouseUp", "OnStartDrag"});
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  FControlStyle = FControlStyle + TControlStyle{csOpaque, csReplicatable};
  SetBounds(0, 0, 65, 13);
}

void TCustomLabel::Changed() {
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment v) {
  if (FAlignment == v) return;
  FAlignment = v;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool v) {
  if (FAutoSize == v) return;
  FAutoSize = v;
  AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* v) {
  FFocusControl = v;
  if (v) v->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::SetLayout(TTextLayout v) {
  if (FLayout == v) return;
  FLayout = v;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool v) {
  if (FShowAccelChar == v) return;
  FShowAccelChar = v;
  Changed();
}

void TCustomLabel::SetTransparent(bool v) {
  if (FTransparent == v) return;
  FTransparent = v;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool v) {
  if (FWordWrap == v) return;
  FWordWrap = v;
  Changed();
}

void TCustomLabel::TextChanged() { Changed(); }

void TCustomLabel::FontChanged() {
  TGraphicControl::FontChanged();
  Changed();
}

void TCustomLabel::InitWidget() {
  TGraphicControl::InitWidget();
  Widget()->setAutoFillBackground(false);  // Paint fills unless transparent
}

void TCustomLabel::ColorChanged() {
  TGraphicControl::ColorChanged();
  if (Widget()) Widget()->setAutoFillBackground(false);
  Invalidate();
}

void TCustomLabel::EnabledChanged() {
  TGraphicControl::EnabledChanged();
  Invalidate();
}

int TCustomLabel::TextFlags() const {
  int flags = FShowAccelChar ? Qt::TextShowMnemonic : 0;
  if (FWordWrap) flags |= Qt::TextWordWrap;
  flags |= FAlignment == taRightJustify ? Qt::AlignRight : FAlignment == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
  flags |= FLayout == tlBottom ? Qt::AlignBottom : FLayout == tlCenter ? Qt::AlignVCenter : Qt::AlignTop;
  return flags;
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || IsLoading()) return;
  std::string text = GetLabelText();
  if (text.empty() || (FShowAccelChar && text == "&")) text += ' ';
  const QFontMetrics metrics(Font()->ToQFont());
  const int wrapWidth = FWordWrap ? std::max(Width(), 1) : 1 << 20;
  const QRect bounds = metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20), TextFlags() & ~Qt::AlignBottom &
                                                                              ~Qt::AlignVCenter, AnsiToQString(text));
  const int lines = std::max(1, static_cast<int>(std::lround(static_cast<double>(bounds.height()) /
                                                             std::max(1, metrics.lineSpacing()))));
  const int width = FWordWrap ? Width() : bounds.width();
  const int height = lines * TextCellHeight(*Font());
  const int left = FAlignment == taRightJustify ? Left() + Width() - width : Left();
  SetBounds(left, Top(), width, height);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  if (!FTransparent) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(ClientRect());
  }
  QPainter* painter = canvas->Painter();
  if (!painter) return;
  painter->save();
  painter->setFont(Font()->ToQFont());
  painter->setPen(ColorToQColor(Enabled() ? Font()->Color() : clGrayText));
  painter->drawText(QRect(0, 0, Width(), Height()), TextFlags(), AnsiToQString(GetLabelText()));
  painter->restore();
}

}  // namespace kcl
