#pragma once

#include <memory>

#include "document/graph_opener.h"
#include "plot/graph_dialogs.h"
#include "shell/gfx_types.h"

// Opens a document's graph windows, MDI children of the frame at
// `defaultRect` unless a graph read from a file brings its place. The
// shell owns the windows; each attaches itself to the document and
// detaches when destroyed. The dialogs (not owned) are those every graph
// window opens.
class TdvGraphWindowOpener : public TdvGraphOpener {
 public:
  TdvGraphWindowOpener(const shell::Rect& defaultRect, TdvGraphDialogs& dialogs)
      : defaultRect_(defaultRect), dialogs_(dialogs) {}

  void NewGraph(TdvDataObjectWindow& document) override;
  void OpenGraph(TdvDataObjectWindow& document, std::unique_ptr<TdvGraphStack> stack) override;

 private:
  shell::Rect defaultRect_;
  TdvGraphDialogs& dialogs_;
};
