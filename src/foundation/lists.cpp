#include "foundation/lists.h"

namespace {

bool HoldsInt(const TdvObject* element, std::int32_t value) {
  return element != nullptr && element->IsA(TdvInt::kClassCode) &&
         static_cast<const TdvInt*>(element)->value == value;
}

}  // namespace

// Walks by position rather than by the answer of Next(), so that an empty
// slot in the list does not end the search early.
bool LList::FindInt(std::int32_t value) {
  First();
  while (!IsEmpty()) {
    if (HoldsInt(Current(), value)) {
      return true;
    }
    if (IsLast()) {
      return false;
    }
    Next();
  }
  return false;
}

void CopyIdList(LList& target, const LList& source) {
  target.Clear();
  for (const TdvObject* element : source) {
    if (element != nullptr && element->IsA(TdvInt::kClassCode)) {
      target.Append(std::make_unique<TdvInt>(static_cast<const TdvInt*>(element)->value));
    }
  }
}
