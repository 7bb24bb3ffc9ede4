#include "shell/headless_desktop.h"

#include <map>

namespace shell {
namespace {

std::map<std::string, HeadlessDesktop*>& Doors() {
  static std::map<std::string, HeadlessDesktop*> doors;
  return doors;
}

}  // namespace

HeadlessDesktop::~HeadlessDesktop() {
  if (door_) {
    Doors().erase(*door_);
  }
}

bool HeadlessDesktop::ListenForOpenRequests(const std::string& name, OpenRequest onRequest) {
  auto [door, opened] = Doors().emplace(name, this);
  if (!opened && door->second != this) {
    return false;
  }
  if (door_ && *door_ != name) {
    Doors().erase(*door_);
  }
  door_ = name;
  onRequest_ = std::move(onRequest);
  return true;
}

bool HeadlessDesktop::SendOpenRequest(const std::string& name, const std::string& path) {
  auto door = Doors().find(name);
  if (door == Doors().end()) {
    return false;
  }
  HeadlessDesktop* listener = door->second;
  std::weak_ptr<bool> alive = listener->alive_;
  listener->backend_.Post([listener, alive, path] {
    if (!alive.expired() && listener->onRequest_) {
      listener->onRequest_(path);
    }
  });
  return true;
}

bool HeadlessDesktop::OpenUrl(const std::string& url) {
  if (!browserWorks_) {
    return false;
  }
  urls_.push_back(url);
  return true;
}

}  // namespace shell
