#include <algorithm>
#include <filesystem>

#include "document/file_parser.h"
#include "document/text_prompt_dialog.h"
#include "document/window_links.h"
#include "document_fixture.h"
#include "kinematics/data_table.h"
#include "model/calculated_point_series.h"
#include "model/count_series.h"
#include "model/scale_series.h"

namespace {

using shell::MessageAnswer;

class FileTest : public DocumentTest {
 protected:
  bool SaveAs(TdvDataObjectWindow& doc, const std::string& path) {
    backend.QueueFileAnswer(path);
    return doc.Save(true);
  }

  TdvDataObjectWindow* Open(const std::string& path, TdvFileParser* parser = nullptr) {
    TdvFileParser own;
    return (parser != nullptr ? parser : &own)->Parse(TdvFileLocation::FromPath(path));
  }

  std::string Movie(const std::string& name = "clip.mov") {
    std::string path = Path(name);
    WriteFile(path, "not really a movie");
    return path;
  }

  void AttachMovieFile(TdvDataObjectWindow& doc, const std::string& path) {
    doc.hasMovie = true;
    doc.moviePath = path;
    doc.movieName = TdvFileLocation::FromPath(path).fileName;
  }

  static LList Ids(std::initializer_list<std::int32_t> ids) {
    LList list;
    for (std::int32_t id : ids) {
      list.Append(std::make_unique<TdvInt>(id));
    }
    return list;
  }

  // A document with every kind of item, data on three frames, a
  // transformation, counts and a selection.
  TdvDataObjectWindow* RichDocument() {
    TdvDataObjectWindow* doc = NewDocument();
    doc->SetTimeBase(600, {0, 20, 40});
    AttachMovieFile(*doc, Movie());
    doc->GetItem(0)->FrameData().Set(0, std::make_unique<TdvTimeData>(20, -300, 0.25));
    TdvDataPoint* ball = AddPoint(*doc, "Ball");
    ball->TakeData(100, -100, 0);
    ball->TakeData(110, -90, 20);
    ball->TakeData(120, -80, 40);
    TdvDataPoint* cart = AddPoint(*doc, "Cart", kSemiFixed);
    cart->TakeData(300, -200, 20);
    TdvDataPoint* a = AddPoint(*doc, "End A", kFixed);
    TdvDataPoint* b = AddPoint(*doc, "End B", kFixed);
    a->TakeData(0, -20, 0);
    b->TakeData(400, -20, 0);
    std::int32_t scale = doc->ObjectNewObject(kItemScale, "Scale 1");
    auto* calibrate = static_cast<TdvCalibrateObject*>(doc->GetItem(scale));
    calibrate->SetIncluded(Ids({a->GetId(), b->GetId()}));
    calibrate->SetKnownLength(2.0);
    TdvDataPoint* mover = AddPoint(*doc, "Mover");
    mover->SetOrigin(1);
    mover->TakeData(200, -200, 0);
    mover->TakeData(210, -200, 20);
    doc->SetDisplayedTime(20);
    backend.QueueModal([this](shell::WindowHandle dialog) {
      backend.PressButton(dialog, TdvTextPromptDialog::kOk);
    });
    doc->TransformOrigin(mover->GetId());
    doc->SetDisplayedTime(0);
    TdvDataPoint* rider = AddPoint(*doc, "Rider");
    rider->SetOriginId(mover->GetId());
    rider->TakeData(220, -190, 20);
    std::int32_t clone = doc->ObjectNewObject(kItemClone, "Ball copy");
    static_cast<TdvClonePoint*>(doc->GetItem(clone))->SetSource(ball->GetId());
    std::int32_t distance = doc->ObjectNewObject(kItemDistance, "Distance 1");
    static_cast<TdvCalculatedObject*>(doc->GetItem(distance))
        ->SetIncluded(Ids({ball->GetId(), cart->GetId()}));
    std::int32_t angle = doc->ObjectNewObject(kItemAngle, "Angle 1");
    static_cast<TdvCalculatedObject*>(doc->GetItem(angle))
        ->SetIncluded(Ids({ball->GetId(), 0, kEmptyInputRef}));
    std::int32_t cm = doc->ObjectNewObject(kItemCentreOfMass, "CM 1");
    static_cast<TdvCalculatedObject*>(doc->GetItem(cm))
        ->SetIncluded(Ids({ball->GetId(), cart->GetId(), rider->GetId()}));
    std::int32_t dspt = doc->ObjectNewObject(kItemDesignatedPoint, "DsPt. 1");
    auto* designated = static_cast<TdvCalculatedDesPt*>(doc->GetItem(dspt));
    designated->SetIncluded(Ids({ball->GetId(), cart->GetId()}));
    designated->SetAlong(0.25);
    std::int32_t count = doc->ObjectNewObject(kItemCount, "Count 1");
    auto* counter = static_cast<TdvCountObject*>(doc->GetItem(count));
    counter->AddMark(5, -5, 0);
    counter->AddMark(6, -6, 0);
    counter->AddMark(7, -7, 20);
    doc->SetStep(0.5, false);
    doc->SetFrameRate(30.0);
    return doc;
  }
};

TEST_F(FileTest, NewDocumentIsWrittenExactly) {
  TdvDataObjectWindow* doc = NewDocument();
  std::string path = Path("new.kvx");
  ASSERT_TRUE(SaveAs(*doc, path));
  ASSERT_EQ(backend.FileDialogs().size(), 1u);
  EXPECT_EQ(backend.FileDialogs()[0].title, "Save As:");
  EXPECT_EQ(backend.FileDialogs()[0].initialPath, "untitled.kvx");
  EXPECT_EQ(backend.FileDialogs()[0].defaultExtension, "KVX");
  shell::Rect r = backend.OuterRect(doc->hwnd);
  std::string rect = "r(1000x" + std::to_string(r.left - 1) + " " + std::to_string(r.top) + " " +
                     std::to_string(r.right) + " " + std::to_string(r.bottom) + ")";
  std::string expected =
      "V[2 1 2];\r\n"
      "P[-2];\r\n"
      "D[" +
      rect +
      "b(1x0 p3x1 p4x0 p5x0 p503x1 p506x0 p504x0 )"
      "i(101x600 p102x0 p103x0 p104x0 p105x1 p109x-19 p110x-19 p111x-19 p113x1 p114x0 )"
      "d(150x0.0000000 p151x0.0000000)"
      "l( p303x0  p304x0 )];\r\n"
      "O0x1[b(500x1 p501x1 p502x0 )"
      "i(550x-3 p551x-2 p552x1 p553x1 p554x102 p555x1 p556x1 p801x7 p800x1 p557x2 p558x1 p505x-1 "
      "p560x1 p559x2 )"
      "s(570x\"Origin 1\" )d(580x0.10000000 )];\r\n";
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_FALSE(doc->modified);
  EXPECT_EQ(doc->title, "Coord. Sys:new.kvx");
}

TEST_F(FileTest, FailedWriteKeepsTheOldFile) {
  TdvDataObjectWindow* doc = NewDocument();
  std::string path = Path("kept.kvx");
  ASSERT_TRUE(SaveAs(*doc, path));
  std::string before = ReadFile(path);
  AddPoint(*doc, "Ball");
  backend.QueueFileAnswer(Folder() + "/missing/folder/x.kvx");
  backend.ExpectMessage("May be Read-Only File or Volume", MessageAnswer::kOk,
                        "Problem Saving File");
  EXPECT_FALSE(doc->Save(true));
  EXPECT_EQ(doc->Location().path, path);
  EXPECT_EQ(ReadFile(path), before);
}

TEST_F(FileTest, SaveReopenSaveGivesTheSameBytes) {
  TdvDataObjectWindow* doc = RichDocument();
  doc->SelectItem(3, 0);
  std::string first = Path("first.kvx");
  ASSERT_TRUE(SaveAs(*doc, first));
  TdvDataObjectWindow* reopened = Open(first);
  ASSERT_NE(reopened, nullptr);
  EXPECT_FALSE(reopened->modified);
  EXPECT_EQ(reopened->ItemCount(), doc->ItemCount());
  EXPECT_EQ(reopened->title.rfind("Coord. Sys:first.kvx", 0), 0u);
  std::string second = Path("second.kvx");
  ASSERT_TRUE(SaveAs(*reopened, second));
  TdvDataObjectWindow* again = Open(second);
  ASSERT_NE(again, nullptr);
  std::string third = Path("third.kvx");
  ASSERT_TRUE(SaveAs(*again, third));
  EXPECT_EQ(ReadFile(second), ReadFile(third));

  // What the items are and how they hang together survives the new ids.
  auto byName = [](TdvDataObjectWindow& d, const std::string& name) -> TdvDataObject* {
    for (std::int32_t id : d.ItemOrder()) {
      if (d.GetItem(id)->GetName() == name) {
        return d.GetItem(id);
      }
    }
    return nullptr;
  };
  TdvDataObject* rider = byName(*reopened, "Rider");
  TdvDataObject* mover = byName(*reopened, "Mover");
  ASSERT_NE(rider, nullptr);
  ASSERT_NE(mover, nullptr);
  EXPECT_EQ(rider->GetOriginId(), mover->GetId());
  EXPECT_EQ(mover->TransformedFrames().Count(), 2);
  TdvDataObject* origin = reopened->GetItem(reopened->DefaultOrigin());
  ASSERT_NE(origin, nullptr);
  EXPECT_EQ(origin->GetName(), "Origin 1");
  EXPECT_EQ(origin->GetScaleId(), byName(*reopened, "Scale 1")->GetId());
  std::int32_t source = kNoItem;
  ASSERT_TRUE(byName(*reopened, "Ball copy")->GetSourceId(source));
  EXPECT_EQ(source, byName(*reopened, "Ball")->GetId());
  LList inputs;
  int required = 0;
  int max = 0;
  static_cast<TdvCalculatedObject*>(byName(*reopened, "Angle 1"))
      ->GetIncluded(inputs, required, max);
  std::vector<std::int32_t> ids;
  for (const TdvObject* boxed : inputs) {
    ids.push_back(static_cast<const TdvInt*>(boxed)->value);
  }
  EXPECT_EQ(ids, (std::vector<std::int32_t>{byName(*reopened, "Ball")->GetId(),
                                            reopened->DefaultOrigin(), kEmptyInputRef}));
  double count = 0.0;
  EXPECT_TRUE(static_cast<TdvCountObject*>(byName(*reopened, "Count 1"))->GetCount(count, 0));
  EXPECT_EQ(count, 2.0);
  EXPECT_DOUBLE_EQ(reopened->FrameRate(), 30.0);
  EXPECT_EQ(reopened->FrameKeys(), (std::vector<std::int32_t>{0, 20, 40}));
  EXPECT_EQ(reopened->movieName, "clip.mov");
}

class RecordingBuilder : public TdvWindowBuilder {
 public:
  void BuildTable(TdvDataObjectWindow&, const TdvFileDataObject& record) override {
    tables.push_back(record);
  }
  void BuildGraph(TdvDataObjectWindow&, const TdvFileDataObject& record,
                  TdvFileParser& parser) override {
    graphs.push_back(record);
    std::int32_t item = 0;
    record.GetTaggedInt(687, item, kTdvCodePlotRecord, 1);
    mappedItems.push_back(parser.MapSavedId(item));
  }

  std::vector<TdvFileDataObject> tables;
  std::vector<TdvFileDataObject> graphs;
  std::vector<std::int32_t> mappedItems;
};

TEST_F(FileTest, Version20WindowsMoveLeftAndUp) {
  std::string path = Path("v20.kvx");
  std::string movie = Movie();
  WriteFile(path, "V[2 0 5];P[-2];D[r(1000x100 50 300 250)b(1x1 )s(20x\"clip.mov\" p21x\"" + movie +
                      "\")];\r\n"
                      "O4x1[s(570x\"Ball\" )];\r\n"
                      "T[r(1000x10 30 200 100)];\r\n"
                      "G[r(1000x60 37 400 300)\r\ng[i(687x-31 )];\r\ng[i(687x4 )];\r\n];\r\n");
  RecordingBuilder builder;
  TdvFileParser parser(&builder);
  TdvDataObjectWindow* doc = Open(path, &parser);
  ASSERT_NE(doc, nullptr);
  // Less 24 (and 38 more from a top past 36, as 37 is), and the pixel every save takes
  // from the left edge given back.
  EXPECT_EQ(doc->rect, (TdvRect{77, 12, 276, 250}));
  ASSERT_EQ(builder.tables.size(), 1u);
  TdvRect table;
  ASSERT_TRUE(builder.tables[0].GetTaggedRect(1000, table));
  EXPECT_EQ(table, (TdvRect{-13, 30, 176, 100}));
  ASSERT_EQ(builder.graphs.size(), 1u);
  TdvRect graph;
  ASSERT_TRUE(builder.graphs[0].GetTaggedRect(1000, graph));
  EXPECT_EQ(graph, (TdvRect{37, -1, 376, 300}));
  EXPECT_EQ(builder.graphs[0].ChildCount(kTdvCodePlotRecord), 2);
  std::int32_t time = 0;
  EXPECT_TRUE(builder.graphs[0].GetTaggedInt(687, time, kTdvCodePlotRecord, 0));
  EXPECT_EQ(time, kTimeItemRef);
  // Graphs see the items' new ids.
  EXPECT_EQ(builder.mappedItems, std::vector<std::int32_t>{0});
}

TEST_F(FileTest, UnknownRecordsGroupsAndTagsAreSkipped) {
  std::string path = Path("unknown.kvx");
  std::string movie = Movie();
  WriteFile(path,
            "V[2 1 2];Z[s(570x\"D[O1x1[\" )i(3x4)];\r\n"
            "D[b(1x1 p77x1 )q(1x2)i(999x5 )s(20x\"clip.mov\" p21x\"" +
                movie +
                "\")];\r\n"
                "O0x1[b(500x1 )k(1x\"O2x1[\")i(999x3 p553x4 )s(570x\"Origin 1\" )];\r\n"
                "O1x55[s(570x\"strange\" )];\r\n"
                "O2x1[s(570x\"Ball\" )];\r\n");
  backend.ExpectMessage("data type not declared", MessageAnswer::kOk);
  TdvDataObjectWindow* doc = Open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(Names(*doc, doc->ItemOrder()), (std::vector<std::string>{"Origin 1", "Ball"}));
  EXPECT_EQ(doc->GetItem(0)->GetMarkerSize(), 4);
}

TEST_F(FileTest, TruncatedFileKeepsWhatWasRead) {
  TdvDataObjectWindow* doc = RichDocument();
  std::string path = Path("whole.kvx");
  ASSERT_TRUE(SaveAs(*doc, path));
  std::string text = ReadFile(path);
  std::size_t cut = text.find("O", text.find("O", text.find("O2x") + 1) + 1) + 20;
  std::string truncated = Path("cut.kvx");
  WriteFile(truncated, text.substr(0, cut));
  // The origin of Rider was in the part cut off.
  backend.ExpectMessage(
      "These series named an origin that is not in the file and now use the default origin: "
      "Rider",
      MessageAnswer::kOk, "Missing Origin");
  TdvDataObjectWindow* reopened = Open(truncated);
  ASSERT_NE(reopened, nullptr);
  EXPECT_GE(reopened->ItemCount(), 2);
  EXPECT_LT(reopened->ItemCount(), doc->ItemCount());
}

TEST_F(FileTest, UnreadableFileIsReported) {
  backend.ExpectMessage("Problem Opening File", MessageAnswer::kOk, "TdvFileParser");
  EXPECT_EQ(Open(Path("absent.kvx")), nullptr);
}

}  // namespace
