#include "kinematics/model_value_group.h"

#include "kinematics/quantity_table.h"

TdvModelDataValueGroup::TdvModelDataValueGroup(int quantityCode, std::uint8_t groupMode)
    : TdvDataValueGroup(quantityCode, groupMode) {}

void TdvModelDataValueGroup::Use(bool add) {
  if (!add && useCount == 0) {
    return;
  }
  // Inputs first: a group that becomes active computes from them at once.
  for (TdvDataValueGroup* input : inputs) {
    input->Use(add);
  }
  TdvDataValueGroup::Use(add);
}

void TdvModelDataValueGroup::ComputeAll() {
  fullRecompute = true;
  ComputeAt(0);
  fullRecompute = false;
  changes.MarkAll();
}

bool TdvModelDataValueGroup::InputsChangedLocally() const {
  for (const TdvDataValueGroup* input : inputs) {
    if (input->Quantity() != kQuantityTime && input->Changes().All()) {
      return false;
    }
  }
  return true;
}
