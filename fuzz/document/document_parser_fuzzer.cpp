// Reads arbitrary text as a document file: header, series records of every
// kind with forward references, table and graph records with nested
// records. Every question is answered OK and the movie is always found,
// so that the reader gets past the header; the document made is then
// saved to text and closed.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "document/data_object_window.h"
#include "document/file_parser.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

class FuzzFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

struct Program {
  Program() {
    backend.SetFailureHandler([](const std::string&) {});
    backend.AnswerUnexpectedMessages(shell::MessageAnswer::kOk);
    shell.Keep(std::make_unique<FuzzFrame>())->OpenWindow();
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
};

Program& TheProgram() {
  static Program program;
  return program;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Program& program = TheProgram();
  if (program.backend.UnusedScript().empty()) {
    program.backend.QueueFileAnswer("/proc/self/exe");
  }
  std::string text(reinterpret_cast<const char*>(data), size);
  if (text.empty()) {
    return 0;
  }
  TdvFileParser parser;
  TdvDataObjectWindow* document =
      parser.Parse(TdvFileLocation::FromPath("/nonexistent/fuzz.kvx"), text);
  if (document != nullptr) {
    std::string saved;
    document->WriteDocument(saved);
    document->modified = false;
    document->CloseWindow();
  }
  program.shell.FreeDestroyed();
  return 0;
}
