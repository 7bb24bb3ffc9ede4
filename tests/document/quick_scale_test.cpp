#include "document_fixture.h"
#include "model/scale_series.h"

namespace {

std::vector<std::string> AllNames(TdvDataObjectWindow& doc) {
  std::vector<std::string> names;
  for (std::int32_t id : doc.ItemOrder()) {
    names.push_back(doc.GetItem(id)->GetName());
  }
  return names;
}

TEST_F(DocumentTest, QuickScaleMakesTwoEndsAndAScaleServingTheDefaultOrigin) {
  TdvDataObjectWindow* doc = NewDocument();
  std::int32_t ball = AddPoint(*doc, "Ball")->GetId();
  doc->SelectItem(ball, 0);
  doc->StartQuickScale();
  doc->SetQuickScale(50.0, 2, kDefaultOriginRef, kFixed);
  doc->ScalePoint(-10, -300, -5);
  doc->ScalePoint(190, -300, -6);

  EXPECT_EQ(AllNames(*doc),
            (std::vector<std::string>{"Origin 1", "Ball", "Scale1 A", "Scale1 B", "Scale1"}));
  std::int32_t scaleId = doc->ItemOrder().back();
  auto* scale = static_cast<TdvCalibrateObject*>(doc->GetItem(scaleId));
  EXPECT_DOUBLE_EQ(scale->GetKnownLength(), 0.5);
  EXPECT_EQ(scale->GetLengthUnit(), 2);
  EXPECT_EQ(doc->GetItem(doc->DefaultOrigin())->GetScaleId(), scaleId);
  double pixelsPerCm = 0.0;
  ASSERT_TRUE(scale->GetScaleFactor(pixelsPerCm, 0));
  EXPECT_DOUBLE_EQ(pixelsPerCm, 4.0);
  for (const char* endName : {"Scale1 A", "Scale1 B"}) {
    SCOPED_TRACE(endName);
    TdvDataObject* end = nullptr;
    for (std::int32_t id : doc->ItemOrder()) {
      if (doc->GetItem(id)->GetName() == endName) {
        end = doc->GetItem(id);
      }
    }
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->GetOriginId(), kVideoOriginRef);
    EXPECT_EQ(end->GetSampleType(), kFixed);
  }
  // The item current before the scale is current again.
  EXPECT_EQ(doc->CurrentItem(), ball);
  // The next quick scale is numbered after this one.
  doc->SetQuickScale(1.0, 1, kVideoOriginRef, kFrameByFrame);
  doc->ScalePoint(0, -10, -5);
  EXPECT_EQ(AllNames(*doc).back(), "Scale2 A");
}

TEST_F(DocumentTest, QuickScaleCancelledAfterFirstClickLeavesNoEndPoint) {
  TdvDataObjectWindow* doc = NewDocument();
  std::int32_t origin = doc->DefaultOrigin();
  doc->SelectItem(origin, 0);
  doc->StartQuickScale();
  doc->SetQuickScale(1.0, 1, kDefaultOriginRef, kFixed);
  TdvDataObjectWindow::recalculateOnChange = false;
  doc->ScalePoint(5, -5, -5);
  doc->ScalePoint(0, 0, -4);
  EXPECT_EQ(AllNames(*doc), std::vector<std::string>{"Origin 1"});
  EXPECT_EQ(doc->CurrentItem(), origin);
  EXPECT_TRUE(TdvDataObjectWindow::recalculateOnChange);
  // A stray second click after the cancel makes no scale with one end.
  doc->ScalePoint(5, -5, -6);
  EXPECT_EQ(doc->ItemCount(), 1);
}

}  // namespace
