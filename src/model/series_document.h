#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TdvDataObject;

// What a series needs from the document that owns it. A series never draws
// or shows anything itself: it looks things up and reports its changes here,
// and the document decides what to recompute and redraw.
class TdvSeriesDocument {
 public:
  virtual ~TdvSeriesDocument() = default;

  // The item with that id, or nullptr. The reference -1 stands for the
  // document's default origin; other negative references name no item.
  virtual TdvDataObject* GetItem(std::int32_t id) = 0;
  // Name of an origin reference: "Video Origin" for -2, the empty text for
  // references that name no item.
  virtual std::string GetOriginName(std::int32_t originRef) = 0;
  // Start times of all frames of the movie, ascending.
  virtual const std::vector<std::int32_t>& FrameKeys() const = 0;
  virtual std::int32_t DisplayedFrame() const = 0;
  // The frame's time in seconds as shown in labels (4 significant digits).
  virtual std::string FrameTimeText(std::int32_t frame) = 0;

  // Data of the series changed on one frame (sampleType tells how far the
  // change reaches).
  virtual void SeriesChangedAt(TdvDataObject& series, std::int32_t frame, int sampleType) = 0;
  // Data or settings of the series changed on every frame.
  virtual void SeriesChanged(TdvDataObject& series) = 0;
  virtual void RedrawRow(TdvDataObject& series) = 0;
  // The box of the series' coordinate system must be laid out again.
  virtual void RelayoutBox(TdvDataObject& series) = 0;
  virtual void SeriesMovedOrigin(TdvDataObject& series, std::int32_t fromOrigin,
                                 std::int32_t toOrigin) = 0;
  virtual void SeriesBecameFixed(TdvDataObject& series) = 0;
  virtual void SeriesNoLongerFixed(TdvDataObject& series) = 0;
  // Every frame of every member of the origin's coordinate system changes.
  virtual void FixedOriginRotated(TdvDataObject& series, double oldValue, double newValue) = 0;
  virtual void FixedOriginMoved(TdvDataObject& series, double value) = 0;
  // A point-type series became an origin, or stopped being one.
  virtual void AddCoordinateFrame(std::int32_t originId) = 0;
  virtual void RemoveCoordinateFrame(std::int32_t originId) = 0;
  virtual void RedrawWindows() = 0;

  // An information box (OK only).
  virtual void InformationBox(const std::string& text, const std::string& caption) = 0;
  // OK and Cancel; true for OK.
  virtual bool Confirm(const std::string& text, const std::string& caption) = 0;
  virtual void Beep() = 0;
  // The one-line text dialog; the typed text, or nothing when cancelled.
  virtual std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                             const std::string& initial) = 0;
};
