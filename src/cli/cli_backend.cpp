#include "cli/cli_backend.h"

#include <utility>

namespace kinovex::cli {

CliBackend::CliBackend(std::ostream& errors) : errors_(errors) {
  // A modal dialog or print job nobody scripted is a fault of the program,
  // not of the input: say so and carry on with the refusal.
  SetFailureHandler(
      [this](const std::string& fault) { errors_ << "kinovex-cli: internal: " << fault << '\n'; });
}

shell::MessageAnswer CliBackend::ShowMessage(shell::MessageKind kind, const std::string& text,
                                             const std::string& caption) {
  shell::MessageAnswer answer = shell::MessageAnswer::kOk;
  if (kind == shell::MessageKind::kConfirmation) {
    answer = offered_ ? shell::MessageAnswer::kOk : shell::MessageAnswer::kCancel;
  } else if (kind == shell::MessageKind::kSavePrompt) {
    answer = shell::MessageAnswer::kNo;
  }
  ++shown_;
  errors_ << "kinovex-cli: " << caption << ": " << text;
  if (kind != shell::MessageKind::kInformation) {
    errors_ << (answer == shell::MessageAnswer::kOk ? " (OK)" : " (no)");
  }
  errors_ << '\n';
  return answer;
}

std::optional<std::string> CliBackend::AskOpenFile(const shell::FileDialogSpec&) {
  return std::exchange(offered_, std::nullopt);
}

std::optional<std::string> CliBackend::AskSaveFile(const shell::FileDialogSpec&) {
  return std::nullopt;
}

std::string CliBackend::WritePictureFile(const std::string& path, shell::Size size,
                                         const shell::PictureDrawing& draw) {
  if (std::string refusal = shell::PictureFileRefusal(path, size); !refusal.empty()) {
    return refusal;
  }
  if (!pictures_) {
    pictures_ = std::make_unique<shell::qt::OffscreenPictures>();
  }
  return pictures_->Write(path, size, draw);
}

}  // namespace kinovex::cli
