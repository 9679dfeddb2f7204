#include "runtime/forms/dispatcher.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <exception>
#include <optional>

#include "runtime/core/error.h"
#include "runtime/system/platform.h"

namespace rt::forms {
namespace {

// The input that could start a handler: held while another one runs.
bool is_input(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Close:
    case QEvent::ContextMenu:
      return true;
    case QEvent::MouseMove:  // a drag; plain moves only hover
      return static_cast<const QMouseEvent&>(event).buttons() != Qt::NoButton;
    default:
      return false;
  }
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
              phase = wheel.phase(), inverted = wheel.inverted(), device = wheel.pointingDevice()] {
        return std::unique_ptr<QEvent>(std::make_unique<QWheelEvent>(local, global, pixels, angle, buttons, modifiers,
                                                                     phase, inverted, Qt::MouseEventNotSynthesized,
                                                                     device));
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

Dispatcher::Dispatcher(QWidget& window) : window_(window) {
  qApp->installEventFilter(this);
  // A blocking sound or wait keeps the window painted and its input held.
  set_blocking_hook([] { QCoreApplication::processEvents(); });
}

Dispatcher::~Dispatcher() { set_blocking_hook({}); }

Outcome Dispatcher::run(const std::function<void()>& handler) {
  if (ended_) return Outcome::Ended;
  std::optional<RuntimeError> error;
  std::optional<QString> internal_error;
  ++depth_;
  try {
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
  if (depth_ == 0 && !held_.empty() && !delivering_ && !delivery_posted_) {
    // Delivered from the event loop, once the event that ran this handler is done.
    delivery_posted_ = true;
    QMetaObject::invokeMethod(this, [this] { deliver_held(); }, Qt::QueuedConnection);
  }
  return error || internal_error ? Outcome::Failed : Outcome::Done;
}

void Dispatcher::deliver_held() {
  delivery_posted_ = false;
  delivering_ = true;
  while (!held_.empty() && !ended_) {
    Held next = std::move(held_.front());
    held_.pop_front();
    if (next.receiver.isNull()) continue;
    const std::unique_ptr<QEvent> event = next.remake();
    if (event->type() == QEvent::Close && next.receiver->isWidgetType()) {
      static_cast<QWidget*>(next.receiver.data())->close();  // closes as a fresh request would
    } else {
      QCoreApplication::sendEvent(next.receiver, event.get());
    }
  }
  delivering_ = false;
  held_.clear();
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
  const bool holding = depth_ > 0 || (!held_.empty() && !delivering_);
  if (!(holding || ended_) || !is_ours(receiver)) return false;
  if (!ended_) held_.push_back({receiver, keep(*event)});
  // A close request stays unanswered until it is delivered; other input counts
  // as taken, so that it does not travel on to the parent widgets.
  if (event->type() == QEvent::Close) event->ignore();
  return true;
}

void Dispatcher::show_error(int number, const QString& message) {
  QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                  QStringLiteral("実行時エラー '%1':\n\n%2").arg(number).arg(message), QMessageBox::Ok,
                  &window_);
  box.exec();
}

void Dispatcher::show_internal_error(const QString& message) {
  QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                  QStringLiteral("内部エラー:\n\n%1").arg(message), QMessageBox::Ok, &window_);
  box.exec();
}

}  // namespace rt::forms
