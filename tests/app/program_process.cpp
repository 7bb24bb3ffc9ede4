#include "program_process.h"

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& changes) {
  std::map<std::string, std::string> merged;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::size_t equals = text.find('=');
    if (equals != std::string::npos) {
      merged[text.substr(0, equals)] = text.substr(equals + 1);
    }
  }
  for (const auto& [name, value] : changes) {
    merged[name] = value;
  }
  std::vector<std::string> lines;
  for (const auto& [name, value] : merged) {
    lines.push_back(name + "=" + value);
  }
  return lines;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ProgramProcess::ProgramProcess(const std::vector<std::string>& arguments,
                               const std::map<std::string, std::string>& environment) {
  std::vector<std::string> argv = {KINOVEX_PROGRAM};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envp = MergedEnvironment(environment);
  std::vector<char*> argvPointers = Pointers(argv);
  std::vector<char*> envpPointers = Pointers(envp);
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
    return;
  }
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipeEnds[1], STDERR_FILENO);
    const int nothing = open("/dev/null", O_RDWR);
    dup2(nothing, STDIN_FILENO);
    dup2(nothing, STDOUT_FILENO);
    execve(argvPointers[0], argvPointers.data(), envpPointers.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  errorPipe_ = pipeEnds[0];
}

ProgramProcess::~ProgramProcess() {
  if (pid_ > 0 && !ended_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (errorPipe_ >= 0) {
    close(errorPipe_);
  }
}

bool ProgramProcess::ReadMore(std::chrono::milliseconds timeout) {
  pollfd wanted{errorPipe_, POLLIN, 0};
  if (poll(&wanted, 1, static_cast<int>(timeout.count())) <= 0) {
    return false;
  }
  char buffer[4096];
  const ssize_t got = read(errorPipe_, buffer, sizeof buffer);
  if (got <= 0) {
    return false;
  }
  pending_.append(buffer, static_cast<std::size_t>(got));
  return true;
}

std::optional<std::string> ProgramProcess::WaitForLine(const std::string& prefix,
                                                       std::chrono::milliseconds timeout) {
  const Clock::time_point end = Clock::now() + timeout;
  while (true) {
    std::size_t newline;
    while ((newline = pending_.find('\n')) != std::string::npos) {
      std::string line = pending_.substr(0, newline);
      pending_.erase(0, newline + 1);
      if (line.rfind(prefix, 0) == 0) {
        return line;
      }
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left.count() <= 0 || !ReadMore(left)) {
      return std::nullopt;
    }
  }
}

std::optional<int> ProgramProcess::WaitForExit(std::chrono::milliseconds timeout) {
  const Clock::time_point end = Clock::now() + timeout;
  while (Clock::now() < end) {
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      ended_ = true;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    usleep(10000);
  }
  return std::nullopt;
}
