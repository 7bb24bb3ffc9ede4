#pragma once

#include "shell/backend_events.h"

namespace shell::qt {

// What the widgets of the Qt backend call to reach the program: each of
// them knows its own handle and reports its events here.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // Hands `event` for `window` to the program; kNotHandled when it left it.
  virtual int Deliver(WindowHandle window, const Event& event) = 0;
  // The user or the system asks to close `window`: the program may refuse.
  virtual void CloseRequested(WindowHandle window) = 0;
};

}  // namespace shell::qt
