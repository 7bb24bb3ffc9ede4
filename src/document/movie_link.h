#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "foundation/geometry.h"

class TdvWindow;
namespace kinovex {
struct TrackingPicture;
}

// The movie of a document as the document sees it: shown in a movie
// window, or opened without one. A movie shown in no window (kinovex-cli)
// has nothing to step, place, draw on or close: those operations then do
// nothing.
class TdvMovieLink {
 public:
  virtual ~TdvMovieLink() = default;

  // Height of the movie's own picture, in pixels.
  virtual int NaturalHeight() const = 0;
  virtual void RedrawMovie() = 0;
  // The movie window's rectangle, as documents save it; none for a movie
  // shown in no window.
  virtual std::optional<TdvRect> WindowRect() const = 0;
  // Moves and sizes the movie window to `place` (in the frame's client
  // area); a movie shown in no window has nothing to place.
  virtual void PlaceWindow(const TdvRect&) {}

  // The window the document draws its items on, or none.
  virtual TdvWindow* Window() { return nullptr; }
  // A position in movie units (half pixels of the movie's picture, y up,
  // negative inside the picture) in the window's client pixels, and the
  // picture area in client pixels.
  virtual TdvPoint ToWindow(const TdvPoint& movieUnits) const { return movieUnits; }
  virtual TdvRect PictureRect() const { return TdvRect{}; }
  // The picture's size in movie units (twice its natural size in pixels).
  virtual TdvPoint MovieUnitsSize() const { return TdvPoint{0, 0}; }

  // Shows the frame after or before the displayed one (the document's step
  // rules decide which), or the frame shown at `time`.
  virtual void StepFrame(bool /*forward*/) {}
  virtual void GoToTime(std::int32_t /*time*/) {}
  // Opens, changes or closes (-1) the movie-message window; 92 asks for a
  // click on the object that tracking lost, which comes back as
  // TrackingClick (a click on the picture, or none when the message is
  // closed).
  virtual void ShowMovieMessage(int /*code*/) {}
  // The frame shown at `time` as the tracker reads it, valid until the next
  // call; false when it cannot be decoded or there is no movie.
  virtual bool TrackingFrame(std::int32_t /*time*/, kinovex::TrackingPicture& /*picture*/) {
    return false;
  }
  // Moves the selected point one movie unit (codes 5 up, 6 left, 7 right,
  // 8 down), as Control and an arrow key do in the movie window.
  virtual void Nudge(int /*code*/) {}
  // The movie commands the document passes on (301, 307-310, 701); -999
  // for any other.
  virtual int MovieCommand(int /*id*/) { return -999; }
  // The check mark of one of the movie window's menu items.
  virtual void CheckMenuItem(int /*id*/, bool /*on*/) {}
  // Closes the movie window on the document's behalf (closing it by hand
  // closes the whole document).
  virtual void ForceClose() {}
};

// The document as its movie window sees it. Positions are in movie units,
// times are frame keys; keyFlags are the window framework's modifier bits
// (Control 0x1100, Shift 0x0200, the list modifier 0x0800).
class TdvMovieDocument {
 public:
  virtual ~TdvMovieDocument() = default;

  // Mouse and keys on the picture: the document records, selects, picks,
  // drags or rotates (pick is the hit box around the click, in movie
  // units).
  virtual void MovieClick(int x, int y, const TdvRect& pick, int keyFlags) = 0;
  virtual void MovieDrag(int x, int y, int startX, int startY, int keyFlags) = 0;
  virtual void MovieMouseUp(int x, int y, int keyFlags) = 0;
  virtual void MovieDoubleClick(int x, int y, int keyFlags) = 0;
  virtual void MovieKey(int key, int keyFlags) = 0;
  virtual void NudgeSelected(int code) = 0;
  // The two clicks of a scale: code -5 first end, -6 second end, -4
  // cancelled.
  virtual void ScalePoint(int x, int y, int code) = 0;
  // The click that tracking asked for after losing the object; given is
  // false when the user closed the message instead.
  virtual void TrackingClick(int x, int y, bool given) = 0;

  // Draws every visible item's marker, trails and selection mark on the
  // movie window for the frame at `time`, which becomes the displayed one.
  virtual void DrawItemsAt(std::int32_t time) = 0;

  // Texts of the status strip and the area help.
  virtual std::string CursorReadout(int x, int y) = 0;
  // The selected item's label on the displayed frame; hasData is false
  // when it has no datum there (the label is then drawn in italics and the
  // cursor offers to take data).
  virtual std::string SelectedItemLabel(bool& hasData) = 0;
  virtual std::string MovieAreaHelp() = 0;
  // "t = %s [s]" is built from this text of a frame's time; the frame
  // number is the 1-based position of the frame in the document's list.
  virtual std::string FrameTimeText(std::int32_t frame) = 0;
  virtual int FrameIndex(std::int32_t time, std::int32_t* start = nullptr) const = 0;
  // The movie's name in printed headers, "No Movie" without one.
  virtual std::string MovieName() const = 0;

  // Stepping: whether a step shows the very next frame, and otherwise the
  // time a step goes to.
  virtual bool StepsEveryFrame() const = 0;
  virtual std::int32_t StepTime(std::int32_t time, bool forward) const = 0;

  // Notifications from the movie window.
  virtual void CurrentTimeChanged(std::int32_t time) = 0;
  virtual void ControllerStepped() = 0;
  virtual void MovieActivated() = 0;
  virtual void MovieClosing() = 0;
  // The commands of the movie window that belong to the document; -999
  // when it does not handle the id.
  virtual int MovieDocumentCommand(int id) = 0;
  // Closes the whole document (its save prompt first); false when the
  // user kept it open.
  virtual bool CloseDocument() = 0;
};
