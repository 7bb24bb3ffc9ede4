#include "document/data_object_window.h"
#include "foundation/angles.h"
#include "foundation/format_significant.h"
#include "model/count_series.h"
#include "model/series_units.h"

namespace {

constexpr char kThetaLetter = static_cast<char>(216);
constexpr int kDegreesCode = 8;

std::string Significant(double value) {
  return FormatSignificant(value, 3, false);
}

}  // namespace

std::string TdvDataObjectWindow::CursorReadout(int x, int y) {
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  if (item == nullptr || !item->IsPointType()) {
    return "";
  }
  TdvRealPoint point(x, y);
  std::int32_t originRef = item->GetOriginId();
  std::string unit;
  if (!ConvertPoint(point, originRef, item->GetLengthUnit(), unit, displayedTime)) {
    return "Origin has no data yet";
  }
  if (item->GetCoordinates() != kPolar) {
    return "x:" + Significant(point.x) + "  y:" + Significant(point.y) + " " + unit;
  }
  CartesianToPolar(point, 0.0, item->GetAngleRange());
  bool degrees = item->GetAngleUnit() == kDegreesCode;
  double theta = degrees ? point.y * 180.0 / kPi : point.y;
  return "r:" + Significant(point.x) + " " + unit + " " + kThetaLetter + ":" + Significant(theta) +
         " " + UnitLabel(item->GetAngleUnit());
}

// A count offers the number its next mark will get.
std::string TdvDataObjectWindow::SelectedItemLabel(bool& hasData) {
  hasData = false;
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  if (item == nullptr) {
    return "";
  }
  if (item->IsA(kCountObjectCode)) {
    double marks = 0.0;
    static_cast<TdvCountObject*>(item)->GetCount(marks, displayedTime);
    return item->GetName() + ": [ " + std::to_string(static_cast<int>(marks) + 1) + " ]";
  }
  hasData = !item->IsA(kRecordPointCode) && item->HasData(displayedTime);
  return item->GetName();
}

std::string TdvDataObjectWindow::MovieAreaHelp() {
  TdvDataObject* item = currentItem != kNoItem ? GetItem(currentItem) : nullptr;
  if (item == nullptr) {
    return "Nothing is selected.  To select an item, you can either click on visible items on "
           "the movie or use the up and down toolbar buttons";
  }
  const std::string& name = item->GetName();
  if (item->IsA(kCountObjectCode)) {
    return "Click on the movie to add one to " + name + ".  To stop counting " + name +
           ", use the up and down toolbar buttons to select another item.  Use the movie "
           "controller to step to the next frame";
  }
  if (item->IsA(kCalculatedObjectCode)) {
    return name + " is calculated from the location of other points.  You can edit " + name +
           " but cannot take its data directly.";
  }
  if (!item->IsA(kDataPointCode)) {
    return "";
  }
  if (!item->IsVisible()) {
    return name + " is not visible.  Click on the visible icon on the toolbar to show " + name +
           ".";
  }
  if (!item->HasData(displayedTime)) {
    return "Click on the movie to store the location of " + name + " on this frame";
  }
  std::string located =
      name +
      " already has been located on this frame.  To move the point, drag it around the "
      "movie. ";
  return item->IsOrigin() ? located + "Use the handle to rotate the coordinate system. " : located;
}

std::string TdvDataObjectWindow::MovieName() const {
  return movieName.empty() ? "No Movie" : movieName;
}
