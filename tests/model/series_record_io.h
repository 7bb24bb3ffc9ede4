#pragma once

#include <gtest/gtest.h>

#include <string>

#include "foundation/tagged_stream.h"
#include "foundation/tagged_writer.h"
#include "model/series.h"
#include "model/series_record.h"

// Writing a series record to text and reading one back, and a field-for-field
// comparison of two series for the round-trip tests of every kind.

inline std::string RecordText(TdvDataObject& series) {
  std::string text;
  TdvTaggedWriter writer(text);
  series.WriteRecord(writer);
  return text;
}

inline void ReadRecordText(const std::string& text, TdvDataObject& series, bool legacy = false) {
  TdvStringStream stream(text);
  ReadSeriesRecordBody(stream, series, legacy);
}

inline void ExpectSameFrameData(const ArrayAsLList<TdvTimeData>& a,
                                const ArrayAsLList<TdvTimeData>& b, const char* what) {
  auto ia = a.begin();
  auto ib = b.begin();
  for (; ia != a.end() && ib != b.end(); ++ia, ++ib) {
    EXPECT_EQ((*ia).key, (*ib).key) << what;
    EXPECT_EQ((*ia).value->x, (*ib).value->x) << what << " key " << (*ia).key;
    EXPECT_EQ((*ia).value->y, (*ib).value->y) << what << " key " << (*ia).key;
    EXPECT_EQ((*ia).value->value, (*ib).value->value) << what << " key " << (*ia).key;
  }
  EXPECT_TRUE(ia == a.end() && ib == b.end()) << what << ": different element counts";
}

inline void ExpectSameSeries(const TdvDataObject& a, const TdvDataObject& b) {
  EXPECT_EQ(a.GetName(), b.GetName());
  EXPECT_EQ(a.IsOrigin(), b.IsOrigin());
  EXPECT_EQ(a.IsVisible(), b.IsVisible());
  EXPECT_EQ(a.HasTrails(), b.HasTrails());
  EXPECT_EQ(a.GetSavedScaleId(), b.GetSavedScaleId());
  EXPECT_EQ(a.GetSavedOriginId(), b.GetSavedOriginId());
  EXPECT_EQ(a.GetRowCount(), b.GetRowCount());
  EXPECT_EQ(a.GetMarkerSize(), b.GetMarkerSize());
  EXPECT_EQ(a.GetMarkerType(), b.GetMarkerType());
  EXPECT_EQ(a.GetMarkerColour(), b.GetMarkerColour());
  EXPECT_EQ(a.GetLengthUnit(), b.GetLengthUnit());
  EXPECT_EQ(a.GetAngleUnit(), b.GetAngleUnit());
  EXPECT_EQ(a.GetAngleRange(), b.GetAngleRange());
  EXPECT_EQ(a.GetMassUnit(), b.GetMassUnit());
  EXPECT_EQ(a.GetCoordinates(), b.GetCoordinates());
  EXPECT_EQ(a.GetActiveTransform(), b.GetActiveTransform());
  EXPECT_EQ(a.GetFrameCoordinates(), b.GetFrameCoordinates());
  EXPECT_EQ(a.GetSampleType(), b.GetSampleType());
  EXPECT_EQ(a.GetMass(), b.GetMass());
  ExpectSameFrameData(a.FrameData(), b.FrameData(), "frame data");
  ExpectSameFrameData(a.TransformPoints(), b.TransformPoints(), "transform points");
  auto ia = a.TransformedFrames().begin();
  auto ib = b.TransformedFrames().begin();
  for (; ia != a.TransformedFrames().end() && ib != b.TransformedFrames().end(); ++ia, ++ib) {
    EXPECT_EQ((*ia)->name, (*ib)->name);
    EXPECT_EQ((*ia)->startFrame, (*ib)->startFrame);
    EXPECT_EQ((*ia)->useTransformPoint, (*ib)->useTransformPoint);
  }
  EXPECT_TRUE(ia == a.TransformedFrames().end() && ib == b.TransformedFrames().end())
      << "different numbers of transformed frames";
}
