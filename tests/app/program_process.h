#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

// The desktop program started as a child process, its standard error read
// line by line. The process is killed when the object goes.
class ProgramProcess {
 public:
  ProgramProcess(const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& environment);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // Waits for a line of standard error that starts with `prefix`; the
  // whole line, or none when the time ran out or the program ended first.
  std::optional<std::string> WaitForLine(const std::string& prefix,
                                         std::chrono::milliseconds timeout);
  // The exit code once the program ended by itself within `timeout`.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

 private:
  bool ReadMore(std::chrono::milliseconds timeout);

  pid_t pid_ = -1;
  int errorPipe_ = -1;
  std::string pending_;
  bool ended_ = false;
};
