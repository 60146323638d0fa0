#include "kcl/components/itemdelegate.h"

#include <QPainter>

#include "kcl/controls/control.h"
#include "kcl/graphics/canvas.h"

namespace kcl {

void TItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (!FItems->IsOwnerDraw()) return QStyledItemDelegate::paint(painter, option, index);
  TOwnerDrawState state;
  if (option.state & QStyle::State_Selected) state.Include(odSelected);
  if (option.state & QStyle::State_HasFocus) state.Include(odFocused);
  if (!(option.state & QStyle::State_Enabled)) state.Include(odDisabled);
  const QRect r = option.rect;
  FItems->PaintItem(*painter, index.row(), Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1), state);
}

QSize TItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(FItems->MeasureItem(index.row()));
  return size;
}

void PaintOwnerDrawnItem(TCanvas& canvas, const TControl& control, QPainter& painter, const TRect& rect,
                         TOwnerDrawState state, const std::function<void()>& draw) {
  // A canvas paints with a painter of its own, so the item is drawn on an image
  // that the view's painter then shows.
  QImage image(std::max(rect.Width(), 1), std::max(rect.Height(), 1), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    TCanvasPaint paint(canvas, &image);
    canvas.Painter()->translate(-rect.Left, -rect.Top);
    canvas.SetFont(control.Font());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(state.Contains(odSelected) ? clHighlight : control.Color());
    if (state.Contains(odSelected)) canvas.Font()->SetColor(clHighlightText);
    draw();
    if (state.Contains(odFocused)) canvas.DrawFocusRect(rect);
  }
  painter.drawImage(rect.Left, rect.Top, image);
}

}  // namespace kcl
