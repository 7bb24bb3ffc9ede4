#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "shell/backend.h"
#include "shell/qt/qt_test_hooks.h"
#include "shell/qt/window_host.h"

class QApplication;
class QObject;
class QEventLoop;
class QIcon;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QShortcut;
class QTimer;

namespace shell::qt {

class BackingStore;

// The window framework's backend on Qt Widgets: the frame is a main window
// with an MDI area, document windows are MDI sub-windows, dialogs are
// QDialogs whose controls sit where their records put them, drawing is
// QPainter on a backing store per window.
class QtBackend final : public Backend, private WindowHost {
 public:
  // Uses the running QApplication, or starts one (with `argc`/`argv` when
  // given) and ends it with the backend.
  QtBackend();
  QtBackend(int& argc, char** argv);
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;
  ~QtBackend() override;

  void SetTestHooks(QtTestHooks hooks) { hooks_ = std::move(hooks); }
  // The folder holding the program's pictures: bitmaps/<id> and icons/<id>,
  // each a PNG, BMP or SVG file.
  void SetResourceFolder(std::string folder);
  // The widget of a window's client area or of a control (for tests and
  // for embedding); nullptr for an unknown handle.
  QWidget* Widget(WindowHandle window) const;
  // The handle of a control of `parent` by its id; kNoWindow when none.
  WindowHandle ControlHandle(WindowHandle parent, int id) const;

  void SetEventSink(EventSink* sink) override { sink_ = sink; }

  WindowHandle CreateFrame(const FrameSpec& request) override;
  WindowHandle CreateMdiChild(WindowHandle frame, const ChildSpec& request) override;
  WindowHandle CreateChild(WindowHandle parent, const ChildSpec& request) override;
  WindowHandle CreateDialog(const DialogSpec& request) override;
  void RunModal(WindowHandle dialog) override;
  void EndModal(WindowHandle dialog) override;
  void DestroyWindow(WindowHandle window) override;

  void SetTitle(WindowHandle window, const std::string& title) override;
  Rect OuterRect(WindowHandle window) const override;
  void MoveWindow(WindowHandle window, const Rect& outer) override;
  Size ClientSize(WindowHandle window) const override;
  void SetClientSize(WindowHandle window, Size size) override;
  void Show(WindowHandle window, ShowCommand command) override;
  bool IsIconic(WindowHandle window) const override;
  void BringToTop(WindowHandle window) override;
  void Enable(WindowHandle window, bool enabled) override;
  void Invalidate(WindowHandle window, const std::optional<Rect>& rect) override;
  void ArrangeIcons(WindowHandle frame) override;
  SystemMetrics Metrics() const override;

  std::unique_ptr<Surface> OpenSurface(WindowHandle window) override;
  std::unique_ptr<Surface> CreatePictureSurface(Size size) override;
  std::optional<Picture> BitmapResource(int id) const override;
  std::optional<Picture> IconResource(int id) const override;

  WindowHandle CreateControl(WindowHandle parent, const ControlSpec& request) override;
  void SetText(WindowHandle control, const std::string& text) override;
  std::string Text(WindowHandle control) const override;
  void SetFocus(WindowHandle control) override;
  WindowHandle Focus() const override;
  void SetDefaultButton(WindowHandle button, bool isDefault) override;
  void SetChecked(WindowHandle checkBox, bool checked) override;
  bool IsChecked(WindowHandle checkBox) const override;
  void SetScrollRange(WindowHandle scrollBar, int minimum, int maximum) override;
  std::pair<int, int> ScrollRange(WindowHandle scrollBar) const override;
  void SetScrollPosition(WindowHandle scrollBar, int position) override;
  int ScrollPosition(WindowHandle scrollBar) const override;
  int ListAdd(WindowHandle listBox, const std::string& text) override;
  void ListInsert(WindowHandle listBox, int index, const std::string& text) override;
  void ListDelete(WindowHandle listBox, int index) override;
  int ListCount(WindowHandle listBox) const override;
  std::string ListText(WindowHandle listBox, int index) const override;
  void ListSelect(WindowHandle listBox, int index) override;
  void ListSetSelected(WindowHandle listBox, int index, bool selected) override;
  std::vector<int> ListSelection(WindowHandle listBox) const override;
  void PopupSetItems(WindowHandle popup, const std::vector<std::string>& items) override;
  void PopupShowItem(WindowHandle popup, int selection) override;
  void PopupSetLabel(WindowHandle popup, const std::string& label) override;
  void SetRedraw(WindowHandle control, bool redraw) override;
  void SelectText(WindowHandle edit, int start, int end) override;
  void SetToolTip(WindowHandle control, const std::string& text) override;

  void SetMenuBar(WindowHandle frame, const MenuItem* bar, int windowMenu) override;
  void RefreshMenuBar(WindowHandle frame) override;
  void SetAccelerators(WindowHandle frame, const std::vector<Accelerator>& keys) override;

  MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                            const std::string& caption) override;
  std::optional<std::string> AskOpenFile(const FileDialogSpec& request) override;
  std::optional<std::string> AskSaveFile(const FileDialogSpec& request) override;

  bool SetClipboardText(const std::string& text) override;
  bool SetClipboardPicture(const Picture& picture) override;
  std::optional<std::string> ClipboardText() const override;
  std::optional<Picture> ClipboardPicture() const override;

  std::string WritePictureFile(const std::string& path, Size size,
                               const PictureDrawing& draw) override;
  std::unique_ptr<PrintJob> AskPrint(WindowHandle owner, const PrintJobSpec& request) override;

  void StartTimer(WindowHandle window, int id, int milliseconds) override;
  void StopTimer(WindowHandle window, int id) override;
  void Post(std::function<void()> task) override;
  int Run() override;
  void Quit(int code) override;

  void Beep() override;
  void SetCursor(Cursor cursor) override;
  DateTimeText Now() const override;

 private:
  enum class Role { kFrame, kMdiChild, kChild, kDialog, kControl };

  struct Record {
    Role role = Role::kChild;
    WindowHandle parent = kNoWindow;  // the window a child or control lives in
    int controlId = 0;
    QPointer<QWidget> outer;        // what moves and sizes
    QPointer<QWidget> client;       // what the program draws on and puts controls in
    BackingStore* store = nullptr;  // part of `client`, when the program draws on it
  };

  struct MenuBarState {
    const MenuItem* bar = nullptr;
    int windowMenu = -1;
  };

  // WindowHost
  int Deliver(WindowHandle window, const Event& event) override;
  void CloseRequested(WindowHandle window) override;

  WindowHandle NextHandle() { return ++lastHandle_; }
  const Record* Find(WindowHandle window) const;
  template <typename W>
  W* As(WindowHandle window) const;
  QWidget* OwnerWidget(WindowHandle owner) const;
  QMdiArea* MdiOf(WindowHandle frame) const;
  WindowHandle HandleOfSubWindow(const QMdiSubWindow* sub) const;
  void Announce(WindowHandle window);
  void Send(WindowHandle window, EventKind kind);
  void CollectFamily(WindowHandle window, std::vector<WindowHandle>& family) const;
  void Forget(WindowHandle window);
  void ConnectMdi(WindowHandle frame, QMdiArea& mdi);

  QWidget* MakeControlWidget(WindowHandle parent, QWidget& host, const ControlSpec& request,
                             BackingStore*& store);
  void BuildMenu(QMenu& menu, const MenuItem& item, WindowHandle frame);
  void FillWindowList(QMenu& menu, WindowHandle frame);

  std::optional<std::string> AskFile(const FileDialogSpec& request, bool save);
  void DropTimer(std::map<std::pair<WindowHandle, int>, QPointer<QTimer>>::iterator timer);
  // An icon at `size` device pixels (its own size when empty): drawings
  // are rendered at that size, so they stay sharp.
  QImage IconImage(int id, QSize size = {}) const;
  QIcon WindowIcon(int id) const;
  QImage LoadResource(const char* kind, int id, QSize size = {}) const;
  static QImage RenderSvg(const QString& path, QSize size = {});

  std::unique_ptr<QApplication> ownApplication_;
  EventSink* sink_ = nullptr;
  QtTestHooks hooks_;
  std::string resourceFolder_;
  // Icons by id and size asked for: each is read and rendered once, not on
  // every paint of the buttons and headers that show it.
  mutable std::map<std::tuple<int, int, int>, QImage> icons_;
  WindowHandle lastHandle_ = kNoWindow;
  std::map<WindowHandle, Record> records_;
  std::map<WindowHandle, WindowHandle> activeChild_;  // frame -> active document window
  std::map<WindowHandle, MenuBarState> menuBars_;
  std::map<WindowHandle, std::vector<QPointer<QShortcut>>> shortcuts_;
  std::map<std::pair<WindowHandle, int>, QPointer<QTimer>> timers_;  // children of context_
  std::map<WindowHandle, QEventLoop*> modalLoops_;  // loops on the stack of RunModal
  std::set<WindowHandle> endedModal_;
  QEventLoop* programLoop_ = nullptr;  // the loop of Run, while it runs
  std::optional<int> pendingQuit_;     // asked for while Run was not running
  bool cursorOverridden_ = false;
  // Parent of queued calls and timers: they die with the backend.
  std::unique_ptr<QObject> context_;
};

template <typename W>
W* QtBackend::As(WindowHandle window) const {
  const Record* record = Find(window);
  return record != nullptr ? qobject_cast<W*>(record->outer.data()) : nullptr;
}

}  // namespace shell::qt
