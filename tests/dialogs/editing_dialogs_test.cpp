#include <gtest/gtest.h>

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

// The dialogs as the program opens them, on a document with a point.
class EditingDialogsTest : public DocumentTest {
 protected:
  EditingDialogsTest() : doc(*NewDocument()), ball(*AddPoint(doc, "Ball")) {
    doc.SetDialogs(&dialogs);
    doc.SetTimeBase(600, {0, 20});
  }

  // Clicks the picture control `id` in cell `cell` of its cells.
  void ClickCell(shell::WindowHandle dialog, int id, int cell, int size, int columns) {
    const shell::Rect area = backend.Window(backend.ControlOf(dialog, id))->outer;
    backend.PressButton(
        dialog, id, {area.left + cell % columns * size + 2, area.top + cell / columns * size + 2});
  }

  void Retype(shell::WindowHandle dialog, int edit, const std::string& text) {
    const std::size_t length = backend.Window(backend.ControlOf(dialog, edit))->title.size();
    backend.TypeText(dialog, edit, std::string(length, '\b') + text);
  }

  // Two Fixed ends with data and the scale between them.
  TdvCalibrateObject& AddScale() {
    LList ends;
    for (const char* name : {"A", "B"}) {
      TdvDataPoint* end = AddPoint(doc, name, kFixed);
      end->TakeData(name[0] == 'A' ? 10 : 90, -10, 0);
      ends.Append(std::make_unique<TdvInt>(end->GetId()));
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

TEST_F(EditingDialogsTest, TheMarkerClickedInThePicturesIsTheOneTheItemIsDrawnWith) {
  struct Case {
    int kind;
    int category;  // 0: left as opened
    int shapeCell;
    std::vector<std::string> offered;
    int shape;
  };
  const Case cases[] = {
      {kItemPoint, 4, 9, {"Point", "Line", "Change", "Vector"}, 306},
      {kItemPoint, 1, 7, {"Point", "Line", "Change", "Vector"}, 5},
      {kItemDistance, 0, 2, {"Basic"}, 402},
      {kItemCount, 0, 3, {"Point"}, 3},
  };
  for (const Case& c : cases) {
    const std::int32_t id = doc.ObjectNewObject(c.kind, "item");
    TdvDataObject& item = *doc.GetItem(id);
    item.SetMarkerType(2);
    doc.SelectItem(id, 0);
    doc.modified = false;
    backend.QueueModal([&](shell::WindowHandle dialog) {
      EXPECT_EQ(backend.Window(backend.ControlOf(dialog, Chooser::kType))->control.items,
                c.offered);
      if (c.category != 0) {
        backend.ChoosePopup(dialog, Chooser::kType, c.category);
      }
      ClickCell(dialog, Chooser::kShapes, c.shapeCell, Chooser::kShapeCell, Chooser::kShapeColumns);
      ClickCell(dialog, Chooser::kColours, 5, Chooser::kColourCell, Chooser::kColourColumns);
      backend.ChoosePopup(dialog, Chooser::kSize, 3);
      backend.PressButton(dialog, Chooser::kLeaveTrails);
      backend.PressButton(dialog, Chooser::kOk);
    });
    doc.DoCommand(452);
    SCOPED_TRACE(c.shape);
    EXPECT_EQ(item.GetMarkerType(), c.shape);
    EXPECT_EQ(item.GetMarkerColour(), 5);
    EXPECT_EQ(item.GetMarkerSize(), 2);
    EXPECT_TRUE(item.HasTrails() || c.kind == kItemCount);
    EXPECT_TRUE(doc.modified);
  }
  ball.SetMarkerType(4);
  ball.TakeData(100, -100, 0);
  RecordingSeriesView view;
  ball.DrawOnMovie(view, 0);
  ASSERT_EQ(view.Of("marker").size(), 1u);
  EXPECT_EQ(view.Of("marker")[0].shape, 4);
}

TEST_F(EditingDialogsTest, CancelLeavesTheMarkerOfTheOpeningEvenAfterApply) {
  ball.SetMarkerColour(2);
  doc.SelectItem(ball.GetId(), 0);
  for (bool apply : {false, true}) {
    doc.modified = false;
    backend.QueueModal([&](shell::WindowHandle dialog) {
      ClickCell(dialog, Chooser::kColours, 6, Chooser::kColourCell, Chooser::kColourColumns);
      if (apply) {
        backend.PressButton(dialog, Chooser::kApply);
        EXPECT_EQ(ball.GetMarkerColour(), 6);
      }
      backend.PressButton(dialog, Chooser::kCancel);
    });
    doc.DoCommand(452);
    EXPECT_EQ(ball.GetMarkerColour(), 2);
    EXPECT_EQ(doc.modified, apply);
  }
}

TEST_F(EditingDialogsTest, APlotsChooserWritesItsStyleAndKeepsAColourNoSwatchHas) {
  TdvGraphPlot plot;
  plot.SetStyle({1, 7, 0, false});
  for (int swatch : {-1, 2}) {
    backend.QueueModal([&](shell::WindowHandle dialog) {
      EXPECT_FALSE(backend.Window(backend.ControlOf(dialog, Chooser::kLeaveTrails))->enabled);
      ClickCell(dialog, Chooser::kShapes, 4, Chooser::kShapeCell, Chooser::kShapeColumns);
      if (swatch >= 0) {
        ClickCell(dialog, Chooser::kColours, swatch, Chooser::kColourCell, Chooser::kColourColumns);
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
  using Scale = TdvChangeScaleDialog;
  struct Case {
    const char* typed;  // empty: left as shown
    int unit;
    int sampleType;
    double metres;
    bool refused;
  };
  const Case cases[] = {
      {"", 1, kFrameByFrame, 1.23456, false},
      {"50", 2, kSemiFixed, 0.5, false},
      {"-3", 1, kFixed, 0.5, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    backend.QueueModal([&](shell::WindowHandle dialog) {
      if (*c.typed != '\0') {
        Retype(dialog, Scale::kLength, c.typed);
      } else {
        EXPECT_EQ(backend.Window(backend.ControlOf(dialog, Scale::kLength))->title, "1.235");
      }
      backend.ChoosePopup(dialog, Scale::kUnits, c.unit);
      backend.ChoosePopup(dialog, Scale::kSampleType, c.sampleType);
      if (c.refused) {
        backend.ExpectMessage("Please enter a number greater than 0.");
      }
      backend.PressButton(dialog, Scale::kApply);
      ASSERT_TRUE(backend.Exists(dialog));
      backend.PressButton(dialog, Scale::kCancel);
    });
    dialogs.ChangeScale(doc);
    EXPECT_DOUBLE_EQ(scale.GetKnownLength(), c.metres);
    EXPECT_EQ(scale.GetLengthUnit(), c.refused ? 2 : c.unit);
    EXPECT_EQ(scale.GetSampleType(), c.refused ? kSemiFixed : c.sampleType);
  }
}

TEST_F(EditingDialogsTest, ClearAllClearsTheCheckedTypesButOriginsAndScaleEndsWhileTheyAreChecked) {
  AddScale();
  AddPoint(doc, "Fixed", kFixed);
  AddPoint(doc, "Semi", kSemiFixed);
  using Clear = TdvClearAllDialog;
  struct Case {
    std::vector<int> unchecked;
    bool defaults;
    std::vector<std::string> kept;
  };
  const Case cases[] = {
      {{}, false, {"Origin 1", "A", "B"}},
      {{Clear::kOrigins, Clear::kScaleEnds}, true, {"Origin 1", "A", "B"}},
      {{Clear::kOrigins}, false, {"A", "B"}},
      {{Clear::kFixed}, false, {"Origin 1", "A", "B", "Fixed"}},
      {{Clear::kScaleEnds, Clear::kFrameByFrame}, false, {"Ball", "Origin 1"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> kept;
    for (std::int32_t id : doc.ItemOrder()) {
      if (auto* point = dynamic_cast<TdvDataPoint*>(doc.GetItem(id))) {
        point->TakeData(50, -50, 0);
      }
    }
    backend.QueueModal([&](shell::WindowHandle dialog) {
      for (int box : c.unchecked) {
        backend.PressButton(dialog, box);
      }
      if (c.defaults) {
        backend.PressButton(dialog, Clear::kDefaults);
      }
      backend.PressButton(dialog, Clear::kOk);
    });
    doc.DoCommand(460);
    for (std::int32_t id : doc.ItemOrder()) {
      if (TdvDataObject* item = doc.GetItem(id); item->IsA(kDataPointCode) && item->HasData(0)) {
        kept.push_back(item->GetName());
      }
    }
    std::sort(kept.begin(), kept.end());
    std::vector<std::string> expected = c.kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(kept, expected) << c.unchecked.size();
  }
}

TEST_F(EditingDialogsTest, ADoubleClickOnAnOriginsHeaderChoosesTheCoordinatesOfItsItems) {
  backend.Resize(doc.hwnd, {400, 300});
  const TdvCoordinateSystemsLayout::Box* box = doc.ListLayout().BoxOf(doc.DefaultOrigin());
  ASSERT_NE(box, nullptr);
  const shell::Point header{box->header.left + 60, box->header.top + 10};
  for (int button : {TdvEditCoordinateFrameDialog::kCancel, TdvEditCoordinateFrameDialog::kOk}) {
    doc.modified = false;
    backend.QueueModal([&](shell::WindowHandle dialog) {
      EXPECT_EQ(backend.Window(backend.ControlOf(dialog, 123))->popupShown, kCartesian);
      backend.ChoosePopup(dialog, TdvEditCoordinateFrameDialog::kCoordinates, kPolar);
      backend.PressButton(dialog, button);
    });
    backend.DoubleClick(doc.hwnd, header);
    const bool ok = button == TdvEditCoordinateFrameDialog::kOk;
    EXPECT_EQ(ball.GetCoordinates(), ok ? kPolar : kCartesian);
    EXPECT_EQ(doc.modified, ok);
  }
}

}  // namespace
