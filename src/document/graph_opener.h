#pragma once

#include <memory>

class TdvDataObjectWindow;
class TdvGraphStack;

// Opens a document's graph windows. The desktop program makes the windows,
// which attach themselves to the document; a program without windows has
// no opener, and graphs read from a file stay kept by the document.
class TdvGraphOpener {
 public:
  virtual ~TdvGraphOpener() = default;

  // "New Graph": asks what to plot, and opens a window when the user adds.
  virtual void NewGraph(TdvDataObjectWindow& document) = 0;
  // A window on a graph read from a file; the window takes the graph over
  // with the group uses it holds.
  virtual void OpenGraph(TdvDataObjectWindow& document, std::unique_ptr<TdvGraphStack> stack) = 0;
};
