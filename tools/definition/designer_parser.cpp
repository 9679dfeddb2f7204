#include <algorithm>
#include <fstream>
#include <iterator>

#include "runtime/definition/opcodes.h"
#include "tools/definition/designer.h"
#include "tools/definition/value_text.h"

namespace designer {

using namespace rt::definition;

DesignerError::DesignerError(std::string_view file, int line, std::string_view message)
    : std::runtime_error(std::string(file) + ":" + std::to_string(line) + ": " + std::string(message)), line_(line) {}

PictureLoader pictures_in(const std::filesystem::path& folder) {
  return [folder](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
    std::filesystem::path path = folder / name;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
}

namespace {

constexpr ControlType kTypes[] = {ControlType::Form,       ControlType::Label, ControlType::CommandButton,
                                  ControlType::ComboBox,   ControlType::VScrollBar, ControlType::Image,
                                  ControlType::Line,       ControlType::Menu};
constexpr int kMaxRecords = 250;  // ids are one byte, and controls start at 6

std::string_view trim(std::string_view s) {
  std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The line without its comment: '#' outside a quoted text starts one.
std::string_view without_comment(std::string_view line) {
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (quoted && line[i] == '\\') {
      ++i;
    } else if (line[i] == '"') {
      quoted = !quoted;
    } else if (!quoted && line[i] == '#') {
      return line.substr(0, i);
    }
  }
  return line;
}

bool is_name(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

std::optional<ControlType> type_named(std::string_view word) {
  for (ControlType t : kTypes) {
    if (type_name(t) == word) return t;
  }
  return std::nullopt;
}

struct OpenBlock {
  Record record;
  int line;
  std::map<std::string, int, std::less<>> set_on;  // property -> line
  std::vector<MenuEntry> entries;
};

class Parser {
 public:
  Parser(std::string_view file, const PictureLoader& load, Design& design)
      : file_(file), load_(load), design_(design) {}

  void parse(std::string_view text) {
    while (!text.empty()) {
      std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
      ++line_;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      handle(trim(without_comment(line)));
    }
    finish();
  }

 private:
  [[noreturn]] void fail(const std::string& message) const { fail_at(line_, message); }
  [[noreturn]] void fail_at(int line, const std::string& message) const {
    throw DesignerError(file_, line, message);
  }

  void handle(std::string_view line) {
    if (line.empty()) return;
    if (line == "end") return close_block();
    if (std::size_t eq = line.find('='); eq != std::string_view::npos) {
      std::string_view key = trim(line.substr(0, eq));
      std::string_view value = line.substr(eq + 1);
      if (!is_name(key)) fail("expected a name before '=', found '" + std::string(key) + "'");
      return open_.empty() ? setting(key, value) : property(key, value);
    }
    std::size_t blank = line.find_first_of(" \t");
    std::string_view type = line.substr(0, blank);
    std::string_view name = blank == std::string_view::npos ? "" : trim(line.substr(blank));
    std::optional<ControlType> t = type_named(type);
    if (!t || !is_name(name)) {
      fail("expected a block 'Type name', a property 'Name = value' or 'end', found '" + std::string(line) + "'");
    }
    open_block(*t, name);
  }

  void setting(std::string_view key, std::string_view value) {
    bool is_class = key == "ClassId";
    if (!is_class && key != "InterfaceId") {
      fail("unknown setting '" + std::string(key) + "' outside a block (ClassId, InterfaceId)");
    }
    int& seen = is_class ? class_line_ : interface_line_;
    if (seen != 0) fail(std::string(key) + " is already set on line " + std::to_string(seen));
    seen = line_;
    try {
      (is_class ? design_.definition.class_id : design_.definition.interface_id) = parse_guid(value);
    } catch (const std::invalid_argument& e) {
      fail(e.what());
    }
  }

  void open_block(ControlType type, std::string_view name) {
    if (open_.empty()) {
      if (type == ControlType::Form) {
        if (stage_ != Stage::BeforeForm) fail("a second Form block; the window's record is the first block");
        stage_ = Stage::Controls;
      } else if (stage_ == Stage::BeforeForm) {
        fail("the window's Form block comes first");
      } else if (type == ControlType::Menu) {
        stage_ = Stage::Menus;
      } else if (stage_ == Stage::Menus) {
        fail("control '" + std::string(name) + "' after the menus; the controls come first");
      }
    } else if (open_.back().record.type != ControlType::Menu || type != ControlType::Menu) {
      fail("only Menu blocks nest, and only inside a Menu block");
    }
    if (auto [it, added] = names_.try_emplace(std::string(name), line_); !added) {
      fail("the name '" + std::string(name) + "' is already used on line " + std::to_string(it->second));
    }
    if (static_cast<int>(names_.size()) > kMaxRecords + 1) fail("more than 250 controls and menu entries");
    open_.push_back({Record{0, std::string(name), type, {}}, line_, {}, {}});
  }

  void property(std::string_view key, std::string_view value) {
    OpenBlock& block = open_.back();
    const OpcodeEntry* entry = find_property(block.record.type, key);
    std::string type(type_name(block.record.type));
    if (entry == nullptr) fail(type + " has no property '" + std::string(key) + "'");
    if (!entry->stored) fail(type + "'s property '" + std::string(key) + "' is not stored in a definition");
    if (auto [it, added] = block.set_on.try_emplace(std::string(key), line_); !added) {
      fail(std::string(key) + " is already set on line " + std::to_string(it->second));
    }
    try {
      Value v = parse_value(value, entry->encoding, [this](const std::string& file) { return picture(file); });
      block.record.properties.push_back({entry->opcode, std::move(v)});
    } catch (const std::invalid_argument& e) {
      fail(std::string(key) + ": " + e.what());
    }
  }

  Picture picture(const std::string& file) {
    if (file.empty() || file == "." || file == ".." || file.find_first_of("/\\") != std::string::npos) {
      throw std::invalid_argument("a picture is named by a plain file name of the pictures folder, not '" + file + "'");
    }
    auto it = design_.pictures.find(file);
    if (it == design_.pictures.end()) {
      std::optional<std::vector<std::uint8_t>> bytes = load_(file);
      if (!bytes) throw std::invalid_argument("picture file '" + file + "' not found");
      it = design_.pictures.emplace(file, std::move(*bytes)).first;
    }
    return Picture{it->second};
  }

  static bool opens_submenu(const Record& menu) {
    const Value* v = menu.find("HasSubmenu");
    return v != nullptr && std::get<bool>(*v);
  }

  void close_block() {
    if (open_.empty()) fail("'end' without an open block");
    OpenBlock block = std::move(open_.back());
    open_.pop_back();
    auto& properties = block.record.properties;
    std::sort(properties.begin(), properties.end(),
              [](const Property& a, const Property& b) { return a.opcode < b.opcode; });
    if (!block.entries.empty() && !opens_submenu(block.record)) {
      fail_at(block.line, "menu entry '" + block.record.name + "' holds entries but does not set HasSubmenu = True");
    }
    Definition& d = design_.definition;
    if (!open_.empty()) {
      open_.back().entries.push_back({std::move(block.record), std::move(block.entries)});
    } else if (block.record.type == ControlType::Form) {
      d.window = std::move(block.record);
    } else if (block.record.type == ControlType::Menu) {
      d.menus.push_back({std::move(block.record), std::move(block.entries)});
    } else {
      d.controls.push_back(std::move(block.record));
    }
  }

  void finish() {
    if (!open_.empty()) {
      const Record& r = open_.back().record;
      fail_at(open_.back().line, std::string(type_name(r.type)) + " block '" + r.name + "' is not closed by 'end'");
    }
    Definition& d = design_.definition;
    if (stage_ == Stage::BeforeForm) fail("no Form block for the window");
    if (d.controls.empty()) fail("no control: a window needs at least one");
    if (d.menus.empty()) fail("no menu entry: a window needs at least one");
    if (class_line_ == 0) fail("no ClassId setting");
    if (interface_line_ == 0) fail("no InterfaceId setting");
    int id = 6;
    for (Record& c : d.controls) c.id = static_cast<std::uint8_t>(id++);
    number_menus(d.menus, id);
  }

  static void number_menus(std::vector<MenuEntry>& entries, int& id) {
    for (MenuEntry& e : entries) {
      e.record.id = static_cast<std::uint8_t>(id++);
      number_menus(e.entries, id);
    }
  }

  enum class Stage { BeforeForm, Controls, Menus };

  std::string_view file_;
  const PictureLoader& load_;
  Design& design_;
  int line_ = 0;
  std::vector<OpenBlock> open_;
  Stage stage_ = Stage::BeforeForm;
  std::map<std::string, int, std::less<>> names_;
  int class_line_ = 0, interface_line_ = 0;
};

}  // namespace

Design parse_designer(std::string_view text, std::string_view file_name, const PictureLoader& load) {
  Design design;
  Parser(file_name, load, design).parse(text);
  return design;
}

}  // namespace designer
