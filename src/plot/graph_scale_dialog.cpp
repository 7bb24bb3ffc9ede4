#include "plot/graph_scale_dialog.h"

#include <array>
#include <cmath>

#include "foundation/format_significant.h"
#include "foundation/number_text.h"
#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kPopup = 4;
constexpr int kEditField = 6;
constexpr int kLabel = 9;
constexpr int kCheckBox = 11;
constexpr int kShownDigits = 6;

struct ControlHelp {
  int id;
  const char* text;
};

constexpr std::array<ControlHelp, 6> kHelp{{
    {TdvGraphScaleDialog::kAutoScale, "If checked, the graph will automatically scale. "},
    {TdvGraphScaleDialog::kMin, "Enter the minimum value for this axis. "},
    {TdvGraphScaleDialog::kMax, "Enter the maximum value for this axis. "},
    {TdvGraphScaleDialog::kOk, "Accepts the values for this axis and closes the dialog. "},
    {TdvGraphScaleDialog::kCancel, "Closes the dialog without changing the values. "},
    {TdvGraphScaleDialog::kApply,
     "Accepts the current values, but leaves the dialog open for further changes. "},
}};

TdvGraphAxis AxisOf(int selection) {
  return selection == 2 ? TdvGraphAxis::kVertical : TdvGraphAxis::kHorizontal;
}

}  // namespace

TdvGraphScaleDialog::TdvGraphScaleDialog(
    TdvGraphAxis axis, std::function<TdvAxisSetting(TdvGraphAxis)> current,
    std::function<void(TdvGraphAxis, const TdvAxisSetting&)> apply)
    : axis_(axis), current_(std::move(current)), apply_(std::move(apply)) {
  title = "Graph Scale";
  rect = {80, 80, 350, 290};
  focusControl = kMin;
  defaultControl = kOk;
  AddControl(kPopup, kAxis, "Axis:", {15, 12, 250, 34}, 1, 0, 0);
  AddControl(kLabel, 90, "Min:", {15, 50, 70, 66}, 1, 0, 0);
  AddControl(kEditField, kMin, "", {75, 47, 250, 67}, 1, 0, 0);
  AddControl(kLabel, 100, "Max:", {15, 80, 70, 96}, 1, 0, 0);
  AddControl(kEditField, kMax, "", {75, 77, 250, 97}, 1, 0, 0);
  AddControl(kLabel, 110, "Ticks:", {15, 110, 70, 126}, 1, 0, 0);
  AddControl(kEditField, kTicks, "", {75, 107, 250, 127}, 1, 0, 0);
  AddControl(kCheckBox, kAutoScale, "AutoScale", {15, 137, 250, 155}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {15, 170, 85, 192}, 1, 0, 0);
  AddControl(kPushButton, kApply, "Apply", {97, 170, 167, 192}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {180, 170, 250, 192}, 1, 0, 0);
}

int TdvGraphScaleDialog::DoCreate() {
  TdvDialog::DoCreate();
  for (const ControlHelp& help : kHelp) {
    Backend().SetToolTip(GetControlWindow(help.id), help.text);
  }
  SetPopupItems(kAxis, {"Horizontal", "Vertical"});
  SetPopupSelection(kAxis, axis_ == TdvGraphAxis::kVertical ? 2 : 1);
  Show(axis_);
  return 0;
}

void TdvGraphScaleDialog::Show(TdvGraphAxis axis) {
  axis_ = axis;
  const TdvAxisSetting setting = current_(axis);
  SetControlText(kMin, FormatSignificant(setting.min, kShownDigits, false));
  SetControlText(kMax, FormatSignificant(setting.max, kShownDigits, false));
  SetControlText(kTicks, std::to_string(setting.ticks));
  SetCheckBox(kAutoScale, setting.autoScale);
}

int TdvGraphScaleDialog::DoPopupSelect(int id, int selection) {
  if (id != kAxis) {
    return kTdvNotHandled;
  }
  Show(AxisOf(selection));
  return 0;
}

int TdvGraphScaleDialog::DoControlCommand(int id) {
  switch (id) {
    case kOk:
      if (Apply()) {
        CloseWindow();
      }
      return 0;
    case kApply:
      Apply();
      return 0;
    case kCancel:
      CloseWindow();
      return 0;
    default:
      return kTdvNotHandled;
  }
}

bool TdvGraphScaleDialog::Apply() {
  const std::optional<TdvAxisSetting> setting = Typed();
  if (setting) {
    apply_(axis_, *setting);
  }
  return setting.has_value();
}

std::optional<double> TdvGraphScaleDialog::TypedNumber(int id) {
  std::optional<double> value = ReadNumberText(GetControlText(id));
  if (!value) {
    TdvShell::Get().Message(shell::MessageKind::kInformation, "Please enter a number.", title);
    WinSetFocusControl(id);
  }
  return value;
}

std::optional<TdvAxisSetting> TdvGraphScaleDialog::Typed() {
  const std::optional<double> min = TypedNumber(kMin);
  const std::optional<double> max = min ? TypedNumber(kMax) : std::nullopt;
  const std::optional<double> ticks = max ? TypedNumber(kTicks) : std::nullopt;
  if (!ticks) {
    return std::nullopt;
  }
  if (!(*min < *max)) {
    TdvShell::Get().Message(shell::MessageKind::kInformation,
                            "The minimum must be less than the maximum.", title);
    WinSetFocusControl(kMin);
    return std::nullopt;
  }
  if (*ticks < 0 || *ticks > kMostTicks || std::floor(*ticks) != *ticks) {
    TdvShell::Get().Message(shell::MessageKind::kInformation,
                            "Please enter a whole number of ticks from 0 to 100.", title);
    WinSetFocusControl(kTicks);
    return std::nullopt;
  }
  return TdvAxisSetting{*min, *max, static_cast<std::int32_t>(*ticks), GetCheckBox(kAutoScale)};
}
