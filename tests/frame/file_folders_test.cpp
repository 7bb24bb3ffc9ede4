#include "frame_fixture.h"
#include "movie_generator.h"

// Where file dialogs open: the current document's folder, else the folder
// of the last file chosen, else the bundled samples.
class FileFoldersTest : public FrameTest {
 protected:
  static constexpr int kOpenMovie = 152;
  static constexpr int kOpenSavedData = 153;

  FileFoldersTest() {
    for (const char* name : {"samples", "docs", "other"}) {
      std::filesystem::create_directory(folder / name);
    }
    shell.SetSamplesFolder(File("samples"));
  }

  // The folder the next Open Saved Data dialog opens in (it is cancelled).
  std::string NextFolder() {
    backend.QueueFileAnswer(std::nullopt);
    backend.Command(frame->hwnd, kOpenSavedData);
    return backend.FileDialogs().back().initialFolder;
  }

  // A movie chosen in `name`'s folder that turns out to be no movie.
  void ChooseNoMovie(const std::string& name) {
    WriteFile(File(name), "not a movie");
    backend.QueueFileAnswer(File(name));
    backend.ExpectMessage("Kinovex Cannot Open this Type of File");
    backend.Command(frame->hwnd, kOpenMovie);
  }
};

TEST_F(FileFoldersTest, DialogsOpenInTheDocumentsFolderElseTheLastElseTheSamples) {
  EXPECT_EQ(NextFolder(), File("samples")) << "the first dialog of a session";

  ChooseNoMovie("other/notes.txt");
  EXPECT_EQ(NextFolder(), File("other")) << "the last folder used";

  kinovex::testing::TestMovieRecipe movie;
  movie.path = File("docs/toss.mov");
  movie.frameCount = 2;
  ASSERT_TRUE(kinovex::testing::MakeTestMovie(movie).ok);
  const std::string saved = File("docs/toss.kvx");
  WriteFile(saved, DocumentText(movie.path));
  frame->OpenPath(saved);
  ASSERT_EQ(Documents().size(), 1u);
  EXPECT_EQ(NextFolder(), File("docs")) << "the document's folder first";

  Documents().front()->CloseWindow();
  backend.RunPosted();
  EXPECT_EQ(NextFolder(), File("other")) << "the last folder once the document is gone";
}
