#pragma once
// TWidgetBridge: sits between a control and its Qt peer. It turns the input Qt
// delivers to the peer (and to the widgets inside it) into message records for
// the control's WndProc, delivers posted messages, and forwards messages the
// framework sends (Perform, PostMessage) to the peer as Qt input.
#include <QObject>
#include <functional>

#include "kcl/controls/messages.h"

class QKeyEvent;
class QMouseEvent;
class QPoint;
class QWidget;

namespace kcl {

class TControl;

class TWidgetBridge : public QObject {
public:
  TWidgetBridge(TControl* control, QWidget* widget);
  ~TWidgetBridge() override;

  // The control whose peer this widget is; nullptr for other widgets.
  static TControl* ControlOf(const QWidget* widget);
  // Queues the message; it reaches WndProc after the current handler returns.
  void Post(const TMessage& message);
  // Hands a message that did not come from Qt to the peer as Qt input.
  void ForwardToWidget(const TMessage& message);

  // Marks a widget that takes its input itself, though it lies inside a
  // control's peer (a layer drawn over the children): no bridge routes it. Mark
  // it before it gets its parent.
  static void KeepOwnInput(QWidget* widget);
  // The message for a Qt mouse event at a client point of the control it goes
  // to; WM_NULL for a button the framework has no message for.
  static TMessage MouseMessageOf(const QMouseEvent& event, const QPoint& at);
  // Runs a control's handler for input; an exception is the application's to
  // show and never travels through Qt's event dispatch.
  static bool Guarded(const std::function<bool()>& handler);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void customEvent(QEvent* event) override;

private:
  void Watch(QWidget* widget);
  bool Route(QWidget* source, QEvent* event);
  bool RouteKey(const QKeyEvent& key);
  bool HasKeyboardFocus() const;

  TControl* FControl;
  QWidget* FWidget;
  bool FForwarding = false;
};

}  // namespace kcl
