#pragma once

#include <cstdint>
#include <vector>

#include "kinematics/data_value_group.h"

class TdvDataTable;

// A group computed from other groups of the same series (and from the time
// group). Inputs are created before the group, so within a series' list of
// groups every input comes first.
class TdvModelDataValueGroup : public TdvDataValueGroup {
 public:
  static constexpr int kClassCode = 'H';

  TdvModelDataValueGroup(int quantity, std::uint8_t mode);

  bool IsA(int code) const override { return code == kClassCode || TdvDataValueGroup::IsA(code); }
  // Passes the use on to every input, so that what a shown group is computed
  // from stays computed.
  void Use(bool add) override;
  // Brings the values up to date after the inputs changed on frame (their
  // Changes() say where); false when only a full computation will do.
  virtual bool ComputeAt(std::int32_t frame) { return Compute(frame, true); }
  // With fullRecompute set, or incremental false, computes every value.
  virtual bool Compute(std::int32_t frame, bool incremental) = 0;
  // Finds or makes the input groups of the group's quantity.
  virtual void SetupInputs() = 0;
  virtual void ComputeAll();

  void SetTable(TdvDataTable* dataTable) { table = dataTable; }
  const std::vector<TdvDataValueGroup*>& Inputs() const { return inputs; }

 protected:
  // An incremental update is possible only when no input was rebuilt whole;
  // the time input is left out, since a change of time recomputes everything.
  bool InputsChangedLocally() const;
  bool IsFullPass(bool incremental) const { return fullRecompute || !incremental; }

  std::vector<TdvDataValueGroup*> inputs;
  TdvDataTable* table = nullptr;
  bool fullRecompute = false;
};
