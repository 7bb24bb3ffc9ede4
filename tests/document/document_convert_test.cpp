#include <cmath>

#include "document/text_prompt_dialog.h"
#include "document_fixture.h"
#include "foundation/angles.h"
#include "model/calculated_series.h"
#include "model/scale_series.h"

namespace {

using shell::MessageAnswer;

class ConvertTest : public DocumentTest {
 protected:
  ConvertTest() {
    doc = NewDocument();
    doc->SetTimeBase(600, {0, 20, 40});
  }

  // Converts (x, y) through originRef on frame; the reference as handed back.
  TdvRealPoint Convert(double x, double y, std::int32_t& originRef, std::int32_t frame = 0,
                       std::uint8_t unit = 1) {
    TdvRealPoint point(x, y);
    std::string label;
    converted = doc->ConvertPoint(point, originRef, unit, label, frame);
    lastLabel = label;
    return point;
  }

  void PlaceOrigin1(int x, int y, double angle = 0.0) {
    doc->GetItem(0)->FrameData().Set(0, std::make_unique<TdvTimeData>(x, y, angle));
  }

  TdvDataObjectWindow* doc = nullptr;
  bool converted = false;
  std::string lastLabel;
};

TEST_F(ConvertTest, MissingAndUnusableOriginsFallBackOrFail) {
  std::int32_t ref = 77;
  TdvRealPoint p = Convert(10, -30, ref);
  EXPECT_TRUE(converted);
  EXPECT_EQ(ref, kVideoOriginRef);
  EXPECT_DOUBLE_EQ(p.x, 10);
  EXPECT_DOUBLE_EQ(p.y, 30);
  EXPECT_EQ(backend.Beeps(), 2);

  std::int32_t plain = AddPoint(*doc, "plain")->GetId();
  ref = plain;
  p = Convert(10, -30, ref);
  EXPECT_TRUE(converted);
  EXPECT_EQ(ref, kVideoOriginRef);
  EXPECT_DOUBLE_EQ(p.y, 30);
  EXPECT_EQ(lastLabel, "(pixels)");
  EXPECT_EQ(backend.Beeps(), 2);

  std::int32_t distance = doc->ObjectNewObject(kItemDistance, "D");
  ref = distance;
  backend.ExpectMessage("There is no useable origin", MessageAnswer::kOk,
                        "TdvDataObjectWindow::ConvertPoint");
  Convert(10, -30, ref);
  EXPECT_FALSE(converted);
}

}  // namespace
