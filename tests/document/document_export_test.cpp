#include <sstream>

#include "document/window_links.h"
#include "document_fixture.h"
#include "kinematics/data_table.h"
#include "model/calculated_series.h"

namespace {

using shell::MessageAnswer;

const std::string kBannerAndHeading =
    "Tab separated output for use with excel or other spreadsheet\n"
    "Data taken and file written by Kinovex 2.1\n"
    "\n"
    "\n"
    "Name\t\t\tType\tMass\tOrigin\tIs An Origin?\tCalibrate\tSample Type\tIncluded Objects\t";

// A table window that notes the columns it is offered.
class ColumnWindow : public TdvTableWindowLink {
 public:
  void ColumnAvailable(std::int32_t seriesId, int quantity) override {
    columns.emplace_back(seriesId, quantity);
  }
  void GroupActiveChanged(std::int32_t, int) override {}
  void WriteRecord(TdvTaggedWriter& writer) override { writer.Text("T[];\r\n"); }

  std::vector<std::pair<std::int32_t, int>> columns;
};

std::string Export(TdvDataObjectWindow& doc) {
  std::ostringstream out;
  doc.WriteExport(out);
  return out.str();
}

TEST_F(DocumentTest, NewDocumentExportsOrigin1) {
  TdvDataObjectWindow* doc = NewDocument();
  // The table part: the headings alone, as no frame holds data yet.
  EXPECT_EQ(Export(*doc), kBannerAndHeading +
                              "\nOrigin 1\t\t\tPt.\t0.100000\tVideo Origin\tTrue\t\tFixed\t\n"
                              "\ntime(s)\tOrigin 1:x-pos(pixels)\tOrigin 1:y-pos(pixels)\t\n");
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
  std::string text = Export(*doc);
  std::string gap = doc->GetItem(distance)->GetTypeLabel();
  EXPECT_EQ(text, kBannerAndHeading +
                      "\nOrigin 1\t\t\tPt.\t0.100000\tVideo Origin\tTrue\t\tFixed\t"
                      "\nBall\t\t\tPt.\t0.100000\tOrigin 1\tFalse\t\tFrame by Frame\t"
                      "\nCart\t\t\tPt.\t2.50000\tOrigin 1\tFalse\t\tFrame by Frame\t"
                      "\nGap\t\t\t" +
                      gap +
                      "\t0.100000\tOrigin 1\tFalse\t\tFrame by Frame\tBall\tCart\t\n"
                      "\ntime(s)\tOrigin 1:x-pos(pixels)\tOrigin 1:y-pos(pixels)\t"
                      "Ball:x-pos(pixels)\tBall:y-pos(pixels)\tCart:x-pos(pixels)\t"
                      "Cart:y-pos(pixels)\tGap:length(pixels)\t\n");
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

TEST_F(DocumentTest, TableWindowHearsOfColumnsAndIsSavedWhileOpen) {
  TdvDataObjectWindow* doc = NewDocument();
  ColumnWindow window;
  doc->AttachTableWindow(&window);
  std::int32_t origin = doc->DefaultOrigin();
  // Opening the window offers what the table already has.
  EXPECT_EQ(window.columns, (std::vector<std::pair<std::int32_t, int>>{
                                {kTimeItemRef, 1}, {origin, 2}, {origin, 3}}));
  window.columns.clear();
  TdvDataPoint* ball = AddPoint(*doc, "Ball");
  std::int32_t id = ball->GetId();
  EXPECT_EQ(window.columns, (std::vector<std::pair<std::int32_t, int>>{{id, 2}, {id, 3}}));
  doc->DeleteItem(id);
  EXPECT_EQ(doc->DataTable().FindObject(id), nullptr);
  // The file holds the window's record after the items.
  std::string text;
  doc->WriteDocument(text);
  EXPECT_EQ(text.substr(text.size() - 6), "T[];\r\n");
  doc->AttachTableWindow(nullptr);
  text.clear();
  doc->WriteDocument(text);
  EXPECT_EQ(text.find("T["), std::string::npos);
}

}  // namespace
