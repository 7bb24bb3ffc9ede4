#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/backend.h"

class TdvAppWindow;
class TdvWindow;

// The state the whole program shares: the backend, the link from each
// window to its object, the window being created, the frame. Exactly one
// exists while the program (or a test) runs; windows reach it through Get().
class TdvShell : public shell::EventSink {
 public:
  explicit TdvShell(shell::Backend& backend);
  TdvShell(const TdvShell&) = delete;
  TdvShell& operator=(const TdvShell&) = delete;
  ~TdvShell() override;

  static TdvShell& Get();
  static bool Exists();

  shell::Backend& Backend() const { return backend_; }

  // Hands a window object to the shell, which deletes it after its window
  // has been destroyed (or when the shell ends, if it never got one).
  template <typename W>
  W* Keep(std::unique_ptr<W> window) {
    W* raw = window.get();
    KeepWindow(std::unique_ptr<TdvWindow>(std::move(window)));
    return raw;
  }

  // The creation protocol: one window at a time is being created, and the
  // first event of an unknown window attaches it.
  bool CreationPending() const { return pending_ != nullptr; }
  TdvWindow* PendingWindow() const { return pending_; }
  void BeginCreation(TdvWindow* window) { pending_ = window; }
  void EndCreation() { pending_ = nullptr; }

  TdvWindow* Find(shell::WindowHandle handle) const;
  // A window object going away while its window still exists: the window is
  // destroyed and its remaining events go nowhere.
  void Forget(TdvWindow& window);
  void Attach(TdvWindow& window, shell::WindowHandle handle);

  TdvAppWindow* Frame() const { return frame_; }
  void SetFrame(TdvAppWindow* frame) { frame_ = frame; }
  bool ContextHelp() const { return contextHelp_; }
  void SetContextHelp(bool on) { contextHelp_ = on; }
  // The help text windows hand over while context help is on.
  const std::string& HelpText() const { return helpText_; }
  void SetHelpText(const std::string& text) { helpText_ = text; }

  // File dialogs open in the folder of the current document, else in the
  // last folder a file was chosen in, else in the bundled samples.
  std::optional<std::string> AskOpenFile(shell::FileDialogSpec request);
  std::optional<std::string> AskSaveFile(shell::FileDialogSpec request);
  void SetSamplesFolder(const std::string& folder) { samplesFolder_ = folder; }
  // The folder of the document the user works on; empty when it has none.
  void SetDocumentFolder(std::function<std::string()> folder) {
    documentFolder_ = std::move(folder);
  }

  // The trace file of the bitmap conversion ("errors.txt" in the current
  // folder); empty switches tracing off.
  const std::string& TracePath() const { return tracePath_; }
  void SetTracePath(const std::string& path) { tracePath_ = path; }

  // A plain information box: internal faults and messages of the framework.
  void Fault(const std::string& text, const std::string& caption) const;
  shell::MessageAnswer Message(shell::MessageKind kind, const std::string& text,
                               const std::string& caption) const;

  int Dispatch(shell::WindowHandle handle, const shell::Event& event) override;

  // Frees the objects of destroyed windows; runs after the event that
  // destroyed them.
  void FreeDestroyed();

 private:
  void KeepWindow(std::unique_ptr<TdvWindow> window);
  TdvWindow* Resolve(shell::WindowHandle handle, const shell::Event& event);
  int Route(TdvWindow& window, const shell::Event& event);
  int RouteDialog(TdvWindow& window, const shell::Event& event);
  int RouteControlButton(TdvWindow& window, const shell::Event& event);
  int RouteKey(TdvWindow& window, const shell::Event& event);
  int ScrollPosition(const TdvWindow& window, const shell::Event& event) const;
  int RouteEditChar(TdvWindow& window, const shell::Event& event);
  void TrackContextHelp(TdvWindow& window, const shell::Event& event);
  void OpenPaths(const std::vector<std::string>& paths);
  void Destroyed(TdvWindow& window);
  std::optional<std::string> AskFile(shell::FileDialogSpec request, bool save);

  shell::Backend& backend_;
  std::map<shell::WindowHandle, TdvWindow*> windows_;
  std::set<shell::WindowHandle> forgotten_;
  std::vector<std::unique_ptr<TdvWindow>> kept_;
  std::vector<std::unique_ptr<TdvWindow>> destroyed_;
  TdvWindow* pending_ = nullptr;
  TdvAppWindow* frame_ = nullptr;
  bool contextHelp_ = false;
  std::string helpText_;
  std::string tracePath_ = "errors.txt";
  std::string samplesFolder_;
  std::string lastFolder_;
  std::function<std::string()> documentFolder_;
  // Posted tasks outlive nothing: they check this before touching the shell.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The first of the three folders that is not empty.
std::string InitialFolder(const std::string& documentFolder, const std::string& lastFolder,
                          const std::string& samplesFolder);

// The modifier word of an event: Control 0x1100, Shift 0x0200, right button 0x0800.
int ModifierWord(const shell::Modifiers& modifiers);
// The character DoKeyDown receives for a key, or none for keys windows never see.
std::optional<int> KeyCharacter(shell::Key key);
