#include "runtime/forms/dispatcher.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <exception>
#include <optional>

#include "runtime/core/error.h"
#include "runtime/forms/error_box.h"
#include "runtime/system/platform.h"

namespace rt::forms {
namespace {

// The input that could start a handler, or that places the pointer where
// the next one lands: held while another handler runs.
bool is_input(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Close:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

bool is_plain_move(const QEvent& event) {
  return event.type() == QEvent::MouseMove && static_cast<const QMouseEvent&>(event).buttons() == Qt::NoButton;
}

// A copy of the event that does not change with later input.
std::function<std::unique_ptr<QEvent>()> keep(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
      const auto& mouse = static_cast<const QMouseEvent&>(event);
      return [type = mouse.type(), local = mouse.position(), scene = mouse.scenePosition(),
              global = mouse.globalPosition(), button = mouse.button(), buttons = mouse.buttons(),
              modifiers = mouse.modifiers(), device = mouse.pointingDevice(), time = mouse.timestamp()] {
        auto remade = std::make_unique<QMouseEvent>(type, local, scene, global, button, buttons, modifiers, device);
        remade->setTimestamp(time);
        return std::unique_ptr<QEvent>(std::move(remade));
      };
    }
    case QEvent::Wheel: {
      const auto& wheel = static_cast<const QWheelEvent&>(event);
      return [local = wheel.position(), global = wheel.globalPosition(), pixels = wheel.pixelDelta(),
              angle = wheel.angleDelta(), buttons = wheel.buttons(), modifiers = wheel.modifiers(),
              phase = wheel.phase(), inverted = wheel.inverted(), device = wheel.pointingDevice(),
              time = wheel.timestamp()] {
        auto remade = std::make_unique<QWheelEvent>(local, global, pixels, angle, buttons, modifiers, phase, inverted,
                                                    Qt::MouseEventNotSynthesized, device);
        remade->setTimestamp(time);
        return std::unique_ptr<QEvent>(std::move(remade));
      };
    }
    default: {
      std::shared_ptr<const QEvent> copy(event.clone());
      return [copy] { return std::unique_ptr<QEvent>(copy->clone()); };
    }
  }
}

QObject* owner_of(QObject* receiver) {
  auto* window = qobject_cast<QWindow*>(receiver);
  if (window == nullptr) return receiver;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->windowHandle() == window) return top;
  }
  return nullptr;
}

}  // namespace

Dispatcher::Dispatcher(QWidget& window) : window_(window) { qApp->installEventFilter(this); }

Dispatcher::~Dispatcher() = default;

Outcome Dispatcher::run(const std::function<void()>& handler) {
  if (ended_) return Outcome::Ended;
  std::optional<RuntimeError> error;
  std::optional<QString> internal_error;
  ++depth_;
  try {
    // While the handler runs, a blocking sound or wait keeps the window painted
    // and its input held; another form's hook is back once it returns.
    const ScopedBlockingHook answering([] { QCoreApplication::processEvents(); });
    handler();
  } catch (const RuntimeError& failure) {
    error = failure;
  } catch (const ProgramEnded&) {
    ended_ = true;
  } catch (const std::exception& failure) {
    // Nothing may leave a handler into Qt's event loop: any other failure
    // (a text that cannot be converted, memory running out) is shown too.
    internal_error = QString::fromUtf8(failure.what());
  } catch (...) {
    internal_error = QStringLiteral("(説明のない例外)");
  }
  --depth_;
  if (ended_) {
    held_.clear();
    return Outcome::Ended;
  }
  if (error) show_error(error->code(), QString::fromStdString(error->what()));
  if (internal_error) show_internal_error(*internal_error);
  if (depth_ == 0) post_delivery();
  return error || internal_error ? Outcome::Failed : Outcome::Done;
}

// Delivered from the event loop, once the event being handled is done and
// what it posted has been handled.
void Dispatcher::post_delivery() {
  if (delivery_posted_ || held_.empty()) return;
  delivery_posted_ = true;
  QMetaObject::invokeMethod(this, [this] { deliver_next(); }, Qt::QueuedConnection);
}

// One held event a turn of the event loop, so that a list or a menu that it
// opens is there for the next, as it was when the learner made them.
void Dispatcher::deliver_next() {
  delivery_posted_ = false;
  if (depth_ > 0) return;  // a handler runs; its end posts the delivery again
  while (!held_.empty() && held_.front().receiver.isNull()) held_.pop_front();
  if (held_.empty()) return;
  Held next = std::move(held_.front());
  held_.pop_front();
  const std::unique_ptr<QEvent> event = next.remake();
  replaying_ = true;
  if (event->type() == QEvent::Close && next.receiver->isWidgetType()) {
    static_cast<QWidget*>(next.receiver.data())->close();  // closes as a fresh request would
  } else {
    QCoreApplication::sendEvent(next.receiver, event.get());
  }
  replaying_ = false;
  post_delivery();
}

bool Dispatcher::is_ours(QObject* receiver) const {
  for (QObject* object = owner_of(receiver); object != nullptr; object = object->parent()) {
    if (object == &window_) return true;
    if (qobject_cast<QDialog*>(object) != nullptr) return false;  // a message box takes its own input
  }
  return false;
}

bool Dispatcher::eventFilter(QObject* receiver, QEvent* event) {
  if (!is_input(*event)) return false;
  // The held event being delivered passes, and so does what it raises on its
  // way, until it starts a handler.
  if (replaying_ && depth_ == 0) return false;
  const bool holding = depth_ > 0 || !held_.empty();
  if (!(holding || ended_) || !is_ours(receiver)) return false;
  if (!ended_) hold(receiver, *event);
  // A close request stays unanswered until it is delivered; other input counts
  // as taken, so that it does not travel on to the parent widgets.
  if (event->type() == QEvent::Close) event->ignore();
  return true;
}

void Dispatcher::hold(QObject* receiver, const QEvent& event) {
  const bool move = is_plain_move(event);
  if (move && !held_.empty() && held_.back().move && held_.back().receiver == receiver) held_.pop_back();
  held_.push_back({receiver, keep(event), move});
}

void Dispatcher::show_error(int number, const QString& message) {
  show_error_box(window_, QCoreApplication::applicationName(),
                 QStringLiteral("実行時エラー '%1':\n\n%2").arg(number).arg(message));
}

void Dispatcher::show_internal_error(const QString& message) {
  show_error_box(window_, QCoreApplication::applicationName(), QStringLiteral("内部エラー:\n\n%1").arg(message));
}

}  // namespace rt::forms
