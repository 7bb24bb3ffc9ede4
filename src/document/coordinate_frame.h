#pragma once

#include <cstdint>
#include <memory>

#include "foundation/geometry.h"
#include "foundation/lists.h"
#include "foundation/object.h"

class TdvDataObjectWindow;

// One coordinate system of a document: an origin (the Video Origin or an
// item that is an origin), the scale it reports in, and the items that
// report relative to it, in display order. Shown as one box of the
// coordinate-systems window.
class TdvCoordinateFrame : public TdvObject {
 public:
  static constexpr int kClassCode = 6;

  TdvCoordinateFrame(std::int32_t originId, TdvDataObjectWindow* owner)
      : origin(originId), owner(owner) {}

  bool IsA(int code) const override { return code == kClassCode || TdvObject::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override {
    return std::make_unique<TdvCoordinateFrame>(*this);
  }

  // Stores the kind in the origin item too and, with apply-kind-to-members
  // on, in every member.
  void SetCoordinateKind(std::uint8_t kind);
  // 18 pixels per member row plus the title rows (and the scale row).
  int BoxHeight() const;
  bool HasMember(std::int32_t id) const;

  std::int32_t origin = -2;
  std::int32_t scale = -3;
  TdvRect box;
  std::int32_t expanded = 1;
  LList members;
  TdvDataObjectWindow* owner = nullptr;
  std::int32_t applyKindToMembers = 1;
  std::uint8_t coordinateKind = 1;
};
