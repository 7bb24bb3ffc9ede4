#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// The files shipped beside the program: help pages, tool bar icons, marker
// sheets and artwork. A missing help page or a picture that does not parse
// only shows up on a user's screen, so they are checked here.

namespace {

namespace fs = std::filesystem;

fs::path RepositoryRoot() {
  return fs::path(__FILE__).parent_path().parent_path().parent_path();
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

// Enough of XML to tell whether a picture parses: nesting, attribute syntax,
// references, one root. Answers the empty text for a well-formed document.
class XmlCheck {
 public:
  explicit XmlCheck(std::string_view text) : s_(text) { fault_ = Run(); }

  const std::string& Fault() const { return fault_; }
  const std::string& RootName() const { return rootName_; }
  std::string RootAttribute(const std::string& name) const {
    auto it = rootAttributes_.find(name);
    return it == rootAttributes_.end() ? std::string() : it->second;
  }

 private:
  std::string Run() {
    while (pos_ < s_.size()) {
      if (s_[pos_] != '<') {
        if (std::string fault = Text(); !fault.empty())
          return fault;
        continue;
      }
      std::string fault;
      if (Starts("<?")) {
        fault = SkipPast("?>");
      } else if (Starts("<!--")) {
        fault = SkipPast("-->");
      } else if (Starts("</")) {
        fault = EndTag();
      } else {
        fault = StartTag();
      }
      if (!fault.empty())
        return fault;
    }
    if (!open_.empty())
      return "unclosed <" + open_.back() + ">";
    if (rootName_.empty())
      return "no root element";
    return "";
  }

  bool Starts(std::string_view prefix) const { return s_.substr(pos_, prefix.size()) == prefix; }

  std::string SkipPast(std::string_view end) {
    size_t at = s_.find(end, pos_);
    if (at == std::string_view::npos)
      return "unterminated " + std::string(s_.substr(pos_, 4));
    pos_ = at + end.size();
    return "";
  }

  std::string Text() {
    for (; pos_ < s_.size() && s_[pos_] != '<'; ++pos_) {
      if (s_[pos_] == '&') {
        if (std::string fault = Reference(); !fault.empty())
          return fault;
      } else if (open_.empty() && !std::isspace(static_cast<unsigned char>(s_[pos_]))) {
        return "text outside the root element";
      }
    }
    return "";
  }

  std::string Reference() {
    static const std::regex kReference("&(amp|lt|gt|quot|apos|#[0-9]+|#x[0-9a-fA-F]+);");
    size_t end = s_.find(';', pos_);
    if (end == std::string_view::npos ||
        !std::regex_match(std::string(s_.substr(pos_, end - pos_ + 1)), kReference)) {
      return "bad reference at offset " + std::to_string(pos_);
    }
    pos_ = end;
    return "";
  }

  std::string Name() {
    size_t start = pos_;
    auto isNameChar = [](char c) {
      return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':' || c == '-' ||
             c == '.';
    };
    if (pos_ < s_.size() &&
        (std::isalpha(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_')) {
      while (pos_ < s_.size() && isNameChar(s_[pos_]))
        ++pos_;
    }
    return std::string(s_.substr(start, pos_ - start));
  }

  void SkipSpace() {
    while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_])))
      ++pos_;
  }

  std::string EndTag() {
    pos_ += 2;
    std::string name = Name();
    SkipSpace();
    if (pos_ >= s_.size() || s_[pos_] != '>')
      return "bad end tag </" + name;
    ++pos_;
    if (open_.empty() || open_.back() != name)
      return "</" + name + "> closes nothing open";
    open_.pop_back();
    return "";
  }

  std::string StartTag() {
    ++pos_;
    std::string name = Name();
    if (name.empty())
      return "bad tag at offset " + std::to_string(pos_);
    if (open_.empty() && !rootName_.empty())
      return "second root element <" + name + ">";
    std::map<std::string, std::string> attributes;
    for (;;) {
      SkipSpace();
      if (pos_ >= s_.size())
        return "unterminated <" + name;
      if (s_[pos_] == '>' || Starts("/>"))
        break;
      std::string attribute = Name();
      if (attribute.empty())
        return "bad attribute in <" + name + ">";
      SkipSpace();
      if (pos_ >= s_.size() || s_[pos_] != '=')
        return "attribute without value in <" + name + ">";
      ++pos_;
      SkipSpace();
      if (pos_ >= s_.size() || (s_[pos_] != '"' && s_[pos_] != '\'')) {
        return "unquoted attribute in <" + name + ">";
      }
      char quote = s_[pos_++];
      size_t end = s_.find(quote, pos_);
      if (end == std::string_view::npos)
        return "unterminated attribute in <" + name + ">";
      std::string_view value = s_.substr(pos_, end - pos_);
      if (value.find('<') != std::string_view::npos)
        return "'<' in an attribute of <" + name + ">";
      if (!attributes.emplace(attribute, std::string(value)).second) {
        return "repeated attribute " + attribute + " in <" + name + ">";
      }
      pos_ = end + 1;
    }
    if (rootName_.empty()) {
      rootName_ = name;
      rootAttributes_ = attributes;
    }
    if (Starts("/>")) {
      pos_ += 2;
    } else {
      ++pos_;
      open_.push_back(name);
    }
    return "";
  }

  std::string_view s_;
  size_t pos_ = 0;
  std::vector<std::string> open_;
  std::string rootName_;
  std::map<std::string, std::string> rootAttributes_;
  std::string fault_;
};

TEST(XmlCheck, TellsWellFormedFromBroken) {
  EXPECT_EQ(XmlCheck("<?xml version=\"1.0\"?><a x='1'><b/><!-- c --> &amp; &#65;</a>").Fault(), "");
  EXPECT_NE(XmlCheck("<a><b></a></b>").Fault(), "");
  EXPECT_NE(XmlCheck("<a x=1/>").Fault(), "");
  EXPECT_NE(XmlCheck("<a x='1' x='2'/>").Fault(), "");
  EXPECT_NE(XmlCheck("<a>AT&T</a>").Fault(), "");
  EXPECT_NE(XmlCheck("<a/><b/>").Fault(), "");
  EXPECT_NE(XmlCheck("<a>").Fault(), "");
  EXPECT_NE(XmlCheck("").Fault(), "");
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

TEST(HelpPages, ReadmeListsExactlyThePagesOfContextNumbers) {
  std::string readme = ReadFile(Resources() / "help" / "README.md");
  static const std::regex kRow(R"(\|\s*(\d+)\s*\|[^\n]*`help_(\d+)\.html`)");
  std::set<std::string> listed;
  for (std::sregex_iterator it(readme.begin(), readme.end(), kRow), end; it != end; ++it) {
    EXPECT_EQ((*it)[1].str(), (*it)[2].str()) << "a row maps a number to another number's page";
    listed.insert((*it)[2].str());
  }
  std::set<std::string> present;
  static const std::regex kPage(R"(help_(\d+)\.html)");
  for (const auto& page : FilesWithExtension(Resources() / "help", ".html")) {
    std::smatch match;
    std::string name = page.filename().string();
    if (std::regex_match(name, match, kPage))
      present.insert(match[1].str());
  }
  EXPECT_EQ(listed, present);
  EXPECT_TRUE(present.count("1"));
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

TEST(Pictures, EverySvgIsWellFormedWithItsSize) {
  std::vector<fs::path> pictures = FilesWithExtension(Resources(), ".svg");
  ASSERT_FALSE(pictures.empty());
  for (const auto& picture : pictures) {
    XmlCheck check(ReadFile(picture));
    EXPECT_EQ(check.Fault(), "") << picture;
    EXPECT_EQ(check.RootName(), "svg") << picture;
    EXPECT_NE(check.RootAttribute("width"), "") << picture;
    EXPECT_NE(check.RootAttribute("height"), "") << picture;
  }
}

// The marker cells are cut at fixed pixel offsets, and the tool buttons
// expect square icons: a change of a sheet's size breaks every marker.
TEST(Pictures, SheetsAndIconsHaveTheSizesTheirUsersCutBy) {
  const std::map<std::string, std::pair<std::string, std::string>> sizes = {
      {"markers/marker_sheet.svg", {"225", "240"}},
      {"markers/marker_masks.svg", {"150", "49"}},
      {"markers/colour_swatches.svg", {"136", "17"}},
      {"artwork/about.svg", {"298", "348"}},
  };
  for (const auto& [file, size] : sizes) {
    XmlCheck check(ReadFile(Resources() / file));
    EXPECT_EQ(check.RootAttribute("width"), size.first) << file;
    EXPECT_EQ(check.RootAttribute("height"), size.second) << file;
  }
  std::string readme = ReadFile(Resources() / "icons" / "README.md");
  std::vector<fs::path> icons = FilesWithExtension(Resources() / "icons", ".svg");
  EXPECT_EQ(icons.size(), 21u) << "the tool bar's and the document windows'";
  for (const auto& icon : icons) {
    XmlCheck check(ReadFile(icon));
    EXPECT_EQ(check.RootAttribute("viewBox"), "0 0 32 32") << icon;
    EXPECT_NE(readme.find("`" + icon.filename().string() + "`"), std::string::npos)
        << icon << " is not in the tables";
  }
}

}  // namespace
