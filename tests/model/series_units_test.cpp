#include <gtest/gtest.h>

#include "fake_series_document.h"
#include "model/series.h"
#include "model/series_units.h"

namespace {

TEST(UnitLabels, LengthAndAngleCodes) {
  EXPECT_EQ(UnitLabel(0), "(pixels)");
  EXPECT_EQ(UnitLabel(1), "[m]");
  EXPECT_EQ(UnitLabel(2), "[cm]");
  EXPECT_EQ(UnitLabel(3), "[mm]");
  EXPECT_EQ(UnitLabel(4), "[in]");
  EXPECT_EQ(UnitLabel(5), "[ft]");
  EXPECT_EQ(UnitLabel(7), "[rad]");
  EXPECT_EQ(UnitLabel(8), "[deg]");
}

TEST(UnitLabels, CodesThatAreNotUnitsReadAsPixels) {
  EXPECT_EQ(UnitLabel(6), "[pixels]");
  EXPECT_EQ(UnitLabel(9), "[pixels]");
  EXPECT_EQ(UnitLabel(-1), "[pixels]");
}

TEST(UnitLabels, MassCodes) {
  EXPECT_EQ(MassLabel(1), "[kg]");
  EXPECT_EQ(MassLabel(2), "[g]");
  EXPECT_EQ(MassLabel(3), "[mg]");
  EXPECT_EQ(MassLabel(0), "[kg]");
  EXPECT_EQ(MassLabel(4), "[kg]");
}

TEST(UnitConversion, OneMetreInEachLengthUnit) {
  const double expected[] = {1.0, 100.0, 1000.0, 39.37, 3.2808};
  for (int code = 1; code <= 5; ++code) {
    double value = 1.0;
    ConvertLength(value, code, false);
    EXPECT_EQ(value, expected[code - 1]) << code;
  }
}

TEST(UnitConversion, InchesUseTheShortDecimalConstant) {
  double value = 2.0;
  ConvertLength(value, 4, false);
  EXPECT_EQ(value, 2.0 * 39.37);
  EXPECT_NE(value, 2.0 / 0.0254);
}

TEST(UnitConversion, BackToMetresDividesByTheFactor) {
  double value = 39.37;
  ConvertLength(value, 4, true);
  EXPECT_DOUBLE_EQ(value, 1.0);
  value = 250.0;
  ConvertLength(value, 2, true);
  EXPECT_DOUBLE_EQ(value, 2.5);
}

TEST(UnitConversion, UnknownCodesLeaveValuesAlone) {
  double value = 7.5;
  ConvertLength(value, 0, false);
  ConvertLength(value, 9, true);
  ConvertMass(value, 0, false);
  ConvertMass(value, 7, true);
  EXPECT_EQ(value, 7.5);
}

TEST(UnitConversion, NewSeriesMassShowsAsOneHundredGrams) {
  TdvDataObject series;
  double shown = series.GetMass();
  ConvertMass(shown, series.GetMassUnit(), false);
  EXPECT_EQ(shown, 100.0);
  EXPECT_EQ(MassLabel(series.GetMassUnit()), "[g]");
}

TEST(UnitConversion, MassUnits) {
  double value = 0.25;
  ConvertMass(value, 3, false);
  EXPECT_DOUBLE_EQ(value, 250000.0);
  ConvertMass(value, 3, true);
  EXPECT_DOUBLE_EQ(value, 0.25);
  value = 1.0;
  ConvertMass(value, 1, false);
  EXPECT_EQ(value, 1.0);
}

TEST(UnitSetters, UnitsRedrawTheRowAndMassChangesTheSeries) {
  FakeSeriesDocument doc;
  TdvDataObject series;
  series.SetId(2);
  doc.Add(series);
  series.SetLengthUnit(2);
  series.SetMassUnit(1);
  series.SetAngleUnit(8);
  series.SetAngleRange(3);
  series.SetCoordinates(kPolar);
  series.SetFrameCoordinates(kPolar);
  EXPECT_EQ(doc.CountEvents("redraw-row 2"), 6);
  EXPECT_EQ(series.GetLengthUnit(), 2);
  EXPECT_EQ(series.GetMassUnit(), 1);
  EXPECT_EQ(series.GetAngleUnit(), 8);
  EXPECT_EQ(series.GetAngleRange(), 3);
  EXPECT_EQ(series.GetCoordinates(), kPolar);
  EXPECT_EQ(series.GetFrameCoordinates(), kPolar);

  doc.events.clear();
  series.SetMass(0.5);
  EXPECT_EQ(doc.events, std::vector<std::string>{"changed 2"});
  EXPECT_EQ(series.GetMass(), 0.5);
}

}  // namespace
