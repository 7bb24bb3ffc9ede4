#include "document_fixture.h"
#include "model/calculated_series.h"
#include "model/count_series.h"
#include "model/scale_series.h"

namespace {

using shell::MessageAnswer;

TEST_F(DocumentTest, DeletingAPointDeletesItsClonesAndLeavesCalculatedInputs) {
  TdvDataObjectWindow* doc = NewDocument();
  TdvDataPoint* p = AddPoint(*doc, "P");
  TdvDataPoint* q = AddPoint(*doc, "Q");
  std::int32_t pid = p->GetId();
  std::int32_t qid = q->GetId();
  std::int32_t clone = doc->ObjectNewObject(kItemClone, "C");
  static_cast<TdvClonePoint*>(doc->GetItem(clone))->SetSource(pid);
  std::int32_t cloneOfClone = doc->ObjectNewObject(kItemClone, "CC");
  static_cast<TdvClonePoint*>(doc->GetItem(cloneOfClone))->SetSource(clone);
  std::int32_t distance = doc->ObjectNewObject(kItemDistance, "D");
  LList ends;
  ends.Append(std::make_unique<TdvInt>(pid));
  ends.Append(std::make_unique<TdvInt>(qid));
  static_cast<TdvCalculatedObject*>(doc->GetItem(distance))->SetIncluded(ends);

  doc->DeleteItem(pid);
  EXPECT_EQ(doc->GetItem(pid), nullptr);
  EXPECT_EQ(doc->GetItem(clone), nullptr);
  EXPECT_EQ(doc->GetItem(cloneOfClone), nullptr);
  LList left;
  int required = 0;
  int max = 0;
  static_cast<TdvCalculatedObject*>(doc->GetItem(distance))->GetIncluded(left, required, max);
  ASSERT_EQ(left.Count(), 1);
  EXPECT_EQ(static_cast<TdvInt*>(left.First())->value, qid);
  for (std::int32_t id : doc->ItemOrder()) {
    EXPECT_NE(doc->GetItem(id), nullptr);
  }
  EXPECT_EQ(doc->ItemCount(), 3);
}

TEST_F(DocumentTest, CloseAsksToSaveAChangedDocument) {
  TdvDataObjectWindow* doc = NewDocument();
  AddPoint(*doc, "a");
  backend.ExpectMessage("Do You Want to Save?", MessageAnswer::kCancel,
                        "Coordinate Systems Has Been Changed");
  EXPECT_EQ(doc->DoClose(), 0);
  backend.ExpectMessage("Do You Want to Save?", MessageAnswer::kYes);
  backend.QueueFileAnswer(std::nullopt);
  EXPECT_EQ(doc->DoClose(), 0);
  EXPECT_EQ(doc->ItemCount(), 2);
  backend.ExpectMessage("Do You Want to Save?", MessageAnswer::kNo);
  EXPECT_EQ(doc->DoClose(), kTdvNotHandled);
  EXPECT_EQ(doc->ItemCount(), 0);
}

}  // namespace
