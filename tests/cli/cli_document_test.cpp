// kinovex-cli on analyses saved by the program: export and resave, the
// movie found where the program finds it, and the messages when it is not.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "analysis_maker.h"
#include "cli_test_support.h"
#include "movie_generator.h"
#include "test_folder.h"

namespace kinovex::testing {
namespace {

namespace fs = std::filesystem;

class CliDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(File("lab"));
    TestMovieRecipe request;
    request.path = File("lab/clip.mp4");
    request.frameCount = 8;
    ASSERT_TRUE(MakeTestMovie(request).ok);
    exported = SaveAnalysis(File("lab/throw.kvx"), File("lab/clip.mp4"));
    ASSERT_FALSE(exported.empty());
  }

  std::string File(const std::string& name) { return folder.File(name); }
  CliRun Run(const std::vector<std::string>& args) { return RunCli(args, File("")); }

  TestFolder folder;
  std::string exported;  // the document's export when it was saved
};

TEST_F(CliDocumentTest, ExportEqualsTheProgramsOwnExport) {
  CliRun run = Run({"export", "lab/throw.kvx"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  EXPECT_EQ(run.out, ReopenedExport(File("lab/throw.kvx")));
  EXPECT_EQ(ItemLines(run.out), ItemLines(exported));
  EXPECT_EQ(ItemLines(run.out).size(), 3u);
  EXPECT_EQ(run.out.rfind("Tab separated output for use with excel or other spreadsheet\n", 0), 0u);
  EXPECT_NE(run.out.find("\nBall\t\t\t"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\nMarker\t\t\t"), std::string::npos);
}

TEST_F(CliDocumentTest, ResaveKeepsTheAnalysisAndIsStable) {
  ASSERT_EQ(Run({"resave", "lab/throw.kvx", "once.kvx"}).status, 0);
  ASSERT_EQ(Run({"resave", "once.kvx", "twice.kvx"}).status, 0);
  const std::string once = ReadWhole(File("once.kvx"));
  EXPECT_EQ(once.rfind("V[2 1 2];\r\nP[-2];\r\nD[", 0), 0u) << once.substr(0, 40);
  EXPECT_EQ(once, ReadWhole(File("twice.kvx")));
  // A movie opened without a window has no window rectangle to save.
  EXPECT_EQ(once.find("r(200x"), std::string::npos);
  CliRun again = Run({"export", "twice.kvx"});
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, ReopenedExport(File("lab/throw.kvx")));
}

TEST_F(CliDocumentTest, ResaveToAPlaceThatCannotBeWritten) {
  CliRun run = Run({"resave", "lab/throw.kvx", File("gone/out.kvx")});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "kinovex-cli: Problem Saving File: May be Read-Only File or Volume\n");
}

TEST_F(CliDocumentTest, MovieMovedWithItsDocumentIsFoundBesideIt) {
  fs::rename(File("lab"), File("moved"));
  CliRun run = Run({"export", "moved/throw.kvx"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  EXPECT_EQ(ItemLines(run.out), ItemLines(exported));
  // Saved again, the document names the movie where it was found.
  ASSERT_EQ(Run({"resave", "moved/throw.kvx", "moved/again.kvx"}).status, 0);
  EXPECT_NE(ReadWhole(File("moved/again.kvx")).find("\"" + File("moved/clip.mp4") + "\""),
            std::string::npos);
}

TEST_F(CliDocumentTest, MissingMovieIsReportedAndNothingIsWritten) {
  fs::rename(File("lab/clip.mp4"), File("clip.mp4"));
  CliRun run = Run({"export", "lab/throw.kvx", "-o", "data.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "kinovex-cli: Movie: clip.mp4 not found: Do you want to look for it? (no)\n");
  EXPECT_FALSE(fs::exists(File("data.txt")));
  CliRun resave = Run({"resave", "lab/throw.kvx", "out.kvx"});
  EXPECT_EQ(resave.status, 2);
  EXPECT_FALSE(fs::exists(File("out.kvx")));
}

TEST_F(CliDocumentTest, UnreadableDocumentIsReported) {
  ASSERT_EQ(mkfifo(File("pipe.kvx").c_str(), 0600), 0);
  for (const char* path : {"none.kvx", "pipe.kvx", "lab"}) {
    CliRun run = Run({"export", path});
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_EQ(run.err, "kinovex-cli: TdvFileParser: Problem Opening File\n");
  }
  std::ofstream(File("notes.kvx")) << "just some notes";
  CliRun notes = Run({"resave", "notes.kvx", "out.kvx"});
  EXPECT_EQ(notes.status, 2);
  EXPECT_EQ(notes.err, "kinovex-cli: notes.kvx holds no document\n");
  EXPECT_FALSE(fs::exists(File("out.kvx")));
}

}  // namespace
}  // namespace kinovex::testing
