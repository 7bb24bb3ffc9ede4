#include "cli/cli_session.h"

#include <filesystem>

#include "document/data_object_window.h"
#include "document/file_parser.h"

namespace kinovex::cli {

namespace {

// Only plain files are read: opening a pipe or a device could block the
// tool for good, and a folder reads as nothing.
bool IsPlainFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

CliSession::CliSession(std::ostream& errors) : errors_(errors), backend_(errors) {}

void CliSession::Tell(const std::string& text, const std::string& caption) {
  shell_.Message(shell::MessageKind::kInformation, text, caption);
}

std::unique_ptr<TdvVideoMovie> CliSession::OpenMovie(const std::string& path) {
  if (!IsPlainFile(path)) {
    Tell(kCannotOpenFileMessage, kCannotOpenFileCaption);
    return nullptr;
  }
  TdvVideoOpenResult opened = library_.VideoOpen(path, nullptr);
  if (!opened.movie) {
    Tell(MovieOpenFailureText(opened).value_or(kCannotOpenFileMessage), kCannotOpenFileCaption);
  }
  return std::move(opened.movie);
}

TdvDataObjectWindow* CliSession::OpenDocument(const std::string& path,
                                              const std::optional<std::string>& movie) {
  if (!IsPlainFile(path)) {
    Tell("Problem Opening File", "TdvFileParser");
    return nullptr;
  }
  if (movie) {
    backend_.OfferFile(*movie);
  }
  // The document remembers its own full path, and the movie is looked for
  // beside it: a relative path would tie both to the current folder.
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(path, error);
  TdvFileParser parser(nullptr, &movies_);
  const int shownBefore = backend_.MessagesShown();
  TdvDataObjectWindow* document =
      parser.Parse(TdvFileLocation::FromPath(error ? path : full.string()));
  // A file without a document header gives no document and no message.
  if (document == nullptr && backend_.MessagesShown() == shownBefore) {
    errors_ << "kinovex-cli: " << path << " holds no document\n";
  }
  return document;
}

bool SaveDocumentAs(TdvDataObjectWindow& document, const std::string& path) {
  std::error_code error;
  std::filesystem::path target = std::filesystem::absolute(path, error);
  document.SetLocation(TdvFileLocation::FromPath(error ? path : target.string()), true);
  return document.Save(false);
}

}  // namespace kinovex::cli
