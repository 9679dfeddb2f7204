#pragma once
// The stored window definition of frmC01_001, written from the page's
// designer file at build time and carried inside the program.

#include "runtime/definition/model.h"

namespace page {

// The block's bytes; they live as long as the program.
rt::definition::Bytes stored_definition();

}  // namespace page
