#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "fake_series_document.h"
#include "model/point_series.h"

// A document of ten frames 100 time units apart (600 units a second) with
// one point, id 1, in it.
class PointTest : public ::testing::Test {
 protected:
  PointTest() {
    for (std::int32_t key = 0; key < 1000; key += 100) {
      doc.frameKeys.push_back(key);
    }
    point.SetId(1);
    point.SetName("P");
    doc.Add(point);
  }

  // The answering position, or (-1, -1) with a failed test when none.
  TdvPoint PositionAt(TdvDataPoint& p, std::int32_t frame) {
    TdvPoint position{-1, -1};
    double value = 0.0;
    EXPECT_TRUE(p.GetPosition(frame, position, value)) << "frame " << frame;
    return position;
  }

  FakeSeriesDocument doc;
  TdvDataPoint point;
};
