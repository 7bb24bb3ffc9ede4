#include "plot/quantity_chooser.h"

#include <array>

#include "document/data_object_window.h"
#include "kinematics/quantity_table.h"
#include "model/series_codes.h"
#include "shell/shell.h"
#include "shell/window.h"

namespace {

constexpr int kPopup = 4;
constexpr int kListBox = 5;
constexpr int kSeveral = 1;

// Rows: position, velocity, acceleration, momentum, net force; columns:
// x, y, magnitude, angle, radius, rotation. The energies have one quantity
// for every component.
constexpr std::array<std::array<int, 6>, 5> kVectorQuantities{{
    {kQuantityXPos, kQuantityYPos, kQuantityDisplacement, kQuantityTheta, kQuantityRadius,
     kQuantityRotation},
    {kQuantityXVelocity, kQuantityYVelocity, kQuantitySpeed, kQuantityAngularVelocity,
     kQuantityDeltaR, kQuantityRotationVelocity},
    {kQuantityXAcceleration, kQuantityYAcceleration, kQuantityAcceleration,
     kQuantityAngularAcceleration, kQuantityRadialAcceleration, kQuantityRotationAcceleration},
    {kQuantityXMomentum, kQuantityYMomentum, kQuantityMomentum, kQuantityAngularMomentum,
     kQuantityNone, kQuantityNone},
    {kQuantityXNetForce, kQuantityYNetForce, kQuantityNetForce, kQuantityNone, kQuantityNone,
     kQuantityNone},
}};

const std::vector<std::string> kCategories{"Position",
                                           "Velocity",
                                           "Acceleration",
                                           "Momentum",
                                           "Net Force (=ma)",
                                           "Kinetic Energy (KE) magnitude",
                                           "Potential Energy (= mgy *)",
                                           "Total Energy (KE + PE)"};
const std::vector<std::string> kAngularCategories{"Angular Position", "Angular Velocity",
                                                  "Angular Acceleration"};
const std::vector<std::string> kComponents{"x", "y", "magnitude", "angle", "radius"};

bool HoldsOwnQuantity(int quantity) {
  return quantity >= kQuantityLength && quantity <= kQuantityAngle;
}

}  // namespace

void RefuseChoice(const std::string& text) {
  TdvShell::Get().Message(shell::MessageKind::kInformation, text, "Select");
}

int PlotQuantity(int category, int component) {
  if (component < kComponentX || component > kComponentRotation) {
    return kQuantityNone;
  }
  switch (category) {
    case kCategoryKineticEnergy:
      return kQuantityKineticEnergy;
    case kCategoryMgy:
      return kQuantityMgy;
    case kCategoryKineticPlusMgy:
      return kQuantityTotalEnergy;
    default:
      break;
  }
  if (category < kCategoryPosition || category > kCategoryNetForce) {
    return kQuantityNone;
  }
  return kVectorQuantities[static_cast<std::size_t>(category)]
                          [static_cast<std::size_t>(component - kComponentX)];
}

TdvQuantityChooser::TdvQuantityChooser(TdvDataObjectWindow& document, Ids ids) : ids_(ids) {
  std::string time;
  QuantityName(time, kQuantityTime, false);
  entries_.push_back({time, kTimeItemRef, kQuantityTime, false});
  for (std::int32_t id : document.ItemOrder()) {
    const TdvDataObject* item = document.GetItem(id);
    if (item != nullptr && (item->IsPointType() || HoldsOwnQuantity(item->ScalarKind()))) {
      const bool setUp =
          item->IsOrigin() || item->ScalarKind() == kQuantityScale || document.IsScaleEnd(id);
      entries_.push_back(
          {item->GetName(), id, item->IsPointType() ? 0 : item->ScalarKind(), !setUp});
    }
  }
}

void TdvQuantityChooser::AddControls(TdvWindow& dialog, int left, int top, int width,
                                     bool several) const {
  const int right = left + width;
  dialog.AddControl(kListBox, ids_.list, "", {left, top, right, top + 150}, 1,
                    several ? kSeveral : 0, 0);
  dialog.AddControl(kPopup, ids_.category, "", {left, top + 158, right, top + 180}, 1, 0, 0);
  dialog.AddControl(kPopup, ids_.component, "", {left, top + 186, right, top + 208}, 1, 0, 0);
}

void TdvQuantityChooser::Fill(TdvWindow& dialog) const {
  dialog.SetPopupItems(ids_.category, kCategories);
  dialog.SetPopupItems(ids_.component, kComponents);
  for (const Entry& entry : entries_) {
    dialog.ListInsertString(ids_.list, -1, entry.name);
  }
}

void TdvQuantityChooser::Select(TdvWindow& dialog, std::int32_t seriesId, int category,
                                int component) {
  for (std::size_t row = 0; row < entries_.size(); ++row) {
    if (entries_[row].seriesId == seriesId) {
      dialog.ListSetSelected(ids_.list, static_cast<int>(row), true);
    }
  }
  FitPopupsToSelection(dialog);
  dialog.SetPopupSelection(ids_.category, category + 1);
  dialog.SetPopupSelection(ids_.component, component);
}

// One pair of pop-ups serves every selected row, so a point series among
// them keeps the point categories (an angle series beside it is plotted
// with its angle).
void TdvQuantityChooser::FitPopupsToSelection(TdvWindow& dialog) {
  bool angle = false;
  bool point = false;
  for (int index : dialog.ListGetSelection(ids_.list)) {
    if (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) {
      const int own = entries_[static_cast<std::size_t>(index)].ownQuantity;
      angle = angle || own == kQuantityAngle;
      point = point || own == 0;
    }
  }
  const bool angular = angle && !point;
  if (angular == angular_) {
    return;
  }
  angular_ = angular;
  dialog.SetPopupItems(ids_.category, angular ? kAngularCategories : kCategories);
  dialog.EnableControl(ids_.component, !angular);
}

std::int32_t TdvQuantityChooser::OnlyMeasuredSeries() const {
  std::int32_t only = kNoItem;
  for (const Entry& entry : entries_) {
    if (entry.measured) {
      if (only != kNoItem) {
        return kNoItem;
      }
      only = entry.seriesId;
    }
  }
  return only;
}

std::optional<std::vector<TdvPlotQuantity>> TdvQuantityChooser::Chosen(TdvWindow& dialog) const {
  const int category = dialog.GetPopupSelection(ids_.category) - 1;
  const int component = dialog.GetPopupSelection(ids_.component);
  std::vector<TdvPlotQuantity> chosen;
  for (int index : dialog.ListGetSelection(ids_.list)) {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) {
      continue;
    }
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    if (angular_ && entry.ownQuantity == kQuantityAngle && category != kCategoryPosition) {
      RefuseChoice("An angle series can only be plotted by its Angular Position");
      return std::nullopt;
    }
    const int quantity =
        entry.ownQuantity != 0 ? entry.ownQuantity : PlotQuantity(category, component);
    if (quantity == kQuantityNone) {
      RefuseChoice(kCategories[static_cast<std::size_t>(category)] + " has no " +
                   kComponents[static_cast<std::size_t>(component - 1)] + " component");
      return std::nullopt;
    }
    chosen.push_back({entry.seriesId, quantity});
  }
  return chosen;
}
