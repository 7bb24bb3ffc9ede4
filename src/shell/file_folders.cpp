#include <filesystem>

#include "shell/shell.h"

std::string InitialFolder(const std::string& documentFolder, const std::string& lastFolder,
                          const std::string& samplesFolder) {
  for (const std::string* folder : {&documentFolder, &lastFolder, &samplesFolder}) {
    if (!folder->empty()) {
      return *folder;
    }
  }
  return {};
}

std::optional<std::string> TdvShell::AskOpenFile(shell::FileDialogSpec request) {
  return AskFile(std::move(request), false);
}

std::optional<std::string> TdvShell::AskSaveFile(shell::FileDialogSpec request) {
  return AskFile(std::move(request), true);
}

std::optional<std::string> TdvShell::AskFile(shell::FileDialogSpec request, bool save) {
  if (request.initialFolder.empty()) {
    request.initialFolder = InitialFolder(documentFolder_ ? documentFolder_() : std::string(),
                                          lastFolder_, samplesFolder_);
  }
  std::optional<std::string> chosen =
      save ? backend_.AskSaveFile(request) : backend_.AskOpenFile(request);
  if (chosen && !chosen->empty()) {
    lastFolder_ = std::filesystem::path(*chosen).parent_path().string();
  }
  return chosen;
}
