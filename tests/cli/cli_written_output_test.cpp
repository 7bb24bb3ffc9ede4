// What the tool writes is never lost without a word: files it writes
// replace the old ones only when whole, and an export that standard output
// cannot take is reported.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "analysis_maker.h"
#include "cli_test_support.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex::testing {
namespace {

namespace fs = std::filesystem;

class CliWrittenOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestMovieRecipe request;
    request.path = File("clip.mp4");
    request.frameCount = 4;
    ASSERT_TRUE(MakeTestMovie(request).ok);
    ASSERT_FALSE(SaveAnalysis(File("throw.kvx"), File("clip.mp4")).empty());
  }

  std::string File(const std::string& name) { return folder.File(name); }
  CliRun Run(const std::vector<std::string>& args) { return RunCli(args, File("")); }

  // Both commands that write a file the user names.
  static std::vector<std::vector<std::string>> Writers(const std::string& target) {
    return {{"export", "throw.kvx", "-o", target}, {"frame", "clip.mp4", "0", "-o", target}};
  }

  TestFolder folder;
};

TEST_F(CliWrittenOutputTest, AFileItsOwnerMayNotWriteIsKept) {
  for (const auto& args : Writers("kept.txt")) {
    SCOPED_TRACE(args[0]);
    fs::remove(File("kept.txt"));
    std::ofstream(File("kept.txt")) << "old";
    fs::permissions(File("kept.txt"), fs::perms(0444));
    CliRun run = Run(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(ReadWhole(File("kept.txt")), "old");
  }
}

TEST_F(CliWrittenOutputTest, AnExportStandardOutputCannotTakeIsReported) {
  const std::string command = "cd '" + File("") + "' && '" + KINOVEX_CLI +
                              "' export throw.kvx >/dev/full 2>'" + File("err.txt") + "'";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 2);
  EXPECT_NE(ReadWhole(File("err.txt")).find("Could not write"), std::string::npos)
      << ReadWhole(File("err.txt"));
}

}  // namespace
}  // namespace kinovex::testing
