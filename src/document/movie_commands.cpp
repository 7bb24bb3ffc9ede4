#include "document/data_object_window.h"
#include "shell/backend.h"
#include "shell/shell.h"

namespace {

bool IsPassedToMovie(int id) {
  return id == 301 || (id >= 307 && id <= 310) || id == 701;
}

// Tool-bar actions 15 to 18 nudge as the movie window's actions 5, 7, 6
// and 8 do.
constexpr int kToolNudges[] = {5, 7, 6, 8};

}  // namespace

void TdvDataObjectWindow::CheckBoth(int id, bool on) {
  WinCheckMenuItem(id, on);
  if (movie != nullptr) {
    movie->CheckMenuItem(id, on);
  }
}

void TdvDataObjectWindow::EditCurrentItem() {
  if (currentItem == kNoItem || GetItem(currentItem) == nullptr) {
    InformationBox("You must select an item before editing it", "Edit Selected");
    return;
  }
  Dialogs().EditItem(*this, currentItem, false);
}

void TdvDataObjectWindow::TransformCurrent() {
  BringMovieForward();
  if (currentItem == kNoItem) {
    InformationBox("Must select an origin to transform it", "");
    return;
  }
  TransformOrigin(currentItem);
}

int TdvDataObjectWindow::DoMovieCommand(int id) {
  if (IsPassedToMovie(id)) {
    return movie != nullptr ? movie->MovieCommand(id) : 0;
  }
  switch (id) {
    case 161:
      PrintWindow(MovieName(), title, true);
      return 0;
    case 356:
      TransformCurrent();
      return 0;
    case 359:
      if (ItemsOfKind(kCalibrateObjectCode) == 0) {
        InformationBox("No Scales Available", "Change Scale...");
      } else {
        Dialogs().ChangeScale(*this);
      }
      return 0;
    case 361:
      RemoveMovie(true);
      return 0;
    case 362:
      SwitchMovie();
      return 0;
    case 451:
      EditCurrentItem();
      return 0;
    case 452:
      if (currentItem == kNoItem) {
        InformationBox("You must select an item before editing its marker", "Edit Marker");
      } else {
        Dialogs().ChooseMarker(*this, currentItem);
      }
      return 0;
    case 460:
      Dialogs().ClearAll(*this);
      return 0;
    case 462:
      CopyToClipboard();
      return 0;
    case 656:
      Dialogs().CloneItem(*this);
      return 0;
    case 702:
      ShowThisWindow();
      return 0;
    default:
      return kTdvNotHandled;
  }
}

int TdvDataObjectWindow::DoMovieToolCommand(int code) {
  switch (code) {
    case 2:
      StartQuickScale();
      return 1;
    case 5:
      DoMovieCommand(452);
      return 1;
    case 6:
      Dialogs().NewItem(*this);
      return 1;
    case 7:
      EditCurrentItem();
      return 1;
    case 8:
      TransformCurrent();
      return 1;
    case 23:
      AskToTrack();
      return 1;
    case 15:
    case 16:
    case 17:
    case 18:
      if (movie != nullptr) {
        movie->Nudge(kToolNudges[code - 15]);
      }
      return 1;
    case 19:
      ShowThisWindow();
      return 1;
    case 20:
      if (movie != nullptr) {
        movie->MovieCommand(701);
      } else if (!hasMovie) {
        OpenMovieInto(false);
      } else if (MovieFileExists(moviePath)) {
        AttachMovieFile(moviePath);
      }
      return 1;
    case 24:
      return movie == nullptr &&
                     Confirm("This will attach a movie to this Coordinate Frame Window, continue?",
                             "Open Movie") &&
                     OpenMovieInto(false)
                 ? 1
                 : 0;
    default:
      return 0;
  }
}

void TdvDataObjectWindow::ShowThisWindow() {
  if (hwnd != shell::kNoWindow) {
    Backend().Show(hwnd, shell::ShowCommand::kShow);
    Backend().BringToTop(hwnd);
  }
}

int TdvDataObjectWindow::ItemsOfKind(int classCode) {
  int count = 0;
  for (TdvDataObject* item : AllItems()) {
    count += item->IsA(classCode) ? 1 : 0;
  }
  return count;
}

int TdvDataObjectWindow::MovieDocumentCommand(int id) {
  switch (id) {
    case 303:
      StartQuickScale();
      return 0;
    case 304:
      Dialogs().MovieStepSize(*this);
      return 0;
    case 305:
      Dialogs().ChangeFrameRate(*this);
      return 0;
    default:
      return DoCommand(id);
  }
}

void TdvDataObjectWindow::CurrentTimeChanged(std::int32_t time) {
  const bool moved = time != displayedTime;
  displayedTime = time;
  // The table marks the row of the frame shown.
  if (moved && tableWindow != nullptr) {
    tableWindow->Redraw();
  }
  if (time == graphTime || graphs.empty()) {
    return;
  }
  graphTime = time;
  for (TdvGraphLink* graph : graphs) {
    graph->TimeChanged(time);
  }
}

// The list and the movie line show the displayed frame; the scroll bar
// does not change.
void TdvDataObjectWindow::ControllerStepped() {
  graphTime = -1;
  if (hwnd == shell::kNoWindow) {
    return;
  }
  shell::Size client = Backend().ClientSize(hwnd);
  Backend().Invalidate(hwnd, shell::Rect{0, 19, client.width - 15, client.height});
}

void TdvDataObjectWindow::MovieActivated() {
  if (movie != nullptr) {
    movie->CheckMenuItem(351, autoAddPoints);
    movie->CheckMenuItem(352, autoPointAdvance);
    movie->CheckMenuItem(353, autoFrameAdvance);
  }
}

void TdvDataObjectWindow::MovieClosing() {
  movie = nullptr;
  FinishTracking();
}

// Closing the movie window by hand closes the whole document; its save
// prompt may keep it open. The document may be gone once its window is.
bool TdvDataObjectWindow::CloseDocument() {
  if (hwnd == shell::kNoWindow) {
    return DoClose() == kTdvNotHandled;
  }
  shell::Backend& backend = Backend();
  shell::WindowHandle handle = hwnd;
  shell::Event close;
  close.kind = shell::EventKind::kClose;
  if (TdvShell::Get().Dispatch(handle, close) != kTdvNotHandled) {
    return false;
  }
  backend.DestroyWindow(handle);
  return true;
}
