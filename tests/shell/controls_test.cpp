#include <gtest/gtest.h>

#include "shell/numeric_filter.h"
#include "shell/string_table.h"
#include "shell_fixture.h"

namespace {

using shell::ControlKind;

constexpr int kPushButton = 1;
constexpr int kEdit = 6;
constexpr int kMultiLine = 7;
constexpr int kDrawnArea = 8;
constexpr int kLabel = 9;
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
    return raw;
  }
};

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

}  // namespace
