// What kinovex-cli makes of its command line: usage errors end with status
// 1 before anything is opened; times are units or seconds.
#include <gtest/gtest.h>

#include "cli/cli_arguments.h"
#include "cli_test_support.h"
#include "test_folder.h"

namespace kinovex::cli {
namespace {

TEST(CliArguments, OptionsMayStandAnywhereAfterTheCommand) {
  CliParse parse = ParseArguments({"export", "-o", "out.txt", "doc.kvx", "--movie", "m.mov"});
  ASSERT_TRUE(parse.request) << parse.error;
  EXPECT_EQ(parse.request->command, CliCommand::kExport);
  EXPECT_EQ(parse.request->operands, std::vector<std::string>{"doc.kvx"});
  EXPECT_EQ(parse.request->output, "out.txt");
  EXPECT_EQ(parse.request->movie, "m.mov");
}

TEST(CliArguments, NegativeTimeIsAnOperandNotAnOption) {
  CliParse parse = ParseArguments({"frame", "m.mov", "-20", "-o", "f.png"});
  ASSERT_TRUE(parse.request) << parse.error;
  EXPECT_EQ(parse.request->operands, (std::vector<std::string>{"m.mov", "-20"}));
}

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

TEST(CliArguments, QuantitiesByCodeShortOrFullName) {
  CliParse parse =
      ParseArguments({"export", "d.kvx", "--quantities", "x-vel.,y-acceleration,30,10"});
  ASSERT_TRUE(parse.request) << parse.error;
  EXPECT_EQ(parse.request->quantities, (std::vector<int>{8, 16, 30, 10}));
  for (const char* wrong : {"", "x-vel", "0", "45", "8,,9", "X-VEL.", " x-vel."}) {
    EXPECT_FALSE(ParseArguments({"export", "d.kvx", "--quantities", wrong}).request) << wrong;
  }
  EXPECT_FALSE(ParseArguments({"resave", "d.kvx", "o.kvx", "--quantities", "8"}).request);
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

TEST_F(CliUsageRun, HelpAndVersion) {
  testing::CliRun help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* line : {"kinovex-cli info MOVIE", "kinovex-cli frames MOVIE",
                           "kinovex-cli frame MOVIE TIME -o FILE.png", "kinovex-cli export DOC.kvx",
                           "kinovex-cli resave DOC.kvx OUT.kvx"}) {
    EXPECT_NE(help.out.find(line), std::string::npos) << line;
  }
  testing::CliRun version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.out.find("Kinovex 2.1"), std::string::npos);
}

}  // namespace
}  // namespace kinovex::cli
