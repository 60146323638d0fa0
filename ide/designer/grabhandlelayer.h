#pragma once
// The grab handles lying on one parent control, drawn by one widget above the
// parent's children. A window of its own for every handle (eight per selected
// control) made selecting a thousand controls take over half a second. The layer
// takes the shape of the visible handles, so presses beside them reach the
// controls below, and hands the presses on them to the handle hit.
#include <QRegion>
#include <QWidget>
#include <vector>

namespace kcl {
class TWinControl;
}

namespace korvax::designer {

class TGrabHandle;

class TGrabHandleLayer : public QWidget {
public:
  // The layer on parent's client area, made when first asked for; nullptr for a
  // parent without a widget.
  static TGrabHandleLayer* For(kcl::TWinControl* parent);
  ~TGrabHandleLayer() override;

  void Add(TGrabHandle* handle);
  void Remove(TGrabHandle* handle);
  // Something changed where a handle was or is now: its square is drawn again
  // and the layer reshaped once the current input has been handled.
  void Changed(const QRect& area);

  // The visible handle on top at a point of the parent's client area.
  TGrabHandle* HandleAt(const QPoint& p) const;
  int HandleCount() const { return static_cast<int>(FHandles.size()); }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  explicit TGrabHandleLayer(QWidget* parentWidget);
  void Reshape();
  // Passes a mouse event to a handle in the handle's own coordinates.
  void Deliver(TGrabHandle* handle, QMouseEvent* event);

  const QWidget* FClient;  // the parent's client area, the layer's key
  std::vector<TGrabHandle*> FHandles;  // later ones on top
  TGrabHandle* FPressed = nullptr;
  std::vector<QRect> FDirty;
  bool FReshapePending = false;
};

}  // namespace korvax::designer
