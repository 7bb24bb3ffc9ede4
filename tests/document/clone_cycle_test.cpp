// Clones whose sources lead back to themselves would be followed forever:
// a file that holds such a circle is read with the circle broken, and the
// user cannot close one.
#include "damaged_file_fixture.h"

namespace {

using shell::MessageAnswer;

using CloneCycleTest = DamagedFileTest;

std::string CloneRecord(int id, const std::string& name, int source) {
  return "O" + std::to_string(id) + "x6[b(500x0 p501x0 p502x0 )i(565x" + std::to_string(source) +
         " p551x-1 )s(570x\"" + name + "\" )];\r\n";
}

std::int32_t SourceOf(TdvDataObject& clone) {
  std::int32_t source = kNoItem;
  clone.GetSourceId(source);
  return source;
}

struct Circle {
  const char* what;
  std::vector<int> sources;  // of clones 11, 12, ... in file order
};

const Circle kCircles[] = {
    {"two clones copying each other", {12, 11}},
    {"a circle through several clones", {12, 13, 14, 11}},
    {"a chain from a point that ends in a circle", {1, 13, 14, 12}},
};

TEST_F(CloneCycleTest, ReadingBreaksTheCircleAtTheCloneThatClosesIt) {
  for (const Circle& circle : kCircles) {
    SCOPED_TRACE(circle.what);
    std::string records = OriginRecord() + PointRecord(1, "Ball", 0, PlainValues());
    const std::string closing = "Copy " + std::to_string(10 + circle.sources.size());
    for (std::size_t i = 0; i < circle.sources.size(); ++i) {
      records += CloneRecord(11 + static_cast<int>(i), "Copy " + std::to_string(11 + i),
                             circle.sources[i]);
    }
    backend.ExpectMessage(
        "These clones copied each other in a circle and now copy no point: " + closing,
        MessageAnswer::kOk, "Clones");
    TdvDataObjectWindow* doc = Read(records);
    ASSERT_NE(doc, nullptr);
    for (std::size_t i = 0; i < circle.sources.size(); ++i) {
      const std::string name = "Copy " + std::to_string(11 + i);
      TdvDataObject* clone = Named(*doc, name);
      ASSERT_NE(clone, nullptr) << name;
      std::int32_t source = SourceOf(*clone);
      if (name == closing) {
        EXPECT_EQ(source, kNoItem) << name;
      } else {
        ASSERT_NE(doc->GetItem(source), nullptr) << name;
      }
    }
    // Everything that follows sources comes to an end.
    EXPECT_FALSE(Export(*doc).empty());
    EXPECT_FALSE(Saved(*doc).empty());
    for (const char* name : {"Ball", "Copy 11"}) {
      if (TdvDataObject* item = Named(*doc, name)) {
        doc->DeleteItem(item->GetId());
      }
    }
    doc->modified = false;
    doc->CloseWindow();
  }
}

TEST_F(CloneCycleTest, TheUserCannotCloseACircle) {
  for (const Circle& circle : kCircles) {
    SCOPED_TRACE(circle.what);
    TdvDataObjectWindow* doc = NewDocument();
    TdvDataPoint* ball = AddPoint(*doc, "Ball");
    std::vector<TdvClonePoint*> clones;
    for (std::size_t i = 0; i < circle.sources.size(); ++i) {
      std::int32_t id = doc->ObjectNewObject(kItemClone, "Copy " + std::to_string(11 + i));
      clones.push_back(static_cast<TdvClonePoint*>(doc->GetItem(id)));
    }
    auto idOf = [&](int fileId) {
      return fileId == 1 ? ball->GetId() : clones[static_cast<std::size_t>(fileId - 11)]->GetId();
    };
    for (std::size_t i = 0; i + 1 < clones.size(); ++i) {
      EXPECT_TRUE(clones[i]->SetSource(idOf(circle.sources[i])));
    }
    EXPECT_FALSE(clones.back()->SetSource(idOf(circle.sources.back())));
    EXPECT_EQ(SourceOf(*clones.back()), kNoItem);
    // Its own id names no source and closes nothing.
    EXPECT_TRUE(clones.back()->SetSource(clones.back()->GetId()));
    EXPECT_TRUE(clones.back()->SetSource(ball->GetId()));
    doc->DeleteItem(ball->GetId());
    EXPECT_EQ(doc->ItemCount(), 1);
    doc->modified = false;
    doc->CloseWindow();
  }
}

}  // namespace
