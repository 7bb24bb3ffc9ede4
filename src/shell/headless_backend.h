#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/backend.h"
#include "shell/headless_surface.h"

namespace shell {

// A message box as it was shown.
struct ShownMessage {
  MessageKind kind = MessageKind::kInformation;
  std::string text;
  std::string caption;
};

// What the script answers to the next message box; the box must have this
// text (and caption, when given).
struct ScriptedMessage {
  std::string text;
  MessageAnswer answer = MessageAnswer::kOk;
  std::optional<std::string> caption;
};

// The printer the next print dialog offers, and how the job goes.
struct HeadlessPrinter {
  bool confirm = true;  // false: the user cancels the print dialog
  Size dotsPerInch{144, 144};
  Size pageSize{1224, 1584};  // US letter at 144 dpi
  bool failStartDocument = false;
  bool failStartPage = false;
  bool pressCancel = false;  // the user presses Cancel while the page prints
};

// A picture file the program asked for: drawn into memory, not written.
struct WrittenPicture {
  std::string path;
  Picture picture;
};

struct PrintedJob {
  PrintJobSpec request;
  HeadlessPrinter printer;
  std::vector<Picture> pages;
  bool finished = false;
  bool aborted = false;
};

enum class HeadlessKind { kFrame, kMdiChild, kChild, kDialog, kControl };

// A window as the headless backend keeps it.
struct HeadlessWindow {
  HeadlessKind kind = HeadlessKind::kChild;
  WindowHandle parent = kNoWindow;
  std::string title;
  Rect outer;
  std::shared_ptr<Picture> pixels;
  std::shared_ptr<PixelMarks> marks = std::make_shared<PixelMarks>();
  bool visible = true;
  bool enabled = true;
  bool iconic = false;
  bool modal = false;
  bool inModalLoop = false;
  bool active = false;
  ControlSpec control;  // controls only
  bool checked = false;
  bool isDefault = false;
  bool redraw = true;
  std::pair<int, int> scrollRange{0, 100};
  int scrollPosition = 0;
  std::vector<std::string> listItems;
  std::set<int> listSelection;
  int popupShown = 0;
  std::pair<int, int> textSelection{0, 0};
  std::string toolTip;
  int icon = 0;
  const MenuItem* menuBar = nullptr;
  int windowMenu = 0;
  std::vector<Accelerator> accelerators;
  std::set<int> timers;
};

// The backend of tests and of the command-line tool: windows live in
// memory, drawing goes into pictures and a log, and everything a user would
// answer comes from a script. A message box, file dialog, print dialog or
// modal dialog the script did not expect is a failure, reported through the
// failure handler (by default: a message on stderr and an abort).
class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  // Script.
  void ExpectMessage(const std::string& text, MessageAnswer answer = MessageAnswer::kOk,
                     std::optional<std::string> caption = std::nullopt);
  // Answers every box that has no scripted answer (for the command-line tool).
  void AnswerUnexpectedMessages(std::optional<MessageAnswer> answer);
  void QueueFileAnswer(std::optional<std::string> path);
  void QueuePrinter(const HeadlessPrinter& printer);
  // Runs when the next modal dialog opens; it sets controls and presses
  // buttons, and must leave the dialog closed.
  void QueueModal(std::function<void(WindowHandle dialog)> handler);
  void SetFailureHandler(std::function<void(const std::string&)> handler);
  // What the script still holds, one line per item; empty when all was used.
  std::vector<std::string> UnusedScript() const;

  // Records.
  const std::vector<ShownMessage>& Messages() const { return messages_; }
  const std::vector<FileDialogSpec>& FileDialogs() const { return fileDialogs_; }
  const std::vector<DrawRecord>& Drawing() const { return drawing_; }
  std::vector<DrawRecord> DrawingOn(WindowHandle target) const;
  void ClearDrawing() { drawing_.clear(); }
  const std::vector<PrintedJob>& PrintedJobs() const { return printed_; }
  const std::vector<WrittenPicture>& WrittenPictures() const { return writtenPictures_; }
  int Beeps() const { return beeps_; }
  Cursor CurrentCursor() const { return cursor_; }
  int MenuRefreshes() const { return menuRefreshes_; }

  // Windows.
  bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
  const HeadlessWindow* Window(WindowHandle window) const;
  const Picture& Pixels(WindowHandle window) const;
  WindowHandle ControlOf(WindowHandle parent, int id) const;
  std::vector<WindowHandle> Children(WindowHandle parent) const;
  const MenuItem* MenuBar(WindowHandle frame) const;

  // What a user does. Each dispatches the event and then does what the
  // system does by default with an unhandled one (a close that is not
  // refused destroys the window; a character an edit field may take is
  // typed into it).
  int Send(WindowHandle window, const Event& event);
  void MouseDown(WindowHandle window, Point point, Modifiers modifiers = {});
  void MouseUp(WindowHandle window, Point point, Modifiers modifiers = {});
  void MouseMove(WindowHandle window, Point point, Modifiers modifiers = {});
  void DoubleClick(WindowHandle window, Point point, Modifiers modifiers = {});
  void Click(WindowHandle window, Point point, Modifiers modifiers = {});
  void PressKey(WindowHandle window, Key key, Modifiers modifiers = {});
  void Command(WindowHandle frame, int id);
  void Close(WindowHandle window);
  void Paint(WindowHandle window);
  void Activate(WindowHandle window);
  void Resize(WindowHandle window, Size clientSize);
  // `where` is the mouse position in the parent's client area.
  void PressButton(WindowHandle parent, int id, Point where = {});
  void TypeText(WindowHandle parent, int id, const std::string& text, Modifiers modifiers = {});
  void ChoosePopup(WindowHandle parent, int id, int selection);
  // A click on `row` of list `id`: it becomes the only selected row, or, in
  // a list of several selections, is selected or deselected.
  void ClickListRow(WindowHandle parent, int id, int row);
  void Scroll(WindowHandle parent, int id, int code, int position);
  void FireTimer(WindowHandle window, int id);
  void DropFiles(WindowHandle window, const std::vector<std::string>& paths);
  // Runs what was posted, including what those tasks post.
  void RunPosted();

  // Settings.
  void SetMetrics(const SystemMetrics& metrics) { metrics_ = metrics; }
  void SetNow(const DateTimeText& now) { now_ = now; }
  void AddBitmapResource(int id, const Picture& picture) { bitmaps_[id] = picture; }
  void AddIconResource(int id, const Picture& picture) { icons_[id] = picture; }
  // When false the clipboard refuses new data.
  void SetClipboardWorks(bool works) { clipboardWorks_ = works; }

  // Backend.
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
  SystemMetrics Metrics() const override { return metrics_; }
  std::unique_ptr<Surface> OpenSurface(WindowHandle window) override;
  std::unique_ptr<Surface> CreatePictureSurface(Size size) override;
  std::optional<Picture> BitmapResource(int id) const override;
  std::optional<Picture> IconResource(int id) const override;
  WindowHandle CreateControl(WindowHandle parent, const ControlSpec& request) override;
  void SetText(WindowHandle control, const std::string& text) override;
  std::string Text(WindowHandle control) const override;
  void SetFocus(WindowHandle control) override;
  WindowHandle Focus() const override { return focus_; }
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
  std::optional<std::string> ClipboardText() const override { return clipboardText_; }
  std::optional<Picture> ClipboardPicture() const override { return clipboardPicture_; }
  std::string WritePictureFile(const std::string& path, Size size,
                               const PictureDrawing& draw) override;
  std::unique_ptr<PrintJob> AskPrint(WindowHandle owner, const PrintJobSpec& request) override;
  void StartTimer(WindowHandle window, int id, int milliseconds) override;
  void StopTimer(WindowHandle window, int id) override;
  void Post(std::function<void()> task) override { posted_.push_back(std::move(task)); }
  int Run() override;
  void Quit(int code) override;
  void Beep() override { ++beeps_; }
  void SetCursor(Cursor cursor) override { cursor_ = cursor; }
  DateTimeText Now() const override { return now_; }

 private:
  friend class HeadlessPrintJob;

  HeadlessWindow* Find(WindowHandle window);
  const HeadlessWindow* Find(WindowHandle window) const;
  WindowHandle Make(HeadlessKind kind, WindowHandle parent, const std::string& title,
                    const Rect& outer, Size client);
  Size Frame(const HeadlessWindow& window) const;
  void Announce(WindowHandle window);
  int Dispatch(WindowHandle window, const Event& event);
  void Fail(const std::string& message) const;
  void TypeCharacter(WindowHandle parent, int id, char32_t character, Modifiers modifiers);
  std::unique_ptr<Surface> SurfaceOn(std::shared_ptr<Picture> pixels, WindowHandle target,
                                     std::shared_ptr<PixelMarks> marks = nullptr);

  EventSink* sink_ = nullptr;
  std::map<WindowHandle, HeadlessWindow> windows_;
  WindowHandle nextHandle_ = 1;
  WindowHandle focus_ = kNoWindow;
  SystemMetrics metrics_;
  DateTimeText now_;
  std::map<int, Picture> bitmaps_;
  std::map<int, Picture> icons_;
  std::deque<ScriptedMessage> expectedMessages_;
  std::optional<MessageAnswer> unexpectedAnswer_;
  std::deque<std::optional<std::string>> fileAnswers_;
  std::deque<HeadlessPrinter> printers_;
  std::deque<std::function<void(WindowHandle)>> modalHandlers_;
  std::function<void(const std::string&)> failure_;
  std::vector<ShownMessage> messages_;
  std::vector<FileDialogSpec> fileDialogs_;
  std::vector<DrawRecord> drawing_;
  std::vector<PrintedJob> printed_;
  std::vector<WrittenPicture> writtenPictures_;
  std::optional<std::string> clipboardText_;
  std::optional<Picture> clipboardPicture_;
  bool clipboardWorks_ = true;
  std::deque<std::function<void()>> posted_;
  std::optional<int> quitCode_;
  int beeps_ = 0;
  Cursor cursor_ = Cursor::kArrow;
  int menuRefreshes_ = 0;
};

}  // namespace shell
