#include "tests/runtime/forms/definition_builder.h"

#include <stdexcept>

#include "runtime/definition/opcodes.h"

namespace forms_test {

rt::definition::Property property(ControlType type, std::string_view name, Value value) {
  const auto* entry = rt::definition::find_property(type, name);
  if (entry == nullptr) throw std::logic_error("no property " + std::string(name));
  return {entry->opcode, std::move(value)};
}

Builder::Builder() {
  definition.window.name = "frmTest";
  definition.window.type = ControlType::Form;
}

Record& Builder::add(ControlType type, std::string name, std::vector<std::pair<std::string_view, Value>> properties) {
  Record record;
  record.id = static_cast<std::uint8_t>(6 + definition.controls.size());
  record.name = std::move(name);
  record.type = type;
  for (auto& [key, value] : properties) record.properties.push_back(property(type, key, std::move(value)));
  definition.controls.push_back(std::move(record));
  return definition.controls.back();
}

void Builder::set(Record& record, std::string_view name, Value value) {
  record.properties.push_back(property(record.type, name, std::move(value)));
}

rt::definition::Picture Builder::bmp(const rt::pictures::RgbPicture& picture) {
  files.push_back(rt::pictures::write_bmp(picture));
  return {files.back()};
}

rt::definition::Picture Builder::bmp(int width, int height, rt::pictures::Rgb colour) {
  return bmp({width, height, std::vector<rt::pictures::Rgb>(static_cast<size_t>(width * height), colour)});
}

rt::definition::Picture Builder::icon() {
  rt::pictures::IconPicture picture;
  picture.colour = {32, 32, 4, rt::pictures::sixteen_colour_palette(), std::vector<std::uint8_t>(32 * 32, 15)};
  picture.transparent.assign(32 * 32, false);
  files.push_back(rt::pictures::write_ico(picture));
  return {files.back()};
}

}  // namespace forms_test
