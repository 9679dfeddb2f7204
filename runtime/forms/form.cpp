#include "runtime/forms/form.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <algorithm>
#include <optional>

#include "runtime/core/error.h"
#include "runtime/forms/client_area.h"
#include "runtime/forms/dispatcher.h"
#include "runtime/forms/form_window.h"
#include "runtime/forms/make_control.h"
#include "runtime/forms/menu.h"
#include "runtime/forms/picture_cache.h"
#include "runtime/forms/stored.h"
#include "runtime/forms/style.h"
#include "runtime/forms/window_properties.h"

namespace rt::forms {
namespace {

using definition::Record;

// Stored as an integer by most controls and as one byte by the combo box.
std::optional<int> tab_index(const Record& record) {
  if (const auto* index = stored<std::int16_t>(record, "TabIndex")) return *index;
  if (const auto* index = stored<std::uint8_t>(record, "TabIndex")) return *index;
  return std::nullopt;
}

QFont form_font(const Record& record) {
  const auto* font = stored<definition::Font>(record, "Font");
  return font != nullptr ? to_qfont(*font) : QApplication::font();
}

}  // namespace

Form::Form(const definition::Definition& definition)
    : name_(definition.window.name),
      pictures_(std::make_unique<PictureCache>()),
      window_(std::make_unique<FormWindow>()),
      client_(new ClientArea(window_.get())),
      dispatcher_(std::make_unique<Dispatcher>(*window_)) {
  const Record& record = definition.window;
  const auto* background = stored<definition::Picture>(record, "Picture");
  const bool fixed = stored_or<std::uint8_t>(record, "BorderStyle", 2) == 1;
  prefetch_pictures(background, definition.controls);
  set_window_flags(fixed);
  const QFont font = form_font(record);
  set_icon(record);
  add_controls(definition.controls, font);
  stack_windowed_controls();
  set_tab_order(definition.controls);
  add_menu_entries(*window_->menuBar(), definition.menus);
  set_background(background);
  set_geometry(record, fixed);
}

Form::~Form() = default;

// The large pictures shown from the start decode while the window is built.
void Form::prefetch_pictures(const definition::Picture* background, const std::vector<Record>& controls) {
  if (background != nullptr) pictures_->prefetch(*background, name_);
  for (const Record& control : controls) {
    const auto* picture = stored<definition::Picture>(control, "Picture");
    if (picture != nullptr && stored_or(control, "Visible", true)) pictures_->prefetch(*picture, control.name);
  }
}

void Form::set_window_flags(bool fixed) {
  window_->setCentralWidget(client_);
  window_->on_close([this] { return close_requested(); });
  if (fixed) {
    window_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  }
}

void Form::set_icon(const Record& record) {
  if (const auto* icon = stored<definition::Picture>(record, "Icon")) {
    window_->setWindowIcon(QIcon(QPixmap::fromImage(pictures_->image(*icon, name_))));
  }
}

void Form::add_controls(const std::vector<Record>& controls, const QFont& form_font) {
  const ControlParts parts{*client_, *pictures_, form_font};
  for (const Record& control : controls) add_control(make_control(control, parts));
}

// Windowed controls stack like their records: the first one in front.
void Form::stack_windowed_controls() {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    if (QWidget* widget = (*it)->own_window()) widget->raise();
  }
}

// Only windowed controls take the focus, in the order of their tab indexes.
void Form::set_tab_order(const std::vector<Record>& controls) {
  std::vector<std::pair<int, QWidget*>> tab_stops;
  for (size_t i = 0; i < controls.size(); ++i) {
    QWidget* widget = controls_[i]->own_window();
    const auto index = tab_index(controls[i]);
    if (widget != nullptr && index) tab_stops.emplace_back(*index, widget);
  }
  std::stable_sort(tab_stops.begin(), tab_stops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 1; i < tab_stops.size(); ++i) QWidget::setTabOrder(tab_stops[i - 1].second, tab_stops[i].second);
  if (!tab_stops.empty()) first_tab_stop_ = tab_stops.front().second;
}

template <class Container>
void Form::add_menu_entries(Container& container, const std::vector<definition::MenuEntry>& entries) {
  for (const definition::MenuEntry& entry : entries) {
    const QString caption =
        QString::fromStdU16String(stored_or<std::u16string>(entry.record, "Caption", {}));
    QAction* action = nullptr;
    if (stored_or(entry.record, "HasSubmenu", false) || !entry.entries.empty()) {
      QMenu* menu = container.addMenu(caption);
      add_menu_entries(*menu, entry.entries);
      action = menu->menuAction();
    } else if (caption == QStringLiteral("-")) {
      action = container.addSeparator();
    } else {
      action = container.addAction(caption);
    }
    add_control(std::make_unique<MenuControl>(entry.record, *action));
  }
}

// Taken after the controls, so that the form's picture decodes while they are built.
void Form::set_background(const definition::Picture* background) {
  client_->set_background(to_qcolor(definition::Colour::system(15)),
                          background != nullptr ? pictures_->image(*background, name_) : QImage());
}

// The stored client area, until the load handler places the window.
void Form::set_geometry(const Record& record, bool fixed) {
  // Made once the window's flags are set: it watches the native window.
  properties_ = std::make_unique<WindowProperties>(record, *window_, fixed);
  if (const auto* area = stored<definition::ClientRect>(record, "ClientRect")) {
    const int menu_height = window_->menuBar()->sizeHint().height();
    const QRect client = to_pixels(static_cast<float>(area->left), static_cast<float>(area->top),
                                   static_cast<float>(area->width), static_cast<float>(area->height));
    window_->setGeometry(client.adjusted(0, -menu_height, 0, 0));
    if (fixed) window_->setFixedSize(window_->size());
  }
}

void Form::add_control(std::unique_ptr<Control> control) {
  control->attach(*dispatcher_);
  if (!by_name_.emplace(control->name(), control.get()).second) {
    raise(ErrorNumber::InvalidPropertyValue, control->name() + " という名前のコントロールが二つあります");
  }
  controls_.push_back(std::move(control));
}

Control& Form::control(std::string_view name) const {
  const auto found = by_name_.find(name);
  if (found == by_name_.end()) raise(ErrorNumber::PropertyNotFound, name_ + "." + std::string(name));
  return *found->second;
}

Variant Form::get(std::string_view property) const { return properties_->get(property); }

void Form::set(std::string_view property, const Variant& value) { properties_->set(property, value); }

void Form::on_load(std::function<void()> handler) {
  load_ = [this, handler = std::move(handler)] { dispatcher_->run(handler); };
}

void Form::on_unload(std::function<void(std::int16_t&)> handler) { unload_ = std::move(handler); }

void Form::load() {
  if (load_) load_();
}

void Form::show() {
  window_->show();
  // The focus starts at the first tab stop.
  if (first_tab_stop_ != nullptr) first_tab_stop_->setFocus(Qt::TabFocusReason);
}

bool Form::close_requested() {
  if (dispatcher_->ended() || !unload_) return true;
  std::int16_t cancel = 0;
  const Outcome outcome = dispatcher_->run([&] { unload_(cancel); });
  return outcome == Outcome::Ended || (outcome == Outcome::Done && cancel == 0);
}

QWidget& Form::window() const { return *window_; }
QWidget& Form::client() const { return *client_; }
QMenuBar& Form::menu_bar() const { return *window_->menuBar(); }
bool Form::ended() const { return dispatcher_->ended(); }
bool Form::idle() const { return dispatcher_->idle(); }

}  // namespace rt::forms
