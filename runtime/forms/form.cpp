#include "runtime/forms/form.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <optional>

#include "runtime/core/error.h"
#include "runtime/forms/client_area.h"
#include "runtime/forms/dispatcher.h"
#include "runtime/forms/form_window.h"
#include "runtime/forms/menu.h"
#include "runtime/forms/picture_cache.h"
#include "runtime/forms/placed.h"
#include "runtime/forms/stored.h"
#include "runtime/forms/style.h"
#include "runtime/forms/widgets.h"
#include "runtime/forms/window_placement.h"
#include "runtime/forms/windowless.h"
#include "runtime/system/platform.h"

namespace rt::forms {
namespace {

using definition::ControlType;
using definition::Record;

float twips(int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }

// Stored as an integer by most controls and as one byte by the combo box.
std::optional<int> tab_index(const Record& record) {
  if (const auto* index = stored<std::int16_t>(record, "TabIndex")) return *index;
  if (const auto* index = stored<std::uint8_t>(record, "TabIndex")) return *index;
  return std::nullopt;
}

}  // namespace

// The window's run-time properties, by name like any control's.
class Form::WindowProperties final : public PropertiesByName<Form::WindowProperties, Control> {
 public:
  WindowProperties(const Record& record, FormWindow& window, bool fixed)
      : PropertiesByName(record.name, record.type), window_(window), placement_(window, fixed) {}

  Variant Caption() const { return window_.windowTitle().toStdU16String(); }
  void set_Caption(const Variant& value) { window_.setWindowTitle(QString::fromStdU16String(value.to_text())); }
  Variant hWnd() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(window_.winId())); }
  Variant Left() const { return twips(placement_.outer().x()); }
  Variant Top() const { return twips(placement_.outer().y()); }
  Variant Width() const { return twips(placement_.outer().width()); }
  Variant Height() const { return twips(placement_.outer().height()); }
  void set_Left(const Variant& value) { place([&](QRect& r) { r.moveLeft(to_pixels(twips_coordinate(value))); }); }
  void set_Top(const Variant& value) { place([&](QRect& r) { r.moveTop(to_pixels(twips_coordinate(value))); }); }
  void set_Width(const Variant& value) { place([&](QRect& r) { r.setWidth(to_pixels(twips_length(value))); }); }
  void set_Height(const Variant& value) { place([&](QRect& r) { r.setHeight(to_pixels(twips_length(value))); }); }

 private:
  friend PropertiesByName;
  static const std::array<PropertyRow<WindowProperties>, 6> kRows;

  template <class Change>
  void place(Change change) {
    QRect outer = placement_.outer();
    change(outer);
    placement_.set_outer(outer);
  }

  FormWindow& window_;
  WindowPlacement placement_;
};

const std::array<PropertyRow<Form::WindowProperties>, 6> Form::WindowProperties::kRows{{
    {"Caption", &WindowProperties::Caption, &WindowProperties::set_Caption},
    {"hWnd", &WindowProperties::hWnd},
    {"Left", &WindowProperties::Left, &WindowProperties::set_Left},
    {"Top", &WindowProperties::Top, &WindowProperties::set_Top},
    {"Width", &WindowProperties::Width, &WindowProperties::set_Width},
    {"Height", &WindowProperties::Height, &WindowProperties::set_Height},
}};

Form::Form(const definition::Definition& definition)
    : name_(definition.window.name),
      pictures_(std::make_unique<PictureCache>()),
      window_(std::make_unique<FormWindow>()),
      client_(new ClientArea(window_.get())),
      dispatcher_(std::make_unique<Dispatcher>(*window_)) {
  const Record& record = definition.window;
  const bool fixed = stored_or<std::uint8_t>(record, "BorderStyle", 2) == 1;
  // The large pictures shown from the start decode while the window is built.
  if (const auto* picture = stored<definition::Picture>(record, "Picture")) pictures_->prefetch(*picture, name_);
  for (const Record& control : definition.controls) {
    const auto* picture = stored<definition::Picture>(control, "Picture");
    if (picture != nullptr && stored_or(control, "Visible", true)) pictures_->prefetch(*picture, control.name);
  }
  window_->setCentralWidget(client_);
  window_->on_close([this] { return close_requested(); });
  if (fixed) {
    window_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  }

  const auto* font = stored<definition::Font>(record, "Font");
  const QFont form_font = font != nullptr ? to_qfont(*font) : QApplication::font();
  if (const auto* icon = stored<definition::Picture>(record, "Icon")) {
    window_->setWindowIcon(QIcon(QPixmap::fromImage(pictures_->image(*icon, name_))));
  }

  std::vector<std::pair<int, QWidget*>> tab_stops;
  std::vector<QWidget*> windowed_widgets;
  auto add_windowless = [&](std::unique_ptr<Windowless> control) {
    client_->add(*control);
    add_control(std::move(control));
  };
  auto add_windowed = [&](const Record& control, std::unique_ptr<WidgetControl> windowed) {
    windowed_widgets.push_back(&windowed->widget());
    if (const auto index = tab_index(control)) tab_stops.emplace_back(*index, &windowed->widget());
    add_control(std::move(windowed));
  };
  for (const Record& control : definition.controls) {
    switch (control.type) {
      case ControlType::Label:
        add_windowless(std::make_unique<LabelControl>(control, *client_, form_font));
        break;
      case ControlType::Image:
        add_windowless(std::make_unique<ImageControl>(control, *client_, *pictures_));
        break;
      case ControlType::Line:
        add_windowless(std::make_unique<LineControl>(control, *client_));
        break;
      case ControlType::CommandButton:
        add_windowed(control, std::make_unique<ButtonControl>(control, *client_, *pictures_));
        break;
      case ControlType::ComboBox:
        add_windowed(control, std::make_unique<ComboControl>(control, *client_, form_font));
        break;
      case ControlType::VScrollBar:
        add_windowed(control, std::make_unique<ScrollControl>(control, *client_));
        break;
      case ControlType::Form:
      case ControlType::Menu:
        raise(ErrorNumber::InvalidPropertyValue, control.name + " はフォームに置けない種類のコントロールです");
    }
  }
  // Windowed controls stack like their records: the first one in front.
  for (auto it = windowed_widgets.rbegin(); it != windowed_widgets.rend(); ++it) (*it)->raise();
  // Only windowed controls take the focus, in the order of their tab indexes.
  std::stable_sort(tab_stops.begin(), tab_stops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 1; i < tab_stops.size(); ++i) QWidget::setTabOrder(tab_stops[i - 1].second, tab_stops[i].second);
  if (!tab_stops.empty()) first_tab_stop_ = tab_stops.front().second;

  add_menu_entries(*window_->menuBar(), definition.menus);

  // Taken last, so that the form's picture decodes while the rest is built.
  const auto* picture = stored<definition::Picture>(record, "Picture");
  client_->set_background(to_qcolor(definition::Colour::system(15)),
                          picture != nullptr ? pictures_->image(*picture, name_) : QImage());

  // Made once the window's flags are set: it watches the native window.
  properties_ = std::make_unique<WindowProperties>(record, *window_, fixed);
  // The stored client area, until the load handler places the window.
  if (const auto* area = stored<definition::ClientRect>(record, "ClientRect")) {
    const int menu_height = window_->menuBar()->sizeHint().height();
    const QRect client = to_pixels(static_cast<float>(area->left), static_cast<float>(area->top),
                                   static_cast<float>(area->width), static_cast<float>(area->height));
    window_->setGeometry(client.adjusted(0, -menu_height, 0, 0));
    if (fixed) window_->setFixedSize(window_->size());
  }
}

Form::~Form() = default;

void Form::add_control(std::unique_ptr<Control> control) {
  // A write that ran a handler which ended the program stops its caller too.
  control->set_after_write([this] {
    if (dispatcher_->ended()) throw ProgramEnded{};
  });
  if (!by_name_.emplace(control->name(), control.get()).second) {
    raise(ErrorNumber::InvalidPropertyValue, control->name() + " という名前のコントロールが二つあります");
  }
  controls_.push_back(std::move(control));
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

Control& Form::control(std::string_view name) const {
  const auto found = by_name_.find(name);
  if (found == by_name_.end()) raise(ErrorNumber::PropertyNotFound, name_ + "." + std::string(name));
  return *found->second;
}

Variant Form::get(std::string_view property) const { return properties_->get(property); }

void Form::set(std::string_view property, const Variant& value) { properties_->set(property, value); }

void Form::on(std::string_view control_name, Event event, std::function<void()> handler) {
  auto run = [this, handler = std::move(handler)] { dispatcher_->run(handler); };
  if (control_name == name_ && event == Event::Load) {
    load_ = std::move(run);
    return;
  }
  Control& target = control(control_name);
  if (event == Event::Click) {
    if (auto* image = dynamic_cast<ImageControl*>(&target)) return image->on_click(std::move(run));
    if (auto* button = dynamic_cast<ButtonControl*>(&target)) return button->on_click(std::move(run));
    if (auto* combo = dynamic_cast<ComboControl*>(&target)) return combo->on_click(std::move(run));
    if (auto* menu = dynamic_cast<MenuControl*>(&target)) return menu->on_click(std::move(run));
  }
  if (event == Event::Change) {
    if (auto* bar = dynamic_cast<ScrollControl*>(&target)) return bar->on_change(std::move(run));
  }
  raise(ErrorNumber::PropertyNotFound, std::string(control_name) + " にそのイベントはありません");
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
