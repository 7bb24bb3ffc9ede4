#include "frame_fixture.h"
#include "movie_generator.h"

using shell::MessageAnswer;

TEST(DocumentPaths, OnlyTheLastThreeCharactersInOneCaseMakeADocument) {
  EXPECT_TRUE(IsDocumentPath("toss.kvx"));
  EXPECT_TRUE(IsDocumentPath("/data/TOSS.KVX"));
  EXPECT_TRUE(IsDocumentPath("kvx"));
  EXPECT_FALSE(IsDocumentPath("toss.Kvx"));
  EXPECT_FALSE(IsDocumentPath("toss.kvX"));
  EXPECT_FALSE(IsDocumentPath("toss.kvx "));
  EXPECT_FALSE(IsDocumentPath("/data.kvx/toss.mov"));
  EXPECT_FALSE(IsDocumentPath("vx"));
  EXPECT_FALSE(IsDocumentPath(""));
}

class OpenPathTest : public FrameTest {
 protected:
  // A saved document whose movie, a short generated one, lies beside it.
  std::string SavedDocument(const std::string& name) {
    const std::string movie = File("toss.mov");
    if (!std::filesystem::exists(movie)) {
      kinovex::testing::TestMovieSpec request;
      request.path = movie;
      request.frameCount = 3;
      EXPECT_TRUE(kinovex::testing::MakeTestMovie(request).ok);
    }
    const std::string path = File(name);
    WriteFile(path, DocumentText(movie));
    return path;
  }

  void ExpectCannotOpen() {
    backend.ExpectMessage("Kinovex Cannot Open this Type of File", MessageAnswer::kOk,
                          "File Open Error");
  }
};

TEST_F(OpenPathTest, LowerAndUpperCaseEndingsOpenDocuments) {
  for (const char* name : {"lower.kvx", "upper.KVX"}) {
    const std::string path = SavedDocument(name);
    frame->OpenPath(path);
    ASSERT_EQ(Documents().size(), 1u) << name;
    auto* document = static_cast<TdvDataObjectWindow*>(Documents().front());
    EXPECT_EQ(document->title, std::string("Coord. Sys:") + name);
    EXPECT_TRUE(document->HasFile());
    EXPECT_FALSE(frame->DocumentLoading());
    document->CloseWindow();
    backend.RunPosted();
  }
}

TEST_F(OpenPathTest, AMixedCaseEndingIsTakenForAMovie) {
  const std::string path = SavedDocument("mixed.Kvx");
  ExpectCannotOpen();
  frame->OpenPath(path);
  EXPECT_TRUE(Documents().empty());
}

TEST_F(OpenPathTest, AFileThatIsNoMovieIsRefused) {
  const std::string path = File("notes.txt");
  WriteFile(path, "shopping list");
  ExpectCannotOpen();
  frame->OpenPath(path);
  ExpectCannotOpen();
  frame->OpenPath(File("missing.mov"));
  EXPECT_TRUE(frame->docWindows.empty());
}

TEST_F(OpenPathTest, AnEmptyPathOpensTheStartupDialog) {
  std::string title;
  backend.QueueModal([&](shell::WindowHandle dialog) {
    title = backend.Window(dialog)->title;
    EXPECT_EQ(frame->StartupDialog()->hwnd, dialog);
    backend.PressButton(dialog, 133);
  });
  frame->OpenPath("");
  EXPECT_EQ(title, "Startup");
  EXPECT_EQ(frame->StartupDialog(), nullptr);
  EXPECT_TRUE(frame->docWindows.empty());
}

// The start-up dialog is modal; a path can still arrive meanwhile from a
// second start of the program.
TEST_F(OpenPathTest, OpeningADocumentClosesTheStartupDialog) {
  const std::string path = SavedDocument("while.kvx");
  bool closedByTheFrame = false;
  backend.QueueModal([&](shell::WindowHandle dialog) {
    frame->OpenPath(path);
    closedByTheFrame = !backend.Exists(dialog);
  });
  backend.Command(frame->hwnd, 151);
  EXPECT_TRUE(closedByTheFrame);
  EXPECT_EQ(Documents().size(), 1u);
}

TEST_F(OpenPathTest, OpeningAMovieBringsTheToolBar) {
  ExpectCannotOpen();
  frame->OpenPath(File("missing.avi"));
  ASSERT_NE(frame->toolWindow, nullptr);
  TdvWindow* tools = frame->toolWindow;
  ExpectCannotOpen();
  frame->OpenPath(File("missing.avi"));
  EXPECT_EQ(frame->toolWindow, tools) << "only one tool bar";
}

TEST_F(OpenPathTest, AMovieHoldingADocumentOpensThatDocument) {
  const std::string movie = File("embedded.mov");
  kinovex::testing::TestMovieSpec request;
  request.path = movie;
  request.frameCount = 4;
  request.embeddedDocument = DocumentText("/elsewhere/original.mov");
  ASSERT_TRUE(kinovex::testing::MakeTestMovie(request).ok);
  frame->OpenPath(movie);
  ASSERT_EQ(Documents().size(), 1u);
  auto* document = static_cast<TdvDataObjectWindow*>(Documents().front());
  EXPECT_EQ(document->moviePath, movie) << "the movie it came in is its movie";
  EXPECT_EQ(document->movieName, "embedded.mov");
  EXPECT_FALSE(document->HasFile()) << "saving must ask where";
}

TEST_F(OpenPathTest, DroppedFilesOpenOneAfterTheOther) {
  const std::string first = SavedDocument("first.kvx");
  const std::string second = SavedDocument("second.KVX");
  backend.DropFiles(frame->hwnd, {first, second});
  ASSERT_EQ(Documents().size(), 2u);
  EXPECT_EQ(Documents()[0]->title, "Coord. Sys:first.kvx");
  EXPECT_EQ(Documents()[1]->title, "Coord. Sys:second.KVX");
}

TEST_F(OpenPathTest, OpenSavedDataOpensTheChosenDocument) {
  backend.QueueFileAnswer(std::nullopt);
  EXPECT_FALSE(frame->OpenSavedData());
  backend.QueueFileAnswer(SavedDocument("chosen.kvx"));
  backend.Command(frame->hwnd, 153);
  ASSERT_EQ(Documents().size(), 1u);
  ASSERT_EQ(backend.FileDialogs().size(), 2u);
  EXPECT_EQ(backend.FileDialogs()[1].filters.front().pattern, "*.KVX");
}

// The document's data are keyed by its movie's frames: an analysis read by
// the desktop program must take them from the movie, not from defaults.
class OpenedMovieTest : public OpenPathTest {
 protected:
  kinovex::testing::GeneratedMovie MakeUnevenMovie(const std::string& path,
                                                   const std::string& embedded = "") {
    kinovex::testing::TestMovieSpec request;
    request.path = path;
    request.height = 96;
    request.timeScale = 1000;
    request.frameTimes = {0, 40, 100, 130, 210};
    request.frameCount = 5;
    request.embeddedDocument = embedded;
    return kinovex::testing::MakeTestMovie(request);
  }

  static void ExpectTimeBaseOf(const TdvDataObjectWindow& document,
                               const kinovex::testing::GeneratedMovie& movie) {
    ASSERT_NE(document.Movie(), nullptr);
    EXPECT_EQ(document.Movie()->NaturalHeight(), 96);
    EXPECT_EQ(document.timeScale, movie.timeScale);
    EXPECT_EQ(document.FrameKeys(), movie.frameTimes);
  }
};

TEST_F(OpenedMovieTest, AnOpenedAnalysisTakesItsMoviesFrames) {
  const std::string movie = File("uneven.mov");
  const kinovex::testing::GeneratedMovie made = MakeUnevenMovie(movie);
  ASSERT_TRUE(made.ok) << made.error;
  ASSERT_EQ(made.frameTimes.size(), 5u);
  const std::string path = File("uneven.kvx");
  WriteFile(path, DocumentText(movie));
  frame->OpenPath(path);
  ASSERT_EQ(Documents().size(), 1u);
  ExpectTimeBaseOf(*static_cast<TdvDataObjectWindow*>(Documents().front()), made);
}

TEST_F(OpenedMovieTest, ADocumentInsideAMovieTakesThatMoviesFrames) {
  const std::string movie = File("carrier.mov");
  const kinovex::testing::GeneratedMovie made =
      MakeUnevenMovie(movie, DocumentText("/elsewhere/original.mov"));
  ASSERT_TRUE(made.ok) << made.error;
  frame->OpenPath(movie);
  ASSERT_EQ(Documents().size(), 1u);
  ExpectTimeBaseOf(*static_cast<TdvDataObjectWindow*>(Documents().front()), made);
}

// Its data would be keyed by nothing: the analysis is refused after the
// message, its file left as it was.
TEST_F(OpenedMovieTest, AnAnalysisWhoseMovieIsNoMovieIsRefused) {
  const std::string movie = File("broken.mov");
  WriteFile(movie, "no movie in here");
  const std::string path = File("broken.kvx");
  const std::string saved = DocumentText(movie);
  WriteFile(path, saved);
  ExpectCannotOpen();
  frame->OpenPath(path);
  backend.RunPosted();
  EXPECT_TRUE(frame->docWindows.empty());
  std::ifstream kept(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), saved);
}
