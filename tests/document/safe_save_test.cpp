// Saving and Export Data never leave a partial file in place of a good one,
// keep the file's mode, and write through a symbolic link.
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "document_fixture.h"
#include "foundation/safe_file_write.h"

namespace {

using shell::MessageAnswer;
namespace fs = std::filesystem;

ssize_t FullDisk(int descriptor, const void* bytes, std::size_t count) {
  if (count > 16) {
    return ::write(descriptor, bytes, 16);
  }
  errno = ENOSPC;
  return -1;
}

class SafeSaveTest : public DocumentTest {
 protected:
  // The two ways the program writes a file the user chose, each with the
  // message its failure gives.
  struct Writer {
    const char* what;
    bool asksToOverwrite;
    std::function<bool(TdvDataObjectWindow&)> act;
    std::function<std::string(const std::string&)> failureText;
    const char* failureCaption;
  };

  static std::vector<Writer> Writers() {
    return {
        {"Save", true, [](TdvDataObjectWindow& doc) { return doc.Save(true); },
         [](const std::string&) { return std::string("May be Read-Only File or Volume"); },
         "Problem Saving File"},
        {"Export Data", false,
         [](TdvDataObjectWindow& doc) {
           doc.ExportData();
           return true;
         },
         [](const std::string& path) { return "Could not create " + path; }, "Export Data"},
    };
  }

  // The user chooses path, confirms overwriting it, and is told of a
  // failure when one is expected.
  bool Write(const Writer& writer, TdvDataObjectWindow& doc, const std::string& path, bool fails) {
    backend.QueueFileAnswer(path);
    if (writer.asksToOverwrite && fs::exists(path)) {
      backend.ExpectMessage("Overwrite File?", MessageAnswer::kOk, "File Already Exists");
    }
    if (fails) {
      backend.ExpectMessage(writer.failureText(path), MessageAnswer::kOk, writer.failureCaption);
    }
    return writer.act(doc);
  }

  TdvDataObjectWindow* DocumentWithABall() {
    TdvDataObjectWindow* doc = NewDocument();
    AddPoint(*doc, "Ball")->TakeData(10, -20, 0);
    return doc;
  }

  static mode_t Mode(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
  }
};

TEST_F(SafeSaveTest, AFailedWriteKeepsTheOldFileByteForByte) {
  for (const Writer& writer : Writers()) {
    for (bool fullDisk : {true, false}) {
      SCOPED_TRACE(std::string(writer.what) + (fullDisk ? ", full disk" : ", read-only file"));
      TdvDataObjectWindow* doc = DocumentWithABall();
      const std::string path = Path("kept.kvx");
      const std::string old(300, 'o');
      WriteFile(path, old);
      fs::permissions(path, fullDisk ? fs::perms(0644) : fs::perms(0444));
      {
        TdvScopedWriteCall write(fullDisk ? &FullDisk : &::write);
        Write(writer, *doc, path, true);
      }
      EXPECT_EQ(ReadFile(path), old);
      EXPECT_EQ(fs::directory_iterator(Folder())->path().filename(), "kept.kvx");
      EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
      EXPECT_TRUE(doc->modified);
      fs::remove(path);
      doc->modified = false;
      doc->CloseWindow();
    }
  }
}

TEST_F(SafeSaveTest, AWrittenFileKeepsItsModeAndItsLink) {
  for (const Writer& writer : Writers()) {
    SCOPED_TRACE(writer.what);
    TdvDataObjectWindow* doc = DocumentWithABall();
    fs::create_directories(Path("real"));
    WriteFile(Path("real/data.kvx"), "old");
    fs::permissions(Path("real/data.kvx"), fs::perms(0600));
    fs::create_symlink("real/data.kvx", Path("link.kvx"));
    ASSERT_TRUE(Write(writer, *doc, Path("link.kvx"), false));
    EXPECT_TRUE(fs::is_symlink(Path("link.kvx")));
    EXPECT_NE(ReadFile(Path("real/data.kvx")).find("Ball"), std::string::npos);
    EXPECT_EQ(Mode(Path("real/data.kvx")), 0600u);
    fs::remove_all(Path("real"));
    fs::remove(Path("link.kvx"));
    doc->modified = false;
    doc->CloseWindow();
  }
}

}  // namespace
