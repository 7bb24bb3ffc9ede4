#include <gtest/gtest.h>

#include <random>

#include "shell/headless_backend.h"

namespace {

using shell::HeadlessBackend;
using shell::MessageAnswer;
using shell::MessageKind;

class HeadlessScriptTest : public ::testing::Test {
 protected:
  HeadlessScriptTest() {
    backend.SetFailureHandler([this](const std::string& message) { failures.push_back(message); });
  }

  HeadlessBackend backend;
  std::vector<std::string> failures;
};

TEST_F(HeadlessScriptTest, ScriptedMessagesAreAnsweredAndRecorded) {
  backend.ExpectMessage("Do You Want to Save?", MessageAnswer::kNo, "Doc Has Been Changed");
  EXPECT_EQ(
      backend.ShowMessage(MessageKind::kSavePrompt, "Do You Want to Save?", "Doc Has Been Changed"),
      MessageAnswer::kNo);
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].kind, MessageKind::kSavePrompt);
  EXPECT_EQ(backend.Messages()[0].caption, "Doc Has Been Changed");
  EXPECT_TRUE(failures.empty());
  EXPECT_TRUE(backend.UnusedScript().empty());
}

TEST_F(HeadlessScriptTest, AnUnexpectedMessageFailsAndIsRefused) {
  EXPECT_EQ(backend.ShowMessage(MessageKind::kConfirmation, "Clear all?", "Clear"),
            MessageAnswer::kCancel);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("[Clear] Clear all?"), std::string::npos);
}

TEST_F(HeadlessScriptTest, AMessageWithOtherTextThanScriptedFails) {
  backend.ExpectMessage("one", MessageAnswer::kOk);
  backend.ShowMessage(MessageKind::kInformation, "two", "caption");
  EXPECT_EQ(failures.size(), 1u);
  backend.ExpectMessage("three", MessageAnswer::kOk, "right");
  backend.ShowMessage(MessageKind::kInformation, "three", "wrong");
  EXPECT_EQ(failures.size(), 2u);
}

TEST_F(HeadlessScriptTest, TheCommandLineToolCanAnswerEveryBox) {
  backend.AnswerUnexpectedMessages(MessageAnswer::kOk);
  EXPECT_EQ(backend.ShowMessage(MessageKind::kConfirmation, "Go?", "Go"), MessageAnswer::kOk);
  EXPECT_TRUE(failures.empty());
}

TEST_F(HeadlessScriptTest, FileDialogsTakeTheirAnswersInOrder) {
  backend.QueueFileAnswer("/tmp/a.KVX");
  backend.QueueFileAnswer(std::nullopt);
  shell::FileDialogSpec request{"Open", {{"Kinovex Files (*.KVX)", "*.KVX"}}, "KVX", "", ""};
  EXPECT_EQ(backend.AskOpenFile(request), "/tmp/a.KVX");
  EXPECT_EQ(backend.AskSaveFile(request), std::nullopt);
  EXPECT_EQ(backend.AskOpenFile(request), std::nullopt);
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_EQ(backend.FileDialogs().size(), 3u);
}

TEST_F(HeadlessScriptTest, LeftoverScriptIsListed) {
  backend.ExpectMessage("never shown");
  backend.QueueFileAnswer("x");
  EXPECT_EQ(backend.UnusedScript().size(), 2u);
}

TEST_F(HeadlessScriptTest, AnUnexpectedPrintDialogFails) {
  EXPECT_EQ(backend.AskPrint(shell::kNoWindow, {"Gra", "", "", ""}), nullptr);
  EXPECT_EQ(failures.size(), 1u);
}

// ---------------------------------------------------------------- pixels

class HeadlessSurfaceTest : public ::testing::Test {
 protected:
  HeadlessSurfaceTest() : surface(backend.CreatePictureSurface({20, 20})) {}

  shell::Picture Pixels() { return surface->ReadPicture({0, 0, 20, 20}); }

  HeadlessBackend backend;
  std::unique_ptr<shell::Surface> surface;
};

TEST_F(HeadlessSurfaceTest, FilledRectanglesExcludeTheirRightAndBottomEdges) {
  surface->SetBrush(shell::kBlack);
  surface->FillRect({2, 3, 5, 7});
  shell::Picture pixels = Pixels();
  EXPECT_EQ(pixels.At(2, 3), shell::kBlack);
  EXPECT_EQ(pixels.At(4, 6), shell::kBlack);
  EXPECT_EQ(pixels.At(5, 6), shell::kWhite);
  EXPECT_EQ(pixels.At(4, 7), shell::kWhite);
}

TEST_F(HeadlessSurfaceTest, LinesLeaveOutTheirLastPoint) {
  surface->SetPen({shell::kBlack, 1});
  surface->Line({1, 1}, {6, 1});
  shell::Picture pixels = Pixels();
  EXPECT_EQ(pixels.At(1, 1), shell::kBlack);
  EXPECT_EQ(pixels.At(5, 1), shell::kBlack);
  EXPECT_EQ(pixels.At(6, 1), shell::kWhite);
}

TEST_F(HeadlessSurfaceTest, FramesStayInsideTheRectangle) {
  surface->SetBrush(shell::kBlack);
  surface->FrameRect({2, 2, 8, 8});
  shell::Picture pixels = Pixels();
  EXPECT_EQ(pixels.At(2, 2), shell::kBlack);
  EXPECT_EQ(pixels.At(7, 7), shell::kBlack);
  EXPECT_EQ(pixels.At(8, 8), shell::kWhite);
  EXPECT_EQ(pixels.At(4, 4), shell::kWhite);
}

TEST_F(HeadlessSurfaceTest, DrawingOutsideThePictureIsClipped) {
  surface->SetBrush(shell::kBlack);
  surface->FillRect({-50, -50, 100, 2});
  surface->SetPen({shell::kBlack, 5});
  surface->Line({-10, 30}, {40, 30});
  EXPECT_EQ(Pixels().At(19, 1), shell::kBlack);
  EXPECT_EQ(Pixels().At(10, 10), shell::kWhite);
}

TEST_F(HeadlessSurfaceTest, EveryOperationIsRecordedWithItsState) {
  surface->SetPen({shell::MakeRgb(1, 2, 3), 4});
  surface->SetRasterMode(shell::RasterMode::kXor);
  surface->FrameEllipse({0, 0, 10, 10});
  ASSERT_EQ(backend.Drawing().size(), 1u);
  const shell::DrawRecord& record = backend.Drawing()[0];
  EXPECT_EQ(record.op, shell::DrawOp::kFrameEllipse);
  EXPECT_EQ(record.pen.width, 4);
  EXPECT_EQ(record.mode, shell::RasterMode::kXor);
  EXPECT_EQ(record.rect, (shell::Rect{0, 0, 10, 10}));
}

// Whatever is drawn in exclusive-or mode, drawing it again restores every
// pixel: no operation may touch a pixel twice, at any size or position,
// partly outside the picture or not.
TEST_F(HeadlessSurfaceTest, AnyExclusiveOrDrawingTwiceRestoresThePicture) {
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> coordinate(-15, 35);
  std::uniform_int_distribution<int> width(1, 6);
  std::uniform_int_distribution<int> kind(0, 8);
  auto point = [&] { return shell::Point{coordinate(random), coordinate(random)}; };
  auto rect = [&] {
    return shell::Rect{coordinate(random), coordinate(random), coordinate(random),
                       coordinate(random)};
  };
  surface->SetBrush(shell::MakeRgb(10, 200, 30));
  surface->FillRect({0, 0, 20, 20});
  for (int round = 0; round < 300; ++round) {
    const shell::Picture before = Pixels();
    const int which = kind(random);
    const shell::Rect r = rect();
    const shell::Point a = point();
    const shell::Point b = point();
    const shell::Point c = point();
    surface->SetPen({shell::MakeRgb(255, 0, 128), width(random)});
    surface->SetBrush(shell::MakeRgb(0, 99, 255));
    surface->SetTextColour(shell::MakeRgb(7, 7, 7));
    surface->SetFont({shell::FontFace::kHelv, width(random) * 3});
    surface->SetRasterMode(shell::RasterMode::kXor);
    for (int pass = 0; pass < 2; ++pass) {
      switch (which) {
        case 0:
          surface->Line(a, b);
          break;
        case 1:
          surface->FillEllipse(r);
          break;
        case 2:
          surface->FrameEllipse(r);
          break;
        case 3:
          surface->Arc(r, a, b);
          break;
        case 4: {
          const shell::Point corners[3] = {a, b, c};
          surface->FillPolygon(corners);
          break;
        }
        case 5:
          surface->DrawText("Ab c", a);
          break;
        case 6:
          surface->DrawVerticalText("Ab c", a);
          break;
        case 7:
          surface->FocusRect(r);
          break;
        default:
          surface->InvertRect(r);
          break;
      }
    }
    ASSERT_EQ(Pixels(), before) << "operation " << which << " in round " << round;
  }
}

}  // namespace
