#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/calculated_series.h"

// A distance of known real length between two marked ends. A coordinate
// system whose origin names it reports lengths in real units: movie units
// times the known length over the distance's current length in movie
// units. Ends placed on every frame re-measure it on every frame (a zooming
// camera); Fixed ends make it constant for the movie.
class TdvCalibrateObject : public TdvCalculatedLine {
 public:
  TdvCalibrateObject();

  bool IsA(int code) const override {
    return code == kCalibrateObjectCode || TdvCalculatedLine::IsA(code);
  }
  std::unique_ptr<TdvObject> Clone() const override;

  int ScalarKind() const override { return 38; }
  // A scale has no sample type of its own: Frame-by-Frame ends win over
  // Semi-Fixed ones, which win over Fixed ones.
  int GetSampleType() const override;
  void SetRealValue(std::int32_t tag, double value) override;
  void WriteExtraGroups(TdvTaggedWriter& writer) override;

  // One coordinate of a point, from movie units into lengthUnit. Ends
  // without positions leave it in movie units with the label "<name>
  // unknown"; ends that coincide are moved apart (with a message) and
  // leave value and label alone.
  bool Convert(double& value, std::int32_t frame, std::uint8_t lengthUnit,
               std::string& unitLabel) override;
  // Movie units per unit of the scale's own length unit.
  bool GetScaleFactor(double& pixelsPerUnit, std::int32_t frame);
  double MetresPerPixel(std::int32_t frame);
  // The scale row of a coordinate-systems box.
  std::string ScaleRowText(std::int32_t frame);

  // In metres.
  double GetKnownLength() const { return knownLength; }
  void SetKnownLength(double metres);

 protected:
  TdvCalibrateObject(const TdvCalibrateObject&) = default;

 private:
  bool PixelLength(double& length, std::int32_t frame);
  // Moves the last end off the first on the displayed frame.
  void SpreadEnds();

  double knownLength = 1.0;
};
