#include "plot/fit_dialog.h"

#include <array>

#include "foundation/format_significant.h"
#include "graph/graph_object.h"
#include "shell/shell.h"

namespace {

constexpr int kPopup = 4;
constexpr int kLabel = 9;
constexpr int kCheckBox = 11;

std::string Shown(double value) {
  return FormatSignificant(value, 3, false);
}

// Why a fit of the type could not be made from the graph's points.
std::string TooFewPoints(std::uint8_t type) {
  static constexpr std::array<const char*, 4> kNames = {"An average", "A linear fit",
                                                        "A quadratic fit", "A cubic fit"};
  if (type == TdvFitObject::kThroughOrigin) {
    return "A line through the origin needs a point inside the graph's ranges where x is "
           "not 0.";
  }
  const std::string name = type < kNames.size() ? kNames[type] : "This fit";
  const int needed = TdvFitObject::MinimumPoints(type);
  return name + " needs at least " + std::to_string(needed) + (needed == 1 ? " point" : " points") +
         " inside the graph's ranges.";
}

}  // namespace

TdvFitDialog::TdvFitDialog(TdvGraphObject& graph, std::vector<std::string> plotNames, bool created,
                           std::function<void()> changed)
    : TdvGraphEditDialog(graph, std::move(plotNames), graph.fitPlot, created, std::move(changed)) {
  title = "Curve Fit";
  // Wide enough for a cubic's equation and a line's errors on one line each.
  rect = {60, 60, 460, 60};
  const int y = Top();
  AddControl(kPopup, kType, "Type of Fit :", {15, y, 325, y + 22}, 1, 0, 0);
  SetPopupItems(kType, {"Average", "Linear", "Polynomial", "Line Through Origin"});
  AddControl(kPopup, kOrder, "Order of Fit :", {15, y + 30, 325, y + 52}, 1, 0, 0);
  SetPopupItems(kOrder, {"0 Average", "1", "2", "3"});
  AddControl(kCheckBox, kAutoUpdate, "Update Automatically", {15, y + 60, 325, y + 78}, 1, 0, 0);
  AddControl(kLabel, kEquation, "", {15, y + 88, 385, y + 104}, 1, 0, 0);
  AddControl(kLabel, kErrors, "", {15, y + 106, 385, y + 122}, 1, 0, 0);
  AddButtons(y + 132);
  focusControl = kType;
}

int TdvFitDialog::DoCreate() {
  TdvGraphEditDialog::DoCreate();
  const TdvFitObject& fit = *graph_.Fit();
  switch (fit.FitType()) {
    case TdvFitObject::kAverage:
      SetPopupSelection(kType, kAverageItem);
      break;
    case TdvFitObject::kQuadratic:
    case TdvFitObject::kCubic:
      SetPopupSelection(kType, kPolynomialItem);
      break;
    case TdvFitObject::kThroughOrigin:
      SetPopupSelection(kType, kThroughOriginItem);
      break;
    default:
      SetPopupSelection(kType, kLinearItem);
      break;
  }
  SetPopupSelection(kOrder, fit.FitType() == TdvFitObject::kCubic ? kOrder3 : kOrder2);
  EnableControl(kOrder, GetPopupSelection(kType) == kPolynomialItem);
  SetCheckBox(kAutoUpdate, fit.AutoUpdate());
  ShowStatistics();
  return 0;
}

int TdvFitDialog::DoPopupSelect(int id, int selection) {
  TdvGraphEditDialog::DoPopupSelect(id, selection);
  if (id == kType) {
    EnableControl(kOrder, selection == kPolynomialItem);
  }
  return 0;
}

std::uint8_t TdvFitDialog::ChosenType() const {
  switch (GetPopupSelection(kType)) {
    case kAverageItem:
      return TdvFitObject::kAverage;
    case kPolynomialItem:
      // The order's items stand for types 0 to 3.
      return static_cast<std::uint8_t>(GetPopupSelection(kOrder) - kOrder0);
    case kThroughOriginItem:
      return TdvFitObject::kThroughOrigin;
    default:
      return TdvFitObject::kLine;
  }
}

bool TdvFitDialog::Apply() {
  TdvFitObject& fit = *graph_.Fit();
  const std::uint8_t oldType = fit.FitType();
  const bool oldAutoUpdate = fit.AutoUpdate();
  const std::int32_t oldPlot = graph_.fitPlot;
  const std::uint8_t type = ChosenType();
  fit.SetFitType(type);
  fit.SetAutoUpdate(GetCheckBox(kAutoUpdate));
  graph_.fitPlot = ChosenPlot(graph_.fitPlot);
  fit.RequestFit();
  changed_();
  const TdvFitOutcome outcome = fit.LastOutcome();
  if (outcome == TdvFitOutcome::kTooFewPoints || outcome == TdvFitOutcome::kFailed) {
    fit.SetFitType(oldType);
    fit.SetAutoUpdate(oldAutoUpdate);
    graph_.fitPlot = oldPlot;
    if (outcome == TdvFitOutcome::kTooFewPoints) {
      TdvShell::Get().Message(shell::MessageKind::kInformation, TooFewPoints(type), "Curve Fit");
    }
    changed_();
    return false;
  }
  ShowStatistics();
  return true;
}

void TdvFitDialog::RemoveCreated() {
  graph_.RemoveFit();
}

void TdvFitDialog::ShowStatistics() {
  const TdvFitObject& fit = *graph_.Fit();
  const TdvFitResult& r = fit.Result();
  SetControlText(kEquation, fit.FormatLabel(true) + "  " + fit.FormatStatistic());
  std::string errors;
  switch (fit.FitType()) {
    case TdvFitObject::kLine:
      errors = "sigma a = " + Shown(r.sigA) + "  sigma b = " + Shown(r.sigB) + "  ";
      break;
    case TdvFitObject::kThroughOrigin:
      errors = "sigma b = " + Shown(r.sigB) + "  ";
      break;
    default:
      break;
  }
  if (fit.FitType() != TdvFitObject::kAverage) {
    errors += "chi^2 = " + Shown(r.chiSquare);
  }
  SetControlText(kErrors, errors);
}
