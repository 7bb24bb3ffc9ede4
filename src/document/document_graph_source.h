#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "graph/graph_source.h"

class TdvDataObjectWindow;

// The document as its graphs see it: the groups of its data table, the
// scales of its series and its message boxes.
class TdvDocumentGraphSource : public TdvGraphSource {
 public:
  explicit TdvDocumentGraphSource(TdvDataObjectWindow& document) : document(document) {}

  // Made with the series' entry in the table when either is missing, so
  // that a plot read from a file finds its values once they are computed.
  TdvDataValueGroup* FindGroup(std::int32_t seriesId, std::int32_t quantity) override;
  // The scale of the series' origin, in pixels per unit of length.
  std::optional<TdvScaleSample> ScaleAt(std::int32_t seriesId, std::int32_t frame) override;
  void ShowInformation(const std::string& text, const std::string& caption) override;

 private:
  TdvDataObjectWindow& document;
};
