#pragma once

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "fake_fit_owner.h"
#include "graph/graph_source.h"
#include "kinematics/data_value_group.h"

// A data table of hand-filled groups and a scale per series, recording
// every question about a scale and every information box.
class FakeGraphSource : public TdvGraphSource {
 public:
  // The group of series and quantity, filled with (frame, value) pairs.
  TdvDataValueGroup& Group(std::int32_t series, std::int32_t quantity,
                           const std::vector<std::pair<std::int32_t, double>>& values,
                           std::uint8_t mode = kGroupPlain) {
    auto& group = groups[{series, quantity}];
    group = std::make_unique<TdvDataValueGroup>(quantity, mode);
    for (const auto& [frame, value] : values) {
      group->SetValue(frame, value);
    }
    return *group;
  }

  TdvDataValueGroup* FindGroup(std::int32_t series, std::int32_t quantity) override {
    const auto found = groups.find({series, quantity});
    return found != groups.end() ? found->second.get() : nullptr;
  }

  std::optional<TdvScaleSample> ScaleAt(std::int32_t series, std::int32_t frame) override {
    const auto found = scales.find(series);
    if (found == scales.end()) {
      return std::nullopt;
    }
    const auto value = found->second.values.find(frame);
    const double v = value != found->second.values.end() ? value->second : 1.0;
    return TdvScaleSample{v, found->second.fixed};
  }

  void ShowInformation(const std::string& text, const std::string& caption) override {
    boxes.push_back({text, caption});
  }

  struct Scale {
    std::map<std::int32_t, double> values;
    bool fixed = false;
  };

  std::map<std::pair<std::int32_t, std::int32_t>, std::unique_ptr<TdvDataValueGroup>> groups;
  std::map<std::int32_t, Scale> scales;
  std::vector<FakeFitOwner::Box> boxes;
};
