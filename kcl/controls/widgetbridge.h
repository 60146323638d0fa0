#pragma once
// TWidgetBridge: sits between a control and its Qt peer. It turns the input Qt
// delivers to the peer (and to the widgets inside it) into message records for
// the control's WndProc, delivers posted messages, and forwards messages the
// framework sends (Perform, PostMessage) to the peer as Qt input.
#include <QObject>
#include <functional>

#include "kcl/controls/messages.h"

class QKeyEvent;
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

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void customEvent(QEvent* event) override;

private:
  void Watch(QWidget* widget);
  bool Route(QWidget* source, QEvent* event);
  bool RouteKey(const QKeyEvent& key);
  bool HasKeyboardFocus() const;
  bool Guarded(const std::function<bool()>& handler);

  TControl* FControl;
  QWidget* FWidget;
  bool FForwarding = false;
};

}  // namespace kcl
