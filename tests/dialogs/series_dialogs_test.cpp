#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/calculated_object_dialog.h"
#include "dialogs/calculated_order_dialog.h"
#include "dialogs/new_object_dialog.h"
#include "dialogs/point_dialog.h"
#include "dialogs/program_dialogs.h"
#include "dialogs/series_dialogs.h"
#include "document/data_object_window.h"
#include "foundation/angles.h"
#include "model/calculated_point_series.h"
#include "model/point_series.h"
#include "model/scale_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

using Handle = shell::WindowHandle;
using Edit = TdvEditObjectDialog;

class PlainFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

class NoMovies : public TdvMovieSetupHost {
 public:
  std::optional<TdvChosenMovie> OpenMovieFile(const std::string&) override { return {}; }
  void OpenMovieSetup(TdvChosenMovie, TdvDataObjectWindow*) override {}
  TdvDataObjectWindow* NewDocumentWindow() override { return nullptr; }
  bool AttachMovie(TdvDataObjectWindow&, const std::string&) override { return false; }
};

// The program's dialogs, with the marker chooser only counted.
class Dialogs : public TdvProgramDialogs {
 public:
  explicit Dialogs(TdvMovieSetupHost& host) : TdvProgramDialogs(host) {}
  void ChooseMarker(TdvDataObjectWindow&, std::int32_t id) override { markerOf.push_back(id); }
  std::vector<std::int32_t> markerOf;
};

// Every item's saved record, in item order: the document as a file keeps it.
std::string Records(TdvDataObjectWindow& document) {
  std::string out;
  TdvTaggedWriter writer(out);
  for (std::int32_t id : document.ItemOrder()) {
    document.GetItem(id)->WriteRecord(writer);
  }
  return out;
}

// Two points, then the item of the Create menu entry; returns its id.
std::int32_t Build(TdvDataObjectWindow& document, int command) {
  document.CreateDefaultOrigin();
  document.CreateFromMenu(651);
  document.CreateFromMenu(651);
  const std::int32_t id = document.CreateFromMenu(command);
  document.modified = false;
  return id;
}

class SeriesDialogsTest : public ::testing::Test {
 public:
  SeriesDialogsTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    shell.Keep(std::make_unique<PlainFrame>())->OpenWindow();
    document.SetDialogs(&dialogs);
  }

  void Edit(std::int32_t id, bool newItem, const std::function<void(Handle)>& inside) {
    backend.QueueModal(inside);
    OpenEditDialog(document, id, newItem);
  }

  const shell::HeadlessWindow& Control(Handle dialog, int id) const {
    return *backend.Window(backend.ControlOf(dialog, id));
  }
  void Retype(Handle dialog, int id, const std::string& text) {
    backend.TypeText(dialog, id, std::string(Control(dialog, id).title.size(), '\b') + text);
  }
  // Clicks the first row, then adds the others to the selection.
  void Select(Handle dialog, int list, const std::vector<int>& rows) {
    backend.ListSelect(backend.ControlOf(dialog, list), rows.front());
    for (int row : rows) {
      backend.ListSetSelected(backend.ControlOf(dialog, list), row, true);
    }
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  NoMovies host;
  Dialogs dialogs{host};
  TdvDataObjectWindow document;
};

// What a user does in one kind's dialog, and the same change made on the
// item directly.
struct EditCase {
  const char* kind;
  int command;
  const char* title;
  std::function<void(SeriesDialogsTest&, Handle)> act;
  std::function<void(TdvDataObject&)> expect;
};

std::vector<EditCase> EditCases() {
  using T = SeriesDialogsTest;
  const std::vector<std::int32_t> bothPoints{1, 2};
  return {
      {"point", 651, "Edit Point Series",
       [](T& t, Handle d) {
         t.Retype(d, Edit::kName, "Runner");
         t.Retype(d, Edit::kMass, "250");
         t.backend.ChoosePopup(d, TdvPointDialog::kSampleType, kFixed);
         t.backend.ChoosePopup(d, TdvPointDialog::kCoordinates, kPolar);
       },
       [](TdvDataObject& item) {
         item.SetName("Runner");
         item.SetMass(0.25);
         item.SetSampleType(kFixed);
         item.SetCoordinates(kPolar);
       }},
      {"origin", 651, "Edit Point Series",
       [](T& t, Handle d) {
         t.backend.PressButton(d, TdvPointDialog::kIsOrigin);
         t.Retype(d, TdvPointDialog::kRotation, "30");
         t.backend.ChoosePopup(d, Edit::kMassUnit, 1);
       },
       [](TdvDataObject& item) {
         item.SetOrigin(1);
         item.SetValue(DegToRad(30.0), 0);
         item.SetMassUnit(1);
         item.SetMass(100.0);
       }},
      {"distance", 654, "Distance Series",
       [](T& t, Handle d) {
         t.Select(d, TdvCalculatedObjectDialog::kAvailable, {0, 1, 2});
         t.backend.PressButton(d, TdvCalculatedObjectDialog::kAdd);
         t.backend.PressButton(d, Edit::kTrails);
       },
       [](TdvDataObject& item) {
         SetInputs(item, {0, 1});
         item.SetTrails(1);
       }},
      {"scale", 655, "Scale Series",
       [](T& t, Handle d) {
         t.Retype(d, TdvCalibrateObjectDialog::kLength, "50");
         t.backend.ChoosePopup(d, Edit::kLengthUnit, 2);
       },
       [](TdvDataObject& item) {
         item.SetLengthUnit(2);
         static_cast<TdvCalibrateObject&>(item).SetKnownLength(0.5);
       }},
      {"angle", 657, "Angle Series",
       [](T& t, Handle d) {
         t.backend.ChoosePopup(d, TdvCalculatedOrderDialog::kEnds, 2);
         t.Select(d, TdvCalculatedOrderDialog::kAvailable, {2});
         t.backend.PressButton(d, TdvCalculatedOrderDialog::kAdd);
         t.backend.ChoosePopup(d, Edit::kAngleUnit, 2);
         t.backend.ChoosePopup(d, Edit::kAngleRange, 3);
       },
       [](TdvDataObject& item) {
         SetInputs(item, {kEmptyInputRef, 2, kEmptyInputRef});
         item.SetAngleUnit(8);
         item.SetAngleRange(3);
       }},
      {"designated point", 658, "Designated Point Series",
       [](T& t, Handle d) {
         t.Retype(d, TdvDesignatedPointDialog::kAlong, "50");
         t.Retype(d, TdvDesignatedPointDialog::kPerp, "-10");
       },
       [](TdvDataObject& item) {
         static_cast<TdvCalculatedDesPt&>(item).SetAlong(0.5);
         static_cast<TdvCalculatedDesPt&>(item).SetPerp(-0.1);
       }},
      {"count", 659, "Count", [](T& t, Handle d) { t.backend.PressButton(d, Edit::kVisible); },
       [](TdvDataObject& item) { item.SetVisible(0); }},
  };
}

TEST_F(SeriesDialogsTest, EachDialogChangesExactlyWhatWasChangedInItOnOkAndNothingOnCancel) {
  for (const EditCase& c : EditCases()) {
    SCOPED_TRACE(c.kind);
    TdvDataObjectWindow edited;
    edited.SetDialogs(&dialogs);
    TdvDataObjectWindow expected;
    const std::int32_t id = Build(edited, c.command);
    Build(expected, c.command);
    const std::string before = Records(edited);

    backend.QueueModal([&](Handle dialog) {
      EXPECT_EQ(backend.Window(dialog)->title, c.title);
      EXPECT_EQ(Control(dialog, Edit::kName).title, edited.GetItem(id)->GetName());
      c.act(*this, dialog);
      backend.PressButton(dialog, Edit::kCancel);
    });
    OpenEditDialog(edited, id, false);
    EXPECT_EQ(Records(edited), before) << "Cancel changes nothing";
    EXPECT_FALSE(edited.modified);

    backend.QueueModal([&](Handle dialog) {
      c.act(*this, dialog);
      backend.PressButton(dialog, Edit::kOk);
      EXPECT_FALSE(backend.Exists(dialog));
    });
    OpenEditDialog(edited, id, false);
    c.expect(*expected.GetItem(id));
    EXPECT_EQ(Records(edited), Records(expected));
    EXPECT_TRUE(edited.modified);
  }
}

TEST_F(SeriesDialogsTest, TheDialogOpensOnTheItemsUnitsRangeAndMarker) {
  const std::int32_t id = Build(document, 651);
  TdvDataObject& item = *document.GetItem(id);
  item.SetLengthUnit(3);
  item.SetAngleUnit(8);
  item.SetAngleRange(2);
  item.SetTrails(1);
  item.SetMass(0.0125);
  Edit(id, false, [&](Handle dialog) {
    EXPECT_EQ(Control(dialog, Edit::kLengthUnit).popupShown, 3);
    EXPECT_EQ(Control(dialog, Edit::kAngleUnit).popupShown, 2);
    EXPECT_EQ(Control(dialog, Edit::kAngleRange).control.items,
              (std::vector<std::string>{"[-180,180]", "[0,360]", "[-Inf,0,Inf]"}));
    EXPECT_EQ(Control(dialog, Edit::kAngleRange).popupShown, 2);
    EXPECT_TRUE(Control(dialog, Edit::kTrails).checked);
    EXPECT_EQ(Control(dialog, Edit::kMass).title, "12.50");
    EXPECT_FALSE(Control(dialog, TdvPointDialog::kRotation).enabled) << "not an origin";
    backend.ChoosePopup(dialog, Edit::kAngleUnit, 1);
    EXPECT_EQ(Control(dialog, Edit::kAngleRange).control.items.front(), "[-Pi,Pi]");
    EXPECT_EQ(Control(dialog, Edit::kAngleRange).popupShown, 2);
    backend.PressButton(dialog, Edit::kMarker);
    backend.PressButton(dialog, Edit::kCancel);
  });
  EXPECT_EQ(dialogs.markerOf, std::vector<std::int32_t>{id});
}

TEST_F(SeriesDialogsTest, ABadTypedValueIsRefusedWithAMessageAndChangesNothing) {
  struct Case {
    int command;
    int field;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {651, Edit::kName, "", "Please give the item a name."},
      {651, Edit::kMass, "-1", "Please enter a number greater than 0."},
      {651, Edit::kMass, "heavy", "Please enter a number greater than 0."},
      {652, TdvPointDialog::kRotation, "ten", "Please enter a number."},
      {655, TdvCalibrateObjectDialog::kLength, "0", "Please enter a number greater than 0."},
      {658, TdvDesignatedPointDialog::kPerp, "1e999", "Please enter a number."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TdvDataObjectWindow one;
    const std::int32_t id = Build(one, c.command);
    const std::string before = Records(one);
    backend.QueueModal([&](Handle dialog) {
      backend.PressButton(dialog, Edit::kTrails);
      Retype(dialog, c.field, c.typed);
      backend.ExpectMessage(c.message);
      backend.PressButton(dialog, Edit::kOk);
      ASSERT_TRUE(backend.Exists(dialog));
      backend.PressButton(dialog, Edit::kCancel);
    });
    OpenEditDialog(one, id, false);
    EXPECT_EQ(Records(one), before);
  }
}

TEST_F(SeriesDialogsTest, NamesLongerThanTheFieldCannotBeTyped) {
  const std::int32_t id = Build(document, 651);
  Edit(id, false, [&](Handle dialog) {
    Retype(dialog, Edit::kName, "A name of twenty-five ch");
    EXPECT_EQ(Control(dialog, Edit::kName).title, "A name of twenty-fi");
    backend.PressButton(dialog, Edit::kOk);
  });
  EXPECT_EQ(document.GetItem(id)->GetName(), "A name of twenty-fi");
}

TEST_F(SeriesDialogsTest, CancellingAnItemJustCreatedLeavesTheDocumentAsItWas) {
  for (int command : {651, 652, 653, 654, 655, 657, 658, 659}) {
    SCOPED_TRACE(command);
    TdvDataObjectWindow one;
    one.SetDialogs(&dialogs);
    Build(one, 651);
    const std::string before = Records(one);
    one.SelectItem(1, 0);
    one.SelectItem(2, 0x100);
    one.modified = false;
    const std::int32_t counter = one.creationCounter;
    backend.QueueModal([&](Handle dialog) { backend.PressButton(dialog, Edit::kCancel); });
    one.DoCommand(command);
    EXPECT_EQ(Records(one), before);
    EXPECT_FALSE(one.modified);
    EXPECT_EQ(one.creationCounter, counter);
    EXPECT_EQ(one.SelectedItems(), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(one.CurrentItem(), 2);

    backend.QueueModal([&](Handle dialog) { backend.PressButton(dialog, Edit::kOk); });
    one.DoCommand(command);
    EXPECT_EQ(one.ItemCount(), 5) << "OK keeps it";
  }
}

TEST_F(SeriesDialogsTest, AClickOnTheDiagramPlacesTheDesignatedPoint) {
  using DesPt = TdvDesignatedPointDialog;
  const std::int32_t id = Build(document, 658);
  Edit(id, false, [&](Handle dialog) {
    const shell::Rect area =
        TdvDialog::ControlPixelRect({300, 118, 470, 256}, backend.Metrics().dialogBaseUnits);
    const int width = area.right - area.left;
    const int a = area.left + width / 5;
    const int span = area.left + width * 4 / 5 - a;
    backend.PressButton(dialog, DesPt::kDiagram,
                        {a + span / 4, area.top + (area.bottom - area.top) * 3 / 5 - span / 2});
    backend.PressButton(dialog, Edit::kOk);
  });
  const auto& point = static_cast<TdvCalculatedDesPt&>(*document.GetItem(id));
  EXPECT_NEAR(point.GetAlong(), 0.25, 0.01);
  EXPECT_NEAR(point.GetPerp(), 0.5, 0.01);
}

TEST_F(SeriesDialogsTest, InputButtonsStopAtTheLargestNumberOfInputs) {
  const std::int32_t id = Build(document, 654);
  const int items = document.ItemCount();
  Edit(id, false, [&](Handle dialog) {
    using Calc = TdvCalculatedObjectDialog;
    EXPECT_EQ(Control(dialog, Calc::kIncludedLabel).title, "Ends of distance: (2)");
    backend.QueueModal([&](Handle point) { backend.PressButton(point, Edit::kOk); });
    backend.PressButton(dialog, Calc::kNewPoint);
    EXPECT_EQ(Control(dialog, Calc::kIncluded).listItems, std::vector<std::string>{"Point S3"});
    Select(dialog, Calc::kAvailable, {0, 1});
    backend.PressButton(dialog, Calc::kAdd);
    backend.PressButton(dialog, Calc::kNewPoint);
    EXPECT_EQ(backend.Beeps(), 1);
    Select(dialog, Calc::kIncluded, {0});
    backend.PressButton(dialog, Calc::kRemove);
    backend.PressButton(dialog, Edit::kOk);
  });
  EXPECT_EQ(document.ItemCount(), items + 1) << "one new point, none at the maximum";
  EXPECT_EQ(InputsOf(*document.GetItem(id)).ids, (std::vector<std::int32_t>{0}));
}

TEST_F(SeriesDialogsTest, NewSeriesMakesTheChosenKindUnderTheTypedName) {
  Build(document, 651);
  const int items = document.ItemCount();
  const std::string counter = std::to_string(document.creationCounter);
  backend.QueueModal([&](Handle dialog) {
    EXPECT_EQ(Control(dialog, TdvNewObjectDialog::kName).title, "Series " + counter);
    backend.PressButton(dialog, TdvNewObjectDialog::kCancel);
  });
  document.DoToolCommand(6);
  EXPECT_EQ(document.ItemCount(), items);

  backend.QueueModal([&](Handle dialog) {
    backend.ChoosePopup(dialog, TdvNewObjectDialog::kKind, 2);
    Retype(dialog, TdvNewObjectDialog::kName, "");
    backend.ExpectMessage("Please give the item a name.");
    backend.PressButton(dialog, TdvNewObjectDialog::kEdit);
    Retype(dialog, TdvNewObjectDialog::kName, "Stride");
    backend.PressButton(dialog, TdvNewObjectDialog::kEdit);
  });
  document.DoControlCommand(10);
  backend.QueueModal([&](Handle dialog) {
    EXPECT_EQ(backend.Window(dialog)->title, "Distance Series");
    backend.PressButton(dialog, Edit::kCancel);
  });
  backend.RunPosted();
  ASSERT_EQ(document.ItemCount(), items + 1);
  const TdvDataObject* made = document.GetItem(document.ItemOrder().back());
  EXPECT_EQ(made->GetName(), "Stride");
  EXPECT_TRUE(made->IsA(kCalculatedLineCode));
}

TEST_F(SeriesDialogsTest, ACloneFromTheChooserFollowsItsSourceUnlessItsDialogIsCancelled) {
  Build(document, 651);
  auto& source = static_cast<TdvDataPoint&>(*document.GetItem(2));
  for (bool keep : {false, true}) {
    backend.QueueModal([&](Handle dialog) {
      EXPECT_EQ(Control(dialog, TdvClonePointDialog::kPoints).listItems,
                (std::vector<std::string>{"Origin 1", "Point S1", "Point S2", "Point S3"}));
      Select(dialog, TdvClonePointDialog::kPoints, {2});
      backend.PressButton(dialog, TdvClonePointDialog::kOk);
    });
    document.DoCommand(656);
    backend.QueueModal([&](Handle dialog) {
      EXPECT_EQ(Control(dialog, Edit::kName).title, "Point S2 clone");
      backend.PressButton(dialog, keep ? Edit::kOk : Edit::kCancel);
    });
    backend.RunPosted();
    EXPECT_EQ(document.ItemCount(), keep ? 5 : 4);
  }
  TdvDataObject& clone = *document.GetItem(document.ItemOrder().back());
  for (int x : {100, 260}) {
    source.TakeData(x, -50, 0);
    TdvRealPoint followed;
    double angle = 0.0;
    ASSERT_TRUE(clone.GetOriginPosition(followed, angle, 0));
    EXPECT_EQ(followed.x, x);
  }
}

}  // namespace
