#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "program_process.h"

using namespace std::chrono_literals;

namespace {

constexpr auto kStartTime = 30s;

// Each test gets its own runtime folder, so its programs meet only each
// other.
class SingleInstanceTest : public ::testing::Test {
 protected:
  SingleInstanceTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kx-app-XXXXXX").string();
    folder = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    environment = {{"QT_QPA_PLATFORM", "offscreen"},
                   {"XDG_RUNTIME_DIR", folder},
                   {"USER", "tester"},
                   {"KINOVEX_TRACE", "1"}};
  }
  ~SingleInstanceTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  std::string Door() const { return folder + "/OPEN_KX_FILE-tester"; }

  // A second start with a path must hand it to `first` and end with 0 at
  // once.
  void ExpectHandOver(ProgramProcess& first, const std::string& path) {
    ProgramProcess second({path}, environment);
    ASSERT_TRUE(second.Started());
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(second.WaitForExit(kStartTime), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 15s);
    EXPECT_FALSE(second.WaitForLine("kinovex: listening", 100ms))
        << "the second never opens a door";
    EXPECT_EQ(first.WaitForLine("kinovex: open", 10s), "kinovex: open " + path);
  }

  std::string folder;
  std::map<std::string, std::string> environment;
};

TEST_F(SingleInstanceTest, ASecondStartHandsItsPathToTheRunningProgram) {
  ProgramProcess first({}, environment);
  ASSERT_TRUE(first.Started());
  ASSERT_EQ(first.WaitForLine("kinovex: listening", kStartTime), "kinovex: listening " + Door());
  ExpectHandOver(first, folder + "/ball toss.mov");
}

// A program that crashed leaves its socket file behind, with nobody
// listening on it.
TEST_F(SingleInstanceTest, ADoorLeftByACrashedProgramDoesNotBlockTheNextStart) {
  const int leftOver = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string door = Door();
  ASSERT_LT(door.size(), sizeof address.sun_path);
  door.copy(address.sun_path, door.size());
  ASSERT_EQ(bind(leftOver, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(leftOver);
  ASSERT_TRUE(std::filesystem::exists(door));

  ProgramProcess first({}, environment);
  ASSERT_EQ(first.WaitForLine("kinovex: listening", kStartTime), "kinovex: listening " + door);
  ExpectHandOver(first, folder + "/toss.KVX");
}

}  // namespace
