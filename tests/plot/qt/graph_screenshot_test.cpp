#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <vector>

#include "document/data_object_window.h"
#include "kinematics/data_table.h"
#include "model/point_series.h"
#include "plot/graph_window.h"
#include "plot/plot_choice.h"
#include "shell/app_window.h"
#include "shell/qt/qt_backend.h"
#include "shell/shell.h"

// A ball toss in a graph window drawn by the real backend off screen: its
// y position with a quadratic fit, a model and the legend above its y
// velocity, the frame shown in the movie marked. The picture is kept
// under the build folder for a person to look at.

namespace {

const QString kArtifacts = QStringLiteral(KINOVEX_SCREENSHOT_DIR);
constexpr std::int32_t kFrameStep = 20;
constexpr int kFrames = 30;

class ShotFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

TEST(GraphScreenshotTest, TwoGraphsWithAModelAndAFitRender) {
  shell::qt::QtBackend backend;
  TdvShell shell{backend};
  auto* frame = shell.Keep(std::make_unique<ShotFrame>());
  frame->title = "Kinovex";
  ASSERT_EQ(frame->OpenWindow(), 1);
  backend.MoveWindow(frame->hwnd, {0, 0, 800, 600});
  backend.Show(frame->hwnd, shell::ShowCommand::kShow);

  auto* document = shell.Keep(std::make_unique<TdvDataObjectWindow>());
  ASSERT_EQ(document->OpenWindow(), 1);
  std::vector<std::int32_t> keys;
  for (int i = 0; i < kFrames; ++i) {
    keys.push_back(i * kFrameStep);
  }
  document->SetTimeBase(600, keys);
  static_cast<TdvDataPoint*>(document->GetItem(document->DefaultOrigin()))
      ->TakeData(16, -464, keys.front());
  const std::int32_t ball = document->ObjectNewObject(kItemPoint, "Ball");
  auto* point = static_cast<TdvDataPoint*>(document->GetItem(ball));
  for (int i = 0; i < kFrames; ++i) {
    point->TakeData(40 + 7 * i, -400 + 24 * i - i * i + (i % 3) - 1,
                    keys[static_cast<std::size_t>(i)]);
  }
  document->RecalculateAll();
  TdvGraphDialogs dialogs;
  auto stack = GraphsFor({{TdvDataTable::kTimeSeries, 1}, {{ball, 3}, {ball, 9}}});
  stack->rect = {0, 0, 560, 480};
  auto* window =
      shell.Keep(std::make_unique<TdvGraphWindow>(*document, std::move(stack), &dialogs));
  ASSERT_EQ(window->OpenWindow(), 1);
  document->AddGraph(window);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->Stack().Graphs().size(), 2u);
  window->DoCommand(554);
  TdvFitObject* fit = window->Stack().Graphs()[0]->Fit();
  ASSERT_NE(fit, nullptr);
  fit->SetFitType(TdvFitObject::kQuadratic);
  window->DoCommand(551);
  window->DoCommand(557);
  window->Redraw();
  QApplication::processEvents();
  TdvModelObject* model = window->Stack().Graphs()[0]->Model();
  ASSERT_NE(model, nullptr);
  const auto& c = fit->Result().coefficients;
  model->SetType(TdvModelObject::kQuadratic);
  model->A = 0.9 * c[3];
  model->B = c[2];
  model->C = c[1];
  window->Redraw();
  document->CurrentTimeChanged(10 * kFrameStep);
  QApplication::processEvents();

  QWidget* widget = backend.Widget(window->hwnd);
  ASSERT_NE(widget, nullptr);
  const QImage image = widget->grab().toImage();
  ASSERT_FALSE(image.isNull());
  QDir().mkpath(kArtifacts);
  const QString path = kArtifacts + QStringLiteral("/graph.png");
  EXPECT_TRUE(image.save(path, "PNG"));
  std::printf("screenshot: %s\n", path.toLocal8Bit().constData());
}

}  // namespace
