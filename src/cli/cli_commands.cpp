#include "cli/cli_commands.h"

#include <sstream>

#include "cli/cli_output.h"
#include "cli/cli_session.h"
#include "cli/cli_track.h"
#include "cli/cli_usage.h"
#include "cli/png_writer.h"
#include "document/data_object_window.h"
#include "document/graph_opener.h"
#include "foundation/safe_file_write.h"
#include "plot/graph_window.h"

namespace kinovex::cli {
namespace {

int Info(CliSession& session, const CliRequest& request, std::ostream& out) {
  std::unique_ptr<TdvVideoMovie> movie = session.OpenMovie(request.operands[0]);
  if (!movie) {
    return kExitUnusableInput;
  }
  PrintMovieInfo(out, *movie);
  return kExitSuccess;
}

int Frames(CliSession& session, const CliRequest& request, std::ostream& out) {
  std::unique_ptr<TdvVideoMovie> movie = session.OpenMovie(request.operands[0]);
  if (!movie) {
    return kExitUnusableInput;
  }
  PrintFrameTimes(out, *movie);
  return kExitSuccess;
}

int Frame(CliSession& session, const CliRequest& request, std::ostream& errors) {
  std::unique_ptr<TdvVideoMovie> movie = session.OpenMovie(request.operands[0]);
  if (!movie) {
    return kExitUnusableInput;
  }
  std::optional<int> time = ParseMovieTime(request.operands[1], movie->VideoTimeScale());
  if (!time) {
    errors << "kinovex-cli: \"" << request.operands[1]
           << "\" is no time: give time units (1200) or seconds (2.5s)\n";
    return kExitUsage;
  }
  // Before the first frame or after the last one the program shows nothing
  // of the movie: no nearest frame stands in.
  if (*time < 0 || *time >= movie->VideoDuration()) {
    errors << "kinovex-cli: time " << *time << " is outside the movie, which runs from 0 to "
           << movie->VideoDuration() << " (excluded)\n";
    return kExitUnusableInput;
  }
  TdvVideoImage image;
  if (!movie->VideoFrameImage(*time, image)) {
    errors << "kinovex-cli: the frame at time " << *time << " cannot be decoded\n";
    return kExitUnusableInput;
  }
  if (!WritePng(*request.output, image)) {
    errors << "kinovex-cli: cannot write " << *request.output << '\n';
    return kExitUnusableInput;
  }
  return kExitSuccess;
}

// The quantities become columns of the document's table, as if the user
// had added them for every series; series a quantity does not apply to
// get no column.
void UseQuantities(TdvDataObjectWindow& document, const std::vector<int>& quantities) {
  for (std::int32_t id : document.ItemOrder()) {
    for (int quantity : quantities) {
      document.RestoreColumn(id, quantity);
    }
  }
}

int Export(CliSession& session, const CliRequest& request, std::ostream& out,
           std::ostream& errors) {
  TdvDataObjectWindow* document = session.OpenDocument(request.operands[0], request.movie);
  if (document == nullptr) {
    return kExitUnusableInput;
  }
  UseQuantities(*document, request.quantities);
  if (!request.output) {
    document->WriteExport(out);
    if (!out.flush()) {
      errors << "kinovex-cli: Could not write the export to standard output\n";
      return kExitUnusableInput;
    }
    return kExitSuccess;
  }
  std::ostringstream text;
  document->WriteExport(text);
  if (!WriteFileSafely(*request.output, text.view())) {
    session.Tell("Could not create " + *request.output, "Export Data");
    return kExitUnusableInput;
  }
  return kExitSuccess;
}

int Resave(CliSession& session, const CliRequest& request) {
  TdvDataObjectWindow* document = session.OpenDocument(request.operands[0], request.movie);
  if (document == nullptr) {
    return kExitUnusableInput;
  }
  return SaveDocumentAs(*document, request.operands[1]) ? kExitSuccess : kExitUnusableInput;
}

// The graph windows a document was read with, in the file's order, taken
// from the document as the desktop program takes them into windows.
class GraphCollector : public TdvGraphOpener {
 public:
  void NewGraph(TdvDataObjectWindow&) override {}
  void OpenGraph(TdvDataObjectWindow&, std::unique_ptr<TdvGraphStack> stack) override {
    stacks.push_back(std::move(stack));
  }

  std::vector<std::unique_ptr<TdvGraphStack>> stacks;
};

// The size the window had when it was saved; a window saved without one
// gets a usual window's size.
shell::Size SavedWindowSize(const TdvGraphStack& stack) {
  const shell::Size size{stack.rect.right - stack.rect.left, stack.rect.bottom - stack.rect.top};
  return size.width > 0 && size.height > 0 ? size : shell::Size{600, 400};
}

int Graph(CliSession& session, const CliRequest& request) {
  const std::string& path = request.operands[0];
  TdvDataObjectWindow* document = session.OpenDocument(path, request.movie);
  if (document == nullptr) {
    return kExitUnusableInput;
  }
  GraphCollector graphs;
  document->SetGraphOpener(&graphs);
  document->OpenKeptGraphs();
  document->SetGraphOpener(nullptr);
  const std::size_t count = graphs.stacks.size();
  if (count == 0) {
    session.Tell(path + " has no graph window", "Save Graph as Picture");
    return kExitUnusableInput;
  }
  if (static_cast<std::size_t>(request.window) > count) {
    session.Tell(path + " has " + std::to_string(count) + " graph window" +
                     (count == 1 ? "" : "s") + ", none numbered " + std::to_string(request.window),
                 "Save Graph as Picture");
    return kExitUnusableInput;
  }
  std::unique_ptr<TdvGraphStack>& stack =
      graphs.stacks[static_cast<std::size_t>(request.window - 1)];
  const shell::Size size = request.size ? shell::Size{request.size->first, request.size->second}
                                        : SavedWindowSize(*stack);
  TdvGraphWindow window(*document, std::move(stack), nullptr);
  const std::string refusal = window.SavePicture(*request.output, size);
  if (!refusal.empty()) {
    session.Tell(refusal, "Save Graph as Picture");
    return kExitUnusableInput;
  }
  return kExitSuccess;
}

}  // namespace

int RunCommand(const CliRequest& request, std::ostream& out, std::ostream& errors) {
  switch (request.command) {
    case CliCommand::kHelp:
      PrintUsage(out);
      return kExitSuccess;
    case CliCommand::kVersion:
      PrintVersion(out);
      return kExitSuccess;
    default:
      break;
  }
  CliSession session(errors);
  switch (request.command) {
    case CliCommand::kInfo:
      return Info(session, request, out);
    case CliCommand::kFrames:
      return Frames(session, request, out);
    case CliCommand::kFrame:
      return Frame(session, request, errors);
    case CliCommand::kExport:
      return Export(session, request, out, errors);
    case CliCommand::kResave:
      return Resave(session, request);
    case CliCommand::kGraph:
      return Graph(session, request);
    case CliCommand::kTrack:
      return request.series ? TrackDocument(session, request, errors)
                            : TrackMovie(session, request, out, errors);
    default:
      return kExitUsage;
  }
}

}  // namespace kinovex::cli
