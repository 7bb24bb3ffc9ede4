#include <sstream>

#include "document/data_table_link.h"
#include "document_fixture.h"
#include "model/calculated_series.h"

namespace {

using shell::MessageAnswer;

const std::string kBannerAndHeading =
    "Tab separated output for use with excel or other spreadsheet\n"
    "Data taken and file written by Kinovex 2.1\n"
    "\n"
    "\n"
    "Name\t\t\tType\tMass\tOrigin\tIs An Origin?\tCalibrate\tSample Type\tIncluded Objects\t";

// A table whose part of the export is one recognisable line.
class TextTable : public TdvDataTableLink {
 public:
  void ItemCreated(std::int32_t id) override { created.push_back(id); }
  void ItemRemoved(std::int32_t id) override { removed.push_back(id); }
  void SeriesChangedAt(std::int32_t, std::int32_t, int) override { ++changes; }
  void SeriesChanged(std::int32_t) override { ++changes; }
  void RecalculateAll() override { ++recalculations; }
  void AddColumn(std::int32_t, std::int32_t) override {}
  void WriteText(std::ostream& out) override { out << "\nTime\tBall x\n0\t1\n"; }
  void WriteRecord(TdvTaggedWriter& writer) override { writer.Text("T[];\r\n"); }

  std::vector<std::int32_t> created;
  std::vector<std::int32_t> removed;
  int changes = 0;
  int recalculations = 0;
};

std::string Export(TdvDataObjectWindow& doc) {
  std::ostringstream out;
  doc.WriteExport(out);
  return out.str();
}

TEST_F(DocumentTest, NewDocumentExportsOrigin1) {
  TdvDataObjectWindow* doc = NewDocument();
  EXPECT_EQ(Export(*doc),
            kBannerAndHeading + "\nOrigin 1\t\t\tPt.\t0.100000\tVideo Origin\tTrue\t\tFixed\t\n");
}

TEST_F(DocumentTest, ExportLinesFollowTheItemOrder) {
  TdvDataObjectWindow* doc = NewDocument();
  TdvDataPoint* ball = AddPoint(*doc, "Ball", kSemiFixed);
  TdvDataPoint* cart = AddPoint(*doc, "Cart");
  cart->SetMass(2.5);
  std::int32_t distance = doc->ObjectNewObject(kItemDistance, "Gap");
  LList ends;
  ends.Append(std::make_unique<TdvInt>(ball->GetId()));
  ends.Append(std::make_unique<TdvInt>(cart->GetId()));
  static_cast<TdvCalculatedObject*>(doc->GetItem(distance))->SetIncluded(ends);
  doc->DoCommand(351);  // the recording point is never exported
  TextTable table;
  doc->AttachTable(&table);
  std::string text = Export(*doc);
  doc->AttachTable(nullptr);
  std::string gap = doc->GetItem(distance)->GetTypeLabel();
  EXPECT_EQ(text, kBannerAndHeading +
                      "\nOrigin 1\t\t\tPt.\t0.100000\tVideo Origin\tTrue\t\tFixed\t"
                      "\nBall\t\t\tPt.\t0.100000\tOrigin 1\tFalse\t\tFrame by Frame\t"
                      "\nCart\t\t\tPt.\t2.50000\tOrigin 1\tFalse\t\tFrame by Frame\t"
                      "\nGap\t\t\t" +
                      gap +
                      "\t0.100000\tOrigin 1\tFalse\t\tFrame by Frame\tBall\tCart\t\n"
                      "\nTime\tBall x\n0\t1\n");
}

TEST_F(DocumentTest, ExportAsksForAFileAndReportsOneItCannotCreate) {
  TdvDataObjectWindow* doc = NewDocument();
  backend.QueueFileAnswer(std::nullopt);
  doc->DoCommand(158);
  ASSERT_EQ(backend.FileDialogs().size(), 1u);
  const shell::FileDialogSpec& request = backend.FileDialogs()[0];
  EXPECT_EQ(request.title, "");
  EXPECT_EQ(request.initialPath, "untitled.xls");
  EXPECT_EQ(request.defaultExtension, "XlS");
  ASSERT_EQ(request.filters.size(), 3u);
  EXPECT_EQ(request.filters[0].pattern, "*.XLS");

  std::string path = Path("out.xls");
  WriteFile(path, "older and longer contents than the export will have, surely, yes indeed");
  backend.QueueFileAnswer(path);
  doc->ExportData();
  EXPECT_EQ(ReadFile(path), Export(*doc));

  std::string bad = Folder() + "/no/such/folder/out.xls";
  backend.QueueFileAnswer(bad);
  backend.ExpectMessage("Could not create " + bad, MessageAnswer::kOk, "Export Data");
  doc->ExportData();
  EXPECT_FALSE(doc->modified);
}

TEST_F(DocumentTest, TableHearsOfItemsComingChangingAndGoing) {
  TdvDataObjectWindow* doc = NewDocument();
  TextTable table;
  doc->AttachTable(&table);
  TdvDataPoint* ball = AddPoint(*doc, "Ball");
  ball->TakeData(1, -1, 0);
  EXPECT_EQ(table.created, std::vector<std::int32_t>{ball->GetId()});
  EXPECT_GT(table.changes, 0);
  std::int32_t id = ball->GetId();
  doc->DeleteItem(id);
  EXPECT_EQ(table.removed, std::vector<std::int32_t>{id});
  doc->SetFrameRate(25.0);
  EXPECT_EQ(table.recalculations, 1);
  // The file holds the table's record after the items.
  std::string text;
  doc->WriteDocument(text);
  EXPECT_EQ(text.substr(text.size() - 6), "T[];\r\n");
  doc->AttachTable(nullptr);
}

}  // namespace
