#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fake_series_document.h"
#include "model/series.h"
#include "model/series_units.h"

namespace {

TEST(UnitLabels, LengthAngleAndMassCodes) {
  const std::pair<int, const char*> units[] = {
      {0, "(pixels)"}, {1, "[m]"},   {2, "[cm]"},     {3, "[mm]"},     {4, "[in]"},     {5, "[ft]"},
      {7, "[rad]"},    {8, "[deg]"}, {6, "[pixels]"}, {9, "[pixels]"}, {-1, "[pixels]"}};
  for (auto [code, label] : units) {
    EXPECT_EQ(UnitLabel(code), label) << code;
  }
  const std::pair<int, const char*> masses[] = {
      {1, "[kg]"}, {2, "[g]"}, {3, "[mg]"}, {0, "[kg]"}, {4, "[kg]"}};
  for (auto [code, label] : masses) {
    EXPECT_EQ(MassLabel(code), label) << code;
  }
}

TEST(UnitConversion, LengthsUseTheirShortDecimalFactorsBothWays) {
  const double expected[] = {1.0, 100.0, 1000.0, 39.37, 3.2808};
  for (int code = 1; code <= 5; ++code) {
    double value = 2.0;
    ConvertLength(value, code, false);
    EXPECT_EQ(value, 2.0 * expected[code - 1]) << code;
    ConvertLength(value, code, true);
    EXPECT_DOUBLE_EQ(value, 2.0) << code;
  }
}

TEST(UnitConversion, MassUnitsAndUnknownCodes) {
  double value = 0.25;
  ConvertMass(value, 3, false);
  EXPECT_DOUBLE_EQ(value, 250000.0);
  ConvertMass(value, 3, true);
  EXPECT_DOUBLE_EQ(value, 0.25);
  ConvertMass(value, 1, false);
  ConvertLength(value, 0, false);
  ConvertLength(value, 9, true);
  ConvertMass(value, 0, false);
  ConvertMass(value, 7, true);
  EXPECT_EQ(value, 0.25);

  TdvDataObject series;  // a new series shows 100 g
  double shown = series.GetMass();
  ConvertMass(shown, series.GetMassUnit(), false);
  EXPECT_EQ(shown, 100.0);
  EXPECT_EQ(MassLabel(series.GetMassUnit()), "[g]");
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
  doc.events.clear();
  series.SetMass(0.5);
  EXPECT_EQ(doc.events, std::vector<std::string>{"changed 2"});
}

}  // namespace
