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

std::string Export(TdvDataObjectWindow& doc) {
  std::ostringstream out;
  doc.WriteExport(out);
  return out.str();
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

}  // namespace
