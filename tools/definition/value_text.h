#pragma once
// One property value as designer text (see designer.h for the forms), and
// the class ids' text form. Parsing throws std::invalid_argument with what is
// wrong; the parser adds the file and line.

#include <functional>
#include <string>
#include <string_view>

#include "runtime/definition/model.h"
#include "tools/definition/designer.h"

namespace designer {

// Turns a picture file name into the picture it names.
using PictureResolver = std::function<rt::definition::Picture(const std::string& name)>;

rt::definition::Value parse_value(std::string_view text, rt::definition::Encoding encoding,
                                  const PictureResolver& picture);
std::string print_value(const rt::definition::Value& value, const PictureNamer& name_of);

// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, in the platform's stored layout.
rt::definition::Guid parse_guid(std::string_view text);
std::string print_guid(const rt::definition::Guid& guid);

}  // namespace designer
