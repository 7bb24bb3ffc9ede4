#include <gtest/gtest.h>

#include <algorithm>

#include "../document/document_fixture.h"
#include "../model/recording_series_view.h"
#include "dialogs/change_scale_dialog.h"
#include "dialogs/clear_all_dialog.h"
#include "dialogs/coordinate_frame_dialog.h"
#include "dialogs/marker_chooser_dialog.h"
#include "dialogs/program_dialogs.h"
#include "model/scale_series.h"

namespace {

class NoMovieHost : public TdvMovieSetupHost {
 public:
  std::optional<TdvChosenMovie> OpenMovieFile(const std::string&) override { return {}; }
  void OpenMovieSetup(TdvChosenMovie, TdvDataObjectWindow*) override {}
  TdvDataObjectWindow* NewDocumentWindow() override { return nullptr; }
  bool AttachMovie(TdvDataObjectWindow&, const std::string&) override { return false; }
};

using Chooser = TdvMarkerChooserDialog;
using Scale = TdvChangeScaleDialog;
using Clear = TdvClearAllDialog;
using Coordinates = TdvEditCoordinateFrameDialog;

// The dialogs as the program opens them, on a document with a point.
class EditingDialogsTest : public DocumentTest {
 protected:
  EditingDialogsTest() : doc(*NewDocument()), ball(*AddPoint(doc, "Ball")) {
    doc.SetDialogs(&dialogs);
    doc.SetTimeBase(600, {0, 20});
  }

  // A click in cell `cell` of the chooser's shape or colour picture.
  void Pick(shell::WindowHandle dialog, int id, int cell) {
    const int size = id == Chooser::kShapes ? Chooser::kShapeCell : Chooser::kColourCell;
    const int columns = id == Chooser::kShapes ? Chooser::kShapeColumns : Chooser::kColourColumns;
    const shell::Rect area = backend.Window(backend.ControlOf(dialog, id))->outer;
    backend.PressButton(
        dialog, id, {area.left + cell % columns * size + 2, area.top + cell / columns * size + 2});
  }

  // Two Fixed ends with data and the scale between them.
  TdvCalibrateObject& AddScale() {
    LList ends;
    for (const char* name : {"A", "B"}) {
      AddPoint(doc, name, kFixed)->TakeData(name[0] == 'A' ? 10 : 90, -10, 0);
      ends.Append(std::make_unique<TdvInt>(doc.ItemOrder().back()));
    }
    auto& scale =
        *static_cast<TdvCalibrateObject*>(doc.GetItem(doc.ObjectNewObject(kItemScale, "Scale1")));
    scale.SetIncluded(ends);
    scale.SetKnownLength(1.23456);
    return scale;
  }

  NoMovieHost host;
  TdvProgramDialogs dialogs{host};
  TdvDataObjectWindow& doc;
  TdvDataPoint& ball;
};

// OK writes the marker picked; Cancel leaves the opening's, even after
// Apply has written the new one.
TEST_F(EditingDialogsTest, TheMarkerClickedInThePicturesIsTheOneTheItemIsDrawnWith) {
  enum Finish { kOk, kApplyThenCancel, kCancel };
  struct Case {
    int kind;
    int category;  // 0: left as opened
    int shapeCell;
    std::vector<std::string> offered;
    int shape;
    Finish finish = kOk;
  };
  const std::vector<std::string> positions{"Point", "Line", "Change", "Vector"};
  const Case cases[] = {
      {kItemPoint, 4, 9, positions, 306},
      {kItemPoint, 1, 7, positions, 5},
      {kItemDistance, 0, 2, {"Basic"}, 402},
      {kItemCount, 0, 3, {"Point"}, 3},
      {kItemPoint, 1, 4, positions, 2, kApplyThenCancel},
      {kItemPoint, 1, 4, positions, 2, kCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    TdvDataObject& item = *doc.GetItem(doc.ObjectNewObject(c.kind, "item"));
    item.SetMarkerType(2);
    item.SetMarkerColour(1);
    doc.SelectItem(item.GetId(), 0);
    doc.modified = false;
    backend.QueueModal([&](shell::WindowHandle dialog) {
      EXPECT_EQ(backend.Window(backend.ControlOf(dialog, Chooser::kType))->control.items,
                c.offered);
      if (c.category != 0) {
        backend.ChoosePopup(dialog, Chooser::kType, c.category);
      }
      Pick(dialog, Chooser::kShapes, c.shapeCell);
      Pick(dialog, Chooser::kColours, 5);
      backend.PressButton(dialog, Chooser::kLeaveTrails);
      if (c.finish == kApplyThenCancel) {
        backend.PressButton(dialog, Chooser::kApply);
        EXPECT_EQ(item.GetMarkerColour(), 5);
      }
      backend.PressButton(dialog, c.finish == kOk ? Chooser::kOk : Chooser::kCancel);
    });
    doc.DoCommand(452);
    EXPECT_EQ(item.GetMarkerType(), c.shape);
    EXPECT_EQ(item.GetMarkerColour(), c.finish == kOk ? 5 : 1);
    EXPECT_EQ(item.HasTrails(), c.finish == kOk);
    EXPECT_EQ(doc.modified, c.finish != kCancel);
  }
  ball.SetMarkerType(4);
  ball.TakeData(100, -100, 0);
  RecordingSeriesView view;
  ball.DrawOnMovie(view, 0);
  ASSERT_EQ(view.Of("marker").size(), 1u);
  EXPECT_EQ(view.Of("marker")[0].shape, 4);
}

TEST_F(EditingDialogsTest, APlotsChooserWritesItsStyleAndKeepsAColourNoSwatchHas) {
  TdvGraphPlot plot;
  plot.SetStyle({1, 7, 0, false});
  for (int swatch : {-1, 2}) {
    backend.QueueModal([&](shell::WindowHandle dialog) {
      Pick(dialog, Chooser::kShapes, 4);
      if (swatch >= 0) {
        Pick(dialog, Chooser::kColours, swatch);
      }
      backend.PressButton(dialog, Chooser::kShowLine);
      backend.PressButton(dialog, Chooser::kOk);
    });
    ChoosePlotMarker(plot.Style(), [&](const TdvPlotStyle& style) { plot.SetStyle(style); });
    EXPECT_EQ(plot.markerShape, 4);
    EXPECT_EQ(plot.colour, swatch < 0 ? 7 : 12);
    EXPECT_EQ(plot.connect, swatch < 0);
  }
}

TEST_F(EditingDialogsTest, ChangeScaleChangesTheScaleShownAndWithoutScalesOnlySaysSo) {
  backend.ExpectMessage("No Scales Exist to be Changed!", shell::MessageAnswer::kOk, "No Scales");
  dialogs.ChangeScale(doc);
  TdvCalibrateObject& scale = AddScale();
  struct Case {
    std::string typed;  // empty: left as shown
    int unit;
    int sampleType;
    double metres;
  };
  const Case cases[] = {
      {"", 1, kFrameByFrame, 1.23456}, {"50", 2, kSemiFixed, 0.5}, {"-3", 1, kFixed, 0.5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const bool refused = c.typed == "-3";
    backend.QueueModal([&](shell::WindowHandle dialog) {
      if (c.typed.empty()) {
        EXPECT_EQ(backend.Window(backend.ControlOf(dialog, Scale::kLength))->title, "1.235");
      } else {
        backend.TypeText(dialog, Scale::kLength, std::string(9, '\b') + c.typed);
      }
      backend.ChoosePopup(dialog, Scale::kUnits, c.unit);
      backend.ChoosePopup(dialog, Scale::kSampleType, c.sampleType);
      if (refused) {
        backend.ExpectMessage("Please enter a number greater than 0.");
      }
      backend.PressButton(dialog, Scale::kApply);
      backend.PressButton(dialog, Scale::kCancel);
    });
    dialogs.ChangeScale(doc);
    EXPECT_DOUBLE_EQ(scale.GetKnownLength(), c.metres);
    EXPECT_EQ(scale.GetLengthUnit(), refused ? 2 : c.unit);
    EXPECT_EQ(scale.GetSampleType(), refused ? kSemiFixed : c.sampleType);
  }
}

TEST_F(EditingDialogsTest, ClearAllClearsTheCheckedTypesButOriginsAndScaleEndsWhileTheyAreChecked) {
  AddScale();
  AddPoint(doc, "Fixed", kFixed);
  // The boxes and buttons pressed, and the points that keep their data.
  const std::pair<std::vector<int>, std::vector<std::string>> cases[] = {
      {{}, {"A", "B", "Origin 1"}},
      {{Clear::kOrigins, Clear::kFixed, Clear::kDefaults}, {"A", "B", "Origin 1"}},
      {{Clear::kOrigins}, {"A", "B"}},
      {{Clear::kScaleEnds, Clear::kFrameByFrame}, {"Ball", "Origin 1"}},
  };
  for (const auto& [pressed, expected] : cases) {
    for (std::int32_t id : doc.ItemOrder()) {
      if (auto* point = dynamic_cast<TdvDataPoint*>(doc.GetItem(id))) {
        point->TakeData(50, -50, 0);
      }
    }
    backend.QueueModal([&](shell::WindowHandle dialog) {
      for (int control : pressed) {
        backend.PressButton(dialog, control);
      }
      backend.PressButton(dialog, Clear::kOk);
    });
    doc.DoCommand(460);
    std::vector<std::string> kept;
    for (std::int32_t id : doc.ItemOrder()) {
      if (TdvDataObject* item = doc.GetItem(id); item->IsA(kDataPointCode) && item->HasData(0)) {
        kept.push_back(item->GetName());
      }
    }
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, expected) << pressed.size();
  }
}

TEST_F(EditingDialogsTest, ADoubleClickOnAnOriginsHeaderChoosesTheCoordinatesOfItsItems) {
  backend.Resize(doc.hwnd, {400, 300});
  const TdvRect header = doc.ListLayout().BoxOf(doc.DefaultOrigin())->header;
  for (int button : {Coordinates::kCancel, Coordinates::kOk}) {
    doc.modified = false;
    backend.QueueModal([&](shell::WindowHandle dialog) {
      EXPECT_EQ(backend.Window(backend.ControlOf(dialog, Coordinates::kCoordinates))->popupShown,
                kCartesian);
      backend.ChoosePopup(dialog, Coordinates::kCoordinates, kPolar);
      backend.PressButton(dialog, button);
    });
    backend.DoubleClick(doc.hwnd, {header.left + 60, header.top + 10});
    EXPECT_EQ(ball.GetCoordinates(), button == Coordinates::kOk ? kPolar : kCartesian);
    EXPECT_EQ(doc.modified, button == Coordinates::kOk);
  }
}

}  // namespace
