#include <cstdio>
#include <system_error>

#include "frame/video_motion_window.h"
#include "shell/shell.h"

namespace {

bool KeptAsIs(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '~' || c == '/';
}

}  // namespace

std::string FileUrl(const std::filesystem::path& file) {
  std::string url = "file://";
  for (unsigned char c : std::filesystem::absolute(file).generic_string()) {
    if (KeptAsIs(c)) {
      url += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      url += escaped;
    }
  }
  return url;
}

// Each help context number has its own page; a missing page means the
// pages were not installed beside the program.
void TdvVideoMotionWindow::OpenHelpTopic(int topic) {
  const std::filesystem::path page = helpFolder_ / ("help_" + std::to_string(topic) + ".html");
  std::error_code error;
  if (desktop_ == nullptr || !std::filesystem::is_regular_file(page, error) ||
      !desktop_->OpenUrl(FileUrl(page))) {
    Inform("Please make sure that the help file is in the same directory as Kinovex",
           "Help file not found");
  }
}
