#include "foundation/safe_file_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Lets the first 100 bytes through, then reports a full disk.
ssize_t DiskFullAfter100(int descriptor, const void* bytes, std::size_t count) {
  static std::size_t total = 0;
  if (bytes == nullptr) {
    total = 0;
    return 0;
  }
  if (total >= 100) {
    errno = ENOSPC;
    return -1;
  }
  const std::size_t allowed = std::min<std::size_t>(count, 100 - total);
  total += allowed;
  return ::write(descriptor, bytes, allowed);
}

class SafeFileWriteTest : public ::testing::Test {
 protected:
  SafeFileWriteTest() {
    std::string pattern = (fs::temp_directory_path() / "kinovex-write-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    DiskFullAfter100(-1, nullptr, 0);
  }
  ~SafeFileWriteTest() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  std::string File(const std::string& name) const { return folder_ + "/" + name; }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static void Write(const std::string& path, const std::string& text, mode_t mode) {
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, static_cast<fs::perms>(mode));
  }

  static mode_t Mode(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
  }

  // Everything in the folder: a failed or finished write leaves nothing
  // behind but the files the test made.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string folder_;
};

const std::string kNewText(4096, 'n');

TEST_F(SafeFileWriteTest, FailuresKeepTheOldFileWholeAndLeaveNothingBehind) {
  struct Case {
    const char* what;
    mode_t mode;
    bool diskFull;
  };
  const Case cases[] = {
      {"a disk that fills part way", 0644, true},
      {"a target its owner may not write, whoever writes", 0444, false},
      {"a target nobody may write", 0000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string target = File("data.kvx");
    Write(target, "old text", c.mode);
    DiskFullAfter100(-1, nullptr, 0);
    {
      TdvScopedWriteCall fullDisk(c.diskFull ? &DiskFullAfter100 : &::write);
      EXPECT_FALSE(WriteFileSafely(target, kNewText));
    }
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_EQ(Read(target), "old text");
    EXPECT_EQ(Entries(), std::vector<std::string>{"data.kvx"});
    fs::remove(target);
  }
}

TEST_F(SafeFileWriteTest, ReplacedFilesKeepTheirMode) {
  for (mode_t mode : {0600, 0640, 0755}) {
    SCOPED_TRACE(mode);
    const std::string target = File("kept.kvx");
    Write(target, "old", mode);
    ASSERT_TRUE(WriteFileSafely(target, kNewText));
    EXPECT_EQ(Read(target), kNewText);
    EXPECT_EQ(Mode(target), mode);
    EXPECT_EQ(Entries(), std::vector<std::string>{"kept.kvx"});
  }
}

// The temporary file's name must fit in a folder entry as the target's does.
TEST_F(SafeFileWriteTest, ATargetWithTheLongestNameIsWritten) {
  const std::string target = File(std::string(255, 'l'));
  Write(target, "old", 0644);
  ASSERT_TRUE(WriteFileSafely(target, kNewText));
  EXPECT_EQ(Read(target), kNewText);
  EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(SafeFileWriteTest, NewFilesGetTheModeTheUmaskAllows) {
  const mode_t mask = ::umask(027);
  const bool written = WriteFileSafely(File("new.kvx"), "text");
  ::umask(mask);
  ASSERT_TRUE(written);
  EXPECT_EQ(Mode(File("new.kvx")), 0640u);
}

TEST_F(SafeFileWriteTest, ALinkAsTargetStaysALinkToTheNewText) {
  fs::create_directory(File("real"));
  Write(File("real/data.kvx"), "old", 0600);
  fs::create_symlink("real/data.kvx", File("link.kvx"));
  fs::create_symlink("link.kvx", File("link-to-link.kvx"));
  ASSERT_TRUE(WriteFileSafely(File("link-to-link.kvx"), kNewText));
  EXPECT_TRUE(fs::is_symlink(File("link.kvx")));
  EXPECT_TRUE(fs::is_symlink(File("link-to-link.kvx")));
  EXPECT_EQ(Read(File("real/data.kvx")), kNewText);
  EXPECT_EQ(Mode(File("real/data.kvx")), 0600u);
  EXPECT_EQ(fs::directory_iterator(File("real"))->path().filename(), "data.kvx");

  // A link to a file not yet there makes that file.
  fs::create_symlink("real/made.kvx", File("dangling.kvx"));
  ASSERT_TRUE(WriteFileSafely(File("dangling.kvx"), "made"));
  EXPECT_EQ(Read(File("real/made.kvx")), "made");
  EXPECT_TRUE(fs::is_symlink(File("dangling.kvx")));
}

// Files and links named as temporary files of other schemes are the
// user's: neither written through nor removed.
TEST_F(SafeFileWriteTest, FilesNamedLikeATemporaryFileAreLeftAlone) {
  const std::string target = File("data.kvx");
  Write(target, "old", 0644);
  Write(File("data.kvx.saving"), "mine", 0644);
  Write(File("victim"), "victim", 0644);
  fs::create_symlink("victim", File(".data.kvx.XXXXXX"));
  ASSERT_TRUE(WriteFileSafely(target, kNewText));
  ASSERT_TRUE(WriteFileSafely(target, kNewText + "again"));
  EXPECT_EQ(Read(target), kNewText + "again");
  EXPECT_EQ(Read(File("data.kvx.saving")), "mine");
  EXPECT_EQ(Read(File("victim")), "victim");
  EXPECT_EQ(Entries(), (std::vector<std::string>{".data.kvx.XXXXXX", "data.kvx", "data.kvx.saving",
                                                 "victim"}));
}

}  // namespace
