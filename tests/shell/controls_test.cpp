#include <gtest/gtest.h>

#include "shell/numeric_filter.h"
#include "shell/string_table.h"
#include "shell_fixture.h"

namespace {

using shell::ControlKind;

constexpr int kPushButton = 1;
constexpr int kPopup = 4;
constexpr int kListBox = 5;
constexpr int kEdit = 6;
constexpr int kMultiLine = 7;
constexpr int kDrawnArea = 8;
constexpr int kLabel = 9;
constexpr int kDrawnButton = 10;
constexpr int kCheckBox = 11;

class ControlsTest : public ShellTest {
 protected:
  // A document window with the given controls, opened.
  RecordingChild* OpenWith(const std::function<void(RecordingChild&)>& add) {
    auto window = std::make_unique<RecordingChild>();
    window->rect = {0, 0, 302, 220};
    add(*window);
    RecordingChild* raw = shell.Keep(std::move(window));
    EXPECT_EQ(raw->OpenWindow(), 1);
    raw->calls.clear();
    return raw;
  }

  const shell::HeadlessWindow& Control(const TdvWindow& window, int id) {
    const shell::HeadlessWindow* control = backend.Window(window.GetControlWindow(id));
    EXPECT_NE(control, nullptr) << id;
    static const shell::HeadlessWindow kNone;
    return control == nullptr ? kNone : *control;
  }
};

TEST_F(ControlsTest, ADuplicateIdIsNotAdded) {
  RecordingChild window;
  EXPECT_EQ(window.AddControl(kPushButton, 10, "OK", {0, 0, 10, 10}, 1, 0, 0), 1);
  EXPECT_EQ(window.AddControl(kLabel, 10, "Other", {0, 0, 10, 10}, 1, 0, 0), 0);
  EXPECT_EQ(window.FindControl(10)->text, "OK");
}

TEST_F(ControlsTest, ControlsAreCreatedFromTheirRecords) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.defaultControl = 10;
    w.AddControl(kPushButton, 10, "OK", {5, 6, 65, 26}, 1, 0, 0);
    w.AddControl(kListBox, 20, "", {5, 30, 100, 90}, 1, 1, 0);
    w.AddControl(kLabel, 30, "Hidden", {5, 95, 100, 110}, 0, 0, 0);
  });
  const shell::HeadlessWindow& ok = Control(*window, 10);
  EXPECT_EQ(ok.control.kind, ControlKind::kPushButton);
  EXPECT_EQ(ok.outer, (shell::Rect{5, 6, 65, 26}));
  EXPECT_TRUE(ok.isDefault);
  EXPECT_EQ(ok.title, "OK");
  EXPECT_TRUE(Control(*window, 20).control.multipleSelection);
  EXPECT_FALSE(Control(*window, 30).visible);
}

TEST_F(ControlsTest, APopupFromTheStringTableSplitsItsEntryAtCommas) {
  EXPECT_EQ(LoadResourceString(10060), "Cartesian,Polar");
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kPopup, 40, "Coordinates:", {0, 0, 200, 20}, 1, 1, 10060);
  });
  const TdvControlInfo* popup = window->FindControl(40);
  ASSERT_EQ(popup->items.size(), 2u);
  EXPECT_EQ(popup->items[0].text, "Cartesian");
  EXPECT_EQ(popup->items[1].text, "Polar");
  EXPECT_EQ(window->GetPopupSelection(40), 1);
  EXPECT_EQ(Control(*window, 40).popupShown, 1);
  EXPECT_EQ(Control(*window, 40).control.text, "Coordinates:");
}

TEST_F(ControlsTest, TheStringTableHoldsTheProgramsEntries) {
  EXPECT_EQ(SplitAtCommas(LoadResourceString(10110)),
            (std::vector<std::string>{"(m)", "(cm)", "(mm)", "(in)", "(ft)"}));
  EXPECT_EQ(SplitAtCommas(LoadResourceString(10210)).size(), 4u);
  EXPECT_EQ(LoadResourceString(12345), "");
  EXPECT_TRUE(SplitAtCommas("").empty());
  EXPECT_EQ(SplitAtCommas("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
}

TEST_F(ControlsTest, PickingAPopupItemStoresItAndTellsTheWindow) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kPopup, 40, "Data Type:", {0, 0, 200, 20}, 1, 1, 10010);
  });
  backend.ChoosePopup(window->hwnd, 40, 3);
  EXPECT_EQ(window->GetPopupSelection(40), 3);
  EXPECT_EQ(window->calls, (std::vector<SeenCall>{{"DoPopupSelect", 40, 3, 0}}));
  window->SetPopupSelection(40, 2);
  EXPECT_EQ(Control(*window, 40).popupShown, 2);
}

TEST_F(ControlsTest, PopupsFilledInCodeKeepTheirItems) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kPopup, 50, "Origin:", {0, 0, 200, 20}, 1, 0, 0);
  });
  window->SetPopupItems(50, {"Default Origin", "Point 2"});
  EXPECT_EQ(Control(*window, 50).control.items.size(), 2u);
  window->SetPopupLabel(50, "Scale Origin:");
  EXPECT_EQ(Control(*window, 50).title, "Scale Origin:");
}

TEST_F(ControlsTest, NumericFilterKinds) {
  const std::string all = "0123456789-.aZ ";
  auto accepted = [&](int kind) {
    std::string kept;
    for (char c : all) {
      if (NumericFilterAccepts(kind, c)) {
        kept.push_back(c);
      }
    }
    return kept;
  };
  EXPECT_EQ(accepted(0), all);
  EXPECT_EQ(accepted(1), "0123456789-.");
  EXPECT_EQ(accepted(2), "0123456789.");
  EXPECT_EQ(accepted(3), "0123456789-");
  EXPECT_EQ(accepted(4), "0123456789");
  for (int kind = 0; kind <= 4; ++kind) {
    EXPECT_TRUE(NumericFilterAccepts(kind, 8)) << kind;
  }
}

TEST_F(ControlsTest, AnEditFieldOfKindFourDropsMinusAndPointButTakesBackspace) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kEdit, 20, "", {0, 0, 100, 20}, 1, 4, 0);
  });
  backend.TypeText(window->hwnd, 20, "-1.25");
  EXPECT_EQ(window->GetControlText(20), "125");
  backend.TypeText(window->hwnd, 20, "\b");
  EXPECT_EQ(window->GetControlText(20), "12");
  // Every character that reached the filter was announced afterwards.
  EXPECT_EQ(
      std::count(window->calls.begin(), window->calls.end(), SeenCall{"DoEditNotify", 20, 0, 0}),
      6);
}

TEST_F(ControlsTest, TabInAnEditFieldMovesTheFocusInsteadOfBeingTyped) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kEdit, 20, "", {0, 0, 100, 20}, 1, 0, 0);
    w.AddControl(kLabel, 25, "Label", {0, 25, 100, 40}, 1, 0, 0);
    w.AddControl(kEdit, 30, "", {0, 45, 100, 65}, 1, 0, 0);
  });
  backend.SetFocus(window->GetControlWindow(20));
  backend.TypeText(window->hwnd, 20, "\t");
  EXPECT_EQ(window->GetControlText(20), "");
  EXPECT_EQ(backend.Focus(), window->GetControlWindow(30));
  EXPECT_EQ(window->calls.front(), (SeenCall{"DoKeyDown", 9, 0, 0}));
}

TEST_F(ControlsTest, ReturnEscapeAndUpDownInEditFieldsGoToDoKeyDown) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kEdit, 20, "", {0, 0, 100, 20}, 1, 0, 0);
    w.AddControl(kPushButton, 21, "OK", {0, 30, 100, 50}, 1, 0, 0);
    w.defaultControl = 21;
  });
  backend.TypeText(window->hwnd, 20, std::string("\r\x1b\x1e\x1f"),
                   shell::Modifiers{.control = true});
  std::vector<SeenCall> expected = {
      {"DoKeyDown", 13, 0x1100, 0},   {"DoControlCommand", 21, 0, 0}, {"DoKeyDown", 27, 0x1100, 0},
      {"DoKeyDown", 0x1E, 0x1100, 0}, {"DoKeyDown", 0x1F, 0x1100, 0},
  };
  EXPECT_EQ(window->calls, expected);
  EXPECT_EQ(window->GetControlText(20), "");
}

TEST_F(ControlsTest, TabbingWrapsAndSkipsLabelsTextsDrawnAreasAndHiddenControls) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kEdit, 10, "", {0, 0, 10, 10}, 1, 0, 0);
    w.AddControl(kLabel, 20, "", {0, 0, 10, 10}, 1, 0, 0);
    w.AddControl(kMultiLine, 30, "", {0, 0, 10, 10}, 1, 0, 0);
    w.AddControl(kDrawnArea, 40, "", {0, 0, 10, 10}, 1, 0, 0);
    w.AddControl(kPushButton, 50, "", {0, 0, 10, 10}, 0, 0, 0);
    w.AddControl(kCheckBox, 60, "", {0, 0, 10, 10}, 1, 0, 0);
  });
  window->WinSetFocusControl(10);
  window->WinTabControl(true);
  EXPECT_EQ(backend.Focus(), window->GetControlWindow(60));
  window->WinTabControl(true);
  EXPECT_EQ(backend.Focus(), window->GetControlWindow(10));
  window->WinTabControl(false);
  EXPECT_EQ(backend.Focus(), window->GetControlWindow(60));
  window->ShowControl(50, true);
  window->WinTabControl(false);
  EXPECT_EQ(backend.Focus(), window->GetControlWindow(50));
}

TEST_F(ControlsTest, ShiftTabMovesBackwards) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kEdit, 10, "", {0, 0, 10, 10}, 1, 0, 0);
    w.AddControl(kEdit, 20, "", {0, 0, 10, 10}, 1, 0, 0);
    w.AddControl(kEdit, 30, "", {0, 0, 10, 10}, 1, 0, 0);
  });
  window->WinSetFocusControl(20);
  window->DoKeyDown(kTdvKeyTab, kTdvShiftKey);
  EXPECT_EQ(backend.Focus(), window->GetControlWindow(10));
}

TEST_F(ControlsTest, AccessorsKeepTheRecordInStep) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kEdit, 10, "1.5e3 m", {0, 0, 10, 10}, 1, 0, 0);
    w.AddControl(kCheckBox, 20, "Is An Origin", {0, 0, 10, 10}, 1, 0, 0);
  });
  double value = 0;
  ASSERT_TRUE(window->GetControlReal(10, value));
  EXPECT_DOUBLE_EQ(value, 1500.0);
  window->SetControlText(10, "abc");
  EXPECT_FALSE(window->GetControlReal(10, value));
  EXPECT_DOUBLE_EQ(value, 1500.0);
  EXPECT_EQ(window->FindControl(10)->text, "abc");
  window->MoveControl(10, {3, 4, 50, 24});
  EXPECT_EQ(Control(*window, 10).outer, (shell::Rect{3, 4, 50, 24}));
  window->SetControlText(10, std::string(400, 'x'));
  EXPECT_EQ(window->GetControlText(10).size(), 255u);
  window->SetCheckBox(20, true);
  EXPECT_TRUE(window->GetCheckBox(20));
  // Controls that do not exist are passed over.
  window->SetControlText(99, "nothing");
  EXPECT_EQ(window->GetControlText(99), "");
  EXPECT_FALSE(window->GetCheckBox(99));
}

TEST_F(ControlsTest, ListBoxesSortAddedItemsAndTrackSelection) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kListBox, 10, "", {0, 0, 100, 100}, 1, 1, 0);
  });
  window->ListAddString(10, "Point 2");
  window->ListAddString(10, "Origin");
  window->ListInsertString(10, 0, "Zed");
  EXPECT_EQ(window->ListCount(10), 3);
  EXPECT_EQ(window->ListGetString(10, 0), "Zed");
  EXPECT_EQ(window->ListGetString(10, 1), "Origin");
  window->ListSetSelected(10, 1, true);
  window->ListSetSelected(10, 2, true);
  window->ListDeleteString(10, 0);
  EXPECT_EQ(window->ListGetSelection(10), (std::vector<int>{0, 1}));
  window->ListSelectString(10, 1);
  EXPECT_EQ(window->ListGetSelection(10), (std::vector<int>{1}));
}

TEST_F(ControlsTest, InPlaceEditingMovesTheFieldAndSelectsThreeCharacters) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kEdit, 10, "12.5", {0, 0, 10, 10}, 0, 1, 0);
  });
  window->EditInPlace(10, {20, 30, 80, 50});
  const shell::HeadlessWindow& field = Control(*window, 10);
  EXPECT_TRUE(field.visible);
  EXPECT_EQ(field.outer, (shell::Rect{20, 30, 80, 50}));
  EXPECT_EQ(field.textSelection, (std::pair<int, int>{0, 3}));
  EXPECT_EQ(backend.Focus(), window->GetControlWindow(10));
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
}

TEST_F(ControlsTest, OwnerDrawnControlsDrawThroughDrawControlOrTheirIcon) {
  backend.AddIconResource(1000, shell::Picture(4, 4, shell::MakeRgb(0, 0, 255)));
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kDrawnArea, 10, "", {0, 0, 30, 20}, 1, 0, 0);
    w.AddControl(kDrawnButton, 20, "", {40, 0, 62, 22}, 1, 1, 1000);
  });
  window->GfxSetFGColor(shell::MakeRgb(255, 0, 0));
  backend.RunPosted();
  EXPECT_EQ(window->calls, (std::vector<SeenCall>{{"DrawControl", 10, kTdvDrawControl, 0}}));
  EXPECT_EQ(window->drawMode, kTdvDrawNone);
  EXPECT_EQ(backend.Pixels(window->GetControlWindow(10)).At(29, 19), shell::MakeRgb(255, 0, 0));
  EXPECT_EQ(backend.Pixels(window->GetControlWindow(20)).At(3, 3), shell::MakeRgb(0, 0, 255));
  EXPECT_EQ(backend.Pixels(window->GetControlWindow(20)).At(4, 4), shell::kWhite);
}

TEST_F(ControlsTest, OwnerDrawingWhilePrintingIsRefused) {
  RecordingChild* window = OpenWith([](RecordingChild& w) {
    w.AddControl(kDrawnArea, 10, "", {0, 0, 30, 20}, 1, 0, 0);
  });
  std::unique_ptr<shell::Surface> page = backend.CreatePictureSurface({10, 10});
  window->dc = page.get();
  window->drawMode = kTdvDrawPrint;
  backend.ExpectMessage("beforeupdatecontrol did not free hdc", shell::MessageAnswer::kOk,
                        "TdvWindow::UpdateOwnerControl");
  window->UpdateOwnerControl(10);
  EXPECT_EQ(window->drawMode, kTdvDrawPrint);
  window->dc = nullptr;
  window->drawMode = kTdvDrawNone;
}

// ---------------------------------------------------------------- dialog units

TEST(DialogUnits, ControlRectanglesArePixelsAtBaseUnitsEightBySixteen) {
  const shell::Rect record{10, 20, 110, 52};
  EXPECT_EQ(TdvDialog::ControlPixelRect(record, {8, 16}), record);
  EXPECT_EQ(TdvDialog::ControlPixelRect(record, {6, 13}), (shell::Rect{7, 16, 82, 42}));
  EXPECT_EQ(TdvDialog::ControlPixelRect(record, {16, 32}), (shell::Rect{20, 40, 220, 104}));
}

TEST(DialogUnits, TheDialogItselfScalesLikeItsControls) {
  const shell::Rect rect{50, 100, 300, 300};
  EXPECT_EQ(TdvDialog::DialogPixelRect(rect, {8, 16}), rect);
  const shell::Rect large = TdvDialog::DialogPixelRect(rect, {16, 32});
  EXPECT_EQ(shell::RectWidth(large), 496);
  EXPECT_EQ(shell::RectHeight(large), 400);
  // Odd sizes lose at most a template unit to the integer arithmetic.
  const shell::Rect odd = TdvDialog::DialogPixelRect({0, 0, 251, 201}, {8, 16});
  EXPECT_EQ(odd, (shell::Rect{0, 0, 250, 200}));
}

}  // namespace
