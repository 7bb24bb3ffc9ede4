#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "fake_table_document.h"
#include "kinematics/data_table.h"
#include "kinematics/data_value_group.h"

// A table over a fake document, with helpers that edit the document and
// report the edit as the real document does.
class TableFixture : public ::testing::Test {
 protected:
  void SetUp() override { table.SetDocument(&doc); }

  FakeSeries& Series(std::int32_t id, const std::string& name = "Ball") {
    FakeSeries& s = doc.series[id];
    s.name = name;
    return s;
  }
  // Reads every series into the table, as after opening a document.
  void Build() {
    table.RefreshFrames();
    for (const auto& [id, s] : doc.series) {
      table.AddSeries(id);
    }
  }
  // A group that a table column shows.
  TdvDataValueGroup& Shown(std::int32_t id, int quantity) {
    TdvDataValueGroup* group = table.FindGroup(id, quantity);
    EXPECT_NE(group, nullptr) << "quantity " << quantity;
    group->Use(true);
    return *group;
  }
  void Place(std::int32_t id, std::int32_t frame, double x, double y) {
    doc.series[id].points[frame] = {x, y};
    table.SeriesChanged(id, frame, TdvDataTable::kOneFrame, affected);
  }
  void Erase(std::int32_t id, std::int32_t frame) {
    doc.series[id].points.erase(frame);
    table.SeriesChanged(id, frame, TdvDataTable::kOneFrame, affected);
  }

  FakeTableDocument doc;
  TdvDataTable table;
  std::vector<std::int32_t> affected;
};

inline std::vector<std::int32_t> FramesOf(const TdvDataValueList& list) {
  std::vector<std::int32_t> frames;
  for (const auto& [frame, value] : list) {
    frames.push_back(frame);
  }
  return frames;
}

// Bitwise equality of two value lists, naming the first difference.
inline ::testing::AssertionResult SameValues(const TdvDataValueList& actual,
                                             const TdvDataValueList& expected) {
  if (actual.size() != expected.size()) {
    return ::testing::AssertionFailure()
           << actual.size() << " values instead of " << expected.size();
  }
  for (auto a = actual.begin(), e = expected.begin(); e != expected.end(); ++a, ++e) {
    if (a->first != e->first ||
        std::bit_cast<std::uint64_t>(a->second) != std::bit_cast<std::uint64_t>(e->second)) {
      return ::testing::AssertionFailure() << "frame " << a->first << " holds " << a->second
                                           << " where frame " << e->first << " holds " << e->second;
    }
  }
  return ::testing::AssertionSuccess();
}
