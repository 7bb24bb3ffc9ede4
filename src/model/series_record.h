#pragma once

#include "foundation/tagged_stream.h"
#include "model/series.h"

// Reads the body of a series record into series. Files written before
// records carried a version (legacy) stored a few values differently; they
// are converted on the way in, before they reach the series.
void ReadSeriesRecordBody(TdvStringStream& stream, TdvDataObject& series, bool legacy);

// The conversions of legacy files, one value at a time.
std::int32_t LegacyMarkerSize(std::int32_t value);
std::int32_t LegacyMarkerType(std::int32_t value);
std::int32_t LegacyMarkerColour(std::int32_t value);
double LegacyMass(double value);
