#pragma once

#include <cstddef>
#include <memory>

#include "graph/graph_plot.h"
#include "graph/graph_stack.h"
#include "plot/graph_dialogs.h"

// A new plot of chosen, the index-th of its graph: each plot of a graph
// gets its own colour and marker, and a line joins its points.
std::unique_ptr<TdvGraphPlot> StyledPlot(const TdvPlotQuantity& chosen, std::size_t index);

// The graphs "Plot Series" asks for: quantities of one kind (positions,
// velocities, energies, ...) share a graph, and each kind gets a graph of
// its own, stacked in the order chosen, so that no vertical axis mixes
// units.
std::unique_ptr<TdvGraphStack> GraphsFor(const TdvPlotChoice& choice);
