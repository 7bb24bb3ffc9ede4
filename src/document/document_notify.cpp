#include "document/data_object_window.h"
#include "document/text_prompt_dialog.h"
#include "shell/shell.h"

void TdvDataObjectWindow::SeriesChangedAt(TdvDataObject& series, std::int32_t frame,
                                          int sampleType) {
  if (table != nullptr && recalculateOnChange) {
    table->SeriesChangedAt(series.GetId(), frame, sampleType);
  }
}

void TdvDataObjectWindow::SeriesChanged(TdvDataObject& series) {
  if (table != nullptr && recalculateOnChange) {
    table->SeriesChanged(series.GetId());
  }
}

void TdvDataObjectWindow::RedrawRow(TdvDataObject&) {
  RedrawWindows();
}

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

// A fixed origin moves or turns on every frame at once: everything that
// reports relative to it changes everywhere.
void TdvDataObjectWindow::FixedOriginRotated(TdvDataObject& series, double, double) {
  SeriesChanged(series);
  for (std::int32_t id : Members(series.GetId())) {
    if (TdvDataObject* member = GetItem(id)) {
      SeriesChanged(*member);
    }
  }
}

void TdvDataObjectWindow::FixedOriginMoved(TdvDataObject& series, double value) {
  FixedOriginRotated(series, value, value);
}

void TdvDataObjectWindow::RedrawWindows() {
  if (hwnd != shell::kNoWindow) {
    Backend().Invalidate(hwnd, std::nullopt);
  }
  if (movie != nullptr) {
    movie->RedrawMovie();
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

void TdvDataObjectWindow::RecalculateAll() {
  for (TdvDataObject* item : AllItems()) {
    item->Refresh();
  }
  if (table != nullptr) {
    table->RecalculateAll();
  }
}
