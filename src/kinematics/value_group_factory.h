#pragma once

#include <memory>

#include "kinematics/data_value_group.h"

// A new, empty group of the class that computes quantity: a plain group for
// the quantities read from the document, the computing class of the quantity
// otherwise; nothing for quantities that are never computed.
std::unique_ptr<TdvDataValueGroup> MakeValueGroup(int quantity);
