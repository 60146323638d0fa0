#include "ide/designer/grabhandlelayer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>
#include <unordered_map>

#include "ide/designer/grabhandles.h"
#include "kcl/controls/qtconvert.h"
#include "kcl/controls/widgetbridge.h"
#include "kcl/controls/wincontrol.h"
#include "kcl/graphics/canvas.h"

namespace korvax::designer {

using namespace kcl;

namespace {

// Beyond this many squares to draw again, their bounding rectangle is cheaper.
constexpr size_t ManyAreas = 32;

std::unordered_map<const QWidget*, TGrabHandleLayer*>& Layers() {
  static std::unordered_map<const QWidget*, TGrabHandleLayer*> layers;
  return layers;
}

QRect SquareOf(const TGrabHandle* handle) {
  return {handle->Left(), handle->Top(), handle->Width(), handle->Height()};
}

bool Shows(const TGrabHandle* handle) { return handle->Visible() && handle->Handles && handle->Handles->Visible; }

}  // namespace

TGrabHandleLayer* TGrabHandleLayer::For(TWinControl* parent) {
  if (!parent || !parent->HandleAllocated()) return nullptr;
  QWidget* client = parent->ClientWidget();
  auto& layer = Layers()[client];
  if (!layer) layer = new TGrabHandleLayer(client);
  return layer;
}

TGrabHandleLayer::TGrabHandleLayer(QWidget* parentWidget) : FClient(parentWidget) {
  // The presses on the handles are theirs, not the parent control's.
  TWidgetBridge::KeepOwnInput(this);
  setParent(parentWidget);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);  // the cursor follows the handle under it
  hide();  // until a handle shows
}

TGrabHandleLayer::~TGrabHandleLayer() { Layers().erase(FClient); }

void TGrabHandleLayer::Add(TGrabHandle* handle) {
  FHandles.push_back(handle);
  Changed(SquareOf(handle));
}

void TGrabHandleLayer::Remove(TGrabHandle* handle) {
  // Sets go in the reverse order they came in, so the search is short.
  const auto found = std::find(FHandles.rbegin(), FHandles.rend(), handle);
  if (found == FHandles.rend()) return;
  FHandles.erase(std::next(found).base());
  if (FPressed == handle) FPressed = nullptr;
  Changed(SquareOf(handle));
}

void TGrabHandleLayer::Changed(const QRect& area) {
  FDirty.push_back(area);
  if (FReshapePending) return;
  FReshapePending = true;
  QMetaObject::invokeMethod(this, [this] { Reshape(); }, Qt::QueuedConnection);
}

void TGrabHandleLayer::Reshape() {
  FReshapePending = false;
  std::vector<QRect> squares;
  squares.reserve(FHandles.size());
  for (const TGrabHandle* handle : FHandles)
    if (Shows(handle)) squares.push_back(SquareOf(handle));
  // In reading order most squares join the region at its end, which is quick.
  std::sort(squares.begin(), squares.end(),
            [](const QRect& a, const QRect& b) { return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left(); });
  QRegion shape;
  for (const QRect& square : squares) shape += square;
  if (shape.isEmpty()) {
    hide();  // an empty mask would be no mask: the layer would take every press
  } else {
    // Handles lie within the parent: the layer follows its size when they change.
    setGeometry(parentWidget()->rect());
    setMask(shape);
    if (parentWidget()->children().constLast() != this) raise();
    show();
  }
  if (FDirty.size() > ManyAreas) {
    QRect all;
    for (const QRect& area : FDirty) all |= area;
    parentWidget()->update(all);
  } else {
    for (const QRect& area : FDirty) parentWidget()->update(area);
  }
  FDirty.clear();
}

TGrabHandle* TGrabHandleLayer::HandleAt(const QPoint& p) const {
  for (auto it = FHandles.rbegin(); it != FHandles.rend(); ++it)
    if (Shows(*it) && SquareOf(*it).contains(p)) return *it;
  return nullptr;
}

void TGrabHandleLayer::paintEvent(QPaintEvent* event) {
  TCanvas canvas;
  TCanvasPaint painting(canvas, this);
  for (const TGrabHandle* handle : FHandles)
    if (Shows(handle) && SquareOf(handle).intersects(event->rect())) handle->PaintOn(canvas);
}

void TGrabHandleLayer::mousePressEvent(QMouseEvent* event) {
  FPressed = HandleAt(event->position().toPoint());
  if (FPressed) Deliver(FPressed, event);
}

void TGrabHandleLayer::mouseMoveEvent(QMouseEvent* event) {
  if (FPressed) return Deliver(FPressed, event);
  const TGrabHandle* under = HandleAt(event->position().toPoint());
  ApplyCursor(this, under ? under->Cursor() : crDefault);
}

void TGrabHandleLayer::mouseReleaseEvent(QMouseEvent* event) {
  TGrabHandle* pressed = FPressed;
  FPressed = nullptr;
  if (pressed) Deliver(pressed, event);
}

void TGrabHandleLayer::Deliver(TGrabHandle* handle, QMouseEvent* event) {
  TMessage message = TWidgetBridge::MouseMessageOf(*event, event->position().toPoint() - SquareOf(handle).topLeft());
  if (message.Msg == WM_NULL) return;
  TWidgetBridge::Guarded([&] {
    handle->WndProc(message);
    return true;
  });
}

}  // namespace korvax::designer
