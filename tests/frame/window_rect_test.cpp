#include <regex>

#include "frame_fixture.h"
#include "movie_generator.h"

// A saved document's window rectangle that is tiny or lies off the frame
// comes back usable and in view; a sound one comes back as it was.
TEST_F(FrameTest, AWindowRectangleFromAFileIsMadeUsableAndBroughtIntoView) {
  kinovex::testing::TestMovieRecipe movie;
  movie.path = File("toss.mov");
  movie.frameCount = 2;
  ASSERT_TRUE(kinovex::testing::MakeTestMovie(movie).ok);
  const std::string text = DocumentText(movie.path);
  const shell::Size frameClient = backend.ClientSize(frame->hwnd);
  const int areaWidth = frameClient.width - 32;
  const int areaHeight = frameClient.height;
  struct Case {
    const char* what;
    shell::Rect saved;
    shell::Rect shown;
  };
  const Case cases[] = {
      {"sound", {20, 30, 420, 330}, {20, 30, 420, 330}},
      {"tiny", {10, 10, 60, 60}, {10, 10, 210, 160}},
      {"off to the right", {5000, 20, 5300, 320}, {areaWidth - 300, 20, areaWidth, 320}},
      {"above the frame", {100, -500, 400, -200}, {100, 0, 400, 300}},
      {"below the frame", {100, 3000, 400, 3300}, {100, areaHeight - 300, 400, areaHeight}},
      {"off to the left and tiny", {-900, 50, -880, 60}, {0, 50, 200, 200}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Files keep the left edge one pixel short.
    const std::string rect = "r(1000x" + std::to_string(c.saved.left - 1) + " " +
                             std::to_string(c.saved.top) + " " + std::to_string(c.saved.right) +
                             " " + std::to_string(c.saved.bottom) + ")";
    const std::string path = File("placed.kvx");
    WriteFile(path, std::regex_replace(text, std::regex(R"(r\(1000x[^)]*\))"), rect));
    frame->OpenPath(path);
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(backend.Window(Documents().front()->hwnd)->outer, c.shown);
    Documents().front()->CloseWindow();
    backend.RunPosted();
  }
}
