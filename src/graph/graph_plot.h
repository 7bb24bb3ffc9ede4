#pragma once

#include <cstdint>

#include "foundation/object.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"

// One quantity of one series drawn in a graph.
class TdvGraphPlot : public TdvObject, public TdvTaggedReceiver {
 public:
  // Marker sizes from here up are not drawable and are read as 0.
  static constexpr std::uint16_t kMarkerSizeLimit = 100;

  TdvGraphPlot() = default;
  TdvGraphPlot(std::int32_t seriesId, std::int32_t quantity)
      : seriesId(seriesId), quantity(quantity) {}

  // "g[" ... "];" and the line break.
  void WriteRecord(TdvTaggedWriter& writer) const;
  void SetFlagValue(std::int32_t tag, bool flag) override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;

  void SetMarkerSize(std::int32_t size);
  std::uint16_t MarkerSize() const { return markerSize_; }

  // Until a record says otherwise a plot shows the document's default origin.
  std::int32_t seriesId = -1;
  // The quantity code of the group, kept also while the plot has no group.
  std::int32_t quantity = 2;
  std::uint8_t markerShape = 0;
  std::uint8_t colour = 0;
  bool connect = false;

 private:
  std::uint16_t markerSize_ = 0;
};
