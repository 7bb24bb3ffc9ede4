#pragma once

#include <functional>
#include <string>

namespace shell {

// What the program needs from the desktop besides its windows: the door
// through which a second start of the program hands its path to the one
// already running, and the browser that shows the help pages.
class DesktopServices {
 public:
  using OpenRequest = std::function<void(const std::string& path)>;

  virtual ~DesktopServices() = default;

  // Opens the door `name`; each path handed over arrives at `onRequest`
  // from the event loop (the path may be empty: a start without one).
  // False when another running program holds the door.
  virtual bool ListenForOpenRequests(const std::string& name, OpenRequest onRequest) = 0;
  // Hands `path` to the program behind the door `name`; false when no
  // running program answers there.
  virtual bool SendOpenRequest(const std::string& name, const std::string& path) = 0;
  // Shows the page in the desktop's browser; false when it cannot.
  virtual bool OpenUrl(const std::string& url) = 0;
};

}  // namespace shell
