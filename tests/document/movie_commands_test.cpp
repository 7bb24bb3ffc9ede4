#include "model/scale_series.h"
#include "movie_fixture.h"

namespace {

using shell::MessageAnswer;

struct RefusedCase {
  const char* what;
  bool tool;
  int code;
  const char* text;
  const char* caption;
};

TEST_F(MovieDocumentTest, CommandsThatLackWhatTheyNeedSayWhyAndChangeNothing) {
  const RefusedCase cases[] = {
      {"edit", false, 451, "You must select an item before editing it", "Edit Selected"},
      {"change scale", false, 359, "No Scales Available", "Change Scale..."},
      {"remove movie", false, 361, "No Movie to Remove", "Remove Movie"},
      {"transform", true, 8, "Must select an origin to transform it", ""},
  };
  TdvDataObjectWindow* doc = NewDocument();
  doc->SetDialogs(&dialogs);
  doc->SelectItem(kNoItem, 0);
  for (const RefusedCase& c : cases) {
    SCOPED_TRACE(c.what);
    backend.ExpectMessage(c.text, MessageAnswer::kOk, c.caption);
    if (c.tool) {
      EXPECT_EQ(doc->DoToolCommand(c.code), 1);
    } else {
      EXPECT_EQ(doc->DoCommand(c.code), 0);
    }
    EXPECT_TRUE(backend.UnusedScript().empty());
  }
  EXPECT_TRUE(dialogs.opened.empty());
  EXPECT_EQ(doc->ItemCount(), 1);
  EXPECT_FALSE(doc->modified);
}

TEST_F(MovieDocumentTest, DialogsAndMovieCommandsGoWhereTheyBelong) {
  TdvDataObjectWindow* doc = MovieDocument();
  movie.commands.clear();
  doc->DoCommand(651);
  std::int32_t point = doc->CurrentItem();
  doc->DoCommand(452);
  doc->DoCommand(656);
  doc->DoCommand(655);
  std::int32_t scale = doc->CurrentItem();
  doc->DoCommand(359);
  doc->DoToolCommand(2);
  doc->MovieDocumentCommand(303);
  EXPECT_EQ(
      dialogs.opened,
      (std::vector<std::string>{
          "edit " + std::to_string(point) + " new", "marker " + std::to_string(point),
          "edit " + std::to_string(scale) + " new", "change scale", "scale movie", "scale movie"}));
  for (int id : {301, 307, 310}) {
    doc->DoCommand(id);
  }
  EXPECT_EQ(movie.commands, (std::vector<int>{701, 701, 301, 307, 310}));
  doc->DoToolCommand(16);
  EXPECT_EQ(movie.nudges, std::vector<int>{7});
  doc->MovieActivated();
  EXPECT_EQ(movie.checks, (std::map<int, bool>{{351, false}, {352, true}, {353, true}}));
}

TEST_F(MovieDocumentTest, RemoveMovieAsksThenClearsTheDataAndClosesTheMovie) {
  TdvDataObjectWindow* doc = MovieDocument();
  auto* point = AddPoint(*doc, "P");
  point->TakeData(5, -5, 0);
  backend.ExpectMessage("Do you still want to continue?", MessageAnswer::kCancel,
                        "This will clear the data");
  doc->DoCommand(361);
  EXPECT_EQ(doc->Movie(), &movie);
  EXPECT_TRUE(point->HasData(0));

  backend.ExpectMessage("Do you still want to continue?", MessageAnswer::kOk,
                        "This will clear the data");
  doc->DoCommand(361);
  EXPECT_EQ(doc->Movie(), nullptr);
  EXPECT_EQ(movie.closes, 1);
  EXPECT_FALSE(point->HasData(0));
  EXPECT_FALSE(doc->hasMovie);
  EXPECT_EQ(doc->MovieName(), "No Movie");
}

TEST_F(MovieDocumentTest, OpeningAnotherMovieKeepsTheOldOneWhenNoFileIsChosen) {
  TdvDataObjectWindow* doc = MovieDocument();
  NewDocument();
  backend.ExpectMessage("Do you still want to continue?", MessageAnswer::kOk,
                        "This will clear the data");
  backend.QueueFileAnswer(std::nullopt);
  EXPECT_FALSE(doc->OpenMovieInto(false));
  EXPECT_EQ(doc->Movie(), &movie);
  EXPECT_FALSE(doc->movieToBeReplaced);

  // With a file chosen, the old movie goes and the new one is attached.
  auto* point = AddPoint(*doc, "P");
  point->TakeData(5, -5, 0);
  backend.ExpectMessage("Do you still want to continue?", MessageAnswer::kOk,
                        "This will clear the data");
  backend.QueueFileAnswer(Path("next.mov"));
  EXPECT_TRUE(doc->OpenMovieInto(false));
  EXPECT_EQ(movie.closes, 1);
  EXPECT_FALSE(point->HasData(0));
  EXPECT_EQ(opener.opened.back(), Path("next.mov"));
  EXPECT_EQ(doc->MovieName(), "next.mov");
}

TEST_F(MovieDocumentTest, TheOnlyDocumentOpensItsMovieThroughNumberOfPoints) {
  TdvDataObjectWindow* doc = NewDocument();
  doc->SetDialogs(&dialogs);
  doc->SetMovieOpener(&opener);
  backend.ExpectMessage("This will attach a movie to this Coordinate Frame Window, continue?",
                        MessageAnswer::kCancel, "Open Movie");
  EXPECT_EQ(doc->DoToolCommand(24), 0);
  backend.ExpectMessage("This will attach a movie to this Coordinate Frame Window, continue?",
                        MessageAnswer::kOk, "Open Movie");
  backend.QueueFileAnswer(Path("toss.mov"));
  EXPECT_EQ(doc->DoToolCommand(24), 1);
  EXPECT_EQ(dialogs.opened, std::vector<std::string>{"points " + Path("toss.mov")});
  EXPECT_TRUE(opener.opened.empty());
}

TEST_F(MovieDocumentTest, ClosingTheDocumentClosesItsMovieUnlessTheUserKeepsIt) {
  TdvDataObjectWindow* doc = MovieDocument();
  doc->modified = true;
  backend.ExpectMessage("Do You Want to Save?", MessageAnswer::kCancel,
                        doc->title + " Has Been Changed");
  EXPECT_FALSE(doc->CloseDocument());
  EXPECT_EQ(movie.closes, 0);
  doc->modified = false;
  EXPECT_TRUE(doc->CloseDocument());
  EXPECT_EQ(movie.closes, 1);
}

class RecordingGraph : public TdvGraphLink {
 public:
  void ItemRemoved(std::int32_t) override {}
  void TimeChanged(std::int32_t time) override { times.push_back(time); }
  void WriteRecord(TdvTaggedWriter&) override {}
  std::vector<std::int32_t> times;
};

TEST_F(MovieDocumentTest, GraphsHearOfEachNewTimeOnce) {
  TdvDataObjectWindow* doc = MovieDocument();
  RecordingGraph graph;
  doc->AddGraph(&graph);
  doc->CurrentTimeChanged(100);
  doc->CurrentTimeChanged(100);
  doc->CurrentTimeChanged(200);
  doc->ControllerStepped();
  doc->CurrentTimeChanged(200);
  EXPECT_EQ(graph.times, (std::vector<std::int32_t>{100, 200, 200}));
  EXPECT_EQ(doc->DisplayedFrame(), 200);
}

}  // namespace
