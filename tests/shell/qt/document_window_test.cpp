#include <QMdiArea>
#include <QMdiSubWindow>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kGreen = MakeRgb(0, 160, 0);

class DocumentWindowTest : public QtBackendTest {
 protected:
  void SetUp() override {
    frame_ = backend_.CreateFrame(FrameSpec{"Kinovex"});
    backend_.Show(frame_, ShowCommand::kShow);
    child_ = backend_.CreateMdiChild(frame_, ChildSpec{"Graph 1", Rect{10, 10, 260, 210}, true});
    sink_.On(EventKind::kPaint, [this](WindowHandle window, const Event&) {
      if (window != child_) {
        return kNotHandled;
      }
      auto surface = backend_.OpenSurface(child_);
      surface->SetBrush(kRed);
      surface->FillRect(Rect{20, 10, 60, 30});
      surface->SetPen(Pen{kBlue, 1});
      surface->Line(Point{0, 50}, Point{100, 50});
      return 0;
    });
  }

  QImage Grab() { return backend_.Widget(child_)->grab().toImage(); }

  WindowHandle frame_ = kNoWindow;
  WindowHandle child_ = kNoWindow;
};

TEST_F(DocumentWindowTest, LivesInTheFramesMdiArea) {
  auto* sub = qobject_cast<QMdiSubWindow*>(backend_.Widget(child_)->parentWidget());
  ASSERT_NE(sub, nullptr);
  ASSERT_NE(sub->mdiArea(), nullptr);
  EXPECT_TRUE(backend_.Widget(frame_)->isAncestorOf(sub->mdiArea()));
  EXPECT_EQ(sub->windowTitle(), QStringLiteral("Graph 1"));
  EXPECT_FALSE(sink_.Of(EventKind::kCreate).empty());
  EXPECT_EQ(sink_.Of(EventKind::kCreate).front().window, frame_);
}

TEST_F(DocumentWindowTest, GrabShowsWhatItsPaintDrew) {
  const QImage shot = Grab();
  EXPECT_EQ(PixelOf(shot, 20, 10), kRed);
  EXPECT_EQ(PixelOf(shot, 59, 29), kRed);
  EXPECT_EQ(PixelOf(shot, 60, 30), kWhite);
  EXPECT_EQ(PixelOf(shot, 19, 10), kWhite);
  EXPECT_EQ(PixelOf(shot, 0, 50), kBlue);
  EXPECT_EQ(PixelOf(shot, 99, 50), kBlue);
  // A line stops short of its end point, so polylines meet without overlap.
  EXPECT_EQ(PixelOf(shot, 100, 50), kWhite);
}

TEST_F(DocumentWindowTest, DrawingOutsidePaintStaysUntilInvalidated) {
  Grab();
  const std::size_t paints = sink_.Of(EventKind::kPaint).size();
  {
    auto surface = backend_.OpenSurface(child_);
    surface->SetBrush(kGreen);
    surface->FillRect(Rect{150, 100, 170, 120});
  }
  QImage shot = Grab();
  EXPECT_EQ(PixelOf(shot, 160, 110), kGreen);
  EXPECT_EQ(sink_.Of(EventKind::kPaint).size(), paints);

  backend_.Invalidate(child_, std::nullopt);
  shot = Grab();
  EXPECT_GT(sink_.Of(EventKind::kPaint).size(), paints);
  EXPECT_EQ(PixelOf(shot, 160, 110), kWhite);
  EXPECT_EQ(PixelOf(shot, 30, 20), kRed);
}

TEST_F(DocumentWindowTest, ClientSizeFollowsSetClientSizeAndReachesTheProgram) {
  backend_.SetClientSize(child_, Size{300, 180});
  EXPECT_EQ(backend_.ClientSize(child_), (Size{300, 180}));
  const auto sizes = sink_.Of(EventKind::kSize);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().window, child_);
  EXPECT_EQ(sizes.back().event.size, (Size{300, 180}));
}

TEST_F(DocumentWindowTest, CloseAsksTheProgramFirst) {
  auto* sub = backend_.Widget(child_)->parentWidget();
  sink_.On(EventKind::kClose, [](WindowHandle, const Event&) { return 0; });
  sub->close();
  EXPECT_NE(backend_.Widget(child_), nullptr);
  EXPECT_TRUE(sink_.Of(EventKind::kDestroy).empty());

  sink_.On(EventKind::kClose, [](WindowHandle, const Event&) { return kNotHandled; });
  sub->close();
  EXPECT_EQ(backend_.Widget(child_), nullptr);
  ASSERT_EQ(sink_.Of(EventKind::kDestroy).size(), 1u);
  EXPECT_EQ(sink_.Of(EventKind::kDestroy).front().window, child_);
}

TEST_F(DocumentWindowTest, DestroyingTheFrameDestroysItsChildrenFirst) {
  backend_.DestroyWindow(frame_);
  const auto destroyed = sink_.Of(EventKind::kDestroy);
  ASSERT_EQ(destroyed.size(), 2u);
  EXPECT_EQ(destroyed[0].window, child_);
  EXPECT_EQ(destroyed[1].window, frame_);
  EXPECT_EQ(backend_.Widget(child_), nullptr);
}

TEST_F(DocumentWindowTest, WindowWithoutAreaStillGivesASurface) {
  const WindowHandle strip =
      backend_.CreateChild(frame_, ChildSpec{"tools", Rect{0, 0, 0, 0}, false});
  auto surface = backend_.OpenSurface(strip);
  ASSERT_NE(surface, nullptr);
  surface->SetBrush(kRed);
  surface->FillRect(Rect{0, 0, 32, 400});
  surface->DrawText("x", Point{0, 10});
  EXPECT_EQ(surface->ReadPicture(Rect{0, 0, 32, 400}).Width(), 0);
}

TEST_F(DocumentWindowTest, ActivationReachesTheNewAndTheOldWindow) {
  const WindowHandle second =
      backend_.CreateMdiChild(frame_, ChildSpec{"Table", Rect{40, 40, 200, 200}, true});
  backend_.BringToTop(child_);
  backend_.BringToTop(second);
  const auto activations = sink_.Of(EventKind::kActivate);
  ASSERT_GE(activations.size(), 2u);
  const auto& last = activations.back();
  EXPECT_EQ(last.window, second);
  EXPECT_TRUE(last.event.flag);
  const auto& before = activations[activations.size() - 2];
  EXPECT_EQ(before.window, child_);
  EXPECT_FALSE(before.event.flag);
}

}  // namespace
}  // namespace shell::qt::testing
