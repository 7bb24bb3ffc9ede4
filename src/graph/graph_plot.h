#pragma once

#include <cstdint>

#include "foundation/object.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"

class TdvDataValueGroup;

// How a plot's points look: the marker's shape code, its colour code, its
// size class, and whether a line joins the points.
struct TdvPlotStyle {
  std::uint8_t markerShape = 0;
  std::uint8_t colour = 0;
  std::uint16_t markerSize = 0;
  bool connect = false;
};

// One quantity of one series drawn in a graph. While the plot shows its
// group it holds one use of it, so that the data table keeps the values
// computed. The group belongs to the data table: the graph gives the use
// back (ReleaseGroup) while the table is there, or forgets the group when
// the table has destroyed it with its series.
class TdvGraphPlot : public TdvObject, public TdvTaggedReceiver {
 public:
  // Marker sizes from here up are not drawable and are read as 0.
  static constexpr std::uint16_t kMarkerSizeLimit = 100;

  TdvGraphPlot() = default;
  TdvGraphPlot(std::int32_t seriesId, std::int32_t quantity)
      : seriesId(seriesId), quantity(quantity) {}
  TdvGraphPlot(const TdvGraphPlot&) = delete;
  TdvGraphPlot& operator=(const TdvGraphPlot&) = delete;

  // Starts showing group (none allowed) and stops showing the one before.
  void SetGroup(TdvDataValueGroup* group);
  void ReleaseGroup() { SetGroup(nullptr); }
  TdvDataValueGroup* Group() const { return group_; }

  // "g[" ... "];" and the line break.
  void WriteRecord(TdvTaggedWriter& writer) const;
  void SetFlagValue(std::int32_t tag, bool flag) override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;

  void SetMarkerSize(std::int32_t size);
  std::uint16_t MarkerSize() const { return markerSize_; }
  TdvPlotStyle Style() const { return {markerShape, colour, markerSize_, connect}; }
  void SetStyle(const TdvPlotStyle& style);

  // Until a record says otherwise a plot shows the document's default origin.
  std::int32_t seriesId = -1;
  // The quantity code of the group, kept also while the plot has no group.
  std::int32_t quantity = 2;
  std::uint8_t markerShape = 0;
  std::uint8_t colour = 0;
  bool connect = false;

 private:
  TdvDataValueGroup* group_ = nullptr;
  std::uint16_t markerSize_ = 0;
};
