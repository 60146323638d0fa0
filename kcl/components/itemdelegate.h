#pragma once
// The item delegate of list and combo box peers: row heights from the control,
// and owner-drawn items painted by the control through its canvas.
#include <QStyledItemDelegate>
#include <functional>

#include "kcl/components/stdtypes.h"

namespace kcl {

class TCanvas;
class TControl;

class TOwnerDrawItems {
public:
  virtual bool IsOwnerDraw() const = 0;
  virtual int MeasureItem(int index) = 0;
  virtual void PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state) = 0;

protected:
  ~TOwnerDrawItems() = default;
};

class TItemDelegate : public QStyledItemDelegate {
public:
  TItemDelegate(QObject* parent, TOwnerDrawItems* items) : QStyledItemDelegate(parent), FItems(items) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  TOwnerDrawItems* FItems;
};

// Runs draw on canvas painting into rect of painter: the canvas draws in the
// coordinates of painter's device, with the control's font and colour and the
// highlight colours for a selected item.
void PaintOwnerDrawnItem(TCanvas& canvas, const TControl& control, QPainter& painter, const TRect& rect,
                         TOwnerDrawState state, const std::function<void()>& draw);

}  // namespace kcl
