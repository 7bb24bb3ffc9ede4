#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The help pages shipped beside the program: a missing page or a broken link
// only shows up on a user's screen, so they are checked here.

namespace {

namespace fs = std::filesystem;

// Given by the test's environment: __FILE__ may be relative under a compiler
// cache.
fs::path RepositoryRoot() {
  const char* source = std::getenv("KINOVEX_SOURCE_DIR");
  return fs::path(source != nullptr ? source : ".");
}

fs::path Resources() {
  return RepositoryRoot() / "resources";
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<fs::path> FilesWithExtension(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == extension) {
      found.push_back(entry.path());
    }
  }
  return found;
}

// Every help context number a window sets must have its page; number 1 is
// also what Contents and F1 without an active window open.
TEST(HelpPages, EveryContextNumberSetInTheSourcesHasItsPage) {
  static const std::regex kContext(R"([Hh]elp_?[Cc]ontext\w*\s*=\s*(\d+))");
  std::set<std::string> numbers = {"1"};
  for (const auto& extension : {".h", ".cpp"}) {
    for (const auto& source : FilesWithExtension(RepositoryRoot() / "src", extension)) {
      std::string text = ReadFile(source);
      for (std::sregex_iterator it(text.begin(), text.end(), kContext), end; it != end; ++it) {
        numbers.insert((*it)[1].str());
      }
    }
  }
  for (const auto& number : numbers) {
    EXPECT_TRUE(fs::exists(Resources() / "help" / ("help_" + number + ".html")))
        << "help context " << number << " has no page";
  }
}

// The pages open from the local disk in whatever browser the user has:
// no scripts, nothing fetched from elsewhere, and every link lands.
TEST(HelpPages, StayLocalAndEveryLinkLands) {
  static const std::regex kLink(R"((href|src)="([^"]*)\")");
  for (const auto& page : FilesWithExtension(Resources() / "help", ".html")) {
    std::string text = ReadFile(page);
    EXPECT_EQ(text.find("<script"), std::string::npos) << page;
    EXPECT_NE(text.find("href=\"kinovex.css\""), std::string::npos) << page;
    for (std::sregex_iterator it(text.begin(), text.end(), kLink), end; it != end; ++it) {
      std::string target = (*it)[2].str();
      EXPECT_EQ(target.find(':'), std::string::npos) << page << " leaves the help: " << target;
      size_t hash = target.find('#');
      std::string file = target.substr(0, hash);
      fs::path linked = file.empty() ? page : page.parent_path() / file;
      ASSERT_TRUE(fs::exists(linked)) << page << " links to missing " << target;
      if (hash != std::string::npos) {
        std::string anchor = "id=\"" + target.substr(hash + 1) + "\"";
        EXPECT_NE(ReadFile(linked).find(anchor), std::string::npos)
            << page << " links to missing anchor " << target;
      }
    }
  }
}

}  // namespace
