#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"
#include "graph/graph_object.h"
#include "graph/graph_source.h"
#include "graph/horizontal_axis.h"

// What a graph window shows, without the window: its graphs stacked top to
// bottom and the horizontal axis they share. The document keeps one of these
// for every graph window it saves.
class TdvGraphStack : public TdvTaggedReceiver {
 public:
  TdvGraphStack() = default;
  TdvGraphStack(const TdvGraphStack&) = delete;
  TdvGraphStack& operator=(const TdvGraphStack&) = delete;

  TdvGraphObject& AddGraph(std::unique_ptr<TdvGraphObject> graph);
  const std::vector<std::unique_ptr<TdvGraphObject>>& Graphs() const { return graphs_; }

  // The horizontal group and every plot's group taken from source, one use
  // each; the groups shown before are given back.
  void BindGroups(TdvGraphSource& source);
  void ReleaseGroups();
  // A series is gone, and the data table has destroyed its groups with it:
  // its plots go and the groups are forgotten without giving uses back.
  void SeriesRemoved(std::int32_t seriesId);

  // With autoScale, the axis is chosen around the horizontal group's values;
  // without, the current range is kept and cut into its ticks. The graphs
  // then share the client area below one another.
  void RescaleHorizontal(bool autoScale, int clientWidth, int clientHeight);
  // Both axes of every graph chosen again and every fit brought up to date.
  void Rescale(int clientWidth, int clientHeight, TdvGraphSource& source);

  // "G[" with the window's rectangle (as the window framework saves it, one
  // pixel to the left), the horizontal axis and every graph.
  void WriteRecord(TdvTaggedWriter& writer) const;
  void SetFlagValue(std::int32_t tag, bool flag) override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;
  void SetRealValue(std::int32_t tag, double value) override;
  void SetRectValue(std::int32_t tag, const TdvRect& rect) override;
  void ReadOwnGroup(int code, TdvStringStream& stream) override;

  // The window's outer rectangle.
  TdvRect rect;
  TdvHorizontalAxis horizontal;

 private:
  std::vector<std::unique_ptr<TdvGraphObject>> graphs_;
};
