#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "foundation/format_significant.h"
#include "model/series.h"
#include "model/series_document.h"

// A document for series tests: holds items (not owned) and the frame list,
// and records every notification and message so that a test can check what
// a series reported.
class FakeSeriesDocument : public TdvSeriesDocument {
 public:
  struct Message {
    std::string text;
    std::string caption;
    bool operator==(const Message&) const = default;
  };

  // Registers series under its id and makes this its document.
  void Add(TdvDataObject& series) {
    items[series.GetId()] = &series;
    series.SetDocument(this);
  }

  TdvDataObject* GetItem(std::int32_t id) override {
    if (id == -1) {
      id = defaultOrigin;
    }
    auto found = items.find(id);
    return found == items.end() || id < 0 ? nullptr : found->second;
  }
  std::string GetOriginName(std::int32_t originRef) override {
    if (originRef == -2) {
      return "Video Origin";
    }
    TdvDataObject* item = originRef == -31 ? nullptr : GetItem(originRef);
    return item ? item->GetName() : "";
  }
  const std::vector<std::int32_t>& FrameKeys() const override { return frameKeys; }
  std::int32_t DisplayedFrame() const override { return displayedFrame; }
  std::string FrameTimeText(std::int32_t frame) override {
    return FormatSignificant(static_cast<double>(frame) / timeScale, 4, true);
  }

  void SeriesChangedAt(TdvDataObject& series, std::int32_t frame, int sampleType) override {
    Record("changed-at", series, std::to_string(frame) + " " + std::to_string(sampleType));
  }
  void SeriesChanged(TdvDataObject& series) override { Record("changed", series, ""); }
  void RedrawRow(TdvDataObject& series) override { Record("redraw-row", series, ""); }
  void RelayoutBox(TdvDataObject& series) override { Record("relayout", series, ""); }
  void SeriesMovedOrigin(TdvDataObject& series, std::int32_t from, std::int32_t to) override {
    Record("moved-origin", series, std::to_string(from) + " " + std::to_string(to));
  }
  void SeriesBecameFixed(TdvDataObject& series) override { Record("became-fixed", series, ""); }
  void SeriesNoLongerFixed(TdvDataObject& series) override {
    Record("no-longer-fixed", series, "");
  }
  void FixedOriginRotated(TdvDataObject& series, double oldValue, double newValue) override {
    Record("fixed-origin-rotated", series,
           FormatSignificant(oldValue, 6, false) + " " + FormatSignificant(newValue, 6, false));
  }
  void FixedOriginMoved(TdvDataObject& series, double value) override {
    Record("fixed-origin-moved", series, FormatSignificant(value, 6, false));
  }
  void AddCoordinateFrame(std::int32_t originId) override {
    events.push_back("add-frame " + std::to_string(originId));
  }
  void RemoveCoordinateFrame(std::int32_t originId) override {
    events.push_back("remove-frame " + std::to_string(originId));
  }
  void RedrawWindows() override { events.push_back("redraw-windows"); }

  void InformationBox(const std::string& text, const std::string& caption) override {
    messages.push_back({text, caption});
  }
  bool Confirm(const std::string& text, const std::string& caption) override {
    confirmations.push_back({text, caption});
    bool answer = confirmAnswers.empty() || confirmAnswers.front();
    if (!confirmAnswers.empty()) {
      confirmAnswers.pop_front();
    }
    return answer;
  }
  void Beep() override { ++beeps; }
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return textAnswer;
  }

  std::map<std::int32_t, TdvDataObject*> items;
  std::int32_t defaultOrigin = 0;
  std::vector<std::int32_t> frameKeys;
  std::int32_t displayedFrame = 0;
  double timeScale = 600.0;

  // "kind id details", in the order reported.
  std::vector<std::string> events;
  std::vector<Message> messages;
  std::vector<Message> confirmations;
  // Answers of Confirm in turn; OK once they run out.
  std::deque<bool> confirmAnswers;
  int beeps = 0;
  // Prompt and title of each text dialog opened, and the text it started with.
  // What the text dialog answers; nothing means cancelled.
  std::optional<std::string> textAnswer;

 private:
  void Record(const std::string& kind, TdvDataObject& series, const std::string& details) {
    std::string e = kind + " " + std::to_string(series.GetId());
    if (!details.empty()) {
      e += " " + details;
    }
    events.push_back(e);
  }
};
