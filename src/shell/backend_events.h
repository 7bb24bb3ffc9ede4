#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/gfx_types.h"

namespace shell {

// Opaque id of a window, dialog or control made by a backend; 0 is none.
using WindowHandle = std::uint64_t;
constexpr WindowHandle kNoWindow = 0;

// Keys as the backend reports them; the framework decides which ones a
// window sees.
enum class Key {
  kOther,
  kTab,
  kReturn,
  kEscape,
  kBackspace,
  kDelete,
  kLeft,
  kRight,
  kUp,
  kDown,
};

struct Modifiers {
  bool control = false;
  bool shift = false;
  bool rightButton = false;
};

enum class EventKind {
  kCreate,       // first event of every window made by a Create… call
  kShow,         // flag: shown
  kSize,         // size: new client size
  kWindowMoved,  // outer rectangle changed
  kPaint,        // the client area needs drawing
  kActivate,     // flag: activated (true) or deactivated (false)
  kClose,        // the user or the system asks to close; answer -999 to allow
  kDestroy,      // last event of a window; the handle is invalid afterwards
  kMouseDown,    // point, modifiers (rightButton for the right button)
  kMouseUp,
  kMouseMove,
  kDoubleClick,
  kKeyDown,      // key, modifiers
  kCommand,      // id: a menu or accelerator command
  kButton,       // id: a button, drawn area or check box was pressed; point: where the
                 // mouse was, in the parent's client area
  kPopupSelect,  // id, selection (from 1)
  kScroll,       // id (0: the window's own bar), scrollCode, position
  kEditChar,     // id, character, modifiers: answer -999 to let the edit field take it
  kListNotify,   // id, scrollCode: 1 selection changed, 2 double click
  kOwnerDraw,    // id: the owner-drawn control needs drawing
  kTimer,        // id: the timer that fired
  kDropFiles,    // paths, in the order given
  kOpenPath,     // paths[0]: a path handed over by a second start of the program
};

// Codes of kListNotify, in its scrollCode.
enum ListNotifyCode : int {
  kListSelectionChanged = 1,
  kListDoubleClicked = 2,
};

// Scroll codes of kScroll.
enum ScrollCode : int {
  kScrollLineUp = 0,
  kScrollPageUp = 1,
  kScrollLineDown = 2,
  kScrollPageDown = 3,
  kScrollThumb = 4,
};

struct Event {
  EventKind kind = EventKind::kPaint;
  Point point;  // client pixels of the window the event is for
  Modifiers modifiers;
  Key key = Key::kOther;
  char32_t character = 0;
  int id = 0;
  int selection = 0;
  int scrollCode = 0;
  int position = 0;
  bool flag = false;
  Size size;
  std::vector<std::string> paths;
};

// What a backend calls for every event of every window it made. Controls
// report through their parent window (the event's id is the control id).
// The answer is -999 when the framework did not handle the event, which lets
// the backend's default behaviour run.
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual int Dispatch(WindowHandle window, const Event& event) = 0;
};

constexpr int kNotHandled = -999;

}  // namespace shell
