// The document's table of derived quantities: what the document tells it
// and what it reads back.

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "document/document_table_source.h"
#include "document_fixture.h"
#include "foundation/format_significant.h"
#include "kinematics/data_table.h"
#include "kinematics/data_value_group.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"
#include "model/calculated_point_series.h"
#include "model/calculated_series.h"
#include "model/scale_series.h"

namespace {

constexpr std::int32_t kFrameStep = 20;  // 1/30 s at 600 units per second
constexpr int kMovieHeight = 240;

// Attaches a movie for the length of a test, so that the Video Origin
// converts positions.
class MovieAttached {
 public:
  MovieAttached(TdvDataObjectWindow& doc) : doc(doc) { doc.AttachMovie(&movie); }
  ~MovieAttached() { doc.AttachMovie(nullptr); }

 private:
  TdvDataObjectWindow& doc;
  FakeMovie movie{kMovieHeight};
};

class TableTest : public DocumentTest {
 protected:
  // A new document over a movie of frameCount frames of 1/30 s.
  TdvDataObjectWindow* MovieDocument(int frameCount) {
    TdvDataObjectWindow* doc = NewDocument();
    const std::vector<std::int32_t> keys = EvenFrameKeys(frameCount, kFrameStep);
    doc->SetTimeBase(600, keys);
    return doc;
  }

  TdvDataPoint* Origin1(TdvDataObjectWindow& doc) {
    return static_cast<TdvDataPoint*>(doc.GetItem(doc.DefaultOrigin()));
  }

  template <typename Item>
  Item* Calculated(TdvDataObjectWindow& doc, int kind, const std::string& name,
                   const std::vector<std::int32_t>& inputs) {
    std::int32_t id = doc.ObjectNewObject(kind, name);
    auto* item = static_cast<Item*>(doc.GetItem(id));
    LList list;
    for (std::int32_t input : inputs) {
      list.Append(std::make_unique<TdvInt>(input));
    }
    item->SetIncluded(list);
    return item;
  }

  static TdvDataValueGroup& Use(TdvDataObjectWindow& doc, const TdvDataObject* item, int quantity) {
    TdvDataValueGroup* group = doc.DataTable().FindGroup(item->GetId(), quantity);
    EXPECT_NE(group, nullptr) << "quantity " << quantity;
    group->Use(true);
    return *group;
  }
};

// ---------------------------------------------------------------------------
// Incremental equals full.

// Two groups hold the same frames, the same unit and bit for bit the same
// values; the first difference, or the empty text.
std::string Difference(const TdvDataValueGroup& kept, const TdvDataValueGroup& fresh) {
  std::ostringstream out;
  if (kept.Unit() != fresh.Unit()) {
    out << "unit " << kept.Unit() << " instead of " << fresh.Unit();
    return out.str();
  }
  auto a = kept.Values().begin();
  auto b = fresh.Values().begin();
  for (; a != kept.Values().end() && b != fresh.Values().end(); ++a, ++b) {
    if (a->first != b->first) {
      out << "frame " << a->first << " where a fresh table has frame " << b->first;
      return out.str();
    }
    if (std::bit_cast<std::uint64_t>(a->second) != std::bit_cast<std::uint64_t>(b->second)) {
      out.precision(17);
      out << "frame " << a->first << ": " << a->second << " instead of " << b->second;
      return out.str();
    }
  }
  if (a != kept.Values().end() || b != fresh.Values().end()) {
    out << kept.Values().size() << " values instead of " << fresh.Values().size();
  }
  return out.str();
}

// Builds a table afresh over the document, with the same groups in use, and
// compares every active group of the document's table with it.
std::string CompareWithFreshTable(TdvDataObjectWindow& doc) {
  TdvDocumentTableSource source(doc);
  TdvDataTable fresh;
  fresh.SetDocument(&source);
  fresh.RefreshFrames();
  for (std::int32_t id : doc.ItemOrder()) {
    fresh.AddSeries(id);
  }
  const TdvDataTable& kept = doc.DataTable();
  if (kept.AllFrames() != fresh.AllFrames()) {
    return "the rows differ";
  }
  for (const auto& object : kept.Objects()) {
    for (const auto& group : object->Groups()) {
      if (group->IsActive() && !group->IsRaw()) {
        fresh.FindGroup(object->SeriesId(), group->Quantity())->Use(true);
      }
    }
  }
  for (const auto& object : kept.Objects()) {
    for (const auto& group : object->Groups()) {
      if (!group->IsActive()) {
        continue;
      }
      TdvDataValueGroup* other = fresh.FindGroup(object->SeriesId(), group->Quantity());
      std::string difference = other == nullptr ? "missing" : Difference(*group, *other);
      if (!difference.empty()) {
        return "series " + std::to_string(object->SeriesId()) + " quantity " +
               std::to_string(group->Quantity()) + ": " + difference;
      }
    }
  }
  return "";
}

// A document with every kind of dependency: a fixed origin with a scale, a
// moving origin inside it, points in both, a Semi-Fixed point, a clone, and
// a distance, an angle and a centre of mass built on the points.
struct Scene {
  TdvDataObjectWindow* doc = nullptr;
  TdvDataPoint* origin = nullptr;
  TdvDataPoint* mover = nullptr;
  TdvDataPoint* ball = nullptr;
  TdvDataPoint* cart = nullptr;
  TdvDataPoint* semi = nullptr;
  std::vector<TdvDataPoint*> tracked;
  std::vector<TdvDataObject*> all;
};

class IncrementalTest : public TableTest {
 protected:
  static constexpr int kFrames = 12;

  Scene Build() {
    Scene scene;
    scene.doc = MovieDocument(kFrames);
    TdvDataObjectWindow& doc = *scene.doc;
    scene.origin = Origin1(doc);
    scene.origin->TakeData(100, -400, 0);
    TdvDataPoint* zero = AddPoint(doc, "Zero", kFixed);
    TdvDataPoint* metre = AddPoint(doc, "Metre", kFixed);
    zero->TakeData(100, -400, 0);
    metre->TakeData(300, -400, 0);
    auto* stick =
        Calculated<TdvCalibrateObject>(doc, kItemScale, "Stick", {zero->GetId(), metre->GetId()});
    stick->SetKnownLength(2.0);
    scene.mover = static_cast<TdvDataPoint*>(doc.GetItem(doc.ObjectNewObject(kItemOrigin, "Car")));
    scene.ball = AddPoint(doc, "Ball");
    scene.cart = AddPoint(doc, "Cart");
    scene.cart->SetOriginId(scene.mover->GetId());
    scene.semi = AddPoint(doc, "Lamp", kSemiFixed);
    auto* clone = static_cast<TdvClonePoint*>(doc.GetItem(doc.ObjectNewObject(kItemClone, "Twin")));
    clone->SetSource(scene.ball->GetId());
    auto* gap = Calculated<TdvCalculatedLine>(doc, kItemDistance, "Gap",
                                              {scene.ball->GetId(), scene.cart->GetId()});
    auto* turn = Calculated<TdvCalculatedAngle>(
        doc, kItemAngle, "Turn", {scene.ball->GetId(), scene.semi->GetId(), scene.cart->GetId()});
    auto* centre = Calculated<TdvCalculatedCM>(doc, kItemCentreOfMass, "Centre",
                                               {scene.ball->GetId(), scene.cart->GetId()});
    scene.tracked = {scene.ball, scene.cart, scene.semi, scene.mover};
    scene.all = {scene.origin, zero,       metre, stick, scene.mover, scene.ball,
                 scene.cart,   scene.semi, clone, gap,   turn,        centre};

    for (int quantity : {4, 5, 8, 9, 11, 15, 16, 18, 22, 23, 25, 30, 32, 35, 42, 44}) {
      Use(doc, scene.ball, quantity);
    }
    for (int quantity : {8, 17, 26, 30}) {
      Use(doc, scene.cart, quantity);
    }
    for (int quantity : {11, 15, 40}) {
      Use(doc, centre, quantity);
    }
    Use(doc, scene.semi, 8);
    Use(doc, scene.mover, 9);
    Use(doc, clone, 27);
    return scene;
  }

  // One random edit of the kinds a user makes; its description.
  std::string Edit(Scene& scene, std::mt19937& random) {
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::int32_t frame = pick(kFrames) * kFrameStep;
    TdvDataPoint* point = scene.tracked[pick(static_cast<int>(scene.tracked.size()))];
    std::string what = point->GetName() + " at frame " + std::to_string(frame) + ": ";
    switch (pick(11)) {
      case 0:
      case 1:
        point->TakeData(pick(640), -pick(480), frame);
        return what + "add";
      case 2:
        point->SelectDatum();
        point->MoveTransformPoint(pick(21) - 10, pick(21) - 10, frame);
        return what + "move";
      case 3:
        point->ClearFrame(frame);
        return what + "delete";
      case 4:
        point->SetMass(0.05 * (1 + pick(100)));
        return what + "mass";
      case 5: {
        TdvDataObject* item = scene.all[pick(static_cast<int>(scene.all.size()))];
        switch (pick(3)) {
          case 0:
            item->SetLengthUnit(static_cast<std::uint8_t>(1 + pick(5)));
            break;
          case 1:
            item->SetAngleUnit(pick(2) == 0 ? 7 : 8);
            break;
          default:
            item->SetMassUnit(static_cast<std::uint8_t>(1 + pick(2)));
        }
        return item->GetName() + ": units";
      }
      case 6:
        scene.mover->TakeData(pick(640), -pick(480), frame);
        scene.mover->SetValue(0.01 * pick(628), frame);
        return "Car moved and turned at frame " + std::to_string(frame);
      case 7:
        scene.origin->SelectDatum();
        scene.origin->MoveTransformPoint(pick(11) - 5, pick(11) - 5, frame);
        return "Origin 1 moved";
      case 8: {
        // Into the car's coordinate system, which has no scale, or back.
        bool inCar = scene.cart->GetOriginId() == scene.mover->GetId();
        scene.cart->SetOriginId(inCar ? kDefaultOriginRef : scene.mover->GetId());
        return "Cart changed its coordinate system";
      }
      case 9:
        // Made Fixed, the datum of the displayed frame is kept.
        scene.doc->SetDisplayedTime(frame);
        point->SetSampleType(1 + pick(3));
        return what + "sample type " + std::to_string(point->GetSampleType());
      default:
        scene.origin->SetValue(0.01 * pick(628), frame);
        return "Origin 1 turned";
    }
  }
};

// Unoptimised and sanitised builds run a third of the edits.
int EditCount() {
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
  return 1000;
#else
  return 3000;
#endif
}

TEST_F(IncrementalTest, EveryEditLeavesTheValuesAFreshTableComputes) {
  Scene scene = Build();
  MovieAttached movie(*scene.doc);
  ASSERT_EQ(CompareWithFreshTable(*scene.doc), "");
  std::mt19937 random(20240611);
  int edits = EditCount();
  for (int i = 0; i < edits; ++i) {
    std::string edit = Edit(scene, random);
    std::string difference = CompareWithFreshTable(*scene.doc);
    ASSERT_EQ(difference, "") << "after edit " << i << " (" << edit << ")";
  }
  // The edits reached the derived groups rather than leaving them empty.
  EXPECT_FALSE(scene.doc->DataTable().FindGroup(scene.ball->GetId(), 30)->Values().empty());
}

// ---------------------------------------------------------------------------
// Dependency propagation.

// ---------------------------------------------------------------------------
// Export.

}  // namespace
