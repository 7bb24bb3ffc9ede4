#pragma once

#include "kinematics/changed_frames.h"
#include "kinematics/data_value_group.h"

// The three-point derivative over the data points of a series, for unequal
// time steps, with the end values extrapolated linearly. The incremental form
// recomputes only around the frames that changed in the source and always
// gives bitwise the values of the full form.

// target becomes the derivative of source; time holds the time of each frame.
void DerivativeFull(const TdvDataValueList& time, const TdvDataValueList& source,
                    TdvDataValueList& target);
// Updates target after source changed within sourceChanges (not All), and
// adds to targetChanges where target may have changed.
void DerivativeUpdate(const TdvDataValueList& time, const TdvDataValueList& source,
                      const TdvChangedFrames& sourceChanges, TdvDataValueList& target,
                      TdvChangedFrames& targetChanges);

// The smoothed list of an acceleration: each value leans on its neighbours
// with weight kSmoothingWeight on itself; the two values at each end, which
// rest on extrapolated velocities, are dropped.
inline constexpr double kSmoothingWeight = 0.13;

void SmoothFull(const TdvDataValueList& raw, TdvDataValueList& smoothed);
// Updates smoothed after raw changed within rawChanges (not All); oldRawCount
// is the number of raw values before the change.
void SmoothUpdate(const TdvDataValueList& raw, std::size_t oldRawCount,
                  const TdvChangedFrames& rawChanges, TdvDataValueList& smoothed,
                  TdvChangedFrames& smoothedChanges);
