#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "document/data_object_window.h"
#include "document/document_dialogs.h"
#include "document/movie_link.h"
#include "document/movie_opener.h"

// A 640 by 480 pixel movie shown at its natural size with the picture's
// top-left corner at window pixel (10, 20). It steps its document through
// `frames` as a movie window does, and records what the document asked.
class RecordingMovie : public TdvMovieLink {
 public:
  int NaturalHeight() const override { return 480; }
  void RedrawMovie() override {}
  std::optional<TdvRect> WindowRect() const override { return std::nullopt; }
  TdvWindow* Window() override { return window; }
  TdvPoint ToWindow(const TdvPoint& units) const override {
    return TdvPoint{10 + units.x / 2, 20 - units.y / 2};
  }
  TdvRect PictureRect() const override { return TdvRect{10, 20, 650, 500}; }
  TdvPoint MovieUnitsSize() const override { return TdvPoint{1280, 960}; }
  void StepFrame(bool forward) override {
    ++steps;
    std::int32_t now = document->DisplayedFrame();
    for (std::size_t i = 0; i < frames.size(); ++i) {
      if (frames[i] == now && forward && i + 1 < frames.size()) {
        document->CurrentTimeChanged(frames[i + 1]);
        return;
      }
    }
  }
  void Nudge(int code) override { nudges.push_back(code); }
  int MovieCommand(int id) override {
    commands.push_back(id);
    return 0;
  }
  void CheckMenuItem(int id, bool on) override { checks[id] = on; }
  void ForceClose() override {
    ++closes;
    document->MovieClosing();
  }

  TdvDataObjectWindow* document = nullptr;
  // Where the items draw; none: they are not drawn.
  TdvWindow* window = nullptr;
  std::vector<std::int32_t> frames{0, 100, 200};
  int steps = 0;
  int closes = 0;
  std::vector<int> nudges;
  std::vector<int> commands;
  std::map<int, bool> checks;
};

// Opens every movie into a RecordingMovie, as the movie window opener does.
class RecordingOpener : public TdvMovieOpener {
 public:
  bool OpenMovie(TdvDataObjectWindow& document, const std::string& path) override {
    opened.push_back(path);
    movie.document = &document;
    document.AttachMovie(&movie);
    document.SetTimeBase(600, movie.frames);
    return true;
  }

  RecordingMovie movie;
  std::vector<std::string> opened;
};

// Records which dialog the document opened, and for what.
class RecordingDialogs : public TdvDocumentDialogs {
 public:
  void EditItem(TdvDataObjectWindow&, std::int32_t id, bool newItem) override {
    opened.push_back("edit " + std::to_string(id) + (newItem ? " new" : ""));
  }
  void ChooseMarker(TdvDataObjectWindow&, std::int32_t id) override {
    opened.push_back("marker " + std::to_string(id));
  }
  void NewItem(TdvDataObjectWindow&) override { opened.push_back("new item"); }
  void ChangeScale(TdvDataObjectWindow&) override { opened.push_back("change scale"); }
  void ScaleMovie(TdvDataObjectWindow&) override { opened.push_back("scale movie"); }
  void NumberOfPoints(TdvDataObjectWindow&, const std::string& path) override {
    opened.push_back("points " + path);
  }

  std::vector<std::string> opened;
};
