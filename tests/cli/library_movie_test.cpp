// A document whose movie is opened through the video library, with no
// movie window: its frame keys, time scale and picture height come from
// the movie, whatever the file said.
#include <gtest/gtest.h>

#include <fstream>

#include "document/data_object_window.h"
#include "document/file_parser.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/library_movie.h"
#include "movie_generator.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"
#include "test_folder.h"

namespace kinovex {
namespace {

class LibraryMovieTest : public ::testing::Test {
 protected:
  LibraryMovieTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    testing::TestMovieRecipe request;
    request.path = folder.File("clip.mov");
    request.frameTimes = {0, 20, 45, 90, 91};
    request.height = 96;
    made = testing::MakeTestMovie(request);
    EXPECT_TRUE(made.ok) << made.error;
  }

  ~LibraryMovieTest() override { EXPECT_TRUE(backend.UnusedScript().empty()); }

  // A saved document naming the movie, with a time base of its own.
  TdvDataObjectWindow* Open(const std::string& movie) {
    const std::string doc = folder.File("doc.kvx");
    std::ofstream(doc) << "V[2 1 2];P[-2];D[b(1x1 )i(101x600 p102x20 )s(20x\"clip.mov\" p21x\""
                       << movie << "\")l( p303x0  p304x3 0 10 20 )];";
    TdvFileParser parser(nullptr, &movies);
    return parser.Parse(TdvFileLocation::FromPath(doc));
  }

  testing::TestFolder folder;
  testing::GeneratedMovie made;
  shell::HeadlessBackend backend;
  TdvFfmpegVideoLibrary library;
  TdvLibraryMovieOpener movies{library};
  TdvShell shell{backend};
};

TEST_F(LibraryMovieTest, DocumentTakesTheMoviesTimeBase) {
  TdvDataObjectWindow* doc = Open(folder.File("clip.mov"));
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->FrameKeys(), made.frameTimes);
  EXPECT_EQ(doc->timeScale, made.timeScale);
  // The displayed frame saved in the file stays.
  EXPECT_EQ(doc->DisplayedFrame(), 20);
  ASSERT_NE(doc->Movie(), nullptr);
  EXPECT_EQ(doc->Movie()->NaturalHeight(), 96);
  EXPECT_FALSE(doc->Movie()->WindowRect().has_value());
}

}  // namespace
}  // namespace kinovex
