#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "dialogs/movie_setup_host.h"
#include "dialogs/program_dialogs.h"
#include "document/movie_opener.h"
#include "frame/command_table.h"
#include "plot/graph_window_opener.h"
#include "dialogs/program_graph_dialogs.h"
#include "shell/app_window.h"
#include "shell/desktop_services.h"
#include "table/table_window_opener.h"

class TdvDataObjectWindow;
class TdvStatusWindow;
struct TdvFileLocation;

namespace kinovex {
class TdvVideoLibrary;
}

// Kinds of document windows, by class code.
inline constexpr int kMovieWindowKind = 11;
inline constexpr int kTableWindowKind = 12;
inline constexpr int kDataObjectWindowKind = 13;
inline constexpr int kGraphWindowKind = 15;

// The program's main window: it owns the menu bars, opens files by type,
// answers the application's commands and hands the others to the active
// document window, and ends the program when it is destroyed.
class TdvVideoMotionWindow : public TdvAppWindow, public TdvMovieSetupHost {
 public:
  static constexpr const char* kTitle = "Kinovex 2.1.2";

  // Neither the library nor the desktop is owned; either may be null (no
  // movies can then be opened, no help shown).
  TdvVideoMotionWindow(kinovex::TdvVideoLibrary* videoLibrary, shell::DesktopServices* desktop,
                       std::filesystem::path helpFolder);
  ~TdvVideoMotionWindow() override;

  int OpenWindow() override;
  int DoCommand(int id) override;
  int DoDestroy() override;
  void AddDocWindow(TdvDocumentWindow* window) override;
  void RemoveDocWindow(TdvDocumentWindow* window) override;
  void PrepareDocWindow(TdvDocumentWindow& window) override;
  void OpenPath(const std::string& path) override;
  void OpenHelpTopic(int topic) override;

  // Hands the document of the active window its arrangement action.
  virtual void TileDocuments();
  // A status window, not yet opened, owned by the shell.
  virtual TdvStatusWindow* NewStatusWindow();
  // A new, open coordinate-systems document at its default place.
  TdvDataObjectWindow* NewDocumentWindow() override;
  bool AttachMovie(TdvDataObjectWindow& document, const std::string& path) override;
  std::optional<TdvChosenMovie> OpenMovieFile(const std::string& path) override;
  void OpenMovieSetup(TdvChosenMovie chosen, TdvDataObjectWindow* document) override;
  // Asks for a movie ("Please Locate a Movie") and opens it; none when the
  // user cancelled or it is no movie.
  std::optional<TdvChosenMovie> ChooseMovie();

  // Makes sure the tool bar is there.
  void OpenToolBar();
  // Both run the dialog and return once it has closed.
  void OpenAboutDialog();
  void OpenStartupDialog();
  // The start-up dialog still open, if any.
  TdvWindow* StartupDialog() const;
  void CloseStartupDialog();

  // The open-saved-data command: true when a document was opened.
  bool OpenSavedData();
  // Reads a document from `where`, or from `text` when it is not empty
  // (a document kept inside a movie); true when one was opened.
  bool OpenDocument(const TdvFileLocation& where, const std::string& text, bool fromMovie);
  bool DocumentLoading() const { return documentLoading_; }

  // Frame-relative rectangle for a new window of a kind (class code).
  shell::Rect DefaultRect(int kind) const;
  const shell::MenuItem& MenuBar(TdvMenuKind kind) const {
    return menus_[static_cast<std::size_t>(kind)];
  }

  // Told every path the frame is asked to open, before it is opened.
  std::function<void(const std::string&)> onOpenPath;

 private:
  // Runs a tool action on the document of the active window; 0 when there
  // is none or it did not handle the action.
  int DocumentAction(int code);
  // The folder of the active document's file; empty without one.
  std::string ActiveDocumentFolder() const;
  void KeepTicksInStep(int id);
  // Greys the tool bar's document actions while no document is open.
  void UpdateToolBar();
  void OpenMoviePath(const std::string& path);
  // File menu "Open Movie...".
  void OpenMovie();
  // Runs a start-up dialog as the current one; it stays alive until it has
  // returned even when another takes its place meanwhile.
  void RunStartupDialog(std::shared_ptr<TdvWindow> dialog);
  void Inform(const std::string& text, const std::string& caption) const;

  kinovex::TdvVideoLibrary* videoLibrary_;
  shell::DesktopServices* desktop_;
  std::filesystem::path helpFolder_;
  // Gives the documents the frame reads or makes their movies' time bases;
  // none without a video library.
  std::unique_ptr<TdvMovieOpener> movieOpener_;
  std::unique_ptr<TdvTableWindowOpener> tableOpener_;
  // The dialogs every graph window opens, and what makes graph windows.
  std::unique_ptr<TdvGraphDialogs> graphDialogs_ = std::make_unique<TdvProgramGraphDialogs>();
  std::unique_ptr<TdvGraphWindowOpener> graphOpener_;
  // The dialogs every coordinate-systems document opens.
  TdvProgramDialogs dialogs_{*this};
  std::array<shell::MenuItem, kMenuKindCount> menus_;
  shell::Rect movieRect_;
  // Kept by the frame, not the shell, so that the frame can tell whether it
  // is still open after its window has gone.
  std::shared_ptr<TdvWindow> startupDialog_;
  bool documentLoading_ = false;
};

// The document files' extension, decided by the path's last three
// characters: "kvx" and "KVX" are documents, anything else a movie.
bool IsDocumentPath(const std::string& path);
// The file: URL of a local file.
std::string FileUrl(const std::filesystem::path& file);
