#include "plot/graph_window.h"

#include "shell/shell.h"

namespace {

constexpr const char* kSaveCaption = "Save Graph as Picture";

}  // namespace

std::string TdvGraphWindow::SavePicture(const std::string& path, shell::Size size) {
  return TdvShell::Get().Backend().WritePictureFile(
      path, size, [this, size](shell::Surface& surface) { DrawContent(surface, size); });
}

void TdvGraphWindow::SaveGraphAsPicture() {
  shell::FileDialogSpec request;
  request.title = kSaveCaption;
  request.filters = {{"PNG Pictures (*.png)", "*.png"}, {"SVG Drawings (*.svg)", "*.svg"}};
  request.defaultExtension = "png";
  request.initialPath = "graph.png";
  const std::optional<std::string> chosen = TdvShell::Get().AskSaveFile(request);
  if (!chosen) {
    return;
  }
  const std::string refusal = SavePicture(*chosen, clientSize);
  if (!refusal.empty()) {
    TdvShell::Get().Message(shell::MessageKind::kInformation, refusal, kSaveCaption);
  }
}
