// The desktop program. Setting KINOVEX_TRACE to any non-empty value makes
// it write one line to the standard error per start-up milestone that a
// test may wait for: "kinovex: listening <door>" once a second start can
// reach it, and "kinovex: open <path>" for each path it is asked to open.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include <unistd.h>

#include "frame/startup.h"
#include "movie/ffmpeg/ffmpeg_video_library.h"
#include "movie/ffmpeg/movie_memory.h"
#include "shell/qt/qt_backend.h"
#include "shell/qt/qt_desktop.h"
#include "shell/shell.h"

namespace {

std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    program = std::filesystem::absolute(argv0, error);
  }
  return program.parent_path();
}

// The whole command line is one path, spaces and all.
std::string CommandLine(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) {
      line += ' ';
    }
    line += argv[i];
  }
  return line;
}

// The user the door belongs to, as the login knows them.
std::string UserName() {
  for (const char* variable : {"USER", "LOGNAME"}) {
    const char* name = std::getenv(variable);
    if (name != nullptr && *name != '\0') {
      return name;
    }
  }
  return std::to_string(getuid());
}

void Trace(const std::string& line) {
  std::cerr << "kinovex: " << line << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
  kinovex::SetMovieMemoryOptions();
  shell::qt::QtBackend backend(argc, argv);
  TdvShell shell(backend);
  shell::qt::QtDesktop desktop;
  kinovex::TdvFfmpegVideoLibrary videoLibrary;

  TdvStartup startup;
  startup.commandLine = CommandLine(argc, argv);
  startup.helpFolder = ProgramFolder(argv[0]) / "help";
  startup.samplesFolder = ProgramFolder(argv[0]) / "samples";
  startup.instanceDoor = InstanceDoorName(UserName().c_str(), std::getenv("XDG_RUNTIME_DIR"));
  startup.videoLibrary = &videoLibrary;
  startup.desktop = &desktop;
  const char* trace = std::getenv("KINOVEX_TRACE");
  if (trace != nullptr && *trace != '\0') {
    startup.trace = Trace;
  }
  return RunKinovex(shell, startup);
}
