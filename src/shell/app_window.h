#pragma once

#include <memory>
#include <string>
#include <vector>

#include "shell/frame_pictures.h"
#include "shell/window.h"

class TdvDocumentWindow;

// Base of the application frame: the MDI frame window, the list of open
// document windows, the active window, and the routing of menu commands to
// the active document window.
class TdvAppWindow : public TdvWindow {
 public:
  static constexpr int kClassCode = 10;

  TdvAppWindow();

  bool IsA(int code) const override;
  int DoCommand(int id) override;
  int DoSize(int width, int height) override;
  int DoClose() override;
  int DoDestroy() override;
  void CloseWindow() override;
  int OpenWindow() override;

  virtual void CloseActiveDocument();
  virtual void ExitApplication();
  virtual void CascadeDocuments();
  virtual void ArrangeIcons();
  virtual void CloseAll();
  // Passes a command to the active document window: handled when its
  // DoCommand answers 0.
  virtual int ForwardCommand(int id);
  virtual void AddDocWindow(TdvDocumentWindow* window);
  virtual void RemoveDocWindow(TdvDocumentWindow* window);
  // Called before a document window is made, so that the frame can give it
  // what every window of its kind shares (its menu bar).
  virtual void PrepareDocWindow(TdvDocumentWindow& window);

  // Opens a document or a movie by its path (command line, dropped files,
  // a second start of the program).
  virtual void OpenPath(const std::string& path) = 0;
  virtual void OpenHelpTopic(int topic) = 0;

  // Puts a menu bar on the frame; `bar` none puts the frame's own menu back.
  void InstallMenuBar(shell::MenuItem* bar, int windowMenu);
  void RefreshMenuBar();
  int NextUniqueId() { return uniqueIdCounter++; }
  TdvDocumentWindow* FindDocWindowById(int uniqueId) const;

  // Services every window reaches through the frame: the series markers
  // and the mouse cursor, as `pictures` gives them (nothing without).
  void DrawBitmapMarker(int x, int y, int shape, int sizeClass, int colour, TdvWindow* window) {
    if (pictures) {
      pictures->DrawBitmapMarker(x, y, shape, sizeClass, colour, window);
    }
  }
  void SelectCursor(int code) {
    if (pictures) {
      pictures->SelectCursor(code, Backend());
    }
  }

  // The frame's own menu, shown while no document window is open (not owned).
  shell::MenuItem* frameMenu = nullptr;
  int frameWindowMenu = 0;
  shell::MenuItem* installedMenu = nullptr;
  shell::Rect defaultRect{0, 0, 320, 240};
  TdvWindow* toolWindow = nullptr;
  TdvDocumentWindow* activeDocument = nullptr;
  TdvWindow* activeWindow = nullptr;
  int uniqueIdCounter = 0;
  // Registered document windows, in the order they were opened (not owned).
  std::vector<TdvDocumentWindow*> docWindows;
  // Filled in by the program's frame; released when the frame's window goes.
  std::unique_ptr<TdvFramePictures> pictures;
};
