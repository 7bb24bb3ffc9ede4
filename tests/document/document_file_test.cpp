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

TEST_F(FileTest, SaveAsksOnlyWhatItMust) {
  TdvDataObjectWindow* doc = NewDocument();
  std::string path = Path("doc.kvx");
  backend.QueueFileAnswer(std::nullopt);
  EXPECT_FALSE(doc->Save(false));
  EXPECT_FALSE(doc->HasFile());
  ASSERT_TRUE(SaveAs(*doc, path));
  AddPoint(*doc, "Ball");
  // Saving to the document's own file asks nothing.
  EXPECT_TRUE(doc->Save(false));
  EXPECT_NE(ReadFile(path).find("Ball"), std::string::npos);
  backend.QueueFileAnswer(path);
  backend.ExpectMessage("Overwrite File?", MessageAnswer::kCancel, "File Already Exists");
  EXPECT_FALSE(doc->Save(true));
  EXPECT_EQ(doc->DoToolCommand(9), 1);
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

TEST_F(FileTest, LegacyFileIsConvertedAndAskedAboutOnSave) {
  std::string path = Path("old.kvx");
  std::string movie = Movie();
  WriteFile(path, "D[b(1x1 p3x1 )i(101x600 )s(20x\"clip.mov\" p21x\"" + movie +
                      "\")l( p304x2 0 20 )];\r\n"
                      "O0x1[b(500x1 p501x1 p502x0 )i(550x-3 p551x-2 p553x3 p554x7 p555x15 p559x2 )"
                      "s(570x\"Origin 1\" )d(580x100 )];\r\n"
                      "O1x1[i(551x-1 p553x0 p554x102 p555x48 )s(570x\"Ball\" )d(580x250 )];\r\n");
  TdvFileParser parser;
  TdvDataObjectWindow* doc = Open(path, &parser);
  ASSERT_NE(doc, nullptr);
  EXPECT_TRUE(parser.Legacy());
  TdvDataObject* origin = doc->GetItem(0);
  EXPECT_EQ(origin->GetMarkerSize(), 2);
  EXPECT_EQ(origin->GetMarkerType(), 0);
  EXPECT_EQ(origin->GetMarkerColour(), 1);
  EXPECT_DOUBLE_EQ(origin->GetMass(), 0.1);
  TdvDataObject* ball = doc->GetItem(1);
  EXPECT_EQ(ball->GetMarkerSize(), 0);
  EXPECT_EQ(ball->GetMarkerType(), 102);
  EXPECT_EQ(ball->GetMarkerColour(), 4);
  EXPECT_DOUBLE_EQ(ball->GetMass(), 0.25);
  EXPECT_EQ(doc->Members(0), std::vector<std::int32_t>{1});

  backend.ExpectMessage("Overwrite Version 1.0 file?", MessageAnswer::kOk, "Older Version");
  EXPECT_TRUE(doc->Save(false));
  EXPECT_EQ(ReadFile(path).rfind("V[2 1 2];\r\n", 0), 0u);
  EXPECT_TRUE(doc->Save(false));
}

TEST_F(FileTest, RefusingToOverwriteALegacyFileSavesElsewhere) {
  std::string path = Path("old.kvx");
  std::string movie = Movie();
  WriteFile(path, "D[b(1x1 )s(20x\"clip.mov\" p21x\"" + movie + "\")];");
  TdvDataObjectWindow* doc = Open(path);
  ASSERT_NE(doc, nullptr);
  backend.ExpectMessage("Overwrite Version 1.0 file?", MessageAnswer::kCancel, "Older Version");
  std::string other = Path("new.kvx");
  backend.QueueFileAnswer(other);
  EXPECT_TRUE(doc->Save(false));
  EXPECT_EQ(ReadFile(path).find("V["), std::string::npos);
  EXPECT_EQ(doc->Location().path, other);
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
                      "G[r(1000x60 40 400 300)\r\ng[i(687x-31 )];\r\ng[i(687x4 )];\r\n];\r\n");
  RecordingBuilder builder;
  TdvFileParser parser(&builder);
  TdvDataObjectWindow* doc = Open(path, &parser);
  ASSERT_NE(doc, nullptr);
  // Less 24 (and 38 from a top below 36), and the pixel every save takes
  // from the left edge given back.
  EXPECT_EQ(doc->rect, (TdvRect{77, 12, 276, 250}));
  ASSERT_EQ(builder.tables.size(), 1u);
  TdvRect table;
  ASSERT_TRUE(builder.tables[0].GetTaggedRect(1000, table));
  EXPECT_EQ(table, (TdvRect{-13, 30, 176, 100}));
  ASSERT_EQ(builder.graphs.size(), 1u);
  TdvRect graph;
  ASSERT_TRUE(builder.graphs[0].GetTaggedRect(1000, graph));
  EXPECT_EQ(graph, (TdvRect{37, 2, 376, 300}));
  EXPECT_EQ(builder.graphs[0].ChildCount(kTdvCodePlotRecord), 2);
  std::int32_t time = 0;
  EXPECT_TRUE(builder.graphs[0].GetTaggedInt(687, time, kTdvCodePlotRecord, 0));
  EXPECT_EQ(time, kTimeItemRef);
  // Graphs see the items' new ids.
  EXPECT_EQ(builder.mappedItems, std::vector<std::int32_t>{0});
}

TEST_F(FileTest, ReferencesBySavedIdReachForwardAndTakeTheFirstRecord) {
  std::string path = Path("forward.kvx");
  std::string movie = Movie();
  WriteFile(path, "V[2 1 2];D[b(1x1 )s(20x\"clip.mov\" p21x\"" + movie +
                      "\")];\r\n"
                      "O0x1[b(500x1 )s(570x\"Origin 1\" )];\r\n"
                      "O3x1[i(551x7 )s(570x\"Rider\" )];\r\n"
                      "O7x1[b(500x1 )i(551x-2 p550x9 )s(570x\"Car\" )];\r\n"
                      "O7x1[s(570x\"Second seven\" )];\r\n"
                      "O9x4[l(591x2 3 12 )d(566x2.5 )s(570x\"Scale\" )];\r\n");
  TdvDataObjectWindow* doc = Open(path);
  ASSERT_NE(doc, nullptr);
  ASSERT_EQ(doc->ItemCount(), 5);
  TdvDataObject* rider = doc->GetItem(1);
  TdvDataObject* car = doc->GetItem(2);
  EXPECT_EQ(rider->GetName(), "Rider");
  EXPECT_EQ(rider->GetOriginId(), car->GetId());
  EXPECT_EQ(doc->Members(car->GetId()), std::vector<std::int32_t>{rider->GetId()});
  EXPECT_EQ(car->GetScaleId(), 4);
  LList ends;
  int required = 0;
  int max = 0;
  static_cast<TdvCalculatedObject*>(doc->GetItem(4))->GetIncluded(ends, required, max);
  std::vector<std::int32_t> ids;
  for (const TdvObject* boxed : ends) {
    ids.push_back(static_cast<const TdvInt*>(boxed)->value);
  }
  // Saved id 12 has no record: it becomes 0.
  EXPECT_EQ(ids, (std::vector<std::int32_t>{1, 0}));
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

TEST_F(FileTest, MovieIsLookedForBesideTheDocument) {
  std::string movie = Movie("moved.mov");
  std::string path = Path("doc.kvx");
  WriteFile(path, "V[2 1 2];D[b(1x1 )s(20x\"moved.mov\" p21x\"/nowhere/moved.mov\")];");
  TdvDataObjectWindow* doc = Open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->moviePath, movie);

  WriteFile(path, "V[2 1 2];D[b(1x1 )s(20x\"gone.mov\" p21x\"/nowhere/gone.mov\")];");
  backend.ExpectMessage("Do you want to look for it?", MessageAnswer::kCancel,
                        "Movie: gone.mov not found");
  EXPECT_EQ(Open(path), nullptr);
  backend.ExpectMessage("Do you want to look for it?", MessageAnswer::kOk,
                        "Movie: gone.mov not found");
  backend.QueueFileAnswer(movie);
  doc = Open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->moviePath, movie);
  EXPECT_EQ(doc->movieName, "moved.mov");
  EXPECT_EQ(backend.FileDialogs().back().title, "Locate Movie");

  WriteFile(path, "V[2 1 2];D[b(1x0 )];");
  backend.ExpectMessage("Open a movie for this Coordinate Frame Window?", MessageAnswer::kOk,
                        "No Movie Saved with File");
  backend.QueueFileAnswer(movie);
  doc = Open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_TRUE(doc->hasMovie);
  // Files of older layouts kept the whole path in the name field.
  WriteFile(path, "V[2 1 2];P[0];D[b(1x1 )s(20x\"" + movie + "\" )];");
  doc = Open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->moviePath, movie);
}

TEST_F(FileTest, UnreadableFileIsReported) {
  backend.ExpectMessage("Problem Opening File", MessageAnswer::kOk, "TdvFileParser");
  EXPECT_EQ(Open(Path("absent.kvx")), nullptr);
}

}  // namespace

namespace {

TEST_F(FileTest, WindowPlacesNoScreenHasAreIgnored) {
  std::string path = Path("huge.kvx");
  std::string movie = Movie();
  WriteFile(path,
            "V[2 0 5];D[r(1000x-2147483648 50 2147483647 99999999)b(1x1 )s(20x\"clip.mov\" "
            "p21x\"" +
                movie + "\")];");
  TdvDataObjectWindow* doc = Open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->rect, TdvDataObjectWindow().rect);
}

}  // namespace

namespace {

class ColumnWindow : public TdvTableWindowLink {
 public:
  void ColumnAvailable(std::int32_t itemRef, int quantity) override {
    columns.emplace_back(itemRef, quantity);
  }
  void GroupActiveChanged(std::int32_t, int) override {}
  void WriteRecord(TdvTaggedWriter&) override {}

  std::vector<std::pair<std::int32_t, int>> columns;
};

class TableBuilder : public TdvWindowBuilder {
 public:
  void BuildTable(TdvDataObjectWindow& document, const TdvFileDataObject&) override {
    document.AttachTableWindow(&window);
  }
  void BuildGraph(TdvDataObjectWindow&, const TdvFileDataObject&, TdvFileParser&) override {}

  ColumnWindow window;
};

TEST_F(FileTest, TableColumnsReachTheTableWithNewIds) {
  std::string path = Path("columns.kvx");
  std::string movie = Movie();
  WriteFile(path, "V[2 1 2];D[b(1x1 )s(20x\"clip.mov\" p21x\"" + movie +
                      "\")];\r\n"
                      "C[i(687x5 p850x10 )];\r\n"
                      "O8x1[s(570x\"Origin 1\" )];\r\n"
                      "O5x1[s(570x\"Ball\" )];\r\n"
                      "T[r(1000x0 0 300 200)];\r\n"
                      "C[i(687x5 p850x10 )];\r\n"
                      "C[i(687x-31 p850x1 )];\r\n"
                      "C[i(687x-31 p850x2 )];\r\n"
                      "C[i(687x77 p850x2 )];\r\n");
  TableBuilder builder;
  TdvFileParser parser(&builder);
  TdvDataObjectWindow* doc = Open(path, &parser);
  ASSERT_NE(doc, nullptr);
  // The columns name groups of the new ids, which stay in use and so are
  // computed; a column before the table window exists has nowhere to go.
  TdvDataTable& table = doc->DataTable();
  TdvDataValueGroup* speed = table.FindObject(1)->ExistingGroup(10);
  ASSERT_NE(speed, nullptr);
  EXPECT_EQ(speed->UseCount(), 1);
  EXPECT_TRUE(speed->IsActive());
  EXPECT_EQ(table.FindObject(0)->ExistingGroup(10), nullptr);
  // Columns of no item, or of the time but no time, are left out.
  EXPECT_EQ(table.FindObject(kTimeItemRef)->ExistingGroup(2), nullptr);
  EXPECT_EQ(table.FindObject(77), nullptr);
  std::vector<std::pair<std::int32_t, int>> offered = builder.window.columns;
  EXPECT_NE(std::find(offered.begin(), offered.end(), std::pair<std::int32_t, int>{1, 10}),
            offered.end());
  doc->AttachTableWindow(nullptr);
}

TEST(FileDataObject, KeepsFifteenValuesOfAKindAndFiveLists) {
  TdvFileDataObject record(kTdvCodeGraphRecord);
  for (int i = 0; i < 20; ++i) {
    record.SetIntValue(i, i);
    LList list;
    list.Append(std::make_unique<TdvInt>(i));
    record.SetListValue(i, list);
  }
  std::int32_t value = -1;
  EXPECT_TRUE(record.GetTaggedInt(14, value));
  EXPECT_EQ(value, 14);
  EXPECT_FALSE(record.GetTaggedInt(15, value));
  LList list;
  EXPECT_TRUE(record.GetTaggedList(4, list));
  EXPECT_FALSE(record.GetTaggedList(5, list));
  // The first value of a tag answers.
  TdvFileDataObject reals(kTdvCodeGraphRecord);
  reals.SetRealValue(3, 1.5);
  reals.SetRealValue(3, 2.5);
  double real = 0.0;
  EXPECT_TRUE(reals.GetTaggedReal(3, real));
  EXPECT_EQ(real, 1.5);
  EXPECT_FALSE(reals.GetTaggedReal(3, real, kTdvCodePlotRecord, 0));
}

}  // namespace
