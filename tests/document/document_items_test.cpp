#include "document_fixture.h"
#include "model/calculated_series.h"
#include "model/count_series.h"
#include "model/scale_series.h"

namespace {

using shell::MessageAnswer;

TEST_F(DocumentTest, NewDocumentHoldsOnlyOrigin1AsDefaultOrigin) {
  TdvDataObjectWindow* doc = NewDocument();
  ASSERT_EQ(doc->ItemCount(), 1);
  TdvDataObject* origin = doc->GetItem(doc->DefaultOrigin());
  ASSERT_NE(origin, nullptr);
  EXPECT_EQ(origin->GetName(), "Origin 1");
  EXPECT_TRUE(origin->IsOrigin());
  EXPECT_EQ(origin->GetSampleType(), kFixed);
  EXPECT_EQ(origin->GetMarkerType(), 102);
  EXPECT_EQ(origin->GetOriginId(), kVideoOriginRef);
  EXPECT_EQ(doc->GetItem(kDefaultOriginRef), origin);
  EXPECT_FALSE(doc->modified);
  EXPECT_EQ(doc->creationCounter, 1);
  EXPECT_EQ(doc->title, "Coordinate Systems");
  // The Video frame lists Origin 1; Origin 1 has a frame of its own.
  EXPECT_EQ(doc->FrameOrder(), (std::vector<std::int32_t>{kVideoOriginRef, 0}));
  EXPECT_EQ(doc->Members(kVideoOriginRef), std::vector<std::int32_t>{0});
  EXPECT_TRUE(doc->Members(0).empty());
}

TEST_F(DocumentTest, DefaultOriginCannotBeDeleted) {
  TdvDataObjectWindow* doc = NewDocument();
  backend.ExpectMessage("Can't Delete Default Origin", MessageAnswer::kOk, "Default Origin");
  doc->DeleteItem(doc->DefaultOrigin());
  EXPECT_EQ(doc->ItemCount(), 1);
  EXPECT_EQ(backend.Beeps(), 1);
}

TEST_F(DocumentTest, DefaultNamesCountItemsOfTheirKind) {
  TdvDataObjectWindow* doc = NewDocument();
  EXPECT_EQ(doc->NextDefaultNumber(kDataPointCode), 1);
  EXPECT_EQ(doc->NextDefaultNumber(kItemOrigin), 2);
  std::int32_t first = doc->CreateFromMenu(651);
  std::int32_t second = doc->CreateFromMenu(651);
  std::int32_t origin = doc->CreateFromMenu(652);
  std::int32_t distance = doc->CreateFromMenu(654);
  std::int32_t scale = doc->CreateFromMenu(655);
  // A scale is a distance too.
  std::int32_t distance2 = doc->CreateFromMenu(654);
  EXPECT_EQ(Names(*doc, {first, second, origin, distance, scale, distance2}),
            (std::vector<std::string>{"Point S1", "Point S2", "Origin 2", "Distance 1", "Scale 1",
                                      "Distance 3"}));
  EXPECT_EQ(doc->CreateFromMenu(656), kNoItem);
  // Origin 2 is a point too; only the default origin is not counted.
  std::int32_t autoNamed = doc->ObjectNewObject(kItemAutoNamedPoint, "ignored");
  EXPECT_EQ(doc->GetItem(autoNamed)->GetName(), "Point S4");
}

TEST_F(DocumentTest, CreateMenuPlacesNewItemBeforeCurrentInItsOrigin) {
  TdvDataObjectWindow* doc = NewDocument();
  std::int32_t a = doc->CreateFromMenu(651);
  std::int32_t b = doc->CreateFromMenu(651);
  EXPECT_EQ(doc->GetItem(a)->GetOriginId(), doc->DefaultOrigin());
  EXPECT_EQ(doc->CurrentItem(), b);
  EXPECT_EQ(doc->Members(0), (std::vector<std::int32_t>{b, a}));
  doc->SelectItem(a, 0);
  std::int32_t c = doc->CreateFromMenu(653);
  EXPECT_EQ(doc->Members(0), (std::vector<std::int32_t>{b, c, a}));
  EXPECT_EQ(doc->CurrentItem(), c);
  EXPECT_TRUE(doc->modified);
}

TEST_F(DocumentTest, NewScaleBecomesScaleOfDefaultOriginOnlyWhenItHasNone) {
  TdvDataObjectWindow* doc = NewDocument();
  std::int32_t first = doc->ObjectNewObject(kItemScale, "Scale 1");
  std::int32_t second = doc->ObjectNewObject(kItemScale, "Scale 2");
  EXPECT_EQ(doc->GetItem(0)->GetScaleId(), first);
  EXPECT_NE(first, second);
  EXPECT_TRUE(doc->HasScale(kDefaultOriginRef));
  EXPECT_FALSE(doc->HasScale(kVideoOriginRef));
}

TEST_F(DocumentTest, MarkerColoursRepeatEverySevenIds) {
  TdvDataObjectWindow* doc = NewDocument();
  std::vector<int> colours{doc->GetItem(0)->GetMarkerColour()};
  for (int i = 1; i < 9; ++i) {
    std::int32_t id = doc->ObjectNewObject(kItemPoint, "p");
    colours.push_back(doc->GetItem(id)->GetMarkerColour());
  }
  EXPECT_EQ(colours, (std::vector<int>{1, 0, 2, 6, 3, 4, 7, 1, 0}));
}

TEST_F(DocumentTest, UnknownKindIsRefusedAndCreatesNothing) {
  TdvDataObjectWindow* doc = NewDocument();
  backend.ExpectMessage("data type not declared", MessageAnswer::kOk,
                        "TdvDataObjectWindow::ObjectNewObject");
  EXPECT_EQ(doc->ObjectNewObject(10, "x"), -1);
  EXPECT_EQ(doc->ItemCount(), 1);
  EXPECT_EQ(doc->creationCounter, 1);
  // Only the low byte names the kind.
  std::int32_t id = doc->ObjectNewObject(0x100 | kItemCount, "c");
  EXPECT_TRUE(doc->GetItem(id)->IsA(kCountObjectCode));
}

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

TEST_F(DocumentTest, DeletingAScaleLeavesItsOriginWithoutScale) {
  TdvDataObjectWindow* doc = NewDocument();
  std::int32_t scale = doc->ObjectNewObject(kItemScale, "S");
  doc->DeleteItem(scale);
  EXPECT_EQ(doc->GetItem(0)->GetScaleId(), kNoScale);
  EXPECT_EQ(doc->FindFrame(0)->scale, kNoScale);
}

TEST_F(DocumentTest, DeletingAnOriginMovesItsMembersToTheVideoFrame) {
  TdvDataObjectWindow* doc = NewDocument();
  TdvDataPoint* o = AddPoint(*doc, "O");
  o->SetOrigin(1);
  TdvDataPoint* p = AddPoint(*doc, "P");
  p->SetOriginId(o->GetId());
  std::int32_t pid = p->GetId();
  EXPECT_EQ(doc->Members(o->GetId()), std::vector<std::int32_t>{pid});
  doc->DeleteItem(o->GetId());
  EXPECT_EQ(doc->GetItem(pid)->GetOriginId(), kVideoOriginRef);
  std::vector<std::int32_t> video = doc->Members(kVideoOriginRef);
  EXPECT_NE(std::find(video.begin(), video.end(), pid), video.end());
  EXPECT_EQ(doc->FrameOrder(), (std::vector<std::int32_t>{kVideoOriginRef, 0}));
}

TEST_F(DocumentTest, DeleteSelectionAsksByCountAndHonoursCancel) {
  TdvDataObjectWindow* doc = NewDocument();
  backend.ExpectMessage("You must select an item before you delete it", MessageAnswer::kOk,
                        "Delete Selected");
  doc->DeleteSelection();
  std::int32_t a = AddPoint(*doc, "Ball")->GetId();
  std::int32_t b = AddPoint(*doc, "Cart")->GetId();
  doc->SelectItem(a, 0);
  backend.ExpectMessage("Delete All Data Relative to Ball?", MessageAnswer::kCancel,
                        "Delete Selected");
  doc->DeleteSelection();
  EXPECT_NE(doc->GetItem(a), nullptr);
  doc->SelectItem(b, 0x200);
  backend.ExpectMessage("Delete All Items?", MessageAnswer::kOk, "Delete Selected");
  doc->DeleteSelection();
  EXPECT_EQ(doc->GetItem(a), nullptr);
  EXPECT_EQ(doc->GetItem(b), nullptr);
  EXPECT_EQ(doc->CurrentItem(), kNoItem);
  EXPECT_TRUE(doc->SelectedItems().empty());
}

TEST_F(DocumentTest, SelectionExtendBitsToggleMembership) {
  TdvDataObjectWindow* doc = NewDocument();
  std::int32_t a = AddPoint(*doc, "a")->GetId();
  std::int32_t b = AddPoint(*doc, "b")->GetId();
  std::int32_t c = AddPoint(*doc, "c")->GetId();
  doc->SelectItem(a, 0);
  doc->SelectItem(b, 0x1000);
  doc->SelectItem(c, 0x100);
  EXPECT_EQ(doc->SelectedItems(), (std::vector<std::int32_t>{a, b, c}));
  // A plain click on a selected item keeps the selection for a drag.
  doc->SelectItem(b, 0);
  EXPECT_EQ(doc->SelectedItems().size(), 3u);
  EXPECT_EQ(doc->CurrentItem(), b);
  // Extending over a selected item drops it; the last one left is current.
  doc->SelectItem(c, 0x200);
  EXPECT_EQ(doc->SelectedItems(), (std::vector<std::int32_t>{a, b}));
  EXPECT_EQ(doc->CurrentItem(), b);
  EXPECT_TRUE(doc->IsSelected(a));
  EXPECT_FALSE(doc->IsSelected(c));
  // With a coordinate system selected, extending only moves the current item.
  doc->selectedFrame = 0;
  doc->SelectItem(a, 0x200);
  doc->SelectItem(c, 0x200);
  EXPECT_EQ(doc->SelectedItems(), (std::vector<std::int32_t>{a, b}));
  EXPECT_EQ(doc->CurrentItem(), a);
  // A plain click on an unselected item starts a new selection.
  doc->SelectItem(c, 0);
  EXPECT_EQ(doc->SelectedItems(), std::vector<std::int32_t>{c});
  EXPECT_EQ(doc->selectedFrame, kNoItem);
  doc->SelectItem(kNoItem, 0);
  EXPECT_EQ(doc->CurrentItem(), kNoItem);
  EXPECT_TRUE(doc->SelectedItems().empty());
}

TEST_F(DocumentTest, ClearFrameKeepsFixedPointsAndClearsCounts) {
  TdvDataObjectWindow* doc = NewDocument();
  doc->SetTimeBase(600, {0, 20, 40});
  doc->SetDisplayedTime(20);
  TdvDataPoint* moving = AddPoint(*doc, "moving");
  TdvDataPoint* fixed = AddPoint(*doc, "fixed", kFixed);
  TdvDataPoint* semi = AddPoint(*doc, "semi", kSemiFixed);
  moving->TakeData(10, -10, 20);
  moving->TakeData(12, -10, 40);
  fixed->TakeData(30, -30, 20);
  semi->TakeData(40, -40, 20);
  doc->ClearFrame();
  EXPECT_FALSE(moving->HasData(20));
  EXPECT_TRUE(moving->HasData(40));
  EXPECT_TRUE(fixed->HasData(20));
  EXPECT_FALSE(semi->HasData(20));
  EXPECT_TRUE(doc->modified);
}

TEST_F(DocumentTest, ClearDataHonoursSampleTypesOriginsAndScaleEnds) {
  TdvDataObjectWindow* doc = NewDocument();
  doc->SetTimeBase(600, {0, 20});
  TdvDataPoint* moving = AddPoint(*doc, "moving");
  TdvDataPoint* end = AddPoint(*doc, "end");
  TdvDataPoint* fixed = AddPoint(*doc, "fixed", kFixed);
  moving->TakeData(1, -1, 20);
  end->TakeData(2, -2, 20);
  fixed->TakeData(3, -3, 0);
  doc->GetItem(0)->FrameData().Set(0, std::make_unique<TdvTimeData>(5, -5, 0.0));
  std::int32_t scale = doc->ObjectNewObject(kItemScale, "S");
  LList ends;
  ends.Append(std::make_unique<TdvInt>(end->GetId()));
  ends.Append(std::make_unique<TdvInt>(fixed->GetId()));
  static_cast<TdvCalculatedObject*>(doc->GetItem(scale))->SetIncluded(ends);
  // Switch Movie: everything but Fixed items.
  doc->ClearData(false, true, true, true, true);
  EXPECT_FALSE(moving->HasData(20));
  EXPECT_FALSE(end->HasData(20));
  EXPECT_TRUE(fixed->HasData(20));
  moving->TakeData(1, -1, 20);
  end->TakeData(2, -2, 20);
  doc->ClearData(true, true, true, false, false);
  EXPECT_FALSE(moving->HasData(20));
  EXPECT_TRUE(end->HasData(20));
  EXPECT_TRUE(fixed->HasData(20));
  EXPECT_TRUE(doc->GetItem(0)->HasData(20));
}

TEST_F(DocumentTest, RefusalsOfOriginCommandsUseTheirTexts) {
  TdvDataObjectWindow* doc = NewDocument();
  backend.ExpectMessage("Select a point-type object first (Pt., CM, DsPt), then try again",
                        MessageAnswer::kOk, "No Point Selected");
  doc->DoCommand(355);
  std::int32_t distance = doc->ObjectNewObject(kItemDistance, "D");
  doc->SelectItem(distance, 0);
  backend.ExpectMessage("Only a Selected Point can be made an origin", MessageAnswer::kOk,
                        "Make Origin");
  doc->DoCommand(355);
  backend.ExpectMessage("Selected Item Must be an Origin", MessageAnswer::kOk, "Default Origin");
  doc->DoCommand(357);
  backend.ExpectMessage("Only origins may be transformed", MessageAnswer::kOk);
  doc->TransformOrigin(distance);
  std::int32_t cm = doc->ObjectNewObject(kItemCentreOfMass, "CM");
  doc->GetItem(cm)->SetOrigin(1);
  backend.ExpectMessage("Only data points may be transformed", MessageAnswer::kOk);
  doc->TransformOrigin(cm);
  doc->SelectItem(kNoItem, 0);
  backend.ExpectMessage("You must select an item before you clear it", MessageAnswer::kOk,
                        "Clear Selected");
  doc->DoCommand(457);
  backend.ExpectMessage("You must select an item before you clear it", MessageAnswer::kOk,
                        "Clear Selected All Frames");
  doc->DoCommand(458);
  backend.ExpectMessage("You must select an item first", MessageAnswer::kOk, "Set Visible");
  EXPECT_EQ(doc->DoToolCommand(21), 1);
  backend.ExpectMessage("You must select an item first", MessageAnswer::kOk, "Leave Trails");
  doc->DoCommand(453);
  EXPECT_EQ(doc->DoToolCommand(12), 0);
  EXPECT_EQ(doc->DoToolCommand(23), 0);
  EXPECT_EQ(doc->DoCommand(999), kTdvNotHandled);
}

TEST_F(DocumentTest, MakePointOriginTogglesTheCoordinateSystem) {
  TdvDataObjectWindow* doc = NewDocument();
  TdvDataPoint* p = AddPoint(*doc, "P");
  TdvDataPoint* q = AddPoint(*doc, "Q");
  doc->SelectItem(p->GetId(), 0);
  doc->DoCommand(355);
  EXPECT_TRUE(p->IsOrigin());
  ASSERT_NE(doc->FindFrame(p->GetId()), nullptr);
  q->SetOriginId(p->GetId());
  backend.ExpectMessage("Point is already an origin; remove origin status?", MessageAnswer::kCancel,
                        "Make Origin");
  doc->DoCommand(355);
  EXPECT_TRUE(p->IsOrigin());
  backend.ExpectMessage("Point is already an origin; remove origin status?", MessageAnswer::kOk,
                        "Make Origin");
  doc->DoCommand(355);
  EXPECT_FALSE(p->IsOrigin());
  EXPECT_EQ(doc->FindFrame(p->GetId()), nullptr);
  EXPECT_EQ(q->GetOriginId(), kVideoOriginRef);
  // Now an origin again, it can become the default origin, taking along
  // the items that report relative to the default origin.
  TdvDataPoint* r = AddPoint(*doc, "R");
  doc->SelectItem(p->GetId(), 0);
  doc->DoCommand(355);
  doc->DoCommand(357);
  EXPECT_EQ(doc->DefaultOrigin(), p->GetId());
  EXPECT_EQ(doc->Members(p->GetId()), std::vector<std::int32_t>{r->GetId()});
  EXPECT_EQ(p->GetOriginId(), 0);
}

TEST_F(DocumentTest, VisibilityAndTrailsFollowTheSelection) {
  TdvDataObjectWindow* doc = NewDocument();
  TdvDataPoint* a = AddPoint(*doc, "a");
  TdvDataPoint* b = AddPoint(*doc, "b");
  doc->SelectItem(a->GetId(), 0);
  doc->SelectItem(b->GetId(), 0x200);
  doc->DoCommand(454);
  EXPECT_FALSE(a->IsVisible());
  EXPECT_FALSE(b->IsVisible());
  doc->DoToolCommand(22);
  EXPECT_TRUE(a->HasTrails());
  doc->DoCommand(455);
  EXPECT_TRUE(a->IsVisible());
  EXPECT_TRUE(b->IsVisible());
  doc->DoCommand(464);
  EXPECT_EQ(doc->SelectedItems().size(), 3u);
}

TEST_F(DocumentTest, FrameOrderNavigationWrapsAround) {
  TdvDataObjectWindow* doc = NewDocument();
  std::int32_t a = AddPoint(*doc, "a")->GetId();
  std::int32_t b = AddPoint(*doc, "b")->GetId();
  // Video frame: Origin 1; Origin 1's frame: a, b.
  EXPECT_EQ(doc->NextInFrameOrder(0, kForwards), a);
  EXPECT_EQ(doc->NextInFrameOrder(b, kForwards), 0);
  EXPECT_EQ(doc->NextInFrameOrder(0, kBackwards), b);
  doc->SelectItem(a, 0);
  doc->DoToolCommand(13);
  EXPECT_EQ(doc->CurrentItem(), b);
  doc->DoToolCommand(14);
  EXPECT_EQ(doc->CurrentItem(), a);
}

TEST_F(DocumentTest, NextItemToLocateSkipsPlacedPoints) {
  TdvDataObjectWindow* doc = NewDocument();
  doc->SetTimeBase(600, {0, 20});
  TdvDataPoint* a = AddPoint(*doc, "a");
  TdvDataPoint* b = AddPoint(*doc, "b");
  doc->GetItem(0)->FrameData().Set(0, std::make_unique<TdvTimeData>(5, -5, 0.0));
  a->TakeData(1, -1, 0);
  doc->SelectItem(a->GetId(), 0);
  EXPECT_EQ(doc->NextItemToLocate(), b->GetId());
  b->TakeData(1, -1, 0);
  EXPECT_EQ(doc->NextItemToLocate(), kNoItem);
  std::int32_t count = doc->ObjectNewObject(kItemCount, "n");
  EXPECT_EQ(doc->NextItemToLocate(), count);
  doc->autoPointAdvance = false;
  EXPECT_EQ(doc->NextItemToLocate(), kNoItem);
  // Auto Add Points puts the recording point first while nothing changed.
  doc->autoPointAdvance = true;
  doc->DoCommand(351);
  doc->modified = false;
  std::int32_t recorder = doc->CurrentItem();
  EXPECT_TRUE(doc->GetItem(recorder)->IsA(kRecordPointCode));
  EXPECT_EQ(doc->NextItemToLocate(), recorder);
  // Deleting the recording point switches the mode off.
  doc->DeleteItem(recorder);
  EXPECT_FALSE(doc->autoAddPoints);
  EXPECT_EQ(doc->GetItem(recorder), nullptr);
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
