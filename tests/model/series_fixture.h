#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "fake_series_document.h"
#include "model/calculated_series.h"
#include "model/point_series.h"

// A document of ten frames 100 time units apart (600 units a second), into
// which a test puts series under ids of its choosing.
class SeriesTest : public ::testing::Test {
 protected:
  SeriesTest() {
    for (std::int32_t key = 0; key < 1000; key += 100) {
      doc.frameKeys.push_back(key);
    }
  }

  template <typename Series>
  Series& Add(std::int32_t id, const std::string& name) {
    auto series = std::make_unique<Series>();
    Series& added = *series;
    added.SetId(id);
    added.SetName(name);
    doc.Add(added);
    owned.push_back(std::move(series));
    return added;
  }

  // A point with the given sample type, placed at (x, y) on frame.
  TdvDataPoint& AddPoint(std::int32_t id, const std::string& name, std::int32_t x, std::int32_t y,
                         std::int32_t frame = 100, int sampleType = kFrameByFrame) {
    TdvDataPoint& point = Add<TdvDataPoint>(id, name);
    point.SetSampleType(sampleType);
    point.TakeData(x, y, frame);
    return point;
  }

  static void Include(TdvCalculatedObject& series, std::initializer_list<std::int32_t> ids) {
    LList list;
    for (std::int32_t id : ids) {
      list.Append(std::make_unique<TdvInt>(id));
    }
    series.SetIncluded(list);
  }

  static std::vector<std::int32_t> Included(const TdvCalculatedObject& series) {
    LList list;
    int required = 0;
    int max = 0;
    series.GetIncluded(list, required, max);
    std::vector<std::int32_t> ids;
    for (const TdvObject* element : list) {
      ids.push_back(static_cast<const TdvInt*>(element)->value);
    }
    return ids;
  }

  // The answering position, or (-1, -1) with a failed test when none.
  static TdvPoint PositionAt(TdvDataPoint& p, std::int32_t frame) {
    TdvPoint position{-1, -1};
    double value = 0.0;
    EXPECT_TRUE(p.GetPosition(frame, position, value)) << "frame " << frame;
    return position;
  }

  FakeSeriesDocument doc;
  std::vector<std::unique_ptr<TdvDataObject>> owned;
};

// The same document with one empty point, id 1, named "P".
class PointTest : public SeriesTest {
 protected:
  TdvDataPoint& point = Add<TdvDataPoint>(1, "P");
};
