#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/backend_events.h"
#include "shell/menu_model.h"
#include "shell/picture_file.h"
#include "shell/surface.h"

namespace shell {

// ---------------------------------------------------------------- windows

struct FrameSpec {
  std::string title;
};

struct ChildSpec {
  std::string title;
  Rect rect;  // outer rectangle in the MDI area (or the parent's client area)
  bool maximizeBox = true;
  int icon = 0;  // icon resource of the title bar; 0: the program's
};

struct DialogSpec {
  std::string title;
  Rect rect;  // client area in screen pixels
  WindowHandle owner = kNoWindow;
  bool modal = true;
  bool closeBox = true;
};

enum class ShowCommand { kHide, kShow, kMaximize, kMinimize, kRestore };

struct SystemMetrics {
  int borderWidth = 1;
  int captionHeight = 18;
  int dialogFrameWidth = 4;
  int dialogFrameHeight = 4;
  Size dialogBaseUnits{8, 16};
  // The screen without task bars and docks, where centred boxes go.
  Rect workArea{0, 0, 1024, 768};
};

// ---------------------------------------------------------------- controls

// The eleven kinds a window builds its controls from.
enum class ControlKind : int {
  kPushButton = 1,
  kVerticalScrollBar = 2,
  kHorizontalScrollBar = 3,
  kPopup = 4,
  kListBox = 5,
  kEditField = 6,
  kMultiLineText = 7,
  kDrawnArea = 8,
  kLabel = 9,
  kDrawnButton = 10,
  kCheckBox = 11,
};

struct ControlSpec {
  ControlKind kind = ControlKind::kLabel;
  int id = 0;
  std::string text;  // a pop-up shows it as its label
  Rect rect;         // pixels in the parent's client area
  bool visible = true;
  bool defaultButton = false;      // push buttons
  bool multipleSelection = false;  // list boxes
  std::vector<std::string> items;  // pop-ups
};

// ---------------------------------------------------------------- messages and files

enum class MessageKind {
  kInformation,   // OK only; also every framework fault, without an icon
  kConfirmation,  // OK and Cancel with a question icon
  kSavePrompt,    // Yes, No and Cancel
};

enum class MessageAnswer { kOk, kCancel, kYes, kNo };

struct FileFilter {
  std::string label;    // "Kinovex Files (*.KVX)"
  std::string pattern;  // "*.KVX"; several separated by ';'
};

struct FileDialogSpec {
  std::string title;
  std::vector<FileFilter> filters;
  std::string defaultExtension;  // without the dot
  std::string initialPath;       // a file name, inside initialFolder when relative
  std::string initialFolder;     // empty: the system's choice
};

// ---------------------------------------------------------------- printing

struct PrintJobSpec {
  std::string jobName;
  std::string cancelTitle;  // the window that lets the user stop the job
  std::string cancelText;
  std::string cancelButton;
};

// A print job after the user confirmed the print dialog.
class PrintJob {
 public:
  virtual ~PrintJob() = default;

  virtual Size DotsPerInch() const = 0;
  // The physical page in device pixels.
  virtual Size PageSize() const = 0;

  // Each answers false on failure; the job is then over.
  virtual bool StartDocument() = 0;
  virtual bool StartPage() = 0;
  virtual Surface& Page() = 0;  // valid between StartPage and EndPage
  virtual bool EndPage() = 0;
  virtual bool EndDocument() = 0;
  virtual void Abort() = 0;

  // Lets the user reach the cancel window; true once Cancel was pressed.
  virtual bool CancelRequested() = 0;
};

// ---------------------------------------------------------------- the rest

enum class Cursor { kArrow, kCrosshairs, kTakeData, kHand, kWait };

struct DateTimeText {
  std::string date;  // the locale's short date
  std::string time;  // the locale's time without seconds
};

// Everything the window framework needs from a windowing system. Windows,
// dialogs and controls are made here and named by handles; their events
// reach the framework through the EventSink. A Create… call sends kCreate
// (and then kSize) for the new window before it returns, and
// DestroyWindow sends kDestroy to each window it removes, children first.
class Backend {
 public:
  virtual ~Backend() = default;

  virtual void SetEventSink(EventSink* sink) = 0;

  // Windows. Rectangles of OuterRect and MoveWindow are relative to the
  // parent's client area (the screen for frames and dialogs).
  virtual WindowHandle CreateFrame(const FrameSpec& request) = 0;
  virtual WindowHandle CreateMdiChild(WindowHandle frame, const ChildSpec& request) = 0;
  virtual WindowHandle CreateChild(WindowHandle parent, const ChildSpec& request) = 0;
  virtual WindowHandle CreateDialog(const DialogSpec& request) = 0;
  // Returns after EndModal for this dialog.
  virtual void RunModal(WindowHandle dialog) = 0;
  virtual void EndModal(WindowHandle dialog) = 0;
  virtual void DestroyWindow(WindowHandle window) = 0;

  virtual void SetTitle(WindowHandle window, const std::string& title) = 0;
  virtual Rect OuterRect(WindowHandle window) const = 0;
  virtual void MoveWindow(WindowHandle window, const Rect& outer) = 0;
  virtual Size ClientSize(WindowHandle window) const = 0;
  virtual void SetClientSize(WindowHandle window, Size size) = 0;
  virtual void Show(WindowHandle window, ShowCommand command) = 0;
  virtual bool IsIconic(WindowHandle window) const = 0;
  virtual void BringToTop(WindowHandle window) = 0;
  virtual void Enable(WindowHandle window, bool enabled) = 0;
  // Asks for a kPaint of the whole client area (or of `rect`).
  virtual void Invalidate(WindowHandle window, const std::optional<Rect>& rect) = 0;
  virtual void ArrangeIcons(WindowHandle frame) = 0;
  virtual SystemMetrics Metrics() const = 0;

  // Drawing on a window or an owner-drawn control, at any time; nullptr
  // when the window cannot be drawn on.
  virtual std::unique_ptr<Surface> OpenSurface(WindowHandle window) = 0;
  // A white picture in memory to draw on.
  virtual std::unique_ptr<Surface> CreatePictureSurface(Size size) = 0;
  // Pictures and icons shipped with the program, by resource id.
  virtual std::optional<Picture> BitmapResource(int id) const = 0;
  virtual std::optional<Picture> IconResource(int id) const = 0;

  // Controls; they report through their parent's events.
  virtual WindowHandle CreateControl(WindowHandle parent, const ControlSpec& request) = 0;
  virtual void SetText(WindowHandle control, const std::string& text) = 0;
  virtual std::string Text(WindowHandle control) const = 0;
  virtual void SetFocus(WindowHandle control) = 0;
  virtual WindowHandle Focus() const = 0;
  virtual void SetDefaultButton(WindowHandle button, bool isDefault) = 0;
  virtual void SetChecked(WindowHandle checkBox, bool checked) = 0;
  virtual bool IsChecked(WindowHandle checkBox) const = 0;
  virtual void SetScrollRange(WindowHandle scrollBar, int minimum, int maximum) = 0;
  virtual std::pair<int, int> ScrollRange(WindowHandle scrollBar) const = 0;
  virtual void SetScrollPosition(WindowHandle scrollBar, int position) = 0;
  virtual int ScrollPosition(WindowHandle scrollBar) const = 0;
  // List boxes keep their items sorted when added with ListAdd; ListInsert
  // puts the item at `index` (-1: at the end).
  virtual int ListAdd(WindowHandle listBox, const std::string& text) = 0;
  virtual void ListInsert(WindowHandle listBox, int index, const std::string& text) = 0;
  virtual void ListDelete(WindowHandle listBox, int index) = 0;
  virtual int ListCount(WindowHandle listBox) const = 0;
  virtual std::string ListText(WindowHandle listBox, int index) const = 0;
  virtual void ListSelect(WindowHandle listBox, int index) = 0;  // single selection, -1 none
  virtual void ListSetSelected(WindowHandle listBox, int index, bool selected) = 0;
  virtual std::vector<int> ListSelection(WindowHandle listBox) const = 0;
  virtual void PopupSetItems(WindowHandle popup, const std::vector<std::string>& items) = 0;
  virtual void PopupShowItem(WindowHandle popup, int selection) = 0;  // from 1
  virtual void PopupSetLabel(WindowHandle popup, const std::string& label) = 0;
  virtual void SetRedraw(WindowHandle control, bool redraw) = 0;
  virtual void SelectText(WindowHandle edit, int start, int end) = 0;
  // The text shown while the mouse rests on a control; empty removes it.
  virtual void SetToolTip(WindowHandle control, const std::string& text) = 0;

  // Menus. The backend keeps the pointer and reads the items again on
  // RefreshMenuBar; the window list goes into popup `windowMenu` of the bar.
  virtual void SetMenuBar(WindowHandle frame, const MenuItem* bar, int windowMenu) = 0;
  virtual void RefreshMenuBar(WindowHandle frame) = 0;
  virtual void SetAccelerators(WindowHandle frame, const std::vector<Accelerator>& keys) = 0;

  // Task-modal message boxes.
  virtual MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                                    const std::string& caption) = 0;
  virtual std::optional<std::string> AskOpenFile(const FileDialogSpec& request) = 0;
  virtual std::optional<std::string> AskSaveFile(const FileDialogSpec& request) = 0;

  // Clipboard. Setting answers false when the clipboard is left unchanged.
  virtual bool SetClipboardText(const std::string& text) = 0;
  virtual bool SetClipboardPicture(const Picture& picture) = 0;
  virtual std::optional<std::string> ClipboardText() const = 0;
  virtual std::optional<Picture> ClipboardPicture() const = 0;

  // Draws `draw` at `size` onto the picture file `path`, in the format its
  // extension names (PictureFormatOf). Answers the empty text when the file
  // is written, else the message that says why not; the file is then left
  // as it was.
  virtual std::string WritePictureFile(const std::string& path, Size size,
                                       const PictureDrawing& draw) = 0;

  // Shows the print dialog; nullptr when the user cancels it.
  virtual std::unique_ptr<PrintJob> AskPrint(WindowHandle owner, const PrintJobSpec& request) = 0;

  // Timers fire kTimer on their window until stopped.
  virtual void StartTimer(WindowHandle window, int id, int milliseconds) = 0;
  virtual void StopTimer(WindowHandle window, int id) = 0;
  // Runs `task` once the current event has been handled.
  virtual void Post(std::function<void()> task) = 0;
  // The event loop of the program: returns the code given to Quit.
  virtual int Run() = 0;
  virtual void Quit(int code) = 0;

  virtual void Beep() = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  virtual DateTimeText Now() const = 0;
};

}  // namespace shell
