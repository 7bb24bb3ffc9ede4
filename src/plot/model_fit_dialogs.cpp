#include "plot/model_fit_dialogs.h"

#include <memory>
#include <utility>

#include "plot/fit_dialog.h"
#include "plot/model_dialog.h"
#include "shell/shell.h"

// The dialogs are modal under the frame; the shell frees each once its
// window has gone.
void OpenModelDialog(TdvWindow&, TdvGraphObject& graph, std::vector<std::string> plotNames,
                     bool created, std::function<void()> changed,
                     const std::string& horizontalName) {
  TdvShell::Get()
      .Keep(std::make_unique<TdvModelDialog>(graph, std::move(plotNames), created,
                                             std::move(changed), horizontalName))
      ->OpenWindow();
}

void OpenFitDialog(TdvWindow&, TdvGraphObject& graph, std::vector<std::string> plotNames,
                   bool created, std::function<void()> changed) {
  TdvShell::Get()
      .Keep(
          std::make_unique<TdvFitDialog>(graph, std::move(plotNames), created, std::move(changed)))
      ->OpenWindow();
}
