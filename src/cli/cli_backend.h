#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "shell/headless_backend.h"
#include "shell/qt/offscreen_pictures.h"

namespace kinovex::cli {

// The headless backend with nobody in front of it: every message box
// becomes a line on the error stream, and the questions the program asks
// are answered from the command line. Without a file to offer, every
// question is declined and every file dialog cancelled.
class CliBackend : public shell::HeadlessBackend {
 public:
  explicit CliBackend(std::ostream& errors);

  // The file the next file dialog chooses (--movie); while it is unused,
  // questions are answered with OK so that the program comes to ask.
  void OfferFile(const std::string& path) { offered_ = path; }
  // How many message boxes the program has shown.
  int MessagesShown() const { return shown_; }

  shell::MessageAnswer ShowMessage(shell::MessageKind kind, const std::string& text,
                                   const std::string& caption) override;
  std::optional<std::string> AskOpenFile(const shell::FileDialogSpec& request) override;
  std::optional<std::string> AskSaveFile(const shell::FileDialogSpec& request) override;
  // Pictures are drawn by Qt on its offscreen platform, started for the first one.
  std::string WritePictureFile(const std::string& path, shell::Size size,
                               const shell::PictureDrawing& draw) override;

 private:
  std::ostream& errors_;
  std::optional<std::string> offered_;
  int shown_ = 0;
  std::unique_ptr<shell::qt::OffscreenPictures> pictures_;
};

}  // namespace kinovex::cli
