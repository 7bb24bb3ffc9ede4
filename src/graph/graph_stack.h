#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"
#include "graph/graph_object.h"
#include "graph/nice_scale.h"

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
  // The horizontal quantity: usually the movie's time (series -31,
  // quantity 1).
  std::int32_t horizontalSeries = -31;
  std::int32_t horizontalQuantity = 1;
  double dataMin = 0.0;
  double dataMax = 0.0;
  TdvAxisScale axis{0.0, 1.0, 0.2, 5};
  bool autoScale = true;
  double pixelsPerUnit = 1.0;

 private:
  std::vector<std::unique_ptr<TdvGraphObject>> graphs_;
};
