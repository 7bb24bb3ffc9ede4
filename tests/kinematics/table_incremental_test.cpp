#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

#include "kinematics/quantity_table.h"
#include "table_fixture.h"

namespace {

constexpr std::int32_t kOrigin = 1;
constexpr std::int32_t kBall = 2;
constexpr std::int32_t kMarker = 3;
constexpr std::int32_t kRuler = 4;

// Every quantity that has a computing class, besides the raw ones.
std::vector<int> DerivedQuantities() {
  std::vector<int> quantities;
  for (int q = kQuantityTheta; q <= kQuantityNetForceDirection; ++q) {
    if (q != kQuantityXEnergy && q != kQuantityYEnergy && q != kQuantityAngularNetForce &&
        (q < kQuantityLength || q > kQuantityAngle)) {
      quantities.push_back(q);
    }
  }
  return quantities;
}

// Random edits of a document whose ball is reported relative to a moving
// origin and whose marker is reported relative to the ball; after every edit
// each active group must hold bitwise what a table built afresh computes.
class IncrementalTableTest : public TableFixture {
 protected:
  void SetUp() override {
    TableFixture::SetUp();
    Series(kOrigin, "Origin");
    FakeSeries& ball = Series(kBall, "Ball");
    ball.origin = kOrigin;
    ball.dependsOn = {kOrigin};
    ball.mass = 0.25;
    FakeSeries& marker = Series(kMarker, "Marker");
    marker.origin = kBall;
    marker.dependsOn = {kBall};
    FakeSeries& ruler = Series(kRuler, "Ruler");
    ruler.point = false;
    ruler.natural = kQuantityLength;
    ruler.dependsOn = {kBall};
    Build();
    for (std::int32_t id : {kBall, kMarker}) {
      for (int q : DerivedQuantities()) {
        Show(id, q);
      }
    }
    Show(kOrigin, kQuantityXAcceleration);
    Show(kOrigin, kQuantitySpeed);
  }

  void Show(std::int32_t id, int quantity) {
    table.FindGroup(id, quantity)->Use(true);
    shown.insert({id, quantity});
  }
  void Hide(std::int32_t id, int quantity) {
    table.FindGroup(id, quantity)->Use(false);
    shown.erase({id, quantity});
  }

  void RandomEdit(std::int32_t frames) {
    std::int32_t frame = static_cast<std::int32_t>(random() % frames);
    std::int32_t id = static_cast<std::int32_t>(1 + random() % 3);
    int kind = static_cast<int>(random() % 100);
    std::uniform_real_distribution<double> position(-5.0, 5.0);
    if (kind < 50) {
      Place(id, frame, position(random), position(random));
    } else if (kind < 75) {
      Erase(id, frame);
    } else if (kind < 80) {
      doc.series[kBall].rotations[frame] = position(random);
      table.SeriesChanged(kBall, frame, TdvDataTable::kOneFrame, affected);
    } else if (kind < 85) {
      ChangeRuler(frame, position(random));
    } else if (kind < 88) {
      doc.series[kBall].mass = 0.1 + (random() % 10) * 0.3;
      table.SeriesChanged(kBall, 0, 0, affected);
    } else if (kind < 92) {
      FakeSeries& ball = doc.series[kBall];
      ball.lengthUnit = ball.lengthUnit == 1 ? 2 : 1;
      ball.angleUnit = random() % 2 == 0 ? 7 : 8;
      table.UnitsChanged(kBall);
    } else if (kind < 94) {
      doc.times[frame] = doc.FrameTime(frame) + position(random) * 0.001;
      table.SeriesChanged(TdvDataTable::kTimeSeries, 0, 0, affected);
    } else if (kind < 95) {
      doc.series[id].points.clear();
      table.SeriesChanged(id, 0, 0, affected);
    } else {
      ToggleShown(id);
    }
  }

  void ChangeRuler(std::int32_t frame, double length) {
    std::map<std::int32_t, double>& lengths = doc.series[kRuler].scalars;
    if (length < -3.0) {
      lengths.erase(frame);
    } else {
      lengths[frame] = length;
    }
    table.SeriesChanged(kRuler, frame, TdvDataTable::kOneFrame, affected);
  }

  void ToggleShown(std::int32_t id) {
    std::vector<int> quantities = DerivedQuantities();
    int quantity = quantities[random() % quantities.size()];
    if (shown.contains({id, quantity})) {
      Hide(id, quantity);
    } else {
      Show(id, quantity);
    }
  }

  ::testing::AssertionResult MatchesFreshTable() {
    TdvDataTable fresh;
    fresh.SetDocument(&doc);
    fresh.RefreshFrames();
    for (const auto& [id, s] : doc.series) {
      fresh.AddSeries(id);
    }
    for (const auto& [id, quantity] : shown) {
      fresh.FindGroup(id, quantity)->Use(true);
    }
    if (table.AllFrames() != fresh.AllFrames()) {
      return ::testing::AssertionFailure() << "frame lists differ";
    }
    for (const auto& object : table.Objects()) {
      for (const auto& group : object->Groups()) {
        if (!group->IsActive()) {
          continue;
        }
        TdvDataValueGroup* expected = fresh.FindGroup(object->SeriesId(), group->Quantity());
        auto same = SameValues(group->Values(), expected->Values());
        if (same) {
          same = SameValues(group->RawValues(), expected->RawValues());
        }
        if (!same || group->Unit() != expected->Unit()) {
          return ::testing::AssertionFailure()
                 << "series " << object->SeriesId() << " quantity " << group->Quantity() << ": "
                 << same.message() << " (unit " << group->Unit() << ")";
        }
      }
    }
    return ::testing::AssertionSuccess();
  }

  std::mt19937 random{2024};
  std::set<std::pair<std::int32_t, int>> shown;
};

TEST_F(IncrementalTableTest, EveryEditGivesTheValuesOfAFullComputation) {
  for (int edit = 0; edit < 1500; ++edit) {
    // Short stretches of few frames exercise the rules for short series.
    std::int32_t frames = (edit / 150) % 2 == 0 ? 60 : 7;
    RandomEdit(frames);
    ASSERT_TRUE(MatchesFreshTable()) << "after edit " << edit;
  }
}

}  // namespace
