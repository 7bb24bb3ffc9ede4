#include "cli/cli_session.h"

#include <filesystem>

#include "document/data_object_window.h"
#include "document/file_parser.h"

namespace kinovex::cli {

CliSession::CliSession(std::ostream& errors) : backend_(errors) {}

void CliSession::Tell(const std::string& text, const std::string& caption) {
  shell_.Message(shell::MessageKind::kInformation, text, caption);
}

std::unique_ptr<TdvVideoMovie> CliSession::OpenMovie(const std::string& path) {
  TdvVideoOpenResult opened = library_.VideoOpen(path, nullptr);
  if (!opened.movie) {
    Tell(MovieOpenFailureText(opened).value_or(kCannotOpenFileMessage), kCannotOpenFileCaption);
  }
  return std::move(opened.movie);
}

TdvDataObjectWindow* CliSession::OpenDocument(const std::string& path,
                                              const std::optional<std::string>& movie) {
  if (movie) {
    backend_.OfferFile(*movie);
  }
  // The document remembers its own full path, and the movie is looked for
  // beside it: a relative path would tie both to the current folder.
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(path, error);
  TdvFileParser parser(nullptr, &movies_);
  return parser.Parse(TdvFileLocation::FromPath(error ? path : full.string()));
}

}  // namespace kinovex::cli
