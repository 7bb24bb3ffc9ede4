// Saving and Export Data never leave a partial file in place of a good one.
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
    std::function<void(TdvDataObjectWindow&)> act;
    std::function<std::string(const std::string&)> failureText;
    const char* failureCaption;
  };

  static std::vector<Writer> Writers() {
    return {
        {"Save", true, [](TdvDataObjectWindow& doc) { EXPECT_FALSE(doc.Save(true)); },
         [](const std::string&) { return std::string("May be Read-Only File or Volume"); },
         "Problem Saving File"},
        {"Export Data", false, [](TdvDataObjectWindow& doc) { doc.ExportData(); },
         [](const std::string& path) { return "Could not create " + path; }, "Export Data"},
    };
  }

  // The user chooses path, confirms overwriting it, and is told of the
  // failure.
  void WriteFailing(const Writer& writer, TdvDataObjectWindow& doc, const std::string& path) {
    backend.QueueFileAnswer(path);
    if (writer.asksToOverwrite && fs::exists(path)) {
      backend.ExpectMessage("Overwrite File?", MessageAnswer::kOk, "File Already Exists");
    }
    backend.ExpectMessage(writer.failureText(path), MessageAnswer::kOk, writer.failureCaption);
    writer.act(doc);
  }

  TdvDataObjectWindow* DocumentWithABall() {
    TdvDataObjectWindow* doc = NewDocument();
    AddPoint(*doc, "Ball")->TakeData(10, -20, 0);
    return doc;
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
        WriteFailing(writer, *doc, path);
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

}  // namespace
