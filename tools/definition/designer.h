#pragma once
// The designer file: a window's stored definition as text that a person
// edits, one block a record.
//
//   # A comment runs from '#' to the end of the line (outside a text).
//   ClassId     = {A595B2FE-F47B-11F1-9761-02FC00000001}
//   InterfaceId = {A595B2FF-F47B-11F1-9761-02FC00000001}
//
//   Form frmMain                 # the window's record comes first
//       Picture = "background.bmp"
//       Font    = "ＭＳ ゴシック" size 120000 weight 400 charset 128
//   end
//   VScrollBar vscTime           # then the controls, front to back
//       Position = 12660, 660, 315, 1035
//       TabIndex = 0
//   end
//   Menu mnuFile                 # then the menu tree: entries nest
//       Caption    = "ﾌｧｲﾙ(&F)"
//       HasSubmenu = True
//       Menu mnuExit
//           Caption = "終了(&X)"
//       end
//   end
//
// A block opens with a control-type name (Form, Label, CommandButton,
// ComboBox, VScrollBar, Image, Line, Menu) and the record's name, and closes
// with `end`. Inside it, one property a line by its name in the type's
// opcode table, each at most once, in any order (the block stores them by
// opcode). Only Menu blocks nest, and only a menu entry that stores
// HasSubmenu = True holds entries. Values, by the property's encoding:
//
//   text             "..." in UTF-8; \r \n \" \\ stand for CR, LF, " and \ .
//   boolean          True or False
//   small number     0 to 255          integer   -32768 to 32767
//   long integer     -2147483648 to 2147483647
//   colour           rgb(R, G, B) with 0..255 each, system(N) for the
//                    platform's system colour N, or 0xHHHHHHHH as stored
//   position         left, top, width, height: four integers, in twips
//   client rectangle left, top, width, height: four long integers
//   raw four bytes   four two-digit hex bytes: 01 00 42 00
//   font             "face" size S weight W charset C [style N] [version N],
//                    S in ten-thousandths of a point (120000 is 12 pt);
//                    style 0 and version 1 unless given
//   picture          "name.bmp": a file of the pictures folder, stored whole
//
// The ids of the records are not written: they follow from the order.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/definition/model.h"

namespace designer {

// A mistake in a designer file; what() reads "file:line: what is wrong".
class DesignerError : public std::runtime_error {
 public:
  DesignerError(std::string_view file, int line, std::string_view message);
  int line() const noexcept { return line_; }

 private:
  int line_;
};

// A parsed designer file: the description, and the picture files that its
// picture values view. Moving keeps the views valid; copying would not.
struct Design {
  rt::definition::Definition definition;
  std::map<std::string, std::vector<std::uint8_t>, std::less<>> pictures;  // by file name

  Design() = default;
  Design(Design&&) = default;
  Design& operator=(Design&&) = default;
  Design(const Design&) = delete;
  Design& operator=(const Design&) = delete;
};

// The bytes of a picture file by its name, or nothing when there is none.
using PictureLoader = std::function<std::optional<std::vector<std::uint8_t>>(const std::string& name)>;

// Loads picture files from one folder.
PictureLoader pictures_in(const std::filesystem::path& folder);

// Throws DesignerError for the first mistake, naming `file_name` and the line.
Design parse_designer(std::string_view text, std::string_view file_name, const PictureLoader& load);

// The name a picture is printed with.
using PictureNamer = std::function<std::string(rt::definition::Bytes file)>;

// The designer text of a description, which parses back to it when the
// named pictures are found.
std::string print_designer(const rt::definition::Definition& definition, const PictureNamer& name_of);

}  // namespace designer
