#pragma once

#include <functional>
#include <string>
#include <vector>

class TdvGraphObject;
class TdvWindow;

// "Model Equation" and "Curve Fit" on the graph's model or fit, which
// exists when they open; `plotNames` fill "Apply To :", `created` tells
// that the opening made the model or fit (Cancel then removes it), and
// `changed` brings the graph up to date (its fit included) and redraws the
// window after every change the dialog makes. `horizontalName` is the
// quantity that x stands for in the model dialog's "x := " line.
void OpenModelDialog(TdvWindow& owner, TdvGraphObject& graph, std::vector<std::string> plotNames,
                     bool created, std::function<void()> changed,
                     const std::string& horizontalName = "");
void OpenFitDialog(TdvWindow& owner, TdvGraphObject& graph, std::vector<std::string> plotNames,
                   bool created, std::function<void()> changed);
