// A datum whose value is not a finite number is dropped alone: the series
// keeps its other data and the file gets one message.
#include "damaged_file_fixture.h"

namespace {

using shell::MessageAnswer;

using NonFiniteDatumTest = DamagedFileTest;

// The export's data rows and how many of their cells after the time
// hold a value.
struct Cells {
  int rows = 0;
  int filled = 0;
};

Cells CountCells(const std::string& exported) {
  std::istringstream lines(exported.substr(exported.find("\ntime(s)") + 1));
  std::string line;
  std::getline(lines, line);
  Cells cells;
  while (std::getline(lines, line)) {
    ++cells.rows;
    std::istringstream fields(line);
    std::string field;
    std::getline(fields, field, '\t');
    while (std::getline(fields, field, '\t')) {
      cells.filled += field.empty() ? 0 : 1;
    }
  }
  return cells;
}

TEST_F(NonFiniteDatumTest, OnlyTheBadDatumIsLost) {
  for (const char* bad : {"nan", "inf", "-inf", "-nan", "infinity", "1e999"}) {
    SCOPED_TRACE(bad);
    std::vector<std::string> ball = PlainValues();
    ball[7] = bad;
    std::vector<std::string> cart = PlainValues();
    cart[3] = bad;
    cart[30] = bad;
    backend.ExpectMessage(
        "Numbers that cannot be right were left out and defaults used in: Ball, Cart",
        MessageAnswer::kOk, "Damaged Values");
    TdvDataObjectWindow* doc =
        Read(OriginRecord() + PointRecord(1, "Ball", 0, ball) + PointRecord(2, "Cart", 0, cart) +
             PointRecord(3, "Clean", 0, PlainValues()));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(DataCount(*Named(*doc, "Ball")), kFrames - 1);
    EXPECT_EQ(DataCount(*Named(*doc, "Cart")), kFrames - 2);
    EXPECT_EQ(DataCount(*Named(*doc, "Clean")), kFrames);
    std::string exported = Export(*doc);
    ExpectOnlyFiniteNumbers(exported);
    Cells cells = CountCells(exported);
    EXPECT_EQ(cells.rows, kFrames);
    // x and y of every datum kept; the origin reports nothing of its own.
    EXPECT_EQ(cells.filled, 2 * (3 * kFrames - 3));
    doc->CloseWindow();
  }
}

}  // namespace
