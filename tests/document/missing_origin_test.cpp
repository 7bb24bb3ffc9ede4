// Series whose origin reference names no origin of the file are kept: they
// report in the default origin, are saved again, and the file gets one
// message naming them.
#include "damaged_file_fixture.h"

namespace {

using shell::MessageAnswer;

using MissingOriginTest = DamagedFileTest;

TEST_F(MissingOriginTest, EverySeriesReadIsSavedAgain) {
  struct Case {
    const char* what;
    std::string records;
    const char* moved;
  };
  const std::vector<std::string> data = PlainValues();
  const Case cases[] = {
      {"an origin that is not in the file",
       PointRecord(1, "Ball", 9, data) + PointRecord(2, "Cart", 9, data), "Ball, Cart"},
      {"a record that is no origin",
       PointRecord(1, "Ball", 0, data) + PointRecord(2, "Cart", 1, data), "Cart"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    backend.ExpectMessage(
        std::string("These series named an origin that is not in the file and now use the "
                    "default origin: ") +
            c.moved,
        MessageAnswer::kOk, "Missing Origin");
    TdvDataObjectWindow* doc = Read(OriginRecord() + c.records);
    ASSERT_NE(doc, nullptr);
    std::string saved = Saved(*doc);
    for (const char* name : {"\"Origin 1\"", "\"Ball\"", "\"Cart\""}) {
      EXPECT_NE(saved.find(name), std::string::npos) << name << " in\n" << saved;
    }
    EXPECT_EQ(doc->FindFrame(Named(*doc, "Cart")->GetOriginId()),
              doc->FindFrame(kDefaultOriginRef));
    EXPECT_EQ(DataCount(*Named(*doc, "Cart")), kFrames);
    doc->CloseWindow();

    // What was saved reads back whole, without a word.
    std::string path = Path("again.kvx");
    WriteFile(path, saved);
    TdvDataObjectWindow* again = TdvFileParser().Parse(TdvFileLocation::FromPath(path));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ItemCount(), 3);
    again->CloseWindow();
  }
}

}  // namespace
