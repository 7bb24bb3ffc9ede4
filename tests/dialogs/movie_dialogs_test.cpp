#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "dialogs/movie_frame_rate_dialog.h"
#include "dialogs/movie_step_dialog.h"
#include "dialogs/scale_movie_dialog.h"
#include "dialogs/track_point_dialog.h"
#include "document/data_object_window.h"
#include "model/point_series.h"
#include "model/scale_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

class PlainFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

// The movie as the document sees it: it only records the messages it is
// asked to show.
class MessageMovie : public TdvMovieLink {
 public:
  int NaturalHeight() const override { return 240; }
  void RedrawMovie() override {}
  std::optional<TdvRect> WindowRect() const override { return std::nullopt; }
  void ShowMovieMessage(int code) override { messages.push_back(code); }

  std::vector<int> messages;
};

// What the user sees in a dialog's size popup and its edit field.
struct Shown {
  int item = 0;
  std::string typed;
  bool typing = false;
};

class MovieDialogsTest : public ::testing::Test {
 protected:
  MovieDialogsTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    shell.Keep(std::make_unique<PlainFrame>())->OpenWindow();
  }

  // Opens the dialog on the document, runs `inside` while it is up; the
  // dialog must be closed by it.
  template <typename Dialog>
  void Run(const std::function<void(shell::WindowHandle)>& inside) {
    backend.QueueModal(inside);
    shell.Keep(std::make_unique<Dialog>(document))->OpenWindow();
  }

  Shown Look(shell::WindowHandle dialog, int popup, int edit) const {
    const shell::HeadlessWindow& field = *backend.Window(backend.ControlOf(dialog, edit));
    return {backend.Window(backend.ControlOf(dialog, popup))->popupShown, field.title,
            field.enabled};
  }

  // Replaces the edit field's text as a user does, erasing it first.
  void Retype(shell::WindowHandle dialog, int edit, const std::string& text) {
    const std::size_t length = backend.Window(backend.ControlOf(dialog, edit))->title.size();
    backend.TypeText(dialog, edit, std::string(length, '\b') + text);
  }

  void UseStep(double step, bool inFrames) {
    document.SetStep(step, inFrames);
    document.modified = false;
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  TdvDataObjectWindow document;
};

using Step = TdvMovieStepDialog;
using Rate = TdvMovieFrameRateDialog;

// ---------------------------------------------------------------- Movie Step Size

TEST_F(MovieDialogsTest, TheStepOpensOnTheItemThatNamesIt) {
  struct Case {
    double step;
    bool inFrames;
    int popup;
    Shown shown;
  };
  const Case cases[] = {
      {-1.0, false, Step::kTimeSize, {1, "", false}},
      {1.0 / 30, false, Step::kTimeSize, {2, "0.03333", false}},
      {0.0333, false, Step::kTimeSize, {13, "0.03330", true}},
      {0.25, false, Step::kTimeSize, {13, "0.2500", true}},
      {1.0, true, Step::kFrameSize, {1, "1", false}},
      {-1.0, true, Step::kFrameSize, {1, "1", false}},
      {7.0, true, Step::kFrameSize, {9, "7", true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.step) + (c.inFrames ? " frames" : " s"));
    UseStep(c.step, c.inFrames);
    Run<Step>([&](shell::WindowHandle dialog) {
      const Shown shown = Look(dialog, c.popup, Step::kOther);
      EXPECT_EQ(Look(dialog, Step::kStepBy, Step::kOther).item,
                c.inFrames ? Step::kByFrames : Step::kByTime);
      EXPECT_EQ(shown.item, c.shown.item);
      EXPECT_EQ(shown.typed, c.shown.typed);
      EXPECT_EQ(shown.typing, c.shown.typing);
      const int other = c.inFrames ? Step::kTimeSize : Step::kFrameSize;
      EXPECT_FALSE(backend.Window(backend.ControlOf(dialog, other))->enabled);
      backend.PressButton(dialog, Step::kCancel);
    });
    EXPECT_FALSE(document.modified) << "Cancel changes nothing";
  }
}

TEST_F(MovieDialogsTest, OkHandsTheChosenOrTypedStepToTheDocument) {
  UseStep(-1.0, false);
  Run<Step>([&](shell::WindowHandle dialog) {
    backend.ChoosePopup(dialog, Step::kTimeSize, 6);
    backend.PressButton(dialog, Step::kOk);
  });
  EXPECT_DOUBLE_EQ(document.stepSize, 0.1);
  EXPECT_FALSE(document.stepInFrames);
  EXPECT_FALSE(document.stepEveryFrame);

  Run<Step>([&](shell::WindowHandle dialog) {
    backend.ChoosePopup(dialog, Step::kStepBy, Step::kByFrames);
    EXPECT_TRUE(backend.Window(backend.ControlOf(dialog, Step::kFrameSize))->enabled);
    EXPECT_FALSE(backend.Window(backend.ControlOf(dialog, Step::kTimeSize))->enabled);
    backend.ChoosePopup(dialog, Step::kFrameSize, 9);
    Retype(dialog, Step::kOther, "12");
    backend.PressButton(dialog, Step::kOk);
  });
  EXPECT_DOUBLE_EQ(document.stepSize, 12.0);
  EXPECT_TRUE(document.stepInFrames);
}

TEST_F(MovieDialogsTest, ATypedStepThatIsNoPositiveNumberIsRefused) {
  for (const char* typed : {"abc", "-2", "0", "3x", ""}) {
    SCOPED_TRACE(typed);
    UseStep(7.0, true);
    Run<Step>([&](shell::WindowHandle dialog) {
      Retype(dialog, Step::kOther, typed);
      backend.ExpectMessage("Please enter a number greater than 0.");
      backend.PressButton(dialog, Step::kOk);
      ASSERT_TRUE(backend.Exists(dialog));
      backend.PressButton(dialog, Step::kCancel);
    });
    EXPECT_DOUBLE_EQ(document.stepSize, 7.0);
    EXPECT_FALSE(document.modified);
  }
}

// ---------------------------------------------------------------- Track Selected Point

// A typed value the tracker cannot use is refused and the dialog stays;
// usable ones start the run, which here finds no movie to track on.
TEST_F(MovieDialogsTest, TrackingRefusesTypedValuesItCannotUse) {
  using Track = TdvTrackPointDialog;
  document.SetTimeBase(600, {0, 20, 40});
  auto* ball =
      static_cast<TdvDataPoint*>(document.GetItem(document.ObjectNewObject(kItemPoint, "Ball")));
  ball->TakeData(100, -100, 0);
  document.SelectItem(ball->GetId(), 0);
  const std::string wholeTemplate = "Please enter a whole number from 11 to 1001.";
  const struct {
    int field;
    const char* typed;
    std::string message;
  } refused[] = {
      {Track::kTemplateSize, "2l", wholeTemplate},
      {Track::kTemplateSize, "9", wholeTemplate},
      {Track::kSearchSize, "24", "Please enter a whole number from 25 to 2001."},
      {Track::kThreshold, "1.5", "Please enter a score greater than 0 and at most 1."},
      {Track::kLastFrame, "4", "Please enter a whole number from 1 to 3."},
  };
  Run<Track>([&](shell::WindowHandle dialog) {
    for (const auto& c : refused) {
      SCOPED_TRACE(c.typed);
      const std::string kept = backend.Window(backend.ControlOf(dialog, c.field))->title;
      Retype(dialog, c.field, c.typed);
      backend.ExpectMessage(c.message);
      backend.PressButton(dialog, Track::kOk);
      ASSERT_TRUE(backend.Exists(dialog));
      Retype(dialog, c.field, kept);
    }
    backend.ExpectMessage("No Movie");
    backend.PressButton(dialog, Track::kOk);
  });
  EXPECT_EQ(document.Tracking(), nullptr);
}

// ---------------------------------------------------------------- Change Frame Rate

TEST_F(MovieDialogsTest, TheRateOpensOnTheItemThatNamesIt) {
  struct Case {
    double rate;
    Shown shown;
  };
  const Case cases[] = {
      {-1.0, {1, "", false}},
      {0.2, {12, "0.2000", false}},
      {29.97, {13, "29.97", true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rate);
    document.SetFrameRate(c.rate);
    document.modified = false;
    Run<Rate>([&](shell::WindowHandle dialog) {
      const Shown shown = Look(dialog, Rate::kRate, Rate::kOther);
      EXPECT_EQ(shown.item, c.shown.item);
      EXPECT_EQ(shown.typed, c.shown.typed);
      EXPECT_EQ(shown.typing, c.shown.typing);
      backend.PressButton(dialog, Rate::kCancel);
    });
    EXPECT_FALSE(document.modified) << "Cancel changes nothing";
  }
}

TEST_F(MovieDialogsTest, OkHandsTheRateToTheDocumentAndRefusesATypedNonNumber) {
  document.SetFrameRate(-1.0);
  Run<Rate>([&](shell::WindowHandle dialog) {
    backend.ChoosePopup(dialog, Rate::kRate, 13);
    EXPECT_TRUE(backend.Window(backend.ControlOf(dialog, Rate::kOther))->enabled);
    Retype(dialog, Rate::kOther, "twenty");
    backend.ExpectMessage("Please enter a number greater than 0.");
    backend.PressButton(dialog, Rate::kOk);
    ASSERT_TRUE(backend.Exists(dialog));
    Retype(dialog, Rate::kOther, "29.97");
    backend.PressButton(dialog, Rate::kOk);
  });
  EXPECT_DOUBLE_EQ(document.FrameRate(), 29.97);

  Run<Rate>([&](shell::WindowHandle dialog) {
    backend.ChoosePopup(dialog, Rate::kRate, 1);
    EXPECT_EQ(Look(dialog, Rate::kRate, Rate::kOther).typed, "");
    backend.PressButton(dialog, Rate::kOk);
  });
  EXPECT_EQ(document.FrameRate(), -1.0) << "back to the movie's own time scale";
}

// ---------------------------------------------------------------- Scale Movie

class ScaleMovieTest : public MovieDialogsTest {
 protected:
  using Scale = TdvNewEZCalibDialog;

  ScaleMovieTest() {
    document.CreateDefaultOrigin();
    document.AttachMovie(&movie);
  }

  // The scales of the document and their ends' sample type, after the two
  // clicks the movie reports.
  TdvCalibrateObject* ClickScaleEnds() {
    document.ScalePoint(-10, -300, -5);
    document.ScalePoint(190, -300, -6);
    for (std::int32_t id : document.ItemOrder()) {
      if (document.GetItem(id)->IsA(kCalibrateObjectCode)) {
        return static_cast<TdvCalibrateObject*>(document.GetItem(id));
      }
    }
    return nullptr;
  }

  MessageMovie movie;
};

TEST_F(ScaleMovieTest, TheChosenLengthUnitOriginAndTypeReachTheScale) {
  const std::int32_t second = document.CreateFromMenu(652);
  Run<Scale>([&](shell::WindowHandle dialog) {
    EXPECT_EQ(backend.Window(backend.ControlOf(dialog, Scale::kOrigin))->control.items,
              (std::vector<std::string>{"<Origin 1>", "Origin 2", "<None>"}));
    backend.TypeText(dialog, Scale::kLength, "\b\b\b\b50");
    backend.ChoosePopup(dialog, Scale::kUnits, 2);
    backend.ChoosePopup(dialog, Scale::kOrigin, 2);
    backend.ChoosePopup(dialog, Scale::kSampleType, 1);
    backend.PressButton(dialog, Scale::kContinue);
  });
  TdvCalibrateObject* scale = ClickScaleEnds();
  ASSERT_NE(scale, nullptr);
  EXPECT_DOUBLE_EQ(scale->GetKnownLength(), 0.5) << "50 cm";
  EXPECT_EQ(scale->GetLengthUnit(), 2);
  EXPECT_EQ(document.GetItem(second)->GetScaleId(), scale->GetId());
  for (std::int32_t id : document.ItemOrder()) {
    TdvDataObject* item = document.GetItem(id);
    if (item->IsPointType() && !item->IsOrigin()) {
      EXPECT_EQ(item->GetSampleType(), kFrameByFrame) << item->GetName();
    }
  }
}

TEST_F(ScaleMovieTest, CancelOrALengthThatIsNoPositiveNumberStartsNoScale) {
  Run<Scale>([&](shell::WindowHandle dialog) {
    for (const char* typed : {"one metre", "-1"}) {
      backend.TypeText(dialog, Scale::kLength, std::string(12, '\b') + typed);
      backend.ExpectMessage("Please enter a number greater than 0.");
      backend.PressButton(dialog, Scale::kContinue);
      ASSERT_TRUE(backend.Exists(dialog)) << typed;
    }
    backend.PressButton(dialog, Scale::kCancel);
  });
  EXPECT_TRUE(movie.messages.empty());
  EXPECT_EQ(document.ItemCount(), 1) << "only the default origin";
}

}  // namespace
