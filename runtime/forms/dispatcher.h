#pragma once
// Runs the page's event handlers one at a time, each to its end. While one
// runs (it may block for seconds in a sound or a wait), the window keeps
// painting, and every input made for the form's windows meanwhile, the
// pointer's moves included, is held and then delivered in its order once the
// handler has returned: one event at a time, each after what the one before
// did (a list or a menu opened, the focus moved) has taken effect. A run-time
// error that leaves a handler is shown in a message box, any other exception
// as an internal error with its text; the page goes on.

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>

class QEvent;
class QWidget;

namespace rt::forms {

enum class Outcome { Done, Failed, Ended };

class Dispatcher final : public QObject {
 public:
  explicit Dispatcher(QWidget& window);
  ~Dispatcher() override;

  // Runs one handler. Nested runs (an event raised by a write inside a
  // handler) run at once, inside the outer one.
  Outcome run(const std::function<void()>& handler);

  bool ended() const { return ended_; }
  // No handler running and no held input left to deliver.
  bool idle() const { return depth_ == 0 && held_.empty(); }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  // An event is remade when it is delivered: a pointer event's points
  // follow the device's later input, so only their values are kept.
  struct Held {
    QPointer<QObject> receiver;
    std::function<std::unique_ptr<QEvent>()> remake;
    bool move = false;  // a move without a button: only the last of a row counts
  };

  bool is_ours(QObject* receiver) const;
  void hold(QObject* receiver, const QEvent& event);
  void show_error(int number, const QString& message);
  void show_internal_error(const QString& message);
  void post_delivery();
  void deliver_next();

  QWidget& window_;
  int depth_ = 0;
  bool ended_ = false;
  bool replaying_ = false;  // a held event is being delivered
  bool delivery_posted_ = false;
  std::deque<Held> held_;
};

}  // namespace rt::forms
