#include "plot/plot_choice.h"

#include <vector>

#include "kinematics/quantity_table.h"

namespace {

// Blue, red, black, magenta, green and cyan colour codes.
constexpr std::uint8_t kPlotColours[] = {48, 3, 0, 51, 12, 60};
constexpr std::uint8_t kMarkerShapes = 6;

}  // namespace

std::unique_ptr<TdvGraphPlot> StyledPlot(const TdvPlotQuantity& chosen, std::size_t index) {
  auto plot = std::make_unique<TdvGraphPlot>(chosen.seriesId, chosen.quantity);
  plot->colour = kPlotColours[index % std::size(kPlotColours)];
  plot->markerShape = static_cast<std::uint8_t>(index % kMarkerShapes);
  plot->connect = true;
  return plot;
}

std::unique_ptr<TdvGraphStack> GraphsFor(const TdvPlotChoice& choice) {
  auto stack = std::make_unique<TdvGraphStack>();
  stack->horizontal.series = choice.horizontal.seriesId;
  stack->horizontal.quantity = choice.horizontal.quantity;
  std::vector<int> categories;
  for (const TdvPlotQuantity& chosen : choice.vertical) {
    const int category = QuantityCategory(chosen.quantity);
    std::size_t index = 0;
    while (index < categories.size() && categories[index] != category) {
      ++index;
    }
    if (index == categories.size()) {
      categories.push_back(category);
      stack->AddGraph(std::make_unique<TdvGraphObject>());
    }
    TdvGraphObject& graph = *stack->Graphs()[index];
    graph.AddPlot(StyledPlot(chosen, graph.Plots().size()));
  }
  return stack;
}
