// What kinovex-cli makes of its command line: usage errors end with status
// 1 before anything is opened; times are units or seconds.
#include <gtest/gtest.h>

#include "cli/cli_arguments.h"
#include "cli_test_support.h"
#include "test_folder.h"

namespace kinovex::cli {
namespace {

TEST(CliArguments, WrongCommandLinesAreRefused) {
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"play", "m.mov"},
      {"info"},
      {"info", "a.mov", "b.mov"},
      {"info", "m.mov", "-o", "x"},
      {"frames", "m.mov", "--movie", "x"},
      {"frame", "m.mov", "0"},
      {"frame", "m.mov", "-o", "f.png"},
      {"export", "d.kvx", "-o"},
      {"export", "d.kvx", "-o", "a", "-o", "b"},
      {"export", "d.kvx", "--quiet"},
      {"resave", "d.kvx"},
      {"resave", "d.kvx", "o.kvx", "-o", "x"},
      {"--help", "info"},
      {"--version", "x"},
  };
  for (const auto& args : wrong) {
    CliParse parse = ParseArguments(args);
    EXPECT_FALSE(parse.request) << ::testing::PrintToString(args);
    EXPECT_FALSE(parse.error.empty());
  }
}

TEST(CliArguments, TimesInUnitsOrSeconds) {
  EXPECT_EQ(ParseMovieTime("1200", 600), 1200);
  EXPECT_EQ(ParseMovieTime("-20", 600), -20);
  EXPECT_EQ(ParseMovieTime("2.5s", 600), 1500);
  EXPECT_EQ(ParseMovieTime("0.0334s", 30000), 1002);
  for (const char* wrong : {"", "s", "1.5", "12x", "abc", "1e12s", "99999999999", "nans", "1 s"}) {
    EXPECT_FALSE(ParseMovieTime(wrong, 600)) << wrong;
  }
}

class CliUsageRun : public ::testing::Test {
 protected:
  testing::CliRun Run(const std::vector<std::string>& args) {
    return testing::RunCli(args, folder.File(""));
  }
  testing::TestFolder folder;
};

TEST_F(CliUsageRun, WrongUsageEndsWithStatusOneAndAHint) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"nonsense"}, {"info"}, {"frame", "m.mov", "0"}, {"export", "d.kvx", "--x"}}) {
    testing::CliRun run = Run(args);
    EXPECT_EQ(run.status, 1) << ::testing::PrintToString(args);
    EXPECT_NE(run.err.find("Try 'kinovex-cli --help'."), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

}  // namespace
}  // namespace kinovex::cli
