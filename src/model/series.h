#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/lists.h"
#include "foundation/object.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_stream.h"
#include "foundation/tagged_writer.h"
#include "model/series_codes.h"
#include "model/series_document.h"
#include "model/series_view.h"
#include "model/time_data.h"

// A series: one tracked or computed item of a document (point, origin,
// distance, scale, angle, centre of mass, designated point, count, clone).
// It keeps its per-frame data by frame key, its display settings, mass and
// units, and its links to an origin and a scale. The subclasses fill the
// virtual operations whose base behaviour is "nothing".
//
// A series reports every change to its document and never redraws anything
// itself; without a document (while it is built or in tests) nothing is
// reported and lookups find nothing.
class TdvDataObject : public TdvObject, public TdvTaggedReceiver {
 public:
  TdvDataObject() = default;
  ~TdvDataObject() override = default;
  TdvDataObject& operator=(const TdvDataObject&) = delete;

  bool IsA(int code) const override { return code == kDataObjectCode || code == 0; }
  // A series of the same class with every field copied and the lists copied
  // element by element; the document is shared.
  std::unique_ptr<TdvObject> Clone() const override;

  // Quantity code of a series with one scalar value per frame, else 0.
  virtual int ScalarKind() const { return 0; }
  virtual bool IsExported() const { return true; }
  // A point-type series that becomes an origin gets a coordinate system of
  // its own in the document; one that stops being an origin loses it.
  virtual void SetOrigin(std::int32_t flag);
  virtual void SetVisible(std::int32_t flag) { markerVisible = flag; }
  virtual void SetTrails(std::int32_t flag) { leaveTrails = flag; }
  virtual int GetSampleType() const { return sampleType; }

  virtual void SetValue(double value, std::int32_t frame);
  virtual double GetValue(std::int32_t frame);
  virtual void CreateValue(double value, std::int32_t frame);
  virtual bool HasData(std::int32_t frame);

  // Hooks of the kinds that can be picked and dragged on the movie.
  virtual void SelectDatum() {}
  virtual void MoveTransformPoint(std::int32_t dx, std::int32_t dy, std::int32_t frame);
  virtual void RotateTo(TdvPoint& position, std::int32_t frame, std::int32_t keyFlags);
  // click is in stored coordinates (movie units, y up).
  virtual bool HitTest(const TdvPoint& click, std::int32_t frame);

  // Drawing on the movie. The stored position the marker of the frame is
  // drawn at, and the rotation its axes are drawn with; false when there
  // is none.
  virtual bool MoviePosition(TdvPoint& position, double& angle, std::int32_t frame);
  virtual void DrawOnMovie(TdvSeriesView& view, std::int32_t frame);
  virtual void DrawSelection(TdvSeriesView& view, std::int32_t frame);
  // The label beside a marker drawn at window pixel (x, y).
  virtual void DrawLabel(TdvSeriesView& view, int x, int y, std::int32_t frame);
  virtual std::string LabelText(TdvSeriesView& view, std::int32_t frame);
  // A small mark at the position of every frame of `frames` but `frame`
  // that falls on the picture.
  virtual void DrawTrails(TdvSeriesView& view, std::int32_t frame,
                          const std::vector<std::int32_t>& frames);
  // The marker of markerType centred on window pixel `at`; angle turns the
  // axes of an origin's marker.
  virtual void DrawMarker(TdvSeriesView& view, const TdvPoint& at, double angle,
                          std::int32_t frame);
  // Whether click (stored coordinates) is on the label, which is an
  // origin's rotation handle.
  virtual bool HitLabel(const TdvPoint& /*click*/, std::int32_t /*frame*/) { return false; }

  // Items that have a position and can be origins.
  virtual bool IsPointType() const { return false; }
  // Position and rotation that an origin has on the frame.
  virtual bool GetOriginPosition(TdvRealPoint& point, double& angle, std::int32_t frame);
  // The clone point's source; the other kinds have none.
  virtual bool GetSourceId(std::int32_t& sourceId) const;
  // The scale's conversion of one coordinate from movie units into
  // lengthUnit; the other kinds convert nothing.
  virtual bool Convert(double& value, std::int32_t frame, std::uint8_t lengthUnit,
                       std::string& unitLabel);

  // The series' line of the export header.
  virtual void ExportInfo(std::ostream& out, std::int32_t number);

  // Layout of the series' block in the document's data grid, in pixels.
  virtual int TableWidth() const { return 0; }
  virtual int TableColumns() const { return 0; }
  virtual int ColumnWidth() const { return 0; }

  virtual void ClearAllData();
  virtual void ClearFrame(std::int32_t frame);

  // The series' rows in the coordinate-systems window: the row rectangle
  // becomes its 18-pixel rows from pos.x + 2, pos.y (pos.y moves past
  // them), drawn when they meet `update`.
  void DrawRows(TdvSeriesView& view, TdvPoint& pos, const TdvRect& update);
  virtual void DrawRowFrame(TdvSeriesView& view);
  virtual void DrawRowCells(TdvSeriesView& view);
  virtual void DrawExtraRows(TdvSeriesView& /*view*/) {}
  // The mass the MASS cell shows, in kilograms.
  virtual double ShownMass() { return mass; }

  // Record setters (tags of the series record) and the series' own groups.
  void SetFlagValue(std::int32_t tag, bool flag) override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;
  void SetRealValue(std::int32_t tag, double value) override;
  void SetStringValue(std::int32_t tag, const std::string& text) override;
  void ReadOwnGroup(int code, TdvStringStream& stream) override;
  // The groups a kind adds after the base groups of its record.
  virtual void WriteExtraGroups(TdvTaggedWriter& writer);

  void WriteRecord(TdvTaggedWriter& writer);
  // Kind code of the record header, from which the reader re-creates the
  // series.
  int RecordKind() const;

  void SetDocument(TdvSeriesDocument* doc) { document = doc; }
  TdvSeriesDocument* GetDocument() const { return document; }
  void RedrawInDocument();

  // Converts a stored position into this origin's coordinate system: the
  // offset from the origin, turned into the origin's axes, then scaled into
  // lengthUnit when the origin has a scale.
  bool ConvertPoint(TdvRealPoint& result, const TdvRealPoint& point, std::uint8_t lengthUnit,
                    std::string& unitLabel, std::int32_t frame);
  // Where the label of a marker at (x, y) goes, turned with the axes.
  TdvPoint LabelPosition(int x, int y, double angle) const;
  // The marker's pick rectangle around a stored position (y up).
  TdvRect MarkerRect(const TdvPoint& centre) const;

  void SetSampleType(int type);
  // The frame whose datum answers for frame in a Semi-Fixed series: frame
  // itself when it holds one, else the nearest earlier frame of the movie
  // that does; frame when there is none.
  std::int32_t ResolveFrame(std::int32_t frame);
  // The datum that answers for frame under the current sample type, or
  // nullptr.
  TdvTimeData* AnsweringDatum(std::int32_t frame);

  std::int32_t GetId() const { return id; }
  void SetId(std::int32_t newId) { id = newId; }
  const std::string& GetName() const { return name; }
  void SetName(const std::string& text);
  const std::string& GetTypeLabel() const { return typeLabel; }
  std::int32_t GetRowCount() const { return rowCount; }
  const TdvRect& GetRowRect() const { return rowRect; }
  bool HitRow(int x, int y) const { return PointInRect(TdvPoint{x, y}, rowRect); }
  bool IsOrigin() const { return isOrigin != 0; }
  bool IsVisible() const { return markerVisible != 0; }
  bool HasTrails() const { return leaveTrails != 0; }
  std::int16_t GetActiveTransform() const { return activeTransform; }

  double GetMass() const { return mass; }
  void SetMass(double kilograms);
  std::uint8_t GetMassUnit() const { return massUnit; }
  void SetMassUnit(std::uint8_t code);
  std::uint8_t GetLengthUnit() const { return lengthUnit; }
  void SetLengthUnit(std::uint8_t code);
  std::uint8_t GetAngleUnit() const { return angleUnit; }
  void SetAngleUnit(std::uint8_t code);
  std::uint8_t GetAngleRange() const { return angleRange; }
  void SetAngleRange(std::uint8_t code);
  std::uint8_t GetCoordinates() const { return coordinates; }
  void SetCoordinates(std::uint8_t kind);
  std::uint8_t GetFrameCoordinates() const { return frameCoordinates; }
  void SetFrameCoordinates(std::uint8_t kind);

  std::uint16_t GetMarkerType() const { return markerType; }
  void SetMarkerType(std::uint16_t code) { markerType = code; }
  std::int32_t GetMarkerSize() const { return markerSize; }
  void SetMarkerSize(std::int32_t n) { markerSize = n; }
  std::uint8_t GetMarkerColour() const { return markerColour; }
  void SetMarkerColour(std::uint8_t index) { markerColour = index; }

  std::int32_t GetOriginId() const { return originId; }
  // Moves the series into the coordinate system of origin id. An id that
  // names no item yet is kept pending and the series reports in the Video
  // Origin meanwhile.
  void SetOriginId(std::int32_t newOriginId);
  std::int32_t GetScaleId() const { return scaleId; }
  void SetScaleId(std::int32_t newScaleId);
  // The ids as read from a file, before the reader maps them to new ids.
  std::int32_t GetSavedOriginId() const;
  std::int32_t GetSavedScaleId() const { return scaleId; }

  ArrayAsLList<TdvTimeData>& FrameData() { return frameData; }
  const ArrayAsLList<TdvTimeData>& FrameData() const { return frameData; }
  ArrayAsLList<TdvTimeData>& TransformPoints() { return transformPoints; }
  const ArrayAsLList<TdvTimeData>& TransformPoints() const { return transformPoints; }
  TdvLList<TdvTransformedFrame>& TransformedFrames() { return listTransformedFrames; }
  const TdvLList<TdvTransformedFrame>& TransformedFrames() const { return listTransformedFrames; }

  // How many values of its record the series refused on reading (numbers
  // that are not finite, lengths that cannot be meant); each is dropped
  // alone and the series keeps the rest.
  std::int32_t RefusedValues() const { return refusedValues; }

 protected:
  TdvDataObject(const TdvDataObject&) = default;

  // Reports to the document, when there is one.
  void NotifyChangedAt(std::int32_t frame);
  void NotifyChanged();
  void NotifyRedrawRow();
  void NotifyRelayout();
  void ShowInformation(const std::string& text, const std::string& caption);
  void RefuseValue() { ++refusedValues; }

  std::int32_t id = 0;
  ArrayAsLList<TdvTimeData> frameData;
  std::int16_t activeTransform = -1;
  TdvLList<TdvTransformedFrame> listTransformedFrames;
  ArrayAsLList<TdvTimeData> transformPoints;
  std::int32_t isOrigin = 0;
  std::int32_t scaleId = kNoScale;
  std::int32_t markerVisible = 1;
  std::int32_t leaveTrails = 0;
  std::uint8_t sampleType = kFrameByFrame;
  std::int32_t originId = kDefaultOriginRef;
  std::int32_t pendingOriginId = kVideoOriginRef;
  std::uint8_t coordinates = kCartesian;
  std::uint8_t frameCoordinates = kCartesian;
  std::string name;
  std::string typeLabel;
  std::int32_t rowCount = 1;
  TdvRect rowRect{-32767, -32767, -32767, -32767};
  double mass = 0.1;
  std::uint8_t lengthUnit = 1;
  std::uint8_t massUnit = 2;
  std::uint8_t angleUnit = 7;
  std::uint8_t angleRange = 1;
  std::uint16_t markerType = 0;
  std::int32_t markerSize = 0;
  std::uint8_t markerColour = 0;
  TdvSeriesDocument* document = nullptr;

  // A trail mark at window pixel `at`; last keeps the previous mark drawn.
  // A mark beside that one is left out: overlapping, the marks of a slow
  // motion would only thicken the band they already draw.
  static void DrawTrailMark(TdvSeriesView& view, const TdvPoint& at, const TdvRect& picture,
                            TdvPoint& last);
  // The position of the series on the frame after `frame` in the movie.
  bool NextPosition(TdvPoint& position, std::int32_t frame);
  // The selection frame around a marker at window pixel `at`, and around
  // its label when the label is drawn there.
  void FrameMarker(TdvSeriesView& view, const TdvPoint& at, std::int32_t frame, bool withLabel);

 private:
  void DrawChangeMarker(TdvSeriesView& view, const TdvPoint& at, std::int32_t frame);
  void DrawVectorMarker(TdvSeriesView& view, const TdvPoint& at, std::int32_t frame);
  std::int32_t refusedValues = 0;
  static void WriteFrameData(TdvTaggedWriter& writer, std::int32_t tag,
                             const ArrayAsLList<TdvTimeData>& data);
  void WriteTransformedFrames(TdvTaggedWriter& writer);
  void SetByteValue(std::int32_t tag, std::int32_t value);
  void ReadFrameData(TdvStringStream& stream);
  void ReadTransformedFrames(TdvStringStream& stream);
};
