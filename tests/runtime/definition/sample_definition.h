#pragma once
// Small hand-made definitions for the reader and writer tests, the fuzz
// seeds and the designer tests.

#include "runtime/definition/model.h"

namespace sample {

// A window with a picture and a font, a Label "L" (caption "ab", back and
// fore colour, position), a Line "K" (X1), and the menus
// M (HasSubmenu) > E, then H: the layout the malformed-block table edits.
rt::definition::Definition tiny_definition();

// Every control type and every value encoding, with a submenu two deep.
rt::definition::Definition full_definition();

}  // namespace sample
