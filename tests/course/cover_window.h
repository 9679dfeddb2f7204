#pragma once
// A window of another program laid over part of the page and taken away
// again, as another program's dialog would be: the page answers the window
// system when it paints the uncovered part again.

#include "tests/course/page_session.h"

namespace course_test {

// Covers `client` (the page's client coordinates) and uncovers it; true
// when the page painted it back as it was, within a generous time.
bool repaints_when_uncovered(VirtualDisplay& display, PageSession& page, Rect client);

}  // namespace course_test
