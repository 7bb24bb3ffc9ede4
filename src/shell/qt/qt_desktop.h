#pragma once

#include <memory>
#include <string>

#include "shell/desktop_services.h"

class QLocalServer;

namespace shell::qt {

// Doors are local sockets; pages go to QDesktopServices. Needs the
// application object of the Qt backend.
class QtDesktop final : public DesktopServices {
 public:
  QtDesktop();
  ~QtDesktop() override;
  QtDesktop(const QtDesktop&) = delete;
  QtDesktop& operator=(const QtDesktop&) = delete;

  bool ListenForOpenRequests(const std::string& name, OpenRequest onRequest) override;
  bool SendOpenRequest(const std::string& name, const std::string& path) override;
  bool OpenUrl(const std::string& url) override;

 private:
  void AcceptRequests();

  std::unique_ptr<QLocalServer> server_;
  OpenRequest onRequest_;
};

}  // namespace shell::qt
