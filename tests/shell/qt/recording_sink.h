#pragma once

#include <functional>
#include <map>
#include <vector>

#include "shell/backend_events.h"

namespace shell::qt::testing {

// Stands for the program: records every event and lets a test react to
// the kinds it cares about. Unanswered events are left to the backend.
class RecordingSink final : public EventSink {
 public:
  using Reaction = std::function<int(WindowHandle, const Event&)>;

  struct Received {
    WindowHandle window;
    Event event;
  };

  void On(EventKind kind, Reaction reaction) { reactions_[kind] = std::move(reaction); }

  int Dispatch(WindowHandle window, const Event& event) override {
    received_.push_back({window, event});
    auto reaction = reactions_.find(event.kind);
    return reaction != reactions_.end() ? reaction->second(window, event) : kNotHandled;
  }

  std::vector<Received> Of(EventKind kind) const {
    std::vector<Received> matching;
    for (const Received& received : received_) {
      if (received.event.kind == kind) {
        matching.push_back(received);
      }
    }
    return matching;
  }

 private:
  std::map<EventKind, Reaction> reactions_;
  std::vector<Received> received_;
};

}  // namespace shell::qt::testing
