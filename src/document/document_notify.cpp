#include "document/data_object_window.h"
#include "document/text_prompt_dialog.h"
#include "shell/shell.h"

void TdvDataObjectWindow::RelayoutBox(TdvDataObject& series) {
  if (TdvCoordinateFrame* frame = frames.Get(series.GetId())) {
    frame->scale = series.GetScaleId();
  }
  RedrawWindows();
}

void TdvDataObjectWindow::SeriesMovedOrigin(TdvDataObject& series, std::int32_t fromOrigin,
                                            std::int32_t toOrigin) {
  std::int32_t id = series.GetId();
  if (TdvCoordinateFrame* from = FindFrame(fromOrigin); from != nullptr && from->HasMember(id)) {
    if (from->members.FindInt(id)) {
      from->members.RemoveCurrent();
    }
  }
  if (GetItem(id) == nullptr) {
    return;
  }
  if (TdvCoordinateFrame* to = FindFrame(toOrigin)) {
    AddMember(*to, id, kPlaceLast);
  }
}

void TdvDataObjectWindow::SeriesBecameFixed(TdvDataObject& series) {
  SeriesChanged(series);
}

void TdvDataObjectWindow::SeriesNoLongerFixed(TdvDataObject& series) {
  SeriesChanged(series);
}

void TdvDataObjectWindow::RedrawWindows() {
  if (hwnd != shell::kNoWindow) {
    Backend().Invalidate(hwnd, std::nullopt);
  }
  if (movie != nullptr) {
    movie->RedrawMovie();
  }
  if (tableWindow != nullptr) {
    tableWindow->Redraw();
  }
  for (TdvGraphLink* graph : graphs) {
    graph->Redraw();
  }
}

void TdvDataObjectWindow::InformationBox(const std::string& text, const std::string& caption) {
  TdvShell::Get().Message(shell::MessageKind::kInformation, text, caption);
}

bool TdvDataObjectWindow::Confirm(const std::string& text, const std::string& caption) {
  return TdvShell::Get().Message(shell::MessageKind::kConfirmation, text, caption) ==
         shell::MessageAnswer::kOk;
}

void TdvDataObjectWindow::Beep() {
  TdvShell::Get().Backend().Beep();
}

std::optional<std::string> TdvDataObjectWindow::AskText(const std::string& prompt,
                                                        const std::string& caption,
                                                        const std::string& initial) {
  return TdvTextPromptDialog::Ask(prompt, caption, initial);
}
