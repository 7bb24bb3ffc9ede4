#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "model/calculated_point_series.h"
#include "model/scale_series.h"
#include "series_fixture.h"

namespace {

// A 1 m scale (id 10) between two Fixed ends 200 units apart.
class ScaleTest : public SeriesTest {
 protected:
  ScaleTest() : scale(Add<TdvCalibrateObject>(10, "S")) {
    AddPoint(1, "E1", 100, -300, 0, kFixed);
    AddPoint(2, "E2", 220, -140, 0, kFixed);
    Include(scale, {1, 2});
  }

  TdvDataPoint& End(std::int32_t id) { return *static_cast<TdvDataPoint*>(doc.items[id]); }

  TdvCalibrateObject& scale;
};

TEST_F(ScaleTest, FiftyUnitsConvertIntoEveryUnitByTheKnownLength) {
  struct Case {
    double known;
    std::uint8_t unit;
    double value;
    const char* label;
  };
  const Case cases[] = {
      {1.0, 1, 0.25, "[m]"},    {1.0, 2, 25.0, "[cm]"},   {1.0, 3, 250.0, "[mm]"},
      {1.0, 4, 9.8425, "[in]"}, {1.0, 5, 0.8202, "[ft]"}, {0.5, 2, 12.5, "[cm]"},
  };
  for (const Case& c : cases) {
    scale.SetKnownLength(c.known);
    double value = 50.0;
    std::string label;
    ASSERT_TRUE(scale.Convert(value, 400, c.unit, label)) << c.label;
    EXPECT_NEAR(value, c.value, 1e-12) << c.label;
    EXPECT_EQ(label, c.label);
  }
}

TEST_F(ScaleTest, CoincidentEndsAreMovedApartWithAMessage) {
  End(2).TakeData(100, -300, 700);
  doc.displayedFrame = 700;
  double value = 50.0;
  std::string label = "[m]";
  EXPECT_FALSE(scale.Convert(value, 700, 2, label));
  EXPECT_EQ(value, 50.0);
  EXPECT_EQ(label, "[m]");
  ASSERT_EQ(doc.messages.size(), 1u);
  EXPECT_EQ(doc.messages[0],
            (FakeSeriesDocument::Message{"Calibrate value too small. Spacing will be changed",
                                         "TdvCalibrateObject::Convert"}));
  // The last end went 5 units right and 5 up; the first stayed.
  TdvPoint position;
  double rotation = 0.0;
  ASSERT_TRUE(End(2).GetPosition(0, position, rotation));
  EXPECT_EQ(position, (TdvPoint{105, -295}));
  ASSERT_TRUE(End(1).GetPosition(0, position, rotation));
  EXPECT_EQ(position, (TdvPoint{100, -300}));
  // Apart now, the ends convert again without a message.
  EXPECT_TRUE(scale.Convert(value, 700, 2, label));
  EXPECT_EQ(doc.messages.size(), 1u);
}

class ScaleSampleTypeTest : public SeriesTest {
 protected:
  ScaleSampleTypeTest() : scale(Add<TdvCalibrateObject>(10, "S")) {
    Add<TdvDataPoint>(1, "E1");
    Add<TdvDataPoint>(2, "E2");
    Include(scale, {1, 2});
  }

  TdvCalibrateObject& scale;
};

}  // namespace
