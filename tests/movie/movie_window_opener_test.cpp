#include "movie/movie_window_opener.h"
#include "document/data_object_window.h"
#include "movie_window_fixture.h"

namespace kinovex::testing {
namespace {

// A video library that hands out one prepared movie or fails as told.
class PreparedLibrary : public TdvVideoLibrary {
 public:
  TdvVideoOpenResult VideoOpen(const std::string& path, const TdvVideoProgress&) override {
    opened.push_back(path);
    TdvVideoOpenResult result;
    result.error = error;
    if (error == TdvVideoOpenError::kNone) {
      result.movie = std::make_unique<FakeMovie>(320, 240, EvenTimes(6, 20), 120);
    }
    return result;
  }

  TdvVideoOpenError error = TdvVideoOpenError::kNone;
  std::vector<std::string> opened;
};

class MovieWindowOpenerTest : public MovieWindowTest {
 protected:
  TdvDataObjectWindow* NewDocument() {
    auto* made = shell.Keep(std::make_unique<TdvDataObjectWindow>());
    EXPECT_EQ(made->OpenWindow(), 1);
    return made;
  }
  std::vector<TdvMoovWindow*> MovieWindows() const {
    std::vector<TdvMoovWindow*> found;
    for (TdvDocumentWindow* open : frame->docWindows) {
      if (open->IsA(TdvMoovWindow::kClassCode)) {
        found.push_back(static_cast<TdvMoovWindow*>(open));
      }
    }
    return found;
  }

  PreparedLibrary library;
  TdvMovieWindowOpener opener{library, {0, -2, 322, 290}};
};

// A file that is no movie is named as such and leaves the document as it
// was; a cancelled opening says nothing.
TEST_F(MovieWindowOpenerTest, FileThatIsNoMovieOpensNoWindow) {
  for (TdvVideoOpenError error : {TdvVideoOpenError::kNotAMovie, TdvVideoOpenError::kCancelled}) {
    TdvDataObjectWindow* doc = NewDocument();
    library.error = error;
    if (error == TdvVideoOpenError::kNotAMovie) {
      backend.ExpectMessage("Kinovex Cannot Open this Type of File");
    }
    EXPECT_FALSE(opener.OpenMovie(*doc, "/films/notes.txt"));
    EXPECT_EQ(doc->Movie(), nullptr);
    EXPECT_TRUE(MovieWindows().empty());
  }
}

}  // namespace
}  // namespace kinovex::testing
