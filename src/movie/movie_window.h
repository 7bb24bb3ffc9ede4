#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/file_location.h"
#include "document/movie_link.h"
#include "movie/frame_pictures.h"
#include "movie/movie_controller.h"
#include "movie/movie_layout.h"
#include "movie/tracking_frame.h"
#include "movie/video_movie.h"
#include "shell/document_window.h"

class TdvStatusWindow;

namespace kinovex {

// The window that shows a document's movie: the picture with the
// document's items drawn over it, the movie controller, and a status strip
// (the time of the frame, the cursor readout, the selected item's name).
//
// It speaks to its document only through TdvMovieDocument, in movie units
// (half movie pixels, y up from the picture's top edge):
// - a click, drag, release or double click on the picture goes to the
//   document (MovieClick, MovieDrag, MovieMouseUp, MovieDoubleClick),
//   unless a movie message is open: during a scale the two clicks go to
//   ScalePoint (-5, -6; -4 when the scale is cancelled after one click),
//   and when tracking lost its object the click on it goes to
//   TrackingClick (closing the message instead stops the tracking);
// - the tracker reads the frames through TrackingFrame;
// - Tab and Delete go to MovieKey, Control and an arrow to NudgeSelected;
//   plain Left, Right and Space work the controller;
// - each drawn frame asks DrawItemsAt, the texts of the strip, and tells
//   CurrentTimeChanged; a step the user made with the controller is told
//   with ControllerStepped, and when the document does not step every
//   frame the controller's steps go to the document's StepTime instead;
// - commands it does not answer itself go to MovieDocumentCommand;
// - closing it by hand closes the document (CloseDocument); only the
//   document's ForceClose closes the movie window alone.
class TdvMoovWindow : public TdvDocumentWindow, public TdvMovieLink {
 public:
  static constexpr int kClassCode = 11;
  static constexpr int kKeepAspectOption = 600;

  TdvMoovWindow();
  ~TdvMoovWindow() override;

  bool IsA(int code) const override;

  void SetDocument(TdvMovieDocument* movieDocument) { document = movieDocument; }
  void SetMovieFile(const TdvFileLocation& location);
  // Takes the movie; refused (with a message) when one is already attached
  // or there is none.
  void MoovSetMoov(std::unique_ptr<TdvVideoMovie> movie);
  void SetMovieSize(int width, int height);
  void SetOption(int key, int value);
  // `scaleClick` acts on the picture only; 1 when it took the point.
  int ScaleClick(int x, int y);
  // The click on the object that tracking lost, on the picture only.
  void TrackingClick(int x, int y);
  const TdvMovieLayout& Layout() const { return layout_; }
  TdvMovieController* Controller() const { return controller_.get(); }

  // The movie link.
  int NaturalHeight() const override { return naturalSize.height; }
  void RedrawMovie() override;
  std::optional<TdvRect> WindowRect() const override;
  void PlaceWindow(const TdvRect& place) override;
  TdvWindow* Window() override { return this; }
  TdvPoint ToWindow(const TdvPoint& movieUnits) const override;
  TdvRect PictureRect() const override { return layout_.picture; }
  TdvPoint MovieUnitsSize() const override;
  void StepFrame(bool forward) override;
  void GoToTime(std::int32_t time) override;
  void ShowMovieMessage(int code) override;
  bool TrackingFrame(std::int32_t time, TrackingPicture& picture) override;
  void Nudge(int code) override;
  int MovieCommand(int id) override;
  void CheckMenuItem(int id, bool on) override { WinCheckMenuItem(id, on); }
  void ForceClose() override;

  // Window operations.
  void WinDraw(const std::optional<shell::Rect>& area) override;
  bool FilterEvent(const shell::Event& event) override;
  int DoActivate(bool active) override;
  int DoCreate() override;
  int DoCommand(int id) override;
  int DoSize(int width, int height) override;
  int DoClose() override;
  int DoMouseMove(int x, int y, int modifiers) override;
  int DoMouseDown(int x, int y, int modifiers) override;
  int DoDoubleClick(int x, int y, int modifiers) override;
  int DoMouseUp(int x, int y, int modifiers) override;
  int DoKeyDown(int character, int modifiers) override;
  int DoWindowMoved() override;
  void CloseWindow() override;
  void OnMessageDone(int code) override;
  void OnMessageClosed() override;
  void OnMessageClick(int x, int y, int modifiers, int code) override;
  void ShowControlHelp(int id, int x, int y) override;
  void ShowAreaHelp(int x, int y) override;
  TdvDocumentWindow* GetDocument() override;

  // Fields, named as the rest of the program knows them.
  TdvMovieDocument* document = nullptr;  // not owned
  shell::Size naturalSize{-1, -1};
  MovieTime currentTime = 0;
  std::vector<MovieTime> frameTimes;
  MovieTime timeScale = 1;
  MovieTime duration = 0;
  double hScale = 1.0;
  double vScale = 1.0;
  int barHeight = 15;
  bool keepAspect = true;
  bool playAllFrames = true;
  bool showFrameNumbers = true;
  bool ownStep = true;
  bool stepDone = false;
  bool scaleFirstDone = false;
  bool scaleMode = false;
  int cursorKind = 0;
  std::string floatingText;
  TdvStatusWindow* messageWindow = nullptr;  // owned by the shell
  bool closeAllowed = false;
  TdvFileLocation movieFile;

 private:
  TdvPoint ToMovieUnits(int x, int y) const;
  bool OnPicture(int x, int y) const { return PointInRect({x, y}, layout_.picture); }
  bool ControllerFilter(TdvControllerAction action, int argument);
  void ControllerMovedFrame();
  void SnapCurrentTime();
  void Redraw();
  void DrawPicture();
  void DrawFrameCounter();
  void DrawStrip();
  void DrawReadout();
  void DrawNameBox();
  void DrawFloatingLabel();
  void EraseFloatingLabel();
  void ShowCursor();
  void RestoreAndRaise();
  void ResizeToMovie(double factor);
  int AvailableWidth() const;
  void DropMovie();
  void CloseMessageWindow();

  std::unique_ptr<TdvVideoMovie> movie_;
  std::unique_ptr<TdvFramePictures> pictures_;
  std::unique_ptr<TdvMovieController> controller_;
  TdvMovieLayout layout_;
  bool sizing_ = false;
  std::optional<shell::Point> floatingAt_;
  std::optional<std::size_t> beepedFrame_;
  TdvVideoImage trackingImage_;  // the frame the tracker reads
};

}  // namespace kinovex
