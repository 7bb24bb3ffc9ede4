#include "graph/nr_arrays.h"

#include <new>

void NrStatus::nrerror(std::string_view message) {
  if (!failed_) {
    failed_ = true;
    message_ = message;
  }
}

NrVector::NrVector(int size, NrStatus& status) {
  const bool fits = size >= 0 && static_cast<std::size_t>(size) < kNrMaxElements;
  if (fits) {
    data_.reset(new (std::nothrow) double[static_cast<std::size_t>(size) + 1]());
  }
  if (!data_) {
    status.nrerror("allocation failure in nr_vector()");
    return;
  }
  size_ = size;
}

NrMatrix::NrMatrix(int rows, int columns, NrStatus& status) {
  if (rows >= 0 && static_cast<std::size_t>(rows) < kNrMaxElements) {
    rowStarts_.reset(new (std::nothrow) double*[static_cast<std::size_t>(rows) + 1]());
  }
  if (!rowStarts_) {
    status.nrerror("allocation failure 1 in matrix()");
    return;
  }
  const std::size_t stride = static_cast<std::size_t>(columns < 0 ? 0 : columns) + 1;
  const std::size_t elements = (static_cast<std::size_t>(rows) + 1) * stride;
  if (columns >= 0 && elements < kNrMaxElements) {
    block_.reset(new (std::nothrow) double[elements]());
  }
  if (!block_) {
    rowStarts_.reset();
    status.nrerror("allocation failure 2 in matrix()");
    return;
  }
  for (int row = 0; row <= rows; ++row) {
    rowStarts_[row] = block_.get() + static_cast<std::size_t>(row) * stride;
  }
  rows_ = rows;
  columns_ = columns;
}
