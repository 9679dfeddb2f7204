#include "runtime/forms/window_frame.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace rt::forms {
namespace {

// How long a start waits for the manager's answer. A manager slower than
// this is caught up with once it has framed the window.
constexpr std::chrono::milliseconds kAnswerWait{1000};

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atom(xcb_connection_t* x11, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      x11, xcb_intern_atom(x11, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window's property; none when it is not set.
std::vector<std::uint32_t> property(xcb_connection_t* x11, xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
  const Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(x11, xcb_get_property(x11, 0, window, name, type, 0, 1024), nullptr));
  if (!reply || reply->format != 32 || reply->type != type) return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t root_of(xcb_connection_t* x11, xcb_window_t window) {
  const Reply<xcb_get_geometry_reply_t> reply(xcb_get_geometry_reply(x11, xcb_get_geometry(x11, window), nullptr));
  return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// A manager that follows the desktop conventions names a window of its own
// on the root window, and that window names itself.
bool manager_runs(xcb_connection_t* x11, xcb_window_t root) {
  const xcb_atom_t check = atom(x11, "_NET_SUPPORTING_WM_CHECK");
  const auto named = property(x11, root, check, XCB_ATOM_WINDOW);
  if (named.empty()) return false;
  const auto own = property(x11, named.front(), check, XCB_ATOM_WINDOW);
  return !own.empty() && own.front() == named.front();
}

}  // namespace

WindowFrame::WindowFrame(QWidget& window) : window_(window) {
  window_.winId();  // the native window, whose frame is asked for
  // The offscreen platform offers the interface without a connection.
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return;
  x11_ = x11->connection();
  root_ = root_of(x11_, window_id());
  if (!manager_runs(x11_, root_)) return;
  const auto supported = property(x11_, root_, atom(x11_, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
  auto supports = [&](const char* name) {
    return std::find(supported.begin(), supported.end(), atom(x11_, name)) != supported.end();
  };
  manager_ = supports("_NET_FRAME_EXTENTS");
  if (!manager_) return;
  answers_ask_ = supports("_NET_REQUEST_FRAME_EXTENTS");
  frame_extents_atom_ = atom(x11_, "_NET_FRAME_EXTENTS");
  known_ = read_extents();
  QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowFrame::~WindowFrame() {
  if (manager_ && QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

unsigned WindowFrame::window_id() const { return static_cast<unsigned>(window_.winId()); }

QMargins WindowFrame::extents() const {
  if (x11_ == nullptr) return window_.windowHandle() != nullptr ? window_.windowHandle()->frameMargins() : QMargins();
  return extents_;
}

void WindowFrame::ask_before_mapping() {
  if (!manager_ || !answers_ask_ || known_ || asked_) return;
  asked_ = true;
  xcb_client_message_event_t ask{};
  ask.response_type = XCB_CLIENT_MESSAGE;
  ask.format = 32;
  ask.window = window_id();
  ask.type = atom(x11_, "_NET_REQUEST_FRAME_EXTENTS");
  xcb_send_event(x11_, 0, root_, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&ask));
  xcb_flush(x11_);
  const auto deadline = std::chrono::steady_clock::now() + kAnswerWait;
  known_ = read_extents();
  while (!known_ && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    known_ = read_extents();
  }
}

bool WindowFrame::read_extents() {
  const auto values = property(x11_, window_id(), frame_extents_atom_, XCB_ATOM_CARDINAL);
  if (values.size() != 4) return false;
  // Stored left, right, top, bottom.
  extents_ = QMargins(static_cast<int>(values[0]), static_cast<int>(values[2]), static_cast<int>(values[1]),
                      static_cast<int>(values[3]));
  return true;
}

bool WindowFrame::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
  const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
  if (notify->atom != frame_extents_atom_ || notify->window != window_id()) return false;
  const QMargins before = extents_;
  const bool was_known = known_;
  known_ = read_extents() || known_;
  if (on_change_ && known_ && (!was_known || extents_ != before)) on_change_();
  return false;
}

}  // namespace rt::forms
