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
  void ExpectCannotOpen() {
    backend.ExpectMessage("Kinovex Cannot Open this Type of File", MessageAnswer::kOk,
                          "File Open Error");
  }
};

TEST_F(OpenPathTest, AMovieHoldingADocumentOpensThatDocument) {
  const std::string movie = File("embedded.mov");
  kinovex::testing::TestMovieRecipe request;
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

// The document's data are keyed by its movie's frames: an analysis read by
// the desktop program must take them from the movie, not from defaults.
class OpenedMovieTest : public OpenPathTest {
 protected:
};

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
