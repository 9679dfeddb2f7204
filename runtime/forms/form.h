#pragma once
// A window built from a stored definition: the window itself, its controls
// in stream order (the first in front) and its menu tree. Controls and menu
// entries are reached by name, and each connects its own events; the
// window's properties are read and written by name.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/definition/model.h"
#include "runtime/forms/control.h"
#include "runtime/forms/variant.h"

class QFont;
class QMenuBar;
class QWidget;

namespace rt::forms {

class ClientArea;
class Dispatcher;
class FormWindow;
class PictureCache;
class WindowProperties;

class Form {
 public:
  // Raises RuntimeError when a stored value cannot be shown (a bad picture).
  // The definition's pictures must outlive the form: hidden images decode
  // theirs when first shown.
  explicit Form(const definition::Definition& definition);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }

  // A control or menu entry by name; raises 438 naming it for a name the form lacks.
  Control& control(std::string_view name) const;

  // The window's own properties: Caption, hWnd (read only), and Left, Top,
  // Width and Height of its outer frame on the screen, in twips.
  Variant get(std::string_view property) const;
  void set(std::string_view property, const Variant& value);

  // The load handler, run once by load().
  void on_load(std::function<void()> handler);
  // The unload handler, run when the window is asked to close; a cancel
  // value left nonzero keeps the window open.
  void on_unload(std::function<void(std::int16_t& cancel)> handler);

  void load();
  void show();

  QWidget& window() const;
  QWidget& client() const;
  QMenuBar& menu_bar() const;
  // The program has ended from inside a handler (only under a test platform,
  // whose end_program returns by exception).
  bool ended() const;
  // No handler running and no held input waiting.
  bool idle() const;

 private:
  // The steps of building, in their order.
  void prefetch_pictures(const definition::Picture* background, const std::vector<definition::Record>& controls);
  void set_window_flags(bool fixed);
  void set_icon(const definition::Record& record);
  void add_controls(const std::vector<definition::Record>& controls, const QFont& form_font);
  void stack_windowed_controls();
  void set_tab_order(const std::vector<definition::Record>& controls);
  template <class Container>
  void add_menu_entries(Container& container, const std::vector<definition::MenuEntry>& entries);
  void set_background(const definition::Picture* background);
  void set_geometry(const definition::Record& record, bool fixed);

  void add_control(std::unique_ptr<Control> control);
  bool close_requested();

  std::string name_;
  std::unique_ptr<PictureCache> pictures_;
  std::unique_ptr<FormWindow> window_;
  ClientArea* client_ = nullptr;
  QWidget* first_tab_stop_ = nullptr;
  std::unique_ptr<Dispatcher> dispatcher_;
  std::unique_ptr<WindowProperties> properties_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*, std::less<>> by_name_;
  std::function<void()> load_;
  std::function<void(std::int16_t&)> unload_;
};

}  // namespace rt::forms
