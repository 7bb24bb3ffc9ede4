#pragma once

#include "shell/window.h"

// A window inside the frame's MDI area that belongs to a document: the movie,
// coordinate systems, data table and graph windows.
class TdvDocumentWindow : public TdvWindow {
 public:
  static constexpr int kClassCode = 9;

  TdvDocumentWindow();
  ~TdvDocumentWindow() override;

  bool IsA(int code) const override;
  void WinSetTitle(const std::string& text) override;
  void WinSetFocusControl(int id) override;
  int DoActivate(bool active) override;
  int DoDestroy() override;
  int OpenWindow() override;

  // Puts this window's menu on the frame.
  virtual void InstallMenu();
  virtual void OnDeactivated();
  virtual void OnActivating();
  virtual void OnDeactivating();
  // The coordinate-systems window of the document this window belongs to.
  virtual TdvDocumentWindow* GetDocument();

  // From the frame's counter: never reused while the program runs.
  int uniqueId = -1;
  // Position in the frame's document list.
  int documentNumber = 0;
  // The icon resource of its title bar, set by the frame for each kind;
  // 0 keeps the program's.
  int icon = 0;
};
