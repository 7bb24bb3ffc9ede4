#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "kinematics/data_table_document.h"

// A document reduced to what the data table asks: series with stored points
// or scalar values, their units and dependencies. A point series may be
// reported relative to another point (its origin), so that moving the origin
// changes its positions as in the real document.
struct FakeSeries {
  bool point = true;
  int natural = 0;
  std::map<std::int32_t, std::pair<double, double>> points;
  std::map<std::int32_t, double> scalars;
  std::map<std::int32_t, double> rotations;
  std::int32_t origin = 0;  // 0: positions as stored
  double mass = 1.0;
  int lengthUnit = 1;
  int angleUnit = 8;
  int massUnit = 1;
  bool scale = true;
  int sampleType = 1;
  std::string name;
  std::vector<std::int32_t> dependsOn;
};

class FakeTableDocument : public TdvDataTableDocument {
 public:
  double FrameTime(std::int32_t frame) override {
    auto it = times.find(frame);
    return it != times.end() ? it->second : frame / 30.0;
  }
  bool IsPointSeries(std::int32_t id) override { return series.at(id).point; }
  int NaturalQuantity(std::int32_t id) override { return series.at(id).natural; }
  std::optional<double> RawValue(std::int32_t id, std::int32_t frame, int quantity) override;
  double Mass(std::int32_t id) override { return series.at(id).mass; }
  int LengthUnit(std::int32_t id) override { return series.at(id).lengthUnit; }
  int AngleUnit(std::int32_t id) override { return series.at(id).angleUnit; }
  int MassUnit(std::int32_t id) override { return series.at(id).massUnit; }
  bool HasScale(std::int32_t id) override { return series.at(id).scale; }
  int SampleType(std::int32_t id) override { return series.at(id).sampleType; }
  std::string SeriesName(std::int32_t id) override { return series.at(id).name; }
  std::vector<std::int32_t> DataFrames() override;
  bool FrameHasData(std::int32_t frame) override;
  std::vector<std::int32_t> DependsOn(std::int32_t id) override { return series.at(id).dependsOn; }
  bool ChangeNeedsNoNewUnits(std::int32_t) override { return noNewUnits; }
  bool IsLoading() override { return loading; }

  std::map<std::int32_t, FakeSeries> series;
  std::map<std::int32_t, double> times;
  bool loading = false;
  bool noNewUnits = false;

 private:
  std::optional<std::pair<double, double>> Position(std::int32_t id, std::int32_t frame);
};

inline std::optional<std::pair<double, double>> FakeTableDocument::Position(std::int32_t id,
                                                                            std::int32_t frame) {
  const FakeSeries& s = series.at(id);
  auto it = s.points.find(frame);
  if (it == s.points.end()) {
    return std::nullopt;
  }
  std::pair<double, double> p = it->second;
  if (s.origin != 0) {
    if (auto o = Position(s.origin, frame)) {
      p.first -= o->first;
      p.second -= o->second;
    }
  }
  return p;
}

inline std::optional<double> FakeTableDocument::RawValue(std::int32_t id, std::int32_t frame,
                                                         int quantity) {
  const FakeSeries& s = series.at(id);
  // Positions are stored in metres and reported in the series' unit.
  double factor = s.lengthUnit == 2 ? 100.0 : 1.0;
  if (quantity == 2 || quantity == 3) {
    auto p = Position(id, frame);
    if (!p) {
      return std::nullopt;
    }
    return (quantity == 2 ? p->first : p->second) * factor;
  }
  const std::map<std::int32_t, double>& list = quantity == 6 ? s.rotations : s.scalars;
  if (quantity != 6 && quantity != s.natural) {
    return std::nullopt;
  }
  auto it = list.find(frame);
  if (it == list.end()) {
    return std::nullopt;
  }
  return it->second;
}

inline std::vector<std::int32_t> FakeTableDocument::DataFrames() {
  std::set<std::int32_t> frames;
  for (const auto& [id, s] : series) {
    for (const auto& [frame, p] : s.points) {
      frames.insert(frame);
    }
    for (const auto& [frame, v] : s.scalars) {
      frames.insert(frame);
    }
  }
  return {frames.begin(), frames.end()};
}

inline bool FakeTableDocument::FrameHasData(std::int32_t frame) {
  for (const auto& [id, s] : series) {
    if (s.points.contains(frame) || s.scalars.contains(frame)) {
      return true;
    }
  }
  return false;
}
