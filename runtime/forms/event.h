#pragma once
// The control events a handler can be connected to.

namespace rt::forms {

enum class Event {
  Click,   // an image, a command button, a combo box (an entry chosen), a menu entry
  Change,  // a scroll bar: any change of its value
};

}  // namespace rt::forms
