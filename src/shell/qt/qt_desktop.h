#pragma once

#include <memory>
#include <string>

#include "shell/desktop_services.h"

class QLocalServer;
class QTextBrowser;
class QUrl;

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
  // Without a browser, a local page shows in the program's own help
  // window, whose links lead on inside it.
  bool OpenUrl(const std::string& url) override;

  // The program's own help window, once a page has been shown in it.
  QTextBrowser* HelpWindow() const { return helpWindow_.get(); }

 private:
  void AcceptRequests();
  bool ShowInHelpWindow(const QUrl& page);

  std::unique_ptr<QLocalServer> server_;
  OpenRequest onRequest_;
  std::unique_ptr<QTextBrowser> helpWindow_;
};

}  // namespace shell::qt
