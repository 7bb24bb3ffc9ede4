#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "graph/nr_arrays.h"

// A 1-based vector holding values in order.
inline NrVector MakeVector(const std::vector<double>& values) {
  NrStatus status;
  NrVector v(static_cast<int>(values.size()), status);
  EXPECT_FALSE(status.Failed());
  for (std::size_t i = 0; i < values.size(); ++i) {
    v[static_cast<int>(i) + 1] = values[i];
  }
  return v;
}

inline NrVector Filled(int size, double value) {
  return MakeVector(std::vector<double>(static_cast<std::size_t>(size), value));
}
