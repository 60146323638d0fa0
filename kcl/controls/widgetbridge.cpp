#include "kcl/controls/widgetbridge.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include "kcl/controls/application.h"
#include "kcl/controls/control.h"
#include "kcl/controls/keys.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

namespace {

// Which control each peer belongs to. A widget's dynamic property would do, but
// reading one searches the widget's class properties by name first, on every
// event. Never freed: widgets may go after static objects at exit.
QHash<const QWidget*, TControl*>& Peers() {
  static auto* peers = new QHash<const QWidget*, TControl*>;
  return *peers;
}

// A widget inside a peer that the peer's bridge routes: not another control's
// peer and not one that keeps its input (known, without a control).
bool IsPartOfPeer(const QWidget* widget) { return !Peers().contains(widget); }

// Enters a widget's control, forgotten when the widget goes.
void AddPeer(QWidget* widget, TControl* control) {
  Peers().insert(widget, control);
  QObject::connect(widget, &QObject::destroyed, [widget, control] {
    if (Peers().value(widget) == control) Peers().remove(widget);
  });
}
const QEvent::Type PostedMessageEvent = static_cast<QEvent::Type>(QEvent::User + 0x4B43);

class TMessageEvent : public QEvent {
public:
  explicit TMessageEvent(const TMessage& message) : QEvent(PostedMessageEvent), Message(message) {}
  TMessage Message;
};

uint32_t MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  uint32_t keys = 0;
  if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
  if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

uint32_t ButtonMessage(Qt::MouseButton button, QEvent::Type type) {
  const int offset = type == QEvent::MouseButtonPress ? 0 : type == QEvent::MouseButtonRelease ? 1 : 2;
  switch (button) {
    case Qt::LeftButton: return WM_LBUTTONDOWN + offset;
    case Qt::RightButton: return WM_RBUTTONDOWN + offset;
    case Qt::MiddleButton: return WM_MBUTTONDOWN + offset;
    default: return WM_NULL;
  }
}

}  // namespace

TWidgetBridge::TWidgetBridge(TControl* control, QWidget* widget) : FControl(control), FWidget(widget) {
  AddPeer(widget, control);
  // Input a control does not take stays with it, as a window's would.
  widget->setAttribute(Qt::WA_NoMousePropagation);
  Watch(widget);
}

TWidgetBridge::~TWidgetBridge() {
  if (Peers().value(FWidget) == FControl) Peers().remove(FWidget);
}

TControl* TWidgetBridge::ControlOf(const QWidget* widget) { return Peers().value(widget, nullptr); }

void TWidgetBridge::Watch(QWidget* widget) {
  widget->installEventFilter(this);
  for (QObject* child : widget->children())
    if (auto* w = qobject_cast<QWidget*>(child); w && IsPartOfPeer(w)) Watch(w);
}

bool TWidgetBridge::eventFilter(QObject* watched, QEvent* event) {
  auto* source = qobject_cast<QWidget*>(watched);
  if (!source || FForwarding) return false;
  if (event->type() == QEvent::ChildAdded) {
    // Widgets a composite peer makes later (a combo box's list) are watched too;
    // other controls' peers have bridges of their own.
    auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
    if (child && IsPartOfPeer(child)) Watch(child);
    return false;
  }
  // A widget watched before it became another control's peer (its parent's bridge
  // saw it arrive) is that control's now.
  if (source != FWidget) {
    const QWidget* peer = source;
    while (peer && !ControlOf(peer)) peer = peer->parentWidget();
    if (peer && ControlOf(peer) != FControl) return false;
  }
  return Route(source, event);
}

// A key goes to the focused control alone: Qt offers a key the focused widget
// did not take to its parents too, which are other controls here.
bool TWidgetBridge::HasKeyboardFocus() const {
  QWidget* focus = QApplication::focusWidget();
  while (focus && !ControlOf(focus)) focus = focus->parentWidget();
  return !focus || ControlOf(focus) == FControl;
}

bool TWidgetBridge::Route(QWidget* source, QEvent* event) {
  TMessage message;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint p = source == FWidget ? mouse->position().toPoint()
                                         : source->mapTo(FWidget, mouse->position().toPoint());
      message = MouseMessageOf(*mouse, p);
      if (message.Msg == WM_NULL) return false;
      break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return HasKeyboardFocus() && RouteKey(*static_cast<QKeyEvent*>(event));
    case QEvent::Paint:
      return source == FWidget && Guarded([this] { return FControl->PaintWidget(); });
    default:
      return false;
  }
  QPointer<QObject> alive(this);
  Guarded([&] {
    FControl->WndProc(message);
    return true;
  });
  // The control may have gone away while it handled the message.
  return !alive || message.Handled;
}

// A key going down is WM_KEYDOWN, then, when it types a character, WM_CHAR: a
// character that KeyPress takes (sets to #0) does not reach the widget, one it
// changes reaches it changed.
bool TWidgetBridge::RouteKey(const QKeyEvent& key) {
  QPointer<QObject> alive(this);
  const auto dispatch = [&](TMessage& message) {
    Guarded([&] {
      FControl->WndProc(message);
      return true;
    });
    return !alive || message.Handled;
  };
  bool handled = false;
  if (const uint16_t vk = VirtualKeyFromQt(key.key()); vk != 0) {
    TMessage down = KeyMessage(key.type() == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP, vk);
    handled = dispatch(down);
    if (!alive) return true;
  }
  if (key.type() != QEvent::KeyPress || key.text().size() != 1) return handled;
  const char typed = cp1252::Encode(key.text())[0];
  TMessage character = KeyMessage(WM_CHAR, static_cast<uint8_t>(typed));
  if (dispatch(character)) return true;
  if (static_cast<char>(character.WParam) == typed || handled) return handled;
  ForwardToWidget(character);
  return true;
}

void TWidgetBridge::KeepOwnInput(QWidget* widget) { AddPeer(widget, nullptr); }

TMessage TWidgetBridge::MouseMessageOf(const QMouseEvent& event, const QPoint& at) {
  const uint32_t msg =
      event.type() == QEvent::MouseMove ? WM_MOUSEMOVE : ButtonMessage(event.button(), event.type());
  return MouseMessage(msg, MouseKeys(event.buttons(), event.modifiers()), at.x(), at.y());
}

bool TWidgetBridge::Guarded(const std::function<bool()>& handler) {
  // An exception must not travel through Qt's event dispatch: the application
  // shows it and goes on, as the framework's message loop does.
  try {
    return handler();
  } catch (const std::exception& e) {
    Application()->HandleException(e);
    return true;
  }
}

void TWidgetBridge::Post(const TMessage& message) {
  QCoreApplication::postEvent(this, new TMessageEvent(message));
}

void TWidgetBridge::customEvent(QEvent* event) {
  if (event->type() != PostedMessageEvent) return;
  const TMessage message = static_cast<TMessageEvent*>(event)->Message;
  Guarded([&] {
    FControl->Perform(message.Msg, message.WParam, message.LParam);
    return true;
  });
}

void TWidgetBridge::ForwardToWidget(const TMessage& message) {
  QWidget* target = FWidget->focusProxy() ? FWidget->focusProxy() : FWidget;
  struct Forwarding {
    bool& Flag;
    explicit Forwarding(bool& flag) : Flag(flag) { Flag = true; }
    ~Forwarding() { Flag = false; }
  } forwarding(FForwarding);
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP: {
      const int qtKey = QtKeyFromVirtualKey(CharCode(message));
      QString text;
      if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_Z) text = QChar(qtKey).toLower();
      QKeyEvent key(message.Msg == WM_KEYDOWN ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
      QApplication::sendEvent(target, &key);
      break;
    }
    case WM_CHAR: {
      const QString text = cp1252::Decode(std::string(1, static_cast<char>(message.WParam)));
      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
      QApplication::sendEvent(target, &key);
      break;
    }
    default:
      break;
  }
}

}  // namespace kcl
