#pragma once
// The frame that a window manager draws around a top-level window: how thick
// it is on each side. On X it is known only once the manager has framed the
// window, or has answered a request made before the window is mapped; until
// then it counts as none. Elsewhere Qt knows it from the start.

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <functional>

class QWidget;
struct xcb_connection_t;

namespace rt::forms {

class WindowFrame final : public QAbstractNativeEventFilter {
 public:
  explicit WindowFrame(QWidget& window);
  ~WindowFrame() override;
  WindowFrame(const WindowFrame&) = delete;
  WindowFrame& operator=(const WindowFrame&) = delete;

  QMargins extents() const;
  // Whether extents() is what the screen will show: a manager has told it,
  // or there is no manager to draw a frame.
  bool known() const { return known_; }
  // Asks the manager for the frame it will draw, before the window is
  // mapped, and waits a little for the answer.
  void ask_before_mapping();
  // Runs when the manager reports a frame other than the one known.
  void on_change(std::function<void()> handler) { on_change_ = std::move(handler); }

 protected:
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  bool read_extents();
  unsigned window_id() const;

  QWidget& window_;
  xcb_connection_t* x11_ = nullptr;  // none off X: Qt's own frame margins count
  unsigned root_ = 0;
  unsigned frame_extents_atom_ = 0;
  bool manager_ = false;       // a manager that reports frames runs
  bool answers_ask_ = false;   // and it answers a request before mapping
  bool asked_ = false;
  bool known_ = true;
  QMargins extents_;
  std::function<void()> on_change_;
};

}  // namespace rt::forms
