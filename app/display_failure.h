#pragma once
// Without a display to open, Qt prints several lines of its own and aborts.
// While Qt starts, the program instead ends with one line that names the
// display it could not open, and status 1.

namespace app {

// Call before creating the application object; the guard restores Qt's own
// message output when it goes.
class DisplayFailureReport {
 public:
  DisplayFailureReport();
  ~DisplayFailureReport();
  DisplayFailureReport(const DisplayFailureReport&) = delete;
  DisplayFailureReport& operator=(const DisplayFailureReport&) = delete;
};

}  // namespace app
