#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// Outcome of one run of the numerical routines. A routine that meets a
// failure records it through nrerror and returns at once; its callers check
// Failed() and return too, so a failure abandons the computation that met it
// and nothing else. The first message is the one kept.
class NrStatus {
 public:
  void nrerror(std::string_view message);
  bool Failed() const { return failed_; }
  const std::string& Message() const { return message_; }

 private:
  bool failed_ = false;
  std::string message_;
};

// Largest number of elements one vector or matrix may hold; a request beyond
// it is reported as an allocation failure rather than left to exhaust memory.
inline constexpr std::size_t kNrMaxElements = std::size_t{1} << 24;

// Vector of doubles indexed from 1 to Size(), zeroed when made.
class NrVector {
 public:
  NrVector() = default;
  // An empty vector and a recorded failure when the memory cannot be had.
  NrVector(int size, NrStatus& status);

  int Size() const { return size_; }
  double& operator[](int i) { return data_[i]; }
  double operator[](int i) const { return data_[i]; }
  // Elements 1 … Size().
  std::span<const double> Values() const {
    return {data_.get() + (size_ > 0 ? 1 : 0), static_cast<std::size_t>(size_)};
  }

 private:
  std::unique_ptr<double[]> data_;
  int size_ = 0;
};

// Matrix of doubles indexed from 1: m[row][column].
class NrMatrix {
 public:
  NrMatrix() = default;
  NrMatrix(int rows, int columns, NrStatus& status);

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  double* operator[](int row) { return rowStarts_[row]; }
  const double* operator[](int row) const { return rowStarts_[row]; }

 private:
  std::unique_ptr<double*[]> rowStarts_;
  std::unique_ptr<double[]> block_;
  int rows_ = 0;
  int columns_ = 0;
};
