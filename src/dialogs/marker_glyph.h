#pragma once

#include "foundation/geometry.h"

class TdvSeriesView;

// The marker categories of the chooser: the shape codes of a category run
// from (category - 1) * 100 to its last code.
inline constexpr int kMarkerCategories = 5;
inline constexpr int kPointCategory = 1;
inline constexpr int kBasicCategory = 5;
int MarkerCategoryOf(int shapeCode);
int FirstMarkerCode(int category);
int LastMarkerCode(int category);

// A picture of the marker `shapeCode` in `cell` (window pixels) as the
// movie shows it: the bitmap shapes centred in the cell, the axis lines of
// "Line" across it, the arrows of "Change" and "Vector" from its lower left
// towards its upper right, and the distance lines of "Basic" along it.
// Codes without a drawing leave the cell empty.
void DrawMarkerGlyph(TdvSeriesView& view, const TdvRect& cell, int shapeCode, int sizeClass,
                     int colourIndex);
