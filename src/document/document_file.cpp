#include <filesystem>
#include <fstream>

#include "document/data_object_window.h"
#include "foundation/safe_file_write.h"
#include "shell/shell.h"

namespace {

constexpr int kMovieRectTag = 200;

bool FileExists(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in.is_open();
}

}  // namespace

void TdvDataObjectWindow::WriteWindowRect(TdvTaggedWriter& writer) const {
  using enum TdvTokenEnd;
  writer.OpenRecord('V');
  writer.Text("2 1 2");
  writer.CloseRecord();
  writer.OpenRecord('P');
  writer.Number(-2);
  writer.CloseRecord();

  writer.OpenRecord('D');
  TdvDocumentWindow::WriteWindowRect(writer);
  if (std::optional<TdvRect> movieRect = movie != nullptr ? movie->WindowRect() : std::nullopt) {
    writer.RectGroup(kMovieRectTag, *movieRect);
  }
  writer.OpenGroup('b');
  writer.Flag(1, hasMovie, kSeparator);
  writer.Flag(3, autoFrameAdvance, kSeparator);
  writer.Flag(4, flag4, kSeparator);
  writer.Flag(5, autoAddPoints, kSeparator);
  writer.Flag(503, stepEveryFrame, kSeparator);
  writer.Flag(506, stepInFrames, kSeparator);
  writer.Flag(504, ownRateOn, kSpace);
  writer.CloseGroup();

  writer.OpenGroup('i');
  writer.Int(101, timeScale, kSeparator);
  writer.Int(102, displayedTime, kSeparator);
  writer.Int(103, initialOrigin, kSeparator);
  writer.Int(104, listRows, kSeparator);
  writer.Int(105, creationCounter, kSeparator);
  writer.Int(109, currentItem, kSeparator);
  writer.Int(110, selectedFrame, kSeparator);
  writer.Int(111, selectedScaleRow, kSeparator);
  writer.Int(113, lastEditKind, kSeparator);
  writer.Int(114, listScroll, kSpace);
  writer.CloseGroup();

  writer.OpenGroup('d');
  writer.Real(150, ownFrameRate, kSeparator);
  writer.Real(151, stepSize, kNothing);
  writer.CloseGroup();

  if (hasMovie) {
    writer.OpenGroup('s');
    writer.String(20, movieName, kSeparator);
    writer.String(21, moviePath, kNothing);
    writer.CloseGroup();
  }

  LList times;
  for (std::int32_t time : frameTimes) {
    times.Append(std::make_unique<TdvInt>(time));
  }
  writer.OpenGroup('l');
  writer.LeadingList(303, selected);
  writer.LeadingList(304, times);
  writer.CloseGroup();
  writer.CloseRecord();
}

void TdvDataObjectWindow::WriteDocument(std::string& out) {
  TdvTaggedWriter writer(out);
  WriteWindowRect(writer);
  std::vector<std::int32_t> order = FrameOrder();
  for (auto frame = order.rbegin(); frame != order.rend(); ++frame) {
    for (std::int32_t id : Members(*frame)) {
      if (TdvDataObject* item = GetItem(id)) {
        item->WriteRecord(writer);
      }
    }
  }
  if (tableWindow != nullptr) {
    tableWindow->WriteRecord(writer);
  }
  for (TdvGraphLink* graph : graphs) {
    graph->WriteRecord(writer);
  }
}

std::optional<TdvFileLocation> TdvDataObjectWindow::AskSaveLocation() {
  shell::FileDialogSpec request;
  request.title = "Save As:";
  request.filters = {{"KVX Files (*.KVX)", "*.KVX"}, {"All Files (*.*)", "*.*"}};
  request.defaultExtension = "KVX";
  request.initialPath = "untitled.kvx";
  std::optional<std::string> chosen = TdvShell::Get().AskSaveFile(request);
  if (!chosen) {
    return std::nullopt;
  }
  if (FileExists(*chosen) && !Confirm("Overwrite File?", "File Already Exists")) {
    return std::nullopt;
  }
  return TdvFileLocation::FromPath(*chosen);
}

bool TdvDataObjectWindow::Save(bool saveAs) {
  TdvFileLocation where = location;
  if (saveAs || !hasFile) {
    std::optional<TdvFileLocation> chosen = AskSaveLocation();
    if (!chosen) {
      return false;
    }
    where = *chosen;
  }
  if (where.olderVersion) {
    if (!Confirm("Overwrite Version 1.0 file?", "Older Version")) {
      return Save(true);
    }
    where.olderVersion = false;
  }
  std::string text;
  WriteDocument(text);
  if (!WriteFileSafely(where.path, text)) {
    InformationBox("May be Read-Only File or Volume", "Problem Saving File");
    return false;
  }
  modified = false;
  SetLocation(where, true);
  return true;
}

// Only a plain file can be a movie: opening a device or a pipe named in a
// document could block the program.
bool TdvDataObjectWindow::MovieFileExists(const std::string& path) const {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::string TdvDataObjectWindow::LocateMovie() {
  shell::FileDialogSpec request;
  request.title = "Locate Movie";
  request.filters = {{"All Files (*.*)", "*.*"}};
  return TdvShell::Get().AskOpenFile(request).value_or("");
}

bool TdvDataObjectWindow::FindMovie() {
  std::string found;
  if (!hasMovie) {
    if (Confirm("Open a movie for this Coordinate Frame Window?", "No Movie Saved with File")) {
      found = LocateMovie();
    }
  } else if (MovieFileExists(moviePath)) {
    found = moviePath;
  } else {
    moviePath = location.Directory() + movieName;
    if (MovieFileExists(moviePath)) {
      found = moviePath;
    } else if (Confirm("Do you want to look for it?", "Movie: " + movieName + " not found")) {
      found = LocateMovie();
    }
  }
  if (!found.empty() && movieOpener != nullptr && !movieOpener->OpenMovie(*this, found)) {
    found.clear();
  }
  hasMovie = !found.empty();
  if (hasMovie) {
    TdvFileLocation movieFile = TdvFileLocation::FromPath(found);
    moviePath = movieFile.path;
    movieName = movieFile.fileName;
  }
  return hasMovie;
}
