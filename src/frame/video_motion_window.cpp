#include "frame/video_motion_window.h"

#include <algorithm>
#include <iterator>

#include "dialogs/about_dialog.h"
#include "dialogs/number_of_points_dialog.h"
#include "dialogs/setup_dialog.h"
#include "document/data_object_window.h"
#include "document/file_location.h"
#include "frame/program_pictures.h"
#include "frame/tool_window.h"
#include "movie/movie_window_opener.h"
#include "shell/menu.h"
#include "shell/shell.h"
#include "shell/status_window.h"
#include "shell/window_placement.h"

namespace {

constexpr int kNewStartupCommand = 151;
constexpr int kOpenMovieCommand = 152;
constexpr int kOpenSavedDataCommand = 153;
constexpr int kSaveCommand = 156;
constexpr int kSaveAsCommand = 157;
constexpr int kPrinterSetupCommand = 160;
constexpr int kTileCommand = 251;
constexpr int kHelpContentsCommand = 751;
constexpr int kAboutCommand = 753;

// Document actions the frame's commands ask for.
constexpr int kSaveAction = 9;
constexpr int kSaveAsAction = 10;
constexpr int kArrangeAction = 11;
constexpr int kAttachMovieAction = 24;

constexpr int kContentsTopic = 1;

// Each kind of document window has its icon at this base + its class code.
constexpr int kDocumentIconBase = 4000;

TdvMenuKind MenuKindOf(const TdvDocumentWindow& window) {
  if (window.IsA(kMovieWindowKind)) {
    return kMenuMoov;
  }
  if (window.IsA(kTableWindowKind)) {
    return kMenuTable;
  }
  if (window.IsA(kGraphWindowKind)) {
    return kMenuGraph;
  }
  return kMenuDataObject;
}

}  // namespace

TdvVideoMotionWindow::TdvVideoMotionWindow(kinovex::TdvVideoLibrary* videoLibrary,
                                           shell::DesktopServices* desktop,
                                           std::filesystem::path helpFolder)
    : videoLibrary_(videoLibrary), desktop_(desktop), helpFolder_(std::move(helpFolder)) {
  title = kTitle;
  pictures = std::make_unique<TdvProgramPictures>();
  for (int kind = 0; kind < kMenuKindCount; ++kind) {
    menus_[static_cast<std::size_t>(kind)] =
        BuildMenuBar(static_cast<TdvMenuKind>(kind), TdvDataObjectWindow::liveUpdates);
  }
  frameMenu = &menus_[kMenuInit];
  frameWindowMenu = WindowMenuIndex(kMenuInit);
  // The base rectangle fits a 320 by 240 movie under its caption and
  // the movie window's own bars.
  const shell::SystemMetrics metrics = Backend().Metrics();
  const int border = 2 * metrics.borderWidth;
  const int caption = metrics.captionHeight + border;
  movieRect_ = {0, -2, 320 + border, 2 * metrics.captionHeight + caption + 240};
  defaultRect = movieRect_;
  tableOpener_ = std::make_unique<TdvTableWindowOpener>(DefaultRect(kTableWindowKind));
  graphOpener_ =
      std::make_unique<TdvGraphWindowOpener>(DefaultRect(kGraphWindowKind), *graphDialogs_);
  if (videoLibrary_ != nullptr) {
    movieOpener_ = std::make_unique<kinovex::TdvMovieWindowOpener>(*videoLibrary_, movieRect_);
  }
  TdvShell::Get().SetDocumentFolder([this] { return ActiveDocumentFolder(); });
}

TdvVideoMotionWindow::~TdvVideoMotionWindow() {
  if (TdvShell::Exists()) {
    TdvShell::Get().SetDocumentFolder({});
  }
}

std::string TdvVideoMotionWindow::ActiveDocumentFolder() const {
  const auto* analysis = dynamic_cast<const TdvDataObjectWindow*>(
      activeDocument != nullptr ? activeDocument->GetDocument() : nullptr);
  return analysis != nullptr && analysis->HasFile()
             ? std::filesystem::path(analysis->Location().path).parent_path().string()
             : std::string();
}

int TdvVideoMotionWindow::OpenWindow() {
  if (TdvAppWindow::OpenWindow() == 0) {
    return 0;
  }
  Backend().SetAccelerators(hwnd, Accelerators());
  return 1;
}

shell::Rect TdvVideoMotionWindow::DefaultRect(int kind) const {
  const shell::SystemMetrics metrics = Backend().Metrics();
  const int border = 2 * metrics.borderWidth;
  const int caption = metrics.captionHeight + border;
  const int besideMovie = 4 * border + 320;
  shell::Rect rect = movieRect_;
  switch (kind) {
    case kMovieWindowKind:
      return rect;
    case kDataObjectWindowKind:
      return {rect.left + besideMovie, rect.top, rect.left + besideMovie + 276, rect.bottom};
    case kGraphWindowKind:
      return {rect.left + besideMovie, rect.top, 640, rect.bottom};
    case kTableWindowKind: {
      const int top = rect.top + shell::RectHeight(rect);
      return {rect.left, top, rect.left + 213 + border, top + 151 + caption};
    }
    default:
      return defaultRect;
  }
}

void TdvVideoMotionWindow::PrepareDocWindow(TdvDocumentWindow& window) {
  if (auto* document = dynamic_cast<TdvDataObjectWindow*>(&window)) {
    document->SetDialogs(&dialogs_);
    document->SetTableOpener(tableOpener_.get());
    document->SetGraphOpener(graphOpener_.get());
  }
  for (int kind : {kMovieWindowKind, kTableWindowKind, kDataObjectWindowKind, kGraphWindowKind}) {
    if (window.icon == 0 && window.IsA(kind)) {
      window.icon = kDocumentIconBase + kind;
    }
  }
  if (documentLoading_) {
    // A rectangle read from a file may be tiny or lie off the frame.
    const shell::Size client = Backend().ClientSize(hwnd);
    window.rect =
        shell::UsableWindowRect(window.rect, {client.width - TdvToolWindow::kWidth, client.height});
  }
  if (window.menu != nullptr) {
    return;
  }
  const TdvMenuKind kind = MenuKindOf(window);
  window.menu = &menus_[static_cast<std::size_t>(kind)];
  window.windowMenu = WindowMenuIndex(kind);
}

int TdvVideoMotionWindow::DoCommand(int id) {
  switch (id) {
    case kNewStartupCommand:
      OpenStartupDialog();
      return 0;
    case kOpenMovieCommand:
      OpenMovie();
      return 0;
    case kOpenSavedDataCommand:
      OpenSavedData();
      return 0;
    case kSaveCommand:
      DocumentAction(kSaveAction);
      return 0;
    case kSaveAsCommand:
      DocumentAction(kSaveAsAction);
      return 0;
    case kPrinterSetupCommand:
      return 0;
    case kTileCommand:
      TileDocuments();
      return 0;
    case kHelpContentsCommand:
      OpenHelpTopic(kContentsTopic);
      return 0;
    case kTdvContextHelpCommand:
      OpenHelpTopic(activeWindow != nullptr ? activeWindow->helpContext : kContentsTopic);
      return 0;
    case kAboutCommand:
      OpenAboutDialog();
      return 0;
    default: {
      const int answer = TdvAppWindow::DoCommand(id);
      KeepTicksInStep(id);
      return answer;
    }
  }
}

// The movie and coordinate-systems bars show the same switches; a switch
// toggled under one bar is ticked alike under the other.
void TdvVideoMotionWindow::KeepTicksInStep(int id) {
  constexpr int kSharedSwitches[] = {351, 352, 353, 364};
  if (installedMenu == nullptr || std::find(std::begin(kSharedSwitches), std::end(kSharedSwitches),
                                            id) == std::end(kSharedSwitches)) {
    return;
  }
  const shell::MenuItem* toggled = FindMenuItem(*installedMenu, id);
  if (toggled == nullptr) {
    return;
  }
  const bool on = toggled->checked;
  for (TdvMenuKind kind : {kMenuMoov, kMenuDataObject}) {
    CheckMenuItem(menus_[static_cast<std::size_t>(kind)], id, on);
  }
  RefreshMenuBar();
}

int TdvVideoMotionWindow::DocumentAction(int code) {
  TdvDocumentWindow* document = activeDocument != nullptr ? activeDocument->GetDocument() : nullptr;
  if (document == nullptr || !document->IsA(kDataObjectWindowKind)) {
    return 0;
  }
  return static_cast<TdvDataObjectWindow*>(document)->DoToolCommand(code);
}

void TdvVideoMotionWindow::TileDocuments() {
  DocumentAction(kArrangeAction);
}

int TdvVideoMotionWindow::DoDestroy() {
  TdvAppWindow::DoDestroy();
  Backend().Quit(0);
  return 0;
}

// Whichever window comes to the top takes over the menu bar and becomes
// the one commands go to.
void TdvVideoMotionWindow::RemoveDocWindow(TdvDocumentWindow* window) {
  TdvAppWindow::RemoveDocWindow(window);
  UpdateToolBar();
  if (activeWindow == window) {
    activeWindow = nullptr;
  }
  if (docWindows.empty()) {
    return;
  }
  TdvDocumentWindow* first = docWindows.front();
  if (first->hwnd != shell::kNoWindow) {
    Backend().BringToTop(first->hwnd);
  }
  activeDocument = first;
  activeWindow = first;
  first->InstallMenu();
  RefreshMenuBar();
}

TdvStatusWindow* TdvVideoMotionWindow::NewStatusWindow() {
  return TdvShell::Get().Keep(std::make_unique<TdvStatusWindow>());
}

TdvDataObjectWindow* TdvVideoMotionWindow::NewDocumentWindow() {
  TdvDataObjectWindow* document = TdvShell::Get().Keep(std::make_unique<TdvDataObjectWindow>());
  document->SetMovieOpener(movieOpener_.get());
  document->rect = DefaultRect(kDataObjectWindowKind);
  document->OpenWindow();
  return document;
}

// A new analysis shows all its windows side by side: at their default
// places a movie larger than the smallest would hide the others.
bool TdvVideoMotionWindow::AttachMovie(TdvDataObjectWindow& document, const std::string& path) {
  if (!document.AttachMovieFile(path)) {
    return false;
  }
  document.TileWindows();
  document.BringMovieForward();
  return true;
}

void TdvVideoMotionWindow::AddDocWindow(TdvDocumentWindow* window) {
  TdvAppWindow::AddDocWindow(window);
  UpdateToolBar();
}

void TdvVideoMotionWindow::OpenToolBar() {
  if (toolWindow == nullptr) {
    TdvShell::Get().Keep(std::make_unique<TdvToolWindow>())->OpenWindow();
    UpdateToolBar();
  }
}

void TdvVideoMotionWindow::UpdateToolBar() {
  if (toolWindow != nullptr && toolWindow->IsA(TdvToolWindow::kClassCode)) {
    static_cast<TdvToolWindow*>(toolWindow)->EnableDocumentActions(!docWindows.empty());
  }
}

void TdvVideoMotionWindow::OpenAboutDialog() {
  TdvShell::Get().Keep(std::make_unique<TdvAboutDialog>())->OpenWindow();
}

TdvWindow* TdvVideoMotionWindow::StartupDialog() const {
  return startupDialog_ != nullptr && startupDialog_->hwnd != shell::kNoWindow
             ? startupDialog_.get()
             : nullptr;
}

// There is never more than one start-up dialog: asking again brings the
// open one forward. A movie chosen in it goes on to Number of Points.
void TdvVideoMotionWindow::OpenStartupDialog() {
  if (TdvWindow* open = StartupDialog()) {
    Backend().BringToTop(open->hwnd);
    return;
  }
  auto startup = std::make_shared<TdvSetupDialog_A>([this] { return ChooseMovie(); });
  RunStartupDialog(startup);
  if (std::optional<TdvChosenMovie> chosen = startup->TakeChosenMovie()) {
    OpenMovieSetup(std::move(*chosen), nullptr);
  }
}

void TdvVideoMotionWindow::OpenMovieSetup(TdvChosenMovie chosen, TdvDataObjectWindow* document) {
  CloseStartupDialog();
  RunStartupDialog(std::make_shared<TdvSetupDialog_B>(*this, std::move(chosen), document));
}

void TdvVideoMotionWindow::RunStartupDialog(std::shared_ptr<TdvWindow> dialog) {
  startupDialog_ = dialog;
  dialog->OpenWindow();
}

// The active document attaches a movie when it has none and the user
// agrees; otherwise a chosen movie starts a new analysis.
void TdvVideoMotionWindow::OpenMovie() {
  if (DocumentAction(kAttachMovieAction) != 0) {
    return;
  }
  if (std::optional<TdvChosenMovie> chosen = ChooseMovie()) {
    OpenMovieSetup(std::move(*chosen), nullptr);
  }
}

void TdvVideoMotionWindow::CloseStartupDialog() {
  if (TdvWindow* open = StartupDialog()) {
    open->CloseWindow();
  }
}

void TdvVideoMotionWindow::Inform(const std::string& text, const std::string& caption) const {
  TdvShell::Get().Message(shell::MessageKind::kInformation, text, caption);
}
