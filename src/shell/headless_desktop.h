#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/backend.h"
#include "shell/desktop_services.h"

namespace shell {

// The desktop of tests: doors live in memory and are shared by every
// HeadlessDesktop of the process, so two programs in one test can meet. A
// request reaches the listener through its backend's posted work, as it
// would arrive from the event loop; pages are only recorded.
class HeadlessDesktop : public DesktopServices {
 public:
  explicit HeadlessDesktop(Backend& backend) : backend_(backend) {}
  ~HeadlessDesktop() override;
  HeadlessDesktop(const HeadlessDesktop&) = delete;
  HeadlessDesktop& operator=(const HeadlessDesktop&) = delete;

  bool ListenForOpenRequests(const std::string& name, OpenRequest onRequest) override;
  bool SendOpenRequest(const std::string& name, const std::string& path) override;
  bool OpenUrl(const std::string& url) override;

  const std::vector<std::string>& OpenedUrls() const { return urls_; }
  // When false the browser refuses every page.
  void SetBrowserWorks(bool works) { browserWorks_ = works; }

 private:
  Backend& backend_;
  std::optional<std::string> door_;
  OpenRequest onRequest_;
  std::vector<std::string> urls_;
  bool browserWorks_ = true;
  // Requests still on their way must not reach a desktop that has gone.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace shell
