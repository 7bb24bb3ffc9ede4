// Values that cannot be meant (numbers that are not finite, a known length
// or a frame rate not above zero) are refused on reading with a message
// naming their record; what the user reads never shows "nan" or "inf".
#include "damaged_file_fixture.h"
#include "kinematics/quantity_table.h"
#include "model/scale_series.h"

namespace {

using shell::MessageAnswer;

using UnusableValuesTest = DamagedFileTest;

const char* const kMessage = "Numbers that cannot be right were left out and defaults used in: ";

// Every quantity becomes a column of every series, as the tool's export
// --quantities does.
std::string ExportEverything(TdvDataObjectWindow& doc) {
  for (std::int32_t id : doc.ItemOrder()) {
    for (int quantity = 1; quantity <= kQuantityNetForceDirection; ++quantity) {
      doc.RestoreColumn(id, quantity);
    }
  }
  std::ostringstream out;
  doc.WriteExport(out);
  return out.str();
}

// Two fixed ends 100 pixels apart, a scale of the given known length
// between them used by the origin, and a ball tracked on every frame.
std::string ScaledRecords(const std::string& knownLength) {
  std::string ends =
      "O1x1[b(500x0 p501x1 p502x0 )i(551x0 p559x3 )s(570x\"End A\" )y(520x1 0 0 0 0.0 )];\r\n"
      "O2x1[b(500x0 p501x1 p502x0 )i(551x0 p559x3 )s(570x\"End B\" )y(520x1 0 100 0 0.0 )];\r\n"
      "O5x4[b(500x0 p501x1 p502x0 )i(551x0 )s(570x\"Scale 1\" )l(591x2 1 2 )d(566x" +
      knownLength + " )];\r\n";
  std::string origin = DamagedFileTest::OriginRecord();
  origin.replace(origin.find("i(551x"), 6, "i(550x5 p551x");
  return origin + ends + DamagedFileTest::PointRecord(3, "Ball", 0, DamagedFileTest::PlainValues());
}

TEST_F(UnusableValuesTest, TheDocumentsFrameRateAndStepMustBeUsable) {
  for (const char* header :
       {"b(504x1 )d(150xnan )", "b(504x1 )d(150x-30.0 )", "b(504x1 )d(150x0.0 )",
        "b(504x1 )d(150xinf )", "b(504x0 )d(150x30.0 p151xnan)"}) {
    SCOPED_TRACE(header);
    backend.ExpectMessage(std::string(kMessage) + "Coordinate Systems", MessageAnswer::kOk,
                          "Damaged Values");
    TdvDataObjectWindow* doc =
        Read(OriginRecord() + PointRecord(1, "Ball", 0, PlainValues()), header);
    ASSERT_NE(doc, nullptr);
    EXPECT_FALSE(doc->ownRateOn);
    std::string exported = ExportEverything(*doc);
    ExpectOnlyFiniteNumbers(exported);
    EXPECT_NE(exported.find("\n0.03333\t"), std::string::npos) << exported;
    ExpectOnlyFiniteNumbers(Saved(*doc));
    doc->modified = false;
    doc->CloseWindow();
  }
}

TEST_F(UnusableValuesTest, AKnownLengthMustBeAPositiveNumber) {
  for (const char* length : {"0.0", "-2.0", "nan", "inf", "-inf"}) {
    SCOPED_TRACE(length);
    backend.ExpectMessage(std::string(kMessage) + "Scale 1", MessageAnswer::kOk, "Damaged Values");
    TdvDataObjectWindow* doc = Read(ScaledRecords(length));
    ASSERT_NE(doc, nullptr);
    auto* scale = static_cast<TdvCalibrateObject*>(Named(*doc, "Scale 1"));
    EXPECT_EQ(scale->GetKnownLength(), 1.0);
    ExpectOnlyFiniteNumbers(ExportEverything(*doc));
    doc->modified = false;
    doc->CloseWindow();
  }
}

// Lengths so large that positions, speeds or energies overflow leave those
// cells empty.
TEST_F(UnusableValuesTest, ResultsTooLargeToHoldAreLeftEmpty) {
  for (const char* length : {"1e308", "1.7976931348623157e308"}) {
    SCOPED_TRACE(length);
    TdvDataObjectWindow* doc = Read(ScaledRecords(length));
    ASSERT_NE(doc, nullptr);
    std::string exported = ExportEverything(*doc);
    ExpectOnlyFiniteNumbers(exported);
    EXPECT_NE(exported.find("Ball:x-vel."), std::string::npos);
    doc->modified = false;
    doc->CloseWindow();
  }
}

}  // namespace
