#include "document/data_object_window.h"
#include "model/series_row_columns.h"
#include "shell/shell.h"

namespace {

constexpr const char* kHeaderHelp[] = {
    "Dragging an item in this column allows you to change the order in which the data is taken "
    "or make an item relative to a differnet reference frame",
    "The names of the items are displayed in the column.  You can change the names by clicking "
    "on them",
    "Clicking in this column toggles the visibility",
    "Clicking in this column toggles trails on and off",
    "Clicking in this column will create/destroy a coordinate system with the selected item as "
    "the origin. (Point-type items ONLY!)",
    "Mass of the item; Click in the column to change it.",
    "Type of item",
};

}  // namespace

void TdvDataObjectWindow::ShowAreaHelp(int x, int y) {
  TdvShell::Get().SetHelpText(AreaHelp(x, y));
}

std::string TdvDataObjectWindow::AreaHelp(int x, int y) {
  const TdvCoordinateSystemsLayout& layout = ListLayout();
  if (y >= layout.movieLine.top) {
    return "This is the name of the movie that is associated with these coordinate systems";
  }
  const int column = RowColumnAt(x);
  if (y < layout.headerRow.bottom) {
    return column >= 0 ? kHeaderHelp[column] : "";
  }
  if (const TdvCoordinateSystemsLayout::Row* row = layout.RowAt(x, y, ItemOrder())) {
    if (TdvDataObject* item = GetItem(row->id)) {
      return RowHelp(*item, column);
    }
  }
  if (const TdvCoordinateSystemsLayout::Box* box = layout.ScaleAt(x, y)) {
    const TdvCoordinateFrame* frame = FindFrame(box->origin);
    if (TdvDataObject* scale = GetItem(frame->scale)) {
      return scale->GetName() + " scales this coordinate system.  ";
    }
  }
  if (const TdvCoordinateSystemsLayout::Box* box = layout.HeaderAt(x, y)) {
    if (box->origin == kVideoOriginRef) {
      return "Items in the Video Frame report their data relative to the bottom left corner of "
             "the movie. ";
    }
    return GetOriginName(box->origin) +
           " defines the origin of this coordinate system.  All items in this box report their "
           "data relative to this origin.";
  }
  return "Clicking here will deselect all items";
}

std::string TdvDataObjectWindow::RowHelp(TdvDataObject& item, int column) {
  const std::string& name = item.GetName();
  switch (column) {
    case kNameColumn:
      return "Click here to change the name of " + name;
    case kVisibleColumn:
      return item.IsVisible() ? "Click here to hide " + name
                              : "Click here to show " + name + " on the movie";
    case kTrailsColumn:
      return item.HasTrails() ? "Click here to turn off the trails of " + name
                              : "Click here to show the trails of " + name + " on the movie";
    case kOriginColumn:
      if (!item.IsPointType()) {
        return "Since " + name +
               " is not a point-type item, it cannot become an origin.  Clicking here has no "
               "effect";
      }
      if (item.IsOrigin()) {
        return "Clicking here will make " + name + " lose origin status.  All points relative to " +
               name + " will be made relative to the Video Origin";
      }
      return "Clicking here will make " + name + " an origin.  Once an orign, " + name +
             " will define an empty coordinate system";
    case kMassColumn:
      if (!item.IsPointType()) {
        return "Since " + name + " is not a point-type item, its mass cannot be changed";
      }
      if (item.IsA(kCalculatedCMCode)) {
        return "The mass of Center of Mass item " + name +
               " is the sum of the items which are included in the CM calculation";
      }
      return kHeaderHelp[kMassColumn];
    case kTypeColumn:
      return kHeaderHelp[kTypeColumn];
    default: {
      const std::int32_t origin = item.GetOriginId();
      const std::string originName =
          origin == kVideoOriginRef ? "the Video Origin" : GetOriginName(origin);
      return name + " is relative to " + originName +
             ".  To make it relative to another origin, drag here and drop it on any other "
             "coordinate system header";
    }
  }
}

void TdvDataObjectWindow::AppendInfo(TdvLList<TdvObjectInfo>& list, std::string name,
                                     std::int32_t id) {
  list.Append(std::make_unique<TdvObjectInfo>(std::move(name), id));
}

void TdvDataObjectWindow::ListPoints(TdvLList<TdvObjectInfo>& list) {
  for (std::int32_t id : ItemOrder()) {
    if (TdvDataObject* item = GetItem(id); item != nullptr && item->IsA(kDataPointCode)) {
      AppendInfo(list, item->GetName(), id);
    }
  }
}

void TdvDataObjectWindow::ListPointTypes(TdvLList<TdvObjectInfo>& list) {
  for (std::int32_t id : ItemOrder()) {
    if (TdvDataObject* item = GetItem(id); item != nullptr && item->IsPointType()) {
      AppendInfo(list, item->GetName(), id);
    }
  }
}

void TdvDataObjectWindow::ListOrigins(TdvLList<TdvObjectInfo>& list) {
  for (std::int32_t id : ItemOrder()) {
    TdvDataObject* item = GetItem(id);
    if (item != nullptr && item->IsPointType() && item->IsOrigin()) {
      AppendInfo(list, id == defaultOrigin ? "<" + item->GetName() + ">" : item->GetName(), id);
    }
  }
  AppendInfo(list, "<None>", kVideoOriginRef);
}

void TdvDataObjectWindow::ListScales(TdvLList<TdvObjectInfo>& list) {
  AppendInfo(list, "<None>", kNoScale);
  for (std::int32_t id : ItemOrder()) {
    if (TdvDataObject* item = GetItem(id); item != nullptr && item->IsA(kCalibrateObjectCode)) {
      AppendInfo(list, item->GetName(), id);
    }
  }
}
