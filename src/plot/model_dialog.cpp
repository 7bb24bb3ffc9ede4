#include "plot/model_dialog.h"

#include <cmath>
#include <optional>

#include "foundation/format_significant.h"
#include "foundation/number_text.h"
#include "graph/graph_object.h"
#include "shell/shell.h"

namespace {

constexpr int kEditField = 6;
constexpr int kPopup = 4;
constexpr int kLabel = 9;
constexpr int kConstants = 4;

// How many of A, B, C, D a formula uses.
int ConstantsUsed(int formula) {
  switch (formula) {
    case TdvModelObject::kLinear:
      return 2;
    case TdvModelObject::kCubic:
    case TdvModelObject::kCos:
    case TdvModelObject::kSin:
      return 4;
    case TdvModelObject::kEquation:
      return 0;
    default:
      return 3;
  }
}

void Tell(const std::string& text, const std::string& caption) {
  TdvShell::Get().Message(shell::MessageKind::kInformation, text, caption);
}

// Two of the help texts keep the run of spaces at which they were wrapped.
std::string Wrapped(const char* first, const char* second) {
  return first + std::string(57, ' ') + second;
}

}  // namespace

TdvModelDialog::TdvModelDialog(TdvGraphObject& graph, std::vector<std::string> plotNames,
                               bool created, std::function<void()> changed,
                               const std::string& horizontalName)
    : TdvGraphEditDialog(graph, std::move(plotNames), graph.modelPlot, created,
                         std::move(changed)) {
  title = "Model Equation";
  rect = {60, 60, 400, 60};
  const int y = Top();
  AddControl(kPopup, kFormula, "Equation :", {15, y, 325, y + 22}, 1, 0, 0);
  std::vector<std::string> formulas;
  for (std::uint8_t type = TdvModelObject::kLinear; type <= TdvModelObject::kEquation; ++type) {
    formulas.push_back(TdvModelObject::Description(type));
  }
  SetPopupItems(kFormula, formulas);
  AddControl(kLabel, kForm, "", {15, y + 30, 325, y + 46}, 1, 0, 0);
  const TdvModelObject& model = *graph.Model();
  const std::array<double, kConstants> values = {model.A, model.B, model.C, model.D};
  for (int i = 0; i < kConstants; ++i) {
    const int left = i % 2 == 0 ? 15 : 175;
    const int top = y + 54 + (i / 2) * 28;
    const std::string name(1, static_cast<char>('A' + i));
    AddControl(kLabel, kFirstConstantLabel + i, name + ":", {left, top + 2, left + 22, top + 18}, 1,
               0, 0);
    AddControl(kEditField, kFirstConstant + i, FormatSignificant(values[i], 4, false),
               {left + 25, top, left + 150, top + 20}, 1, 0, 0);
  }
  AddControl(kEditField, kEquation, model.Equation(), {15, y + 54, 325, y + 74}, 1, 0, 0);
  AddControl(kLabel, kVariable, "x := " + horizontalName, {15, y + 112, 325, y + 128}, 1, 0, 0);
  AddButtons(y + 138);
  focusControl = kFormula;
}

int TdvModelDialog::DoCreate() {
  TdvGraphEditDialog::DoCreate();
  const TdvModelObject& model = *graph_.Model();
  const int type = model.Type();
  const int formula =
      type >= TdvModelObject::kLinear && type <= TdvModelObject::kEquation ? type : 1;
  SetPopupSelection(kFormula, formula);
  SetControlText(kForm, model.FormatLabel(true));
  ShowFieldsFor(formula);
  return 0;
}

void TdvModelDialog::ShowFieldsFor(int formula) {
  const int used = ConstantsUsed(formula);
  for (int i = 0; i < kConstants; ++i) {
    ShowControl(kFirstConstantLabel + i, i < used);
    ShowControl(kFirstConstant + i, i < used);
  }
  ShowControl(kEquation, formula == TdvModelObject::kEquation);
}

int TdvModelDialog::DoPopupSelect(int id, int selection) {
  TdvGraphEditDialog::DoPopupSelect(id, selection);
  if (id == kFormula) {
    ShowFieldsFor(selection);
  }
  return 0;
}

bool TdvModelDialog::Apply() {
  std::array<double, kConstants> values{};
  for (int i = 0; i < kConstants; ++i) {
    const std::optional<double> value = ReadNumberText(GetControlText(kFirstConstant + i));
    if (!value) {
      Tell("Every Field Must Contain a Number", "Model");
      return false;
    }
    values[static_cast<std::size_t>(i)] = *value;
  }
  TdvModelObject& model = *graph_.Model();
  const int formula = GetPopupSelection(kFormula);
  // Tried on a copy, so that a refused equation leaves the model alone.
  TdvModelObject trial = model;
  if (formula == TdvModelObject::kEquation) {
    std::string text = GetControlText(kEquation);
    if (!trial.SetEquation(text)) {
      Tell("Error", "Error in Formula");
      return false;
    }
    SetControlText(kEquation, text);
  } else {
    if (formula == TdvModelObject::kLogarithmic && values[1] <= 0.0) {
      Tell("B must be Positive", "Logarithmic Model");
      return false;
    }
    trial.A = values[0];
    trial.B = values[1];
    trial.C = values[2];
    trial.D = values[3];
    trial.SetType(static_cast<std::uint8_t>(formula));
  }
  model = trial;
  graph_.modelPlot = ChosenPlot(graph_.modelPlot);
  SetControlText(kForm, model.FormatLabel(true));
  changed_();
  return true;
}

void TdvModelDialog::RemoveCreated() {
  graph_.RemoveModel();
}

std::string TdvModelDialog::HelpText(int id) const {
  switch (id) {
    case kOk:
      return "Accepts the model that you have chosen and returns to the graph";
    case kApply:
      return "Applies the model to the graph, but leaves this dialog open";
    case kCancel:
      return Created() ? "Closes this dialog without saving the model"
                       : Wrapped(
                             "Closes this dialog without updating the values that have "
                             "changed since",
                             "the dialog opened or the Apply button was pressed  ");
    case kFormula:
      return Wrapped("Use this to choose from a set of standard formulas.  You can change",
                     "the constants in the boxes below");
    case kForm:
      return "This is the form of the current formula.  Use the boxes below to change the "
             "constants A,B,C and D ";
    default:
      if (id >= kFirstConstant && id < kFirstConstant + kConstants) {
        return std::string("Enter constant ") + static_cast<char>('A' + id - kFirstConstant) +
               " here";
      }
      return "";
  }
}
