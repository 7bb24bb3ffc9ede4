#include "dialogs/number_of_points_dialog.h"
#include "frame_fixture.h"
#include "movie_generator.h"

// Starting an analysis from a movie: the Startup dialog, the file dialog,
// Number of Points, and the document that comes of it.
class MovieSetupTest : public FrameTest {
 protected:
  static constexpr int kOpenMovie = 1;
  static constexpr int kExitStartup = 133;

  std::string Movie(const std::string& name, int frames = 4) {
    const std::string path = File(name);
    kinovex::testing::TestMovieRecipe request;
    request.path = path;
    request.frameCount = frames;
    EXPECT_TRUE(kinovex::testing::MakeTestMovie(request).ok);
    return path;
  }

  // Number of Points answered with `count`; OK, then Cancel if the count
  // was refused (the dialog must then still be open).
  void AnswerNumberOfPoints(const std::string& count, bool refused = false) {
    backend.QueueModal([this, count, refused](shell::WindowHandle dialog) {
      EXPECT_EQ(backend.Window(dialog)->title, "Number of Points");
      backend.TypeText(dialog, TdvSetupDialog_B::kCount, "\b" + count);
      if (refused) {
        backend.ExpectMessage(TdvSetupDialog_B::kRefusal);
      }
      backend.PressButton(dialog, TdvSetupDialog_B::kOk);
      if (refused) {
        ASSERT_TRUE(backend.Exists(dialog)) << count;
        backend.PressButton(dialog, TdvSetupDialog_B::kCancel);
      }
    });
  }

  TdvDataObjectWindow* OnlyDocument() {
    const std::vector<TdvDocumentWindow*> documents = Documents();
    return documents.size() == 1 ? static_cast<TdvDataObjectWindow*>(documents.front()) : nullptr;
  }

  std::vector<std::string> PointNames(TdvDataObjectWindow& document) {
    std::vector<std::string> names;
    for (std::int32_t id : document.ItemOrder()) {
      TdvDataObject* item = document.GetItem(id);
      if (item->IsPointType() && !item->IsOrigin()) {
        names.push_back(item->GetName());
      }
    }
    return names;
  }
};

TEST_F(MovieSetupTest, CancellingTheMovieChoiceLeavesTheStartupDialogOpen) {
  bool stillOpen = false;
  backend.QueueModal([&](shell::WindowHandle startup) {
    backend.QueueFileAnswer(std::nullopt);
    backend.PressButton(startup, kOpenMovie);
    stillOpen = backend.Exists(startup);
    backend.PressButton(startup, kExitStartup);
  });
  frame->OpenStartupDialog();
  EXPECT_TRUE(stillOpen);
  ASSERT_EQ(backend.FileDialogs().size(), 1u);
  EXPECT_EQ(backend.FileDialogs()[0].title, "Please Locate a Movie");
  EXPECT_TRUE(Documents().empty());
}

TEST_F(MovieSetupTest, ZeroPointsGiveADocumentWithOnlyItsMovie) {
  const std::string movie = Movie("zero.mov");
  AnswerNumberOfPoints("0");
  frame->OpenPath(movie);
  TdvDataObjectWindow* document = OnlyDocument();
  ASSERT_NE(document, nullptr);
  EXPECT_TRUE(PointNames(*document).empty());
  EXPECT_EQ(document->moviePath, movie);
}

TEST_F(MovieSetupTest, ACountThatIsNoWholeNumberFromZeroTo99IsRefused) {
  const std::string movie = Movie("refused.mov");
  for (const char* typed : {"x", "-1", "100", "2.5", ""}) {
    SCOPED_TRACE(typed);
    AnswerNumberOfPoints(typed, true);
    frame->OpenPath(movie);
    EXPECT_TRUE(Documents().empty());
  }
}

TEST_F(MovieSetupTest, OpenMovieWithoutADocumentStartsANewAnalysis) {
  const std::string movie = Movie("menu.mov");
  backend.QueueFileAnswer(movie);
  AnswerNumberOfPoints("1");
  backend.Command(frame->hwnd, 152);
  TdvDataObjectWindow* document = OnlyDocument();
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(PointNames(*document), std::vector<std::string>{"Point S1"});
  EXPECT_EQ(document->CurrentItem(), document->ItemOrder().back()) << "ready to locate";
}

// The preview shows the movie's own pictures, fitted into its area, and
// the slider under it shows the last frame as well as the first.
TEST_F(MovieSetupTest, ThePreviewShowsTheChosenFrameOfTheMovie) {
  const std::string movie = Movie("preview.mov", 30);
  backend.AddBitmapResource(TdvSetupDialog_B::kInstructionsPicture, shell::Picture(20, 20));
  backend.QueueModal([&](shell::WindowHandle dialog) {
    const shell::WindowHandle preview = backend.ControlOf(dialog, TdvSetupDialog_B::kPreview);
    backend.Paint(dialog);
    backend.RunPosted();
    const shell::Picture first = backend.Pixels(preview);
    ASSERT_FALSE(first.Empty());
    // A 160 by 120 movie in a 330 by 250 area: 320 by 240 from (5, 5).
    EXPECT_EQ(first.At(2, 2), shell::MakeRgb(85, 85, 85)) << "the area's dark rim";
    EXPECT_NE(first.At(165, 125), shell::MakeRgb(85, 85, 85)) << "the picture inside";
    backend.Scroll(dialog, TdvSetupDialog_B::kFrameSlider, shell::kScrollThumb, 29);
    backend.Paint(dialog);
    backend.RunPosted();
    EXPECT_NE(backend.Pixels(preview), first) << "another frame, another picture";
    backend.PressButton(dialog, TdvSetupDialog_B::kCancel);
  });
  frame->OpenPath(movie);
  EXPECT_TRUE(Documents().empty());
}
