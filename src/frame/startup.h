#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "shell/desktop_services.h"

class TdvShell;

namespace kinovex {
class TdvVideoLibrary;
}

// What the program starts with.
struct TdvStartup {
  // The path to open; empty starts with the About box and the Startup
  // dialog.
  std::string commandLine;
  std::filesystem::path helpFolder;
  // Where the first file dialog of a session opens.
  std::filesystem::path samplesFolder;
  // The door of the single running program (InstanceDoorName).
  std::string instanceDoor;
  kinovex::TdvVideoLibrary* videoLibrary = nullptr;
  shell::DesktopServices* desktop = nullptr;
  // Told "listening <door>" once a second start can reach this program,
  // and "open <path>" for each path it is asked to open; may be empty.
  std::function<void(const std::string&)> trace;
};

// Starts the program on the shell's backend and runs it until the frame
// is gone; the program's exit code. A second start hands its path to the
// program already running and ends at once with 0.
int RunKinovex(TdvShell& shell, const TdvStartup& startup);

// One door per user; inside the user's runtime folder when there is one.
std::string InstanceDoorName(const char* user, const char* runtimeFolder);
